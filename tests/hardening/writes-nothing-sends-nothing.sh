#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a program under strace and fails if it creates, writes, renames or removes any file, or reaches for a
# network. Usage: writes-nothing-sends-nothing.sh SECONDS PROGRAM [ARGUMENTS...]
#   SECONDS > 0: the program waits for its user, so it is stopped after that long;
#   SECONDS = 0: the program runs to its end and must succeed.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
seconds=$1
shift

# What Qt and its libraries may do on their own, and nothing of ours:
# - QStandardPaths creates Qt's runtime directory when XDG_RUNTIME_DIR is unset;
# - fontconfig refreshes its caches when fonts are newer than them.
user="$(id -un)"
allowed="${TMPDIR:-/tmp}/runtime-$user ${XDG_CACHE_HOME:-$HOME/.cache}/fontconfig/ /var/cache/fontconfig/"
# glibc looks up the user's home directory for QStandardPaths and first asks its name service cache daemon.
local_sockets="/var/run/nscd/socket /run/nscd/socket"

# A sanitized build's leak checker needs to trace the process itself, which it cannot while strace does.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

trace="$(mktemp)"
trap 'rm -f "$trace"' EXIT

status=0
if [ "$seconds" -gt 0 ]; then
    strace -f -qq --seccomp-bpf -o "$trace" -e trace=%file,%network timeout "$seconds" "$@" || status=$?
    # 124 is timeout's word for "still running when stopped", as a program waiting for its user should be.
    if [ "$status" -ne 124 ]; then
        echo "$1 ended by itself with status $status before it was stopped after $seconds s" >&2
        exit 1
    fi
else
    strace -f -qq --seccomp-bpf -o "$trace" -e trace=%file,%network "$@" || status=$?
    if [ "$status" -ne 0 ]; then
        echo "$1 failed with status $status" >&2
        exit 1
    fi
fi

if ! awk -v allowed="$allowed" -v local_sockets="$local_sockets" -f "$here/forbidden-calls.awk" "$trace"; then
    echo "$1 wrote to the file system or reached for a network (calls above)" >&2
    exit 1
fi
echo "$1: $(wc -l <"$trace") file and network calls traced, none writes or reaches a network"
