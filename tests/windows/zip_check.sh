#!/usr/bin/env bash
# Checks the zip that scripts/dev.sh package-windows makes, made here by cpack from the
# build: in one top folder it holds the four programs, README.txt and LICENSE.txt and
# nothing else; both texts are as every Notepad reads them, CR LF line ends only and
# README.txt UTF-8 with a byte-order mark, every placeholder of its template filled in and
# every line at most 79 columns wide.
#   zip_check.sh BUILD_DIR
set -euo pipefail
build=$1
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G ZIP --config "$build/CPackConfig.cmake" -B "$folder" >/dev/null
zip=$(echo "$folder"/*.zip)
top=$(basename "$zip" .zip)
members=$(cmake -E tar tf "$zip" | grep -v '/$' | sort)
expected=$(printf "$top/%s\n" composer-replay.exe LICENSE.txt pulsar.exe README.txt rustle.exe twinwave.exe | sort)
[ "$members" = "$expected" ] || fail "the zip holds"$'\n'"$members"$'\n'"instead of"$'\n'"$expected"

(cd "$folder" && cmake -E tar xf "$zip")
for text in README.txt LICENSE.txt; do
    file=$folder/$top/$text
    tr -d '\r' <"$file" | sed 's/$/\r/' | cmp -s - "$file" || fail "$text has a line end other than CR LF"
done
readme=$folder/$top/README.txt
[ "$(head -c 3 "$readme" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "README.txt starts with no UTF-8 byte-order mark"
iconv -f UTF-8 -t UTF-8 "$readme" >/dev/null || fail "README.txt is no UTF-8"
! grep -n '@[A-Za-z_]*@' "$readme" || fail "README.txt keeps a placeholder (above)"
width=$(tr -d '\r' <"$readme" | LC_ALL=C.UTF-8 wc -L)
[ "$width" -le 79 ] || fail "README.txt has a line $width columns wide"
echo "$top.zip: the programs, README.txt and LICENSE.txt, as Notepad reads them"
