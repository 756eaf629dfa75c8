#!/usr/bin/env bash
# Builds everything, compiles the bundled dictionaries and starts the desktop program
# on them. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/../.."
tools/scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
cd build/dictionaries
exec ../app/qt/daolsae "$@"
