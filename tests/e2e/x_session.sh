# Sourced by the scripts that drive a built composer under a real X server: starts the
# server and the program, clicks controls by their rectangles in dialog units and copies
# a box's text through the clipboard, as a person would.
# The caller sets `width_du` and `height_du`, the dialog template's size in dialog units.

# Starts Xvfb on a display it picks itself, so that runs side by side never share one, and
# a window manager, which gives the windows their close box. The server does not reset when
# its last client leaves, so that a program can be started again.
# With WINE_SESSION set, the programs are Windows ones: they run under Wine (run.sh) on the
# X server and window manager of that session instead.
start_x_server() {
    if [ -n "${WINE_SESSION:-}" ]; then
        source "$WINE_SESSION"
        launcher=("$(dirname "${BASH_SOURCE[0]}")/../windows/run.sh" "$WINE_SESSION")
        trap stop_x_session EXIT
        return
    fi
    local display_file
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$display_file" >/dev/null 2>&1 &
    xvfb=$!
    trap stop_x_session EXIT
    for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.05; done
    [ -s "$display_file" ] || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(head -n1 "$display_file")" QT_QPA_PLATFORM=xcb
    rm -f "$display_file"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    openbox >/dev/null 2>&1 &
    window_manager=$!
    wait_for_window_manager
}

# A window mapped before the window manager runs may never be shown.
wait_for_window_manager() {
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return
        sleep 0.05
    done
    echo "the window manager did not start" >&2
    exit 1
}

# Ends the program and the server; a caller's own on_session_end runs first.
stop_x_session() {
    if declare -F on_session_end >/dev/null; then on_session_end; fi
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
    [ -n "${window_manager:-}" ] && kill "$window_manager" 2>/dev/null || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
}

launcher=()

# Starts COMMAND... in the background and waits for its window titled TITLE; sets `app`
# (the process), `window`, and WIDTH and HEIGHT (the client area in pixels).
start_program() {
    local title=$1
    shift
    "${launcher[@]}" "$@" &
    app=$!
    window=""
    local pattern
    pattern="^$(printf '%s' "$title" | sed 's/[][()&.*^$]/\\&/g')\$"
    for _ in $(seq 300); do
        window=$(xdotool search --onlyvisible --pid "$app" --name "$pattern" 2>/dev/null | head -n1) && [ -n "$window" ] && break
        kill -0 "$app" 2>/dev/null || break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "no window titled '$title'" >&2; return 1; }
    sleep 0.5
    window_geometry
}

# Sets X, Y, WIDTH and HEIGHT: where the client area of `window` is on the screen.
window_geometry() {
    eval "$(xwininfo -id "$window" | sed -nE 's/^ *Absolute upper-left (X|Y): *(-?[0-9]+)$/\1=\2/p;
        s/^ *(Width|Height): *([0-9]+)$/\U\1\E=\2/p')"
}

# Fails unless the client area of `window` (window_geometry) lies in the middle of the
# screen's work area, where both builds open a dialog: within 12 pixels across and 48 up or
# down. Each build centres the window with its frame, whose height Qt guesses (40 pixels,
# 10 across) before the window manager has framed the window.
check_centred() {
    local left top width height dx dy
    read -r left top width height <<<"$(xprop -root _NET_WORKAREA | sed -E 's/.*= *([0-9]+), *([0-9]+), *([0-9]+), *([0-9]+).*/\1 \2 \3 \4/')"
    dx=$(( X + WIDTH / 2 - left - width / 2 ))
    dy=$(( Y + HEIGHT / 2 - top - height / 2 ))
    if [ "${dx#-}" -gt 12 ] || [ "${dy#-}" -gt 48 ]; then
        echo "the window's middle is $dx, $dy pixels from the middle of the work area ${width}x$height+$left+$top" >&2
        return 1
    fi
}

# Ends the program as a user would: Escape in its window, which gets the keyboard focus
# first, or with `close box`, the close box of its caption (the window manager asks the
# window to close). Returns the program's exit status; a program still running 5 s later
# is ended.
end_program() {
    if [ "${1:-}" = "close box" ]; then
        wmctrl -i -c "$window"
    else
        xdotool windowfocus --sync "$window" key Escape
    fi
    for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill "$app" 2>/dev/null && echo "still running 5 s after ${1:-Escape}" >&2
    local status=0
    wait "$app" || status=$?
    app=""
    return "$status"
}

