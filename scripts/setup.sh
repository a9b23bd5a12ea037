#!/usr/bin/env bash
# Installs what building and testing Tolvane needs on a Debian machine, skipping what is there.
# With --windows, also what the Windows build needs: the mingw-w64 cross compiler, Wine, zlib for
# mingw, and Debian's source archive, from which Qt for Windows is built.
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev libgl-dev
          xvfb xdotool xclip x11-utils imagemagick fonts-liberation2
          clang libclang-rt-14-dev libbenchmark-dev zlib1g-dev
          dpkg-dev file lintian desktop-file-utils appstream shared-mime-info)
if [ "${1:-}" = "--windows" ]; then
    packages+=(g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine wine64 zip unzip)
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

updated=""
if [ "${1:-}" = "--windows" ] && ! grep -rqs '^Types: deb-src' /etc/apt/sources.list.d/ &&
    ! grep -qs '^deb-src' /etc/apt/sources.list; then
    # The same archive as the binary packages, for Qt's source.
    echo "Adding Debian's source archive to apt's sources"
    sed -n '/^Types: deb$/,/^$/p' /etc/apt/sources.list.d/debian.sources 2>/dev/null |
        sed 's/^Types: deb$/Types: deb-src/' | $sudo tee /etc/apt/sources.list.d/tolvane-src.sources >/dev/null
    if [ ! -s /etc/apt/sources.list.d/tolvane-src.sources ]; then
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list | $sudo tee /etc/apt/sources.list.d/tolvane-src.list >/dev/null
        $sudo rm -f /etc/apt/sources.list.d/tolvane-src.sources
    fi
    $sudo apt-get update -qq
    updated=yes
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
[ -n "$updated" ] || $sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
