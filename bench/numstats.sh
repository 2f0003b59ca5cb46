#!/usr/bin/env bash
# Times numstats against the same run written plainly with C stdio, both reading one list of
# 1000 values from input.txt. A run lasts a few milliseconds, almost all of it the start of a
# process, so a busy machine makes single runs far apart: the two programs are started STARTS
# times each, taking turns, every start is timed alone, and the median start of each counts.
# Both the printed line and output1.txt must be byte for byte the same.
#   bench/numstats.sh [STARTS] [RUNS]       (defaults: 1000 and 5; RUNS is for peak memory)
set -euo pipefail

starts="${1:-1000}"
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

# Microseconds of each start, ours then the C version's, a pair a line. $EPOCHREALTIME costs
# no process of its own.
cd "$work/ours"
for ((k = 0; k < starts; k++)); do
    t0=${EPOCHREALTIME/./}
    "$ours" >/dev/null
    t1=${EPOCHREALTIME/./}
    "$work/stdio" >/dev/null
    t2=${EPOCHREALTIME/./}
    echo "$((t1 - t0)) $((t2 - t1))"
done >"$work/starts"
median_of() {
    cut -d ' ' -f "$1" "$work/starts" | sort -n | awk '{ us[NR] = $1 } END { print us[int((NR + 1) / 2)] }'
}
ours_us=$(median_of 1)
stdio_us=$(median_of 2)
echo "1000 values, $starts starts each, same results: numstats ${ours_us} us a start," \
    "C stdio ${stdio_us} us, ratio $(ratio "$ours_us" "$stdio_us") (below 1 is faster)"
peak_memory /dev/null "$ours" "$work/stdio"
