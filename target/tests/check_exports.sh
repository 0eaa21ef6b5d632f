#!/usr/bin/env bash
# Each binary built for the real target exports exactly the functions that
# its row of the exports table names, by their plain names.
# Usage: check_exports.sh <objdump> <exports table> <binary>...
set -euo pipefail
objdump=$1
table=$2
shift 2

exported() {
    "$objdump" -p "$1" | awk '/^\[Ordinal\/Name Pointer\] Table/ { inside = 1; next }
                              inside && NF == 0 { inside = 0 }
                              inside { print $NF }' | sort
}

expected() {
    awk -v name="$1" '$1 == name { found = 1; for (i = 2; i <= NF; ++i) print $i }
                      END { exit !found }' "$table" | sort
}

status=0
for binary in "$@"; do
    name=$(basename "$binary")
    if ! want=$(expected "$name"); then
        echo "FAIL $name: no row in $table"
        status=1
        continue
    fi
    got=$(exported "$binary")
    got=${got:-nothing}
    want=${want:-nothing}
    if [ "$got" = "$want" ]; then
        echo "ok   $name exports ${want//$'\n'/ }"
    else
        echo "FAIL $name exports ${got//$'\n'/ }"
        echo "     instead of   ${want//$'\n'/ }"
        status=1
    fi
done
exit $status
