#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real program with each command line below, in German and in English, and checks its exit status and
# what it prints where. A command line that opens the window runs into the time limit: status 124, expected only
# where Qt's own options alone are given. "de-" and "en-" run without any display and without a chosen Qt platform,
# as on a terminal over ssh: the program answers its command line before any platform starts.
# The manual page lists every option that --help shows and names the program's version.
#   command-line.sh PROGRAM VERSION MANUAL_PAGE
# shellcheck disable=SC2034 # the arrays of arguments that the table names as @name are read by that name
set -euo pipefail
program=$1 version=$2 manual=$3
failures=0
out="$(mktemp)" err="$(mktemp)"
# Qt's own runtime folder, so that Qt has no reason to warn on standard error.
export XDG_RUNTIME_DIR="$(mktemp -d)"
trap 'rm -rf "$out" "$err" "$XDG_RUNTIME_DIR"' EXIT

# Arguments that blanks cannot write stand in the table as @name.
empty=("")
huge=("$(head -c 100000 /dev/zero | tr '\0' a)")
invalid=($'\xff\xfe')
escape=($'\e[31mrot\nx')

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
  "de-|--vers|1|err|tessaro: unbekannte Option „--vers“…"
  "de-|--help=x|1|err|tessaro: die Option „--help“ erlaubt keinen Wert…"
  "en-|--version=2|1|err|tessaro: option '--version' allows no value…"
  "de-|-|1|err|tessaro: unerwartetes Argument „-“…"
  "de-|@empty|1|err|tessaro: unerwartetes Argument „“…"
  "en-|-- --help|1|err|tessaro: unexpected argument '--help'…"
  "en-|-hx|1|err|tessaro: unknown option '-x'…"
  "en-|-hv|0|out|Usage: tessaro [OPTION]…"
  # A bad argument is shown shortened, with its control characters written out and bytes that are no text as "�".
  "de-|@huge|1|err|tessaro: unerwartetes Argument „${huge:0:40}…“…"
  "en-|@invalid|1|err|tessaro: unexpected argument '��'…"
  "de-|@escape|1|err|tessaro: unerwartetes Argument „\x1B[31mrot\x0Ax“…"
  # Qt's own options are Qt's: they neither count as unknown nor hide the program's, and alone they open the window.
  "en|-platform offscreen --version|0|out|tessaro $version"
  "de|-reverse -h|0|out|Aufruf: tessaro [OPTION]…"
  "de-|-platform nirgends -style Fusion -reverse -qwindowgeometry 1x1 --bogus|1|err|tessaro: unbekannte Option „--bogus“…"
  "en-|--reverse --style=Fusion -qwindowtitle Tessaro -v|0|out|tessaro $version"
  "de-|-platform offscreen -style Fusion -reverse -qwindowgeometry 1x1|124|out|"
  "en|--reverse|124|out|"
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
  if [ "${arguments#@}" != "$arguments" ]; then
    declare -n named="${arguments#@}"
    argv=("${named[@]}")
    unset -n named
  else
    read -ra argv <<<"$arguments"
  fi
  limit=20
  [ "$status" = 124 ] && limit=3 # the window opens and stays open
  actual_status=0
  env "${environment[@]}" timeout "$limit" "$program" "${argv[@]}" >"$out" 2>"$err" || actual_status=$?
  if [ "$stream" = out ]; then speaking=$out; else speaking=$err; fi
  problem=""
  if [ "$actual_status" != "$status" ]; then
    problem="exit status $actual_status, not $status"
  elif [ "$stream" = err ] && [ -s "$out" ]; then
    problem="printed on standard output: $(cat "$out")"
  elif [ "$stream" = out ] && grep -q tessaro "$err"; then
    # Qt may warn here of the machine (a locale that is not installed); the program itself says nothing.
    problem="printed on standard error: $(cat "$err")"
  elif [ "$stream" = err ] && { [ "$(wc -l <"$err")" -ne 2 ] || [ "$(wc -c <"$err")" -gt 300 ]; }; then
    problem="not two short lines on standard error: $(head -c 300 "$err")"
  elif [ "$stream" = err ] && [ "${language%-}" = de ] && grep -q "[\"'»«]" "$err"; then
    problem="quotation marks of another kind than „…“: $(cat "$err")"
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
