#!/usr/bin/env bash
# Builds everything in build-sanitize/ with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every unit test and every scenario
# once there. Any report, leaks included, fails the test that produced it;
# tests/sanitize/lsan.supp may only ever name system libraries.
set -euo pipefail
cd "$(dirname "$0")/.."

echo "== every test under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -DAMPERA_SANITIZE=ON -DAMPERA_PLAIN_ONLY=OFF -DCMAKE_CXX_FLAGS= \
      -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-sanitize -j"$(nproc)" >/dev/null
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitize/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p -m 700 "${XDG_RUNTIME_DIR:-/tmp/ampera-runtime-$(id -u)}"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/ampera-runtime-$(id -u)}"
(cd build-sanitize && ctest -j"$(nproc)" >/dev/null) || {
    (cd build-sanitize && ctest --output-on-failure --rerun-failed); exit 1; }
echo "every test passed under the sanitizers"
