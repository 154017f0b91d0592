#!/usr/bin/env bash
# Builds everything in build-asan/ (the asan preset) with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every unit test and every scenario once
# there. Any report, leaks included, fails the test that produced it;
# tests/sanitize/lsan.supp may only ever name system libraries.
set -euo pipefail
cd "$(dirname "$0")/.."

echo "== every unit test and every scenario under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$(nproc)" >/dev/null
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitize/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
source scripts/runtime-dir.sh
ctest --preset asan -j"$(nproc)" >/dev/null || { ctest --preset asan --rerun-failed; exit 1; }
echo "every test passed under the sanitizers"
