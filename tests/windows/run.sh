#!/usr/bin/env bash
# Runs a Windows program of the build under Wine, in the session that session.sh started:
# its Wine prefix, X server and window manager. The program's exit status is Wine's.
#   run.sh SESSION_FILE PROGRAM.exe [ARGUMENT...]
set -euo pipefail
source "$1"
shift
exec wine "$@"
