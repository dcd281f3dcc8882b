#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, with apt-get, the Debian packages Tessaro needs that are missing, on Debian 12 and on Debian 13.
#   scripts/install-deps.sh [--test] [--screen-reader] [PACKAGE...]
# Without options only what building and running the program needs (the run command); --test adds the tools of the
# test command, --screen-reader those of the screen-reader test. Packages named as arguments come on top, for the scripts that need more (the coverage report).
# Every name is one that both releases have: the unversioned clang, formatter and sanitizer runtime follow each
# release's own LLVM.
set -euo pipefail

build_and_run=(
  build-essential
  cmake
  qt6-base-dev
  qt6-tools-dev
  qt6-l10n-tools
  libgl-dev
  fonts-liberation2
  # Qt's own texts (a message box's button, a field's menu) in the program's language.
  qt6-translations-l10n
)
test_tools=(
  libgtest-dev
  clang
  libclang-rt-dev
  clang-format
  git
  reuse
  strace
  file
  desktop-file-utils
  appstream
  lintian
)

# Only for the screen-reader test (scripts/screen-reader-test.sh): Orca on a virtual X server, driven by xdotool.
screen_reader=(orca xvfb xdotool at-spi2-core dbus-daemon)

packages=("${build_and_run[@]}")
while [ $# -gt 0 ]; do
  case "$1" in
    --test) packages+=("${test_tools[@]}") ;;
    --screen-reader) packages+=("${screen_reader[@]}") ;;
    *) break ;;
  esac
  shift
done
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
