#!/usr/bin/env bash
# Installs the build into a scratch root as a package would (prefix /usr) and checks what
# a desktop needs: each program, its icon in every theme size as a PNG of that size, a
# desktop entry that names them, AppStream metadata that names the entry, and a manual page
# (composer-replay's too); that no
# program carries a name of an environment variable of ours (they read none); then starts
# each installed program under a real X server, which must show its dialog with the entry's
# name as its title and end with status 0 on Escape.
#   install_check.sh BUILD_DIR [desktop-file-validate]
set -euo pipefail

build=$1 validate=${2:-}
root=$(mktemp -d)
on_session_end() { rm -rf "$root"; }
source "$(dirname "$0")/../e2e/x_session.sh"
trap stop_x_session EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
start_x_server

fail() { echo "FAIL: $*" >&2; exit 1; }

# Width and height from a PNG's header chunk.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'; }

entry_value() { sed -n "s/^$2=//p" "$1" | head -n1; }

# Bytes COUNT from OFFSET of FILE, as decimal numbers separated by single spaces.
bytes() { od -An -tu1 -j"$2" -N"$3" "$1" | xargs; }

for program in rustle pulsar twinwave; do
    [ -x "$root/usr/bin/$program" ] || fail "no program /usr/bin/$program"
    for size in 16 32 48 64 128; do
        icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/$program.png
        [ -f "$icon" ] || fail "no ${size}x${size} icon for $program"
        [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] || fail "$icon is no PNG"
        [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "$icon is $(png_size "$icon")"
    done
    entry=$root/usr/share/applications/$program.desktop
    [ -f "$entry" ] || fail "no desktop entry for $program"
    for key in Name 'Name\[ja\]' Comment Icon Exec Categories; do
        [ -n "$(entry_value "$entry" "$key")" ] || fail "$entry has no $key"
    done
    [ "$(entry_value "$entry" Exec)" = "$program" ] || fail "$entry starts $(entry_value "$entry" Exec)"
    [ "$(entry_value "$entry" Icon)" = "$program" ] || fail "$entry shows icon $(entry_value "$entry" Icon)"
    if [ -n "$validate" ]; then
        "$validate" "$entry" || fail "$entry is not a valid desktop entry"
    fi
    [ -f "$root/usr/share/man/man1/$program.1.gz" ] || fail "no manual page for $program"
    metainfo=$root/usr/share/metainfo/org.example.orvo.$program.metainfo.xml
    grep -q "<launchable type=\"desktop-id\">$program.desktop</launchable>" "$metainfo" ||
        fail "no AppStream metadata launching $program.desktop"
    names=$(strings "$root/usr/bin/$program" | grep -o 'ORVO_[A-Z_]*' | sort -u | paste -sd' ') || true
    [ -z "$names" ] || fail "$program carries $names"
    start_program "$(entry_value "$entry" Name)" "$root/usr/bin/$program" 2>/dev/null ||
        fail "installed $program showed no window titled $(entry_value "$entry" Name)"
    end_program || fail "installed $program ended with status $? after Escape"
    echo "$program: program, 5 icons, desktop entry, metadata and manual page in place; no ORVO_ name; shown, ended by Escape"
done
[ -x "$root/usr/bin/composer-replay" ] && [ -f "$root/usr/share/man/man1/composer-replay.1.gz" ] ||
    fail "no composer-replay or no manual page for it"
