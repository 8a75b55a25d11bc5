#!/usr/bin/env bash
# Runs a Windows executable of the cross build under Wine, in a private Wine
# prefix, without a display and without the Gecko/Mono install prompts.
#   wine-run.sh PREFIX PROGRAM.exe [ARGUMENTS...]
# The prefix is created on first use (that takes a while once); a lock keeps
# parallel test runs from creating it twice.
set -euo pipefail

if (($# < 2)); then
    echo "usage: wine-run.sh PREFIX PROGRAM.exe [ARGUMENTS...]" >&2
    exit 2
fi
prefix=$(realpath -m "$1")
shift

export WINEPREFIX=$prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=
# Wine maps Unix file names and arguments to Unicode through the locale; in
# the C locale every letter outside ASCII would be lost.
export LC_ALL=C.UTF-8
unset WAYLAND_DISPLAY

# The 64-bit loader directly: the "wine" wrapper would look for a 32-bit one.
if command -v wine64 >/dev/null 2>&1; then
    wine=wine64
elif [[ -x /usr/lib/wine/wine64 ]]; then
    wine=/usr/lib/wine/wine64
else
    wine=wine
fi
if [[ "$wine" == /* ]]; then
    export WINELOADER=$wine  # what Wine starts its own helper programs with
fi

ready="$prefix/.skyloom-ready"
if [[ ! -f "$ready" ]]; then
    mkdir -p "$(dirname "$prefix")"
    (
        flock 9
        if [[ ! -f "$ready" ]]; then
            if "$wine" wineboot --init >"$prefix.log" 2>&1; then
                touch "$ready"
            fi
        fi
    ) 9>"$prefix.lock"
    if [[ ! -f "$ready" ]]; then
        echo "wine-run.sh: could not set up the Wine prefix $prefix (see $prefix.log)" >&2
        exit 1
    fi
fi

# A Windows program writes CR LF to its standard output; the test list that
# gtest_discover_tests reads must have plain line ends.
for argument in "$@"; do
    if [[ "$argument" == --gtest_list_tests ]]; then
        "$wine" "$@" | tr -d '\r'
        exit "${PIPESTATUS[0]}"
    fi
done
exec "$wine" "$@"
