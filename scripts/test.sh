#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds everything and runs
# every test: the unit tests and every scenario once under AddressSanitizer
# and UndefinedBehaviorSanitizer, then once in the normal build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/check-format.sh

echo "== every unit test and every scenario under AddressSanitizer and UndefinedBehaviorSanitizer"
mkdir -p -m 700 "${XDG_RUNTIME_DIR:-/tmp/ampera-runtime-$(id -u)}"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/ampera-runtime-$(id -u)}"
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$(nproc)"
ctest --preset asan -j"$(nproc)" >/dev/null || { ctest --preset asan --rerun-failed; exit 1; }
echo "sanitized tests passed"

echo "== build and every test"
bash scripts/build.sh
cd build
ctest --output-on-failure -j"$(nproc)"
