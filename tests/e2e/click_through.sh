#!/usr/bin/env bash
# Runs a built composer under a real X server and uses it as a person would: real pointer
# clicks and key presses, the output copied through the clipboard, Escape or the close box
# to close.
#   click_through.sh EXE TITLE WIDTH_DU HEIGHT_DU EXPECTED ACTION...
# The program's window must be titled TITLE and have a client area of WIDTH_DU x HEIGHT_DU
# dialog units.
# An ACTION is "click:X,Y,W,H" (a control's rectangle in dialog units; its centre is
# clicked), "wheel:X,Y,W,H,N" (the wheel turned N notches over its centre, negative up),
# "key:NAME" (an xdotool key name), "output:X,Y,W,H" (the output box, which is clicked,
# selected and copied after the other actions) or "close-box" (the program is ended with the
# close box, not Escape). The run passes when the clipboard holds EXPECTED and the program
# ends with status 0.
# Where the output box is known (output: before them), "clipboard:TEXT" puts TEXT on the
# clipboard, "paste" clicks into the output box and presses Ctrl+V, "menu:KEY" opens the
# box's context menu with the right button and presses KEY there, and "balloon:yes" or
# "balloon:no" says whether the program shows a window of its own beside its dialog (the
# message beside the box). "show:LINE" reads every field back and compares it with LINE, as
# composer-replay prints it but for the region: "count=C budget=B durations=D0,..,D7 total=T
# length=R output=HEX"; the fields are found by "fields:COUNT/BUDGET/TOTAL/LENGTHS/RADIOS",
# rectangles X,Y,W,H of the count, budget and total boxes and X,Y of the first duration box
# and the first radio button (the others follow at 15 units).
# With SCREENSHOT_DIR set, the dialog is also saved there as <program>.png before it ends
# (<program>-wine.png for a Windows program, <program>-wine-150.png at 150 %).
set -euo pipefail

exe=$1 title=$2 width_du=$3 height_du=$4 expected=$5
shift 5
source "$(dirname "$0")/x_session.sh"

start_x_server
start_program "$title" "$exe"
check_centred || exit 1
# The client area is the template's size at the dialog font's base units, whole pixels: a
# dialog unit is a quarter of the one and an eighth of the other, rounded. At 96 dots per
# inch they are 7 x 13 pixels. At SCREEN_DPI (a Wine session's) the font grows with the
# resolution: its base units are those at 96 scaled, to within the rounding of each to whole
# pixels, half a pixel at 96 (scaled) and half a pixel at SCREEN_DPI.
dpi=${SCREEN_DPI:-96}
base_x=$(( (8 * WIDTH + width_du) / (2 * width_du) )) base_y=$(( (16 * HEIGHT + height_du) / (2 * height_du) ))
off_x=$(( base_x * 96 - 7 * dpi )) off_y=$(( base_y * 96 - 13 * dpi )) rounding=$(( dpi == 96 ? 0 : (dpi + 96) / 2 ))
if [ "$WIDTH" -ne $(( (width_du * base_x + 2) / 4 )) ] || [ "$HEIGHT" -ne $(( (height_du * base_y + 4) / 8 )) ] ||
    [ "${off_x#-}" -gt "$rounding" ] || [ "${off_y#-}" -gt "$rounding" ]; then
    echo "a client area of ${WIDTH}x$HEIGHT pixels is not ${width_du}x$height_du dialog units at $dpi dpi" >&2
    exit 1
fi

output_rect="" fields="" ending=Escape
for action in "$@"; do
    case $action in
    click:*) IFS=, read -r x y w h <<<"${action#click:}"; click_du "$x" "$y" "$w" "$h" ;;
    wheel:*) IFS=, read -r x y w h n <<<"${action#wheel:}"; wheel_du "$x" "$y" "$w" "$h" "$n" ;;
    key:*) xdotool key "${action#key:}"; sleep 0.05 ;;
    output:*) output_rect=${action#output:} ;;
    fields:*) fields=${action#fields:} ;;
    clipboard:*) printf '%s' "${action#clipboard:}" | xclip -selection clipboard -i >/dev/null 2>&1 ;;
    paste) IFS=, read -r x y w h <<<"$output_rect"; click_du "$x" "$y" "$w" "$h"; xdotool key ctrl+v; sleep 0.3 ;;
    menu:*) IFS=, read -r x y w h <<<"$output_rect"; menu_du "$x" "$y" "$w" "$h" "${action#menu:}" ;;
    balloon:*)
        shown=no
        [ "$(own_windows_shown)" -gt 1 ] && shown=yes
        [ "$shown" = "${action#balloon:}" ] || { echo "a window beside the dialog: $shown, expected ${action#balloon:}" >&2; exit 1; } ;;
    show:*)
        line=$(show_line "$fields" "$output_rect")
        [ "$line" = "${action#show:}" ] || { echo "the dialog shows '$line', expected '${action#show:}'" >&2; exit 1; } ;;
    close-box) ending="close box" ;;
    *) echo "unknown action $action" >&2; exit 1 ;;
    esac
done

IFS=, read -r x y w h <<<"$output_rect"
copied=$(copy_box_du "$x" "$y" "$w" "$h")
if [ -n "${SCREENSHOT_DIR:-}" ]; then
    window_geometry
    name=$(basename "$exe" .exe)${WINE_SESSION:+-wine}
    if [ "$dpi" -ne 96 ]; then name+=-$(( dpi * 100 / 96 )); fi
    scrot --overwrite --autoselect "$X,$Y,$WIDTH,$HEIGHT" "$SCREENSHOT_DIR/$name.png"
fi
status=0
end_program "$ending" || status=$?
if [ "$copied" != "$expected" ]; then
    echo "copied '$copied', expected '$expected'" >&2
    exit 1
fi
[ "$status" -eq 0 ] || { echo "exit status $status" >&2; exit 1; }
echo "copied $copied; exit status 0"
