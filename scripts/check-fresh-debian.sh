#!/usr/bin/env bash
# Tries the README's two commands as a new user would: a fresh Debian 12
# (debootstrap) whose only Node.js is Debian's own (18), a normal user with
# sudo rights, a clone of this checkout. Runs the test command, then the run
# command with the window offscreen for a minute, stops the services and
# checks that nothing in the clone belongs to root.
#
#   sudo scripts/check-fresh-debian.sh [ROOT_DIR]    (default /var/tmp/quillet-debian12)
#
# Needs root (debootstrap, chroot, mounts) and Debian's package mirror and the
# npm registry. A TLS-inspecting proxy's certificates in
# /usr/local/share/ca-certificates are copied in, as on the host. The root
# folder is kept for another run (debootstrap is skipped when it is there).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
root="${1:-/var/tmp/quillet-debian12}"
user=newuser
say() { echo "check-fresh-debian: $*" >&2; }

[ "$(id -u)" -eq 0 ] || { say "run as root"; exit 1; }
command -v debootstrap >/dev/null || apt-get install -y debootstrap
if [ ! -x "$root/usr/bin/apt-get" ]; then
  say "installing Debian 12 into $root"
  debootstrap --variant=minbase --include=sudo,git,ca-certificates bookworm "$root" http://deb.debian.org/debian
fi

mounted=()
mount_in() { mount "$@"; mounted+=("${@: -1}"); }
cleanup() {
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -R -l "${mounted[i]}" 2>/dev/null || true; done
}
trap cleanup EXIT
mount_in -t proc proc "$root/proc"
mount_in --rbind /sys "$root/sys"
mount_in --rbind /dev "$root/dev"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/" 2>/dev/null || true
chroot "$root" update-ca-certificates >/dev/null

chroot "$root" bash -c "apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q nodejs npm >/dev/null"
if ! chroot "$root" id "$user" >/dev/null 2>&1; then
  chroot "$root" useradd -m -s /bin/bash "$user"
  echo "$user ALL=(ALL) NOPASSWD:ALL" >"$root/etc/sudoers.d/$user"
  chmod 440 "$root/etc/sudoers.d/$user"
fi
say "Node.js in the fresh system: $(chroot "$root" node --version)"

home="/home/$user"
rm -rf "$root$home/quillet"
git clone -q "$here" "$root$home/quillet"
chroot "$root" chown -R "$user:$user" "$home/quillet"
as_user() { chroot "$root" runuser -u "$user" -- bash -lc "cd ~/quillet && $*"; }

say "the test command as $user"
as_user scripts/test.sh
say "the run command as $user (offscreen, one minute)"
status=0
as_user 'QT_QPA_PLATFORM=offscreen timeout 60 scripts/run.sh >/tmp/quillet-run.log 2>&1' || status=$?
[ "$status" -eq 124 ] || { say "the program ended early ($status):"; tail -20 "$root/tmp/quillet-run.log"; exit 1; }
as_user scripts/stop-services.sh
owned="$(find "$root$home/quillet" -uid 0 | head -5)"
[ -z "$owned" ] || { say "files owned by root in the clone:"; echo "$owned"; exit 1; }
say "both commands worked for a normal user"
