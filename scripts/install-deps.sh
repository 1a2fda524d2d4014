#!/usr/bin/env bash
# Installs the Debian packages Torvane needs to build, play and test, when any is missing.
set -euo pipefail

packages=(
    build-essential cmake pkg-config gettext
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libgl-dev
    fonts-wqy-microhei fonts-comic-neue
    googletest libgtest-dev libbenchmark-dev
    xdg-utils
    xvfb xauth xdotool imagemagick
    clang libclang-rt-14-dev
    librsvg2-bin dpkg-dev file desktop-file-utils appstream
    at-spi2-core dbus-x11 python3-pyatspi
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Please run as root or install sudo: missing ${missing[*]}" >&2; exit 1; }
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
