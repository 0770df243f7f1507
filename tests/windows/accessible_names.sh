#!/usr/bin/env bash
# Runs a Windows program of the build in the Wine session and, beside it as a process of its
# own as a screen reader is, accessible_names.exe, which reads the names of its controls and
# then closes it. Passes when every name is right and the program ends with status 0.
#   accessible_names.sh SESSION_FILE PROGRAM.exe ACCESSIBLE_NAMES.exe PROGRAM
set -euo pipefail
run=$(dirname "$0")/run.sh
"$run" "$1" "$2" &
program=$!
status=0
"$run" "$1" "$3" "$4" || status=$?
for _ in $(seq 50); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
kill "$program" 2>/dev/null && { echo "FAIL: $4 still runs 5 s after it was closed" >&2; status=1; }
wait "$program" || { echo "FAIL: $4 ended with status $?" >&2; status=1; }
exit "$status"
