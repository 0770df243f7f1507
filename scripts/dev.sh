#!/usr/bin/env bash
# Sets up a Debian 12 machine for the composers and builds them.
#   scripts/dev.sh run [rustle|pulsar|twinwave]   install what is missing, build, start a program
#   scripts/dev.sh test                           install what is missing, build, run every test
#   scripts/dev.sh screenshots                    remake docs/*.png from the running programs
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ libgtest-dev qt6-base-dev libqt6test6 fonts-ipafont-gothic xvfb x11-utils xdotool xclip)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    cmake --preset default >/dev/null
    cmake --build --preset default
}

case "${1:-}" in
run)
    install_missing
    build
    program="${2:-pulsar}"
    case $program in
    rustle | pulsar | twinwave) exec "build/default/$program/$program" ;;
    *) echo "no program '$program': rustle, pulsar or twinwave" >&2; exit 2 ;;
    esac
    ;;
test)
    install_missing
    build
    ctest --preset default
    ;;
screenshots)
    packages+=(scrot)
    install_missing
    build
    SCREENSHOT_DIR="$PWD/docs" ctest --preset default -R '^e2e\.'
    ;;
*)
    echo "usage: scripts/dev.sh run [rustle|pulsar|twinwave] | scripts/dev.sh test" >&2
    exit 2
    ;;
esac
