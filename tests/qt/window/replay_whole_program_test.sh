#!/bin/sh
# The game under a virtual X server, driven by accessible names over AT-SPI as
# a player would with the mouse: with seed 268 the cosmetics of the first
# market are bought, a day at 建国门 lifts their price, they are sold, and the
# menu's 退    出 ends the game into the top ten. The replay it leaves in
# replays/ must verify with torvane-engine to the wealth the window showed.
# usage: replay_whole_program_test.sh PATH_TO_TORVANE PATH_TO_TORVANE_ENGINE
game=$1
engine=$2
unset QT_QPA_PLATFORM
# xdotool matches the Chinese captions only in a UTF-8 locale that exists.
export LC_ALL=C.UTF-8
here=$(dirname "$0")
if [ -n "$TORVANE_UNDER_ATSPI" ]; then
    dir=$(mktemp -d)
    trap 'rm -rf "$dir"' EXIT
    "$game" --lang zh --seed 268 -Embedding --dir "$dir" 2>"$dir/stderr" &
    pid=$!
    fail() { echo "$*" >&2; kill "$pid" 2>/dev/null; exit 1; }
    find_window() {
        for _ in $(seq 1 50); do
            found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
            [ -n "$found" ] && { echo "$found"; return 0; }
            sleep 0.1
        done
        return 1
    }
    # Clicks the object of this accessible name (and role), once it is shown.
    click() {
        for _ in $(seq 1 30); do
            at=$(/usr/bin/python3 "$here/atspi_centre.py" torvane "$@") && break
            sleep 0.2
        done
        [ -n "$at" ] || return 1
        xdotool mousemove $at click 1
        sleep 0.3
    }
    # Presses keys in the dialog of this caption.
    answer() {
        w=$(find_window "$1") || return 1
        shift
        xdotool windowfocus "$w" 2>/dev/null
        sleep 0.3
        xdotool "$@"
    }
    wid=$(find_window 'Torvane\(0/40天\)') || fail "no game window"
    sleep 0.5
    click 伪劣化妆品 "table cell" || fail "no cosmetics on the market"
    click " ==>" "push button" || fail "no buy button"
    answer '^买多少？$' key Return || fail "no buy dialog"
    sleep 0.3
    click 建国门 || fail "no station 建国门"
    for _ in $(seq 1 50); do
        [ "$(xdotool getwindowname "$wid")" = "Torvane(1/40天)" ] && break
        dialog=$(xdotool search --onlyvisible --name '^(Varsen新闻|我在Varsen的岁月)$' 2>/dev/null | head -n 1)
        [ -n "$dialog" ] && { xdotool windowfocus "$dialog" 2>/dev/null; sleep 0.2; xdotool key Return; }
        sleep 0.2
    done
    [ "$(xdotool getwindowname "$wid")" = "Torvane(1/40天)" ] || fail "the day did not pass"
    sleep 0.3
    click 伪劣化妆品 "table cell" || fail "nothing in the room"
    click " <== " "push button" || fail "no sell button"
    answer '^卖多少？$' key Return || fail "no sell dialog"
    sleep 0.5
    cash=$(/usr/bin/python3 "$here/atspi_centre.py" torvane 现金 --value)
    savings=$(/usr/bin/python3 "$here/atspi_centre.py" torvane 存款 --value)
    debt=$(/usr/bin/python3 "$here/atspi_centre.py" torvane 欠债 --value)
    [ -n "$cash" ] && [ -n "$savings" ] && [ -n "$debt" ] || fail "status displays not read: $cash $savings $debt"
    wealth=$((savings - debt + cash))
    click "系 统" || fail "no system menu"
    click "退    出" || fail "no quit entry"
    answer '^恭喜$' type abc || fail "no congratulations"
    xdotool key Return
    answer '^高手榜$' key Return || fail "no top ten"
    answer '^torvane$' key n || fail "no question of another game"
    for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "the game did not end"
    wait "$pid" || fail "exit status $?"
    replay=$(ls "$dir"/replays/*_"$wealth".txt 2>/dev/null | head -n 1)
    [ -n "$replay" ] || { ls -l "$dir" "$dir/replays" >&2; fail "no replay of wealth $wealth"; }
    verdict=$("$engine" --verify "$replay") || { cat "$replay" >&2; fail "not verified: $verdict"; }
    case "$verdict" in
        "verified: wealth $wealth fame "*) ;;
        *) fail "verified to another wealth: $verdict (the window showed $wealth)" ;;
    esac
    grep -q '^quit -- name=abc no$' "$replay" || fail "the name and the answer are not in the replay"
    echo "played by name, ended by the menu with wealth $wealth; its replay: $verdict"
    exit 0
fi
if [ -n "$TORVANE_UNDER_XVFB" ]; then
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    bus=$!
    trap 'kill $bus' EXIT
    sleep 0.5
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 TORVANE_UNDER_ATSPI=1 sh "$0" "$game" "$engine"
    exit $?
fi
command -v xvfb-run >/dev/null 2>&1 || { echo "xvfb-run missing"; exit 77; }
command -v dbus-run-session >/dev/null 2>&1 || { echo "dbus-run-session missing"; exit 77; }
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "at-spi2-core missing"; exit 77; }
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || { echo "python3-pyatspi missing"; exit 77; }
command -v xdotool >/dev/null 2>&1 || { echo "xdotool missing"; exit 77; }
TORVANE_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session sh "$0" "$game" "$engine"
