#!/usr/bin/env bash
# Builds the libFuzzer harnesses of tests/fuzz (in the sanitize build, with
# clang) and runs every one for a bounded time on its seed corpus. A crash, a
# hang (one input over 10 s), a sanitizer report, a leak or a memory blow-up
# (over 2 GB) fails the run; the input that did it is kept in
# build-sanitize/fuzz/artifacts/ and the harness's log in build-sanitize/fuzz/logs/.
#
#   scripts/fuzz.sh                 every harness for 7 s (what CI runs)
#   scripts/fuzz.sh 600             every harness for ten minutes
#   scripts/fuzz.sh 60 land         one harness for a minute
#
# The inputs found on the way are kept in build-sanitize/fuzz/corpus/NAME and
# taken up again by the next run; the committed seeds stay as they are.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

seconds=${1:-7}
shift || true
if [[ ! $seconds =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: scripts/fuzz.sh [SECONDS-PER-HARNESS [HARNESS...]]" >&2
    exit 2
fi

if ! cmake --preset sanitize >/dev/null || ! cmake --build --preset sanitize --target fuzzers; then
    echo "fuzz.sh: the harnesses did not build - FAILED"
    exit 1
fi

fuzz_dir=build-sanitize/fuzz
if (($# > 0)); then
    harnesses=("$@")
else
    mapfile -t harnesses <"$fuzz_dir/harnesses.txt"
fi
mkdir -p "$fuzz_dir/artifacts" "$fuzz_dir/logs"

# The files the harnesses write for their readers, in memory where possible.
scratch_base=/dev/shm
[[ -d $scratch_base ]] || scratch_base=${TMPDIR:-/tmp}
SKYLOOM_FUZZ_SCRATCH=$(mktemp -d "$scratch_base/skyloom-fuzz.XXXXXX") || exit 1
export SKYLOOM_FUZZ_SCRATCH
trap 'rm -rf "$SKYLOOM_FUZZ_SCRATCH"' EXIT

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

failed=()
printf '%-20s %12s %8s  %s\n' harness executions corpus result
for name in "${harnesses[@]}"; do
    corpus=$fuzz_dir/corpus/$name
    log=$fuzz_dir/logs/$name.log
    mkdir -p "$corpus"
    "$fuzz_dir/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$fuzz_dir/artifacts/$name-" \
        "$corpus" "tests/fuzz/corpus/$name" >"$log" 2>&1
    status=$?
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    units=$(find "$corpus" -type f | wc -l)
    if ((status == 0)); then
        result=ok
    else
        result="FAILED (exit $status, see $log)"
        failed+=("$name")
    fi
    printf '%-20s %12s %8s  %s\n' "$name" "${executions:-?}" "$units" "$result"
done

if ((${#failed[@]} > 0)); then
    for name in "${failed[@]}"; do
        echo
        echo "==== fuzz.sh: the end of $fuzz_dir/logs/$name.log"
        tail -n 40 "$fuzz_dir/logs/$name.log"
    done
    echo "fuzz.sh: FAILED: ${failed[*]}"
    exit 1
fi
echo "fuzz.sh: ${#harnesses[@]} harnesses, $seconds s each - all passed"
