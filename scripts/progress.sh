# shellcheck shell=bash
# Runs a long step with its output in a log and shows that it moves: on a
# terminal one line that updates every second, elsewhere a line every five
# seconds, each with the step, its count where the output gives one (for
# example "building: 57 of 123") and the time so far. Sourced by the scripts
# that install and build.
#
#   run_with_progress PREFIX TITLE LOG COUNTER COMMAND...
#
# COUNTER reads the step's own part of the log on standard input and prints
# the count, or nothing. Returns the command's exit status.

# apt-get install: packages downloaded, unpacked, set up, of those it installs.
progress_count_apt() {
    awk '/ newly installed/ { total = $3 }
         /^Get:/ { got++ } /^Unpacking / { unpacked++ } /^Setting up / { set++ }
         END {
             if (total == "") exit
             if (set) printf "setting up %d of %d", set, total
             else if (unpacked) printf "unpacking %d of %d", unpacked, total
             else if (got) printf "downloading %d of %d", got, total
         }'
}

# Ninja: "[57/123] Building CXX object ..." lines.
progress_count_ninja() {
    grep -oE '^\[[0-9]+/[0-9]+\]' | tail -n 1 | tr -d '[]' | awk -F/ '{ printf "%d of %d", $1, $2 }'
}

progress_count_none() {
    cat >/dev/null
}

run_with_progress() {
    local prefix=$1 title=$2 log=$3 counter=$4
    shift 4
    local start began=$SECONDS shown=$SECONDS status=0 tty=false line count
    start=$(wc -l <"$log")
    [[ -t 1 ]] && tty=true
    $tty || echo "$prefix: $title"
    "$@" >>"$log" 2>&1 </dev/null &
    local pid=$!
    while kill -0 "$pid" 2>/dev/null; do
        sleep 1
        if $tty || ((SECONDS - shown >= 5)); then
            shown=$SECONDS
            count=$(tail -n +"$((start + 1))" "$log" | "$counter")
            line="$prefix: $title${count:+: $count} ($((SECONDS - began)) s)"
            if $tty; then printf '\r\033[K%s' "$line"; else echo "$line"; fi
        fi
    done
    wait "$pid" || status=$?
    $tty && printf '\r\033[K'
    if ((status == 0)); then
        echo "$prefix: $title: done ($((SECONDS - began)) s)"
    fi
    return "$status"
}
