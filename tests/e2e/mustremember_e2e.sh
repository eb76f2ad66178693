#!/usr/bin/env bash
# The must-remember test on a desktop with a window manager, end to end.
# Usage: mustremember_e2e.sh CASE (see the functions below).
source "$(dirname "$0")/harness.sh"

# The test window's pieces, in pixels of the window.
CLOSE_BOX="426 14"
DONT_KNOW="360 294"

# Logs "$1" in with the test switched on; TEST is the test window, which start-up opens.
start_with_test() {
    e2e_begin
    e2e_desktop
    e2e_write "config.ini" $'[General]\r\nLastUser='"$1"$'\r\n'
    e2e_write "users/$1/config.ini" $'[TipOnDaySetting]\r\nShowOnStart=0\r\n[MustRememberSetting]\r\nEnableMustRemember=1\r\n'
    e2e_start
    local login
    login=$(e2e_wait_window "Lexarion用户登陆")
    e2e_key "$login" Return
    TEST=$(e2e_wait_window "不得不记单词" 15)
    CONSOLE=$(e2e_wait_window "Lexarion - [$1]" 15)
}

# Enter after typing `text` into the test window's input box.
enter_word() {
    e2e_type "$TEST" "$1"
    e2e_key "$TEST" Return
}

still_open() {
    sleep 0.3
    [ -n "$(e2e_window_ids "不得不记单词")" ] || e2e_fail "the test window closed: $1"
}

wait_closed() {
    for _ in $(seq 100); do
        e2e_no_window "不得不记单词" && return 0
        sleep 0.05
    done
    e2e_fail "the test window is still open"
}

# Start-up opens the test at the top-left corner; a wrong word and Esc leave it open, closing
# it brings the message; the right word in capitals and Esc close it.
case_type_to_close() {
    start_with_test Ida
    local place
    place=$(xdotool getwindowgeometry "$TEST" | sed -n 's/.*Position: \([0-9]*,[0-9]*\).*/\1/p')
    [ "$place" = "0,0" ] || e2e_fail "the test window is at $place"
    # It has the keyboard: typing goes straight into its input box.
    for _ in $(seq 40); do
        [ "$(xdotool getactivewindow 2>/dev/null)" = "$TEST" ] && break
        sleep 0.05
    done
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$TEST" ] || e2e_fail "the test window is not active"
    e2e_shot "$E2E_TMP/test-window.png"
    enter_word "abandom"
    e2e_key "$TEST" Escape
    still_open "after a wrong word and Esc"
    # The frame's close box: refused with the message.
    e2e_click "$TEST" $CLOSE_BOX
    local box
    box=$(e2e_wait_window "不能退出" 5)
    e2e_key "$box" Return
    still_open "after the refused close"
    enter_word "ABANDON"
    e2e_key "$TEST" Escape
    wait_closed
    e2e_key "$CONSOLE" alt+F4
    e2e_expect_saved_end Ida
    [ ! -e "$PROGRAM/users/Ida/MyDict.wsl" ] || e2e_fail "a word went into the new-word book"
}

# "不懂" puts the word into the new-word book; it must then be typed three times.
case_dont_know() {
    start_with_test Jon
    e2e_click "$TEST" $DONT_KNOW
    for _ in $(seq 100); do
        [ -s "$PROGRAM/users/Jon/MyDict.wsl" ] && break
        sleep 0.05
    done
    [ "$(e2e_read users/Jon/MyDict.wsl)" = $'abandon#放弃#ə\x27bændən\r' ] ||
        e2e_fail "the new-word book holds: $(e2e_read users/Jon/MyDict.wsl 2>&1)"
    enter_word "abandon"
    enter_word "abandon"
    e2e_key "$TEST" Escape
    still_open "with one entry still to type"
    enter_word "abandon"
    e2e_key "$TEST" Escape
    wait_closed
    e2e_key "$CONSOLE" alt+F4
    e2e_expect_saved_end Jon
}

# Closing the console while the test still waits for its word ends the program as always.
case_exit_with_test_open() {
    start_with_test Kim
    e2e_key "$CONSOLE" alt+F4
    e2e_expect_saved_end Kim
}

"case_$1"
