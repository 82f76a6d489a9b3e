#!/usr/bin/env bash
# Configures build/ and builds into it: everything (the program, the tests and the benchmarks),
# or only the targets named on the command line and what they need.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDALVENQUIST_WERROR=ON
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build build --parallel "${targets[@]}"
