#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that the program, its menu entry, its icon, its
# AppStream metainfo, its manual page and its licence are where desktops and Debian look for them, and
# that the entry and the metainfo validate with nothing to report. Then packs a fresh .deb from the same
# build and holds it to lintian (no error, no warning) and to apt (its dependencies resolve).
set -euo pipefail
build=${1:?usage: check-install.sh BUILD-DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
id=org.tesmora.tesmora
for file in bin/tesmora share/applications/$id.desktop share/icons/hicolor/scalable/apps/$id.svg \
            share/metainfo/$id.metainfo.xml share/man/man1/tesmora.1.gz \
            share/doc/tesmora/copyright share/doc/tesmora/changelog.gz; do
    [ -e "$prefix/$file" ] || { echo "missing after install: $file"; exit 1; }
done
[ -x "$prefix/bin/tesmora" ] || { echo "bin/tesmora is not executable"; exit 1; }

# Both validators pass files that still draw remarks; here a remark fails the check as an error does.
report=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1) &&
    [ -z "$report" ] || { echo "desktop-file-validate:"; echo "$report"; exit 1; }
# Two remarks are known and stand: the project has no homepage, so the metainfo names none, which
# AppStream 1.0 (Debian 13) warns of; and AppStream 0.16 (Debian 12) does not know the <developer> tag
# that AppStream 1.0 asks for.
report=$(appstreamcli validate --pedantic --no-net --explain "$prefix/share/metainfo/$id.metainfo.xml" 2>&1) || true
remarks=$(grep -E '^[EWIP]: ' <<<"$report" | grep -v -E ':[~0-9]+: (url-homepage-missing|unknown-tag developer)$' || true)
grep -q 'Validation' <<<"$report" && [ -z "$remarks" ] ||
    { echo "appstreamcli validate --pedantic:"; echo "$report"; exit 1; }
MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/tesmora.1.gz" 2>"$work/man.err" >/dev/null
[ ! -s "$work/man.err" ] || { echo "the manual page:"; cat "$work/man.err"; exit 1; }
echo "installed and valid"

cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; exit 1; }
deb=$(echo "$work"/package/tesmora_*.deb)
[ -f "$deb" ] || { echo "cpack made no .deb"; cat "$work/cpack.log"; exit 1; }
# Informational and pedantic tags are shown; an error or a warning fails the check.
status=0
lintian --display-info --pedantic --no-cfg --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || status=$?
grep -v '^running with root privileges' "$work/lintian.log" || true
[ "$status" -eq 0 ] || { echo "lintian failed the package (exit $status)"; exit 1; }
apt-get install --simulate -qq "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; exit 1; }
echo "packaged: lintian-clean and installable"
