# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads an strace log (strace -f) and prints every system call that changes the file system outside the
# allowed places, or that reaches for a network. Exits 1 if it printed any.
#   -v allowed="PREFIX PREFIX ..."   paths under which creating and writing is allowed
#   -v local_sockets="PATH ..."      the only Unix socket paths a connect may name
BEGIN {
    split(allowed, allowedPrefixes, " ")
    split(local_sockets, localSockets, " ")
    found = 0
}

function isAllowedPath(path,    i) {
    for (i in allowedPrefixes)
        if (index(path, allowedPrefixes[i]) == 1)
            return 1
    return 0
}

function isLocalSocket(path,    i) {
    for (i in localSockets)
        if (path == localSockets[i])
            return 1
    return 0
}

function report(reason) {
    print reason ": " $0
    found = 1
}

# Every quoted path of the call must lie in an allowed place.
function checkPaths(reason,    rest) {
    rest = $0
    while (match(rest, /"[^"]*"/)) {
        if (!isAllowedPath(substr(rest, RSTART + 1, RLENGTH - 2))) {
            report(reason)
            return
        }
        rest = substr(rest, RSTART + RLENGTH)
    }
}

# Lines look like 'PID name(args) = result' or 'PID name(args <unfinished ...>'; resumed halves carry no arguments.
match($0, /^[0-9]+ +[a-z0-9_]+\(/) {
    call = substr($0, RSTART, RLENGTH - 1)
    sub(/^[0-9]+ +/, "", call)

    if (call ~ /^(open|openat|openat2)$/ && $0 ~ /O_WRONLY|O_RDWR|O_CREAT|O_TRUNC/)
        checkPaths("opened for writing")
    else if (call ~ /^(creat|mkdir|mkdirat|rmdir|unlink|unlinkat|rename|renameat|renameat2|link|linkat|symlink|symlinkat|truncate|mknod|mknodat)$/)
        checkPaths("changed the file system")
    else if (call == "socket" && $0 !~ /socket\(AF_UNIX,/)
        report("opened a network socket")
    else if (call ~ /^(connect|bind|sendto|sendmsg)$/ && $0 ~ /sa_family=/) {
        if ($0 !~ /sa_family=AF_UNIX/)
            report("addressed a network")
        else if (!match($0, /sun_path="[^"]*"/) || !isLocalSocket(substr($0, RSTART + 10, RLENGTH - 11)))
            report("addressed a local socket")
    }
}

END { exit found }
