#!/usr/bin/env bash
# Compiles the Windows resource script with the cross windres and checks that the icon group,
# the version strings and the manifest made it into the result, so that a broken .rc, icon or
# manifest shows up on Linux CI and not only in a Windows build.
set -euo pipefail
cd "$(dirname "$0")/.."

windres=x86_64-w64-mingw32-windres
bash scripts/apt-install-missing.sh binutils-mingw-w64-x86-64

# windres runs the script through a C preprocessor, by default the cross gcc, which the binutils
# package does not bring; the host's cpp does the same job for this script.
preprocess=()
if ! command -v x86_64-w64-mingw32-gcc >/dev/null; then
  preprocess=(--preprocessor=cpp --preprocessor-arg=-xc --preprocessor-arg=-DRC_INVOKED)
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! "$windres" "${preprocess[@]}" -I resources resources/dalvenquist.rc -O coff \
  -o "$work/dalvenquist.res"; then
  echo "windows resources: FAILED: windres cannot compile resources/dalvenquist.rc"
  exit 1
fi

# Whole outputs in variables: grep -q on a pipe would end the pipe early and trip pipefail.
wide=$(strings -el "$work/dalvenquist.res")
narrow=$(strings "$work/dalvenquist.res")
listing=$("$windres" -J coff -i "$work/dalvenquist.res" -O rc)

failures=()
grep -qxF "Dalvenquist.exe" <<<"$wide" || failures+=("no OriginalFilename Dalvenquist.exe")
grep -qxF "4.0.0.0" <<<"$wide" || failures+=("no FileVersion 4.0.0.0")
grep -qF 'level="asInvoker"' <<<"$narrow" || failures+=("no manifest with asInvoker")
grep -qE '^102 14 ' <<<"$listing" || failures+=("no icon group 102")
grep -qF 'Has 7 elements' <<<"$listing" || failures+=("icon group does not hold 7 images")

if [ ${#failures[@]} -gt 0 ]; then
  echo "windows resources: FAILED: $(IFS=';'; echo "${failures[*]}")"
  exit 1
fi
echo "windows resources: OK (icon group of 7 images, version 4.0.0.0, manifest asInvoker)"
