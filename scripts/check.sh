#!/usr/bin/env bash
# Install what is missing (Debian 12), build everything and run every test:
# the unit tests, the end-to-end tests on a virtual X display, the Windows
# build under Wine, and the Debian package, the Windows installer and the
# manual page.
#   scripts/check.sh             the full build and test run
#   scripts/check.sh --sanitize  the unit tests under ASan and UBSan
set -euo pipefail
cd "$(dirname "$0")/.."

preset=ci
if [[ "${1:-}" == "--sanitize" ]]; then
  preset=sanitize
fi

packages=(
  build-essential cmake pkg-config python3
  libgtest-dev libgmock-dev libbenchmark-dev
  libx11-dev libxft-dev libfontconfig-dev libx11-xcb-dev libxcb-randr0-dev fonts-liberation
  xvfb xauth xdotool x11-apps x11-utils x11-xserver-utils x11-xkb-utils imagemagick
  openbox icewm xfwm4 xfconf dbus dbus-x11
  libwayland-dev wayland-protocols libxkbcommon-dev libfreetype-dev sway wtype
  mingw-w64 wine wine64 wixl man-db file libnss-wrapper
  libsystemd-dev libxext-dev libxss-dev plasma-wayland-protocols python3-dbus
)
source scripts/install-missing.sh

# The installer ships the 32-bit Sagelight.scr, and the Wine tests run that
# file when 32-bit Wine works here. It takes a kernel that runs 32-bit
# programs: where it does not, installing wine32 would leave /usr/bin/wine
# unable to start anything, so the tests run the 64-bit twin instead.
runs_32_bit_programs() {
  local probe status=0
  probe=$(mktemp -p "$PWD" .probe-i386.XXXXXX)
  # The smallest i386 program: exit(42).
  printf '\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x28\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null || status=$?
  rm -f "$probe"
  ((status == 42))
}
if [[ "$preset" == ci ]] && ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'ok installed'; then
  if runs_32_bit_programs; then
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
      echo "==> Adding the i386 architecture for 32-bit Wine"
      $([[ $(id -u) -ne 0 ]] && echo sudo) dpkg --add-architecture i386
    fi
    packages+=(wine32:i386)
  else
    echo "==> This kernel does not run 32-bit programs: the Wine tests run the 64-bit Sagelight.scr"
  fi
fi
install_missing "${packages[@]}"
# The Wayland desktops the end-to-end tests run besides sway, without what
# they recommend: on a bare system they add 186 packages (96 MB) to the rest,
# where with it GNOME and Plasma would come along, 836 packages (785 MB).
install_missing --no-recommends mutter kwin-wayland weston

jobs="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
echo "==> Building (preset $preset, folder build/$preset)"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j"$jobs"
echo "==> Running the tests"
ctest --preset "$preset" -j2
