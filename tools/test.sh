#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite: the Release build with Debian's flags
# and its package, a build with clang 14, the sanitizer run (the offscreen tests, then the program through
# the accessibility bus) and the bounded fuzzing first, then every test of the main build (offscreen, real
# windows under Xvfb, installation).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
jobs=$(nproc)

echo "== Release build with Debian's flags: its tests, the .deb, lintian"
bash tools/package.sh
bash tools/check-install.sh build-release

echo "== Program and tests built with clang 14"
[ -f build-clang/CMakeCache.txt ] ||
    cmake -S . -B build-clang -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-clang -j"$jobs"

echo "== Tests built with AddressSanitizer and UndefinedBehaviorSanitizer"
[ -f build-sanitize/CMakeCache.txt ] ||
    cmake -S . -B build-sanitize -DTESMORA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-sanitize -j"$jobs" --target tesmora_tests tesmora
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions="$PWD/tools/lsan.supp":print_suppressions=0
QT_QPA_PLATFORM=offscreen build-sanitize/tests/tesmora_tests --gtest_brief=1
echo "== The sweep over the accessibility bus, against the program built with the sanitizers"
dbus-run-session -- bash tools/with-window-manager.sh \
    /usr/bin/python3 tests/accessibility/sweep_over_the_bus.py build-sanitize/tesmora
echo "== Hidden controls and a random assistive client through the bus, the program built with the sanitizers"
dbus-run-session -- bash tools/with-window-manager.sh \
    /usr/bin/python3 tests/accessibility/hidden_and_hostile.py build-sanitize/tesmora
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

echo "== Fuzzing, ${FUZZ_SECONDS:-20} s a target"
[ -f build-fuzz/CMakeCache.txt ] ||
    cmake -S . -B build-fuzz -DTESMORA_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14 -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz -j"$jobs"
for target in judges word_picking text_boundaries; do
    corpus=build-fuzz/corpus/$target
    mkdir -p "$corpus"
    build-fuzz/fuzz/fuzz_$target -max_total_time="${FUZZ_SECONDS:-20}" -rss_limit_mb=2048 -print_final_stats=0 \
        "$corpus" fuzz/corpus/$target 2>&1 | tail -n 1
done

echo "== Tests of the main build"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$jobs"
