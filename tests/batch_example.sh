#!/bin/sh
# batch_example.sh WINE BUILD DIR PREFIX
# Runs the batch files orient.bat and orient-s.bat under Wine's own cmd, with
# sysorient.exe and sysorient-check.exe from BUILD beside them in folders
# under DIR whose names hold what Windows users' folders hold (blanks, & ( )
# ! % = and a non-ASCII letter), with the Wine prefix PREFIX. It checks what
# they print, in English and in German (Wine takes the user's language from
# LANG), their exit status and genordet.txt: good, failing and missing
# systems, missing programs, files dropped on the batch files, the report,
# long lines and a full system, the caller's variables, and the decision to
# wait for a key against the command lines Explorer, a console and other
# programs start cmd with (through ORIENT_COMMAND_LINE, as Wine's cmd leaves
# %cmdcmdline% empty, and ORIENT_CONSOLE, as Wine's timeout cannot tell a
# console from a pipe). It also fails sysorient.exe's writes with strace, as
# the Linux tests do: genordet.txt must be left empty, and checks the bytes
# of the report through a pipe in code pages 437, 850 and 65001. Without
# strace or script, or without the de_DE.UTF-8 locale, that part is skipped,
# and the script ends with 77 (skipped).
set -u
wine=$1 build=$2 dir=$3
WINEPREFIX=$4 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
# Wine's language and code pages follow LANG, which run() sets.
unset LC_ALL LC_MESSAGES LC_CTYPE LANGUAGE
LANG=C.UTF-8
export LANG
rm -rf "$dir" && mkdir -p "$dir" || exit 1
failed=0 skipped=0
lang=C.UTF-8

# Wine speaks German only with the locale generated.
german=yes
locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' || german=no
if [ $german = no ]; then
    echo "batch_example.sh: German runs skipped: needs the de_DE.UTF-8 locale" >&2
    skipped=1
fi

# fail WHAT: notes a failure.
fail() {
    echo "$folder: $1" >&2
    failed=1
}

# run BATCH [ARG...]: runs the batch file in the current folder in the
# language $lang; sets status and out (CR removed, in UTF-8: the report
# comes in the console's code page, 850 in German).
run() {
    LANG=$lang "$wine" cmd /c "$@" </dev/null >printed 2>/dev/null
    status=$?
    out=$(tr -d '\r' <printed | iconv -f CP850 -t UTF-8)
}

# in_order LINES TEXT: whether each line of LINES begins a line of TEXT, in
# their order (the report wraps its sentences; the lines named are those
# that say what matters).
in_order() {
    printf '%s\n' "$2" | want=$1 awk 'BEGIN { n = split(ENVIRON["want"], w, "\n"); i = 1 }
        i <= n && index($0, w[i]) == 1 { ++i } END { exit i <= n }'
}

# check NAME BATCH ARG SYSTEM STATUS LINES GENORDET; SYSTEM - : no system.txt
check() {
    rm -f system.txt
    [ -d genordet.txt ] || rm -f genordet.txt
    [ "$4" = - ] || printf '%b' "$4" >system.txt
    run "$2" $3
    got=$(cat genordet.txt 2>/dev/null | tr -d '\r' | tr '\n' ' ')
    if [ "$status" != "$5" ] || ! in_order "$6" "$out" || [ "$got" != "$7" ]; then
        fail "$1: status $status, printed [$out], genordet.txt [$got]"
    fi
}

# in_german NAME ...: check in German, where Wine can speak it.
in_german() {
    [ $german = yes ] || return 0
    lang=de_DE.UTF-8
    check "$@"
    lang=C.UTF-8
}

# decides NAME BATCH COMMAND-LINE WAIT [ARG]: whether the batch file waits
# for a key (Windows' pause, whose prompt ends the output) when cmd was
# started with COMMAND-LINE (yes or no).
decides() {
    printf '1 2\r\n' >system.txt
    ORIENT_CONSOLE=1 ORIENT_COMMAND_LINE=$3 "$wine" cmd /c "$2" ${5:+"$5"} </dev/null >printed 2>/dev/null
    waits=no
    tail -c 12 printed | grep -q 'continue\.\.\.' && waits=yes
    [ "$waits" = "$4" ] || fail "$1: waits $waits, printed [$(tr -d '\r' <printed)]"
}

