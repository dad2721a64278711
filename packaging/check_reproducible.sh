#!/usr/bin/env bash
# packaging/check_reproducible.sh PRESET [CMAKE-OPTION...]
# Builds the package of PRESET a second time, in another build directory and
# some seconds later, and compares it byte for byte with the one that
# `cmake --workflow --preset PRESET` left in build/PRESET/packages.
# diffoscope, where installed, explains a difference.
set -euo pipefail
preset=$1
shift
cd "$(dirname "$0")/.."
first=build/$preset/packages
again=build/$preset-again
rm -rf "$again"
sleep 3
cmake --preset "$preset" -B "$again" "$@" >/dev/null
cmake --build "$again" --target sysorient sysorient-check >/dev/null
(cd "$again" && cpack >/dev/null)
status=0
for package in "$first"/*.deb "$first"/*.zip; do
    [ -e "$package" ] || continue
    name=$(basename "$package")
    if cmp "$package" "$again/packages/$name"; then
        echo "$name: the same in both builds ($(wc -c <"$package") bytes)"
    else
        status=1
        if command -v diffoscope >/dev/null; then
            diffoscope "$package" "$again/packages/$name" || true
        fi
    fi
done
exit $status
