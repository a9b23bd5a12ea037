#!/usr/bin/env bash
# Installs what building and testing Tolvane needs on a Debian machine, skipping what is there.
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev libgl-dev
          xvfb xdotool xclip x11-utils imagemagick fonts-liberation2
          clang libclang-rt-14-dev libbenchmark-dev zlib1g-dev
          dpkg-dev file lintian desktop-file-utils appstream shared-mime-info)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