# The centre of a rectangle in dialog units (x y w h), in pixels of the client area.
du_centre() {
    echo "$(( ($1 * 2 + $3) * WIDTH / (2 * width_du) )) $(( ($2 * 2 + $4) * HEIGHT / (2 * height_du) ))"
}

# Clicks the centre of a rectangle in dialog units.
click_du() {
    local cx cy
    read -r cx cy <<<"$(du_centre "$@")"
    xdotool mousemove --window "$window" "$cx" "$cy" click 1
    sleep 0.05
}

# Turns the mouse wheel by N notches (positive: toward the user, down a list) with the
# pointer over the centre of a rectangle in dialog units (x y w h N), without clicking.
wheel_du() {
    local cx cy button=5
    read -r cx cy <<<"$(du_centre "$1" "$2" "$3" "$4")"
    [ "$5" -lt 0 ] && button=4
    xdotool mousemove --window "$window" "$cx" "$cy" click --repeat "${5#-}" "$button"
    sleep 0.05
}

# Prints the text of the box at a rectangle in dialog units: clicked into, all selected
# and copied. The clipboard first holds a marker, so a copy that did not happen shows;
# an empty box copies nothing and prints nothing.
copy_box_du() {
    local marker="(nothing copied)" copied
    printf '%s' "$marker" | xclip -selection clipboard -i >/dev/null 2>&1
    click_du "$@"
    xdotool key ctrl+a ctrl+c
    for _ in $(seq "${COPY_WAIT_STEPS:-20}"); do
        sleep 0.05
        copied=$(xclip -o -selection clipboard 2>/dev/null) || continue
        [ "$copied" != "$marker" ] && break
    done
    [ "$copied" = "$marker" ] && copied=""
    printf '%s' "$copied"
}

# Opens the context menu of the control at a rectangle in dialog units (x y w h) with the
# right button and presses KEY in it.
menu_du() {
    local cx cy
    read -r cx cy <<<"$(du_centre "$1" "$2" "$3" "$4")"
    xdotool mousemove --window "$window" "$cx" "$cy" click 3
    sleep 0.3
    xdotool key "$5"
    sleep 0.3
}

# How many windows of the program are shown: its dialog, and any other it shows beside it.
own_windows_shown() {
    xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l
}

# The radio position checked among eight radio buttons 9 units square on a 15-unit pitch from
# (x, y) in dialog units: the one whose centre is darkest, where a check's dot is; -1 when
# no centre is darker than mid-grey.
checked_radio_du() {
    local shot position=-1 darkest=32768 i cx cy level
    shot=$(mktemp --suffix=.png)
    window_geometry
    import -window root "$shot"
    for i in 0 1 2 3 4 5 6 7; do
        read -r cx cy <<<"$(du_centre $(( $1 + 15 * i )) "$2" 9 9)"
        level=$(convert "$shot" -crop "1x1+$(( X + cx ))+$(( Y + cy ))" -colorspace Gray -format '%[fx:int(65535*p{0,0}.intensity)]' info:)
        if [ "$level" -lt 32768 ] && [ "$level" -lt "$darkest" ]; then
            darkest=$level position=$i
        fi
    done
    rm -f "$shot"
    echo "$position"
}

# What the dialog shows, read off its fields as the user sees them (FIELDS and OUTPUT as
# click_through.sh takes them): "count=C budget=B durations=D0,..,D7 total=T length=R output=HEX".
show_line() {
    local count budget total lengths radios durations="" i x y length
    IFS=/ read -r count budget total lengths radios <<<"$1"
    IFS=, read -r x y <<<"$lengths"
    for i in 0 1 2 3 4 5 6 7; do
        durations+="${i:+,}$(copy_box_du $(( x + 15 * i )) "$y" 12 12)"
    done
    IFS=, read -r x y <<<"$radios"
    length=$(checked_radio_du "$x" "$y")
    echo "count=$(copy_box_du ${count//,/ }) budget=$(copy_box_du ${budget//,/ }) durations=${durations#,}" \
        "total=$(copy_box_du ${total//,/ }) length=$length output=$(copy_box_du ${2//,/ })"
}
