#!/usr/bin/env bash
# Runs the Windows programs of the build in the Wine session and, beside them as a process of
# its own as a screen reader is, accessible_names.exe, which reads the names of their controls
# and then closes them. Passes when every name is right and each program ends with status 0.
#   accessible_names.sh SESSION_FILE ACCESSIBLE_NAMES.exe RUSTLE.exe PULSAR.exe TWINWAVE.exe
set -euo pipefail
run=$(dirname "$0")/run.sh session=$1 reader=$2
shift 2
programs=() names=()
for exe in "$@"; do
    "$run" "$session" "$exe" &
    programs+=($!) names+=("$(basename "$exe" .exe)")
done
status=0
"$run" "$session" "$reader" || status=$?
for i in "${!programs[@]}"; do
    for _ in $(seq 50); do kill -0 "${programs[$i]}" 2>/dev/null || break; sleep 0.1; done
    kill "${programs[$i]}" 2>/dev/null && { echo "FAIL: ${names[$i]} still runs 5 s after it was closed" >&2; status=1; }
    wait "${programs[$i]}" || { echo "FAIL: ${names[$i]} ended with status $?" >&2; status=1; }
done
exit "$status"
