#!/usr/bin/env bash
# Skyloom on the bundled sample data: installs what is missing, builds
# everything, prepares a demo program folder in demo/ (settings files pointing
# at the sample navigation database, one output folder per kind of plan), and
#   - with a display ($DISPLAY or $WAYLAND_DISPLAY set), opens the desktop
#     program on that folder;
#   - without one (or with --tour), calculates a Frankfurt to New York route
#     across the North Atlantic with the batch command for each of the four
#     aircraft, saving the FMC files and the FS9 plan, and says how to open
#     the window.
#   scripts/demo.sh [--tour]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

tour_only=false
if [[ "${1:-}" == "--tour" ]]; then
    tour_only=true
elif [[ $# -gt 0 ]]; then
    echo "usage: scripts/demo.sh [--tour]" >&2
    exit 2
fi

scripts/bootstrap.sh

# Configure and build with the output in a log and the progress on the terminal.
# shellcheck source=scripts/progress.sh
source scripts/progress.sh
log=$root/build/logs/demo-build.log
: >"$log"
run_logged() {
    local title=$1 counter=$2
    shift 2
    if ! run_with_progress demo "$title" "$log" "$counter" "$@"; then
        echo "demo: FAILED: $title; the end of $log:" >&2
        tail -n 30 "$log" >&2
        exit 1
    fi
}
run_logged "configuring (log: $log)" progress_count_none cmake --preset default
run_logged "building" progress_count_ninja cmake --build --preset default

demo=$root/demo
scripts/prepare-demo.sh "$demo"
echo "demo: the program folder $demo is ready"

route="EDDF KRL UL610 TALYO UL975 ORLIK NATA LOMSI Q812 HLF J60 DEP KJFK"

if ! $tour_only && [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" && -x build/bin/skyloom ]]; then
    echo "demo: opening the desktop program; type or paste this route into the field"
    echo "      below the browser pane and press \"Calculate\":"
    echo "      $route"
    exec build/bin/skyloom --program-folder "$demo"
fi

cli=(build/bin/skyloom-cli --program-folder "$demo" --cruise 35000 --save EDDF-KJFK)

echo
echo "== PMDG 747, Frankfurt to New York at FL350:"
echo "   skyloom-cli --aircraft 747 --cruise 35000 --save EDDF-KJFK $route"
echo "   The listing shows every point of the expanded airways with its position,"
echo "   then distance, flight time, fuel (litres, tonnes, share of the tanks) and"
echo "   the runways at the destination."
echo
"${cli[@]}" --aircraft 747 "$route"

# The other three without the listing and the runways.
for aircraft in 777 767 737; do
    case $aircraft in
        777) name="PSS 777" ;;
        767) name="LevelD 767" ;;
        737) name="PMDG 737NG" ;;
    esac
    echo
    echo "== $name, the same route:"
    if [[ $aircraft == 737 ]]; then
        echo "   The 737NG's tanks hold less than this crossing needs (the share of the"
        echo "   tanks comes out above 100 %), so the program first warns"
        echo "   \"Attention! Fuel-Capacity too low for this flight!\"; the files are"
        echo "   written all the same."
    fi
    "${cli[@]}" --aircraft "$aircraft" "$route" 2>&1 | grep -Ev $'\t[NS] [0-9]|^RWy |^Runways at '
done

echo
echo "The files are in $demo/plans."
echo "The desktop program needs a display. On a desktop, run scripts/demo.sh again"
echo "or: build/bin/skyloom --program-folder demo"
echo "Without a display, scripts/screenshot.sh shows it at work: it runs the window"
echo "under a virtual X server (xvfb-run) and saves docs/images/main-window.png."
