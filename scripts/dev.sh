#!/usr/bin/env bash
# Sets up a Debian 12 machine for the composers and builds them.
#   scripts/dev.sh run [rustle|pulsar|twinwave]   install what is missing, build, start a program
#   scripts/dev.sh test                           install what is missing, build, run every test:
#                                                 static analysis, the plain build's tests, every
#                                                 test again under the sanitizers, the fuzz targets
#   scripts/dev.sh test-plain                     only the plain build's tests (quicker)
#   scripts/dev.sh coverage [windows]             the sanitizer build's tests, then line and branch
#                                                 coverage per folder and a report to browse
#                                                 (build/asan/coverage/index.html); with windows
#                                                 also the Win32 backend's, from the Windows tests
#                                                 under Wine (build/windows-coverage/coverage/)
#   scripts/dev.sh test-windows                   the Windows build (MinGW-w64) and its tests under
#                                                 Wine
#   scripts/dev.sh screenshots                    remake docs/*.png from the running programs
#   scripts/dev.sh bench                          build, run the benchmarks (docs/PERFORMANCE.md),
#                                                 the Windows programs' start-up under Wine too
#   scripts/dev.sh package                        build the Debian package in build/package, with
#                                                 Debian's compiler flags (dpkg-buildflags)
#   scripts/dev.sh package-test                   build it, check it with lintian, install it here
#                                                 (root), check the programs' hardening, metadata
#                                                 and manual pages, start each program under Xvfb
#                                                 and on Wayland (weston), remove it again
#   scripts/dev.sh package-test-fresh             build it, install it into a fresh Debian 12 root
#                                                 made with debootstrap (root), start each program
#   scripts/dev.sh package-windows                build the Windows programs and zip them with the
#                                                 README and the licence (build/windows/*.zip)
#   scripts/dev.sh release                        from the committed tree only, make in dist/ the
#                                                 source archive, the package and the zip, checked,
#                                                 and SHA256SUMS (docs/RELEASING.md)
#   scripts/dev.sh release-check                  make the release twice, in two fresh clones, and
#                                                 compare: it must be the same bytes
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ libgtest-dev libbenchmark-dev qt6-base-dev libqt6test6 fonts-ipafont-gothic xvfb x11-utils
    xdotool xclip imagemagick openbox wmctrl desktop-file-utils help2man groff-base man-db)

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

# The Windows programs, cross-built; the default build's composer_icons draws their icons.
# strip-nondeterminism dates and orders the zip's members (cmake/ReproduciblePackage.cmake).
windows_packages=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest icoutils wine wine64 netpbm
    strip-nondeterminism)
build_windows() {
    cmake --preset default >/dev/null
    cmake --build --preset default --target composer_icons
    cmake --preset windows >/dev/null
    cmake --build --preset windows
}

# counted_tests PRESET: configures and builds a preset made with coverage counts and runs its
# tests; the counts are the tests' alone, not the build's.
counted_tests() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
    find "build/$1" -name '*.gcda' -delete
    ctest --preset "$1"
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
test-plain)
    install_missing
    build
    ctest --preset default
    ;;
test-windows)
    packages+=("${windows_packages[@]}")
    install_missing
    build_windows
    ctest --preset windows
    ;;
package-windows)
    packages+=("${windows_packages[@]}")
    install_missing
    build_windows
    rm -f build/windows/orvo-composers-*.zip
    (cd build/windows && cpack -G ZIP)
    cmake -E tar tf build/windows/orvo-composers-*-windows-x64.zip
    ;;
