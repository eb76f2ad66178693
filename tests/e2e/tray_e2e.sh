#!/usr/bin/env bash
# The tray icon on a desktop with a window manager and a system tray, end to end.
# Usage: tray_e2e.sh CASE (see the functions below).
source "$(dirname "$0")/harness.sh"

# Logs "$1" in on a desktop; CONSOLE is the console's window, ICON the tray icon.
login_on_desktop() {
    e2e_begin
    e2e_desktop
    e2e_start
    CONSOLE=$(e2e_log_in "$1")
    ICON=$(e2e_wait_tray_icon)
}

wait_for_no_window() {
    local name=$1
    for _ in $(seq 100); do
        e2e_no_window "$name" && return 0
        sleep 0.05
    done
    e2e_fail "the window '$name' is still shown"
}

# The right button on the tray icon pops up the tray menu; its last item ends the program
# with the normal shutdown.
case_menu_exit() {
    login_on_desktop Fay
    local menu
    e2e_click "$ICON" 11 11 3
    menu=$(e2e_wait_window "主菜单" 5)
    e2e_shot "$E2E_TMP/tray-menu.png"
    local height
    height=$(xdotool getwindowgeometry "$menu" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
    e2e_click "$menu" 40 $((height - 10))
    e2e_expect_saved_end Fay
}

# Minimised, the console goes into the tray; a double click on the icon brings it back.
case_minimise_to_tray() {
    login_on_desktop Gus
    xdotool windowminimize "$CONSOLE"
    wait_for_no_window "Lexarion - [Gus]"
    # Hidden, not just minimised: nothing of it is left for a task bar to show.
    if xprop -id "$CONSOLE" WM_STATE 2>/dev/null | grep -q Iconic; then
        e2e_fail "the console was minimised instead of hidden"
    fi
    e2e_click "$ICON" 11 11 1 2
    e2e_wait_window "Lexarion - [Gus]" 5 >/dev/null
    # A double click while the console is shown changes nothing.
    e2e_click "$ICON" 11 11 1 2
    sleep 0.3
    e2e_wait_window "Lexarion - [Gus]" 5 >/dev/null
}

# While the about box is open the tray icon does not pop up its menu.
case_busy_while_dialog() {
    login_on_desktop Hal
    local menu about
    e2e_click "$ICON" 11 11 3
    menu=$(e2e_wait_window "主菜单" 5)
    xdotool key a
    about=$(e2e_wait_window "关于本软件" 5)
    e2e_click "$ICON" 11 11 3
    sleep 0.5
    e2e_no_window "主菜单" || e2e_fail "the tray menu opened over the about box"
    e2e_key "$about" Escape
    wait_for_no_window "关于本软件"
    e2e_click "$ICON" 11 11 3
    menu=$(e2e_wait_window "主菜单" 5)
    xdotool key Escape
}

"case_$1"
echo "PASS: $1"
