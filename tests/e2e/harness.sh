# End-to-end harness: the real program in a fixture program folder on its own Xvfb display,
# driven with xdotool. Sourced by the test scripts; later windows add their checks the same way.
#
#   e2e_begin                    make a program folder, start Xvfb (sets PROGRAM, DISPLAY)
#   e2e_desktop                  add a window manager and a system tray to the display
#   e2e_wait_tray_icon [SECS]    wait for the program's icon in the tray, print its id
#   e2e_click WINDOW X Y [BUTTON [COUNT]]  click at X, Y inside WINDOW
#   e2e_write RELATIVE TEXT      write a file of the program folder (UTF-8 text as given)
#   e2e_start                    start the program (sets PROGRAM_PID, STARTED_AT)
#   e2e_wait_window NAME [SECS]  wait for a visible window titled NAME, print its id
#   e2e_log_in NAME              log NAME in at the login window, print the console's id
#   e2e_no_window NAME           true when no visible window is titled NAME
#   e2e_type WINDOW TEXT, e2e_key WINDOW KEY...
#   e2e_wait_exit [SECS]         wait for the program to end; its exit code in EXIT_CODE
#   e2e_expect_saved_end NAME    wait for a clean end (exit code 0) that wrote "LastUser=NAME"
#   e2e_shot FILE                screenshot of the whole display
#   e2e_fail MESSAGE             report and stop
set -euo pipefail

E2E_BUILD=${E2E_BUILD:?the build folder}
E2E_SOURCE=${E2E_SOURCE:?the source folder}

# Milliseconds of the clock, so that a wait of one second lasts a whole second.
e2e_now_ms() { date +%s%3N; }

e2e_fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ] && [ -n "${E2E_TMP:-}" ]; then
        import -window root "$E2E_TMP/failure.png" 2>/dev/null &&
            echo "screenshot: $E2E_TMP/failure.png" >&2 || true
        touch "$E2E_TMP/.keep" # seen by the cleanup even when failing inside $(...)
        cp "$E2E_TMP/stderr" "$E2E_TMP/stderr.txt" 2>/dev/null || true
    fi
    exit 1
}

e2e_stop_process() {
    local pid=$1
    kill -0 "$pid" 2>/dev/null || return 0
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.05
    done
    kill -KILL "$pid" 2>/dev/null || true
}

e2e_cleanup() {
    # The program first, so it never sees its display vanish; then the desktop around it.
    [ -n "${PROGRAM_PID:-}" ] && e2e_stop_process "$PROGRAM_PID"
    [ -n "${TRAY_PID:-}" ] && e2e_stop_process "$TRAY_PID"
    [ -n "${WM_PID:-}" ] && e2e_stop_process "$WM_PID"
    if [ -n "${XVFB_PID:-}" ]; then
        flock "$E2E_DISPLAY_LOCK"
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        flock -u "$E2E_DISPLAY_LOCK"
    fi
    if [ -n "${E2E_TMP:-}" ]; then
        if [ -e "$E2E_TMP/.keep" ] || [ -n "${E2E_KEEP:-}" ]; then
            echo "kept: $E2E_TMP" >&2
        else
            rm -rf "$E2E_TMP"
        fi
    fi
}

e2e_begin() {
    E2E_TMP=$(mktemp -d /tmp/lexarion-e2e.XXXXXX)
    trap e2e_cleanup EXIT
    PROGRAM="$E2E_TMP/Lexarion"
    mkdir -p "$PROGRAM/users" "$PROGRAM/Dicts" "$PROGRAM/Tips"
    cp "$E2E_BUILD/Lexarion/lexarion" "$PROGRAM/"
    cp -r "$E2E_BUILD/Lexarion/Pictures" "$E2E_BUILD/Lexarion/help" "$PROGRAM/"
    [ -d "$E2E_BUILD/Lexarion/Skins" ] && cp -r "$E2E_BUILD/Lexarion/Skins" "$PROGRAM/"
    printf 'abandon#放弃#ə\x27bændən\r\nability#能力\r\n' > "$PROGRAM/Dicts/cet-4.wsl"
    export XDG_DATA_HOME="$E2E_TMP/data" XDG_RUNTIME_DIR="$E2E_TMP/run"
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    # A display of our own: Xvfb picks a free number and writes it to the file. Starting and
    # stopping displays is serialised across the tests run in parallel: a display being torn
    # down removes its socket file late, which would cut off a new display of the same number.
    # -noreset: by default the server resets whenever its last client leaves (the readiness
    # check below is such a client) and refuses connections while it does, so a program
    # started at that moment could not open the display.
    local display_file="$E2E_TMP/display" fd
    exec {E2E_DISPLAY_LOCK}>"${TMPDIR:-/tmp}/lexarion-e2e-display.lock"
    flock "$E2E_DISPLAY_LOCK"
    exec {fd}>"$display_file"
    Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    exec {fd}>&-
    for _ in $(seq 200); do
        if [ -s "$display_file" ]; then
            export DISPLAY=":$(head -1 "$display_file")"
            if xdpyinfo >/dev/null 2>&1; then
                flock -u "$E2E_DISPLAY_LOCK"
                return 0
            fi
        fi
        sleep 0.05
    done
    flock -u "$E2E_DISPLAY_LOCK"
    e2e_fail "Xvfb did not start"
}

