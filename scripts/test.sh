#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the
# plain-C++ unit tests once more under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the unit tests and every scenario.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

echo "== unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -DAMPERA_PLAIN_ONLY=ON -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" >/dev/null
cmake --build build-sanitize -j"$(nproc)"
(cd build-sanitize && ctest --output-on-failure -j"$(nproc)" >/dev/null) || {
    (cd build-sanitize && ctest --output-on-failure); exit 1; }
echo "sanitized unit tests passed"

echo "== build and every test"
bash scripts/build.sh
mkdir -p -m 700 "${XDG_RUNTIME_DIR:-/tmp/ampera-runtime-$(id -u)}"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/ampera-runtime-$(id -u)}"
cd build
ctest --output-on-failure -j"$(nproc)"
bash ../scripts/check-install.sh .
