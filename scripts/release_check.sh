#!/usr/bin/env bash
# Checks that the release of the commit checked out is reproducible: makes it twice
# (scripts/release.sh), one after the other, in two fresh clones in folders of different
# names and lengths, with different umasks and time zones (UTC+14 is a day ahead of UTC for
# ten hours of the day), and compares the checksums of the two dist/ folders. On a
# difference diffoscope shows where the first differing file differs, and the clones stay for
# a closer look. It builds everything twice (docs/RELEASING.md).
#   scripts/release_check.sh     (scripts/dev.sh release-check installs what it needs first)
set -euo pipefail
cd "$(dirname "$0")/.."

commit=$(git rev-parse HEAD)
work=$(mktemp -d)
# folder, umask, time zone
builds=("a 0022 UTC" "second-clone 0002 Pacific/Kiritimati")
for build in "${builds[@]}"; do
    read -r folder mask zone <<<"$build"
    echo "=== release of $commit in $work/$folder: umask $mask, TZ=$zone, at $(date -u +%TZ)"
    (
        umask "$mask"
        git clone --quiet --no-checkout "$PWD" "$work/$folder"
        cd "$work/$folder"
        git checkout --quiet --detach "$commit"
        TZ=$zone scripts/dev.sh release
    ) || { echo "release-check: the release in $work/$folder failed; the clones stay in $work" >&2; exit 1; }
done

first=$work/a/dist
second=$work/second-clone/dist
if cmp -s "$first/SHA256SUMS" "$second/SHA256SUMS"; then
    echo "release-check: identical bytes from both clones of $commit ($((SECONDS / 60)) min):"
    cat "$first/SHA256SUMS"
    rm -rf "$work"
    exit 0
fi

echo "release-check: the two releases differ:" >&2
diff "$first/SHA256SUMS" "$second/SHA256SUMS" >&2 || true
while read -r sum file; do
    if ! grep -qx "$sum  $file" "$second/SHA256SUMS"; then
        echo "release-check: diffoscope $first/$file $second/$file" >&2
        diffoscope "$first/$file" "$second/$file" >&2 || true
        break
    fi
done <"$first/SHA256SUMS"
echo "release-check: the clones stay in $work" >&2
exit 1
