#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need (idempotent).
set -euo pipefail
packages=(
    cmake ninja-build pkg-config ccache g++
    qt6-base-dev libsqlcipher-dev sqlcipher libxlsxwriter-dev libzip-dev libicu-dev
    fonts-wqy-microhei qt6-translations-l10n poppler-utils xvfb xauth libqt6svg6
    libcups2-dev cups unzip
)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
