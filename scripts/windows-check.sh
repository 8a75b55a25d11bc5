#!/usr/bin/env bash
# Cross-builds Skyloom for 64-bit Windows with MinGW-w64, runs the core tests
# under Wine, makes the Windows archive (scripts/windows-archive.sh) and then
# checks that skyloom-cli.exe from the unpacked archive under Wine, set up as a
# Windows user sets it up (path.ini with "Z:\...\" folders, the archive's
# sample database, the program folder found through the executable), writes
# exactly the same route files as the Linux skyloom-cli does for the same
# routes. Exits non-zero on any failure or difference.
#
#   scripts/windows-check.sh
#
# SKYLOOM_LINUX_BUILD names the Linux build folder that provides the reference
# skyloom-cli (default: build, the "default" preset's folder).
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$(pwd)

scripts/bootstrap.sh --windows

cmake --preset windows
cmake --build --preset windows

win_build=$source_dir/build-win
wine_run=("$source_dir/cmake/wine-run.sh" "$win_build/wine-prefix")

# The first start of Wine creates its prefix; do it once before the tests.
echo "Starting Wine (the first start sets up $win_build/wine-prefix)..."
"${wine_run[@]}" "$win_build/bin/skyloom-cli.exe" --version

ctest --preset windows

archive=$(scripts/windows-archive.sh | tail -n 1)

# The Linux reference skyloom-cli.
linux_build=$(realpath -m "${SKYLOOM_LINUX_BUILD:-build}")
if [[ ! -f "$linux_build/CMakeCache.txt" ]]; then
    if [[ "$linux_build" == "$source_dir/build" ]]; then
        cmake --preset default
    else
        cmake -S "$source_dir" -B "$linux_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DSKYLOOM_WERROR=ON
    fi
fi
cmake --build "$linux_build" --target skyloom-cli

# Two installations side by side: the Linux one names its folders with '/',
# the Windows one with "Z:\" paths (Wine maps the Linux root to drive Z:).
# The output folders have a name outside ASCII, so path.ini (Windows-1252)
# and the file names on disk are checked on the way too.
work=$win_build/cli-check
rm -rf "$work"
plans="Flugpl\xC3\xA4ne"  # "Flugpläne" in UTF-8, as the Linux file system holds it
plans=$(printf "$plans")
linux_program=$work/linux/Skyloom
mkdir -p "$linux_program" "$work/windows"
# The Windows program folder is the unpacked archive, checked against its own
# checksums first.
unzip -q "$archive" -d "$work/windows"
windows_program=$work/windows/$(basename "$archive" .zip)
(cd "$windows_program" && sha256sum --quiet -c SHA256SUMS.txt)
for side in linux windows; do
    for folder in pmdg ivap fs leveld pss; do
        mkdir -p "$work/$side/$plans/$folder"
    done
