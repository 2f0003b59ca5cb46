#!/usr/bin/env bash
# Times numstats against the same run written plainly with C stdio, both reading one list of
# 1000 values from input.txt. One run lasts about a millisecond, mostly start-up, so each timed
# run starts the program CALLS times in a row. Both the printed line and output1.txt must be
# byte for byte the same.
#   bench/numstats.sh [CALLS] [RUNS]        (defaults: 200 and 5; the best run of each counts)
set -euo pipefail

calls="${1:-200}"
runs="${2:-5}"
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build_release
cc -O2 -o "$work/stdio" "$root/bench/numstats_stdio.c"
ours="$root/build/release/bin/numstats"

mkdir "$work/ours" "$work/c"
awk 'BEGIN {
    print 1000
    for (i = 0; i < 1000; i++)
        printf "%d%s", (i * 7919 % 20001 - 10000) * 100003, i % 10 == 9 ? "\n" : " "
}' >"$work/ours/input.txt"
cp "$work/ours/input.txt" "$work/c/input.txt"

(cd "$work/ours" && "$ours" >stdout)
(cd "$work/c" && "$work/stdio" >stdout)
for file in stdout output1.txt; do
    cmp -s "$work/ours/$file" "$work/c/$file" || {
        echo "the two runs differ in $file:"
        cmp "$work/ours/$file" "$work/c/$file" || true
        exit 1
    }
done

# start_calls PROGRAM: starts PROGRAM $calls times, one after the other.
start_calls() {
    local k
    for ((k = 0; k < calls; k++)); do "$1"; done
}

cd "$work/ours"
ours_seconds=$(best_seconds /dev/null start_calls "$ours")
stdio_seconds=$(best_seconds /dev/null start_calls "$work/stdio")
echo "1000 values, $calls calls a run, same results: numstats ${ours_seconds}s," \
    "C stdio ${stdio_seconds}s, ratio $(ratio "$ours_seconds" "$stdio_seconds") (below 1 is faster)"
peak_memory /dev/null "$ours" "$work/stdio"
