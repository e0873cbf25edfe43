#!/usr/bin/env bash
# The image browser on a folder of 1000 1920 x 1080 JPEG photos, pinned to one core:
# the time until the first page's thumbnails are shown, and until all are made.
#   bench/browser.sh [WORK_DIR] [RUNS]     (default /dev/shm/qbrowse, 3 runs; medians)
# BUILD names the build folder (default build-bench). The default folder is in memory,
# so the figures are the program's and not the disk's.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-/dev/shm/qbrowse}
runs=${2:-3}
build=${BUILD:-$here/build-bench}
inputs=${QUILLOR_BENCH_INPUTS:-/tmp/qbench}

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLOR_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --target quillor_browser_bench >&2

photo=$inputs/photo-1920x1080.jpg
[ -f "$photo" ] || bash "$here/bench/make-inputs.sh" "$inputs" >&2
mkdir -p "$work"
if [ "$(find "$work" -maxdepth 1 -name 'photo-*.jpg' | wc -l)" -ne 1000 ]; then
    rm -f "$work"/photo-*.jpg
    for i in $(seq -w 0 999); do cp "$photo" "$work/photo-$i.jpg"; done
fi
echo "== $(ls "$work" | wc -l) files in $work, $(stat -c %s "$photo") bytes each"
taskset -c 0 "$build/bench/quillor_browser_bench" "$work" "$runs"
