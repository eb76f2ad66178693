#!/usr/bin/env bash
# The menu command over an installation made with `cmake --install`: the first start gives the
# user a program folder of links in $XDG_DATA_HOME/lexarion and starts the program there; a
# later start after an upgrade links what is new, drops what is gone, and leaves the user's
# users/ folder and their own lists alone. The real program starts each time (offscreen).
#
#     launcher_test.sh <build folder>
set -euo pipefail

build=$(readlink -f "$1")
work=$(mktemp -d /tmp/lexarion-launcher.XXXXXX)
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill -KILL "$program_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

prefix=$work/opt/lexarion
cmake --install "$build" --prefix "$prefix" >/dev/null
installed=$prefix/lib/lexarion
export HOME=$work/home QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"

# Starts the menu command $1 and waits until it has become the program $2 in the user's folder.
start() {
    "$prefix/bin/$1" >"$work/stdout" 2>"$work/stderr" &
    program_pid=$!
    for _ in $(seq 200); do
        if [ "$(readlink -f "/proc/$program_pid/exe" 2>/dev/null)" = "$installed/$2" ]; then
            kill "$program_pid" 2>/dev/null
            wait "$program_pid" 2>/dev/null || true
            program_pid=""
            return 0
        fi
        kill -0 "$program_pid" 2>/dev/null || { cat "$work/stderr"; fail "$1 ended: no $2 started"; }
        sleep 0.05
    done
    fail "$1 did not start $2"
}
linked() { [ -L "$1" ] && [ "$(readlink -f "$1")" = "$(readlink -f "$2")" ]; }

echo "== first start, XDG_DATA_HOME set"
export XDG_DATA_HOME=$work/data
folder=$XDG_DATA_HOME/lexarion
start lexarion lexarion
[ -d "$folder/users" ] && [ ! -L "$folder/users" ] || fail "no users/ folder of the user's own"
for item in lexarion hueforge Tips help Pictures Dicts/cet-4.wsl Dicts/All.wsl Dicts/All_cn.idx \
    Skins/WindowsXP Skins/Jade; do
    linked "$folder/$item" "$installed/$item" || fail "$item is not a link to the installation"
done
[ ! -L "$folder/Dicts" ] && [ ! -L "$folder/Skins" ] || fail "Dicts/ and Skins/ must be the user's"
[ -z "$(find "$installed" -newer "$work/stdout" -print -quit)" ] || fail "wrote below the installation"

echo "== the user's own files, then an upgrade that adds one list and drops another"
mkdir -p "$folder/users/Ann"
printf '[General]\r\nGroupSize=7\r\n' >"$folder/users/Ann/config.ini"
printf 'mine#我的\r\n' >"$folder/Dicts/mine.wsl"
rm "$folder/Dicts/toefl.wsl" # the user's own list in place of an installed one
printf 'toefl#我的托福\r\n' >"$folder/Dicts/toefl.wsl"
printf 'LastUser=Ann\r\n' >"$folder/config.ini"
before=$(cd "$folder" && find users config.ini Dicts/mine.wsl Dicts/toefl.wsl -type f -exec md5sum {} +)
printf 'new#新\r\n' >"$installed/Dicts/new.wsl"
rm "$installed/Dicts/gre.wsl"
start hueforge hueforge
linked "$folder/Dicts/new.wsl" "$installed/Dicts/new.wsl" || fail "the new list is not linked"
[ ! -e "$folder/Dicts/gre.wsl" ] && [ ! -L "$folder/Dicts/gre.wsl" ] || fail "the dropped list's link stays"
after=$(cd "$folder" && find users config.ini Dicts/mine.wsl Dicts/toefl.wsl -type f -exec md5sum {} +)
[ "$before" = "$after" ] || fail "the user's own files changed"

echo "== XDG_DATA_HOME unset or relative: ~/.local/share"
for data in "" relative/data; do
    export XDG_DATA_HOME=$data
    rm -rf "$HOME/.local"
    start lexarion lexarion
    linked "$HOME/.local/share/lexarion/lexarion" "$installed/lexarion" ||
        fail "no program folder in ~/.local/share with XDG_DATA_HOME='$data'"
done
echo "ok"
