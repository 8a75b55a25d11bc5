#!/usr/bin/env bash
# Makes the README's pictures from the real desktop program: builds skyloom,
# prepares a program folder on the sample data, starts the program on a
# virtual X server, types the Frankfurt to New York route into the route
# field, chooses the PMDG 747, presses "Calculate" and saves the main window
# as docs/images/main-window.png; then lets "Route" -> "Find route…" find the
# route from EDDF to KJFK, saves its window as docs/images/find-route.png,
# uses and calculates it, opens the "Map" menu entry and saves the route map
# window as docs/images/route-map.png.
#
#   scripts/screenshot.sh
#
# Needs no display of its own: it runs under xvfb-run (installed by
# scripts/bootstrap.sh). SKYLOOM_BUILD names the build folder that provides
# skyloom (default: build, the "default" preset's folder).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

# Re-run under a virtual X server with a fixed screen, so the pictures do not
# depend on the desktop this is started from.
if [[ -z "${SKYLOOM_SCREENSHOT_XVFB:-}" ]]; then
    scripts/bootstrap.sh
    build=$(realpath -m "${SKYLOOM_BUILD:-build}")
    log=$root/build/logs/screenshot-build.log
    mkdir -p "$(dirname "$log")"
    echo "screenshot: building skyloom (log: $log)"
    {
        if [[ ! -f "$build/CMakeCache.txt" ]]; then
            if [[ "$build" == "$root/build" ]]; then
                cmake --preset default
            else
                cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
            fi
        fi
        cmake --build "$build" --target skyloom
    } >"$log" 2>&1 || {
        echo "screenshot: FAILED to build skyloom; the end of $log:" >&2
        tail -n 30 "$log" >&2
        exit 1
    }
    export SKYLOOM_SCREENSHOT_XVFB=1 SKYLOOM_BUILD=$build
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

build=$SKYLOOM_BUILD
work=$build/screenshot
rm -rf "$work"
mkdir -p "$work/runtime" docs/images
chmod 700 "$work/runtime"
scripts/prepare-demo.sh "$work/program"

export XDG_RUNTIME_DIR=$work/runtime
export QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1
# As root the web engine cannot use its sandbox; there is no GPU here.
export QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu

"$build/bin/skyloom" --program-folder "$work/program" >"$work/skyloom.log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

fail() {
    echo "screenshot: FAILED: $*" >&2
    echo "screenshot: the program's output ($work/skyloom.log):" >&2
    tail -n 20 "$work/skyloom.log" >&2
    exit 1
}

# The program's visible windows (the X root window would match an empty
# name, so search by the window class, which Qt takes from the program name).
program_windows() {
    xdotool search --all --onlyvisible --pid "$pid" --class '^Skyloom$'
}

# The main window's title starts with the product name.
window=$(timeout 30 xdotool search --sync --all --onlyvisible --pid "$pid" --name '^Skyloom' |
    head -n 1) || fail "the main window did not appear"
sleep 3  # the browser pane renders its start page

# The window is its client area (14325 by 10275 twips, 15 twips a pixel)
# below the menu bar; there is no window manager, so no frame.
WIDTH=0 HEIGHT=0
eval "$(xdotool getwindowgeometry --shell "$window")"
menu_height=$((HEIGHT - 10275 / 15))
((menu_height > 0 && menu_height < 60)) || fail "unexpected window size ${WIDTH}x$HEIGHT"

# Clicks the middle of a control given by its place in twips.
click_control() {
    local left=$1 top=$2 width=$3 height=$4
    xdotool mousemove --window "$window" $(((left + width / 2) / 15)) \
        $((menu_height + (top + height / 2) / 15)) click 1
    sleep 0.3
}

xdotool windowfocus --sync "$window"
route="EDDF KRL UL610 TALYO UL975 ORLIK NATA LOMSI Q812 HLF J60 DEP KJFK"
click_control 465 6630 13755 345      # Text1, the route field
xdotool type --delay 20 "$route"
click_control 1245 7170 1185 210      # Option2, PMDG747: it has the range
click_control 6060 7590 1635 405      # Command1, "Calculate"
sleep 2

# A message box at this point would hide what the picture is meant to show.
windows=$(program_windows | grep -vx "$window" || true)
if [[ -n "$windows" ]]; then
    import -window "$(echo "$windows" | head -n 1)" "$work/unexpected-window.png"
    fail "a window other than the main window is open after \"Calculate\"" \
        "(saved as $work/unexpected-window.png)"
fi

# Without the creation times, an unchanged window gives an unchanged file.
capture() {
    import -window "$1" png:- | convert png:- -strip "$2"
    echo "screenshot: wrote $2"
}
capture "$window" docs/images/main-window.png

# The words of the menu bar, one "left right" pair of pixel columns a line:
# "Flights", "Route", "Set Paths", "Help", "Map" (a gap of more than 5 pixels
# parts two words).
import -window "$window" -crop "${WIDTH}x${menu_height}+0+0" "$work/menu-bar.png"
menu_words=$(convert "$work/menu-bar.png" -colorspace gray -threshold 50% -scale "${WIDTH}x1!" \
    -depth 8 txt:- | awk -F'[,:() ]+' 'NR > 1 {
        dark = $3 < 250
        if (dark && !inword) { start = $1; inword = 1 }
        if (dark) last = $1
        if (!dark && inword && $1 - last > 5) { print start, last; inword = 0 }
    }')
click_menu_word() {
    local left right
    read -r left right < <(sed -n "${1}p" <<<"$menu_words")
    xdotool mousemove --window "$window" $(((left + right) / 2)) $((menu_height / 2)) click 1
    sleep 0.5
}

# The program's window that is not the main window, once it shows.
other_window() {
    local found=""
    for _ in $(seq 20); do
        found=$(program_windows | grep -vx "$window" | head -n 1 || true)
        [[ -z "$found" ]] || break
        sleep 0.5
    done
    echo "$found"
}

# "Route" -> "Find route…" between the airports of the route field.
click_control 465 6630 13755 345      # Text1, the route field
xdotool key ctrl+a
xdotool type --delay 20 "EDDF KJFK"
click_menu_word 2
xdotool mousemove --window "$window" $(($(sed -n 2p <<<"$menu_words" | cut -d' ' -f1) + 20)) \
    $((menu_height + 12)) click 1
finder=$(other_window)
[[ -n "$finder" ]] || fail "the found route's window did not open"
sleep 1
capture "$finder" docs/images/find-route.png
xdotool mousemove --window "$finder" $(((4800 + 540) / 15)) $(((4200 + 210) / 15)) click 1  # "Use"
sleep 0.5
click_control 6060 7590 1635 405      # Command1, "Calculate"
sleep 2

# "Map", the rightmost word of the menu bar.
click_menu_word 5
map=$(other_window)
if [[ -n "$map" ]]; then
    sleep 2  # the map draws its tiles and the route
    capture "$map" docs/images/route-map.png
else
    echo "screenshot: no route map window opened; docs/images/route-map.png left as it is"
fi
