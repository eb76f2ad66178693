#!/usr/bin/env bash
# The lookup window "单词速查" over the shipped dictionary, end to end.
# Usage: lookup_e2e.sh CASE (see the functions below).
source "$(dirname "$0")/harness.sh"

# Places in the lookup window (the WindowsXP frame: its client starts at 4, 30).
LIST_ROW0=(60 100)
LIST_ROW1=(60 121)
ADD_BUTTON=(369 336)
CLOSE_BUTTON=(453 336)

# The shipped lookup files in the fixture's Dicts/.
use_shipped_dictionary() {
    local dicts="$E2E_BUILD/Lexarion/Dicts"
    [ -s "$dicts/All.wsl" ] && [ -s "$dicts/All_cn.idx" ] || e2e_fail "no shipped dictionary in $dicts"
    ln -s "$dicts/All.wsl" "$PROGRAM/Dicts/All.wsl"
    ln -s "$dicts/All_cn.idx" "$PROGRAM/Dicts/All_cn.idx"
}

# The kept dictionary lines in UTF-8 (comments and lines without "#" left out).
dictionary_lines() { iconv -f GB18030 -t UTF-8 "$PROGRAM/Dicts/All.wsl" | tr -d '\r' | grep -v '^;' | grep '#'; }

# Console button 2 from the keyboard; prints the lookup window's id and how long it took.
open_lookup() {
    local console=$1 from
    from=$(e2e_now_ms)
    e2e_key "$console" Tab Tab space
    local lookup
    lookup=$(e2e_wait_window "单词速查" 10)
    echo "console button to lookup window: $(($(e2e_now_ms) - from)) ms" >&2
    echo "$lookup"
}

# xdotool types a character outside the keyboard map by mapping it to a spare key first; the
# first key after a new mapping can reach the program before the mapping does. One character at
# a time with pauses gives each mapping time to arrive.
type_chinese() {
    local window=$1 text=$2 i
    e2e_focus "$window"
    for ((i = 0; i < ${#text}; i++)); do
        xdotool type --delay 200 "${text:i:1}"
        sleep 0.2
    done
}

# Waits until users/$1/MyDict.wsl has $2 lines.
wait_book_lines() {
    local file="$PROGRAM/users/$1/MyDict.wsl"
    for _ in $(seq 100); do
        [ -f "$file" ] && [ "$(grep -c '' "$file")" -ge "$2" ] && return 0
        sleep 0.05
    done
    e2e_fail "the new-word book has not $2 lines: $(e2e_read "users/$1/MyDict.wsl" 2>/dev/null)"
}

# A word typed in capitals shows its Chinese explanation (added to the book, it is there) and
# its alphabetical neighbourhood (the word after it is listed next); the window closes.
case_console_lookup() {
    e2e_begin
    use_shipped_dictionary
    e2e_start
    local console lookup
    console=$(e2e_log_in Hal)
    lookup=$(open_lookup "$console")
    e2e_type "$lookup" "ABANDON"
    sleep 0.3
    e2e_click "$lookup" "${ADD_BUTTON[@]}"
    wait_book_lines Hal 1
    local expected next
    dictionary_lines >"$E2E_TMP/dictionary.txt"
    expected=$(grep -m1 -i '^abandon *#' "$E2E_TMP/dictionary.txt")
    next=$(grep -A1 -m1 -i '^abandon *#' "$E2E_TMP/dictionary.txt" | tail -1 | cut -d'#' -f1)
    next=${next% }
    local first
    first=$(e2e_read users/Hal/MyDict.wsl | head -1 | tr -d '\r')
    [ "${first%%#*}" = abandon ] || e2e_fail "added '$first'"
    printf '%s' "$first" | grep -q '放弃' || e2e_fail "no Chinese explanation in '$first'"
    [ "${first#*#}" = "${expected#*#}" ] || e2e_fail "added '$first', the dictionary has '$expected'"
    # The list starts at the typed word; the row below it is the dictionary's next word.
    e2e_click "$lookup" "${LIST_ROW1[@]}"
    sleep 0.3
    e2e_click "$lookup" "${ADD_BUTTON[@]}"
    wait_book_lines Hal 2
    local second
    second=$(e2e_read users/Hal/MyDict.wsl | sed -n 2p | tr -d '\r')
    [ "${second%%#*}" = "$next" ] || e2e_fail "the word after abandon is '$next', added '$second'"
    e2e_shot "$E2E_TMP/lookup.png"
    e2e_click "$lookup" "${CLOSE_BUTTON[@]}"
    for _ in $(seq 100); do
        e2e_no_window "单词速查" && break
        sleep 0.05
    done
    e2e_no_window "单词速查" || e2e_fail "the lookup window did not close"
    e2e_key "$console" alt+F4
    e2e_expect_saved_end Hal
}

# A Chinese keyword lists the English words of the index; choosing one shows its entry.
case_chinese_lookup() {
    e2e_begin
    use_shipped_dictionary
    e2e_start
    local console lookup
    console=$(e2e_log_in Ivy)
    lookup=$(open_lookup "$console")
    type_chinese "$lookup" "放弃"
    sleep 0.3
    e2e_click "$lookup" "${LIST_ROW0[@]}"
    sleep 0.3
    e2e_click "$lookup" "${ADD_BUTTON[@]}"
    wait_book_lines Ivy 1
    local line
    line=$(e2e_read users/Ivy/MyDict.wsl | head -1 | tr -d '\r')
    printf '%s' "$line" | grep -q '放弃' || e2e_fail "the first word for 放弃 is '$line'"
    e2e_shot "$E2E_TMP/chinese.png"
    e2e_key "$console" alt+F4
    e2e_expect_saved_end Ivy
}

# Without the dictionary: the message, the file created empty; the next opening works.
case_missing_dictionary() {
    e2e_begin
    e2e_start
    local console box
    console=$(e2e_log_in Jon)
    e2e_key "$console" Tab Tab space
    box=$(e2e_wait_window "错误" 10)
    e2e_no_window "单词速查" || e2e_fail "the lookup window opened"
    e2e_key "$box" Return
    [ -f "$PROGRAM/Dicts/All.wsl" ] && [ ! -s "$PROGRAM/Dicts/All.wsl" ] || e2e_fail "All.wsl not created empty"
    [ -f "$PROGRAM/Dicts/All_cn.idx" ] || e2e_fail "All_cn.idx not created"
    for _ in $(seq 100); do
        e2e_no_window "错误" && break
        sleep 0.05
    done
    e2e_key "$console" space
    e2e_wait_window "单词速查" 10 >/dev/null
    e2e_key "$console" alt+F4
    e2e_expect_saved_end Jon
}

"case_$1"
echo "PASS: $1"
