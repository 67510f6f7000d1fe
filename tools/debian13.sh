#!/usr/bin/env bash
# Builds and tests the game on Debian 13 in a chroot made with debootstrap, from what a new user runs:
# tools/install-deps.sh (play, then test), the normal build with warnings as errors, the Debian
# package check, and the whole CTest suite. The chroot stays in DIR/root (default build-d13/) with
# the packages it downloaded and its build tree, so a second run only rebuilds what changed;
# --fresh makes the chroot again (from the kept packages).
# Usage: tools/debian13.sh [--fresh]        needs root or sudo, and Debian's package mirror
set -euo pipefail
cd "$(dirname "$0")/.."

# Inside the chroot: the steps themselves, on the copy of the source in /src.
if [ "${1-}" = --inside ]; then
    build=/build-d13
    jobs=$(nproc)
    # A run stopped while apt was at work leaves packages half installed: finish them first.
    if [ -n "$(dpkg --audit)" ]; then
        dpkg --configure -a >/dev/null
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -f >/dev/null
    fi
    tools/install-deps.sh play
    cmake -S . -B "$build" -DTESSARO_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" -j"$jobs" --target tessaro
    tools/install-deps.sh test
    cmake -S . -B "$build" >/dev/null
    cmake --build "$build" -j"$jobs"
    packaging/check-deb.sh "$build"
    exec ctest --test-dir "$build" --output-on-failure -j"$jobs"
fi

fresh=false
case "${1-}" in
    "") ;;
    --fresh) fresh=true ;;
    *) echo "usage: $0 [--fresh]" >&2; exit 2 ;;
esac
[ "$(id -u)" -eq 0 ] || exec sudo "$0" "$@"
# Every mount below lives in a mount namespace of its own, so none outlives the run, however it ends.
[ -n "${TESSARO_D13_UNSHARED-}" ] || exec env TESSARO_D13_UNSHARED=1 unshare --mount --propagation private "$0" "$@"

source_dir=$(pwd -P)
dir=${TESSARO_D13_DIR:-$source_dir/build-d13}
root=$dir/root
mirror=http://deb.debian.org/debian

mounted_inside() { grep -q " $root/" /proc/self/mounts; }
# Whatever the tests left running in the chroot goes, then every mount under it.
finish() {
    local status=$? pid
    set +e
    for pid in $(ls /proc | grep -x '[0-9]*'); do
        [ "$(readlink "/proc/$pid/root" 2>/dev/null)" = "$root" ] && kill -KILL "$pid" 2>/dev/null
    done
    umount --recursive --lazy "$root/proc" "$root/sys" "$root/dev" "$root/run" "$root/var/cache/apt/archives" 2>/dev/null
    if mounted_inside; then
        echo "debian13: still mounted under $root:" >&2
        grep " $root/" /proc/self/mounts >&2
        status=1
    fi
    exit "$status"
}
trap finish EXIT

if ! command -v debootstrap >/dev/null; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap >/dev/null
fi

# The chroot is kept only once it was made whole.
ready=$root/.tessaro-ready
if $fresh || [ ! -e "$ready" ]; then
    mounted_inside && { echo "debian13: $root has mounts; not removing it" >&2; exit 1; }
    rm -rf --one-file-system "$root"
    mkdir -p "$dir/debootstrap-cache"
    echo "== Debian 13 chroot (debootstrap)"
    timeout 20m debootstrap --variant=minbase --cache-dir="$dir/debootstrap-cache" trixie "$root" "$mirror" \
        >"$dir/debootstrap.log" 2>&1 || { tail -n 30 "$dir/debootstrap.log" >&2; exit 1; }
    cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror trixie main
deb $mirror trixie-updates main
deb http://deb.debian.org/debian-security trixie-security main
EOF
    touch "$ready"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"

mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --rbind /dev "$root/dev"
mount -t tmpfs tmpfs "$root/run"
# Downloaded packages are kept outside the chroot, for a --fresh one.
mkdir -p "$dir/apt-archives/partial"
mount --bind "$dir/apt-archives" "$root/var/cache/apt/archives"

# A copy of the working tree (uncommitted changes included), times kept so the build only redoes what changed.
rm -rf "$root/src"
mkdir "$root/src"
tar -C "$source_dir" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$root/src" -xpf -

echo "== Debian 13: install, build with warnings as errors, package check, tests"
timeout --kill-after=1m 50m chroot "$root" /usr/bin/env -i \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    TERM="${TERM:-dumb}" ${CI+"CI=$CI"} \
    bash -c 'cd /src && exec tools/debian13.sh --inside'
