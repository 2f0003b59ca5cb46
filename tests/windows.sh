#!/usr/bin/env bash
# Checks the Windows programs: builds the .zip (`cmake --workflow --preset windows`), takes the
# five .exe files out of it and runs every program test case that can hold on Windows against
# them under Wine, from the same tables as on this system. Windows writes its text with \r\n
# line ends, so \r\n counts as \n in standard output and in output1.txt. Cases that rest on what
# only this system gives (/dev/full, symbolic links, a folder as standard input, SIGPIPE) skip
# themselves and say why. Run by hand, not by CI: it needs two large packages (and a slow first
# start of Wine, which keeps its set-up in build/wine).
#   tests/windows.sh
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
programs=(dailysales numstats arraymenu payroll hollowtri)

missing=()
command -v x86_64-w64-mingw32-g++-posix >/dev/null || missing+=(g++-mingw-w64-x86-64-posix)
command -v wine >/dev/null && command -v wineserver >/dev/null || missing+=(wine wine64)
if [[ ${#missing[@]} -ne 0 ]]; then
    echo "windows: this check needs Debian's packages ${missing[*]}:" >&2
    echo "    sudo apt-get install ${missing[*]}" >&2
    exit 1
fi

work="$(mktemp -d)"
export WINEPREFIX="$root/build/wine" WINEDEBUG=-all
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT

# step TITLE COMMAND...: runs COMMAND, showing its log only when it fails.
step() {
    echo "windows: $1"
    shift
    "$@" >"$work/log" 2>&1 || {
        cat "$work/log"
        echo "windows: failed: $*" >&2
        exit 1
    }
}

cd "$root"
step "building the .zip" cmake --workflow --preset windows
step "building the tests" cmake --preset default
step "building the tests" cmake --build build/default --target "${programs[@]/%/_test}"

zips=(build/windows/packages/*.zip)
mkdir "$work/zip"
(cd "$work/zip" && cmake -E tar xf "$root/${zips[0]}")
folders=("$work"/zip/*/)
expected="$(printf '%s\n' README.txt "${programs[@]/%/.exe}" | sort)"
found="$(cd "${folders[0]}" && find . -type f -printf '%P\n' | sort)"
if [[ "$found" != "$expected" ]]; then
    echo "windows: the zip should hold" $expected "and nothing else, not" $found >&2
    exit 1
fi

# The first start of Wine sets up its folder, and every start is quick while its server stays.
wineserver -k 2>/dev/null || true
wineserver -p
step "starting Wine" wineboot --init

export TEST_RUNNER="$(command -v wine)" TEST_PROGRAM_DIR="${folders[0]}" TEST_PROGRAM_SUFFIX=.exe
export TEST_CRLF=1
failed=()
for program in "${programs[@]}"; do
    echo "windows: $program.exe"
    "build/default/bin/${program}_test" --gtest_brief=1 || failed+=("$program")
done

if [[ ${#failed[@]} -ne 0 ]]; then
    echo "windows: failed: ${failed[*]}" >&2
    exit 1
fi
echo "windows: every case that can hold on Windows passed for the five programs in $(basename "${zips[0]}")"
