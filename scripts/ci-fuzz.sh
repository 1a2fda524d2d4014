#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and the sanitizers in build-fuzz/ and runs
# each from its seed corpus in fuzz/corpus/NAME for TORVANE_FUZZ_SECONDS (45 by
# default). New inputs go to build-fuzz/corpus/NAME, crashes to build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
seconds=${TORVANE_FUZZ_SECONDS:-45}
targets=(score_file save_paths news_file help_page gbk engine replay)
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORVANE_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}"
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
mkdir -p build-fuzz/findings
for target in "${targets[@]}"; do
    mkdir -p "build-fuzz/corpus/$target"
    log="build-fuzz/fuzz_$target.log"
    if ! "build-fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$target-" \
        "build-fuzz/corpus/$target" "fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 80 "$log"
        echo "fuzz_$target found a fault; the input is in build-fuzz/findings/" >&2
        exit 1
    fi
    echo "fuzz_$target: $(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}') runs in ${seconds} s, clean"
done
