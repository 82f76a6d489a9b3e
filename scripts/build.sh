#!/usr/bin/env bash
# Configures and builds the program, the tests and the benchmarks into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDALVENQUIST_WERROR=ON
cmake --build build --parallel
