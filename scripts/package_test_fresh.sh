#!/usr/bin/env bash
# Installs a built Debian package of the composers into a freshly bootstrapped Debian 12 root
# (as root), so that apt must bring every library, plugin and font the programs need from the
# archive, then starts each installed program in that root under Xvfb and checks that it shows
# its dialog, ends with status 0 when Escape is pressed in it and prints nothing, and that its
# icon and desktop entry are in place. Xvfb and xdotool are installed into the root only to
# run the programs.
#   scripts/package_test_fresh.sh orvo-composers_<version>_amd64.deb [directory]
# The root is made in the given (new or empty) directory, else in a temporary one under build/
# that is removed again when every check passed.
set -euo pipefail

deb=$(realpath "$1")
package=$(dpkg-deb -f "$deb" Package)
mirror=http://deb.debian.org/debian
[ "$(id -u)" -eq 0 ] || { echo "run as root: debootstrap and chroot need it" >&2; exit 1; }
command -v debootstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap

if [ $# -ge 2 ]; then
    work=$(realpath -m "$2") keep=1
    [ -z "$(ls -A "$work" 2>/dev/null)" ] || { echo "$work is not empty" >&2; exit 1; }
    mkdir -p "$work"
else
    mkdir -p "$(dirname "$0")/../build"
    work=$(mktemp -d "$(realpath "$(dirname "$0")/../build")/fresh.XXXXXX") keep=0
fi
root=$work/root
xvfb=""
cleanup() {
    local status=$?
    set +e
    [ -n "$xvfb" ] && kill "$xvfb" && wait "$xvfb" 2>/dev/null
    for mount in dev/pts sys proc; do
        mountpoint -q "$root/$mount" && umount "$root/$mount"
    done
    if [ "$status" -eq 0 ] && [ "$keep" -eq 0 ] && ! findmnt -rn -o TARGET | grep -q "^$root/"; then
        rm -rf --one-file-system "$work"
    else
        echo "root and logs kept in $work"
    fi
    exit "$status"
}
trap cleanup EXIT
# Nothing of this machine's environment reaches the programs but what is set here.
root_env=(env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive)
in_root() { chroot "$root" "${root_env[@]}" "$@"; }
installed_count() { in_root dpkg -l | grep -c '^ii'; }

echo "bootstrapping Debian 12 (minbase) into $root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
    { tail -20 "$work/debootstrap.log" >&2; exit 1; }
# The archive areas of a newly installed Debian 12.
cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb http://deb.debian.org/debian-security bookworm-security main
EOF
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount -t sysfs sys "$root/sys"
mount -t devpts devpts "$root/dev/pts" -o newinstance,ptmxmode=0666
cp "$deb" "$root/tmp/"
base=$(installed_count)

echo "installing $(basename "$deb") with apt"
in_root apt-get update -qq >"$work/apt.log" 2>&1 || { tail -20 "$work/apt.log" >&2; exit 1; }
in_root apt-get install -y "/tmp/$(basename "$deb")" >>"$work/apt.log" 2>&1 ||
    { tail -20 "$work/apt.log" >&2; exit 1; }
grep -E '^[0-9]+ upgraded, [0-9]+ newly installed' "$work/apt.log"
with_package=$(installed_count)
echo "packages: $base in the bare root, $with_package with $package ($((with_package - base)) new, $package included)"
# The dialogs ask for Japanese faces; without a font that covers Japanese their text is boxes.
fonts=$(in_root fc-list :lang=ja family | cut -d, -f1 | sort -u | paste -sd' ')
[ -n "$fonts" ] || { echo "no font for Japanese text installed" >&2; exit 1; }
echo "fonts for Japanese text: $fonts"
in_root apt-get install -y --no-install-recommends xvfb xdotool >"$work/harness.log" 2>&1 ||
    { tail -20 "$work/harness.log" >&2; exit 1; }
echo "test harness: $(($(installed_count) - with_package)) packages for Xvfb and xdotool"

# Xvfb picks a free display and writes its number once it accepts clients.
chroot "$root" "${root_env[@]}" Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$root/tmp/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$root/tmp/display" ] && break; sleep 0.1; done
display=":$(cat "$root/tmp/display")"
[ "$display" != ":" ] || { echo "Xvfb did not start" >&2; exit 1; }
in_root install -d -m 700 /tmp/runtime

files=$(in_root dpkg -L "$package")
for program in rustle pulsar twinwave; do
    in_root test -x "/usr/bin/$program" || { echo "$program: no /usr/bin/$program" >&2; exit 1; }
    for file in "/usr/share/applications/$program.desktop" "/usr/share/icons/hicolor/32x32/apps/$program.png"; do
        grep -qx "$file" <<<"$files" || { echo "$program: $file not in $package" >&2; exit 1; }
    done
    # Shown once its window is mapped; then Escape in it, as a user would end it.
    in_root DISPLAY="$display" XDG_RUNTIME_DIR=/tmp/runtime QT_QPA_PLATFORM=xcb \
        timeout 60 "/usr/bin/$program" >"$work/$program.log" 2>&1 &
    app=$!
    window=$(in_root DISPLAY="$display" timeout 30 xdotool search --sync --onlyvisible --class "^$program\$" | head -n1) ||
        { echo "$program: no window shown: $(cat "$work/$program.log")" >&2; exit 1; }
    in_root DISPLAY="$display" xdotool windowfocus --sync "$window" key Escape
    status=0
    wait "$app" || status=$?
    output=$(cat "$work/$program.log")
    [ "$status" -eq 0 ] || { echo "$program: FAILED with status $status: $output" >&2; exit 1; }
    [ -z "$output" ] || { echo "$program: ended with status 0 but printed: $output" >&2; exit 1; }
    echo "$program: shown, ended by Escape with status 0, silently"
done
echo "package $package: installed into a fresh Debian 12 root and started ($(du -sh --one-file-system "$root" | cut -f1), ${SECONDS} s)"
