#!/usr/bin/env bash
# Times hollowtri against the same triangle written one character at a time with putchar,
# both into /dev/null, and prints the ratio of their times (below 1 is faster) and how many
# times faster hollowtri is.
#   bench/hollowtri.sh [HEIGHT] [RUNS]      (defaults: 10000 and 5; the best run of each counts)
set -euo pipefail

height="${1:-10000}"
runs="${2:-5}"
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build_release
cc -O2 -o "$work/putchar" "$root/bench/hollowtri_putchar.c"
echo "$height" >"$work/height"

read -r ours reference < <(best_seconds "$work/height" "$root/build/release/bin/hollowtri" \
    "$work/putchar")
bytes=$("$root/build/release/bin/hollowtri" <"$work/height" | wc -c)
echo "height $height, $bytes bytes: hollowtri ${ours}s, putchar ${reference}s," \
    "ratio $(ratio "$ours" "$reference") (below 1 is faster)," \
    "$(ratio "$reference" "$ours") times faster"
peak_memory "$work/height" "$root/build/release/bin/hollowtri" "$work/putchar"
