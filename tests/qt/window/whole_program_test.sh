#!/bin/sh
# The game under a virtual X server: the window opens on day 0, the places are
# visited (visit_places.sh), a click on a station spends a day and plays its
# sound without a word on standard error, Escape ends the program with status 0.
# usage: whole_program_test.sh PATH_TO_TORVANE
game=$1
if [ -n "$TORVANE_UNDER_ATSPI" ]; then
    dir=$(mktemp -d)
    trap 'rm -rf "$dir"' EXIT
    "$game" --seed 1 -Embedding --dir "$dir" 2>"$dir/stderr" &
    pid=$!
    wid=
    for _ in $(seq 1 100); do
        wid=$(xdotool search --name 'Torvane\(0/40天\)' 2>/dev/null | head -n 1)
        [ -n "$wid" ] && break
        sleep 0.1
    done
    if [ -z "$wid" ]; then
        echo "no game window" >&2
        kill "$pid"
        exit 1
    fi
    sleep 0.5
    if ! sh "$(dirname "$0")/../places/visit_places.sh" "$wid"; then
        kill "$pid"
        exit 1
    fi
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
    echo "window opened, travelled one day, closed with status 0"
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
TORVANE_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session sh "$0" "$game"
