#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the program for 3 seconds and the screen tests to their end under strace, and fails if either creates,
# writes, renames or removes a file or reaches for a network. A probe that does both proves the check notices.
#   writes-nothing-sends-nothing.sh PROGRAM SCREEN_TESTS
set -euo pipefail
trace="$(mktemp)"
trap 'rm -f "$trace"' EXIT
# A sanitized build's leak checker needs to trace the process itself, which it cannot while strace does.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

# Prints every forbidden call of the trace. Allowed is only what Qt and fontconfig do on their own: Qt's runtime
# folder when XDG_RUNTIME_DIR is unset, fontconfig's caches, and glibc asking the name service cache daemon.
forbidden_calls() {
    awk -v allowed="${TMPDIR:-/tmp}/runtime-$(id -un) ${XDG_CACHE_HOME:-$HOME/.cache}/fontconfig/ /var/cache/fontconfig/" '
        function outside(line,  n, prefixes, i, ok) {
            n = split(allowed, prefixes, " ")
            while (match(line, /"[^"]*"/)) {
                ok = 0
                for (i = 1; i <= n; i++) ok = ok || index(substr(line, RSTART + 1), prefixes[i]) == 1
                if (!ok) return 1
                line = substr(line, RSTART + RLENGTH)
            }
            return 0
        }
        /^[0-9]+ +(open|openat|openat2)\(/ && /O_WRONLY|O_RDWR|O_CREAT|O_TRUNC/ && outside($0) { print "writes: " $0 }
        /^[0-9]+ +(creat|mkdir|mkdirat|rmdir|unlink|unlinkat|rename|renameat|renameat2|link|linkat|symlink|symlinkat|truncate|mknod|mknodat)\(/ && outside($0) { print "changes files: " $0 }
        /^[0-9]+ +socket\(/ && !/socket\(AF_UNIX,/ { print "opens a network socket: " $0 }
        /^[0-9]+ +(connect|bind|sendto|sendmsg)\(.*sa_family=/ && !/sun_path="\/(var\/)?run\/nscd\/socket"/ { print "addresses a socket: " $0 }
    ' "$trace"
}

traced() { strace -f -qq --seccomp-bpf -o "$trace" -e trace=%file,%network "$@"; }

status=0
traced timeout 3 "$1" || status=$?
[ "$status" -eq 124 ] || { echo "$1 ended by itself ($status) before it was stopped after 3 s" >&2; exit 1; }
if [ -n "$(forbidden_calls)" ]; then forbidden_calls; exit 1; fi
# Every screen test but the long plays of thousands of checks and openings, which only repeat what the others do.
traced "$2" --gtest_filter='-*Thousand*' >/dev/null || { echo "$2 failed under strace" >&2; exit 1; }
if [ -n "$(forbidden_calls)" ]; then forbidden_calls; exit 1; fi

traced bash -c ': >"$0"; rm "$0"; : 3<>/dev/tcp/127.0.0.1/9; true' "$trace.probe" || true
probe="$(forbidden_calls)"
grep -q '^writes: .*probe' <<<"$probe" && grep -q '^opens a network socket: .*AF_INET' <<<"$probe" ||
    { echo "the check missed the probe's written file or its network socket" >&2; exit 1; }
echo "neither the program nor the screen tests write a file or reach for a network"