test)
    # clang and its runtime build the fuzz targets; clang-tidy and cppcheck check the sources;
    # gcovr reports the sanitizer build's coverage.
    packages+=(clang-14 libclang-rt-14-dev clang-tidy-14 cppcheck valgrind gcovr "${windows_packages[@]}")
    install_missing
    build
    build_windows
    # The Windows tests mostly wait on Wine and their X servers, the static analysis and the
    # fuzz targets only compute: they run side by side, and the Windows tests' report follows.
    ctest --preset windows >build/windows/ctest.log 2>&1 &
    windows_tests=$!
    beside_status=0
    {
        scripts/lint.sh build/default build/windows &&
            cmake --preset fuzz >/dev/null && cmake --build --preset fuzz && ctest --preset fuzz
    } || beside_status=$?
    windows_status=0
    wait "$windows_tests" || windows_status=$?
    cat build/windows/ctest.log
    [ "$beside_status" -eq 0 ] && [ "$windows_status" -eq 0 ] || exit 1
    ctest --preset default
    counted_tests asan
    scripts/coverage.sh build/asan
    ;;
coverage)
    packages+=(gcovr)
    [ "${2:-}" = windows ] && packages+=("${windows_packages[@]}")
    install_missing
    build
    counted_tests asan
    scripts/coverage.sh build/asan --html build/asan/coverage
    echo "report: build/asan/coverage/index.html"
    if [ "${2:-}" = windows ]; then
        # A build of its own, Debug with the counts: the shipped one stays as it is. Wine writes
        # the counts where the objects' absolute paths say, through its drive Z:.
        cmake --build --preset default --target composer_icons
        counted_tests windows-coverage
        scripts/coverage.sh build/windows-coverage --html build/windows-coverage/coverage
        echo "report: build/windows-coverage/coverage/index.html"
    fi
    ;;
screenshots)
    packages+=(scrot "${windows_packages[@]}")
    install_missing
    build
    SCREENSHOT_DIR="$PWD/docs" ctest --preset default -R '^e2e\.(rustle|pulsar|twinwave)$'
    SCREENSHOT_DIR="$PWD/docs/scaling" ctest --preset default -R 'ScreenScale\.'
    build_windows
    SCREENSHOT_DIR="$PWD/docs" ctest --preset windows -R '^e2e\.pulsar(\.144dpi)?$'
    ;;
bench)
    packages+=("${windows_packages[@]}")
    install_missing
    build
    cmake --build --preset default --target bench
    build_windows
    cmake --build --preset windows --target bench
    ;;
package | package-test | package-test-fresh)
    # dpkg-dev: dpkg-buildflags, and dpkg-shlibdeps for the package's dependencies;
    # devscripts: hardening-check; lintian and appstream check the package; weston,
    # qt6-wayland and imagemagick run and see the programs on Wayland.
    packages+=(dpkg-dev devscripts lintian appstream weston qt6-wayland imagemagick)
    install_missing
    # Built as Debian builds its packages: the hardening flags of dpkg-buildflags (stack
    # protector, _FORTIFY_SOURCE, RELRO, immediate binding). CMake reads no CPPFLAGS, so
    # they go with the compiler's flags.
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    cmake --preset package -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
        -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
    cmake --build --preset package
    rm -f build/package/orvo-composers_*.deb
    (cd build/package && cpack -G DEB)
    case $1 in
    package-test) scripts/package_test.sh build/package/orvo-composers_*.deb ;;
    package-test-fresh) scripts/package_test_fresh.sh build/package/orvo-composers_*.deb ;;
    esac
    ;;
release)
    # git makes the source archive, zipinfo lists the zip; the release's own scripts/dev.sh
    # installs what builds and checks the packages.
    packages+=(git unzip)
    install_missing
    scripts/release.sh
    ;;
release-check)
    # diffoscope-minimal shows where two releases differ.
    packages+=(git diffoscope-minimal)
    install_missing
    scripts/release_check.sh
    ;;
*)
    echo "usage: scripts/dev.sh run [rustle|pulsar|twinwave] | test | test-plain | test-windows | coverage [windows] | screenshots | bench | package | package-test | package-test-fresh | package-windows | release | release-check" >&2
    exit 2
    ;;
esac
