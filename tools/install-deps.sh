#!/usr/bin/env bash
# Installs the Debian packages the game and its tests need; quiet when everything is there.
set -euo pipefail

packages=(
    cmake g++ make pkg-config clang libclang-rt-14-dev dpkg-dev file
    libgtest-dev libbenchmark-dev
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-qpa-plugins libgl-dev
    fonts-dejavu-core
    xvfb xauth xdotool x11-utils xclip imagemagick
    pulseaudio pulseaudio-utils sox
    libx11-dev strace desktop-file-utils appstream lintian man-db
    dbus-x11 at-spi2-core python3-pyatspi weston qt6-wayland
)

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
