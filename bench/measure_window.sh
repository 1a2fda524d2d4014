#!/usr/bin/env bash
# Measures the windowed game under Xvfb beside a bare Qt dialog built from the
# same tree, so the figures read as ratios that hold on a busy machine:
#   - start to the main window mapped (the "Embedding" switch skips the
#     loading screen), and the main thread's CPU time up to then;
#   - peak memory (VmHWM) once the first paints are done;
#   - CPU share and wakeups per second while idle with the ticker running.
# The same dialog with one Chinese label is measured too, as a second
# yardstick: what showing any Chinese text costs. Rounds alternate the order
# of the programs; medians are printed, with the game's ratios to both.
#   bench/measure_window.sh [BUILD_DIR] [ROUNDS] [IDLE_SECONDS] [IDLE_ROUNDS]
set -euo pipefail
build=$(realpath "${1:-build}")
rounds=${2:-20}
idle=${3:-10}
idle_rounds=${4:-3}

# Build the programs first (cmake --build BUILD_DIR); they are measured as they are.
watch="$build/torvane_map_watch"
bare="$build/torvane_bare_dialog"
for program in "$build/torvane" "$watch" "$bare"; do
    [ -x "$program" ] || { echo "missing $program: build it first" >&2; exit 1; }
done

# The second yardstick's label: two Chinese characters, in UTF-8.
label_text=$'\xe9\x93\xb6\xe8\xa1\x8c'

# A display of our own, whichever number is free.
exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
read -r -t 10 number <&3 || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$number
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
# A session bus of our own, as a desktop has: Qt asks it about the global menu
# and the screen reader before the window shows. Without one, every start
# would launch a bus through dbus-launch, which no player's desktop does.
bus_pid=
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-daemon >/dev/null; then
    exec 4< <(dbus-daemon --session --nofork --print-address=1 2>/dev/null)
    bus_pid=$!
    read -r -t 10 DBUS_SESSION_BUS_ADDRESS <&4 || { echo "dbus-daemon did not start" >&2; exit 1; }
    export DBUS_SESSION_BUS_ADDRESS
fi
echo "session bus: ${DBUS_SESSION_BUS_ADDRESS:-none}"
results=$(mktemp)
trap 'kill $xvfb $bus_pid 2>/dev/null || true; rm -f "$results"' EXIT

# measure NAME IDLE_SECONDS PROGRAM ARGS...: appends "NAME key=value..." to the results.
measure() {
    local name=$1 seconds=$2
    shift 2
    local line
    line=$(cd "$build" && "$watch" "$seconds" -- "$@") || { echo "$name: no window" >&2; exit 1; }
    echo "$name $line" >>"$results"
}

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
for i in $(seq "$rounds"); do
    seconds=0
    [ "$i" -le "$idle_rounds" ] && seconds=$idle
    # Alternate which program goes first, so none always meets a warmer cache.
    if [ $((i % 2)) -eq 1 ]; then
        measure bare "$seconds" "$bare"
        measure label 0 "$bare" "$label_text"
        measure game "$seconds" ./torvane -Embedding --seed 1
    else
        measure game "$seconds" ./torvane -Embedding --seed 1
        measure label 0 "$bare" "$label_text"
        measure bare "$seconds" "$bare"
    fi
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

# median NAME KEY: the median of one figure over the rounds that have it.
median() {
    awk -v name="$1" -v key="$2" '
        $1 == name { for (i = 2; i <= NF; ++i) { split($i, kv, "="); if (kv[1] == key) v[n++] = kv[2] } }
        END {
            if (n == 0) { print "-"; exit }
            for (i = 0; i < n; ++i) for (j = i + 1; j < n; ++j) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
            printf "%.2f", n % 2 ? v[(n - 1) / 2] : (v[n / 2 - 1] + v[n / 2]) / 2
        }' "$results"
}

row() {  # LABEL KEY UNIT SCALE
    local game bare label
    game=$(median game "$2")
    bare=$(median bare "$2")
    label=$(median label "$2")
    awk -v name="$1" -v g="$game" -v b="$bare" -v l="$label" -v unit="$3" -v scale="$4" 'BEGIN {
        ratio = (b > 0) ? sprintf("%.2fx", g / b) : "-"
        labelled = (l == "-") ? "-" : sprintf("%10.2f %-4s", l / scale, unit)
        labelRatio = (l != "-" && l > 0) ? sprintf("%.2fx", g / l) : "-"
        printf "| %-32s | %10.2f %-4s | %10.2f %-4s | %6s | %15s | %6s |\n", name, g / scale, unit, b / scale, unit,
            ratio, labelled, labelRatio
    }'
}

echo
echo "$rounds rounds, medians; idle over $idle s in the first $idle_rounds rounds"
printf "| %-32s | %15s | %15s | %6s | %15s | %6s |\n" "" "torvane" "bare Qt dialog" "ratio" "Chinese label" "ratio"
echo "|----------------------------------|-----------------|-----------------|--------|-----------------|--------|"
row "start to window mapped" map_ms ms 1
row "main-thread CPU to map" cpu_ms ms 1
row "peak memory (VmHWM)" hwm_kib MiB 1024
row "idle CPU, ticker running" idle_cpu_pct "%" 1
row "idle wakeups per second" wakeups_per_s "/s" 1