done
cp "$source_dir"/data/program/* "$linux_program/"

windows_path() {
    local path=$1
    printf 'Z:%s' "${path//\//\\}"
}

# path.ini: six folder lines ending with the separator, CR LF, Windows-1252.
write_path_ini() {
    local side=$1 file=$2 navdata=$3
    local -a lines=("$navdata")
    for folder in pmdg ivap fs leveld pss; do
        lines+=("$work/$side/$plans/$folder/")
    done
    : >"$file.utf8"
    for line in "${lines[@]}"; do
        if [[ "$side" == windows ]]; then
            line=$(windows_path "$line")
        fi
        printf '%s\r\n' "$line" >>"$file.utf8"
    done
    iconv -f UTF-8 -t WINDOWS-1252 "$file.utf8" >"$file"
    rm "$file.utf8"
}
write_path_ini linux "$linux_program/path.ini" "$source_dir/data/navdata-sample/"
write_path_ini windows "$windows_program/path.ini" "$windows_program/navdata-sample/"
printf '1\r\n' >"$linux_program/check.ini"
printf '1\r\n' >"$windows_program/check.ini"

passed=0
failed=0
fail() {
    echo "windows-check: FAILED: $*" >&2
    failed=$((failed + 1))
}

# Runs one route on both sides and compares exit status and report. The
# reports differ only in the "Wrote" lines (paths) and the Windows line ends.
run=0
compare_run() {
    run=$((run + 1))
    local linux_status=0 windows_status=0
    "$linux_build/bin/skyloom-cli" --program-folder "$linux_program" "$@" \
        >"$work/run$run.linux.out" 2>"$work/run$run.linux.err" || linux_status=$?
    # No --program-folder: the Windows program finds its folder itself.
    "${wine_run[@]}" "$windows_program/skyloom-cli.exe" "$@" \
        >"$work/run$run.windows.out" 2>"$work/run$run.windows.err" || windows_status=$?
    if [[ $linux_status -ne $windows_status || ! $linux_status =~ ^[03]$ ]]; then
        fail "run $run ($*): exit status $linux_status on Linux, $windows_status on Windows"
        cat "$work/run$run.windows.err" >&2
        return
    fi
    local side
    for side in linux windows; do
        tr -d '\r' <"$work/run$run.$side.out" | grep -v '^Wrote ' >"$work/run$run.$side.report" || true
    done
    if cmp -s "$work/run$run.linux.report" "$work/run$run.windows.report"; then
        passed=$((passed + 1))
    else
        fail "run $run ($*): the reports differ"
        diff "$work/run$run.linux.report" "$work/run$run.windows.report" >&2 || true
    fi
}

frankfurt_new_york="EDDF KRL UL610 TALYO UL975 ORLIK NATA LOMSI Q812 HLF J60 DEP KJFK"
for aircraft in 737 747 767 777; do
    compare_run --aircraft "$aircraft" --cruise 35000 --save "EDDF-KJFK-$aircraft" \
        $frankfurt_new_york
done
# A waypoint choice answered from the command line, and a name outside ASCII.
compare_run --aircraft 777 --choose 2 --save "Br$(printf '\xC3\xBC')ssel-Z$(printf '\xC3\xBC')rich" \
    EBBR HEVRO UP6 DINAN KOPAS METZO UP6 BASLO LSZH
# Airways flown against their file order, another cruise level.
compare_run --aircraft 767 --cruise 33000 --save LSZH-LOWW \
    LSZH RIKON UZ29 KEMOT UT180 LANZO UN850 VEXIT LOWW

# Every file written, byte for byte.
expected_files=12  # 4 FMC files and 4 plans, then 2 and 2
linux_files=$(cd "$work/linux/$plans" && find . -type f | LC_ALL=C sort)
windows_files=$(cd "$work/windows/$plans" && find . -type f | LC_ALL=C sort)
if [[ "$linux_files" != "$windows_files" ]]; then
    fail "the two sides wrote different files"
    diff <(echo "$linux_files") <(echo "$windows_files") >&2 || true
fi
count=$(echo "$linux_files" | grep -c . || true)
if [[ $count -ne $expected_files ]]; then
    fail "expected $expected_files files, the Linux side wrote $count"
fi
while IFS= read -r file; do
    [[ -n "$file" ]] || continue
    linux_file=$work/linux/$plans/$file
    windows_file=$work/windows/$plans/$file
    if [[ ! -s "$linux_file" ]]; then
        fail "$file is empty"
    elif [[ "$(tail -c 2 "$linux_file" | od -An -c | tr -d ' ')" != '\r\n' ]]; then
        fail "$file does not end with CR LF"
    elif cmp "$linux_file" "$windows_file"; then
        passed=$((passed + 1))
    else
        fail "$file differs between Linux and Windows"
    fi
done <<<"$linux_files"

# The Windows files of the Frankfurt - New York runs are also the files the
# sample test of the Linux build expects (written independently of the program).
expected=$source_dir/tests/data/sample/expected
if [[ -d "$expected" ]]; then
    windows_plans=$work/windows/$plans
    while read -r written wanted; do
        if cmp "$windows_plans/$written" "$expected/$wanted"; then
            passed=$((passed + 1))
        else
            fail "$written differs from the expected $wanted"
        fi
    done <<EOF
pmdg/737-EDDF-KJFK-737.rte 737-EDDF-KJFK.rte
pmdg/747-EDDF-KJFK-747.rte 747-EDDF-KJFK.rte
leveld/EDDF-KJFK-767.rte leveld-EDDF-KJFK.rte
pss/EDDF-KJFK-777.b2r EDDF-KJFK.b2r
fs/EDDF-KJFK-737.pln EDDF-KJFK.pln
fs/EDDF-KJFK-777.pln EDDF-KJFK.pln
EOF
fi

# Leave no Wine server of this prefix behind.
WINEPREFIX=$win_build/wine-prefix wineserver -k 2>/dev/null || true

echo "windows-check: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
