#!/usr/bin/env bash
# The walks through Orca on a busy machine: the Latin and the Cyrillic walk at once, and on Debian 12 the
# Latin walk through Orca 48 in the root of Debian 13 as well, beside processes that keep every core busy,
# a number of times over. A school's old computer, or CI on a loaded machine, must not make a walk fail.
# Takes about 17 to 21 minutes a run on two cores.
#
# Usage: loaded-walks.sh [RUNS] [HOGS]   (defaults: 3 runs, 3 busy processes; the main build in build/, and
#                                         the Release build of Debian 13 if tools/debian13.sh build made it)
# Each walk's output and Orca's log are left in build/loaded/ (Debian 13's in build-debian13/build-release/
# loaded/); what failed and every NOTE is printed.
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
# Orca 48, where the root of Debian 13 has its own build.
names=(latin cyrillic)
if [ -x build-debian13/build-release/tesmora ]; then
    names+=(debian13)
    mkdir -p build-debian13/build-release/loaded
fi
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
walk_debian13() {  # walk_debian13 RUN
    $sudo bash tools/debian13.sh run dbus-run-session -- bash tools/with-window-manager.sh /usr/bin/python3 \
        tests/accessibility/course_through_orca.py build-release/tesmora "build-release/loaded/orca-$1.log" \
        >"$out/walk-$1-debian13.txt" 2>&1
}

passed=0
for run in $(seq "$runs"); do
    busy=()
    for _ in $(seq "$hogs"); do
        sha256sum /dev/zero &
        busy+=($!)
    done
    started=$SECONDS
    declare -A walking=()
    walk "$run" latin &
    walking[latin]=$!
    walk "$run" cyrillic --cyrillic &
    walking[cyrillic]=$!
    if [[ " ${names[*]} " == *" debian13 "* ]]; then
        walk_debian13 "$run" &
        walking[debian13]=$!
    fi
    summary="run $run:"
    all=0
    for name in "${names[@]}"; do
        if wait "${walking[$name]}"; then
            summary+=" $name passed,"
        else
            summary+=" $name FAILED,"
            all=1
        fi
    done
    kill "${busy[@]}" 2>/dev/null
    wait "${busy[@]}" 2>/dev/null
    echo "$summary $((SECONDS - started)) s ($hogs busy processes)"
    for name in "${names[@]}"; do
        grep -E '^FAIL|^NOTE|refused|^  |results screen:' "$out/walk-$run-$name.txt" | sed "s/^/  $name: /" |
            head -n 60
    done
    [ "$all" -eq 0 ] && passed=$((passed + 1))
done
echo "$passed passed, $((runs - passed)) failed"
[ "$passed" -eq "$runs" ]
