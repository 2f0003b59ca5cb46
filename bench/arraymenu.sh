#!/usr/bin/env bash
# Times arraymenu against the same dialogue written plainly with C stdio, both fed one scripted
# session (an entry of 100 elements, then PASSES menu passes mixing listing, search, statistics
# and invalid choices, then the exit choice) with their output into /dev/null. Both outputs are
# first checked to be byte-identical. Prints both times and the ratio (ours / stdio).
#   bench/arraymenu.sh [PASSES] [RUNS]      (defaults: 50000 and 5; the best run of each counts)
set -euo pipefail

passes="${1:-50000}"
runs="${2:-5}"
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build_release
cc -O2 -o "$work/stdio" "$root/bench/arraymenu_stdio.c"
ours="$root/build/release/bin/arraymenu"

awk -v passes="$passes" 'BEGIN {
    printf "1\n100\n"
    for (i = 0; i < 100; i++) printf "%d\n", (i * 7919 % 20001 - 10000) * 100003
    for (p = 0; p < passes; p++) {
        k = p % 6
        if (k == 0) printf "2\n"
        else if (k == 1) printf "3\n%d\n", ((p * 7 % 100) * 7919 % 20001 - 10000) * 100003
        else if (k == 2) printf "3\n%d\n", p
        else if (k == 3) printf "4\n"
        else if (k == 4) printf "%d\n", (p % 2 == 0) ? 0 : 7
        else printf "-1\n"
    }
    printf "5\n"
}' >"$work/session"

same_output "$work/session" "$ours" "$work/stdio"

read -r ours_seconds stdio_seconds < <(best_seconds "$work/session" "$ours" "$work/stdio")
echo "$passes passes, $(wc -c <"$work/session") bytes in, $(wc -c <"$work/ours.out") bytes out:" \
    "arraymenu ${ours_seconds}s, stdio ${stdio_seconds}s, ratio" \
    "$(ratio "$ours_seconds" "$stdio_seconds")"
peak_memory "$work/session" "$ours" "$work/stdio"
