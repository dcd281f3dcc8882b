#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that a program carries the hardening of Debian's packages: it is position-independent, its relocations
# are read-only once loaded and bound at start (relro, now), the stack protector guards its functions, and where
# the compiler could not prove a copy safe it calls the fortified, checking variant (_FORTIFY_SOURCE).
#   scripts/check-hardening.sh PROGRAM [--without-fortify]   (for a build without optimisation, which has none)
set -euo pipefail
program=$1
fortified=yes
[ "${2:-}" != --without-fortify ] || fortified=no
fail() { echo "$program: $*" >&2; exit 1; }

# Each listing is read whole first: a grep -q that stops early would break a pipe under pipefail.
header="$(readelf --file-header "$program")"
segments="$(readelf --program-headers "$program")"
dynamic="$(readelf --dynamic "$program")"
symbols="$(readelf --dyn-syms --wide "$program")"
grep -qE 'Type: +DYN' <<<"$header" || fail "not position-independent"
grep -q GNU_RELRO <<<"$segments" || fail "no read-only relocations (relro)"
grep -qE 'BIND_NOW|FLAGS.* NOW' <<<"$dynamic" || fail "not bound at start (now)"
grep -q ' __stack_chk_fail' <<<"$symbols" || fail "no stack protector"
if [ "$fortified" = yes ]; then
    grep -qE ' __[a-z0-9_]+_chk(@|$)' <<<"${symbols//__stack_chk_fail/}" || fail "no fortified calls"
fi
echo "$program is hardened: PIE, relro, now, stack protector$([ "$fortified" = no ] || echo ", fortified calls")"
