#!/usr/bin/env bash
# Prepares a program folder for Skyloom on the bundled sample data, so that
# skyloom and skyloom-cli started with --program-folder FOLDER ask nothing:
#   scripts/prepare-demo.sh FOLDER
# FOLDER gets the settings files (path.ini naming the sample navigation
# database and one output folder per kind of plan below FOLDER/plans, url.ini,
# AC.ini with the PMDG 747 chosen, check.ini with "create FS-PLAN"), the
# performance files, AC.dat, the help page and the route map's land.
# Settings files already there are written anew.
set -euo pipefail
if [[ $# -ne 1 ]]; then
    echo "usage: scripts/prepare-demo.sh FOLDER" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$1"
demo=$(cd "$1" && pwd)
plans=$demo/plans

# What the program reads beside itself, as the build puts it beside the
# executables: performance files and AC.dat, the help page, the map's land.
mkdir -p "$plans"/{pmdg,ivap,fs,leveld,pss} "$demo/documentation" "$demo/map"
cp "$root"/data/program/* "$demo/"
cp "$root/data/documentation/Skyloom.htm" "$demo/documentation/"
cp "$root/data/map/ne_110m_land.geojson" "$demo/map/"

# Settings files are Windows-1252 text with CR LF line ends.
write_settings() {
    local file=$1
    shift
    printf '%s\r\n' "$@" | iconv -f UTF-8 -t WINDOWS-1252 >"$file.new"
    mv "$file.new" "$file"
}
write_settings "$demo/path.ini" "$root/data/navdata-sample/" "$plans/pmdg/" "$plans/ivap/" \
    "$plans/fs/" "$plans/leveld/" "$plans/pss/"
# The browser pane starts on the bundled help page rather than the public
# route-finder site: it shows something without a network connection (and in
# the README's screenshot), and the help page explains the window. A pilot
# with a network puts the route finder's address into url.ini instead.
write_settings "$demo/url.ini" \
    "$(python3 -c 'import pathlib, sys; print(pathlib.Path(sys.argv[1]).as_uri())' \
        "$demo/documentation/Skyloom.htm")"
# PMDG 737NG, 747, LevelD 767, PSS 777: the 747 has the range for the
# sample route across the North Atlantic, the 737NG has not.
write_settings "$demo/AC.ini" 0 1 0 0
write_settings "$demo/check.ini" 1
