#!/usr/bin/env bash
# Checks the packages that `cmake --workflow --preset package` makes: each holds the five
# programs and their manual pages and nothing else, the .deb has a version, a maintainer and a
# summary and depends on the C library alone, and the programs taken out of either package run
# by themselves, without the C++ runtime.
#   tests/packages.sh [FOLDER]      (default: build/release/packages)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
folder="${1:-$root/build/release/packages}"
programs=(arraymenu dailysales hollowtri numstats payroll)
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

shopt -s nullglob
debs=("$folder"/*.deb)
tarballs=("$folder"/*.tar.gz)
if [[ ${#debs[@]} -ne 1 || ${#tarballs[@]} -ne 1 ]]; then
    echo "expected one .deb and one .tar.gz in $folder"
    exit 1
fi
deb="${debs[0]}"
tarball="${tarballs[0]}"
top="$(basename "$tarball" .tar.gz)"

# same_lines WHAT EXPECTED ACTUAL: the two texts hold the same lines, in any order.
same_lines() {
    if ! diff <(sort <<<"$2") <(sort <<<"$3") >"$work/diff"; then
        fail "$1 (< expected, > found):"
        cat "$work/diff"
    fi
}

# The file lists, directories left out.
expected_deb="" expected_tarball=""
for program in "${programs[@]}"; do
    expected_deb+="./usr/bin/$program"$'\n'"./usr/share/man/man1/$program.1.gz"$'\n'
    expected_tarball+="$top/bin/$program"$'\n'"$top/share/man/man1/$program.1"$'\n'
done
same_lines "the files of $(basename "$deb")" "${expected_deb%$'\n'}" \
    "$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }')"
same_lines "the files of $(basename "$tarball")" "${expected_tarball%$'\n'}" \
    "$(tar -tzf "$tarball" | grep -v '/$')"

# The control fields: the tarball is named after the same version.
version="$(dpkg-deb -f "$deb" Version)"
[[ -n "$version" && "$top" == *"-$version-"* ]] ||
    fail "the .deb's version '$version' is not the one in the name $top"
for field in Maintainer Description; do
    [[ -n "$(dpkg-deb -f "$deb" "$field")" ]] || fail "the .deb has no $field"
done
depends="$(dpkg-deb -f "$deb" Depends)"
[[ "$depends" =~ ^libc6(\ \(\>=\ [0-9.]+\))?$ ]] ||
    fail "the .deb should depend on the C library alone, not on '$depends'"

dpkg-deb -x "$deb" "$work/deb"
mkdir "$work/tarball"
tar -xzf "$tarball" -C "$work/tarball"

# The manual pages are the ones in the source tree.
for program in "${programs[@]}"; do
    gzip -dc "$work/deb/usr/share/man/man1/$program.1.gz" | cmp -s - "$root/$program/$program.1" ||
        fail "the .deb's manual page of $program differs from $program/$program.1"
    cmp -s "$work/tarball/$top/share/man/man1/$program.1" "$root/$program/$program.1" ||
        fail "the tarball's manual page of $program differs from $program/$program.1"
done

# run_case BIN PROGRAM INPUT OUTPUT: PROGRAM from the folder BIN, run in a fresh folder that
# holds a small input.txt, reads INPUT and must write exactly OUTPUT, nothing on standard
# error, and end with status 0.
run_case() {
    local bin="$1" program="$2" input="$3" output="$4" status=0
    rm -rf "$work/run" && mkdir "$work/run"
    printf '3\n4 -2 10\n' >"$work/run/input.txt"
    (cd "$work/run" && printf '%s' "$input" | "$bin/$program" >../stdout 2>../stderr) || status=$?
    printf '%s' "$output" >"$work/expected"
    [[ $status -eq 0 ]] || fail "$bin/$program ended with status $status"
    cmp -s "$work/expected" "$work/stdout" || fail "$bin/$program wrote another output"
    [[ ! -s "$work/stderr" ]] || fail "$bin/$program wrote on standard error"
    if ldd "$bin/$program" | grep -E -o 'libstdc\+\+[^ ]*|libgcc_s[^ ]*' >"$work/ldd"; then
        fail "$bin/$program needs the shared C++ runtime:" $(sort -u "$work/ldd")
    fi
}

sales_menu=$'\n=== Enhanced Sales Data Management Menu ===\n1. Input Sales Data
2. Display Sales Data\n3. Sort Sales Data in Ascending Order\n4. Sort Sales Data in Descending Order
5. Search for Sales Greater Than a Target\n6. Exit\nEnter your choice: '
array_menu=$'---menu---\n1. nhap data\n2. hien  data\n3. tim 1 so\n4. tinh toan\n5 exit\n'
payroll_run=$'Nhap so nhan vien (1-100): \n===== CHI TIET LUONG NHAN VIEN =====\n
--- Nhan vien 1 ---\nNhap luong co ban: Luong co ban: 5000000.00\nPhu cap: 1250000.00
Tong thu nhap: 6250000.00\nThue: 0.00\nThu nhap thuc nhan: 6250000.00\n
===== THONG KE CONG TY =====\nTong chi phi luong: 6250000.00\nSo nhan vien phu cap 25%: 1
So nhan vien phu cap 15%: 0\nSo nhan vien phu cap 10%: 0\n'

for bin in "$work/deb/usr/bin" "$work/tarball/$top/bin"; do
    run_case "$bin" dailysales $'6\n' "${sales_menu}Exiting program..."$'\n'
    run_case "$bin" arraymenu $'5\n' "${array_menu}thoat chuong trinh"$'\n'
    run_case "$bin" payroll $'1\n5000000\n' "$payroll_run"
    run_case "$bin" hollowtri $'2\n' $'Nhap n: OUTPUT:\n***\n *\n'
    run_case "$bin" numstats "" $'Results are writen to file output.txt\n'
    printf 'Sum: 12\nAverage: 4.00\nMax: 10\nMin: -2\n' | cmp -s - "$work/run/output1.txt" ||
        fail "$bin/numstats wrote another output1.txt"
done

if [[ $failures -ne 0 ]]; then
    echo "packages: $failures failed checks"
    exit 1
fi
echo "packages: $(basename "$deb") and $(basename "$tarball") hold the five programs and" \
    "their manual pages, and the programs run"
