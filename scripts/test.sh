#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: every
# unit test and scenario once under AddressSanitizer and
# UndefinedBehaviorSanitizer, the fuzz targets, then the unit tests and
# every scenario in the normal build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

bash scripts/sanitize.sh
bash scripts/fuzz.sh

echo "== build and every test"
bash scripts/build.sh
mkdir -p -m 700 "${XDG_RUNTIME_DIR:-/tmp/ampera-runtime-$(id -u)}"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/ampera-runtime-$(id -u)}"
cd build
ctest --output-on-failure -j"$(nproc)"
bash ../scripts/check-install.sh .
