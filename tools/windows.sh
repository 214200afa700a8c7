#!/usr/bin/env bash
# The course for Windows, made on Debian: tesmora.exe, Tesmora-VERSION-x64.zip (for a teacher without
# administrator rights) and Tesmora-VERSION-x64.msi (for school IT), left in build-windows/dist/. They are
# cross-built with Debian's MinGW-w64 against a Qt 6.8 for Windows that this script builds from Debian 13's
# own source package of Qt (static, with only what the course needs) and keeps in a cache folder outside
# the clone, named after the source's version and the configure line, until either changes.
# On Debian 13 it works on this machine; on Debian 12 it works in the root of Debian 13 that
# tools/debian13.sh makes (which needs root).
#
# Usage: windows.sh          installs what is missing, makes the Qt unless it is kept, builds, packages
#        windows.sh qt       the Qt alone
#        windows.sh test     all of it, then the tests under Wine: the offscreen tests, the keyboard walk
#                            in real windows in a Latin and a Cyrillic Windows, the pointer and the layout
#                            at 100, 125, 150 and 200 %, and the package installed and removed
# Environment: TESMORA_CACHE  where the Qt is kept (default: $XDG_CACHE_HOME/tesmora, else ~/.cache/tesmora)
set -euo pipefail
cd "$(dirname "$0")/.."
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
cache=${TESMORA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tesmora}

. /etc/os-release
if [ "${VERSION_CODENAME:-}" != trixie ]; then
    # Qt 6.8 and its host tools are Debian 13's: everything happens in its root, the cache bound into it.
    mkdir -p "$cache"
    $sudo bash tools/debian13.sh prepare
    exec $sudo env TESMORA_CACHE="$cache" bash tools/debian13.sh run bash /src/tools/windows.sh "$@"
fi

# What the build and the tests need, from Debian 13's archive.
packages=(cmake ninja-build dpkg-dev g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools googletest
          librsvg2-bin icoutils wixl msitools python3 python3-fonttools locales fonts-liberation
          wine wine64 fonts-wine xvfb xauth openbox x11-utils x11-xkb-utils xdotool)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# Qt's source comes from the archive's source packages, of the mirror this machine's packages come from.
if ! apt-get source --print-uris -qq qt6-base >/dev/null 2>&1; then
    mirror=$(apt-get indextargets --format '$(REPO_URI)' | grep -v -e security -e updates | sort -u | head -n 1)
    echo "deb-src $mirror trixie main" | $sudo tee /etc/apt/sources.list.d/tesmora-sources.list >/dev/null
    missing+=(dpkg-dev)
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# Wine takes its Windows locale from the machine's: a Latin and a Cyrillic Serbian one, by those names.
locale -a | grep -qx sr_RS.utf8@latin || $sudo localedef -i sr_RS@latin -f UTF-8 sr_RS.UTF-8@latin
locale -a | grep -qx sr_RS.utf8@cyrillic || $sudo localedef -i sr_RS -f UTF-8 sr_RS.UTF-8@cyrillic

# --- Qt for Windows ---------------------------------------------------------------------------------
# Static, with a static runtime, release; Core, Gui, Widgets and Test, the Windows and offscreen platforms
# and Windows' styles; no OpenGL, D-Bus, ICU, network, SQL, XML, printing or concurrency, no GIF, ICO or
# JPEG; Qt's own zlib, PCRE2, libpng, FreeType, HarfBuzz and double-conversion. No tablet support: the
# source package leaves out Wintab's headers, and a pen works as a pointer without it. No Direct2D 1.1
# platform plugin (DirectWrite's fonts need Direct2D itself). Built as unity sources, which halves the time.
qt_configure=(-xplatform win32-g++ -qt-host-path /usr -static -static-runtime -release
              -nomake examples -nomake tests -no-opengl -no-dbus -no-icu
              -no-feature-sql -no-feature-network -no-feature-xml -no-feature-printsupport
              -no-feature-concurrent -no-feature-vulkan -no-gif -no-ico -no-libjpeg
              -qt-zlib -qt-pcre -qt-libpng -qt-freetype -qt-harfbuzz -qt-doubleconversion
              -no-feature-direct2d1_1 -no-feature-tabletevent -unity-build)
toolchain=$PWD/packaging/windows/mingw-w64.cmake
# The version as Debian writes it: the address apt gives encodes "+" and ":".
qt_source_version=$(apt-get source --print-uris -qq qt6-base | grep -o "qt6-base_[^']*\.dsc" | head -n 1 |
                    sed 's/^qt6-base_//; s/\.dsc$//; s/%2[bB]/+/g; s/%3[aA]/:/g')
qt_key=$( (echo "$qt_source_version"; printf '%s\n' "${qt_configure[@]}"; cat "$toolchain") | sha256sum | cut -c1-12)
qt=$cache/qt-$qt_source_version-mingw-w64-$qt_key

make_qt() {
    [ ! -f "$qt/.complete" ] || return 0
    local work=$cache/qt-build-$qt_key
    rm -rf "$qt" "$work"
    mkdir -p "$work"
    echo "== Qt $qt_source_version for Windows, into $qt"
    (
        cd "$work"
        apt-get source -qq qt6-base >/dev/null 2>&1
        cd qt6-base-*/
        # Debian's own packaging leaves a static Qt's default plugins to be named by hand; Qt's way,
        # in which a program gets the Windows platform by linking Qt's GUI, is wanted here.
        patch -R -p1 -s <debian/patches/enable_skip_plugins.patch
        mkdir build
        cd build
        ../configure -prefix "$qt" "${qt_configure[@]}" -- -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
            -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >"$work/configure.log" 2>&1 ||
            { tail -n 30 "$work/configure.log"; exit 1; }
        cmake --build . --parallel "$(nproc)" >"$work/build.log" 2>&1 || { tail -n 30 "$work/build.log"; exit 1; }
        cmake --install . >"$work/install.log" 2>&1 || { tail -n 30 "$work/install.log"; exit 1; }
    )
    rm -rf "$work"
    touch "$qt/.complete"
}

make_qt
[ "${1:-}" != qt ] || exit 0

# --- The course ---------------------------------------------------------------------------------------
# A build made against another Qt starts afresh.
if ! grep -qs "$qt/" build-windows/CMakeCache.txt; then
    rm -rf build-windows
    mkdir build-windows
    cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" \
        >build-windows/configure.log 2>&1 || { tail -n 30 build-windows/configure.log; exit 1; }
fi
cmake --build build-windows
cmake --build build-windows --target packages
echo "== Made in $PWD/build-windows/dist:"
ls -l build-windows/dist
if [ "${1:-}" = test ]; then
    ctest --test-dir build-windows --output-on-failure
fi
