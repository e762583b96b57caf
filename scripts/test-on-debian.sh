#!/bin/bash
# test-on-debian.sh [12|13]: the README's test command in a fresh Debian of that release (13 unless
# told), as a new user runs it: a minimal system from Debian's mirror, a clone of this commit,
# `bash scripts/test.sh` inside. The system runs in namespaces of its own (mounts, processes,
# IPC; for the tests also the network, where X's and D-Bus's abstract sockets live), so nothing
# of it outlives the run and nothing of this machine's desktop or screen reader reaches it.
# The minimal system is made once a machine and kept pristine: each run writes to an overlay.
set -euo pipefail
cd "$(dirname "$0")/.."

release=${1:-13}
case $release in
12) suite=bookworm ;;
13) suite=trixie ;;
*) echo "usage: $0 [12|13]" >&2 && exit 2 ;;
esac
[ "$(id -u)" -eq 0 ] || exec sudo "$0" "$@"

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
# Downloaded packages are kept apart from the system, for the next run.
mkdir -p "$cache/$suite-archives/partial"

work=$(mktemp -d /var/tmp/ohmara-debian-$release.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir "$work/upper" "$work/overlay" "$work/root"
source=$PWD

# Inside: the mounts belong to this mount namespace and go with it; the first process is the
# namespace's init, and every process left when it ends is killed with it.
unshare --mount --pid --ipc --uts --fork --kill-child -- /bin/bash -euo pipefail -c '
    work=$1 base=$2 archives=$3 source=$4
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
    git clone -q --no-hardlinks "$source" "$root/root/ohmara"
    in_debian() { chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin /bin/bash -c "$1"; }
    echo "Debian $(cat "$root/etc/debian_version"), commit $(git -C "$root/root/ohmara" rev-parse --short HEAD)"
    # The one step that needs the mirror, as the test command itself takes it; then the tests
    # on a network of their own, loopback only.
    in_debian "cd /root/ohmara && source scripts/deps.sh && ohmara_install \"\${ohmara_packages_build[@]}\" \"\${ohmara_packages_test[@]}\""
    unshare --net -- /bin/bash -c "ip link set lo up 2>/dev/null || true; $(declare -f in_debian); \
        root=$root; in_debian \"cd /root/ohmara && bash scripts/test.sh\""
' unshare "$work" "$base" "$cache/$suite-archives" "$source"
