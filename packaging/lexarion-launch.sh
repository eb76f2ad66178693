#!/bin/sh
# Starts Lexarion, or Hueforge when called as "hueforge", in the user's own program folder.
#
# The installation below <prefix>/lib/lexarion is read-only and shared. Lexarion keeps all its
# state below its program folder, so each user gets a folder of their own,
# $XDG_DATA_HOME/lexarion (~/.local/share/lexarion), holding users/, config.ini and whatever else
# the program writes, with links to the installed programs and read-only data. The links are
# laid again at every start, so a new version of the package reaches every user at their next
# start without touching what they wrote. A folder made this way can be copied whole (with
# `cp -L`) to a USB stick and run from there.
set -eu

here=$(dirname "$(readlink -f "$0")")
installed=$(readlink -f "$here/../lib/lexarion")

case "$(basename "$0")" in
hueforge*) program=hueforge ;;
*) program=lexarion ;;
esac

data=${XDG_DATA_HOME:-}
case "$data" in
/*) ;;
*) data="$HOME/.local/share" ;;
esac
folder="$data/lexarion"

# Links `target` as `link` unless the user keeps a file or folder of their own under that name.
link_to() {
    if [ -L "$2" ] || [ ! -e "$2" ]; then
        ln -sfn "$1" "$2"
    fi
}

mkdir -p "$folder/users" "$folder/Dicts" "$folder/Skins"
for name in lexarion hueforge Tips help Pictures Ksphonet.ttf; do
    [ -e "$installed/$name" ] && link_to "$installed/$name" "$folder/$name"
done
# Word lists and skins are linked one by one, so the user can add lists and skins of their own.
for item in "$installed"/Dicts/* "$installed"/Skins/*; do
    [ -e "$item" ] || continue
    kind=$(basename "$(dirname "$item")")
    link_to "$item" "$folder/$kind/$(basename "$item")"
done
# Links to what a later version no longer installs go.
for item in "$folder"/* "$folder"/Dicts/* "$folder"/Skins/*; do
    if [ -L "$item" ] && [ ! -e "$item" ]; then
        rm -f "$item"
    fi
done

exec "$folder/$program" "$@"
