#!/usr/bin/env bash
# bench/qemu_counts.sh [aarch64|s390x]
# Counts the instructions of whole runs of the cross-built program under
# qemu-user, one instruction a translation block (-singlestep), on the
# benchmark inputs: the vector path against the byte-by-byte path
# (SYSORIENT_PORTABLE). Each run's genordet.txt is checked byte for byte.
# Needs what the cross workflow needs (see CONTRIBUTING.md) and the native
# build tools; a run takes some minutes.
set -euo pipefail
arch=${1:-aarch64}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
triplet=$arch-linux-gnu

build() { # DIR OPTION...: the program alone, cross-built
    local dir=$1
    shift
    cmake --preset "$arch" -B "$dir" -D SYSORIENT_BUILD_TESTS=OFF "$@" >/dev/null
    cmake --build "$dir" --target sysorient >/dev/null
}
build "build/qemu-$arch-vector" -D SYSORIENT_PORTABLE=OFF
build "build/qemu-$arch-bytes" -D SYSORIENT_PORTABLE=ON
cmake --preset bench >/dev/null
cmake --build --preset bench --target make_inputs >/dev/null
data=$root/build/bench/data-5mb
mkdir -p "$data"
build/bench/bench/make_inputs "$data" 5

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
count() { # PROGRAM INPUT: instructions of one run, after checking its output
    local program=$1 input=$2 n
    cp "$data/$input.txt" "$work/system.txt"
    rm -f "$work/genordet.txt"
    # shellcheck disable=SC2046 # the argument file holds one word or none
    n=$(cd "$work" && "qemu-$arch" -L "/usr/$triplet" -singlestep -d exec,nochain -D /dev/stdout \
        "$root/$program" $(cat "$data/$input.args") | grep -c '^Trace')
    cmp -s "$work/genordet.txt" "$data/$input.expected" || {
        echo "qemu_counts: $program: wrong result on $input" >&2
        exit 1
    }
    echo "$n"
}

echo "$arch, instructions of a whole run under qemu-$arch (millions)"
printf '%-34s %10s %10s %8s\n' input "bytes" "vectors" ratio
for input in tip-rows-spaced tip-rows-dense games-10000-spaced games-dense games-spaced \
    tip-rows-spaced-crlf-utf16 junk-5mb; do
    bytes=$(count "build/qemu-$arch-bytes/sysorient" "$input")
    vectors=$(count "build/qemu-$arch-vector/sysorient" "$input")
    awk -v i="$input" -v b="$bytes" -v v="$vectors" \
        'BEGIN { printf "%-34s %10.2f %10.2f %8.2f\n", i, b / 1e6, v / 1e6, b / v }'
done
