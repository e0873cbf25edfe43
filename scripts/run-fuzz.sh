#!/usr/bin/env bash
# Fuzzes every file reader for a while: scripts/run-fuzz.sh BUILD_DIR SECONDS
#
# BUILD_DIR is a build configured with -DQUILLOR_FUZZ=ON. Seeds are made afresh by the
# build's make_seeds, so a clean clone fuzzes the same starting points everywhere; each
# target keeps its growing corpus in BUILD_DIR/fuzz-corpus/<format>/ between runs.
# Crash, leak, timeout and out-of-memory inputs land in BUILD_DIR/fuzz-artifacts/<format>/.
# The exit status is non-zero when any target found one (or could not run).
set -u

if [[ $# -ne 2 || ! "$2" =~ ^[0-9]+$ || "$2" -lt 1 ]]; then
    echo "usage: $0 BUILD_DIR SECONDS_PER_TARGET" >&2
    exit 2
fi
build=$(cd "$1" && pwd) || exit 2
seconds=$2
formats=(bmp pcx tga psd pax tla jpeg png tiff pal qua bsh avi thumbjpeg bmpmap)

seeds=$build/fuzz-seeds
rm -rf "$seeds"
if ! "$build/fuzz/make_seeds" "$seeds"; then
    echo "run-fuzz: could not make the seeds (is $build a QUILLOR_FUZZ build?)" >&2
    exit 2
fi

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0:symbolize=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

failed=0
summary=()
for format in "${formats[@]}"; do
    target=$build/fuzz/fuzz_$format
    corpus=$build/fuzz-corpus/$format
    artifacts=$build/fuzz-artifacts/$format
    log=$build/fuzz-logs/$format.log
    mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
    if [[ ! -x $target ]]; then
        summary+=("$(printf '%-5s NOT BUILT' "$format")")
        failed=1
        continue
    fi
    [[ -d $seeds/$format ]] && cp -n "$seeds/$format"/* "$corpus"/ 2>/dev/null
    before=$(find "$artifacts" -type f | wc -l)

    "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -malloc_limit_mb=1024 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" >"$log" 2>&1
    status=$?

    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -n 1)
    found=$(( $(find "$artifacts" -type f | wc -l) - before ))
    if [[ $status -ne 0 || $found -gt 0 ]]; then
        failed=1
        kind=$(grep -m 1 -o 'ERROR: [A-Za-z]*Sanitizer: [a-z-]*\|ERROR: libFuzzer: [a-z-]*\|runtime error: .*' "$log")
        summary+=("$(printf '%-5s FAILED after %s runs (exit %s, %s new artifact(s)): %s; log %s' \
            "$format" "${runs:-?}" "$status" "$found" "${kind:-see log}" "$log")")
        grep -m 12 -E '^ *#[0-9]+ .* in |SUMMARY:' "$log" | sed "s/^/    [$format] /" >&2
    else
        summary+=("$(printf '%-5s ok: %s runs in %ss, corpus %s files' "$format" "${runs:-?}" "$seconds" \
            "$(find "$corpus" -type f | wc -l)")")
    fi
done

printf '%s\n' "${summary[@]}"
exit $failed
