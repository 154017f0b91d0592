#!/usr/bin/env bash
# Installs the Debian packages ampera needs to build, run and test, where missing.
set -euo pipefail

packages=(cmake make g++ qt6-base-dev libgtest-dev libbenchmark-dev clang-format nlohmann-json3-dev
          xvfb xauth fonts-dejavu-core fonts-dejavu-extra
          poppler-utils                                # the calculation sheet's PDF checks
          libxlsxwriter-dev python3-openpyxl           # the network workbook and its check
          python3-pil                                  # the workbook's picture (scripts/workbook-picture.py)
          qt6-charts-dev                               # the time-current chart's module (ui/chart/)
          clang libclang-rt-14-dev                     # the fuzz targets
          g++-mingw-w64-x86-64-posix wine64 googletest # the plain layers for Windows, tested under Wine
          desktop-file-utils appstream dpkg-dev file lintian  # the installation checks
          shared-mime-info libxml2-utils)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "install-deps: run as root or install sudo: ${missing[*]}" >&2; exit 1; }
    sudo="sudo"
fi
echo "install-deps: installing ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
