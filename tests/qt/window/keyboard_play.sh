#!/bin/sh
# Part of the whole-program test, on day 0 after visit_places.sh: as a player
# with keyboard and screen reader, Tab to the cash and read it, sort the market
# list with Ctrl+2 both ways, then open the about box, Tab to its mail link
# and open it with Enter (through the stand-in xdg-open that writes OPENED).
# usage: keyboard_play.sh MAIN_WINDOW_ID OPENED
wid=$1
opened=$2
read_focus() { /usr/bin/python3 "$(dirname "$0")/read_focus.py" torvane "$@"; }

# Presses Tab in the active window until the focused object reads like $1.
tab_to() {
    for _ in $(seq 1 40); do
        now=$(read_focus focused)
        printf '%s\n' "$now" | grep -qE "$1" && return 0
        xdotool key Tab
        sleep 0.15
    done
    echo "Tab never reached \"$1\"; the focus reads \"$now\"" >&2
    return 1
}

xdotool windowfocus "$wid"
sleep 0.3
tab_to '^label\|现金 ' || exit 1
[ "$(read_focus focused)" = "label|现金 0" ] || { echo "cash reads \"$(read_focus focused)\"" >&2; exit 1; }

tab_to '\|黑市$' || exit 1
xdotool key ctrl+2
sleep 0.3
up=$(read_focus column 黑市 1)
xdotool key ctrl+2
sleep 0.3
down=$(read_focus column 黑市 1)
# Prices sort as text, so the shell's byte order is the game's.
if ! printf '%s\n' "$up" | LC_ALL=C sort -c 2>/dev/null ||
   ! printf '%s\n' "$down" | LC_ALL=C sort -r -c 2>/dev/null || [ "$up" = "$down" ]; then
    echo "Ctrl+2 did not sort the market by price both ways: \"$up\" then \"$down\"" >&2
    exit 1
fi

# The help menu's last entry is the about box.
xdotool mousemove $(read_focus extents '帮 助') click 1
sleep 0.4
xdotool key Up Return
about=
for _ in $(seq 1 30); do
    about=$(xdotool search --name '^关于Torvane记$' 2>/dev/null | head -n 1)
    [ -n "$about" ] && break
    sleep 0.1
done
[ -n "$about" ] || { echo "no about box" >&2; exit 1; }
xdotool windowfocus "$about"
sleep 0.3
tab_to '^link\|mailto:' || exit 1
xdotool key Return
for _ in $(seq 1 30); do
    [ -s "$opened" ] && break
    sleep 0.1
done
if [ "$(cat "$opened" 2>/dev/null)" != "mailto:author@torvane.example" ]; then
    echo "Enter on the mail link opened \"$(cat "$opened" 2>/dev/null)\"" >&2
    exit 1
fi
xdotool key Escape
sleep 0.3
xdotool search --name '^关于Torvane记$' >/dev/null 2>&1 && { echo "the about box stayed open" >&2; exit 1; }
echo "keyboard: cash read by focus, market sorted both ways by Ctrl+2, mail link opened by Enter"
