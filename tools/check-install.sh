#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that the program, its menu entry, its icon and
# its AppStream metainfo are where desktops look for them, and that the entry and metainfo validate.
set -euo pipefail
build=${1:?usage: check-install.sh BUILD-DIR}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
id=org.tesmora.tesmora
for file in bin/tesmora share/applications/$id.desktop share/icons/hicolor/scalable/apps/$id.svg \
            share/metainfo/$id.metainfo.xml; do
    [ -e "$prefix/$file" ] || { echo "missing after install: $file"; exit 1; }
done
[ -x "$prefix/bin/tesmora" ] || { echo "bin/tesmora is not executable"; exit 1; }
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/$id.metainfo.xml"
echo "installed and valid"
