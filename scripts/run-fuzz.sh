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

# One target; its summary line goes to $2, the stack lines of a finding to standard error.
fuzz_one() {
    local format=$1 out=$2
    local target=$build/fuzz/fuzz_$format
    local corpus=$build/fuzz-corpus/$format
    local artifacts=$build/fuzz-artifacts/$format
    local log=$build/fuzz-logs/$format.log
    mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
    if [[ ! -x $target ]]; then
        printf '%-5s NOT BUILT\n' "$format" >"$out"
        return 1
    fi
    [[ -d $seeds/$format ]] && cp -n "$seeds/$format"/* "$corpus"/ 2>/dev/null
    local before status runs found kind
    before=$(find "$artifacts" -type f | wc -l)

    "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -malloc_limit_mb=1024 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" >"$log" 2>&1
    status=$?

    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -n 1)
    found=$(( $(find "$artifacts" -type f | wc -l) - before ))
    if [[ $status -ne 0 || $found -gt 0 ]]; then
        kind=$(grep -m 1 -o 'ERROR: [A-Za-z]*Sanitizer: [a-z-]*\|ERROR: libFuzzer: [a-z-]*\|runtime error: .*' "$log")
        printf '%-5s FAILED after %s runs (exit %s, %s new artifact(s)): %s; log %s\n' \
            "$format" "${runs:-?}" "$status" "$found" "${kind:-see log}" "$log" >"$out"
        grep -m 12 -E '^ *#[0-9]+ .* in |SUMMARY:' "$log" | sed "s/^/    [$format] /" >&2
        return 1
    fi
    printf '%-5s ok: %s runs in %ss, corpus %s files\n' "$format" "${runs:-?}" "$seconds" \
        "$(find "$corpus" -type f | wc -l)" >"$out"
}

# Each target is single-threaded, so as many run at once as there are cores.
parallel=${QUILLOR_FUZZ_JOBS:-$(nproc 2>/dev/null || echo 1)}
summaries=$(mktemp -d)
trap 'rm -rf "$summaries"' EXIT
for format in "${formats[@]}"; do
    while (( $(jobs -rp | wc -l) >= parallel )); do wait -n; done
    fuzz_one "$format" "$summaries/$format" &
done
wait

# A target that ended without writing its line (killed, say) counts as failed too.
failed=0
for format in "${formats[@]}"; do
    if [[ -s $summaries/$format ]]; then cat "$summaries/$format"; else printf '%-5s NO RESULT\n' "$format"; fi
    grep -q '^[a-z]* *ok: ' "$summaries/$format" 2>/dev/null || failed=1
done
exit $failed
