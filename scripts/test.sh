#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds everything and runs
# every test: every unit test and scenario once under AddressSanitizer and
# UndefinedBehaviorSanitizer, the fuzz targets, then every unit test and
# scenario in the normal build, the installation checks, and the unit tests of
# the plain layers built for Windows under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/runtime-dir.sh
bash scripts/install-deps.sh
bash scripts/check-format.sh

bash scripts/sanitize.sh
bash scripts/fuzz.sh

echo "== build and every test"
bash scripts/build.sh
cd build
ctest --output-on-failure -j"$(nproc)"
bash ../scripts/check-install.sh .
bash ../scripts/test-windows.sh
