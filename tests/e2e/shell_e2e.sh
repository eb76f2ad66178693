#!/usr/bin/env bash
# Logging in, the start-up messages, the tip at start and the shutdown, end to end.
# Usage: shell_e2e.sh CASE (see the functions below).
source "$(dirname "$0")/harness.sh"

# A new name: its folder is created and the console carries it in its title; closing the
# console writes "LastUser".
case_new_user() {
    e2e_begin
    e2e_start
    local login
    login=$(e2e_wait_window "Lexarion用户登陆")
    echo "start-up to login window: $(e2e_elapsed_ms) ms"
    e2e_replace_text "$login" "Ann2"
    e2e_key "$login" Return
    e2e_wait_window "Lexarion" >/dev/null
    while [ -n "$(e2e_window_ids "Lexarion")" ]; do sleep 0.01; done
    local splash_end
    splash_end=$(e2e_elapsed_ms)
    local console
    console=$(e2e_wait_window "Lexarion - [Ann2]" 15)
    echo "end of splash to console: $(($(e2e_elapsed_ms) - splash_end)) ms"
    [ -d "$PROGRAM/users/Ann2" ] || e2e_fail "users/Ann2 was not created"
    e2e_no_window "Lexarion用户登陆" || e2e_fail "the login window is still open"
    e2e_key "$console" alt+F4
    e2e_expect_saved_end Ann2
    [ -f "$PROGRAM/users/Ann2/remind.txt" ] || e2e_fail "the reminders were not saved"
}

# A name with a blank is refused with the message; the login window stays.
case_rejected_name() {
    e2e_begin
    e2e_start
    local login
    login=$(e2e_wait_window "Lexarion用户登陆")
    e2e_replace_text "$login" "Ann Lee"
    e2e_key "$login" Return
    local box
    box=$(e2e_wait_window "错误")
    e2e_key "$box" Return
    e2e_wait_window "Lexarion用户登陆" >/dev/null
    [ -z "$(ls "$PROGRAM/users")" ] || e2e_fail "a user folder was created: $(ls "$PROGRAM/users")"
    sleep 0.3
    e2e_no_window "Lexarion - [Ann Lee]" || e2e_fail "logged in with an invalid name"
    # The login window still works: a valid name now logs in.
    e2e_replace_text "$login" "Bob"
    e2e_key "$login" Return
    e2e_wait_window "Lexarion - [Bob]" >/dev/null
}

# "退出" at the login window ends the program: nothing was loaded, so nothing is written.
case_quit_at_login() {
    e2e_begin
    e2e_start
    local login
    login=$(e2e_wait_window "Lexarion用户登陆")
    e2e_click "$login" 224 101 # 退出
    e2e_wait_exit
    [ "$EXIT_CODE" = 0 ] || e2e_fail "exit code $EXIT_CODE"
    [ ! -e "$PROGRAM/config.ini" ] || e2e_fail "config.ini was written: $(cat "$PROGRAM/config.ini")"
    [ -z "$(ls "$PROGRAM/users")" ] || e2e_fail "a user folder was created"
}

# "DictionaryFile" names a missing list: the message, the default list, the setting unchanged.
case_missing_dictionary() {
    e2e_begin
    e2e_write "config.ini" $'[General]\r\nLastUser=Cat\r\n'
    e2e_write "users/Cat/config.ini" $'[General]\r\nDictionaryFile=gre.wsl\r\n'
    e2e_start
    local login
    login=$(e2e_wait_window "Lexarion用户登陆")
    e2e_key "$login" Return
    local box
    box=$(e2e_wait_window "错误" 15)
    e2e_no_window "Lexarion - [Cat]" || e2e_fail "the console opened before the message"
    e2e_key "$box" Return
    local console
    console=$(e2e_wait_window "Lexarion - [Cat]")
    grep -q "DictionaryFile=gre.wsl" "$PROGRAM/users/Cat/config.ini" || e2e_fail "the setting changed"
    [ ! -e "$PROGRAM/Dicts/gre.wsl" ] || e2e_fail "the missing list was created"
    e2e_key "$console" alt+F4
    e2e_wait_exit
}

# "ShowOnStart" on: the tip window opens before the console, and closing it stores its state.
case_tip_on_start() {
    e2e_begin
    e2e_write "config.ini" $'[General]\r\nLastUser=Dan\r\n'
    e2e_write "users/Dan/config.ini" $'[TipOnDaySetting]\r\nShowOnStart=1\r\nTipIndex=0\r\n'
    e2e_write "Tips/01.txt" "first tip"
    e2e_write "Tips/02.txt" "second tip"
    e2e_start
    local login
    login=$(e2e_wait_window "Lexarion用户登陆")
    e2e_key "$login" Return
    local tip
    tip=$(e2e_wait_window "Lexarion - [每日英语]" 15)
    sleep 0.3
    e2e_no_window "Lexarion - [Dan]" || e2e_fail "the console opened before the tip window closed"
    e2e_key "$tip" Escape
    local console
    console=$(e2e_wait_window "Lexarion - [Dan]")
    grep -q "TipIndex=1" "$PROGRAM/users/Dan/config.ini" || e2e_fail "TipIndex not stored"
    e2e_key "$console" alt+F4
    e2e_wait_exit
}

# SIGTERM runs the same shutdown as closing the console.
case_terminate() {
    e2e_begin
    e2e_start
    e2e_log_in Eve >/dev/null
    kill -TERM "$PROGRAM_PID"
    e2e_expect_saved_end Eve
}

# SIGTERM while the about box is open: the box is closed, then the program shuts down.
case_terminate_over_about() {
    e2e_begin
    e2e_start
    local console
    console=$(e2e_log_in Flo)
    # The seventh button from the start is "关于本软件".
    e2e_key "$console" Tab Tab Tab Tab Tab Tab Tab space
    e2e_wait_window "关于本软件" 5 >/dev/null
    kill -TERM "$PROGRAM_PID"
    e2e_expect_saved_end Flo
}

# Eleven plain clicks on the version label and a Ctrl+right click open the credit screen;
# the console's exit button ends the program while its animation runs.
case_exit_during_credits() {
    e2e_begin
    e2e_start
    local console
    console=$(e2e_log_in Gil)
    # Apart by more than a double-click interval: each is a click of its own.
    for _ in $(seq 11); do
        e2e_click "$console" 50 409
        sleep 0.45
    done
    xdotool mousemove --window "$console" 50 409 keydown ctrl click 3 keyup ctrl
    e2e_wait_window "Cool Text" 5 >/dev/null
    sleep 0.5
    e2e_click "$console" 470 337 # 退出
    e2e_expect_saved_end Gil
}

"case_$1"
echo "PASS: $1"