# by_path FOLDER: orient-s.bat of FOLDER, run by its path from another
# folder that holds an orient.bat of its own, runs the orient.bat beside it
# on the other folder's system.txt. Wine's cmd drops a % from any path it
# expands (Windows' does not): in ...\pct 100% sicher\ its %~dp0 gives
# ...\pct 100 sicher\, where there is no orient.bat to call. It also reads
# a batch file in another code page than this script writes: such folder
# names are left out here.
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
    in_order "$tip_rows_report" "$out" &&
        [ "$got" = '_10 _01 _21 ' ] || fail "orient-s.bat by its path: printed [$out], genordet.txt [$got]"
}

# dropped BATCH: a system.txt dropped on BATCH is converted in its own
# folder; any other file gets the check's word, and nothing is written.
dropped() {
    drop="$dir/drop & (here)"
    mkdir -p "$drop" || exit 1
    rm -f "$drop/genordet.txt" genordet.txt system.txt
    printf '1 x 2\r\n0 1 1\r\n' >"$drop/system.txt"
    printf '1 x 2\r\n0 1 1\r\n' >"$drop/tipps.txt"
    file=$("$wine" winepath -w "$drop/system.txt" 2>/dev/null | tr -d '\r')
    run "$1" "$file"
    got=$(tr -d '\r' <"$drop/genordet.txt" 2>/dev/null | tr '\n' ' ')
    [ "$status" = 0 ] && in_order "$tip_rows_report" "$out" && [ "$got" = '_10 _01 _21 ' ] ||
        fail "system.txt dropped on $1: status $status, printed [$out], genordet.txt [$got]"
    rm -f "$drop/genordet.txt"
    file=$("$wine" winepath -w "$drop/tipps.txt" 2>/dev/null | tr -d '\r')
    run "$1" "$file"
    [ "$status" = 1 ] && in_order "$named_wrong" "$out" && [ ! -e "$drop/genordet.txt" ] &&
        [ ! -e genordet.txt ] || fail "tipps.txt dropped on $1: status $status, printed [$out]"
    # From a folder whose name holds a %, the file keeps its name. Under
    # Wine it is never found, and a system.txt there is never converted:
    # Wine's cmd drops a lone % from what %1 or %~1 gives, even in
    # set "a=%~1" (x%y gives xy, ...\drop 100% sicher\tipps.txt gives
    # ...\drop 100 sicher\tipps.txt), before any batch line can keep it.
    mkdir -p "$dir/drop 100% sicher" && cp "$drop/tipps.txt" "$dir/drop 100% sicher" || exit 1
    file=$("$wine" winepath -w "$dir/drop 100% sicher/tipps.txt" 2>/dev/null | tr -d '\r')
    run "$1" "$file"
    case $status$out in
    1'"tipps.txt": '*) ;;
    *) fail "tipps.txt from a % folder dropped on $1: status $status, printed [$out]" ;;
    esac
}

tip_rows_report='system.txt: 3 games with 2 tip rows (one tip row per line).'
named_wrong='"tipps.txt": the file to convert must be called system.txt.'
labelled='Spiel 1: 1 x 2 1 1 x\r\nSpiel 2: 2 2 1 x 0 1\r\nSpiel 3: x 1 1 2 2 2\r\n'
labelled_report='system.txt: 3 games with 6 tip rows (one game per line).
Lines 1 and 2: "Spiel 1: 1 x 2 1 1 x"
  Every 0, 1 or 2 in the number of a label is read as a tip, here in "1:".
genordet.txt: holds this system, as orient.bat writes it.
  Use it only once everything above is put right.'
labelled_german='system.txt: 3 Spiele mit 6 Tippreihen (ein Spiel pro Zeile).
Zeilen 1 und 2: »Spiel 1: 1 x 2 1 1 x«
  In Nummern vor den Tipps wie »Spiel 1:« wird jede 0, 1 oder 2 als Tipp gelesen, hier in »1:«.
genordet.txt: enthält dieses System, so wie orient.bat es schreibt.
  Verwenden Sie die Datei erst, wenn alles oben Genannte behoben ist.'

for folder in "sp ace" "a & b" "(x)" "!y" "pct 100% sicher" "a=b" "Über"; do
    mkdir -p "$dir/$folder" && cd "$dir/$folder" || exit 1
    cp "$build/sysorient.exe" "$build/sysorient-check.exe" "$build/orient.bat" \
        "$build/orient-s.bat" . || exit 1
    check "good system" orient.bat s '1 x 2\r\n0 1 1\r\n' 0 "$tip_rows_report" '_10 _01 _21 '
    check "orient-s" orient-s.bat "" '1 x 2\r\n0 1 1\r\n' 0 "$tip_rows_report" '_10 _01 _21 '
    check "labelled" orient.bat "" "$labelled" 0 "$labelled_report" '_110211 _222100 _011222 '
    in_german "labelled, German" orient.bat "" "$labelled" 0 "$labelled_german" '_110211 _222100 _011222 '
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
        file=$("$wine" winepath -w "$PWD/system.txt" 2>/dev/null | tr -d '\r')
        decides "$batch, a file given in a console" $batch 'C:\WINDOWS\system32\cmd.exe' no "$file"
        # Explorer quotes a dropped file's path only when it holds a blank.
        written=$file
        case $folder in *' '*) written="\"$file\"" ;; esac
        decides "$batch, a file dropped on it" $batch \
            "C:\\WINDOWS\\system32\\cmd.exe /c \"\"$path\" $written\"" yes "$file"
    done
