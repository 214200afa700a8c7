#!/usr/bin/env bash
# Runs the keyboard walk in real windows and copies its pictures of the main lesson screen and of the
# results screen, of the main lesson screen in Cyrillic, and of both in high contrast, into docs/, where
# the README shows them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 bash tools/with-window-manager.sh \
    build/tests/tesmora_window_tests --gtest_filter='*Keyboard.*'
mkdir -p docs
cp build/screenshots/form1-tag01.png docs/main-screen.png
cp build/screenshots/results.png docs/results-screen.png
cp build/screenshots/form1-tag01-cyrillic.png docs/main-screen-cyrillic.png
cp build/screenshots/form1-tag01-high-contrast.png docs/main-screen-high-contrast.png
cp build/screenshots/form3-tag18-high-contrast.png docs/second-screen-high-contrast.png
cp build/screenshots/results-high-contrast.png docs/results-screen-high-contrast.png
echo "docs/main-screen.png, docs/results-screen.png, docs/main-screen-cyrillic.png and the three" \
    "-high-contrast pictures written"
# The walk in Wine's windows, when tools/windows.sh test has made it.
if [ -f build-windows/screenshots/form1-tag01.png ]; then
    cp build-windows/screenshots/form1-tag01.png docs/windows-main-screen.png
    cp build-windows/screenshots/results.png docs/windows-results-screen.png
    cp build-windows/screenshots/form1-tag01-high-contrast@1.25x.png docs/windows-main-screen-high-contrast.png
    echo "docs/windows-main-screen.png, docs/windows-results-screen.png and" \
        "docs/windows-main-screen-high-contrast.png written"
fi
