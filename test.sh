#!/usr/bin/env bash
# Sets everything up and runs the whole test suite; exits non-zero on any failure.
#   1. a Release build and every test (GUI tests on Qt's offscreen platform);
#   2. a clang build with AddressSanitizer and UndefinedBehaviorSanitizer that runs the
#      toolkit-free tests again and builds the fuzz targets;
#   3. the acceptance test: the real program on a real X display (Xvfb, openbox),
#      driven with xdotool as a user would;
#   4. a short fuzzing run of every file reader from generated seeds.
# QUILLOR_FUZZ_SECONDS sets the time per fuzz target (default 12).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here"
jobs=$(nproc 2>/dev/null || echo 2)
start=$(date +%s)

scripts/setup.sh

echo "== Release build and tests"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Acceptance test on a real display"
tests/acceptance/acceptance.sh build/quillor

echo "== Sanitizer build (ASan + UBSan) and tests"
cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      "-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O2 -gline-tables-only -DNDEBUG" \
      "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -gline-tables-only -DNDEBUG" \
      -DQUILLOR_FUZZ=ON -DQUILLOR_BUILD_UI=OFF -DQUILLOR_BUILD_TESTS=ON >/dev/null
cmake --build build-san -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-san --output-on-failure -j "$jobs"

echo "== Fuzzing"
scripts/run-fuzz.sh build-san "${QUILLOR_FUZZ_SECONDS:-12}"

echo "== All tests passed in $(( $(date +%s) - start )) s"
