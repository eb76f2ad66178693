#!/usr/bin/env bash
# Builds the Debian package from a build folder, checks it with lintian, installs it into a fresh
# Debian 12 root made with debootstrap, and starts Lexarion and Hueforge there from their menu
# entries under Xvfb as a new system user: the login window must appear, logging in must make
# the user's folder in the user's data folder ($XDG_DATA_HOME/lexarion/users/<name>), and
# nothing may be written below the installation. A copy of that program folder on a "stick"
# must run by itself as well.
#
#     install_test.sh <build folder>
#
# Needs root (for the chroot and its mounts), debootstrap, lintian and the network to Debian's
# archive; exits 77 (skipped) where it cannot run. The fresh root and the packages downloaded
# into it are kept in $LEXARION_CACHE_DIR (~/.cache/lexarion) for the next run.
set -euo pipefail

build=$(readlink -f "$1")
skip() {
    echo "skipped: $*"
    exit 77
}
[ "$(id -u)" -eq 0 ] || skip "needs root"
for tool in debootstrap lintian cpack chroot; do
    command -v "$tool" >/dev/null || skip "needs $tool"
done
mirror=http://deb.debian.org/debian
timeout 10 bash -c 'exec 3<>/dev/tcp/deb.debian.org/80' 2>/dev/null || skip "no network to $mirror"

started=$(date +%s)
phase() { echo "== [$(($(date +%s) - started))s] $*"; }

work=$(mktemp -d /tmp/lexarion-package.XXXXXX)
root=$work/root
cache=${LEXARION_CACHE_DIR:-$HOME/.cache/lexarion}
mkdir -p "$root" "$cache/apt-archives/partial"
mounts=()
cleanup() {
    # Whatever still runs inside the root goes first, then the mounts, then the root itself.
    local process
    for process in /proc/[0-9]*; do
        [ "$(readlink "$process/root" 2>/dev/null)" = "$root" ] && kill -KILL "${process#/proc/}" 2>/dev/null
    done
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount -l "${mounts[i]}" 2>/dev/null || true
    done
    rm -rf --one-file-system "$work"
}
trap cleanup EXIT

phase "building the package"
(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/*.deb)
echo "$(basename "$deb"): $(du -h "$deb" | cut -f1)"

phase "lintian"
lintian --fail-on error --tag-display-limit 0 "$deb"

phase "a fresh Debian 12 root"
tarball=$cache/debootstrap-bookworm-minbase.tar.gz
if [ -f "$tarball" ]; then
    tar -xzf "$tarball" -C "$root"
else
    debootstrap --variant=minbase bookworm "$root" "$mirror" >/dev/null
    tar -czf "$tarball.part" -C "$root" . && mv "$tarball.part" "$tarball"
fi
bind() {
    mount "$@" || skip "cannot mount in the root (a container without the right?)"
    mounts+=("${*: -1}")
}
bind -t proc proc "$root/proc"
bind --bind /dev "$root/dev"
bind --bind /dev/pts "$root/dev/pts"
# The packages downloaded once are kept for the next run.
bind --bind "$cache/apt-archives" "$root/var/cache/apt/archives"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# A throw-away root needs no syncing after every file dpkg unpacks: it halves the install time.
echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/unsafe-io"
cp "$deb" "$root/tmp/lexarion.deb"

phase "installing the package and a display to test on"
chroot "$root" apt-get -qq update
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get -qq install -y --no-install-recommends \
    /tmp/lexarion.deb xvfb xauth xdotool >"$work/apt.log" 2>&1 || {
    cat "$work/apt.log"
    exit 1
}
chroot "$root" find /usr/lib/lexarion | sort >"$work/installed-before"
chroot "$root" useradd --create-home --shell /bin/sh alice

phase "starting Lexarion and Hueforge from the menu entries as a new user"
cat >"$root/tmp/start.sh" <<'SCRIPT'
#!/bin/sh
# Runs as alice under Xvfb, in a UTF-8 locale as a desktop session has it (xdotool matches the
# Chinese window titles only there).
fail() {
    echo "FAIL: $*"
    echo "-- the program's messages:"
    cat /tmp/stderr-* 2>/dev/null
    exit 1
}
menu_command() { sed -n 's/^Exec=//p' "/usr/share/applications/org.example.lexarion.$1.desktop"; }
wait_window() {
    for _ in $(seq 1 120); do
        window=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
        [ -n "$window" ] && return 0
        sleep 0.5
    done
    fail "no window \"$1\""
}
log_in() {
    wait_window 'Lexarion用户登陆'
    xdotool windowfocus --sync "$window"
    xdotool key --delay 30 ctrl+a BackSpace
    xdotool type --delay 20 "$1"
    xdotool key Return
    wait_window "Lexarion - \\[$1\\]"
}
end() {
    kill -TERM "$1"
    for _ in $(seq 1 100); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    fail "the program did not end"
}

$(menu_command Lexarion) 2>/tmp/stderr-lexarion &
program=$!
log_in alice
echo "login window shown; logged in"
end "$program"

$(menu_command Hueforge) 2>/tmp/stderr-hueforge &
program=$!
wait_window '皮肤参数设置'
echo "Hueforge shown"
end "$program"

# The user's whole program folder copied to a stick runs from there by itself.
mkdir -p /tmp/stick
cp -rL "$HOME/.local/share/lexarion" /tmp/stick/Lexarion
/tmp/stick/Lexarion/lexarion 2>/tmp/stderr-stick &
program=$!
log_in bob
echo "the copy on the stick runs"
end "$program"
SCRIPT
chmod +x "$root/tmp/start.sh"
chroot "$root" su - alice -c 'env LANG=C.UTF-8 xvfb-run -a -n 150 -s "-screen 0 1024x768x24 -noreset" /tmp/start.sh'

phase "the user's program folder"
# Checked inside the root, where the links lead to the installation.
folder=/home/alice/.local/share/lexarion
fail=0
check() {
    if ! chroot "$root" sh -c "$1"; then
        echo "FAIL: $2"
        fail=1
    fi
}
for item in users/alice Dicts/cet-4.wsl Dicts/All.wsl Skins/WindowsXP Tips help Pictures lexarion hueforge; do
    check "[ -e '$folder/$item' ]" "missing in the user's program folder: $item"
done
check "[ -L '$folder/Dicts/All.wsl' ] && [ -L '$folder/lexarion' ]" "the installed data was copied, not linked"
check "grep -q '^LastUser=alice' '$folder/config.ini'" "no LastUser=alice in the user's config.ini"
check "[ \"\$(stat -c %U '$folder/users/alice')\" = alice ]" "the user's folder does not belong to the user"
check "[ -d /tmp/stick/Lexarion/users/bob ] && [ ! -e '$folder/users/bob' ]" \
    "the copy on the stick did not keep its state in itself"
chroot "$root" find /usr/lib/lexarion | sort >"$work/installed-after"
if ! cmp -s "$work/installed-before" "$work/installed-after"; then
    echo "FAIL: the program wrote below the installation"
    fail=1
fi
[ "$fail" -eq 0 ] && echo "the user's program folder is $folder"
phase "done"
exit "$fail"
