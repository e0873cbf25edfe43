#!/usr/bin/env bash
# Opens a 600-frame 640 x 480 movie whole and saves it again, with Quillor and with
# ffmpeg (one thread), both pinned to one core:
#   bench/avi.sh [WORK_DIR] [RUNS]     (default /dev/shm/qavi, 3 runs; medians)
# The default folder is in memory, so the figures are the programs' and not the disk's
# (a save ends with an fsync, which on a disk costs more than the encoding).
# The movies are made by ffmpeg: uncompressed (bgr24) and FFV1. ffmpeg's figure is its
# decode and FFV1 encode in one pass, to compare with Quillor's "both".
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-/dev/shm/qavi}
runs=${2:-3}
mkdir -p "$work" "$work/out"

"$here/scripts/setup.sh" >&2
cmake -S "$here" -B "$here/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DQUILLOR_BUILD_BENCH=ON -DQUILLOR_BUILD_TESTS=OFF -DQUILLOR_BUILD_UI=ON >/dev/null
cmake --build "$here/build-bench" --target quillor_avi_bench >&2

for kind in raw ffv1; do
    movie=$work/in-$kind.avi
    if [ ! -f "$movie" ]; then
        codec=(-c:v rawvideo -pix_fmt bgr24)
        [ $kind = ffv1 ] && codec=(-c:v ffv1 -pix_fmt bgr0 -g 1)
        ffmpeg -nostdin -loglevel error -y -f lavfi -i testsrc2=size=640x480:rate=25 -frames:v 600 \
               "${codec[@]}" "$movie"
    fi
    echo "== $kind movie ($movie)"
    taskset -c 0 "$here/build-bench/bench/quillor_avi_bench" "$movie" "$work/out" "$runs"
    times=()
    for ((i = 0; i < runs; i++)); do
        s=$(date +%s%N)
        taskset -c 0 ffmpeg -nostdin -loglevel error -y -threads 1 -i "$movie" -threads 1 -c:v ffv1 \
            "$work/out/ffmpeg.avi"
        times+=($(( ($(date +%s%N) - s) / 1000000 )))
    done
    ms=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
    echo "ffmpeg -i $kind -c:v ffv1: $ms ms ($(( 600000 / ms )) fps, decode and encode)"
done
