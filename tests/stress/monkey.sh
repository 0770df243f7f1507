#!/usr/bin/env bash
# A monkey test of a built composer under a real X server: a seeded stream of random
# pointer clicks, double and right clicks, wheel turns, drags and key presses anywhere in
# the dialog, and in the popups and menus these open. Every so often it stops and checks
# what a person could check through the clipboard:
#   - the count, the total and the output box hold what they should: a count and total
#     of decimal digits, an output of uppercase hex digits exactly twice the count long;
#   - "←" clicked as often as the count says takes everything back to count 0, total 0 and
#     an empty output: every byte and every duration entered is undone exactly.
# Escape, Enter and Alt+F4 may end the program on the way (status 0), and it is started
# again; any other end, a crash, a sanitizer's report or a message box fails the run.
#   monkey.sh EXE TITLE WIDTH_DU HEIGHT_DU SEED STEPS count:X,Y,W,H total:X,Y,W,H
#             output:X,Y,W,H back:X,Y,W,H [hot:X,Y,W,H]
# The rectangles are the controls' in dialog units; half of the pointer actions land in the
# optional hot rectangle (where the keys and buttons are), the rest anywhere. With
# MONKEY_WRAPPER set (a command such as valgrind and its options), the program runs under it.
# The seed fixes the actions; where a slow program (under valgrind) takes them in, a popup
# may be open or not, so what they do can still differ between runs.
set -euo pipefail

exe=$1 title=$2 width_du=$3 height_du=$4 seed=$5 steps=$6
shift 6
source "$(dirname "$0")/../e2e/x_session.sh"

