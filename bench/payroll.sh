#!/usr/bin/env bash
# Times payroll against the same dialogue written plainly with C stdio, both fed one scripted
# session from a file and writing into /dev/null: a few refused counts, then 100 employees,
# each salary preceded by REJECTED refused answers (words, empty lines, negative amounts,
# numbers after a letter). Both transcripts must be byte for byte the same.
#   bench/payroll.sh [REJECTED] [RUNS]      (defaults: 1000 and 5; the best run of each counts)
set -euo pipefail

rejected="${1:-1000}"
runs="${2:-5}"
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build_release
cc -O2 -o "$work/stdio" "$root/bench/payroll_stdio.c"
ours="$root/build/release/bin/payroll"

awk -v rejected="$rejected" 'BEGIN {
    print "none"; print 0; print 101; print 100
    for (e = 1; e <= 100; e++) {
        for (k = 0; k < rejected; k++) {
            step = k % 4
            if (step == 0) print "salary"
            else if (step == 1) print ""
            else if (step == 2) printf "-%d.%02d\n", (k * 7919) % 30000000, k % 100
            else print "x " k
        }
        printf "%d.%02d\n", (e * 7919 * 37) % 30000000, e % 100
    }
}' >"$work/session"

same_output "$work/session" "$ours" "$work/stdio"

read -r ours_seconds stdio_seconds < <(best_seconds "$work/session" "$ours" "$work/stdio")
echo "100 employees, $rejected refused answers each, $(wc -c <"$work/ours.out") bytes out," \
    "same transcript: payroll ${ours_seconds}s, C stdio ${stdio_seconds}s," \
    "ratio $(ratio "$ours_seconds" "$stdio_seconds") (below 1 is faster)"
peak_memory "$work/session" "$ours" "$work/stdio"
