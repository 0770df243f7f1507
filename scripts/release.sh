#!/usr/bin/env bash
# Makes the release of the commit checked out, in dist/: the source archive
# orvo-composers-<version>.tar.gz (git archive), the Debian package and the Windows zip built
# from that archive unpacked in build/release/, and SHA256SUMS over the three. The package
# checks run on what is built: package_test.sh (as root: it installs the package and removes
# it again) and the Windows executables' check. Any finding, or any uncommitted change,
# stops it. Every date in the files is SOURCE_DATE_EPOCH, the time of the commit, so that the
# release of a commit is the same, bit for bit, from any clean clone (docs/RELEASING.md).
#   scripts/release.sh     (scripts/dev.sh release installs what it needs first)
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "release: $*" >&2; exit 1; }

changes=$(git status --porcelain)
[ -z "$changes" ] || fail "uncommitted changes; a release is made from the committed tree only:
$changes"

version=$(cmake -P cmake/Changelog.cmake)
name=orvo-composers-$version
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH
echo "release $version of commit $(git rev-parse HEAD), SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH"

rm -rf dist build/release
mkdir -p dist build/release
# git archive dates every member with the commit; tar.umask gives them modes 644 and 755
# whatever the user's git configuration says, and gzip -n stores no name and no time.
git -c tar.umask=0022 archive --format=tar --prefix="$name/" HEAD | gzip -n -9 >"dist/$name.tar.gz"

tar -xzf "dist/$name.tar.gz" -C build/release
source=build/release/$name
"$source/scripts/dev.sh" package-test
"$source/scripts/dev.sh" package-windows
(cd "$source" && ctest --preset windows -R '^windows\.executable\.')

deb=$(echo "$source"/build/package/orvo-composers_"$version"-*_amd64.deb)
zip=$source/build/windows/$name-windows-x64.zip
# Every member of the zip writable by its owner only, whatever the umask of the build.
members=$(zipinfo -s "$zip" | grep -E '^[-dl]')
! grep -E '^.{5}w|^.{8}w' <<<"$members" || fail "$zip: members above writable by others than their owner"

cp "$deb" "$zip" dist/
chmod 0644 dist/*
cd dist
sha256sum -- "$name.tar.gz" "$(basename "$deb")" "$(basename "$zip")" >SHA256SUMS
chmod 0644 SHA256SUMS
sha256sum -c SHA256SUMS
echo "release $version in dist/, made in $((SECONDS / 60)) min $((SECONDS % 60)) s:"
cat SHA256SUMS
