#!/usr/bin/env bash
# check_inputs.sh PROGRAM DIR
# Runs PROGRAM on every NAME.txt in DIR (made by make_inputs), in a fresh
# directory each, and compares what it writes with NAME.expected byte for byte.
set -euo pipefail
program=$1 dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0 passed=0
for input in "$dir"/*.txt; do
    name=$(basename "$input" .txt)
    rm -f "$work"/*
    ln -s "$input" "$work/system.txt"
    # shellcheck disable=SC2046 # the argument file holds one word or none
    if (cd "$work" && "$program" $(cat "$dir/$name.args")) &&
        cmp -s "$work/genordet.txt" "$dir/$name.expected"; then
        passed=$((passed + 1))
    else
        echo "check_inputs: $name: wrong result" >&2
        failed=$((failed + 1))
    fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
