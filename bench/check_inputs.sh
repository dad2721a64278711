#!/usr/bin/env bash
# check_inputs.sh PROGRAM DIR [CHECK]
# Runs PROGRAM on every NAME.txt in DIR (made by make_inputs), in a fresh
# directory each, and compares what it writes with NAME.expected byte for byte.
# With CHECK (sysorient-check), also runs it on each: every bench system is
# clean, so it must end with 0 and say that it found nothing.
set -euo pipefail
program=$1 dir=$2 check=${3:-}
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
    if [ -n "$check" ]; then
        # shellcheck disable=SC2046
        if ! report=$(cd "$work" && LC_ALL=C "$check" $(cat "$dir/$name.args")) ||
            ! printf '%s\n' "$report" | grep -q '^Nothing was found that looks wrong\.$'; then
            echo "check_inputs: $name: sysorient-check reports: $report" >&2
            failed=$((failed + 1))
        fi
    fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
