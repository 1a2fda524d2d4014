#!/bin/sh
# Part of the whole-program test: on day 0 of seed 1 deposits 1500 at the bank,
# repays the rest of the cash at the post office, visits the hospital and the
# rent agent (full health and too little cash: both only tell the diary), then
# reads the status displays and the room count by their accessible names.
# usage: visit_places.sh MAIN_WINDOW_ID
wid=$1
here=$(dirname "$0")

# Waits for a window of this exact caption and gives it the keyboard.
focus() {
    for _ in $(seq 1 50); do
        w=$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1)
        if [ -n "$w" ]; then
            xdotool windowfocus "$w" 2>/dev/null
            sleep 0.3
            return 0
        fi
        sleep 0.1
    done
    echo "no window \"$1\"" >&2
    return 1
}

# Place buttons at the centres of their rectangles in the main layout (dialog
# units times 1.75, below a menu bar of about 20 pixels).
bank="82 530"; hospital="222 530"; post="362 530"; agent="506 530"
click() { xdotool mousemove --window "$wid" $1 $2 click 1; }

click $bank
focus '银行！' && xdotool key Return || exit 1
focus '现金交易' && xdotool type 1500 && xdotool key Return || exit 1
click $post
focus '给村长还钱' && xdotool key Return || exit 1
click $hospital
focus '我在Varsen的岁月' && xdotool key Return || exit 1
click $agent
focus '我在Varsen的岁月' && xdotool key Return || exit 1
sleep 0.5

seen=$(/usr/bin/python3 "$here/read_names.py" torvane)
for expected in "现金 0" "存款 1500" "欠债 5000" "健康 100" "您的出租屋 0/100"; do
    if ! printf '%s\n' "$seen" | grep -qx "$expected"; then
        echo "status display lacks \"$expected\"; names seen:" >&2
        printf '%s\n' "$seen" | grep -E '现金|存款|欠债|健康|名声|/' >&2
        exit 1
    fi
done
echo "places visited: cash 0, savings 1500, debt 5000, health 100, room 0/100"
