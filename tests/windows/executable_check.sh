#!/usr/bin/env bash
# Checks a Windows executable of the build as a machine without our tools and Explorer see
# it: it imports only DLLs that every Windows has, and the icon it carries is the program's
# icon, pixel for pixel, at the size of each image given.
#   executable_check.sh EXE [ICON.png...]
set -euo pipefail

exe=$1
shift
fail() { echo "FAIL: $exe: $*" >&2; exit 1; }

system_dlls=" kernel32.dll user32.dll gdi32.dll comctl32.dll msvcrt.dll "
for dll in $(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print tolower($3) }'); do
    [[ $system_dlls == *" $dll "* ]] || fail "imports $dll, which Windows does not bring"
done

[ $# -eq 0 ] && exit 0
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
wrestool --extract --type=group_icon "$exe" --output="$folder/carried.ico" || fail "carries no icon"
icotool --extract --output="$folder" "$folder/carried.ico"
# Colours and transparency of every pixel, as netpbm reads them out of each PNG.
pixels() { pngtopam -alphapam "$1"; }
for image in "$@"; do
    size=$(pngtopam "$image" | pamfile | sed -E 's/.* ([0-9]+) by ([0-9]+) .*/\1x\2/')
    carried=$(ls "$folder"/carried_*_"$size"x*.png 2>/dev/null | head -n1)
    [ -n "$carried" ] || fail "carries no $size icon"
    cmp -s <(pixels "$image") <(pixels "$carried") || fail "its $size icon differs from $image"
done
echo "$(basename "$exe"): system DLLs only; icon as $*"
