#!/usr/bin/env bash
# Starts the desktop program once on the X server of DISPLAY and prints two
# numbers: the milliseconds from its start until its main window is visible,
# and the proportional set size (PSS, kB) of the program and all its child
# processes (the web engine's helpers) three seconds later. Used by
# scripts/benchmark.sh under xvfb-run.
#
#   scripts/benchmark-window.sh SKYLOOM PROGRAM_FOLDER
set -euo pipefail
[[ $# -eq 2 ]] || { echo "usage: $0 SKYLOOM PROGRAM_FOLDER" >&2; exit 2; }
skyloom=$1 program=$2

runtime=$(mktemp -d "${TMPDIR:-/tmp}/skyloom-window.XXXXXX")
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb
# As root the web engine cannot use its sandbox; there is no GPU here.
export QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu

# The process and its descendants, parents first.
process_tree() {
    echo "$1"
    local child
    for child in $(pgrep -P "$1" || true); do
        process_tree "$child"
    done
}

start=$(date +%s%N)
"$skyloom" --program-folder "$program" >"$runtime/skyloom.log" 2>&1 &
pid=$!
stop() {
    local p
    for p in $(process_tree "$pid" | tac); do
        kill "$p" 2>/dev/null || true
    done
    wait "$pid" 2>/dev/null || true
    rm -rf "$runtime"
}
trap stop EXIT

# The main window's title starts with the product name.
until xdotool search --onlyvisible --pid "$pid" --name '^Skyloom' >/dev/null 2>&1; do
    if ! kill -0 "$pid" 2>/dev/null || (($(date +%s%N) - start > 60000000000)); then
        echo "benchmark-window: no main window; the program said:" >&2
        cat "$runtime/skyloom.log" >&2
        exit 1
    fi
    sleep 0.01
done
shown=$(date +%s%N)

sleep 3
pss=0
for p in $(process_tree "$pid"); do
    kb=$(awk '/^Pss:/ {print $2}' "/proc/$p/smaps_rollup" 2>/dev/null || true)
    pss=$((pss + ${kb:-0}))
done
echo "$(((shown - start) / 1000000)) $pss"
