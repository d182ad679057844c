#!/usr/bin/env bash
# Try the README's commands as a newcomer would: on a freshly made Debian 12
# (a minimal root file system, nothing else installed), with this
# repository's committed state cloned into it.
#
#   scripts/fresh-debian.sh [--keep] COMMAND...
#
# Each COMMAND is a line for bash, run as root in the clone, one after the
# other, each timed; the first that fails ends the run. For example
#   scripts/fresh-debian.sh scripts/run-linux.sh scripts/check.sh
# The clone is /home/newcomer/sagelight, owned by the user newcomer, who has
# no sudo: `setpriv --reuid=newcomer --regid=newcomer --init-groups
# scripts/run-linux.sh` tries a command as that user.
#
# Needs root and mmdebstrap (apt-get install mmdebstrap). The root is made
# under /var/tmp and removed at the end, unless --keep is given.
# SAGELIGHT_DEBIAN_MIRROR names another Debian mirror.
set -euo pipefail

keep=false
if [[ "${1:-}" == "--keep" ]]; then
  keep=true
  shift
fi
if (($# == 0)); then
  sed -n '2,/^set -e/p' "$0" | sed '$d; s/^# \{0,1\}//' >&2
  exit 2
fi
if [[ $(id -u) -ne 0 ]] || ! command -v mmdebstrap >/dev/null; then
  echo "Run this as root, with mmdebstrap installed (apt-get install mmdebstrap)." >&2
  exit 1
fi

repository="$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)"
mirror="${SAGELIGHT_DEBIAN_MIRROR:-http://deb.debian.org/debian}"
security="${mirror%/debian}/debian-security"
root="$(mktemp -d /var/tmp/sagelight-fresh.XXXXXX)"
chmod 755 "$root"
mounted=()

cleanup() {
  local status=$? pid index
  # Whatever the commands left running inside (a wineserver lingers for a
  # few seconds) would keep the mounts busy.
  for pid in /proc/[0-9]*; do
    if [[ "$(readlink "$pid/root" 2>/dev/null)" == "$root" ]]; then
      kill -KILL "${pid#/proc/}" 2>/dev/null || true
    fi
  done
  for ((index = ${#mounted[@]} - 1; index >= 0; index--)); do
    umount "${mounted[index]}" 2>/dev/null || umount --lazy "${mounted[index]}" ||
      echo "could not unmount ${mounted[index]}" >&2
  done
  if grep -q " $root/" /proc/mounts; then
    echo "Something is still mounted under $root: left in place." >&2
  elif $keep; then
    echo "The root stays in $root"
  else
    rm -rf "$root"
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

echo "==> Making a fresh Debian 12 (mmdebstrap --variant=minbase bookworm) in $root"
started=$SECONDS
# The mirror may be a dated snapshot, whose Release files have expired.
mmdebstrap --quiet --variant=minbase --aptopt='Acquire::Check-Valid-Until "false"' \
  bookworm "$root" \
  "deb $mirror bookworm main" "deb $mirror bookworm-updates main" \
  "deb $security bookworm-security main"
printf '127.0.0.1\tlocalhost\n::1\t\tlocalhost ip6-localhost ip6-loopback\n' >"$root/etc/hosts"
echo "    made in $((SECONDS - started)) s"

for target in proc sys dev dev/pts dev/shm; do
  case "$target" in
    proc) mount -t proc proc "$root/proc" ;;
    sys) mount -t sysfs sysfs "$root/sys" ;;
    *) mount --bind "/$target" "$root/$target" ;;
  esac
  mounted+=("$root/$target")
done

chroot "$root" useradd --create-home --shell /bin/bash newcomer
git clone --quiet "$repository" "$root/home/newcomer/sagelight"
echo "    cloned $(git -C "$root/home/newcomer/sagelight" log -1 --format='%h %s')"
chroot "$root" chown -R newcomer:newcomer /home/newcomer/sagelight

for command in "$@"; do
  echo "==> In the fresh root: $command"
  started=$SECONDS
  status=0
  chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    /bin/bash -c "cd /home/newcomer/sagelight && $command" </dev/null || status=$?
  elapsed=$((SECONDS - started))
  echo "==> '$command' ended with status $status after $((elapsed / 60)) min $((elapsed % 60)) s"
  if ((status != 0)); then
    exit "$status"
  fi
done
