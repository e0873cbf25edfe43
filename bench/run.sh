#!/usr/bin/env bash
# Benchmarks Quillor's image-file paths and compares them, side by side in one run, with
# ImageMagick (one thread, and its default) and libvips (one thread) on the same files.
#
#   bench/run.sh [INPUT_DIR] [RUNS]     (default /tmp/qbench, 5 runs; median reported)
#
# Every command is pinned to one core. Ratios are the peer's time over Quillor's: above
# 1 means Quillor is faster.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
inputs=${1:-/tmp/qbench}
runs=${2:-5}

"$here/scripts/setup.sh" imagemagick libvips-tools >&2
[ -f "$inputs/SHA256SUMS" ] || "$here/bench/make-inputs.sh" "$inputs" >&2
cmake -S "$here" -B "$here/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DQUILLOR_BUILD_BENCH=ON -DQUILLOR_BUILD_TESTS=OFF -DQUILLOR_BUILD_UI=ON >/dev/null
cmake --build "$here/build-bench" --target quillor quillor_bench quillor_view_bench quillor_open_bench \
      quillor_playback_bench >&2
quillor="$here/build-bench/quillor"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

echo "== In process (median of $runs)"
taskset -c 0 "$here/build-bench/bench/quillor_bench" "$inputs" "$runs"

# Median wall time of a command in milliseconds.
median_ms() {
    local times=() i s
    for ((i = 0; i < runs; i++)); do
        s=$(date +%s%N)
        "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; echo 0; return; }
        times+=($(( ($(date +%s%N) - s) / 1000000 )))
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p"
}

compare() {  # name input output-extension
    local name=$1 in=$inputs/$2 ext=$3 q v m1 md
    q=$(median_ms taskset -c 0 "$quillor" convert "$in" "$out/q.$ext")
    v=$(median_ms taskset -c 0 env VIPS_CONCURRENCY=1 vips copy "$in" "$out/v.$ext")
    m1=$(median_ms taskset -c 0 env MAGICK_THREAD_LIMIT=1 /usr/bin/convert "$in" "$out/m.$ext")
    md=$(median_ms /usr/bin/convert "$in" "$out/m.$ext")
    printf '%-22s %8s %8s %8s %8s   %6s %6s %6s\n' "$name" "$q" "$v" "$m1" "$md" \
        "$(awk "BEGIN{printf \"%.2f\", $v/$q}")" "$(awk "BEGIN{printf \"%.2f\", $m1/$q}")" \
        "$(awk "BEGIN{printf \"%.2f\", $md/$q}")"
}

echo
echo "== Whole commands, milliseconds (median of $runs) and ratios peer / quillor"
printf '%-22s %8s %8s %8s %8s   %6s %6s %6s\n' operation quillor vips im-1t im-dflt vips/q im1/q imd/q
compare "jpeg 4000x3000 -> bmp" photo-4000x3000.jpg bmp
compare "png round trip" photo-4000x3000.png png
compare "png decode (-> bmp)" photo-4000x3000.png bmp
compare "png encode (bmp ->)" photo-4000x3000.bmp png
compare "bmp read + write" photo-4000x3000.bmp bmp
compare "jpeg 1920x1080 -> bmp" photo-1920x1080.jpg bmp
echo
ls -l "$out" | awk 'NR>1 {print "  output size", $9, $5}'

echo
echo "== Edit view: paint of an 8000 x 8000 true-colour frame in a 1920 x 1080 view (target: under 16 ms)"
QT_QPA_PLATFORM=offscreen taskset -c 0 "$here/build-bench/bench/quillor_view_bench" 30

echo
echo "== Playback in an edit view with the real clock (target: 60 frames per second, no late steps)"
QT_QPA_PLATFORM=offscreen taskset -c 0 "$here/build-bench/bench/quillor_playback_bench" 5

echo
echo "== Opening a 4000 x 3000 JPEG until its first paint (target: under 300 ms)"
QT_QPA_PLATFORM=offscreen taskset -c 0 "$here/build-bench/bench/quillor_open_bench" "$inputs/photo-4000x3000.jpg" 10

echo
echo "== Flood fill from (0, 0), in process (median of $runs; target: at least 100 Mpx/s)"
cmake --build "$here/build-bench" --target quillor_fill_bench >&2
fills=$(taskset -c 0 "$here/build-bench/bench/quillor_fill_bench" "$inputs" "$runs")
echo "$fills"

# ImageMagick's fill is timed as the whole command less a plain read and write of the
# same picture, so the two programs' fills compare on their own.
echo
echo "== Flood fill beside ImageMagick (one thread), milliseconds (median of $runs)"
/usr/bin/convert -size 4000x4000 xc:'#808080' -type TrueColor -strip "BMP3:$out/flat-4000x4000.bmp"
printf '%-22s %10s %10s %10s %10s   %8s\n' picture im-total im-io im-fill quillor im-fill/q
fill_compare() {  # name input key-of-quillor's-line
    local name=$1 in=$2 key=$3 total io q
    total=$(median_ms taskset -c 0 env MAGICK_THREAD_LIMIT=1 /usr/bin/convert "$in" \
            -fill red -draw 'color 0,0 floodfill' "BMP3:$out/fill.bmp")
    io=$(median_ms taskset -c 0 env MAGICK_THREAD_LIMIT=1 /usr/bin/convert "$in" "BMP3:$out/fill.bmp")
    q=$(awk -v k="$key" '$1 == k {print $2}' <<<"$fills")
    printf '%-22s %10s %10s %10s %10s   %8s\n' "$name" "$total" "$io" "$((total - io))" "$q" \
        "$(awk "BEGIN{printf \"%.0f\", ($total - $io) / $q}")"
}
fill_compare "flat 4000x4000" "$out/flat-4000x4000.bmp" flat24
fill_compare "maze 4000x3000" "$inputs/maze-4000x3000.bmp" maze24
rm -f "$out/fill.bmp" "$out/flat-4000x4000.bmp"

echo
echo "== Free-hand stroke with \"Diam 31\" on an 8000 x 8000 true-colour frame (targets: at least 2000 events/s,"
echo "   a press under 16 ms, the history of ten short strokes in megabytes)"
cmake --build "$here/build-bench" --target quillor_stroke_bench >&2
taskset -c 0 "$here/build-bench/bench/quillor_stroke_bench" "$runs"

echo
echo "== Compiling a layered image of ten 1920 x 1080 layers, in process (median of 11; target: under 50 ms)"
cmake --build "$here/build-bench" --target quillor_layer_bench >&2
taskset -c 0 "$here/build-bench/bench/quillor_layer_bench" 11

echo
echo "== Brush stretch and rotation drags, in process (target: at least 60 steps/s for 16 frames of 256 x 256)"
cmake --build "$here/build-bench" --target quillor_brush_reshape_bench >&2
taskset -c 0 "$here/build-bench/bench/quillor_brush_reshape_bench" 120

echo
"$here/bench/image_ops.sh" "$inputs" "$runs"
