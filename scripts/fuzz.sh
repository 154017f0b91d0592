#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each
# from its seed corpus in tests/fuzz/corpus/ for FUZZ_SECONDS seconds (20
# unless set). New inputs the fuzzer finds go to build-fuzz/corpus/, never
# into the committed seeds; a crash leaves its input in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-20}"

echo "== fuzz targets, ${seconds} s each"
cmake -S . -B build-fuzz -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_number_rules fuzz_settings_file fuzz_calculation_file >/dev/null
# Every save flushes the settings file to its disk: the fuzzers write in a
# fresh folder of their own, in memory where the machine has /dev/shm.
scratch=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for target in number_rules settings_file calculation_file; do
    mkdir -p "build-fuzz/corpus/$target"
    log="build-fuzz/$target.log"
    if ! TMPDIR="$scratch" build-fuzz/fuzz_$target -max_total_time="$seconds" -artifact_prefix=build-fuzz/ \
            "build-fuzz/corpus/$target" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz_$target failed; its log is $log" >&2
        exit 1
    fi
    echo "fuzz_$target: $(grep -o 'Done [0-9]* runs' "$log" || echo done)"
done