done

folder=drops
mkdir -p "$dir/$folder" && cd "$dir/$folder" || exit 1
cp "$build/sysorient.exe" "$build/sysorient-check.exe" "$build/orient.bat" \
    "$build/orient-s.bat" . || exit 1
dropped orient-s.bat
if [ $german = yes ]; then
    lang=de_DE.UTF-8
    file=$("$wine" winepath -w "$drop/tipps.txt" 2>/dev/null | tr -d '\r')
    run orient.bat "$file"
    in_order '»tipps.txt«: Die Datei heißt nicht system.txt und wird deshalb nicht umgewandelt.' "$out" ||
        fail "tipps.txt dropped, German: printed [$out]"
    lang=C.UTF-8
fi

folder=failures
mkdir -p "$dir/$folder" && cd "$dir/$folder" || exit 1
cp "$build/sysorient.exe" "$build/sysorient-check.exe" "$build/orient.bat" \
    "$build/orient-s.bat" . || exit 1
check "no outcomes" orient.bat "" 'Spiele\r\n' 0 \
    "system.txt: no games (one game per line).
system.txt: holds no tips (0, 1, 2, x or X).
genordet.txt: holds this system, as orient.bat writes it." ''
warning='Mehr als 15 Spiele im System - System oder Orientierung nicht OK'
sixteen=$(printf '1 2\\r\\n%.0s' $(seq 16))
check "16 games" orient.bat "" "$sixteen" 1 "$warning
system.txt: more than 15 games (one game per line).
system.txt: read one tip row per line it is 2 games with 16 tip rows, and that fits.
  You have probably used the wrong batch file: double-click orient-s.bat instead of orient.bat." ''
# The genordet.txt from the run before stays, and the report says it is not
# this system's, in both languages.
for lang in C.UTF-8 de_DE.UTF-8; do
    [ $lang = C.UTF-8 ] || [ $german = yes ] || continue
    printf '_12\r\n' >genordet.txt
    run orient.bat
    in_order 'genordet.txt: is not made from this system.txt.' "$out" ||
        in_order 'genordet.txt: ist nicht aus dieser system.txt entstanden.' "$out" ||
        fail "an old genordet.txt, $lang: printed [$out]"
    [ "$(cat genordet.txt)" = "$(printf '_12\r\n')" ] || fail "an old genordet.txt, $lang: changed"
done
lang=C.UTF-8
in_german "16 games, German" orient.bat "" "$sixteen" 1 "$warning
system.txt: mehr als 15 Spiele (ein Spiel pro Zeile).
system.txt: Mit einer Tippreihe pro Zeile gelesen sind es 2 Spiele mit 16 Tippreihen, und das passt.
  Wahrscheinlich haben Sie die falsche Batch-Datei genommen: Doppelklicken Sie orient-s.bat statt" ''
check "no system.txt" orient.bat "" - 1 "system.txt: not found in the folder" ''
in_german "no system.txt, German" orient.bat "" - 1 "system.txt: Im Ordner" ''
printf '1\r\n' >system.txt.txt
check "system.txt.txt" orient.bat "" - 1 \
    "system.txt: not found, but there is a system.txt.txt in the folder" ''
rm system.txt.txt
mkdir genordet.txt
check "genordet.txt a folder" orient.bat "" '1 2\r\n' 1 \
    'system.txt: 1 game with 2 tip rows (one game per line).
genordet.txt: is a folder.' ''
rmdir genordet.txt
missing_check='orient: sysorient-check.exe fehlt, legen Sie es in den Ordner von orient.bat
orient: sysorient-check.exe not found, put it beside orient.bat'
missing='orient: sysorient.exe fehlt, legen Sie es in den Ordner von orient.bat
orient: sysorient.exe not found, put it beside orient.bat'
mv sysorient-check.exe sysorient-check.away
check "no sysorient-check.exe" orient.bat "" '1 2\r\n' 1 "$missing_check" '_12 '
in_german "no sysorient-check.exe, German" orient.bat "" '1 2\r\n' 1 "$missing_check" '_12 '
mv sysorient-check.away sysorient-check.exe
mv sysorient.exe sysorient.away
check "no sysorient.exe" orient.bat "" '1 2\r\n' 1 "$missing" ''
mv sysorient.away sysorient.exe

