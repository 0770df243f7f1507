#!/usr/bin/env bash
# Renders each manual page as man does and as lintian checks it (groff with every warning
# on, man --warnings) and fails on any diagnostic, or on a page without its NAME line.
#   manual_pages_check.sh PAGE...
set -euo pipefail

for page in "$@"; do
    name=$(basename "$page" .1)
    diagnostics=$({ groff -ww -man -Tutf8 -z "$page"; LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" >/dev/null; } 2>&1)
    [ -z "$diagnostics" ] || { echo "FAIL: $page: $diagnostics" >&2; exit 1; }
    LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2>/dev/null | grep -Eq "^ *$name +- +[a-z]" || { echo "FAIL: $page has no NAME line for $name" >&2; exit 1; }
    echo "$name.1: renders without a warning"
done
