#!/usr/bin/env bash
# Runs a test program on an X display of its own: Xvfb on a free display number, the program
# runs with QT_QPA_PLATFORM=xcb, and the display is stopped afterwards whatever the outcome.
#   onxvfb.sh PROGRAM [ARGS...]
set -euo pipefail

tmp=$(mktemp -d /tmp/lexarion-xvfb.XXXXXX)
xvfb_pid=
# Displays start and stop one at a time across the tests run in parallel (the same lock as
# harness.sh): a display being torn down removes its socket late, which would cut off a new
# display given the same number.
exec {lock}>"${TMPDIR:-/tmp}/lexarion-e2e-display.lock"
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        flock "$lock"
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        flock -u "$lock"
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

# A number of its own, well above the ones Xvfb picks by itself: this Xvfb makes no lock file,
# and a server started on a number in use would take that display's socket over.
flock "$lock"
display=
for n in $(seq 100 199); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
        display=$n
        break
    fi
done
[ -n "$display" ] || { flock -u "$lock"; echo "no free display number" >&2; exit 1; }
# -noreset: the server would otherwise reset when the readiness check below disconnects, and
# refuse the test program's connection while it does.
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 200); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.05
done
flock -u "$lock"
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start" >&2; exit 1; }

QT_QPA_PLATFORM=xcb "$@"
