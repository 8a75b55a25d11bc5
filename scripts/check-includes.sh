#!/usr/bin/env bash
# Holds the includes of src/ to the layering of the program: a file in a folder
# of src/ may include the headers of its own folder and of the folders its row
# below names, nothing else. Prints every include that breaks the table as
# file:line and exits non-zero when there is one.
#
#   scripts/check-includes.sh [SOURCE_DIR]     (default: the src/ of this checkout)
set -euo pipefail
if [[ $# -gt 0 ]]; then
    source_dir=$(realpath "$1")
fi
cd "$(dirname "$0")/.."
source_dir=${source_dir:-src}

# folder: the folders it may include. A folder only ever includes folders that
# stand below it; the folders of one level (route, formats, fuel, settings, map, finder)
# do not include one another. What a writer needs of the aircraft, the fuel or
# the settings reaches it through the data store in core/.
table='
ui:       commands route formats fuel settings map finder navdata geo core io
cli:      commands route formats fuel settings map finder navdata geo core io
commands: route formats fuel settings map finder navdata geo core io
finder:   navdata geo core io
route:    navdata geo core io
formats:  navdata geo core io
fuel:     geo core io
settings: geo core io
map:      geo core io
navdata:  geo core io
core:     io
geo:      io
io:
'

folders=$(cd "$source_dir" && find . -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort)

{ grep -rnE --include='*.h' --include='*.cpp' \
    '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<][A-Za-z0-9_]+/' "$source_dir" || true; } |
    LC_ALL=C sort -t: -k1,1 -k2,2n |
    awk -v table="$table" -v folders="$folders" -v root="$source_dir/" '
    BEGIN {
        rows = split(table, lines, "\n")
        for (r = 1; r <= rows; ++r) {
            if (split(lines[r], words, /[: \t]+/) == 0 || words[1] == "") continue
            ruled[words[1]] = 1
            for (w = 2; w in words; ++w) if (words[w] != "") allowed[words[1], words[w]] = 1
        }
        split(folders, names, "\n")
        for (n in names) ours[names[n]] = 1
    }
    {
        # file:line:text; the file names of src/ hold no colon.
        file = $0; sub(/:.*/, "", file)
        rest = substr($0, length(file) + 2)
        line = rest; sub(/:.*/, "", line)
        text = substr(rest, length(line) + 2)
        from = substr(file, length(root) + 1); sub(/\/.*/, "", from)
        header = text; sub(/^[^"<]*["<]/, "", header); sub(/[">].*$/, "", header)
        to = header; sub(/\/.*/, "", to)
        if (!(to in ours) || to == from) next
        if (!(from in ruled)) {
            printf "%s:%s: %s has no row in the include table (includes \"%s\")\n", file, line, from, header
        } else if (!(to in ruled)) {
            printf "%s:%s: %s has no row in the include table (included as \"%s\")\n", file, line, to, header
        } else if (!((from, to) in allowed)) {
            printf "%s:%s: %s may not include %s (\"%s\")\n", file, line, from, to, header
        } else {
            next
        }
        ++broken
    }
    END {
        if (broken) {
            printf "check-includes: %d include(s) break the layering\n", broken > "/dev/stderr"
            exit 1
        }
        print "check-includes: every include keeps to the layering"
    }'
