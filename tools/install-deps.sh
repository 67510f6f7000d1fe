#!/usr/bin/env bash
# Installs the Debian packages that playing (play) or testing (test) needs; quiet when all are there.
# Every name is one that Debian 12 and Debian 13 both have.
set -euo pipefail

if [ $# -ne 1 ] || { [ "$1" != play ] && [ "$1" != test ]; }; then
    echo "usage: $0 play|test" >&2
    exit 2
fi

# Building configures the tests and benchmarks too, so their libraries are part of building.
play_packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-qpa-plugins qt6-wayland libgl-dev
    libgtest-dev libbenchmark-dev libx11-dev
    fonts-dejavu-core
)
# libclang-rt-dev follows the default clang (14 on Debian 12, 19 on Debian 13).
test_packages=(
    clang libclang-rt-dev dpkg-dev file
    xvfb xauth xdotool x11-utils x11-xserver-utils xclip imagemagick weston
    pulseaudio pulseaudio-utils sox
    strace desktop-file-utils appstream lintian man-db
    dbus-x11 at-spi2-core python3-pyatspi
    orca speech-dispatcher speech-dispatcher-espeak-ng metacity
)
packages=("${play_packages[@]}")
[ "$1" = test ] && packages+=("${test_packages[@]}")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
