#!/usr/bin/env bash
# Builds, then measures the course against a bare Qt window and prints one table:
# start-up as whole processes (median wall time and peak memory over runs), then the in-process
# benchmarks. Under Xvfb when there is no display, else on the display at hand.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh >/dev/null
runs=${RUNS:-21}
platform=${QT_QPA_PLATFORM:-offscreen}
scratch=$(mktemp)
trap 'rm -f "$scratch"' EXIT

# Prints "median-seconds median-peak-KiB" of `runs` starts of a program.
measure() {
    local program=$1 times=() memory=()
    for _ in $(seq "$runs"); do
        local start end kib
        start=$(date +%s%N)
        /usr/bin/time -f "%M" -o "$scratch" env QT_QPA_PLATFORM="$platform" "$program" >/dev/null 2>&1
        kib=$(tail -n 1 "$scratch")
        end=$(date +%s%N)
        times+=("$(echo "($end - $start) / 1000000000" | bc -l)"); memory+=("$kib")
    done
    local middle=$(( (runs + 1) / 2 ))
    echo "$(printf '%s\n' "${times[@]}" | sort -g | sed -n "${middle}p") $(printf '%s\n' "${memory[@]}" | sort -g | sed -n "${middle}p")"
}

read -r bare_s bare_kib < <(measure build/bench/bare_window)
read -r course_s course_kib < <(measure build/bench/startup_probe)
echo "Start-up, median of $runs runs, platform $platform"
printf '%-28s %10s %14s\n' "program" "wall (s)" "peak (MiB)"
printf '%-28s %10.3f %14.1f\n' "bare Qt window" "$bare_s" "$(echo "$bare_kib / 1024" | bc -l)"
printf '%-28s %10.3f %14.1f\n' "Tesmora to its main screen" "$course_s" "$(echo "$course_kib / 1024" | bc -l)"
printf '%-28s %10.2f %14.2f\n' "ratio" "$(echo "$course_s / $bare_s" | bc -l)" "$(echo "$course_kib / $bare_kib" | bc -l)"
echo
QT_QPA_PLATFORM=offscreen build/bench/tesmora_bench --benchmark_min_time=0.2 2>/dev/null