declare -A rect
for argument in "$@"; do
    rect[${argument%%:*}]=${argument#*:}
done
for name in count total output back; do
    [ -n "${rect[$name]:-}" ] || { echo "no rectangle for $name" >&2; exit 2; }
done
read -r -a wrapper <<<"${MONKEY_WRAPPER:-}"

log=$(mktemp)
program_log=$(mktemp)
on_session_end() { rm -f "$log" "$program_log"; }
fail() {
    echo "FAILED (seed $seed): $*" >&2
    echo "--- the last actions:" >&2
    tail -n 25 "$log" >&2
    echo "--- the program's output:" >&2
    tail -n 60 "$program_log" >&2
    exit 1
}

# Keys a person might press; the ones that may end the dialog are drawn separately.
keys=(Tab shift+Tab space Up Down Left Right Home End Prior Next F4 alt+Down alt+Up
      a x 7 BackSpace Delete ctrl+a ctrl+c ctrl+v ctrl+x ctrl+z shift+Insert Menu F1)
ending_keys=(Escape Return KP_Enter alt+F4)

rand() { echo $((RANDOM % $1)); }

start() {
    start_program "$title" "${wrapper[@]}" "$exe" >>"$program_log" 2>&1 || fail "the program did not start"
    echo "started: $WIDTH x $HEIGHT pixels" >>"$log"
}

# The program has ended: fine after a key that ends it, with status 0.
ended() {
    local status=0
    wait "$app" || status=$?
    app=""
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
    [ $((step - last_ending_step)) -le 3 ] || fail "the program ended with no key that ends it"
    echo "ended with status 0" >>"$log"
    restarts=$((restarts + 1))
    start
}

alive() {
    kill -0 "$app" 2>/dev/null && xwininfo -id "$window" >/dev/null 2>&1
}

# Closes open popups and menus with Escape; a window of the program that is not a popup
# (a message box) is a fault.
close_popups() {
    for _ in 1 2 3 4 5; do
        local popups=0 w
        for w in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
            [ "$w" -eq "$window" ] && continue
            if xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes'; then
                popups=$((popups + 1))
            else
                fail "a window other than the dialog opened: '$(xdotool getwindowname "$w")'"
            fi
        done
        [ "$popups" -eq 0 ] && return
        xdotool key Escape
        sleep 0.2
    done
    fail "a popup does not close"
}

read_boxes() {
    local x y w h
    IFS=, read -r x y w h <<<"${rect[count]}"
    count=$(copy_box_du "$x" "$y" "$w" "$h")
    IFS=, read -r x y w h <<<"${rect[total]}"
    total=$(copy_box_du "$x" "$y" "$w" "$h")
    IFS=, read -r x y w h <<<"${rect[output]}"
    output=$(copy_box_du "$x" "$y" "$w" "$h")
    echo "read: count=$count total=$total output=$output" >>"$log"
}

check() {
    close_popups
    read_boxes
    [[ "$count" =~ ^[0-9]+$ ]] || fail "the count box shows '$count'"
    [[ "$total" =~ ^[0-9]+$ ]] || fail "the total box shows '$total'"
    [[ "$output" =~ ^[0-9A-F]*$ ]] || fail "the output is not uppercase hex: '$output'"
    [ "${#output}" -eq $((2 * count)) ] || fail "the output has ${#output} digits for a count of $count"

    if [ "$count" -gt 0 ]; then
        bytes_taken_back=$((bytes_taken_back + count))
        local cx cy x y w h
        IFS=, read -r x y w h <<<"${rect[back]}"
        read -r cx cy <<<"$(du_centre "$x" "$y" "$w" "$h")"
        xdotool mousemove --window "$window" "$cx" "$cy" click --repeat "$count" --delay 30 1
        echo "clicked back $count times" >>"$log"
        read_boxes
        [ "$count" = 0 ] && [ "$total" = 0 ] && [ -z "$output" ] \
            || fail "taking everything back left count=$count total=$total output='$output'"
    fi
    checks=$((checks + 1))
}

# A random point of the client area, in pixels; half of them in the hot rectangle.
random_point() {
    if [ -n "${rect[hot]:-}" ] && [ "$(rand 2)" -eq 0 ]; then
        local hx hy hw hh
        IFS=, read -r hx hy hw hh <<<"${rect[hot]}"
        echo "$(( (hx + $(rand "$hw")) * WIDTH / width_du )) $(( (hy + $(rand "$hh")) * HEIGHT / height_du ))"
    else
        echo "$(rand "$WIDTH") $(rand "$HEIGHT")"
    fi
}

# One random action of the monkey.
act() {
    local x y action
    read -r x y <<<"$(random_point)"
    local r
    r=$(rand 100)
    if [ "$r" -lt 48 ]; then
        action="click $x,$y"
        xdotool mousemove --window "$window" "$x" "$y" click 1
    elif [ "$r" -lt 53 ]; then
        action="double click $x,$y"
        xdotool mousemove --window "$window" "$x" "$y" click --repeat 2 --delay 60 1
    elif [ "$r" -lt 56 ]; then
        action="right click $x,$y"
        xdotool mousemove --window "$window" "$x" "$y" click 3
    elif [ "$r" -lt 60 ]; then
        local button=$((4 + $(rand 2)))
        action="wheel $button at $x,$y"
        xdotool mousemove --window "$window" "$x" "$y" click "$button"
    elif [ "$r" -lt 63 ]; then
        local x2 y2
        read -r x2 y2 <<<"$(random_point)"
        action="drag $x,$y to $x2,$y2"
        xdotool mousemove --window "$window" "$x" "$y" mousedown 1 mousemove --window "$window" "$x2" "$y2" mouseup 1
    elif [ "$r" -lt 99 ] || [ "$(rand 2)" -eq 0 ]; then
        local key=${keys[$(rand ${#keys[@]})]}
        action="key $key"
        xdotool key "$key"
    else
        local key=${ending_keys[$(rand ${#ending_keys[@]})]}
        action="key $key (may end)"
        last_ending_step=$step
        xdotool key "$key"
    fi
    echo "$step: $action" >>"$log"
}

RANDOM=$seed
start_x_server
step=0 last_ending_step=-10 checks=0 bytes_taken_back=0 restarts=0
start
check_every=40
for step in $(seq 1 "$steps"); do
    act 2>>"$log" || true  # a window that has just closed refuses the action
    sleep 0.03
    if [ "$step" = "$last_ending_step" ]; then
        # A copy that goes through shows that the program has taken in the key; one that
        # does not, that its window has gone.
        IFS=, read -r x y w h <<<"${rect[count]}"
        copy_box_du "$x" "$y" "$w" "$h" >/dev/null 2>>"$log" || true
        for _ in $(seq 20); do alive || break; sleep 0.05; done
    fi
    alive || ended
    if [ $((step % check_every)) -eq 0 ]; then
        check
        alive || fail "the program ended during the check"
    fi
done
check

close_popups
xdotool key Escape
status=0
for _ in $(seq 300); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
wait "$app" || status=$?
app=""
[ "$status" -eq 0 ] || fail "Escape ended the program with status $status"
echo "$steps random actions, $checks checks, $bytes_taken_back bytes taken back, $restarts restarts: no fault (seed $seed)"
