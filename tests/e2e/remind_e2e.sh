#!/usr/bin/env bash
# The reminder pop-up, the reminder editor, the general settings and the help window, end to end.
# Usage: remind_e2e.sh CASE (see the functions below).
source "$(dirname "$0")/harness.sh"

# The colour of one pixel of a window, as "#RRGGBB".
pixel() {
    import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}' | head -1
}

# A reminder due at login pops up at the next check; closing it removes it from remind.txt at
# once, while the reminder of a later day stays.
case_popup() {
    e2e_begin
    e2e_write "users/Dan/remind.txt" $'20000101\t0000\tpay the rent\r\n20991231\t0000\tlater on\r\n'
    e2e_start
    local console popup
    console=$(e2e_log_in Dan)
    local logged_in
    logged_in=$(e2e_elapsed_ms)
    popup=$(e2e_wait_window "事情提醒" 15)
    echo "console to pop-up: $(($(e2e_elapsed_ms) - logged_in)) ms"
    [ -n "${E2E_SHOTS:-}" ] && e2e_shot "$E2E_SHOTS/popup.png"
    grep -q "pay the rent" "$PROGRAM/users/Dan/remind.txt" || e2e_fail "purged before closing"
    e2e_key "$popup" Escape
    for _ in $(seq 100); do e2e_no_window "事情提醒" && break; sleep 0.05; done
    e2e_no_window "事情提醒" || e2e_fail "the pop-up did not close"
    # Written at the close, not only at shutdown.
    ! grep -q "pay the rent" "$PROGRAM/users/Dan/remind.txt" || e2e_fail "the due reminder is still in the file"
    grep -q "later on" "$PROGRAM/users/Dan/remind.txt" || e2e_fail "the later reminder was lost"
    # It does not come back.
    sleep 11
    e2e_no_window "事情提醒" || e2e_fail "the pop-up opened again"
    e2e_key "$console" alt+F4
    e2e_expect_saved_end Dan
    grep -q "later on" "$PROGRAM/users/Dan/remind.txt" || e2e_fail "the later reminder was lost at shutdown"
}

# Console button 4 opens the reminder editor; a reminder made there is in remind.txt as soon as
# the editor closes.
case_editor() {
    e2e_begin
    e2e_start
    local console editor
    console=$(e2e_log_in Eve)
    e2e_click "$console" 118 312 # 提醒功能设置
    editor=$(e2e_wait_window "Lexarion - [提醒设置]")
    e2e_click "$editor" 256 334 # 新建
    sleep 0.3
    [ -n "${E2E_SHOTS:-}" ] && e2e_shot "$E2E_SHOTS/editor.png"
    e2e_key "$editor" Escape
    for _ in $(seq 100); do e2e_no_window "Lexarion - [提醒设置]" && break; sleep 0.05; done
    e2e_no_window "Lexarion - [提醒设置]" || e2e_fail "the editor did not close"
    grep -q "$(date +%Y%m%d)" "$PROGRAM/users/Eve/remind.txt" ||
        e2e_fail "the new reminder was not saved: $(cat "$PROGRAM/users/Eve/remind.txt")"
    e2e_key "$console" alt+F4
    e2e_expect_saved_end Eve
}

# Console button 5 opens the general settings; choosing "Jade" and OK redraws the console in
# Jade at once and stores the choice.
case_settings_skin() {
    e2e_begin
    e2e_start
    local console settings before after
    console=$(e2e_log_in Fay)
    before=$(pixel "$console" 200 12)
    e2e_click "$console" 298 312 # 通用设置
    settings=$(e2e_wait_window "Lexarion - [通用设置]")
    [ -n "${E2E_SHOTS:-}" ] && e2e_shot "$E2E_SHOTS/settings.png"
    e2e_click "$settings" 60 102 # "Jade", the first skin
    sleep 0.3
    [ -n "${E2E_SHOTS:-}" ] && e2e_shot "$E2E_SHOTS/settings-jade.png"
    e2e_click "$settings" 312 346 # 确定
    for _ in $(seq 100); do e2e_no_window "Lexarion - [通用设置]" && break; sleep 0.05; done
    e2e_no_window "Lexarion - [通用设置]" || e2e_fail "the settings did not close"
    grep -q "SkinFolder=Jade" "$PROGRAM/users/Fay/config.ini" ||
        e2e_fail "the skin was not stored: $(cat "$PROGRAM/users/Fay/config.ini")"
    sleep 0.5
    after=$(pixel "$console" 200 12)
    [ -n "${E2E_SHOTS:-}" ] && e2e_shot "$E2E_SHOTS/console-jade.png"
    [ "$before" != "$after" ] || e2e_fail "the console's title bar kept its colour $before"
    e2e_key "$console" alt+F4
    e2e_expect_saved_end Fay
}

# "帮助" shows the help pages in the program's own window, browser or not.
case_help() {
    e2e_begin
    e2e_start
    local console help
    console=$(e2e_log_in Gus)
    e2e_click "$console" 470 188 # 帮助
    help=$(e2e_wait_window "Lexarion - [帮助]")
    [ -n "${E2E_SHOTS:-}" ] && e2e_shot "$E2E_SHOTS/help.png"
    e2e_key "$console" alt+F4
    e2e_expect_saved_end Gus
}

"case_$1"
