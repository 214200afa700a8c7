#!/usr/bin/env bash
# The course on Debian 13 (Qt 6.8, GCC 14, Orca 48) from a machine of another release: in a root of its
# own, made with debootstrap from the Debian archive this machine's apt uses, with the source mounted at
# /src. There the README's own install step installs what Debian 13 has, tools/package.sh makes a Release
# build with Debian 13's compiler, Qt and flags, runs its offscreen tests and makes the .deb; then the real
# windows at scale 2, the sweep and the hostile client through the accessibility bus, the walk through
# Orca 48 and the installation with lintian run against that build. Needs root.
#
# Usage: debian13.sh prepare          makes the root in build-debian13/root and installs what the course needs
#        debian13.sh build            prepares the root if need be, then makes the Release build in it
#        debian13.sh ctest ARGS...    runs ctest on that build in the root
#        debian13.sh test             all three: the build, then the tests named above
#        debian13.sh run COMMAND...   runs a command in the root, in /src (tools/windows.sh does), with the
#                                     folder TESMORA_CACHE, if set, at /cache
# What the root builds lands in build-debian13/ (build-release/ inside the root), beside its Orca log.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
work=$top/build-debian13
root=$work/root

# Runs a command in the root, in a mount namespace of its own: every mount ends with the command.
in_root() {
    mkdir -p "$work/build" "$work/build-release"
    unshare --mount --propagation private -- bash -euc '
        root=$1 top=$2 work=$3
        shift 3
        # Bound onto itself, the root is a mount point, as unshare --mount-proc (Orca'"'"'s) needs in it.
        mount --bind "$root" "$root"
        mount -t proc proc "$root/proc"
        mount --rbind /sys "$root/sys"
        mount --rbind /dev "$root/dev"
        mount -t tmpfs tmpfs "$root/tmp"
        mkdir -p "$root/src"
        mount --bind "$top" "$root/src"
        # The build folders of this release are its own, beside those of the machine outside.
        mount --bind "$work/build" "$root/src/build"
        mount --bind "$work/build-release" "$root/src/build-release"
        # A cache folder of the machine (the Qt for Windows), at /cache.
        cache=""
        if [ -n "${TESMORA_CACHE:-}" ]; then
            mkdir -p "$root/cache" "$TESMORA_CACHE"
            mount --bind "$TESMORA_CACHE" "$root/cache"
            cache=/cache
        fi
        cp /etc/resolv.conf "$root/etc/resolv.conf"
        exec chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
            CI="${CI:-}" FUZZ_SECONDS="${FUZZ_SECONDS:-}" TESMORA_CACHE="$cache" "$@"
    ' in-root "$root" "$top" "$work" "$@"
}

prepare() {
    if [ ! -x "$root/usr/bin/apt-get" ]; then
        command -v debootstrap >/dev/null || bash tools/build.sh --packages-only
        # The mirror this machine's apt uses for Debian itself.
        mirror=$(apt-get indextargets --format '$(REPO_URI)' | grep -v -e security -e updates | sort -u | head -n 1)
        rm -rf "$root.new"
        mkdir -p "$work"
        debootstrap --variant=minbase trixie "$root.new" "$mirror" >"$work/debootstrap.log" 2>&1 ||
            { tail -n 20 "$work/debootstrap.log"; exit 1; }
        mv "$root.new" "$root"
    fi
    # A mount of the source needs a folder to mount on, in the root and in the source.
    mkdir -p "$root/src" "$top/build" "$top/build-release"
    in_root bash /src/tools/build.sh --packages-only
}

# The tests run on Debian 13: the real windows at scale 2, the bus, the walk through Orca 48, the package.
DEBIAN13_TESTS='^(RealWindows\.scale2|SweepOverTheBus|AccessibilityHostile|Orca|Installation)$'

case ${1:-} in
prepare)
    prepare
    ;;
build)
    prepare
    in_root bash -euc '
        cd /src
        . /etc/os-release
        echo "== $PRETTY_NAME: Qt $(dpkg-query -W -f "\${Version}" qt6-base-dev), $(g++ --version | head -n 1)"
        bash tools/package.sh
    '
    ;;
ctest)
    shift
    in_root ctest --test-dir /src/build-release --output-on-failure "$@"
    ;;
run)
    shift
    in_root bash -c 'cd /src && exec "$@"' run "$@"
    ;;
test)
    bash "$top/tools/debian13.sh" build
    bash "$top/tools/debian13.sh" ctest -R "$DEBIAN13_TESTS"
    ;;
*)
    echo "usage: $0 prepare|build|ctest ARGS...|test" >&2
    exit 2
    ;;
esac
