#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Proves the README's two commands on a truly fresh Debian 12 or 13. Builds a minimal root of the release with
# debootstrap in a scratch folder (once; later runs reset it from a saved copy), copies a clean clone of the
# committed project into it, and runs there, as root: the run command, headless, until the main menu is up, and
# checks that it installed none of the test tools; the test command; then the Debian package as scripts/package.sh
# builds it with the release's own build flags, installed with apt-get and started the same way. One line per step
# with its time; the first failure ends the check with a non-zero exit. Needs root and Debian's package archive;
# takes many minutes.
#   scripts/fresh-machine-check.sh 12|13 [SCRATCH_FOLDER]   (default /var/tmp/tessaro-fresh-machine-RELEASE)
set -euo pipefail
project="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
release="${1:-}"
case "$release" in
    12) codename=bookworm ;;
    13) codename=trixie ;;
    *) echo "usage: fresh-machine-check.sh 12|13 [SCRATCH_FOLDER]" >&2; exit 2 ;;
esac
scratch="${2:-/var/tmp/tessaro-fresh-machine-$release}"
target="$scratch/root"
pristine="$scratch/minbase.tar"
log="$scratch/log"
# Debian's archive as this machine's apt reaches it (its own sources, as apt reads them): the project names no host.
mirror="$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 2>/dev/null |
    awk '$2 !~ /-(security|updates|backports)$/ { sub(/\/$/, "", $1); print $1; exit }')"
[ -n "$mirror" ] || { echo "no Debian archive in this machine's apt sources" >&2; exit 2; }

# The root's /dev is the machine's own, bound in: unmount it, lazily where a process inside still holds it, before
# anything removes the root, or the removal deletes the machine's device nodes.
unmount() {
    mountpoint -q "$target/$1" || return 0
    umount -R "$target/$1" 2>/dev/null || umount -R -l "$target/$1"
}
cleanup() { unmount sys; unmount dev; unmount proc; }
trap cleanup EXIT INT TERM

# Removes the root, never across a mount: it refuses while anything is still mounted beneath it.
remove_root() {
    cleanup
    if findmnt -rn -o TARGET | grep -q "^$target/"; then
        echo "still mounted below $target; not removing it" >&2
        return 1
    fi
    rm -rf --one-file-system "$target"
}

# Runs "$@" as step $name, prints its time, and stops the check on failure with the end of its output.
step() {
    local name=$1 started=$SECONDS output="$log.${1//[^a-zA-Z0-9]/-}"
    shift
    if "$@" >"$output" 2>&1; then
        printf '%-34s passed  %4d s\n' "$name" $((SECONDS - started))
    else
        printf '%-34s FAILED  %4d s (end of %s):\n' "$name" $((SECONDS - started)) "$output"
        tail -n 40 "$output"
        exit 1
    fi
}

inside() { chroot "$target" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 bash -c "$1"; }

prepare_root() {
    if [ ! -f "$pristine" ]; then
        "$project/scripts/install-deps.sh" debootstrap
        [ -f "/usr/share/debootstrap/scripts/$codename" ] ||
            { echo "this debootstrap does not know $codename: install a newer one" >&2; return 1; }
        rm -rf --one-file-system "$scratch/new-root"
        debootstrap --variant=minbase "$codename" "$scratch/new-root" "$mirror"
        tar -C "$scratch/new-root" -cf "$pristine" .
        rm -rf --one-file-system "$scratch/new-root"
    fi
    remove_root || return 1
    mkdir -p "$target"
    tar -C "$target" -xf "$pristine"
    cp /etc/resolv.conf "$target/etc/resolv.conf"
    git clone --quiet --no-local "$project" "$target/root/tessaro"
    mount -t proc proc "$target/proc"
    mount --rbind /dev "$target/dev" && mount --make-rslave "$target/dev"
    mount -t sysfs sys "$target/sys"
}

# Starts a command headless and waits until Qt reports the main menu's window shown (its accessible dialog
# "Tessaro" with a place on the screen), then ends it.
main_menu_comes_up() {
    inside "cd /root/tessaro && export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES=qt.accessibility.cache=true
        $1 >/tmp/started.log 2>&1 & program=\$!
        for _ in \$(seq 3600); do
            if grep -q 'name=\"Tessaro\" role=Dialog.*rect=' /tmp/started.log; then
                echo 'the main menu is up'; kill \$program; exit 0
            fi
            kill -0 \$program 2>/dev/null || break
            sleep 0.5
        done
        cat /tmp/started.log; kill \$program 2>/dev/null; exit 1"
}

# The run command installs what building and running need, and nothing of the test command's.
no_test_tools() {
    inside "dpkg-query -W -f='\${Package} \${Status}\n' libgtest-dev clang clang-format reuse strace lintian 2>/dev/null |
        grep 'install ok installed'" && return 1
    echo "none of the test tools is installed"
}

mkdir -p "$scratch"
[ "$(id -u)" -eq 0 ] || { echo "fresh-machine-check.sh needs root (debootstrap, chroot, mount)" >&2; exit 1; }
echo "Fresh Debian $release ($codename) in $target, project $(git -C "$project" rev-parse --short HEAD) (committed state only)"
step "minimal Debian $release root" prepare_root
step "README run command, headless" main_menu_comes_up ./scripts/run.sh
step "no test tool installed by it" no_test_tools
step "README test command" inside "cd /root/tessaro && ./scripts/test.sh"
step "package with Debian's flags" inside "cd /root/tessaro && ./scripts/package.sh"
step "apt-get install the package" inside "cd /root/tessaro && apt-get install -y ./build-package/tessaro_*.deb"
step "installed /usr/bin/tessaro" main_menu_comes_up /usr/bin/tessaro
step "installed tessaro --version" inside "/usr/bin/tessaro --version | grep -x 'tessaro [0-9.]*'"
echo "The README's commands work on a fresh Debian $release."
