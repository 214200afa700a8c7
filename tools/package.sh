#!/usr/bin/env bash
# Builds the Debian package as a distribution would: a Release build of the program and its tests with
# Debian's own compiler and linker flags (dpkg-buildflags, all hardening on), the tests run once
# offscreen, then cpack. Leaves the build in build-release/ and the .deb in build-release/package/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh --packages-only
dir=build-release

flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
# CMake knows no CPPFLAGS: the preprocessor's flags (_FORTIFY_SOURCE) go in with the compiler's.
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_CXX_FLAGS="$(flags CXXFLAGS) $(flags CPPFLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" \
      >/dev/null
cmake --build "$dir" -j"$(nproc)"

echo "== Tests of the Release build, offscreen"
QT_QPA_PLATFORM=offscreen "$dir/tests/tesmora_tests" --gtest_brief=1

cpack --config "$dir/CPackConfig.cmake" -B "$dir/package" >/dev/null
ls "$dir"/package/tesmora_*.deb