# The counts of a system of 20000 tip rows, whose lines no batch line read takes.
awk 'BEGIN { for (g = 0; g < 15; ++g) { for (t = 0; t < 20000; ++t) printf "%d", (g + t) % 3; printf "\r\n" } }' >system.txt
run orient.bat
in_order 'system.txt: 15 games with 20,000 tip rows (one game per line).' "$out" ||
    fail "full system: status $status, printed [$out]"

# Nothing the batch file sets stays behind in the console that called it.
printf '@echo off\r\ncall orient.bat >nul\r\nif defined status echo status left behind\r\nif defined started_by echo started_by left behind\r\n' >caller.bat
printf 'call orient-s.bat >nul\r\nif defined ORIENT_ARGUMENT echo ORIENT_ARGUMENT left behind\r\n' >>caller.bat
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
    skipped=1
else
    # sysorient ends in 0 or 255 only; any other status, with genordet.txt
    # untouched, is Wine or strace failing to start it (seen once, under
    # load), and that run is made once more.
    for fault in ENOSPC:when=4 ENOSPC:when=15 EIO:when=4 EIO:when=15; do
        for attempt in 1 2; do
            printf 'earlier\r\n' >genordet.txt
            strace -f -o /dev/null -P "$PWD/genordet.txt" -e trace=write,pwrite64,writev \
                -e inject=write,pwrite64,writev:error=$fault "$wine" sysorient.exe </dev/null >printed 2>&1
            status=$?
            case $status in 0 | 255) break ;; esac
            [ "$(cat genordet.txt)" = "$(printf 'earlier\r\n')" ] || break
        done
        [ "$status" = 255 ] && [ ! -s genordet.txt ] ||
            fail "write error $fault: status $status, genordet.txt of $(wc -c <genordet.txt) bytes, printed [$(cat printed)]"
    done
fi

# The check's report through a pipe is in the console's code page, else the
# OEM one (Wine's is 437 for LANG=C.UTF-8, 850 for de_DE.UTF-8), with no
# look-alike of a quoted character: best fit would make U+2190 ESC, U+25D9
# LF, U+266A CR, U+2022 BEL and U+FF02 a plain '"'. What the code page
# lacks is '?': those five in both, pi (U+03C0) in 850, O-slash (U+00D8)
# in 437; u-umlaut is in both.
folder="code pages"
mkdir -p "$dir/$folder" && cd "$dir/$folder" || exit 1
cp "$build/sysorient-check.exe" . || exit 1
# quoted CODE-PAGE BYTES: printed holds BYTES, and no control but CR and LF.
quoted() {
    LC_ALL=C grep -qF "$(printf "$2")" printed &&
        [ "$(LC_ALL=C tr -d '\r\n\040-\377' <printed | wc -c)" = 0 ] ||
        fail "code page $1: printed [$(od -An -tx1 printed | tr -d '\n')]"
}
printf '\342\206\220\342\227\231\342\231\252\342\200\242\357\274\202 \317\200\303\230\303\274 Mexiko 1 x 2\r\n2 1 1\r\n' >system.txt
LANG=C.UTF-8 "$wine" sysorient-check.exe </dev/null 2>/dev/null | cat >printed
quoted 437 '????? \343?\201 Mexiko 1 x 2'
if [ $german = yes ]; then
    LANG=de_DE.UTF-8 "$wine" sysorient-check.exe </dev/null 2>/dev/null | cat >printed
    quoted 850 '????? ?\235\201 Mexiko 1 x 2'
fi
# Without a console (input from /dev/null) Wine's chcp 65001 says "Invalid
# code page" and GetConsoleOutputCP stays 0; script gives cmd a terminal,
# and so a console, while the report still goes through a pipe.
if command -v script >/dev/null 2>&1; then
    : >printed
    LANG=C.UTF-8 timeout 60 script -qc "'$wine' cmd /c 'chcp 65001 >nul & sysorient-check.exe' | cat >printed" \
        /dev/null </dev/null >/dev/null 2>&1
    quoted 65001 "$(head -n 1 system.txt | tr -d '\r')"
else
    echo "batch_example.sh: code page 65001 skipped: needs script" >&2
    skipped=1
fi

[ $failed = 0 ] && [ $skipped = 1 ] && exit 77
exit $failed
