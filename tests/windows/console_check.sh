#!/usr/bin/env bash
# Checks that composer-replay.exe shows its text on a console as written: Wine's console,
# on a terminal that takes UTF-8 (a pseudo-terminal made by script(1)), must show the same
# text, Japanese and "♯" included, that the program writes to a pipe as UTF-8 bytes.
#   console_check.sh SESSION_FILE composer-replay.exe
set -euo pipefail
source "$1"
exe=$2
export LC_ALL=C.UTF-8
fail() { echo "FAIL: $*" >&2; exit 1; }

# What a command's output and errors show on the console, without the terminal's control
# sequences; lines end in LF.
on_console() { script --quiet --command "$1" /dev/null </dev/null | sed 's/\x1b\[[0-9;?]*[A-Za-z]//g' | tr -d '\r'; }
through_pipe() { { bash -c "$1" 2>&1 || true; } | tr -d '\r'; }

for command in "wine '$exe' decode pulsar 12 '14 16'" "echo 'paste 14 1x' | wine '$exe' pulsar"; do
    piped=$(through_pipe "$command")
    shown=$(on_console "$command")
    [[ $piped == *"C♯ 2"* || $piped == *"貼り付けできません"* ]] || fail "$command wrote no text to test: $piped"
    [ "$shown" = "$piped" ] || fail "$command: the console shows"$'\n'"$shown"$'\n'"instead of"$'\n'"$piped"
done
echo "composer-replay.exe: a console shows what it writes"
