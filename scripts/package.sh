#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package as Debian builds its own: with the release's build flags from dpkg-buildflags (the
# fortification, the stack protector, read-only relocations ...) as the compiler's and linker's flags, the preset
# "package" (without the test suite, warnings as errors) in build-package/, then cpack. Checks that the program
# is hardened and prints the package's path.
#   scripts/package.sh          (then: sudo apt-get install ./build-package/tessaro_*.deb)
# dpkg-buildflags' own variables change the flags, as for any Debian package: DEB_CPPFLAGS_MAINT_APPEND=... .
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# cpack asks file and dpkg-shlibdeps (dpkg-dev) for the libraries the program needs.
"$root/scripts/install-deps.sh" file dpkg-dev

# CMake has no place for the preprocessor's flags of their own: they go with the compiler's.
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
"$root/scripts/build.sh" package -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
"$root/scripts/check-hardening.sh" "$root/build-package/app/tessaro"
(cd "$root" && cpack --preset package >/dev/null)
ls "$root"/build-package/tessaro_*.deb
