#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the programs need, only those missing.
set -euo pipefail
packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6network6 qt6-translations-l10n
    libsqlite3-dev sqlite3 libpugixml-dev zlib1g-dev libcurl4-openssl-dev libxcb1-dev
    libgtest-dev libgmock-dev libgl-dev
    libzip-dev libxlsxwriter-dev poppler-utils
    fonts-noto-cjk fonts-droid-fallback gzip python3 xvfb curl openssl
    time libsodium-dev minisign
    clang libclang-rt-14-dev
)
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
