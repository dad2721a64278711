#!/bin/sh
# batch_example.sh WINE BUILD DIR PREFIX
# Runs the batch files orient.bat and orient-s.bat under Wine's own cmd, with
# sysorient.exe and sysorient-check.exe from BUILD beside them in folders
# under DIR whose names hold what Windows users' folders hold (blanks, & ( )
# ! % = and a non-ASCII letter), with the Wine prefix PREFIX. It checks what
# they print, their exit status and genordet.txt: good, failing and missing
# systems, the report, long lines and a full system, the caller's variables,
# and the double-click decision against the command lines Explorer, a console
# and other programs start cmd with (through ORIENT_COMMAND_LINE, as Wine's
# cmd leaves %cmdcmdline% empty). It also fails sysorient.exe's writes with
# strace, as the Linux tests do: genordet.txt must be left empty. Without
# strace that part is skipped, and the script ends with 77 (skipped).
set -u
wine=$1 build=$2 dir=$3
WINEPREFIX=$4 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
rm -rf "$dir" && mkdir -p "$dir" || exit 1
failed=0
prompt='Press a key to close this window.'

# fail WHAT: notes a failure.
fail() {
    echo "$folder: $1" >&2
    failed=1
}

# run BATCH ARG: runs the batch file in the current folder; sets status and
# out (CR removed).
run() {
    "$wine" cmd /c "$1" $2 </dev/null >printed 2>/dev/null
    status=$?
    out=$(tr -d '\r' <printed)
}

# check NAME BATCH ARG SYSTEM STATUS OUTPUT GENORDET; SYSTEM - : no system.txt
check() {
    rm -f system.txt genordet.txt
    [ "$4" = - ] || printf '%b' "$4" >system.txt
    run "$2" "$3"
    got=$(cat genordet.txt 2>/dev/null | tr -d '\r' | tr '\n' ' ')
    if [ "$status" != "$5" ] || [ "$out" != "$6" ] || [ "$got" != "$7" ]; then
        fail "$1: status $status, printed [$out], genordet.txt [$got]"
    fi
}

# decides NAME BATCH COMMAND-LINE WAIT: whether the batch file waits for a
# key when cmd was started with COMMAND-LINE (yes or no).
decides() {
    printf '1 2\r\n' >system.txt
    ORIENT_COMMAND_LINE=$3 "$wine" cmd /c "$2" </dev/null >printed 2>/dev/null
    waits=no
    tr -d '\r' <printed | grep -q -x -F "$prompt" && waits=yes
    [ "$waits" = "$4" ] || fail "$1: waits $waits, printed [$(tr -d '\r' <printed)]"
}

# by_path FOLDER: orient-s.bat of FOLDER, run by its path from another
# folder that holds an orient.bat of its own, runs the orient.bat beside it
# on the other folder's system.txt. Wine's cmd drops a % from any path it
# expands (Windows' does not), and reads a batch file in another code page
# than this script writes: such folder names are left out here.
by_path() {
    case $1 in *%*|*[!\ -~]*) return ;; esac
    mkdir -p "$dir/elsewhere" || exit 1
    printf '@echo foreign orient.bat\r\n' >"$dir/elsewhere/orient.bat"
    printf '1 x 2\r\n0 1 1\r\n' >"$dir/elsewhere/system.txt"
    rm -f "$dir/elsewhere/genordet.txt"
    path=$("$wine" winepath -w "$PWD/orient-s.bat" 2>/dev/null | tr -d '\r')
    printf '@call "%s"\r\n' "$path" >"$dir/elsewhere/caller.bat"
    out=$(cd "$dir/elsewhere" && "$wine" cmd /c caller.bat </dev/null 2>/dev/null | tr -d '\r')
    got=$(tr -d '\r' <"$dir/elsewhere/genordet.txt" 2>/dev/null | tr '\n' ' ')
    [ "$out" = 'system.txt: 3 games of 2 tip rows, one tip row per line' ] &&
        [ "$got" = '_10 _01 _21 ' ] || fail "orient-s.bat by its path: printed [$out], genordet.txt [$got]"
}

labelled='Spiel 1: 1 x 2 1 1 x\r\nSpiel 2: 2 2 1 x 0 1\r\nSpiel 3: x 1 1 2 2 2\r\n'
labelled_report='system.txt: 3 games of 6 tip rows, one game per line
line 3: "Spiel 3: x 1 1 2 2 2": 6 outcomes, and the last line with outcomes sets the count for every line: every game is cut to 6 tip rows
system.txt: the other 2 lines with outcomes hold 7 each: the last 1 of each is dropped
line 1: "Spiel 1: 1 x 2 1 1 x": the 1 of "1:" is read as outcome: is it a number in a label?
line 2: "Spiel 2: 2 2 1 x 0 1": the 2 of "2:" is read as outcome: is it a number in a label?'

