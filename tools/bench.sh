#!/usr/bin/env bash
# Builds, then measures the course against a bare Qt window and prints one table: start-up as whole
# processes (median wall time and peak memory over runs, the programs taking turns run by run), then
# the in-process benchmarks. Start-up runs on Qt's offscreen platform unless QT_QPA_PLATFORM names
# another; the in-process benchmarks always run offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh >/dev/null
runs=${RUNS:-21}
platform=${QT_QPA_PLATFORM:-offscreen}
scratch=$(mktemp)
trap 'rm -f "$scratch"' EXIT

programs=(bare_window first_screen startup_probe startup_cyrillic)
command_of() {
    case $1 in
    startup_cyrillic) echo "build/bench/startup_probe --cyrillic" ;;
    *) echo "build/bench/$1" ;;
    esac
}
declare -A times memory
for _ in $(seq "$runs"); do
    for program in "${programs[@]}"; do
        start=$(date +%s%N)
        # shellcheck disable=SC2046 # the command splits into the program and its option
        /usr/bin/time -f "%M" -o "$scratch" env QT_QPA_PLATFORM="$platform" $(command_of "$program") \
            >/dev/null 2>&1
        end=$(date +%s%N)
        times[$program]+="$(echo "($end - $start) / 1000000000" | bc -l) "
        memory[$program]+="$(tail -n 1 "$scratch") "
    done
done
median() {
    tr ' ' '\n' | grep . | sort -g | sed -n "$(( (runs + 1) / 2 ))p"
}
bare_s=$(median <<<"${times[bare_window]}")
bare_kib=$(median <<<"${memory[bare_window]}")
row() { # name program
    local seconds kib
    seconds=$(median <<<"${times[$2]}")
    kib=$(median <<<"${memory[$2]}")
    printf '%-34s %10.3f %12.1f %12.2f %12.2f\n' "$1" "$seconds" "$(echo "$kib / 1024" | bc -l)" \
        "$(echo "$seconds / $bare_s" | bc -l)" "$(echo "$kib / $bare_kib" | bc -l)"
}
echo "Start-up, median of $runs runs, platform $platform; ratios to the bare window"
printf '%-34s %10s %12s %12s %12s\n' "program" "wall (s)" "peak (MiB)" "wall ratio" "memory ratio"
row "bare Qt window" bare_window
row "its first screen, plain Qt" first_screen
row "Tesmora to its main screen" startup_probe
row "the same in Cyrillic" startup_cyrillic
printf 'Cyrillic start-up to Latin: %.3f\n' \
    "$(echo "$(median <<<"${times[startup_cyrillic]}") / $(median <<<"${times[startup_probe]}")" | bc -l)"
echo
QT_QPA_PLATFORM=offscreen build/bench/tesmora_bench --benchmark_min_time=0.2 2>/dev/null
