#!/usr/bin/env bash
# Build the files users take, into build/dist/ (Debian 12; installs what is
# missing first):
#   sagelight_VERSION_ARCH.deb   the Linux program, manual page and README
#   Sagelight.scr                the Windows program (32-bit), to copy by hand
#   Sagelight-VERSION.msi        the same program with its Windows installer
# The builds stay in their preset folders, where the measurements under
# bench/ find them: build/release/startup/sagelight, and the 64-bit twin
# build/mingw-x86_64/startup/Sagelight.scr that a 64-bit-only Wine can run.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake pkg-config libx11-dev libxft-dev libfontconfig-dev
          fonts-liberation mingw-w64 wixl file
          libwayland-dev wayland-protocols libxkbcommon-dev libfreetype-dev libx11-xcb-dev
          libxcb-randr0-dev libsystemd-dev libxext-dev libxss-dev plasma-wayland-protocols)
source scripts/install-missing.sh
install_missing --no-recommends "${packages[@]}"

jobs="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
dist=build/dist
rm -rf "$dist" build/release/package
mkdir -p "$dist"

echo "==> Linux: sagelight and its Debian package (preset release)"
cmake --preset release >/dev/null
cmake --build --preset release -j"$jobs"
cpack --config build/release/CPackConfig.cmake -B build/release/package
cp build/release/package/*.deb "$dist/"

echo "==> Windows: Sagelight.scr and its installer (preset mingw-i686)"
cmake --preset mingw-i686 >/dev/null
cmake --build --preset mingw-i686 --target msi -j"$jobs"
cp build/mingw-i686/startup/Sagelight.scr build/mingw-i686/Sagelight-*.msi "$dist/"

echo "==> Windows: the 64-bit twin for measurements under Wine (preset mingw-x86_64)"
cmake --preset mingw-x86_64 >/dev/null
cmake --build --preset mingw-x86_64 -j"$jobs"

echo "==> Built into $dist:"
ls -l "$dist"
