#!/usr/bin/env bash
# Hueforge end to end: the real program in a fixture program folder under Xvfb, its file
# choosers typed into, its files checked afterwards.
# Usage: hueforge_e2e.sh CASE (see the functions below).
source "$(dirname "$0")/harness.sh"

CAPTION="皮肤参数设置"
SKIN="Skins/Test/config.ini"
# The buttons under the pages, in window coordinates.
BUTTONS_Y=194
LOAD_X=188
SAVE_X=290
ABOUT_X=390
QUIT_X=495
# The description text box on the first page.
DESCRIPTION_X=300
DESCRIPTION_Y=57

hf_begin() {
    e2e_begin
    cp "$E2E_BUILD/Lexarion/hueforge" "$PROGRAM/"
    e2e_write "$SKIN" $'; written by hand\r\n[Window]\r\nBackColor=255\r\nRoundRng=40\r\nMyKey=kept\r\n'
}

# Starts the program (sets PROGRAM_PID, STARTED_AT); wait for its window with hf_window.
hf_start() {
    STARTED_AT=$(date +%s%N)
    QT_QPA_PLATFORM=xcb "$PROGRAM/hueforge" >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" &
    PROGRAM_PID=$!
}

hf_window() { e2e_wait_window "$CAPTION"; }

# Types a full path into the file chooser titled $1 and confirms it.
hf_choose_file() {
    local chooser
    chooser=$(e2e_wait_window "$1")
    e2e_type "$chooser" "$2"
    e2e_key "$chooser" Return
}

# Opens the fixture skin through "加载设置文件"; prints the window's id.
hf_load_skin() {
    e2e_click "$1" "$LOAD_X" "$BUTTONS_Y"
    hf_choose_file "打开" "$PROGRAM/$SKIN"
    e2e_wait_window "$PROGRAM/$SKIN - [$CAPTION]"
}

# Waits until $1 (relative) holds every one of the 33 keys.
hf_wait_all_keys() {
    local deadline=$(($(e2e_now_ms) + 10000))
    while [ "$(grep -c '=' "$PROGRAM/$1" 2>/dev/null)" -lt "${2:-33}" ]; do
        [ "$(e2e_now_ms)" -lt "$deadline" ] || e2e_fail "not every key written: $(cat "$PROGRAM/$1")"
        sleep 0.05
    done
}

# Load through the open chooser, save back, the about box, quit.
case_load_save_about_quit() {
    hf_begin
    local window
    hf_start
    window=$(hf_window)
    echo "start-up to window: $(e2e_elapsed_ms) ms"
    window=$(hf_load_skin "$window")
    e2e_click "$window" "$SAVE_X" "$BUTTONS_Y"
    hf_wait_all_keys "$SKIN" 34 # the 33 keys and the unknown one
    local text
    text=$(e2e_read "$SKIN")
    head -1 <<<"$text" | grep -q '^; written by hand' || e2e_fail "the comment was lost: $text"
    grep -q '^BackColor=255' <<<"$text" || e2e_fail "BackColor changed: $text"
    grep -q '^RoundRng=40' <<<"$text" || e2e_fail "RoundRng changed: $text"
    grep -q '^MyKey=kept' <<<"$text" || e2e_fail "the unknown key was lost: $text"
    for section in General Button CheckBox ListBox OptionBox TabPage TextBox Window Frame; do
        grep -q "^\[$section\]" <<<"$text" || e2e_fail "no section $section: $text"
    done

    e2e_click "$window" "$ABOUT_X" "$BUTTONS_Y"
    local box
    box=$(e2e_wait_window "程序说明")
    e2e_key "$box" Return
    while ! e2e_no_window "程序说明"; do sleep 0.05; done

    e2e_click "$window" "$QUIT_X" "$BUTTONS_Y"
    e2e_wait_exit
    [ "$EXIT_CODE" = 0 ] || e2e_fail "exit code $EXIT_CODE"
}

# An edit, then "退出": the question; Yes saves and ends the program.
case_quit_saves_edits() {
    hf_begin
    local window
    hf_start
    window=$(hf_window)
    window=$(hf_load_skin "$window")
    e2e_click "$window" "$DESCRIPTION_X" "$DESCRIPTION_Y"
    e2e_type "$window" "Blue"
    e2e_click "$window" "$QUIT_X" "$BUTTONS_Y"
    local question
    question=$(e2e_wait_window "是否保存")
    e2e_key "$question" Return # Yes
    e2e_wait_exit
    [ "$EXIT_CODE" = 0 ] || e2e_fail "exit code $EXIT_CODE"
    grep -q $'^Description=Blue\r$' "$PROGRAM/$SKIN" || e2e_fail "not saved: $(cat "$PROGRAM/$SKIN")"
}

# "保存" before any load asks for a file, creates it with every key and names it in the title.
case_save_new_file() {
    hf_begin
    local window
    hf_start
    window=$(hf_window)
    e2e_click "$window" "$SAVE_X" "$BUTTONS_Y"
    hf_choose_file "另存为" "$PROGRAM/Skins/New.ini"
    e2e_wait_window "$PROGRAM/Skins/New.ini - [$CAPTION]" >/dev/null
    hf_wait_all_keys "Skins/New.ini"
    head -2 "$PROGRAM/Skins/New.ini" | tr -d '\r' | paste -sd' ' | grep -q '^\[General\] Description=$' ||
        e2e_fail "not in the file's order: $(cat "$PROGRAM/Skins/New.ini")"
    e2e_click "$window" "$QUIT_X" "$BUTTONS_Y"
    e2e_wait_exit
    [ "$EXIT_CODE" = 0 ] || e2e_fail "exit code $EXIT_CODE"
}

"case_$1"
