#!/usr/bin/env bash
# Builds the engine layers and their tests for Windows with MinGW-w64 into build-windows/ and
# runs the tests under Wine, without a display. Installs the cross compiler, Wine and the
# GoogleTest sources first when any is missing (as root). Fails when any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++-mingw-w64-x86-64-posix wine wine64 googletest)
bash scripts/apt-install-missing.sh "${packages[@]}"

# Debian 12 has only `wine`, which picks the 64-bit loader itself; older releases and other
# systems name that loader `wine64`.
wine=""
for candidate in wine wine64 /usr/lib/wine/wine64; do
  if command -v "$candidate" >/dev/null; then
    wine=$(command -v "$candidate")
    break
  fi
done
if [ -z "$wine" ]; then
  echo "No wine command found." >&2
  exit 1
fi

cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDALVENQUIST_GUI=OFF -DDALVENQUIST_BENCH=OFF \
  -DDALVENQUIST_WERROR=ON
cmake --build build-windows --parallel

# A prefix of our own, made on first use; no display, and no offer to install Mono or Gecko,
# which the tests do not need.
export WINEPREFIX="$PWD/build-windows/wine-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

status=0
"$wine" build-windows/tests/engine_tests.exe --gtest_brief=1 || status=$?
# Leave no Wine server running behind us.
if command -v wineserver >/dev/null; then wineserver -w || true; fi
exit "$status"
