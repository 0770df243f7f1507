#!/usr/bin/env bash
# Checks a built Debian package of the composers as Debian would and installs it on this
# machine (as root): lintian at its most pedantic, every member root's and writable by root
# only, then, installed, the programs' hardening (hardening-check), the AppStream metadata
# (appstreamcli) and desktop entries (desktop-file-validate), the manual pages,
# composer-replay's round trip through decode; each program started under a real X server,
# shown, ended by Escape with status 0, and started again on Wayland (weston, headless),
# drawn and silent. Any finding fails the run.
# The package is removed again at the end, and weston, Xvfb and their files with it.
#   scripts/package_test.sh orvo-composers_<version>_amd64.deb
set -euo pipefail

deb=$1
package=$(dpkg-deb -f "$deb" Package)
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
fail() { echo "FAIL: $*" >&2; exit 1; }

if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    echo "$package is installed already; remove it first" >&2
    exit 1
fi

# lintian and the programs keep their files here (lintian would leave some in /tmp).
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TMPDIR=$work XDG_RUNTIME_DIR=$work

# Every tag fails the run unless the package's overrides name it with a reason (shown as
# O: after its N: lines).
echo "lintian --pedantic"
tags=$(lintian --pedantic --display-info --show-overrides "$deb" 2> >(grep -v '^running with root privileges' >&2)) ||
    fail "lintian: $tags"
echo "$tags"
! grep -E '^[EWIP]: ' <<<"$tags" >/dev/null || fail "lintian found the tags above"

# Every member, in the package's control part and in what it installs, is root's and writable
# by its owner only, whatever the umask it was built with.
for part in --ctrl-tarfile --fsys-tarfile; do
    members=$(dpkg-deb "$part" "$deb" | tar -tv --numeric-owner)
    ! grep -vE '^.{10} 0/0 ' <<<"$members" || fail "members above not owned by root"
    ! grep -E '^.{5}w|^.{8}w' <<<"$members" || fail "members above writable by others than their owner"
done
echo "every member owned by root, writable by root only"

source "$(dirname "$0")/../tests/e2e/x_session.sh"
source "$(dirname "$0")/../tests/e2e/wayland_session.sh"
on_session_end() {
    stop_wayland_session
    rm -rf "$work"
    echo "removing $package"
    $sudo dpkg -r "$package" >/dev/null
}
trap stop_x_session EXIT
echo "installing $deb"
$sudo dpkg -i "$deb" || DEBIAN_FRONTEND=noninteractive $sudo apt-get install -f -y -qq
files=$(dpkg -L "$package")

# Position independence, stack protector, RELRO and immediate binding must be found.
# Fortified functions are reported but not required: the programs call memcpy, memmove and
# memset only on buffers whose size the compiler cannot know, so _FORTIFY_SOURCE has nothing
# to replace (the false alarm hardening-check's manual describes; level 3 finds none
# either). Debian 12's flags ask for no control-flow protection.
hardening-check --nofortify --nocfprotection /usr/bin/rustle /usr/bin/pulsar /usr/bin/twinwave /usr/bin/composer-replay

# Any finding, even a pedantic one, fails; desktop-file-validate prints only findings.
metainfo=$(grep '^/usr/share/metainfo/.*\.metainfo\.xml$' <<<"$files")
[ "$(wc -l <<<"$metainfo")" -eq 3 ] || fail "not three metainfo files: $metainfo"
report=$(appstreamcli validate --no-net --pedantic $metainfo) || fail "appstreamcli: $report"
! grep -E '^ *[EWIP]: ' <<<"$report" || fail "appstreamcli found the issues above"
echo "appstreamcli validate --no-net --pedantic: $report"
findings=$(desktop-file-validate /usr/share/applications/{rustle,pulsar,twinwave}.desktop 2>&1) || fail "$findings"
[ -z "$findings" ] || fail "desktop-file-validate: $findings"

for command in rustle pulsar twinwave composer-replay; do
    [ "$(man -w "$command")" = "/usr/share/man/man1/$command.1.gz" ] || fail "man finds no page for $command"
done
composer-replay --help >/dev/null || fail "composer-replay --help: status $?"
# Bytes into clicks and back through the installed tool.
bytes=8114188704008714
show=$(composer-replay decode twinwave 0 "$bytes" | composer-replay twinwave)
[ "${show##* output=}" = "$bytes" ] || fail "decoded and replayed, $bytes came back as: $show"
echo "manual pages found; composer-replay --help; $bytes decoded and replayed"

# The screenshot shows the program's window (anything not the plain background) at least
# as large as its client area on X, and at the foot of the window, where the client area
# is, more than a few colours: the controls and their text drawn.
wayland_drawn() {
    local shot=$wayland_dir/shot.png box width height x y border client colours
    for _ in $(seq 40); do
        sleep 0.25
        wayland_screenshot "$shot" || continue
        box=$(identify -format '%@' "$shot" 2>/dev/null)
        read -r width height x y <<<"${box//[x+]/ }"
        [ "$width" -ge "$WIDTH" ] && [ "$height" -ge "$HEIGHT" ] || continue
        border=$(((width - WIDTH) / 2))
        client="${WIDTH}x${HEIGHT}+$((x + border))+$((y + height - HEIGHT - border))"
        colours=$(identify -format '%k' "$shot[$client]")
        [ "$colours" -ge 16 ] && { echo "window ${width}x$height, $colours colours in its client area"; return; }
    done
    echo "no window with a drawn client area of ${WIDTH}x$HEIGHT on Wayland (last: $box)"
    return 1
}

start_x_server
start_wayland_session
for program in rustle pulsar twinwave; do
    [ "$(command -v "$program")" = "/usr/bin/$program" ] || fail "no /usr/bin/$program"
    grep -qx "/usr/share/icons/hicolor/32x32/apps/$program.png" <<<"$files" || fail "no icon for $program"
    title=$(sed -n 's/^Name=//p' "/usr/share/applications/$program.desktop")
    start_program "$title" "/usr/bin/$program"
    end_program || fail "$program: exit status $? after Escape"
    echo "$program on X: shown, ended by Escape with status 0"
    # No key press reaches weston's headless output from here: SIGTERM ends the program.
    "${on_wayland[@]}" "/usr/bin/$program" 2>"$wayland_dir/$program.err" &
    app=$!
    drawn=$(wayland_drawn) || fail "$program: $drawn; $(cat "$wayland_dir/$program.err")"
    kill "$app"
    wait "$app" || true
    app=""
    [ ! -s "$wayland_dir/$program.err" ] || fail "$program on Wayland printed: $(cat "$wayland_dir/$program.err")"
    echo "$program on Wayland: $drawn, nothing on standard error"
done
echo "package $package: lintian clean, installed, hardened, validated, started on X and Wayland, removed"
