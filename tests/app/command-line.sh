#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real program with each command line below, in German and in English, and checks its exit status and
# what it prints where. A command line that would open the window instead runs into the time limit and fails.
# "de-" and "en-" run without any display and without a chosen Qt platform, as on a terminal over ssh.
# The manual page lists every option that --help shows and names the program's version.
#   command-line.sh PROGRAM VERSION MANUAL_PAGE
set -euo pipefail
program=$1 version=$2 manual=$3
failures=0
out="$(mktemp)" err="$(mktemp)"
# Qt's own runtime folder, so that Qt has no reason to warn on standard error.
export XDG_RUNTIME_DIR="$(mktemp -d)"
trap 'rm -rf "$out" "$err" "$XDG_RUNTIME_DIR"' EXIT

# language | arguments | exit status | the stream that speaks | its whole text, or a line of it (…)
cases=(
  "de|--help|0|out|Aufruf: tessaro [OPTION]…"
  "de|-h|0|out|  -v, --version  zeigt die Version und endet…"
  "en|--help|0|out|Usage: tessaro [OPTION]…"
  "en|-h|0|out|  -h, --help     show this help and exit…"
  "de|--version|0|out|tessaro $version"
  "en|-v|0|out|tessaro $version"
  "de|--bogus|1|err|tessaro: unbekannte Option „--bogus“…"
  "de|--bogus|1|err|Mehr dazu unter „tessaro --help“.…"
  "en|--bogus|1|err|tessaro: unknown option '--bogus'…"
  "en|--bogus|1|err|Try 'tessaro --help' for more information.…"
  "en|-x|1|err|tessaro: unknown option '-x'…"
  "en|--version=2|1|err|Try 'tessaro --help' for more information.…"
  "de|aufgaben.txt|1|err|tessaro: unerwartetes Argument „aufgaben.txt“…"
  "en|-v aufgaben.txt|1|err|tessaro: unexpected argument 'aufgaben.txt'…"
  "de-|--help|0|out|Aufruf: tessaro [OPTION]…"
  "en-|-v|0|out|tessaro $version"
  "en-|--version -h|0|out|Usage: tessaro [OPTION]…"
  # Qt's own options are Qt's: they neither count as unknown nor hide the program's.
  "en|-platform offscreen --version|0|out|tessaro $version"
  "de|-reverse -h|0|out|Aufruf: tessaro [OPTION]…"
)

for case in "${cases[@]}"; do
  IFS='|' read -r language arguments status stream expected <<<"$case"
  case "$language" in
    *-) environment=(-u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY) ;;
    *) environment=(QT_QPA_PLATFORM=offscreen) ;;
  esac
  case "$language" in
    en*) environment=(-u LC_ALL -u LC_MESSAGES "${environment[@]}" LANGUAGE=en LANG=en_US.UTF-8) ;;
    de*) environment=(-u LC_ALL -u LC_MESSAGES "${environment[@]}" LANGUAGE= LANG=C.UTF-8) ;;
  esac
  actual_status=0
  # shellcheck disable=SC2086 # the arguments are split at their blanks
  env "${environment[@]}" timeout 20 "$program" $arguments >"$out" 2>"$err" || actual_status=$?
  if [ "$stream" = out ]; then speaking=$out; else speaking=$err; fi
  problem=""
  if [ "$actual_status" != "$status" ]; then
    problem="exit status $actual_status, not $status"
  elif [ "$stream" = err ] && [ -s "$out" ]; then
    problem="printed on standard output: $(cat "$out")"
  elif [ "$stream" = out ] && grep -q tessaro "$err"; then
    # Qt may warn here of the machine (a locale that is not installed); the program itself says nothing.
    problem="printed on standard error: $(cat "$err")"
  elif [ "${expected%…}" != "$expected" ]; then
    grep -qxF -- "${expected%…}" "$speaking" || problem="no line '${expected%…}' in: $(cat "$speaking")"
  elif [ "$(cat "$speaking")" != "$expected" ]; then
    problem="printed '$(cat "$speaking")', not '$expected'"
  fi
  if [ -n "$problem" ]; then
    echo "FAILED: tessaro $arguments ($language): $problem" >&2
    failures=$((failures + 1))
  fi
done

# The manual page: every option of the usage, and the version it was made for.
for option in -h --help -v --version; do
  grep -qF -- "${option//-/\\-}" "$manual" || { echo "FAILED: the manual page lacks $option" >&2; failures=$((failures + 1)); }
done
grep -q "^\.TH TESSARO 1 \"[0-9-]*\" \"Tessaro $version\"" "$manual" ||
  { echo "FAILED: the manual page is not made for version $version" >&2; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] && echo "${#cases[@]} command lines answered as expected; the manual page matches"
exit $((failures > 0))
