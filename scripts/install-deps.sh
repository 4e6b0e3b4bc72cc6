#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the sanitizer/fuzz
# run need, when any is missing. Needs root or sudo.
set -euo pipefail

packages=(
    make cmake ninja-build g++ clang libclang-rt-14-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev
    xvfb xauth xdotool fonts-dejavu-core desktop-file-utils
    wine64 g++-mingw-w64-x86-64-posix neovim
    dpkg-dev file appstream
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
