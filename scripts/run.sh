#!/usr/bin/env bash
# Installs what is missing, builds ampera and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run: no display found (DISPLAY and WAYLAND_DISPLAY are empty)." >&2
    echo "run: ampera is a desktop program; start it from a graphical session, or under a" >&2
    echo "run: virtual display:  xvfb-run -a build/ampera" >&2
    exit 1
fi
exec build/ampera
