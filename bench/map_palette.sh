#!/usr/bin/env bash
# Times `quillor map-palette --remap` over a folder of 256-colour BMP files, pinned to
# one core:
#   bench/map_palette.sh [WORK_DIR] [COUNT] [RUNS]   (default /dev/shm/qmap, 1000 files, 1 run)
# The destinations are copies of one 1920 x 1080 256-colour BMP: make-inputs.sh's
# pal256-1920x1080.bmp when INPUT_DIR (default /tmp/qbench) holds it, else one made here.
# The default folder is in memory, so the figure is the program's and not the disk's
# (every rewritten file ends with an fsync). Set QUILLOR to time a binary already built;
# otherwise the script builds one in build-bench. Target: 1000 files in under 20 s.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-/dev/shm/qmap}
count=${2:-1000}
runs=${3:-1}
inputs=${INPUT_DIR:-/tmp/qbench}

if [ -z "${QUILLOR:-}" ]; then
    cmake -S "$here" -B "$here/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release \
          -DQUILLOR_BUILD_BENCH=ON -DQUILLOR_BUILD_TESTS=OFF -DQUILLOR_BUILD_UI=ON >/dev/null
    cmake --build "$here/build-bench" --target quillor >&2
    QUILLOR=$here/build-bench/quillor
fi

mkdir -p "$work"
base=$work/base.bmp
if [ -f "$inputs/pal256-1920x1080.bmp" ]; then
    cp "$inputs/pal256-1920x1080.bmp" "$base"
else
    python3 - "$base" <<'PY'
import struct, sys
w, h = 1920, 1080
palette = b"".join(bytes((i, (i * 7) & 255, 255 - i, 0)) for i in range(256))
row = bytes(((x * 3) ^ (x >> 4)) & 255 for x in range(w))
pixels = b"".join(row[y % 64:] + row[:y % 64] for y in range(h))
header = struct.pack("<2sIHHI", b"BM", 1078 + len(pixels), 0, 0, 1078)
info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(pixels), 2835, 2835, 256, 256)
open(sys.argv[1], "wb").write(header + info + palette + pixels)
PY
fi
# The source: a small picture whose palette is a colour cube and a grey ramp.
python3 - "$work/source.bmp" <<'PY'
import struct, sys
entries = [(b, g, r) for r in range(0, 256, 51) for g in range(0, 256, 51) for b in range(0, 256, 51)]
entries += [(v, v, v) for v in range(0, 256, 8)][: 256 - len(entries)]
entries += [(0, 0, 0)] * (256 - len(entries))
palette = b"".join(bytes((b, g, r, 0)) for b, g, r in entries)
pixels = bytes(range(256))
header = struct.pack("<2sIHHI", b"BM", 1078 + len(pixels), 0, 0, 1078)
info = struct.pack("<IiiHHIIiiII", 40, 16, 16, 1, 8, 0, len(pixels), 2835, 2835, 256, 256)
open(sys.argv[1], "wb").write(header + info + palette + pixels)
PY

rm -rf "$work/dest"
mkdir -p "$work/dest"
for ((i = 0; i < count; i++)); do
    cp "$base" "$(printf '%s/dest/frame%04d.bmp' "$work" "$i")"
done
bytes=$(( $(stat -c %s "$base") * count ))

times=()
for ((r = 0; r < runs; r++)); do
    s=$(date +%s%N)
    (cd "$work/dest" && taskset -c 0 "$QUILLOR" map-palette ../source.bmp frame*.bmp --remap 2>"$work/err") ||
        { cat "$work/err" >&2; exit 1; }
    times+=($(( ($(date +%s%N) - s) / 1000000 )))
done
ms=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
echo "map-palette --remap: $count files of $(( bytes / count )) bytes in $ms ms" \
     "($(( bytes / 1048576 * 1000 / (ms > 0 ? ms : 1) )) MiB/s, $(( ms * 1000 / count )) us a file)"
rm -rf "$work/dest"
