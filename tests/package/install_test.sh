#!/usr/bin/env bash
# Builds the Debian package from a build folder, checks it with lintian, installs it into a fresh
# Debian 12 root made with debootstrap, and starts Lexarion there from its menu command under
# Xvfb as a new system user: the login window must appear, and the user's program folder must be
# made in the user's data folder, with nothing written below the installation.
#
#     install_test.sh <build folder>
#
# Needs root (for the root's chroot) and the network to Debian's archive. The fresh root is kept
# as a tarball in $LEXARION_CACHE_DIR (~/.cache/lexarion) for the next run. Exits 77 (skipped)
# where it cannot run.
set -euo pipefail

build=$(readlink -f "$1")
if [ "$(id -u)" -ne 0 ] || ! command -v debootstrap >/dev/null || ! command -v lintian >/dev/null; then
    echo "skipped: needs root, debootstrap and lintian"
    exit 77
fi

work=$(mktemp -d /tmp/lexarion-package.XXXXXX)
root=$work/root
cleanup() {
    for mount in "$root/dev/pts" "$root/dev" "$root/proc"; do
        mountpoint -q "$mount" 2>/dev/null && umount -l "$mount"
    done
    rm -rf "$work"
}
trap cleanup EXIT

echo "== building the package"
(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/*.deb)
echo "$(basename "$deb"): $(du -h "$deb" | cut -f1)"

echo "== lintian"
lintian --fail-on error --no-tag-display-limit "$deb"

echo "== a fresh Debian 12 root"
cache=${LEXARION_CACHE_DIR:-$HOME/.cache/lexarion}
tarball=$cache/debootstrap-bookworm-minbase.tar.gz
mkdir -p "$root" "$cache"
if [ -f "$tarball" ]; then
    tar -xzf "$tarball" -C "$root"
else
    debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >/dev/null
    tar -czf "$tarball.part" -C "$root" . && mv "$tarball.part" "$tarball"
fi
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/lexarion.deb"

echo "== installing the package and a display to test on"
chroot "$root" apt-get -qq update
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get -qq install -y --no-install-recommends \
    /tmp/lexarion.deb xvfb xauth xdotool >/dev/null
chroot "$root" useradd --create-home --shell /bin/sh alice

echo "== starting Lexarion from the menu command as a new user"
cat >"$root/tmp/start.sh" <<'SCRIPT'
#!/bin/sh
# Runs as alice under Xvfb: starts the menu entry's command and waits for the login window.
command=$(sed -n 's/^Exec=//p' /usr/share/applications/org.example.lexarion.Lexarion.desktop)
$command &
for i in $(seq 1 60); do
    if xdotool search --onlyvisible --name '^Lexarion用户登陆$' >/dev/null 2>&1; then
        echo "login window shown"
        exit 0
    fi
    sleep 1
done
echo "no login window"
exit 1
SCRIPT
chmod +x "$root/tmp/start.sh"
chroot "$root" su - alice -c 'xvfb-run -a /tmp/start.sh'

echo "== the user's program folder"
folder=$root/home/alice/.local/share/lexarion
fail=0
for item in users Dicts/cet-4.wsl Dicts/All.wsl Skins/WindowsXP Tips help Pictures lexarion; do
    if [ ! -e "$folder/$item" ]; then
        echo "missing in the user's program folder: $item"
        fail=1
    fi
done
if [ -n "$(find "$root/usr/lib/lexarion" -newer "$root/tmp/lexarion.deb" -name users 2>/dev/null)" ] ||
    [ -e "$root/usr/lib/lexarion/users" ] || [ -e "$root/usr/lib/lexarion/config.ini" ]; then
    echo "the program wrote below the installation"
    fail=1
fi
[ "$fail" -eq 0 ] && echo "the user's program folder is $folder"
exit "$fail"
