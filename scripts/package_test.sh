#!/usr/bin/env bash
# Installs a built Debian package of the composers on this machine (as root), starts each
# installed program under a real X server, checks that it shows its dialog and ends with
# status 0 and that its icons and desktop entry are in place, then removes the package.
#   scripts/package_test.sh orvo-composers_<version>_amd64.deb
set -euo pipefail

deb=$1
package=$(dpkg-deb -f "$deb" Package)
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo

if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    echo "$package is installed already; remove it first" >&2
    exit 1
fi
echo "installing $deb"
xvfb=""
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    echo "removing $package"
    $sudo dpkg -r "$package" >/dev/null
}
trap cleanup EXIT
$sudo dpkg -i "$deb" || DEBIAN_FRONTEND=noninteractive $sudo apt-get install -f -y -qq

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

for program in rustle pulsar twinwave; do
    [ "$(command -v "$program")" = "/usr/bin/$program" ] || { echo "no /usr/bin/$program" >&2; exit 1; }
    dpkg -L "$package" | grep -qx "/usr/share/applications/$program.desktop"
    dpkg -L "$package" | grep -qx "/usr/share/icons/hicolor/32x32/apps/$program.png"
    start=$(date +%s%N)
    DISPLAY=$display QT_QPA_PLATFORM=xcb ORVO_CLOSE_WHEN_SHOWN=1 timeout 60 "/usr/bin/$program"
    echo "$program: shown and ended with status 0 after $(( ($(date +%s%N) - start) / 1000000 )) ms"
done
echo "package $package: installed, started, removed"
