#!/usr/bin/env bash
# Installs the Debian packages of the named groups that are missing, with
# sudo when not root.
#   base: build, run and test Lumivox on Linux
#   wine: build the Windows logic and Lumivox.exe with mingw-w64 and run
#         them, and the game launcher's tests, under Wine (with a Chinese
#         locale built from the locale sources; Lumivox.exe on a virtual
#         display)
set -euo pipefail

packages=()
for group in "$@"; do
  case "$group" in
    base) packages+=(build-essential cmake pkg-config qt6-base-dev libgl-dev libx11-dev libxi-dev libxrandr-dev
                     libgtest-dev xvfb xdotool x11-utils xauth openbox fonts-wqy-microhei fonts-arphic-uming
                     qt6-translations-l10n
                     librsvg2-bin file desktop-file-utils appstream  # the icon's bitmaps; the .deb and its checks
                     clang libclang-rt-dev  # clang: sanitizers and libFuzzer
                     python3 clang-tidy) ;;  # the layer check; the faults clang-tidy finds
    wine) packages+=(g++-mingw-w64-x86-64-posix wine wine64 locales cmake libgtest-dev
                     xvfb xdotool x11-utils fonts-wqy-microhei imagemagick  # Lumivox.exe end to end
                     librsvg2-bin icoutils qt6-base-dev) ;;  # its icon and show picture
    *) echo "install-packages: unknown group $group" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
