#!/usr/bin/env bash
# The word window, end to end: opened from the console and from the tray menu, stepping by
# itself, closed with Alt+F4 and from its own menu, and what it stores.
# Usage: word_e2e.sh CASE (see the functions below).
source "$(dirname "$0")/harness.sh"

# Ten words; the user's settings as given in "$2" after the common ones.
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
$2"
}

setting() { e2e_read "users/$1/config.ini" | tr -d '\r' | sed -n "s/^$2=//p" | head -1; }

# How many pixels of the window's screenshot have the colour $2 (e.g. "#FFFFFF").
count_colour() {
    import -window "$1" "$E2E_TMP/count.png"
    convert "$E2E_TMP/count.png" -format %c histogram:info:- |
        awk -v c="$2" 'index($0, c) { n += $1 } END { print n + 0 }'
}

# From the console's first button: a floating window at the stored rectangle that plays by
# itself, and on Alt+F4 stores its position, its rectangle and the word it had reached.
case_windowed_autoplay() {
    e2e_begin
    prepare_user Ann "FullScreen=0
WinLeft=1500
WinTop=1500
WinWidth=9000
WinHeight=4500
AutoPlay=1
WordInterval=1
EnableSpeak=0
SplitDisplay=1"
    e2e_start
    local console word geometry
    console=$(e2e_log_in Ann)
    e2e_key "$console" space # the first button, "单词记忆", has the focus
    word=$(e2e_wait_window "单词记忆" 5)
    geometry=$(xdotool getwindowgeometry "$word")
    echo "$geometry" | grep -q "Position: 100,100" || e2e_fail "not at the stored place: $geometry"
    echo "$geometry" | grep -q "Geometry: 600x300" || e2e_fail "not of the stored size: $geometry"
    sleep 4.5
    [ "$(count_colour "$word" "#FFFFFF")" -gt 200 ] || e2e_fail "no word drawn in white"
    e2e_shot "$E2E_TMP/windowed.png"
    xdotool windowmove "$word" 200 120
    sleep 0.5
    e2e_key "$word" alt+F4
    for _ in $(seq 100); do
        e2e_no_window "单词记忆" && break
        sleep 0.05
    done
    e2e_no_window "单词记忆" || e2e_fail "Alt+F4 did not close the word window"
    local last
    last=$(setting Ann SaveLast)
    [ -n "$last" ] && [ "$last" -ge 3 ] || e2e_fail "the window did not step by itself: SaveLast=$last"
    [ "$(setting Ann SaveLastDictionaryFile)" = cet-4.wsl ] || e2e_fail "no SaveLastDictionaryFile"
    [ "$(setting Ann WinLeft)" = 3000 ] || e2e_fail "WinLeft=$(setting Ann WinLeft)"
    [ "$(setting Ann WinTop)" = 1800 ] || e2e_fail "WinTop=$(setting Ann WinTop)"
    [ "$(setting Ann WinWidth)" = 9000 ] || e2e_fail "WinWidth=$(setting Ann WinWidth)"
    [ "$(setting Ann WinHeight)" = 4500 ] || e2e_fail "WinHeight=$(setting Ann WinHeight)"
    e2e_key "$console" space # opened again: a new window
    e2e_wait_window "单词记忆" 5 >/dev/null
    kill -TERM "$PROGRAM_PID"
    e2e_expect_saved_end Ann
}

# From the tray menu on a desktop: the full-screen window of a fresh user, paused; its menu
# steps a word and closes it.
case_tray_fullscreen() {
    e2e_begin
    e2e_desktop
    prepare_user Bea "EnableSpeak=0"
    e2e_start
    local icon word menu
    e2e_log_in Bea >/dev/null
    icon=$(e2e_wait_tray_icon)
    e2e_click "$icon" 11 11 3
    e2e_wait_window "主菜单" 5 >/dev/null
    xdotool key w # 单词记忆(&W)...
    word=$(e2e_wait_window "单词记忆" 5)
    local geometry
    geometry=$(xdotool getwindowgeometry "$word")
    echo "$geometry" | grep -q "Geometry: 1024x768" || e2e_fail "not full screen: $geometry"
    sleep 1 # mapped and managed before it is clicked
    e2e_click "$word" 500 700 3
    menu=$(e2e_wait_window "主菜单2" 5)
    # "下一个单词(&D)", the sixth item; its letter is shared, so it is clicked.
    e2e_click "$menu" 40 95
    sleep 1
    e2e_shot "$E2E_TMP/fullscreen.png"
    echo "resident memory with the full-screen word window open: $(grep VmRSS "/proc/$PROGRAM_PID/status")"
    [ "$(count_colour "$word" "#FFFFFF")" -gt 200 ] || e2e_fail "no word drawn in white"
    e2e_click "$word" 500 700 3
    e2e_wait_window "主菜单2" 5 >/dev/null
    xdotool key e # 关闭(&E)
    for _ in $(seq 100); do
        e2e_no_window "单词记忆" && break
        sleep 0.05
    done
    e2e_no_window "单词记忆" || e2e_fail "关闭 did not close the word window"
    [ "$(setting Bea SaveLast)" = 1 ] || e2e_fail "SaveLast=$(setting Bea SaveLast)"
    [ "$(setting Bea FullScreen)" = 1 ] || e2e_fail "FullScreen=$(setting Bea FullScreen)"
    kill -TERM "$PROGRAM_PID"
    e2e_expect_saved_end Bea
}

"case_$1"
echo "PASS: $1"
