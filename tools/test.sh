#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite on this machine's Debian: the Release
# build with Debian's flags and its package, a build with clang carrying AddressSanitizer and
# UndefinedBehaviorSanitizer (the offscreen tests, then the program through the accessibility bus), the
# bounded fuzzing, then every test of the main build (offscreen, real windows under Xvfb, Orca,
# installation). On Debian 12 it then runs the course on Debian 13 as well, in a root of its own
# (tools/debian13.sh), which it prepares in the background meanwhile. Last comes the Windows leg
# (tools/windows.sh test): the course built for Windows and tested under Wine, against a Qt for Windows
# built in the background from the start (or kept in the cache folder). Prints how long each phase took.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

phase_name="" phase_started=$SECONDS
times=()
# Ends the phase before with its time, and begins the next.
phase() {
    [ -z "$phase_name" ] || times+=("$(printf '%5d s  %s' $((SECONDS - phase_started)) "$phase_name")")
    phase_name=$1 phase_started=$SECONDS
    [ -z "$phase_name" ] || echo "== $phase_name"
}

phase "Packages and the main build"
bash tools/build.sh

. /etc/os-release
other_release=""
mkdir -p build-windows-qt
cache=${TESMORA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tesmora}
# The background job has a process group of its own (in this session), so that it can be held still.
set -m
if [ "${VERSION_CODENAME:-}" != trixie ]; then
    other_release=Debian13
    mkdir -p build-debian13
    rm -f build-debian13/prepared
    # The root is made and filled while this machine builds: it waits on the archive, not on the processor.
    # Then the Qt for Windows is built in it (unless it is kept in the cache), at the lowest priority, on
    # whatever the processor has to spare until the Windows leg needs it.
    (
        $sudo bash tools/debian13.sh prepare >build-debian13/prepare.log 2>&1
        touch build-debian13/prepared
        nice -n 19 $sudo env TESMORA_CACHE="$cache" bash tools/debian13.sh run bash /src/tools/windows.sh qt \
            >build-windows-qt/log 2>&1
    ) &
    background=$!
else
    nice -n 19 bash tools/windows.sh qt >build-windows-qt/log 2>&1 &
    background=$!
fi
set +m

phase "Release build with Debian's flags: its tests, the .deb, lintian"
bash tools/package.sh
bash tools/check-install.sh build-release

phase "Program and tests built with clang, AddressSanitizer and UndefinedBehaviorSanitizer"
[ -f build-sanitize/CMakeCache.txt ] ||
    cmake -S . -B build-sanitize -DCMAKE_CXX_COMPILER=clang++ -DTESMORA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug \
          >/dev/null
cmake --build build-sanitize -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions="$PWD/tools/lsan.supp":print_suppressions=0
QT_QPA_PLATFORM=offscreen build-sanitize/tests/tesmora_tests --gtest_brief=1
phase "The sweep over the accessibility bus, against the sanitizer build"
dbus-run-session -- bash tools/with-window-manager.sh \
    /usr/bin/python3 tests/accessibility/sweep_over_the_bus.py build-sanitize/tesmora
phase "Hidden controls and a random assistive client through the bus, against the sanitizer build"
dbus-run-session -- bash tools/with-window-manager.sh \
    /usr/bin/python3 tests/accessibility/hidden_and_hostile.py build-sanitize/tesmora
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

phase "Fuzzing, ${FUZZ_SECONDS:-20} s a target"
[ -f build-fuzz/CMakeCache.txt ] ||
    cmake -S . -B build-fuzz -DTESMORA_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz -j"$jobs"
for target in judges word_picking text_boundaries; do
    corpus=build-fuzz/corpus/$target
    mkdir -p "$corpus"
    build-fuzz/fuzz/fuzz_$target -max_total_time="${FUZZ_SECONDS:-20}" -rss_limit_mb=2048 -print_final_stats=0 \
        "$corpus" fuzz/corpus/$target 2>&1 | tail -n 1
done

phase "Tests of the main build but the walks through Orca (the sweep and the hostile client ran above)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$jobs" \
    -E '^(SweepOverTheBus|AccessibilityHostile|Orca|Orca\.cyrillic)$'

walks=()
if [ -n "$other_release" ]; then
    phase "Debian 13: the root (made in the background)"
    while [ ! -f build-debian13/prepared ]; do
        kill -0 "$background" 2>/dev/null || { tail -n 40 build-debian13/prepare.log; exit 1; }
        sleep 1
    done
    phase "Debian 13: the Release build with its compiler, Qt and flags, its offscreen tests, the .deb"
    $sudo bash tools/debian13.sh build
    phase "Debian 13: real windows at scale 2, the bus, the installation and lintian"
    $sudo bash tools/debian13.sh ctest -R '^(RealWindows\.scale2|SweepOverTheBus|AccessibilityHostile|Installation)$'
    kill -STOP -- "-$background" 2>/dev/null || true # held still while the walks listen (below)
    $sudo bash tools/debian13.sh ctest -R '^Orca$' >build-debian13/orca.txt 2>&1 &
    walks+=($!)
fi
# The walks wait on Orca far more than on the processor, so they go side by side. A build beside them,
# even at the lowest priority, has kept Orca 48 from hearing the program start: the Qt for Windows is held
# still while they listen.
phase "The walks through Orca, side by side: Latin and Cyrillic here${other_release:+, and Latin on Debian 13}"
status=0
kill -STOP -- "-$background" 2>/dev/null || true
ctest --test-dir build --output-on-failure -j"$jobs" -R '^(Orca|Orca\.cyrillic)$' || status=1
for walk in "${walks[@]}"; do
    wait "$walk" || status=1
    cat build-debian13/orca.txt
done
kill -CONT -- "-$background" 2>/dev/null || true

phase "Windows: the Qt for Windows (built in the background, or kept from an earlier run)"
wait "$background" || { tail -n 40 build-windows-qt/log; exit 1; }
grep '^== Qt' build-windows-qt/log || echo "kept in $cache"
phase "Windows: tesmora.exe, the zip and the MSI; under Wine the offscreen tests, the real windows, the installer"
if [ -n "$other_release" ]; then
    $sudo env TESMORA_CACHE="$cache" bash tools/debian13.sh run bash /src/tools/windows.sh test || status=1
else
    bash tools/windows.sh test || status=1
fi
phase ""
printf '%s\n' "== How long each phase took" "${times[@]}" "$(printf '%5d s  in all' "$SECONDS")"
exit "$status"