for folder in "sp ace" "a & b" "(x)" "!y" "pct 100% sicher" "a=b" "Über"; do
    mkdir -p "$dir/$folder" && cd "$dir/$folder" || exit 1
    cp "$build/sysorient.exe" "$build/sysorient-check.exe" "$build/orient.bat" \
        "$build/orient-s.bat" . || exit 1
    check "good system" orient.bat s '1 x 2\r\n0 1 1\r\n' 0 \
        'system.txt: 3 games of 2 tip rows, one tip row per line' '_10 _01 _21 '
    check "orient-s" orient-s.bat "" '1 x 2\r\n0 1 1\r\n' 0 \
        'system.txt: 3 games of 2 tip rows, one tip row per line' '_10 _01 _21 '
    check "labelled" orient.bat "" "$labelled" 0 "$labelled_report" '_110211 _222100 _011222 '
    by_path "$folder"
    for batch in orient.bat orient-s.bat; do
        path=$("$wine" winepath -w "$PWD/$batch" 2>/dev/null | tr -d '\r')
        decides "$batch, Explorer" $batch "C:\\WINDOWS\\system32\\cmd.exe /c \"\"$path\" \"" yes
        decides "$batch, a console" $batch 'C:\WINDOWS\system32\cmd.exe' no
        decides "$batch, a console with /k" $batch "cmd.exe /k \"\"$path\" \"" no
        decides "$batch, another program" $batch "C:\\WINDOWS\\system32\\cmd.exe /c $batch s" no
        decides "$batch, another program, quoted" $batch "cmd /c \"$path\"" no
        decides "$batch, Explorer with another file" $batch \
            "C:\\WINDOWS\\system32\\cmd.exe /c \"\"$path.txt\" \"" no
    done
done

folder=failures
mkdir -p "$dir/$folder" && cd "$dir/$folder" || exit 1
cp "$build/sysorient.exe" "$build/sysorient-check.exe" "$build/orient.bat" . || exit 1
check "no outcomes" orient.bat "" 'Spiele\r\n' 0 \
    'system.txt: no games, read one game per line: genordet.txt is written empty
system.txt: holds no outcome (0, 1, 2, x or X)' ''
check "16 games" orient.bat "" "$(printf '1 2\\r\\n%.0s' $(seq 16))" 1 \
    "Mehr als 15 Spiele im System - System oder Orientierung nicht OK
system.txt: more than 15 games, read one game per line: sysorient warns and writes nothing
system.txt: read one tip row per line it is 2 games of 16 tip rows: run \`sysorient s\`
orient: sysorient failed with status -1, genordet.txt not written" ''
check "no system.txt" orient.bat "" - 1 'orient: there is no system.txt in this folder' ''
mv sysorient-check.exe sysorient-check.away
check "no sysorient-check.exe" orient.bat "" '1 2\r\n' 1 \
    'orient: sysorient-check.exe not found: put it beside orient.bat' '_12 '
mv sysorient-check.away sysorient-check.exe
mv sysorient.exe sysorient.away
check "no sysorient.exe" orient.bat "" '1 2\r\n' 1 \
    'orient: sysorient.exe not found: put it beside orient.bat' ''
mv sysorient.away sysorient.exe
printf '1\r\n' >system.txt.txt
check "system.txt.txt" orient.bat "" - 1 'orient: there is no system.txt in this folder
orient: there is a system.txt.txt: rename it to system.txt' ''
rm system.txt.txt

# The counts of a system of 20000 tip rows, whose lines no batch line read takes.
awk 'BEGIN { for (g = 0; g < 15; ++g) { for (t = 0; t < 20000; ++t) printf "%d", (g + t) % 3; printf "\r\n" } }' >system.txt
run orient.bat ""
[ "$out" = 'system.txt: 15 games of 20000 tip rows, one game per line' ] ||
    fail "full system: status $status, printed [$out]"

# Nothing the batch file sets stays behind in the console that called it.
printf '@echo off\r\ncall orient.bat >nul\r\nif defined status echo status left behind\r\nif defined started_by echo started_by left behind\r\n' >caller.bat
left=$("$wine" cmd /c caller.bat </dev/null 2>&1 | tr -d '\r')
[ -z "$left" ] || fail "caller: $left"

# Started as Explorer starts a double-clicked file, but with input from a
# pipe that stays open: a wait for a key would hang.
path=$("$wine" winepath -w "$PWD/orient.bat" 2>/dev/null | tr -d '\r')
mkfifo keys
sleep 60 >keys &
holder=$!
ORIENT_COMMAND_LINE="C:\\WINDOWS\\system32\\cmd.exe /c \"\"$path\" \"" \
    timeout 30 "$wine" cmd /c orient.bat <keys >printed 2>/dev/null
status=$?
kill $holder
[ "$status" = 0 ] || fail "no console: status $status, printed [$(cat printed)]"

# A write that fails at the 4th or the last of the 15 games' writes leaves
# genordet.txt empty, not holding the games before it.
if ! command -v strace >/dev/null 2>&1; then
    echo "batch_example.sh: failed writes skipped: needs strace" >&2
    [ $failed = 1 ] || exit 77
    exit 1
fi
for fault in ENOSPC:when=4 ENOSPC:when=15 EIO:when=4 EIO:when=15; do
    printf 'earlier\r\n' >genordet.txt
    strace -f -o /dev/null -P "$PWD/genordet.txt" -e trace=write,pwrite64,writev \
        -e inject=write,pwrite64,writev:error=$fault "$wine" sysorient.exe </dev/null >/dev/null 2>&1
    status=$?
    [ "$status" = 255 ] && [ ! -s genordet.txt ] ||
        fail "write error $fault: status $status, genordet.txt of $(wc -c <genordet.txt) bytes"
done
exit $failed
