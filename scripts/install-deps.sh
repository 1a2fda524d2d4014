#!/usr/bin/env bash
# Installs the Debian packages Torvane needs, when any is missing:
#   scripts/install-deps.sh play   what building and playing the game need
#   scripts/install-deps.sh test   that, and the tools of the tests, CI and packaging
set -euo pipefail

play_packages=(
    build-essential cmake pkg-config gettext
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libgl-dev libxcb1-dev libxcb-shm0-dev
    libfontconfig-dev
    librsvg2-bin
    fonts-wqy-microhei fonts-comic-neue qt6-translations-l10n
    xdg-utils
)
test_packages=(
    googletest libgtest-dev libbenchmark-dev
    xvfb xauth xdotool imagemagick libx11-dev
    clang libclang-rt-14-dev
    dpkg-dev debhelper lintian file desktop-file-utils appstream
    at-spi2-core dbus-x11 python3-pyatspi
)

case "${1:-}" in
play) packages=("${play_packages[@]}") ;;
test) packages=("${play_packages[@]}" "${test_packages[@]}") ;;
*)
    echo "usage: scripts/install-deps.sh play|test" >&2
    exit 2
    ;;
esac

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Please run as root or install sudo: missing ${missing[*]}" >&2; exit 1; }
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
