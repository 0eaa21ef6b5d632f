#!/usr/bin/env bash
# Each binary built for the real target carries the resources of its script,
# as the toolchain's windres reads them back from the binary and from the
# script's compiled object, and at least those its rows of the resources
# table name.
# Usage: check_resources.sh <windres> <resources table> <binary>[=<compiled script>]...
set -euo pipefail
windres=$1
table=$2
shift 2

# The resources of a binary or compiled script as a script; nothing for a
# binary without a resource section.
listing() {
    local errors
    errors=$(mktemp)
    if "$windres" -J coff -O rc "$1" 2>"$errors"; then
        rm "$errors"
    elif grep -q "no resource section" "$errors"; then
        rm "$errors"
    else
        cat "$errors" >&2
        rm "$errors"
        return 1
    fi
}

# The names of one type in a listing: BITMAP, DIALOG, or STRING (the
# string tables' entries).
names_of() {
    awk -v type="$1" 'type == "BITMAP" && $2 == "2" && $4 == "RT_BITMAP" { print $1 }
                      type == "DIALOG" && ($2 == "DIALOG" || $2 == "DIALOGEX") { print $1 }
                      $1 == "STRINGTABLE" { strings = 1; next }
                      strings && $1 == "END" { strings = 0 }
                      strings && type == "STRING" && $1 ~ /^[0-9]+,$/ { print substr($1, 1, length($1) - 1) }'
}

# The table's rows for a binary as "TYPE NAME" lines, ranges FIRST-LAST spread out.
expected() {
    awk -v name="$1" '$1 == name { for (i = 3; i <= NF; ++i) {
                                       split($i, range, "-"); last = (2 in range) ? range[2] : range[1]
                                       for (n = range[1]; n <= last; ++n) print $2, n } }' "$table"
}

status=0
for argument in "$@"; do
    binary=${argument%%=*}
    name=$(basename "$binary")
    carried=$(listing "$binary")
    if [[ $argument == *=* ]] && ! diff -q <(echo "$carried") <(listing "${argument#*=}") >/dev/null; then
        echo "FAIL $name does not carry its script's resources as compiled:"
        diff <(listing "${argument#*=}") <(echo "$carried") | head -20 | sed 's/^/     /'
        status=1
    fi
    missing=0
    while read -r type resource; do
        if ! names_of "$type" <<<"$carried" | grep -qx "$resource"; then
            echo "FAIL $name lacks $type $resource"
            missing=1
        fi
    done < <(expected "$name")
    [ $missing -eq 0 ] && echo "ok   $name carries $(expected "$name" | wc -l) named resources"
    [ $missing -eq 0 ] || status=1
done
exit $status
