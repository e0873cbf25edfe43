#!/usr/bin/env bash
# Times Quillor's picture operations as whole commands on the 4000 x 3000 photo, side by
# side in one run with ImageMagick (one thread), libvips (one thread) and pngquant, each
# on its fastest equivalent path: Quillor reads and writes BMP, libvips reads PPM and
# writes its own .v format, ImageMagick reads and writes PPM. Every command is pinned to
# one core; the figure is the median of RUNS runs in milliseconds. A "copy" line gives
# each tool's cost of reading and writing the picture alone.
#
#   bench/image_ops.sh [INPUT_DIR] [RUNS]     (default /tmp/qbench, 5 runs)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
inputs=${1:-/tmp/qbench}
runs=${2:-5}

"$here/scripts/setup.sh" imagemagick libvips-tools pngquant >&2
[ -f "$inputs/SHA256SUMS" ] || "$here/bench/make-inputs.sh" "$inputs" >&2
cmake -S "$here" -B "$here/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DQUILLOR_BUILD_BENCH=ON -DQUILLOR_BUILD_TESTS=OFF -DQUILLOR_BUILD_UI=ON >/dev/null
cmake --build "$here/build-bench" --target quillor >&2
quillor="$here/build-bench/quillor"
magick=/usr/bin/convert
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
bmp=$inputs/photo-4000x3000.bmp
ppm=$inputs/photo-4000x3000.ppm
png=$inputs/photo-4000x3000.png

median_ms() {
    local times=() i s
    for ((i = 0; i < runs; i++)); do
        s=$(date +%s%N)
        "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; echo 0; return; }
        times+=($(( ($(date +%s%N) - s) / 1000000 )))
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p"
}

q() { median_ms taskset -c 0 "$quillor" convert "$bmp" "$@" "$out/q.bmp"; }
v() { median_ms taskset -c 0 env VIPS_CONCURRENCY=1 vips "$@"; }
m() { median_ms taskset -c 0 env MAGICK_THREAD_LIMIT=1 "$magick" "$ppm" "$@" "$out/m.ppm"; }

ratio() { [ "$1" = - ] || [ "$2" = 0 ] && echo - || awk "BEGIN{printf \"%.2f\", $1/$2}"; }

row() {  # name target quillor vips magick [other]
    printf '%-26s %7s %8s %8s %8s %8s   %6s %6s %6s\n' "$1" "$2" "$3" "$4" "$5" "${6:--}" \
        "$(ratio "$4" "$3")" "$(ratio "$5" "$3")" "$(ratio "${6:--}" "$3")"
}

echo "== Picture operations on a 4000 x 3000 photo, whole commands, ms (median of $runs); ratios peer / quillor"
printf '%-26s %7s %8s %8s %8s %8s   %6s %6s %6s\n' operation target quillor vips im-1t other vips/q im/q oth/q
row "copy (read + write)" - "$(q)" "$(v copy "$ppm" "$out/v.v")" "$(m)"
row "256 colours, Floyd-Stein." 350 "$(q --dither floyd --colours 256)" - "$(m -dither FloydSteinberg -colors 256)" \
    "$(median_ms taskset -c 0 pngquant --force --floyd=1 --speed 1 256 --output "$out/p.png" "$png")"
row "16 colours, no dither" 250 "$(q --colours 16)" - "$(m +dither -colors 16)"
row "median 3 x 3" 500 "$(q --simplify 1)" "$(v rank "$ppm" "$out/v.v" 3 3 4)" "$(m -statistic Median 3x3)"
row "blur (3 x 3 mean of 8)" 100 "$(q --blur 100)" "$(v conv "$ppm" "$out/v.v" "$inputs/blur8.mat")" \
    "$(m -morphology Convolve "$(cat "$inputs/blur8.kernel")")"
row "sharpen (3 x 3)" 120 "$(q --sharpen 100)" "$(v conv "$ppm" "$out/v.v" "$inputs/sharpen.mat")" \
    "$(m -morphology Convolve "$(cat "$inputs/sharpen.kernel")")"
row "bilinear 50 %" 90 "$(q --resize 2000x1500 --filter bilinear)" \
    "$(v resize "$ppm" "$out/v.v" 0.5 --kernel linear)" "$(m -filter Triangle -resize 50%)"
row "negative" 60 "$(q --negative)" "$(v invert "$ppm" "$out/v.v")" "$(m -negate)"
row "gamma" 60 "$(q --gamma 50)" "$(v gamma "$ppm" "$out/v.v" --exponent 1.5)" "$(m -gamma 1.5)"
row "flip horizontal" 60 "$(q --flip h)" "$(v flip "$ppm" "$out/v.v" horizontal)" "$(m -flop)"
row "flip vertical" 60 "$(q --flip v)" "$(v flip "$ppm" "$out/v.v" vertical)" "$(m -flip)"
echo
echo "One pass over the picture's 36 MB in memory takes about 3.4 ms on this machine kind."
