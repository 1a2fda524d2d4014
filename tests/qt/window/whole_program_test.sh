#!/bin/sh
# The game under a virtual X server: the window opens on day 0, the places are
# visited (visit_places.sh), the keyboard reads the cash, sorts the market and
# opens a link (keyboard_play.sh), a click on a station spends a day and plays its
# sound without a word on standard error, the boss screen changes nothing,
# Escape ends the program with status 0.
# usage: whole_program_test.sh PATH_TO_TORVANE
game=$1
# The game must open on the X server, whatever platform the caller's tests use.
unset QT_QPA_PLATFORM
# xdotool matches the Chinese captions only in a UTF-8 locale that exists.
export LC_ALL=C.UTF-8
if [ -n "$TORVANE_UNDER_ATSPI" ]; then
    dir=$(mktemp -d)
    trap 'rm -rf "$dir"' EXIT
    # A stand-in xdg-open notes what a link asked it to open.
    mkdir "$dir/bin"
    printf '#!/bin/sh\nprintf %%s "$1" > "%s/opened"\n' "$dir" > "$dir/bin/xdg-open"
    chmod +x "$dir/bin/xdg-open"
    PATH="$dir/bin:$PATH" "$game" --lang zh --seed 1 -Embedding --dir "$dir" 2>"$dir/stderr" &
    pid=$!
    # Prints the first window named like $1 within $2 tenths of a second.
    find_window() {
        for _ in $(seq 1 "$2"); do
            found=$(xdotool search --name "$1" 2>/dev/null | head -n 1)
            [ -n "$found" ] && { echo "$found"; return 0; }
            sleep 0.1
        done
        return 1
    }
    wid=$(find_window 'Torvane\(0/40天\)' 100) || { echo "no game window" >&2; kill "$pid"; exit 1; }
    sleep 0.5
    if ! sh "$(dirname "$0")/../places/visit_places.sh" "$wid" ||
       ! sh "$(dirname "$0")/keyboard_play.sh" "$wid" "$dir/opened"; then
        kill "$pid"
        exit 1
    fi
    # The savings back into cash for day 1's purchase: the bank's Escape withdraws.
    xdotool mousemove --window "$wid" 82 530 click 1
    bank=$(find_window '^银行！$' 30) || { echo "no bank" >&2; kill "$pid"; exit 1; }
    xdotool windowfocus "$bank"; sleep 0.3; xdotool key Escape
    cash=$(find_window '^现金交易$' 30) || { echo "no cash dialog" >&2; kill "$pid"; exit 1; }
    xdotool windowfocus "$cash"; sleep 0.3; xdotool type 1500; xdotool key Return
    sleep 0.3
    # Station 1009 ("西直门") lies at dialog units (281, 159) of the client area:
    # 1.75 pixels a unit with the dialog font, below a menu bar of about 20 pixels.
    xdotool mousemove --window "$wid" 492 300 click 1
    title=
    for _ in $(seq 1 50); do
        title=$(xdotool getwindowname "$wid")
        [ "$title" = "Torvane(1/40天)" ] && break
        # A day's news or diary is closed with its button's Enter.
        dialog=$(xdotool search --name '^(Varsen新闻|我在Varsen的岁月)$' 2>/dev/null | head -n 1)
        if [ -n "$dialog" ]; then
            xdotool windowfocus "$dialog" key --window "$dialog" Return 2>/dev/null
        fi
        sleep 0.1
    done
    if [ "$title" != "Torvane(1/40天)" ]; then
        echo "title after the click: $title" >&2
        kill "$pid"
        exit 1
    fi
    # Day 1: buy the selected market row, then cover the game with the boss
    # screen and close it. The status panel and the room count (compared as
    # pixels, the pointer parked outside the window) and the title must be as before.
    shot() { xdotool mousemove 5 5; sleep 0.4; /usr/bin/import -window "$wid" -crop "$1" +repage "$dir/$2.png"; }
    same() { [ "$(/usr/bin/compare -metric AE "$dir/$1.png" "$dir/$2.png" null: 2>&1)" = "0" ]; }
    shot 280x60+410+30 count0
    # The third market row, then the buy button.
    xdotool mousemove --window "$wid" 100 128 click 1
    sleep 0.2
    xdotool mousemove --window "$wid" 360 113 click 1
    buy=
    for _ in $(seq 1 30); do
        buy=$(xdotool search --name '^买多少？$' 2>/dev/null | head -n 1)
        [ -n "$buy" ] && break
        sleep 0.1
    done
    [ -n "$buy" ] && { xdotool windowfocus "$buy"; sleep 0.2; xdotool key Return; }
    shot 280x60+410+30 count1
    shot 290x240+10+250 status1
    if same count0 count1; then
        echo "no goods bought on day 1" >&2
        kill "$pid"
        exit 1
    fi
    xdotool mousemove --window "$wid" 380 447 click 1
    boss=$(find_window '^写作$' 30) || { echo "no boss screen" >&2; kill "$pid"; exit 1; }
    xdotool windowfocus "$boss"
    sleep 0.2
    xdotool key Escape
    sleep 0.3
    shot 280x60+410+30 count2
    shot 290x240+10+250 status2
    title=$(xdotool getwindowname "$wid")
    if [ "$title" != "Torvane(1/40天)" ] || ! same count1 count2 || ! same status1 status2; then
        echo "the boss screen changed the game: title $title" >&2
        kill "$pid"
        exit 1
    fi
    xdotool windowfocus "$wid"
    sleep 0.2
    xdotool key --window "$wid" Escape
    wait "$pid"
    status=$?
    if [ "$status" -ne 0 ]; then
        echo "exit status $status" >&2
        exit 1
    fi
    if grep -q "audio" "$dir/stderr"; then
        echo "the game complained about sound:" >&2
        cat "$dir/stderr" >&2
        exit 1
    fi
    echo "window opened, places visited, played by keyboard, travelled one day, bought, boss screen left the game as it was, closed with status 0"
    exit 0
fi
if [ -n "$TORVANE_UNDER_XVFB" ] && [ -z "$TORVANE_UNDER_ATSPI" ]; then
    # Screen readers' bus, so the places check can read the status displays by name.
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    bus=$!
    trap 'kill $bus' EXIT
    sleep 0.5
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 TORVANE_UNDER_ATSPI=1 sh "$0" "$game"
    exit $?
fi
command -v xvfb-run >/dev/null 2>&1 || { echo "xvfb-run missing"; exit 77; }
command -v dbus-run-session >/dev/null 2>&1 || { echo "dbus-run-session missing"; exit 77; }
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "at-spi2-core missing"; exit 77; }
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || { echo "python3-pyatspi missing"; exit 77; }
command -v xdotool >/dev/null 2>&1 || { echo "xdotool missing"; exit 77; }
[ -x /usr/bin/import ] && [ -x /usr/bin/compare ] || { echo "imagemagick missing"; exit 77; }
TORVANE_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session sh "$0" "$game"
