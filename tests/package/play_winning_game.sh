#!/bin/sh
# Plays a winning one-day game in the game window, as a player would with the
# mouse and the keyboard, on the X display already set. With seed 268 the first
# market sells 伪劣化妆品 (its fifth row) at 65 yuan and the news of the next
# day at 建国门 lifts it to 1358: buy all, travel, sell all, end the game, enter
# the name "abc" into the top ten, decline another game.
# usage: play_winning_game.sh COMMAND [ARG...]   (the game, started with its arguments)
set -u
"$@" --lang zh --seed 268 -Embedding &
pid=$!

fail() {
    echo "$*" >&2
    kill "$pid" 2>/dev/null
    exit 1
}

# The first shown window whose name matches, within five seconds.
find_window() {
    for _ in $(seq 1 50); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.1
    done
    return 1
}

# Focuses the window and sends it keys as typed ones: keys sent to one window
# as events reach the focused widget of the whole program instead.
keys() {
    xdotool windowfocus --sync "$1" 2>/dev/null || return 1
    sleep 0.3
    shift
    xdotool "$@"
}

# Sends keys to the dialog named $1 once it is shown.
answer() {
    dialog=$(find_window "$1") || fail "no dialog $1"
    shift
    keys "$dialog" key "$@"
}

double_click() {
    xdotool mousemove --window "$wid" "$1" "$2" click --repeat 2 --delay 80 1
}

wid=$(find_window 'Torvane\(0/40天\)') || fail "no game window"
sleep 0.5
# Window coordinates, menu bar included, of the dialog font's layout.
double_click 100 164                       # market row 5
answer '^买多少？$' Return
xdotool mousemove --window "$wid" 656 379 click 1   # 建国门
for _ in $(seq 1 50); do
    [ "$(xdotool getwindowname "$wid")" = "Torvane(1/40天)" ] && break
    dialog=$(xdotool search --name '^(Varsen新闻|我在Varsen的岁月)$' 2>/dev/null | head -n 1)
    [ -n "$dialog" ] && keys "$dialog" key Return
    sleep 0.1
done
[ "$(xdotool getwindowname "$wid")" = "Torvane(1/40天)" ] || fail "the day did not pass"
sleep 0.3
double_click 470 90                        # room row 1
answer '^卖多少？$' Return
sleep 0.3
xdotool mousemove --window "$wid" 24 8 click 1      # menu 系 统
sleep 0.5
xdotool mousemove --window "$wid" 50 96 click 1     # its entry 退    出
dialog=$(find_window '^恭喜$') || fail "no congratulations"
keys "$dialog" type abc
xdotool key Return
answer '^高手榜$' Return
answer '^torvane$' n                       # 再玩一把吗? No (its &No)
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the game did not end"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
echo "won a one-day game in the window"
