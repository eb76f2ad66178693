#!/usr/bin/env bash
# The word window's hot keys and its display settings, end to end: stored combinations pressed
# while another program has the keyboard step the word and start and stop playing; the
# settings dialog opened from the window's menu changes the open window's colour and pace.
# Usage: hotkeys_e2e.sh CASE (see the functions below).
source "$(dirname "$0")/harness.sh"

# Ten words; a floating word window of 600 x 300 pixels at 100, 100, silent; the user's own
# settings in "$2".
prepare_user() {
    local user=$1 words="" i
    for i in 1 2 3 4 5 6 7 8 9 10; do
        words+="word$i#释义$i#wɜːd$i"$'\r\n'
    done
    printf '%s' "$words" > "$PROGRAM/Dicts/cet-4.wsl"
    e2e_write "users/$user/config.ini" "[TipOnDaySetting]
ShowOnStart=0
[General]
ShowAsGroup=0
[RememberSetting]
FullScreen=0
WinLeft=1500
WinTop=1500
WinWidth=9000
WinHeight=4500
EnableSpeak=0
$2"
}

setting() { e2e_read "users/$1/config.ini" | tr -d '\r' | sed -n "s/^$2=//p" | head -1; }

# A fingerprint of what the window shows now.
look() { import -window "$1" rgb:- | md5sum | cut -d' ' -f1; }

# How many pixels of the window's screenshot have the colour $2 (e.g. "#FF0000").
count_colour() {
    import -window "$1" "$E2E_TMP/count.png"
    convert "$E2E_TMP/count.png" -format %c histogram:info:- |
        awk -v c="$2" 'index($0, c) { n += $1 } END { print n + 0 }'
}

close_word_window() {
    e2e_key "$1" alt+F4
    for _ in $(seq 100); do
        e2e_no_window "单词记忆" && return 0
        sleep 0.05
    done
    e2e_fail "Alt+F4 did not close the word window"
}

# Ctrl+F1 plays and pauses, Right steps to the next word; pressed while xmessage, another
# program, has the keyboard focus.
case_other_program_focused() {
    e2e_begin
    prepare_user Hal "AutoPlay=0
WordInterval=1
HotKey0=624
HotKey5=39"
    e2e_start
    local console word other before after
    console=$(e2e_log_in Hal)
    e2e_key "$console" space
    word=$(e2e_wait_window "单词记忆" 5)
    sleep 1
    xmessage -geometry +300+500 "another program" &
    local other_pid=$!
    other=$(e2e_wait_window xmessage 5)
    xdotool windowfocus --sync "$other"
    [ "$(xdotool getwindowfocus)" = "$other" ] || e2e_fail "xmessage did not get the focus"

    # Paused: the word stays until Right steps it.
    before=$(look "$word")
    sleep 1.5
    [ "$(look "$word")" = "$before" ] || e2e_fail "the word changed while paused"
    xdotool key Right
    sleep 0.7
    after=$(look "$word")
    [ "$after" != "$before" ] || e2e_fail "Right did not step the word"
    sleep 1.5
    [ "$(look "$word")" = "$after" ] || e2e_fail "Right started playing"

    # Ctrl+F1 plays: a word a second.
    xdotool key ctrl+F1
    sleep 0.7
    before=$(look "$word")
    sleep 1.6
    [ "$(look "$word")" != "$before" ] || e2e_fail "Ctrl+F1 did not start playing"
    # Again: paused.
    xdotool key ctrl+F1
    sleep 0.7
    before=$(look "$word")
    sleep 2
    [ "$(look "$word")" = "$before" ] || e2e_fail "Ctrl+F1 did not stop playing"
    [ "$(xdotool getwindowfocus)" = "$other" ] || e2e_fail "the hot keys took the focus"
    e2e_shot "$E2E_TMP/hotkeys.png"

    close_word_window "$word"
    local last
    last=$(setting Hal SaveLast)
    [ -n "$last" ] && [ "$last" -ge 3 ] && [ "$last" -le 8 ] || e2e_fail "SaveLast=$last"
    kill "$other_pid"
    kill -TERM "$PROGRAM_PID"
    e2e_expect_saved_end Hal
}

# The dialog from the word window's menu: the word colour chosen red in the platform's colour
# dialog and the interval moved from 30 to 1 second; Apply shows the red word at once, and
# once the dialog has closed Ctrl+F1 plays at the new pace.
case_settings_apply() {
    e2e_begin
    prepare_user Ivy "AutoPlay=0
WordInterval=30
HotKey0=624"
    e2e_start
    local console word menu dialog colours
    console=$(e2e_log_in Ivy)
    e2e_key "$console" space
    word=$(e2e_wait_window "单词记忆" 5)
    sleep 1
    [ "$(count_colour "$word" "#FF0000")" -lt 50 ] || e2e_fail "red before any setting"
    e2e_click "$word" 300 200 3
    menu=$(e2e_wait_window "主菜单2" 5)
    e2e_click "$menu" 40 292 # 设置(&S)...
    dialog=$(e2e_wait_window "Lexarion - [单词记忆设置]" 5)
    # Beside the word window, which stays in sight.
    xdotool windowmove "$dialog" 560 350
    sleep 0.5

    e2e_click "$dialog" 115 232 # the word's colour swatch
    colours=$(e2e_wait_window "颜色" 5)
    e2e_key "$colours" alt+h ctrl+a
    xdotool type --delay 20 "#ff0000"
    xdotool key Return
    for _ in $(seq 100); do
        e2e_no_window "颜色" && break
        sleep 0.05
    done

    e2e_click "$dialog" 218 48 # the page "其它"
    sleep 0.3
    local i
    for i in $(seq 12); do
        e2e_click "$dialog" 203 158 # the slider's track left of its thumb
    done
    e2e_shot "$E2E_TMP/settings.png"
    e2e_click "$dialog" 320 382 # 应用
    sleep 0.7
    [ "$(count_colour "$word" "#FF0000")" -gt 200 ] || e2e_fail "Apply did not turn the word red"
    [ "$(setting Ivy WordInterval)" = 1 ] || e2e_fail "WordInterval=$(setting Ivy WordInterval)"
    # The hot keys stay off while the dialog is open.
    xdotool key ctrl+F1
    sleep 0.5
    e2e_click "$dialog" 245 382 # 确定
    for _ in $(seq 100); do
        e2e_no_window "Lexarion - [单词记忆设置]" && break
        sleep 0.05
    done
    e2e_no_window "Lexarion - [单词记忆设置]" || e2e_fail "OK did not close the dialog"
    xdotool key ctrl+F1
    sleep 3.6
    e2e_shot "$E2E_TMP/applied.png"
    close_word_window "$word"
    local last
    last=$(setting Ivy SaveLast)
    [ -n "$last" ] && [ "$last" -ge 3 ] || e2e_fail "not playing at one word a second: SaveLast=$last"
    kill -TERM "$PROGRAM_PID"
    e2e_expect_saved_end Ivy
}

"case_$1"
echo "PASS: $1"
