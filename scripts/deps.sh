#!/usr/bin/env bash
# Installs the Debian packages Deduxa needs to build, run and test, if any
# are missing. Quick when everything is already there.
set -euo pipefail

packages=(
    g++ clang cmake ninja-build pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libasound2-dev
    fonts-liberation2 fonts-dejavu-core
    xvfb xauth poppler-utils libclang-rt-14-dev
    appstream desktop-file-utils strace
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