# A desktop as users have it: openbox manages the windows (activation, minimising) and trayer
# holds the notification area at the top right of the screen.
e2e_desktop() {
    # The tray first: a window manager that is still starting up can drop the request to show
    # a new window, while it takes over windows that are already shown.
    local ready=
    for _ in 1 2 3; do
        trayer --edge top --align right --widthtype pixel --width 120 --heighttype pixel \
            --height 24 --transparent false >>"$E2E_TMP/trayer.log" 2>&1 &
        TRAY_PID=$!
        for _ in $(seq 200); do
            [ -n "$(xdotool search --onlyvisible --class trayer 2>/dev/null)" ] && ready=1 && break
            # A tray that could not connect has ended: start it again.
            kill -0 "$TRAY_PID" 2>/dev/null || break
            sleep 0.05
        done
        [ -n "$ready" ] && break
    done
    [ -n "$ready" ] || e2e_fail "the system tray did not start: $(cat "$E2E_TMP/trayer.log")"
    openbox --sm-disable >"$E2E_TMP/openbox.log" 2>&1 &
    WM_PID=$!
    for _ in $(seq 200); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.05
    done
    e2e_fail "the window manager did not start"
}

# The tray icon is the program's small window inside the tray: the only visible window named
# after the program (its pop-up menus carry their captions as names).
e2e_wait_tray_icon() {
    local seconds=${1:-15} id
    local deadline=$(($(e2e_now_ms) + seconds * 1000))
    while [ "$(e2e_now_ms)" -lt "$deadline" ]; do
        for id in $(xdotool search --onlyvisible --class '^lexarion$' 2>/dev/null); do
            if [ "$(xdotool getwindowname "$id" 2>/dev/null)" = lexarion ]; then
                echo "$id"
                return 0
            fi
        done
        kill -0 "$PROGRAM_PID" 2>/dev/null || e2e_fail "the program ended while waiting for its tray icon"
        sleep 0.05
    done
    e2e_fail "no tray icon after ${seconds}s"
}

e2e_click() {
    local window=$1 x=$2 y=$3 button=${4:-1} count=${5:-1}
    xdotool mousemove --window "$window" "$x" "$y" click --repeat "$count" --delay 100 "$button"
}

e2e_write() {
    mkdir -p "$(dirname "$PROGRAM/$1")"
    printf '%s' "$2" > "$PROGRAM/$1"
}

e2e_start() {
    STARTED_AT=$(date +%s%N)
    QT_QPA_PLATFORM=xcb "$PROGRAM/lexarion" > "$E2E_TMP/stdout" 2> "$E2E_TMP/stderr" &
    PROGRAM_PID=$!
}

e2e_window_ids() {
    xdotool search --onlyvisible --name "^$(printf '%s' "$1" | sed 's/[][\.*^$]/\\&/g')\$" 2>/dev/null || true
}

e2e_wait_window() {
    local name=$1 seconds=${2:-15} id
    local deadline=$(($(e2e_now_ms) + seconds * 1000))
    while [ "$(e2e_now_ms)" -lt "$deadline" ]; do
        id=$(e2e_window_ids "$name" | head -1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        kill -0 "$PROGRAM_PID" 2>/dev/null || e2e_fail "the program ended while waiting for '$name'"
        sleep 0.05
    done
    e2e_fail "no window '$name' after ${seconds}s"
}

e2e_log_in() {
    local login
    login=$(e2e_wait_window "Lexarion用户登陆")
    e2e_replace_text "$login" "$1"
    e2e_key "$login" Return
    e2e_wait_window "Lexarion - [$1]" 15
}

e2e_no_window() { [ -z "$(e2e_window_ids "$1")" ]; }

e2e_focus() {
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
}

e2e_type() {
    e2e_focus "$1"
    xdotool type --delay 20 "$2"
}

e2e_key() {
    local window=$1
    shift
    e2e_focus "$window"
    xdotool key --delay 30 "$@"
}

# Selects everything in the focused text box and types over it.
e2e_replace_text() {
    e2e_key "$1" ctrl+a BackSpace
    e2e_type "$1" "$2"
}

e2e_wait_exit() {
    local seconds=${1:-15}
    local deadline=$(($(e2e_now_ms) + seconds * 1000))
    while kill -0 "$PROGRAM_PID" 2>/dev/null; do
        [ "$(e2e_now_ms)" -lt "$deadline" ] || e2e_fail "the program did not end within ${seconds}s"
        sleep 0.05
    done
    EXIT_CODE=0
    wait "$PROGRAM_PID" || EXIT_CODE=$?
    PROGRAM_PID=
}

e2e_expect_saved_end() {
    e2e_wait_exit
    [ "$EXIT_CODE" = 0 ] || e2e_fail "exit code $EXIT_CODE"
    grep -q "LastUser=$1" "$PROGRAM/config.ini" ||
        e2e_fail "LastUser not written: $(cat "$PROGRAM/config.ini" 2>/dev/null)"
}

e2e_shot() { import -window root "$1"; }

# Milliseconds since e2e_start.
e2e_elapsed_ms() { echo $((($(date +%s%N) - STARTED_AT) / 1000000)); }

# The text of a file of the program folder decoded from GB18030.
e2e_read() { iconv -f GB18030 -t UTF-8 "$PROGRAM/$1"; }
