#!/usr/bin/env bash
# End-to-end run of skyloom-cli on the bundled sample navigation database:
# Frankfurt to New York across the North Atlantic, once per aircraft, saving
# the FMC file and the FS9 plan. Every written file must equal the committed
# file in tests/data/sample/expected byte for byte (those files were derived
# by hand from the file layouts). Usage: sample_route_test.sh SKYLOOM_CLI SOURCE_DIR
set -uo pipefail
[ $# -eq 2 ] || { echo "usage: $0 SKYLOOM_CLI SOURCE_DIR" >&2; exit 2; }
cli=$1 source_dir=$2
expected="$source_dir/tests/data/sample/expected"
route="EDDF KRL UL610 TALYO UL975 ORLIK NATA LOMSI Q812 HLF J60 DEP KJFK"
distance=$(tr -d '\r\n' <"$expected/distance.txt")

work=$(mktemp -d "${TMPDIR:-/tmp}/skyloom-sample.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT
program="$work/program" plans="$work/plans"
mkdir -p "$program" "$plans"/{pmdg,ivap,fs,leveld,pss}
printf '%s\r\n' "$source_dir/data/navdata-sample/" "$plans/pmdg/" "$plans/ivap/" "$plans/fs/" \
    "$plans/leveld/" "$plans/pss/" >"$program/path.ini"
printf '1\r\n' >"$program/check.ini"  # AC.ini is missing: the command line names the aircraft
cp "$source_dir"/data/program/{B737NG.dat,B747PMDG.dat,LevelD767.dat,PSS777.dat,AC.dat} \
    "$program/" || exit 1

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# compare WRITTEN EXPECTED: byte for byte, with the first differing lines shown
compare() {
    cmp "$1" "$2" && return
    fail "$1 differs from $2"
    diff <(tr -d '\r' <"$2") <(tr -d '\r' <"$1") | head -20 >&2
}

run_case() {
    local aircraft=$1 fmc_written=$2 fmc_expected=$3 out="$work/stdout-$1"
    rm -f "$plans"/*/*
    "$cli" --program-folder "$program" --aircraft "$aircraft" --cruise 35000 \
        --save EDDF-KJFK "$route" >"$out" 2>"$work/stderr" </dev/null ||
        { fail "$aircraft: exit status $?"; cat "$work/stderr" >&2; }
    grep -qxF "Distance: $distance nm" "$out" || fail "$aircraft: no 'Distance: $distance nm'"
    compare "$plans/$fmc_written" "$expected/$fmc_expected"
    compare "$plans/fs/EDDF-KJFK.pln" "$expected/EDDF-KJFK.pln"
}

run_case 737 pmdg/737-EDDF-KJFK.rte 737-EDDF-KJFK.rte
run_case 747 pmdg/747-EDDF-KJFK.rte 747-EDDF-KJFK.rte
run_case 767 leveld/EDDF-KJFK.rte leveld-EDDF-KJFK.rte
run_case 777 pss/EDDF-KJFK.b2r EDDF-KJFK.b2r

[ $failures -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "all four aircraft: FMC files, FS9 plan and distance as expected"
