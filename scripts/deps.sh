#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# only those that are missing.
set -euo pipefail
packages=(cmake g++ make pkg-config qt6-base-dev libsqlite3-dev sqlite3 libqcustomplot-dev libxlsxwriter-dev
          googletest libgtest-dev qt6-translations-l10n fonts-noto-cjk xvfb xauth python3-openpyxl tzdata)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
