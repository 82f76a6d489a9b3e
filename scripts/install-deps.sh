#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing (as root).
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev fonts-dejavu-core fonts-urw-base35 locales
)

bash "$(dirname "$0")/apt-install-missing.sh" "${packages[@]}"

# A locale with a decimal comma, so that the tests can show that no number text follows it.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "Generating the locale de_DE.UTF-8"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
