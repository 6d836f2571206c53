#!/usr/bin/env bash
# Installs the Debian 12 packages that building, packaging and testing Klangor
# need; quick when all of them are already there.
set -euo pipefail

packages=(
    g++-mingw-w64-x86-64-posix cmake ninja-build googletest
    wine wine64 fonts-wine fonts-liberation
    xvfb xauth x11-apps xdotool imagemagick python3 clang-format
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "packages: installing ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
