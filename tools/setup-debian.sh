#!/usr/bin/env bash
# Installs every Debian package that building, running and testing thermbook needs.
# Safe to run again: packages already present are left alone.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libqt6sql6-sqlite
  qt6-translations-l10n qt6-gtk-platformtheme
  libgl-dev libxlsxwriter-dev libzip-dev libssl-dev openssl ca-certificates
  fonts-noto-cjk
  libqt6sql6-psql postgresql postgresql-client
  sqlite3 libsqlite3-dev python3 python3-openpyxl poppler-utils
  xvfb xauth pngquant
  desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: these packages are missing and need root to install: ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
