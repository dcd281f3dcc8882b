#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# A packager's configure with BUILD_TESTING=OFF needs neither GoogleTest nor Qt Test: with both hidden from CMake,
# the configure succeeds, the program and its installation are there, and no test is.
#   configure-without-tests.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
build="$(mktemp -d)"
trap 'rm -rf "$build"' EXIT
fail() { echo "$*" >&2; exit 1; }

cmake -S "$source_dir" -B "$build" -DBUILD_TESTING=OFF -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Test=ON >"$build/configure.log" 2>&1 || fail "$(tail -n 20 "$build/configure.log")"
targets="$(cmake --build "$build" --target help)"
grep -qx '\.\.\. tessaro' <<<"$targets" || fail "no program to build: $targets"
! grep -E '_tests$' <<<"$targets" || fail "test programs among the targets"
[ -f "$build/cmake_install.cmake" ] || fail "nothing to install"
tests="$(ctest --test-dir "$build" --show-only)"
grep -q 'Total Tests: 0' <<<"$tests" || fail "tests without BUILD_TESTING: $tests"
echo "configured without GoogleTest and Qt Test: the program, its installation, no test"
