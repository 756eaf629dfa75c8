#!/usr/bin/env bash
# Builds everything and runs every test: once as a normal build with warnings as
# errors, once more under AddressSanitizer and UndefinedBehaviorSanitizer.
# Installs what is missing first. Used by the README and by CI.
set -euo pipefail
cd "$(dirname "$0")/../.."
tools/scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDAOLSAE_WERROR=ON
cmake --build build -j "$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DDAOLSAE_WERROR=ON \
  -DDAOLSAE_SANITIZE=ON -DDAOLSAE_BENCH=OFF
cmake --build build-sanitize -j "$jobs"
(cd build-sanitize && QT_QPA_PLATFORM=offscreen \
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j "$jobs")
