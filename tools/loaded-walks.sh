#!/usr/bin/env bash
# The walks through Orca on a busy machine: the Latin and the Cyrillic walk at once, beside processes that
# keep every core busy, a number of times over. A school's old computer, or CI on a loaded machine, must
# not make a walk fail. Takes about 17 to 21 minutes a run on two cores.
#
# Usage: loaded-walks.sh [RUNS] [HOGS]   (defaults: 3 runs, 3 busy processes; the main build in build/)
# Each walk's output and Orca's log are left in build/loaded/; what failed and every NOTE is printed.
set -uo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
hogs=${2:-3}
program=build/tesmora
[ -x "$program" ] || { echo "no $program: build first (bash tools/build.sh)" >&2; exit 2; }
out=build/loaded
mkdir -p "$out"

walk() {  # walk RUN NAME [--cyrillic]
    local run=$1 name=$2
    shift 2
    dbus-run-session -- bash tools/with-window-manager.sh /usr/bin/python3 tests/accessibility/course_through_orca.py \
        "$program" "$out/orca-$run-$name.log" "$@" >"$out/walk-$run-$name.txt" 2>&1
}

passed=0
for run in $(seq "$runs"); do
    busy=()
    for _ in $(seq "$hogs"); do
        sha256sum /dev/zero &
        busy+=($!)
    done
    started=$SECONDS
    walk "$run" latin &
    latin=$!
    walk "$run" cyrillic --cyrillic &
    cyrillic=$!
    wait "$latin"
    latin_status=$?
    wait "$cyrillic"
    cyrillic_status=$?
    kill "${busy[@]}" 2>/dev/null
    wait "${busy[@]}" 2>/dev/null
    result() { [ "$1" -eq 0 ] && echo passed || echo FAILED; }
    echo "run $run: Latin $(result $latin_status), Cyrillic $(result $cyrillic_status), $((SECONDS - started)) s" \
         "($hogs busy processes)"
    for name in latin cyrillic; do
        grep -E '^FAIL|^NOTE|refused|^  ' "$out/walk-$run-$name.txt" | sed "s/^/  $name: /" | head -n 60
    done
    [ "$latin_status" -eq 0 ] && [ "$cyrillic_status" -eq 0 ] && passed=$((passed + 1))
done
echo "$passed passed, $((runs - passed)) failed"
[ "$passed" -eq "$runs" ]
