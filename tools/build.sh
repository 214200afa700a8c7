#!/usr/bin/env bash
# Installs what the build and the tests need (the packages of Debian 12 or Debian 13, whichever this is),
# then configures and builds into build/.
# Quick when nothing changed: it installs only missing packages and builds incrementally.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make qt6-base-dev libgl-dev googletest libgtest-dev libbenchmark-dev
          fonts-liberation xvfb xauth desktop-file-utils appstream time bc)
packages+=(dpkg-dev lintian man-db)
# The release's own clang (14 on Debian 12, 19 on Debian 13) with its sanitizer and fuzzer runtimes.
packages+=(clang libclang-rt-dev)
# A root of Debian 13, for the tests of the course there.
packages+=(debootstrap)
# The real-window tests: a window manager, pointer and keys through the X server, the accessibility bus.
packages+=(openbox xdotool x11-utils x11-xkb-utils dbus-daemon dbus-bin at-spi2-core python3-pyatspi)
# The walk through the screen reader: Orca, speaking through speech-dispatcher and espeak-ng into ALSA's
# null device.
packages+=(orca speech-dispatcher speech-dispatcher-espeak-ng)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# With --packages-only, installing what is missing is all it does.
[ "${1:-}" != --packages-only ] || exit 0

[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
