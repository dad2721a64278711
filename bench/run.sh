#!/usr/bin/env bash
# bench/run.sh: builds the Release program and the benchmark tools, makes the
# benchmark inputs, checks the program's result on each byte for byte, and
# prints a table per input: median wall time (hyperfine), instructions
# (callgrind, whole process) and peak RSS (GNU time) of sysorient, of
# sysorient-check, and of two baselines run on the same file in the same
# invocation, `cp system.txt out.txt` and `wc -l system.txt`, with the ratios
# to them.
# Needs: cmake ninja-build g++ libbenchmark-dev hyperfine valgrind time.
# Options: --quick (fewer timing runs), --micro (also run the microbenchmarks).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=100 micro=0
for arg in "$@"; do
    case $arg in
    --quick) runs=5 ;;
    --micro) micro=1 ;;
    *) echo "usage: bench/run.sh [--quick] [--micro]" >&2; exit 2 ;;
    esac
done

cd "$root"
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
build=$root/build/bench
program=$build/sysorient
checker=$build/sysorient-check
data=$build/data
mkdir -p "$data"
"$build/bench/make_inputs" "$data" 100
bench/check_inputs.sh "$program" "$data" "$checker"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

instructions() { # command...: instructions of the whole process
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
        sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}
peak_rss() { # command...: peak resident set in KiB
    /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1
}
median_ms() { # csv row number (2 = first command)
    awk -F, -v row="$1" 'NR == row { printf "%.3f", $4 * 1000 }' "$work/times.csv"
}

echo
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
echo "runs per command: $runs (median wall time)"
for input in tip-rows-spaced tip-rows-dense games-dense games-10000-spaced games-spaced \
    tip-rows-spaced-crlf tip-rows-dense-crlf games-dense-crlf games-spaced-crlf \
    tip-rows-spaced-crlf-utf16 tip-rows-dense-crlf-utf16 junk-100mb umlauts-100mb; do
    cp "$data/$input.txt" "$work/system.txt"
    args=$(cat "$data/$input.args")
    size=$(stat -c %s "$work/system.txt")
    (
        cd "$work"
        # shellcheck disable=SC2086 # args is one word or none
        hyperfine -N --warmup 3 --runs "$runs" --export-csv times.csv --style none \
            "$program $args" "cp system.txt out.txt" "wc -l system.txt" "$checker $args" \
            >/dev/null 2>&1
        # shellcheck disable=SC2086
        ir_prog=$(instructions "$program" $args)
        ir_cp=$(instructions cp system.txt out.txt)
        ir_wc=$(instructions wc -l system.txt)
        # shellcheck disable=SC2086
        ir_check=$(instructions "$checker" $args)
        # shellcheck disable=SC2086
        rss_prog=$(peak_rss "$program" $args)
        rss_cp=$(peak_rss cp system.txt out.txt)
        rss_wc=$(peak_rss wc -l system.txt)
        # shellcheck disable=SC2086
        rss_check=$(peak_rss "$checker" $args)
        t_prog=$(median_ms 2) t_cp=$(median_ms 3) t_wc=$(median_ms 4) t_check=$(median_ms 5)
        echo
        echo "== $input ($size bytes${args:+, argument $args})"
        printf '%-12s %12s %14s %10s\n' command "median ms" instructions "peak KiB"
        printf '%-12s %12s %14s %10s\n' sysorient "$t_prog" "$ir_prog" "$rss_prog"
        printf '%-12s %12s %14s %10s\n' cp "$t_cp" "$ir_cp" "$rss_cp"
        printf '%-12s %12s %14s %10s\n' "wc -l" "$t_wc" "$ir_wc" "$rss_wc"
        printf '%-12s %12s %14s %10s\n' check "$t_check" "$ir_check" "$rss_check"
        awk -v p="$t_prog" -v c="$t_cp" -v w="$t_wc" -v s="$size" 'BEGIN {
            printf "time: %.2f x cp, %.2f x wc -l; %.2f GB/s\n", p / c, p / w, s / (p / 1000) / 1e9 }'
        awk -v k="$t_check" -v w="$t_wc" -v i="$ir_check" -v p="$ir_prog" 'BEGIN {
            printf "check: %.2f x sysorient'"'"'s instructions, %.2f x the time of wc -l\n", i / p, k / w }'
    )
done

if [ "$micro" -eq 1 ]; then
    echo
    "$build/bench/reader_bench" --benchmark_min_time=0.2
fi
