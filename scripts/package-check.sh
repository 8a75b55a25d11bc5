#!/usr/bin/env bash
# Builds the Debian package from the normal build (scripts/package.sh), checks
# it with lintian and appstreamcli, installs it on this machine with apt-get,
# and then checks it as a pilot would use it, as the unprivileged user
# "nobody" with a throw-away home folder:
#   - skyloom-cli calculates the sample flight on the installed sample
#     database and writes the expected files into the program folder its first
#     start made in ~/.local/share/skyloom;
#   - skyloom starts offscreen and makes its program folder in
#     $XDG_DATA_HOME/skyloom;
# and finally that the package is purged without leaving a file behind.
# It installs into the running system, so run it as root on a machine where
# that is fine (the CI's throw-away machine). Exits non-zero on any failure.
#   scripts/package-check.sh
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
source_dir=$(pwd)

failures=0
fail() {
    echo "package-check: FAILED: $*" >&2
    failures=$((failures + 1))
}

package=$(scripts/package.sh | tail -n 1)
if [[ ! -f "$package" ]]; then
    echo "package-check: FAILED: no package was built" >&2
    exit 1
fi
echo "package-check: $package"

work=$(mktemp -d /tmp/skyloom-package-check.XXXXXX)
chmod 755 "$work"
trap 'rm -rf "$work"' EXIT

# Errors fail, warnings are shown (lintian also warns that it runs as root).
lintian --fail-on error "$package" >"$work/lintian" 2>&1
lintian_status=$?
grep -v 'running with root privileges' "$work/lintian"
((lintian_status == 0)) || fail "lintian reports errors"
appstreamcli validate --no-net build/data/desktop/org.skyloom.Skyloom.metainfo.xml ||
    fail "appstreamcli rejects the AppStream metadata"

export DEBIAN_FRONTEND=noninteractive
if dpkg-query -W skyloom >/dev/null 2>&1; then
    apt-get purge -y -q skyloom >/dev/null  # left over from an interrupted run
fi
# The test machine has the Qt platform plugins already; the package only
# recommends them (through Qt), which a pilot's apt-get installs too.
if ! apt-get install -y -q --no-install-recommends "./$package" >/dev/null; then
    echo "package-check: FAILED: apt-get could not install $package" >&2
    exit 1
fi
packaged_files=$(dpkg-deb -c "$package" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }')

# Runs a command as "nobody" in a clean environment with HOME=$1.
as_pilot() {
    local home=$1
    shift
    setpriv --reuid=nobody --regid=nogroup --clear-groups -- \
        env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8 "$@"
}
new_home() {
    mkdir -p "$work/$1"
    chown nobody:nogroup "$work/$1"
    echo "$work/$1"
}

# skyloom-cli, first start: the folder in ~/.local/share, then the sample flight.
home=$(new_home cli)
expected=$source_dir/tests/data/sample/expected
route="EDDF KRL UL610 TALYO UL975 ORLIK NATA LOMSI Q812 HLF J60 DEP KJFK"
if as_pilot "$home" skyloom-cli --aircraft 747 --cruise 35000 --save EDDF-KJFK "$route" \
    >"$work/cli.out" 2>"$work/cli.err" </dev/null; then
    program=$home/.local/share/skyloom
    cmp "$program/AC.dat" /usr/share/skyloom/AC.dat || fail "AC.dat was not copied"
    cmp "$program/plans/pmdg/747-EDDF-KJFK.rte" "$expected/747-EDDF-KJFK.rte" ||
        fail "the 747's route file differs from the expected one"
    cmp "$program/plans/fs/EDDF-KJFK.pln" "$expected/EDDF-KJFK.pln" ||
        fail "the FS9 plan differs from the expected one"
else
    fail "skyloom-cli stopped with status $?"
    cat "$work/cli.out" "$work/cli.err" >&2
fi

# skyloom offscreen: it must make its program folder and keep running (it
# waits for the route-finder address that a first start asks for).
home=$(new_home desktop)
runtime=$(new_home runtime)
chmod 700 "$runtime"
program=$home/data/skyloom
# setpriv, env and timeout replace each other, so $! is timeout's process.
setpriv --reuid=nobody --regid=nogroup --clear-groups -- \
    env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8 XDG_DATA_HOME="$home/data" \
    XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 \
    timeout 60 skyloom >"$work/desktop.log" 2>&1 &
desktop=$!
for ((i = 0; i < 100; i++)); do
    [[ -f "$program/path.ini" ]] && break
    sleep 0.2
done
sleep 2
if kill -0 "$desktop" 2>/dev/null; then
    kill "$desktop"
else
    fail "skyloom ended by itself"
    cat "$work/desktop.log" >&2
fi
wait "$desktop" 2>/dev/null
for file in path.ini AC.dat B747PMDG.dat documentation/Skyloom.htm map/ne_110m_land.geojson; do
    [[ -f "$program/$file" ]] || fail "skyloom made no $program/$file"
done
[[ -d "$program/plans/pss" ]] || fail "skyloom made no plans/pss folder"
[[ "$(stat -c %U "$program")" == nobody ]] || fail "the program folder does not belong to its user"

# Removed cleanly: no file of the package left, nor its data folder.
apt-get purge -y -q skyloom >/dev/null || fail "apt-get could not purge skyloom"
if dpkg-query -W -f='${db:Status-Status}' skyloom 2>/dev/null | grep -qv not-installed; then
    fail "skyloom is still known to dpkg"
fi
while IFS= read -r file; do
    [[ ! -e "$file" ]] || fail "$file is left after the purge"
done <<<"$packaged_files"
[[ ! -e /usr/share/skyloom ]] || fail "/usr/share/skyloom is left after the purge"

if ((failures > 0)); then
    echo "package-check: $failures failed" >&2
    exit 1
fi
echo "package-check: built, installed, used and removed $package"
