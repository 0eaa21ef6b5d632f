#!/usr/bin/env bash
# Each binary built for the real target is 32-bit x86 code that imports
# only from the system's libraries, and every function by its plain name:
# no C++ runtime or compiler library travels beside it, and the device's
# libraries resolve the calls by the names they export.
# Usage: check_imports.sh <objdump> <binary>...
set -euo pipefail
objdump=$1
shift

# The desktop's libraries and the device's own (coredll, aygshell).
system_libraries=" kernel32.dll user32.dll gdi32.dll advapi32.dll comctl32.dll ole32.dll msvcrt.dll coredll.dll aygshell.dll "

# One line per import: library, then function.
imports() {
    "$objdump" -p "$1" | awk '/^\tDLL Name: / { library = tolower($3); inside = 0; next }
                              library != "" && /Hint\/Ord Member-Name/ { inside = 1; next }
                              inside && NF == 0 { inside = 0; library = "" }
                              inside { print library, $NF }'
}

status=0
for binary in "$@"; do
    name=$(basename "$binary")
    faults=0
    if ! "$objdump" -f "$binary" | grep -q "file format pei-i386"; then
        echo "FAIL $name is not a 32-bit x86 binary"
        faults=1
    fi
    listing=$(imports "$binary")
    libraries=$(cut -d' ' -f1 <<<"$listing" | sort -u)
    for library in $libraries; do
        if [[ $system_libraries != *" $library "* ]]; then
            echo "FAIL $name imports from $library, not a system library"
            faults=1
        fi
    done
    decorated=$(awk '$2 ~ /@/' <<<"$listing")
    if [ -n "$decorated" ]; then
        echo "FAIL $name imports decorated names:"
        sed 's/^/     /' <<<"$decorated"
        faults=1
    fi
    [ $faults -eq 0 ] && echo "ok   $name imports from ${libraries//$'\n'/ }"
    [ $faults -eq 0 ] || status=1
done
exit $status
