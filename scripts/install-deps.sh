#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, with apt-get, the Debian 12 packages that building, running and testing Tessaro need and that are missing;
# packages named as arguments too (for the scripts that need more, such as the coverage report).
set -euo pipefail

packages=(
  build-essential
  cmake
  qt6-base-dev
  qt6-tools-dev
  qt6-l10n-tools
  qt6-translations-l10n
  libgl-dev
  libgtest-dev
  fonts-liberation2
  desktop-file-utils
  appstream
  clang
  libclang-rt-14-dev
  strace
  time
  file
  git
  clang-format-14
  reuse
  lintian
)
# Only for the screen-reader test (scripts/screen-reader-test.sh): Orca on a virtual X server, driven by xdotool.
if [ "${1:-}" = --screen-reader ]; then
  shift
  packages+=(orca xvfb xdotool at-spi2-core dbus-daemon)
fi
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
