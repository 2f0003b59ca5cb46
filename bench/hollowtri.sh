#!/usr/bin/env bash
# Times hollowtri against the same triangle written one character at a time with putchar,
# both into /dev/null, and prints how many times faster hollowtri is.
#   bench/hollowtri.sh [HEIGHT] [RUNS]      (defaults: 10000 and 5; the best run of each counts)
set -euo pipefail

height="${1:-10000}"
runs="${2:-5}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cmake --preset release -S "$root" >"$work/log" 2>&1 && cmake --build "$root/build/release" \
    >>"$work/log" 2>&1 || { cat "$work/log"; exit 1; }
cc -O2 -o "$work/putchar" "$root/bench/hollowtri_putchar.c"

best_seconds() { # command...: the fastest of $runs runs, in seconds
    local best="" start end
    for ((k = 0; k < runs; k++)); do
        start=$(date +%s%N)
        echo "$height" | "$@" >/dev/null
        end=$(date +%s%N)
        if [[ -z "$best" || $((end - start)) -lt $best ]]; then best=$((end - start)); fi
    done
    awk -v ns="$best" 'BEGIN { printf "%.4f", ns / 1e9 }'
}

ours=$(best_seconds "$root/build/release/bin/hollowtri")
reference=$(best_seconds "$work/putchar")
bytes=$(echo "$height" | "$root/build/release/bin/hollowtri" | wc -c)
echo "height $height, $bytes bytes: hollowtri ${ours}s, putchar ${reference}s," \
    "$(awk -v a="$ours" -v b="$reference" 'BEGIN { printf "%.1f", b / a }') times faster"
