#!/usr/bin/env bash
# Runs the README's test command as a newcomer would, in a fresh minimal Debian of the given release:
# debootstraps it into DIR (kept for another run), copies the committed tree in (git archive HEAD), runs
# tools/test.sh there as root and prints its summary and wall time. Needs root and debootstrap.
# Usage: tools/try_in_chroot.sh SUITE DIR   (SUITE: bookworm, trixie, ...)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

(($# == 2)) || { echo "usage: $0 SUITE DIR" >&2; exit 2; }
suite=$1 root=$(realpath -m "$2")
command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap

if [[ ! -x $root/bin/bash ]]; then
  echo "try_in_chroot: debootstrap $suite into $root"
  debootstrap --variant=minbase "$suite" "$root" http://deb.debian.org/debian >"$root.debootstrap.log" 2>&1 ||
    { echo "debootstrap failed, see $root.debootstrap.log" >&2; exit 1; }
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"

mounted=()
bind() {
  mountpoint -q "$root/$1" && return 0
  mkdir -p "$root/$1"
  mount "${@:2}" "$root/$1"
  mounted=("$root/$1" "${mounted[@]}")
}
unbind() {
  local point
  # A process of the run that is still ending can keep a mount busy for a moment: then it is detached.
  for point in "${mounted[@]}"; do umount "$point" 2>/dev/null || umount -l "$point" || true; done
}
trap unbind EXIT
bind proc -t proc proc
bind dev --bind /dev
bind dev/pts --bind /dev/pts

# The tree's place inside the chroot.
inside=/root/zorvane
rm -rf "${root:?}$inside"
mkdir -p "$root$inside"
git archive HEAD | tar -x -C "$root$inside"
echo "try_in_chroot: $(chroot "$root" cat /etc/debian_version), tree at $(git rev-parse --short HEAD)"
began=$SECONDS
status=0
chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root CI=true \
  /bin/bash -c "cd $inside && tools/test.sh" </dev/null >"$root.test.log" 2>&1 || status=$?
elapsed=$((SECONDS - began))
sed -n '/^==== summary/,$p' "$root.test.log"
echo "try_in_chroot: $suite: exit status $status after $((elapsed / 60)) min $((elapsed % 60)) s; output in $root.test.log"
exit "$status"
