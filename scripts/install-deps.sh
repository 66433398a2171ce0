#!/usr/bin/env bash
# Installs the Debian packages the build needs (and the tools that build and check the Debian
# package: dpkg-dev, file, lintian, desktop-file-utils, appstream; poppler-utils, with which the tests
# read the PDF files they write); does nothing when all are present.
set -euo pipefail

packages=(
    g++ cmake ninja-build make pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev
    python3 python3-numpy python3-pytest python3-dask python3-distributed python3-setuptools
    python3-pip python3-venv
    qt6-svg-dev
    poppler-utils
    clang-format
    dpkg-dev file lintian desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
