#!/bin/sh
# batch_example.sh WINE PROGRAM BATCH DIR PREFIX
# Runs the example batch file under Wine's own cmd, in DIR beside a copy of
# PROGRAM, with the Wine prefix PREFIX, on a good and on a failing system,
# and checks what it prints, its exit status and genordet.txt.
set -u
wine=$1 program=$2 batch=$3 dir=$4
WINEPREFIX=$5 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
rm -rf "$dir" && mkdir -p "$dir" && cp "$program" "$batch" "$dir" && cd "$dir" || exit 1
failed=0

# check NAME ARG SYSTEM STATUS OUTPUT GENORDET
check() {
    printf '%b' "$3" >system.txt
    rm -f genordet.txt
    "$wine" cmd /c orient.bat $2 </dev/null >printed 2>/dev/null
    status=$?
    out=$(tr -d '\r' <printed)
    got=$(cat genordet.txt 2>/dev/null | tr -d '\r' | tr '\n' ' ')
    if [ "$status" != "$4" ] || [ "$out" != "$5" ] || [ "$got" != "$6" ]; then
        echo "$1: status $status, printed [$out], genordet.txt [$got]" >&2
        failed=1
    fi
}

check "good system" s '1 x 2\r\n0 1 1\r\n' 0 'orient: genordet.txt written' '_10 _01 _21 '
check "16 games" "" "$(printf '1 2\\r\\n%.0s' 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16)" 1 \
    "Mehr als 15 Spiele im System - System oder Orientierung nicht OK
orient: sysorient failed with status -1, genordet.txt not written" ''
exit $failed
