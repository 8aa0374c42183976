#!/usr/bin/env bash
# Installs the Debian packages Lumivox needs to build, run and test, if any
# are missing, then configures and builds it in build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake pkg-config
  qt6-base-dev libgl-dev libx11-dev libxi-dev
  libgtest-dev
  xvfb xdotool x11-utils xauth
  fonts-wqy-microhei
  clang libclang-rt-dev  # sanitizers and libFuzzer (scripts/sanitize-and-fuzz.sh)
)

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

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
