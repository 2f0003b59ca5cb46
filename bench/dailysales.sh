#!/usr/bin/env bash
# Times dailysales against the same dialogue written plainly with C stdio, both fed the same
# scripted session from a file and writing into /dev/null. The session enters 100 days, then
# makes PASSES menu passes that cycle through the listing, both sorted views, a search and an
# invalid choice, then exits. Both transcripts must be byte for byte the same.
#   bench/dailysales.sh [PASSES] [RUNS]     (defaults: 50000 and 5; the best run of each counts)
set -euo pipefail

passes="${1:-50000}"
runs="${2:-5}"
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build_release
cc -O2 -o "$work/stdio" "$root/bench/dailysales_stdio.c"

awk -v passes="$passes" 'BEGIN {
    print 1; print 100
    for (day = 1; day <= 100; day++) print (day * 7919) % 2001 - 1000
    for (k = 0; k < passes; k++) {
        step = k % 5
        if (step == 4) print 7
        else if (step == 3) print 5, (k * 37) % 2001 - 1000
        else print step + 2
    }
    print 6
}' >"$work/session"

ours="$root/build/release/bin/dailysales"
same_output "$work/session" "$ours" "$work/stdio"

read -r ours_time stdio_time < <(best_seconds "$work/session" "$ours" "$work/stdio")
bytes=$(wc -c <"$work/ours.out")
echo "$passes passes, $bytes bytes, same transcript: dailysales ${ours_time}s," \
    "C stdio ${stdio_time}s, ratio $(ratio "$ours_time" "$stdio_time") (below 1 is faster)"
peak_memory "$work/session" "$ours" "$work/stdio"
