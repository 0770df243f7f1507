#!/usr/bin/env bash
# The session the Windows build's tests run in: a Wine prefix of its own and an X server
# with a window manager (without one, Wine's windows get no keys), all in a temporary
# folder. SESSION_FILE records them for run.sh and the end-to-end scripts.
#   session.sh start SESSION_FILE [DPI]  make the prefix, start the X server and window manager;
#                                        the programs see a screen of DPI dots per inch (96)
#   session.sh stop SESSION_FILE         end them and remove everything the session made
set -euo pipefail

file=$2
case $1 in
start)
    folder=$(mktemp -d)
    display_file=$folder/display
    # Started apart from this script's output, which the test runner waits on.
    setsid Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$display_file" </dev/null >/dev/null 2>&1 &
    echo "$!" >"$folder/pids"
    for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.05; done
    [ -s "$display_file" ] || { echo "Xvfb did not start" >&2; exit 1; }
    # Wine's debugger would keep a program that crashes waiting; without it the program ends.
    cat >"$file" <<SESSION
export WINE_SESSION_FOLDER=$folder
export DISPLAY=:$(head -n1 "$display_file")
export WINEPREFIX=$folder/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
export SCREEN_DPI=${3:-96}
SESSION
    source "$file"
    setsid openbox </dev/null >/dev/null 2>&1 &
    echo "$!" >>"$folder/pids"
    source "$(dirname "$0")/../e2e/x_session.sh"
    wait_for_window_manager
    # Wine says that it makes the prefix, and finds no 32-bit Wine (none is needed). Its
    # last steps run on after wineboot: they are waited for.
    wineboot --init >/dev/null 2>&1
    wineserver --wait
    # The dialogs' font by its metric twin.
    wine reg add 'HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /t REG_SZ /d IPAPGothic /f >/dev/null
    # The system's scale, read when a program starts: 144 is 150 %.
    if [ "$SCREEN_DPI" -ne 96 ]; then
        wine reg add 'HKEY_CURRENT_USER\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$SCREEN_DPI" /f >/dev/null
    fi
    echo "Wine prefix $WINEPREFIX at $SCREEN_DPI dpi, X server $DISPLAY with openbox"
    ;;
stop)
    [ -f "$file" ] || exit 0
    source "$file"
    wineserver --kill 2>/dev/null || true
    xargs -r kill <"$WINE_SESSION_FOLDER/pids" 2>/dev/null || true
    rm -rf "$WINE_SESSION_FOLDER" "$file"
    ;;
*) echo "usage: session.sh start|stop SESSION_FILE" >&2; exit 2 ;;
esac
