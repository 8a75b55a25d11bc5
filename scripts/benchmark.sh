#!/usr/bin/env bash
# Speed and memory of Skyloom on a generated navigation database of real-world
# size (skyloom-navgen --seed 1 --scale full: 175,000 airway lines, 37,000
# runway lines, 12,500 airports, about 10 MB). Builds what it needs and prints
# one table.
#
#   scripts/benchmark.sh [--no-desktop]
#
# SKYLOOM_BUILD (default build) provides skyloom-cli, skyloom-navgen,
# skyloom_bench and, when configured with the desktop program, skyloom with the
# web pane; SKYLOOM_TEXT_BUILD (default build-text-pane, the "text-pane"
# preset) the desktop program with the text pane. A desktop figure whose build
# folder is not configured is left out. RUNS (default 9) process runs give each
# median.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${SKYLOOM_BUILD:-build}")
text_build=$(realpath -m "${SKYLOOM_TEXT_BUILD:-build-text-pane}")
runs=${RUNS:-9}
desktop=1
[[ "${1:-}" == --no-desktop ]] && desktop=0

echo "benchmark: building" >&2
cmake --build "$build" -j2 --target skyloom-cli skyloom-navgen skyloom_bench >/dev/null
has_desktop() { grep -q '^SKYLOOM_BUILD_UI:BOOL=ON' "$1/CMakeCache.txt" 2>/dev/null; }
if ((desktop)); then
    for folder in "$build" "$text_build"; do
        if has_desktop "$folder"; then
            cmake --build "$folder" -j2 --target skyloom >/dev/null
        fi
    done
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/skyloom-benchmark.XXXXXX")
trap 'rm -rf "$work"' EXIT
nav=$work/nav program=$work/program
echo "benchmark: generating the database" >&2
route=$("$build/bin/skyloom-navgen" --seed 1 --scale full --routes 1 "$nav")
scripts/prepare-demo.sh "$program" >/dev/null
plans=$program/plans
printf '%s\r\n' "$nav/" "$plans/pmdg/" "$plans/ivap/" "$plans/fs/" "$plans/leveld/" \
    "$plans/pss/" >"$program/path.ini"
cli=("$build/bin/skyloom-cli" --program-folder "$program" --aircraft 747 --cruise 35000 "$route")

# median_ms COMMAND...: the median wall time of $runs runs, in milliseconds.
median_ms() {
    local i start end times=()
    for ((i = 0; i < runs; i++)); do
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1 </dev/null || true
        end=$(date +%s%N)
        times+=($(((end - start) / 1000)))
    done
    printf '%s\n' "${times[@]}" | sort -n |
        awk '{ t[NR] = $1 } END { printf "%.1f", t[int((NR + 1) / 2)] / 1000 }'
}

echo "benchmark: skyloom-cli and cat, $runs runs each" >&2
status=0
"${cli[@]}" >"$work/cli.txt" 2>&1 </dev/null || status=$?
if ((status != 0 && status != 3)) || ! grep -q '^Distance: ' "$work/cli.txt"; then
    echo "benchmark: skyloom-cli failed (exit status $status):" >&2
    cat "$work/cli.txt" >&2
    exit 1
fi
cat_ms=$(median_ms cat "$nav/wpNavRTE.txt" "$nav/wpNavAPT.txt" "$nav/airports.dat")
cli_ms=$(median_ms "${cli[@]}")
/usr/bin/time -f %M -o "$work/rss" "${cli[@]}" >/dev/null 2>&1 </dev/null || true
cli_rss=$(tail -n 1 "$work/rss")

echo "benchmark: in-process figures (Google Benchmark)" >&2
"$build/bin/skyloom_bench" --benchmark_format=csv 2>/dev/null |
    awk -F, '/^"BM_/ { gsub(/"/, "", $1); print $1, $3 }' >"$work/bench.txt"
bench_ms() { awk -v n="$1" '$1 == n { printf "%.2f", $2 }' "$work/bench.txt"; }

# window_figures FOLDER: "ms kB" of the desktop program of that build, median
# start time of three starts, or "-" when it is not built.
window_figures() {
    if ((!desktop)) || ! has_desktop "$1"; then
        echo "- -"
        return
    fi
    local i
    for i in 1 2 3; do
        xvfb-run -a -s "-screen 0 1280x1024x24" scripts/benchmark-window.sh "$1/bin/skyloom" \
            "$program"
    done | sort -n | sed -n 2p
}
echo "benchmark: desktop program" >&2
read -r web_ms web_pss < <(window_figures "$build")
read -r text_ms text_pss < <(window_figures "$text_build")
mb() {
    if [[ "$1" == - ]]; then echo "left out"; else awk -v k="$1" 'BEGIN { printf "%.0f MB", k / 1024 }'; fi
}
ms() { if [[ "$1" == - ]]; then echo "left out"; else echo "$1 ms"; fi; }

words=$(wc -w <<<"$route")
printf '\nDatabase: %s airway lines, %s runway lines, %s airports, %s kB; route of %s elements\n\n' \
    "$(wc -l <"$nav/wpNavRTE.txt")" "$(wc -l <"$nav/wpNavAPT.txt")" \
    "$(wc -l <"$nav/airports.dat")" "$(du -k "$nav" | cut -f1)" "$words"
printf '| %-66s | %12s |\n' "Figure" "Value" "$(printf -- '-%.0s' {1..66})" "------------"
row() { printf '| %-66s | %12s |\n' "$1" "$2"; }
row "skyloom-cli, cold process, $words-element route (median)" "$cli_ms ms"
row "cat of the three files to /dev/null (median)" "$cat_ms ms"
row "ratio skyloom-cli / cat" "$(awk -v a="$cli_ms" -v b="$cat_ms" 'BEGIN { printf "%.1f", a / b }')"
row "skyloom-cli peak resident memory" "$(mb "$cli_rss")"
row "first lookup on a fresh NavDatabase (builds the airway index)" "$(bench_ms BM_FirstLookupOnFreshDatabase) ms"
row "calculation on a fresh NavDatabase, no cache (builds every index)" "$(bench_ms BM_CalculateOnFreshDatabase) ms"
row "calculation on a fresh NavDatabase, indexes from the cache" "$(bench_ms BM_CalculateWithTheCache) ms"
row "second calculation on a warm NavDatabase" "$(bench_ms BM_SecondCalculation) ms"
row "airport search, 5 letters, warm" "$(bench_ms BM_SearchFiveLetters) ms"
row "airport search, 5 letters, fresh NavDatabase" "$(bench_ms BM_FirstSearchOnFreshDatabase) ms"
row "route finder: airway network from the read file" "$(bench_ms BM_BuildAirwayNetwork) ms"
row "route finder: search across the Atlantic" "$(bench_ms BM_FindTransatlanticRoute) ms"
row "desktop program, web pane: start to window" "$(ms "$web_ms")"
row "desktop program, web pane: PSS of all processes" "$(mb "$web_pss")"
row "desktop program, text pane: start to window" "$(ms "$text_ms")"
row "desktop program, text pane: PSS of all processes" "$(mb "$text_pss")"
