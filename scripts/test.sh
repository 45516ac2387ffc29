#!/usr/bin/env bash
# Installs what is missing, builds Velkar and runs every test: the normal
# build, then the AddressSanitizer + UndefinedBehaviorSanitizer build with the
# same tests and a 60-second fuzzing run of the data-text reader.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELKAR_WERROR=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELKAR_SANITIZE=ON -DVELKAR_FUZZ=ON -DVELKAR_BENCH=OFF -DVELKAR_WERROR=ON
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
build-asan/tests/fuzz/fuzz_data_text -max_total_time="${VELKAR_FUZZ_SECONDS:-60}" -max_len=4096 \
  -timeout=10 -print_final_stats=0 "$corpus" tests/fuzz/corpus 2>&1 | tail -n 3
ctest --test-dir build-asan --output-on-failure -j"$jobs"
