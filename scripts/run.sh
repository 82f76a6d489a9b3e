#!/usr/bin/env bash
# Installs what is missing, builds the program alone, and starts it. The test command later
# builds the rest into the same build folder and reuses what this one built.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh Dalvenquist
exec ./build/shell/Dalvenquist
