#!/bin/sh
# batch_example.sh WINE PROGRAM BATCH DIR PREFIX
# Runs the example batch file under Wine's own cmd, in DIR beside a copy of
# PROGRAM, with the Wine prefix PREFIX, and checks what it prints, its exit
# status and genordet.txt: good, failing and missing systems, long lines,
# the caller's variables, and no wait for a key without a console.
set -u
wine=$1 program=$2 batch=$3 dir=$4
WINEPREFIX=$5 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
rm -rf "$dir" && mkdir -p "$dir" && cp "$program" "$batch" "$dir" && cd "$dir" || exit 1
failed=0

# check NAME ARG SYSTEM STATUS OUTPUT GENORDET; SYSTEM - : no system.txt
check() {
    rm -f system.txt genordet.txt
    [ "$3" = - ] || printf '%b' "$3" >system.txt
    "$wine" cmd /c orient.bat $2 </dev/null >printed 2>/dev/null
    status=$?
    out=$(tr -d '\r' <printed)
    got=$(cat genordet.txt 2>/dev/null | tr -d '\r' | tr '\n' ' ')
    if [ "$status" != "$4" ] || [ "$out" != "$5" ] || [ "$got" != "$6" ]; then
        echo "$1: status $status, printed [$out], genordet.txt [$got]" >&2
        failed=1
    fi
}

check "good system" s '1 x 2\r\n0 1 1\r\n' 0 'genordet.txt: 3 games, 2 tip rows' '_10 _01 _21 '
check "no outcomes" "" 'Spiele\r\n' 0 'genordet.txt: 0 games, 0 tip rows' ''
check "16 games" "" "$(printf '1 2\\r\\n%.0s' 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16)" 1 \
    "Mehr als 15 Spiele im System - System oder Orientierung nicht OK
orient: sysorient failed with status -1, genordet.txt not written" ''
check "no system.txt" "" - 1 'orient: there is no system.txt in this folder' ''
printf '1\r\n' >system.txt.txt
check "system.txt.txt" "" - 1 'orient: there is no system.txt in this folder
orient: there is a system.txt.txt: rename it to system.txt' ''
rm system.txt.txt

# Lines longer than the 1023 characters a batch line read takes.
printf '1%.0s' $(seq 5000) >system.txt
printf '\r\n2\r\n' >>system.txt
"$wine" cmd /c orient.bat </dev/null >printed 2>/dev/null
if [ "$(tr -d '\r' <printed)" != "genordet.txt: 2 games, 1 tip row" ]; then
    echo "long lines: printed [$(cat printed)]" >&2
    failed=1
fi

# Nothing the batch file sets stays behind in the console that called it.
printf '@echo off\r\ncall orient.bat >nul\r\nif defined games echo games left behind\r\n' >caller.bat
left=$("$wine" cmd /c caller.bat </dev/null 2>&1 | tr -d '\r')
if [ -n "$left" ]; then
    echo "caller: $left" >&2
    failed=1
fi

# Started as Explorer starts a double-clicked file, with the full path, but
# with input from a pipe that stays open: a wait for a key would hang.
path=$("$wine" winepath -w "$dir/orient.bat" 2>/dev/null | tr -d '\r')
mkfifo keys
sleep 60 >keys &
holder=$!
timeout 30 "$wine" cmd /c "$path" <keys >printed 2>/dev/null
status=$?
kill $holder
if [ "$status" != 0 ] || grep -q -i "press" printed; then
    echo "no console: status $status, printed [$(cat printed)]" >&2
    failed=1
fi
exit $failed
