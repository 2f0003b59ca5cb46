# Shared by the benchmark scripts: source it after setting `runs`.
# Sets `root` (the repository) and `work` (a temporary folder removed at exit).

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Builds the optimised programs; the log shows only when the build fails.
build_release() {
    cmake --preset release -S "$root" >"$work/log" 2>&1 &&
        cmake --build "$root/build/release" >>"$work/log" 2>&1 || {
        cat "$work/log"
        exit 1
    }
}

# same_output INPUT OURS REFERENCE: runs both on INPUT, keeping OURS's output in $work/ours.out,
# and ends the script unless both wrote the same bytes.
same_output() {
    "$2" <"$1" >"$work/ours.out"
    "$3" <"$1" >"$work/reference.out"
    cmp -s "$work/ours.out" "$work/reference.out" || {
        echo "the outputs differ:"
        cmp "$work/ours.out" "$work/reference.out" || true
        exit 1
    }
}

# best_seconds INPUT OURS REFERENCE: the fastest of $runs runs of each command (a program or a
# function of the script) reading INPUT and writing into /dev/null, in seconds: "OURS REFERENCE".
# The two take turns, so that a machine busy with something else for a while slows both alike.
best_seconds() {
    local input="$1" best=("" "") start end k which
    shift
    for ((k = 0; k < runs; k++)); do
        for which in 0 1; do
            start=$(date +%s%N)
            "${@:which+1:1}" <"$input" >/dev/null
            end=$(date +%s%N)
            if [[ -z "${best[which]}" || $((end - start)) -lt ${best[which]} ]]; then
                best[which]=$((end - start))
            fi
        done
    done
    awk -v a="${best[0]}" -v b="${best[1]}" 'BEGIN { printf "%.4f %.4f\n", a / 1e9, b / 1e9 }'
}

# ratio A B: A / B with two decimals.
ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
}

# peak_memory INPUT OURS REFERENCE: the peak resident memory of a run of OURS and of REFERENCE,
# each reading INPUT and writing into /dev/null (GNU time's %M, the median of $runs runs).
peak_memory() {
    local input="$1" ours reference
    if [[ ! -x /usr/bin/time ]]; then
        echo "peak memory: no /usr/bin/time (Debian's time package)"
        return
    fi
    ours=$(median_peak_kb "$input" "$2")
    reference=$(median_peak_kb "$input" "$3")
    echo "peak memory: ${ours} kB, reference ${reference} kB (a difference of $((ours - reference)) kB)"
}

# median_peak_kb INPUT PROGRAM: the median peak resident memory of $runs runs, in kB.
median_peak_kb() {
    local k
    for ((k = 0; k < runs; k++)); do
        /usr/bin/time -f %M -o "$work/peak" "$2" <"$1" >/dev/null
        tail -n 1 "$work/peak"
    done | sort -n | awk '{ kb[NR] = $1 } END { print kb[int((NR + 1) / 2)] }'
}
