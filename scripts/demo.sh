#!/usr/bin/env bash
# Skyloom's main job on the bundled sample data: builds the program, prepares a
# demo program folder in demo/ (settings files pointing at the sample
# navigation database, one output folder per aircraft) and calculates a
# Frankfurt to New York route across the North Atlantic for each of the four
# aircraft, saving the FMC files and the FS9 plan.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/bootstrap.sh
cmake --preset default >/dev/null
cmake --build --preset default --target skyloom-cli

demo="$root/demo"
plans="$demo/plans"
mkdir -p "$plans"/{pmdg,ivap,fs,leveld,pss}
printf '%s\r\n' "$root/data/navdata-sample/" "$plans/pmdg/" "$plans/ivap/" "$plans/fs/" \
    "$plans/leveld/" "$plans/pss/" >"$demo/path.ini"
printf '1\r\n0\r\n0\r\n0\r\n' >"$demo/AC.ini"
printf '1\r\n' >"$demo/check.ini"
cp build/bin/B737NG.dat build/bin/B747PMDG.dat build/bin/LevelD767.dat build/bin/PSS777.dat \
    build/bin/AC.dat "$demo/"

route="EDDF KRL UL610 TALYO UL975 ORLIK NATA LOMSI Q812 HLF J60 DEP KJFK"
for aircraft in 737 747 767 777; do
    echo
    echo "== $aircraft: $route"
    build/bin/skyloom-cli --program-folder "$demo" --aircraft "$aircraft" --cruise 35000 \
        --save EDDF-KJFK "$route"
done
echo
echo "The files are in $plans."
