#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Ohmara developers
# SPDX-License-Identifier: MIT
# test-on-debian.sh [12|13|testing]: the README's test command in a fresh Debian of that release (13
# unless told), as a new user runs it: a minimal system from Debian's mirror, a clone of this commit,
# `bash scripts/test.sh` inside. The system runs in namespaces of its own (mounts, processes,
# IPC; for the tests also the network, where X's and D-Bus's abstract sockets live), so nothing
# of it outlives the run and nothing of this machine's desktop or screen reader reaches it.
# The minimal system is made once a machine and kept pristine: each run writes to an overlay.
set -euo pipefail
cd "$(dirname "$0")/.."
self=$PWD/scripts/test-on-debian.sh

# In the new namespaces: mounts that go with them, the system's own /proc, /tmp and /dev/shm.
if [ "${1:-}" = --inside ]; then
    work=$2 base=$3 archives=$4 release=$5
    root=$work/root
    mount --make-rprivate /
    mount -t overlay overlay -o "lowerdir=$base,upperdir=$work/upper,workdir=$work/overlay" "$root"
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs tmpfs "$root/dev/shm"
    mount -t tmpfs tmpfs "$root/tmp"
    mount --bind "$archives" "$root/var/cache/apt/archives"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    # The mirror's testing may be a snapshot whose Release is past its Valid-Until; what is coming
    # is tried as it is. A release stays checked.
    if [ "$release" = testing ]; then
        echo 'Acquire::Check-Valid-Until "false";' >"$root/etc/apt/apt.conf.d/99ohmara-testing-snapshot"
    fi
    git clone -q --no-hardlinks "$PWD" "$root/root/ohmara"
    echo "Debian $(cat "$root/etc/debian_version"), commit $(git -C "$root/root/ohmara" log -1 --format=%h)"
    # The one step that needs the mirror, as the test command takes it; then the test command
    # itself on a network of its own, loopback only.
    bash "$self" --run "$root" 'source scripts/deps.sh &&
        ohmara_install "${ohmara_packages_build[@]}" "${ohmara_packages_test[@]}"'
    exec unshare --net -- bash -c 'ip link set lo up && exec bash "$0" --run "$1" "bash scripts/test.sh"' \
        "$self" "$root"
fi
if [ "${1:-}" = --run ]; then
    exec chroot "$2" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        /bin/bash -c "cd /root/ohmara && $3"
fi

release=${1:-13}
case $release in
12) suite=bookworm ;;
13) suite=trixie ;;
testing) suite=testing ;;
*) echo "usage: $0 [12|13|testing]" >&2 && exit 2 ;;
esac
[ "$(id -u)" -eq 0 ] || exec sudo bash "$self" "$@"

cache=${OHMARA_DEBIAN_CACHE:-/var/cache/ohmara}
base=$cache/$suite-base
if [ ! -x "$base/bin/bash" ]; then
    source scripts/deps.sh
    ohmara_install debootstrap
    rm -rf "$base.new"
    mkdir -p "$cache"
    echo "Making a minimal Debian $release in $base"
    debootstrap --variant=minbase --include=git,ca-certificates,sudo "$suite" "$base.new" \
        http://deb.debian.org/debian >"$cache/$suite-debootstrap.log"
    mv "$base.new" "$base"
fi
# Downloaded packages are kept beside the system, not in it, for the next run.
mkdir -p "$cache/$suite-archives/partial"

work=$(mktemp -d /var/tmp/ohmara-debian-$release.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir "$work/upper" "$work/overlay" "$work/root"
# The first process is the namespaces' init: every process left when it ends is killed with it.
unshare --mount --pid --ipc --uts --fork --kill-child -- \
    bash "$self" --inside "$work" "$base" "$cache/$suite-archives" "$release"
