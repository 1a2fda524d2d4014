#!/usr/bin/env bash
# Measures the windowed game under Xvfb: time from process start to the main
# window shown (with the "Embedding" switch), CPU share while idle with the
# ticker running, and peak memory.
#   bench/measure_window.sh [BUILD_DIR] [IDLE_SECONDS]
set -euo pipefail
build=$(realpath "${1:-build}")
idle=${2:-10}
display=:97
Xvfb $display -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
export DISPLAY=$display
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
ticks=$(getconf CLK_TCK)

runs=5
total=0
for i in $(seq $runs); do
    start=$(date +%s%N)
    (cd "$build" && ./torvane -Embedding --seed 1) &
    pid=$!
    until xdotool search --name 'Torvane\(0/40' >/dev/null 2>&1; do sleep 0.005; done
    shown=$(date +%s%N)
    total=$(( total + (shown - start) / 1000000 ))
    if [ "$i" -lt "$runs" ]; then kill $pid; wait $pid 2>/dev/null || true; fi
done
echo "main window shown: $(( total / runs )) ms after start (mean of $runs)"

sleep 2
read -r -a before < <(cut -d' ' -f14,15 /proc/$pid/stat)
sleep "$idle"
read -r -a after < <(cut -d' ' -f14,15 /proc/$pid/stat)
used=$(( after[0] + after[1] - before[0] - before[1] ))
echo "idle CPU: $(awk -v u=$used -v t=$ticks -v s=$idle 'BEGIN { printf "%.2f", 100 * u / t / s }')% of one core over ${idle} s"
echo "peak memory: $(awk '/VmHWM/ { printf "%.1f MB", $2 / 1024 }' /proc/$pid/status)"
kill $pid
wait $pid 2>/dev/null || true
