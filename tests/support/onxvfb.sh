#!/usr/bin/env bash
# Runs a test program on an X display of its own: Xvfb picks a free display number, the program
# runs with QT_QPA_PLATFORM=xcb, and the display is stopped afterwards whatever the outcome.
#   onxvfb.sh PROGRAM [ARGS...]
set -euo pipefail

tmp=$(mktemp -d /tmp/lexarion-xvfb.XXXXXX)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

# Displays start one at a time across the tests run in parallel (the same lock as harness.sh).
exec {lock}>"${TMPDIR:-/tmp}/lexarion-e2e-display.lock"
flock "$lock"
exec {fd}>"$tmp/display"
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
exec {fd}>&-
for _ in $(seq 200); do
    if [ -s "$tmp/display" ]; then
        export DISPLAY=":$(head -1 "$tmp/display")"
        xdpyinfo >/dev/null 2>&1 && break
    fi
    sleep 0.05
done
flock -u "$lock"
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start" >&2; exit 1; }

QT_QPA_PLATFORM=xcb "$@"
