#!/usr/bin/env bash
# Builds Skyloom with warnings as errors and runs every check: the formatting
# of the C++ files, the includes against the layering of the folders, the
# Linux build, the whole test suite (core tests and the desktop program's
# window tests, which run without a display), the Debian package made from
# that build, installed on this machine, used and removed again, the core
# tests once more under the sanitizers, a short run of every fuzz harness, the
# window tests once more in a build without Qt WebEngine, and the Windows
# cross build with its tests and its archive under Wine. Every stage runs even
# when an earlier one failed (unless it needs that one's result); the last
# line sums up every stage, and the exit status is non-zero if any failed.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

if ! scripts/bootstrap.sh; then
    echo "test.sh: packages FAILED - nothing was built or tested"
    exit 1
fi

# The window tests start Qt without a display (each test sets
# QT_QPA_PLATFORM=offscreen itself). Qt wants a private runtime folder, and
# the web engine cannot use its sandbox as root.
runtime_dir=$(mktemp -d /tmp/skyloom-test-runtime.XXXXXX)
chmod 700 "$runtime_dir"
trap 'rm -rf "$runtime_dir"' EXIT
export XDG_RUNTIME_DIR=$runtime_dir
export QTWEBENGINE_DISABLE_SANDBOX=1

summary=()
failed=()
record() {
    local stage=$1 result=$2
    summary+=("$stage $result")
    if [[ $result == FAILED* ]]; then
        failed+=("$stage")
    fi
}
# "(120 passed)" or "(118 passed, 2 failed)" from ctest's closing line
# "98% tests passed, 2 tests failed out of 120" in the log.
ctest_counts() {
    local counts failed_tests all_tests detail
    counts=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" |
        tail -n 1 | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1 \2/')
    if [[ -z "$counts" ]]; then
        echo "(no test count)"
        return
    fi
    read -r failed_tests all_tests <<<"$counts"
    detail="($((all_tests - failed_tests)) passed"
    if ((failed_tests > 0)); then detail+=", $failed_tests failed"; fi
    echo "$detail)"
}
banner() {
    echo
    echo "==== test.sh: $1"
}

banner "format"
if scripts/check-format.sh; then record format ok; else record format FAILED; fi

banner "includes"
if scripts/check-includes.sh; then record includes ok; else record includes FAILED; fi

banner "configure"
if cmake --preset default; then
    record configure ok

    banner "build"
    if cmake --build --preset default; then
        record build ok

        banner "tests"
        ctest_log=$(mktemp /tmp/skyloom-ctest.XXXXXX)
        ctest --preset default 2>&1 | tee "$ctest_log"
        ctest_status=${PIPESTATUS[0]}
        detail=$(ctest_counts "$ctest_log")
        rm -f "$ctest_log"
        if [[ $ctest_status -eq 0 ]]; then
            record tests "ok $detail"
        else
            record tests "FAILED $detail"
        fi

        # The Debian package from the same build folder: built, checked with
        # lintian, installed with apt-get into this machine (the CI's machine
        # is thrown away after the run), used as a normal user, purged.
        banner "package"
        if scripts/package-check.sh; then record package ok; else record package FAILED; fi
    else
        record build FAILED
        record tests skipped
        record package skipped
    fi
else
    record configure FAILED
    record build skipped
    record tests skipped
    record package skipped
fi

# The core, skyloom-cli and their tests once more, built with clang under
# AddressSanitizer and UndefinedBehaviorSanitizer: a leak, undefined behaviour
# or an access out of range fails its test.
banner "sanitizers"
sanitize_log=$(mktemp /tmp/skyloom-ctest.XXXXXX)
if cmake --preset sanitize && cmake --build --preset sanitize; then
    ctest --preset sanitize 2>&1 | tee "$sanitize_log"
    sanitize_status=${PIPESTATUS[0]}
    sanitize_detail=$(ctest_counts "$sanitize_log")
    if [[ $sanitize_status -eq 0 ]]; then
        record sanitizers "ok $sanitize_detail"
    else
        record sanitizers "FAILED $sanitize_detail"
    fi
else
    record sanitizers FAILED
fi
rm -f "$sanitize_log"

# Every reader of outside text fed by libFuzzer for a few seconds each, in
# the sanitizer build.
banner "fuzzing"
if scripts/fuzz.sh; then record fuzzing ok; else record fuzzing FAILED; fi

# The desktop program built without Qt WebEngine, as some builders and
# distributions make it: its window tests with the text browser pane.
banner "text pane"
text_pane_log=$(mktemp /tmp/skyloom-ctest.XXXXXX)
if cmake --preset text-pane && cmake --build --preset text-pane; then
    ctest --preset text-pane 2>&1 | tee "$text_pane_log"
    text_pane_status=${PIPESTATUS[0]}
    text_pane_detail=$(ctest_counts "$text_pane_log")
    if [[ $text_pane_status -eq 0 ]]; then
        record "text-pane windows" "ok $text_pane_detail"
    else
        record "text-pane windows" "FAILED $text_pane_detail"
    fi
else
    record "text-pane windows" FAILED
fi
rm -f "$text_pane_log"

# The Windows build: cross-built core and batch command, tested under Wine,
# and compared with the Linux batch command.
banner "windows"
if scripts/windows-check.sh; then record windows ok; else record windows FAILED; fi

line=$(printf '%s, ' "${summary[@]}")
line=${line%, }
echo
if ((${#failed[@]} == 0)); then
    echo "test.sh: $line - all passed"
else
    echo "test.sh: $line - FAILED: ${failed[*]}"
    exit 1
fi
