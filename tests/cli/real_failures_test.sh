#!/usr/bin/env bash
# skyloom-cli meeting the failures a pilot's machine has, as a user who is not
# root meets them (run as root, the test drops to "nobody" first, since root
# writes into read-only folders): a read-only output folder, an output folder
# removed after it was set, a full device, and a disk that fills up half-way
# through a file. Every case must stop with status 1 and a message naming the
# file, and leave every file that was there before as it was. The core tests
# of navigation files replaced while the program runs are run here as well,
# so that a file the user may not read is one.
# Usage: real_failures_test.sh SKYLOOM_CLI SOURCE_DIR CORE_TESTS
set -uo pipefail
[ $# -eq 3 ] || { echo "usage: $0 SKYLOOM_CLI SOURCE_DIR CORE_TESTS" >&2; exit 2; }
cli=$1 source_dir=$2 core_tests=$3

# As root, the programs, this script and the data they read are copied where
# "nobody" can reach them (a checkout under /root is closed to other users),
# and the test runs there as "nobody".
if [[ $(id -u) -eq 0 ]]; then
    stage=$(mktemp -d /tmp/skyloom-failures-stage.XXXXXX) || exit 1
    mkdir -p "$stage/source/data" &&
        cp "$0" "$stage/real_failures_test.sh" && cp "$cli" "$stage/skyloom-cli" &&
        cp "$core_tests" "$stage/core_tests" && cp -r "$source_dir/tests/data" "$stage/test-data" &&
        cp -r "$source_dir/data/navdata-sample" "$source_dir/data/program" "$stage/source/data/" &&
        chmod -R a+rX "$stage" || { rm -rf "$stage"; exit 1; }
    setpriv --reuid=nobody --regid=nogroup --clear-groups -- env SKYLOOM_TEST_DATA="$stage/test-data" \
        bash "$stage/real_failures_test.sh" "$stage/skyloom-cli" "$stage/source" "$stage/core_tests"
    status=$?
    rm -rf "$stage"
    exit $status
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/skyloom-failures.XXXXXX") || exit 1
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
program="$work/program" plans="$work/plans"
mkdir -p "$program" "$plans"/{pmdg,ivap,fs,leveld,pss}
printf '%s\r\n' "$source_dir/data/navdata-sample/" "$plans/pmdg/" "$plans/ivap/" "$plans/fs/" \
    "$plans/leveld/" "$plans/pss/" >"$program/path.ini"
printf '1\r\n' >"$program/check.ini"
cp "$source_dir"/data/program/{B737NG.dat,B747PMDG.dat,LevelD767.dat,PSS777.dat,AC.dat} \
    "$program/" || exit 1
route="EDDF KRL UL610 TALYO UL975 ORLIK NATA LOMSI Q812 HLF J60 DEP KJFK"
printf "the pilot's older plan\r\n" >"$work/old"

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# run CASE MESSAGE ARGUMENTS...: skyloom-cli must stop with status 1 and say MESSAGE.
run() {
    local case=$1 message=$2
    shift 2
    "$cli" --program-folder "$program" --aircraft 737 "$@" "$route" \
        >/dev/null 2>"$work/stderr" </dev/null
    local status=$?
    [[ $status -eq 1 ]] || fail "$case: exit status $status, not 1"
    grep -qF -- "$message" "$work/stderr" ||
        { fail "$case: no \"$message\""; cat "$work/stderr" >&2; }
    if grep -q 'AddressSanitizer\|runtime error' "$work/stderr"; then
        fail "$case: sanitizer report"
    fi
}
# kept FILE: the older file is still there, byte for byte, and nothing lies beside it.
kept() {
    cmp -s "$1" "$work/old" || fail "$1 was changed"
    [[ ! -e "$1.skyloom-tmp" ]] || fail "$1.skyloom-tmp was left behind"
}

# A read-only plan folder holding an older plan of the same name.
cp "$work/old" "$plans/pmdg/737-EDDF-KJFK.rte"
chmod a-w "$plans/pmdg"
run "read-only folder" "The file '$plans/pmdg/737-EDDF-KJFK.rte' could not be created." \
    --save EDDF-KJFK
kept "$plans/pmdg/737-EDDF-KJFK.rte"
chmod u+w "$plans/pmdg"

# A read-only folder for the saved flight.
mkdir "$work/flights"
cp "$work/old" "$work/flights/tour.fp"
chmod a-w "$work/flights"
run "read-only flights folder" "The file '$work/flights/tour.fp' could not be created." \
    --save-flight "$work/flights/tour.fp"
kept "$work/flights/tour.fp"

# The FS plan folder of path.ini removed after the paths were set: the FMC file
# before it is written, the plan is not.
rmdir "$plans/fs"
run "removed folder" "The file '$plans/fs/EDDF-KJFK.pln' could not be created: its folder" \
    --save EDDF-KJFK
grep -qF "Wrong Path To FS-Flightplans!" "$work/stderr" || fail "removed folder: not told at start"
[[ ! -e "$plans/fs" ]] || fail "the removed folder was made again"
run "removed folder of a saved flight" "The file '$work/gone/tour.fp' could not be created." \
    --save-flight "$work/gone/tour.fp"
mkdir "$plans/fs"

# A full device: the bytes go into it and fail there; the device stays.
run "full device" "The file '/dev/full' could not be written completely." --save-flight /dev/full
[[ -c /dev/full ]] || fail "/dev/full is no longer a device"
run "full device (X-Plane plan)" "The file '/dev/full' could not be written completely." \
    --xplane-fms /dev/full

# A disk that fills up half-way through the FMC file (a file size limit of 2 kB:
# the file has about 4.6 kB), over an older plan of the same name.
cp "$work/old" "$plans/pmdg/737-EDDF-KJFK.rte"
trap '' XFSZ
(
    failures=0
    ulimit -f 2
    run "disk full half-way" "The file '$plans/pmdg/737-EDDF-KJFK.rte' could not be written completely." \
        --save EDDF-KJFK
    exit "$failures"
) || failures=$((failures + $?))
trap - XFSZ
kept "$plans/pmdg/737-EDDF-KJFK.rte"

# Navigation files replaced between two calculations of one session.
"$core_tests" --gtest_filter='NavigationFilesReplaced.*' >"$work/gtest" 2>&1 ||
    { fail "NavigationFilesReplaced"; cat "$work/gtest" >&2; }
grep -q '\[  PASSED  \] 2 tests' "$work/gtest" ||
    fail "NavigationFilesReplaced did not run both its tests as $(id -un)"

[ $failures -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "every failure named its file and kept what was there (as $(id -un))"
