#!/usr/bin/env bash
# Installs what is missing, builds, and starts the course.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: run the course under Xvfb with  xvfb-run -a bash tools/start.sh" >&2
  exit 1
fi
exec build/tesmora
