#!/usr/bin/env bash
# Bad input, end to end: the real program started over files a user may have broken, copied or
# downloaded. Each case checks that the program answers with a message or falls back soundly,
# keeps running or ends cleanly, and leaves the user's files as they were.
# Usage: badinput_e2e.sh CASE (see the functions below).
source "$(dirname "$0")/harness.sh"

# The checksums of the given files of the program folder, one line each ("-" for a missing one).
sums() {
    local file
    for file in "$@"; do
        if [ -f "$PROGRAM/$file" ]; then
            echo "$file $(sha256sum < "$PROGRAM/$file" | cut -d' ' -f1)"
        else
            echo "$file -"
        fi
    done
}

# Fails unless the files are byte for byte as they were when `sums` gave $1.
expect_unchanged() {
    local before=$1
    shift
    local after
    after=$(sums "$@")
    [ "$before" = "$after" ] || e2e_fail "files changed: $(diff <(echo "$before") <(echo "$after"))"
}

expect_running() {
    kill -0 "$PROGRAM_PID" 2>/dev/null || e2e_fail "the program ended: $(cat "$E2E_TMP/stderr")"
}

# The program's largest memory in use so far, in megabytes.
peak_mb() { awk '/VmHWM/ { print int($2 / 1024) }' "/proc/$PROGRAM_PID/status"; }

# Closes the console and expects the clean end that saves.
close_console() {
    e2e_key "$1" alt+F4
    e2e_expect_saved_end "$2"
}

# The whole program folder given to another user, and the program started as that user, for
# the cases that need permissions to count (they do not for root).
start_as_nobody() {
    chown -R 65534:65534 "$E2E_TMP"
    STARTED_AT=$(date +%s%N)
    QT_QPA_PLATFORM=xcb HOME="$E2E_TMP" setpriv --reuid=65534 --regid=65534 --clear-groups \
        "$PROGRAM/lexarion" > "$E2E_TMP/stdout" 2> "$E2E_TMP/stderr" &
    PROGRAM_PID=$!
}

# A user's settings file of random bytes: every setting falls back to its default, the program
# runs as usual, and what it writes leaves the bytes of the file around its own key alone.
case_binary_settings() {
    e2e_begin
    mkdir -p "$PROGRAM/users/Ann"
    head -c 65536 /dev/urandom > "$PROGRAM/users/Ann/config.ini"
    cp "$PROGRAM/users/Ann/config.ini" "$E2E_TMP/settings.orig"
    head -c 4096 /dev/urandom > "$PROGRAM/config.ini"
    cp "$PROGRAM/config.ini" "$E2E_TMP/global.orig"
    local before
    before=$(sums Dicts/cet-4.wsl)
    e2e_start
    local console
    console=$(e2e_log_in Ann)
    expect_running
    close_console "$console" Ann
    expect_unchanged "$before" Dicts/cet-4.wsl
    cmp -s "$PROGRAM/users/Ann/config.ini" "$E2E_TMP/settings.orig" ||
        e2e_fail "the user's settings changed"
    # The last user is added to the global settings; every byte before stays.
    cmp -s -n 4096 "$PROGRAM/config.ini" "$E2E_TMP/global.orig" ||
        e2e_fail "the global settings lost bytes"
    tail -c 40 "$PROGRAM/config.ini" | grep -q "LastUser=Ann" || e2e_fail "LastUser not added"
}

# A word list of 100 MB loads in a few seconds and the console opens; the word window shows its
# first word.
case_huge_list() {
    e2e_begin
    mkdir -p "$PROGRAM/users/Bob"
    printf '[General]\r\nDictionaryFile=huge.wsl\r\n' > "$PROGRAM/users/Bob/config.ini"
    head -c 100M < <(yes $'abandon#放弃;遗弃;沉溺于 v. to leave behind#ə\x27bændən\r') \
        > "$PROGRAM/Dicts/huge.wsl"
    local before
    before=$(sums Dicts/huge.wsl Dicts/cet-4.wsl)
    e2e_start
    local console
    console=$(e2e_log_in Bob)
    echo "start to console: $(e2e_elapsed_ms) ms, peak memory $(peak_mb) MB"
    e2e_key "$console" space # the first button, "单词记忆", has the focus
    e2e_wait_window "单词记忆" 15 >/dev/null
    expect_running
    echo "peak memory with the word window: $(peak_mb) MB"
    close_console "$console" Bob
    expect_unchanged "$before" Dicts/huge.wsl Dicts/cet-4.wsl
    grep -q "DictionaryFile=huge.wsl" "$PROGRAM/users/Bob/config.ini" || e2e_fail "the list setting changed"
}

# A word list with NUL bytes inside entries and lines of a megabyte and more: the lines load as
# they are, and the word window draws the overlong entry without hanging.
case_nul_overlong() {
    e2e_begin
    mkdir -p "$PROGRAM/users/Cal"
    printf '[General]\r\nDictionaryFile=odd.wsl\r\nShowAsGroup=0\r\n[RememberSetting]\r\nAutoPlay=1\r\n%s' \
        $'WordInterval=1\r\nEnableSpeak=0\r\nFullScreen=0\r\nWinLeft=1500\r\nWinTop=1500\r\nWinWidth=9000\r\nWinHeight=4500\r\n' > "$PROGRAM/users/Cal/config.ini"
    {
        printf 'ab\0andon#放\0弃#x\r\n'
        printf 'long%.0s' $(seq 250000)
        printf '#'
        printf '很长的解释%.0s' $(seq 100000)
        printf '\r\n'
        head -c 3M /dev/zero
        printf '\r\nability#能力\r\n'
    } > "$PROGRAM/Dicts/odd.wsl"
    local before
    before=$(sums Dicts/odd.wsl Dicts/cet-4.wsl)
    e2e_start
    local console word
    console=$(e2e_log_in Cal)
    e2e_key "$console" space # 单词记忆
    word=$(e2e_wait_window "单词记忆" 15)
    # It plays on by itself through all three entries and comes round again.
    local shot
    for shot in 1 2 3 4; do
        sleep 1
        e2e_shot "$E2E_TMP/odd$shot.png"
    done
    expect_running
    [ "$(md5sum "$E2E_TMP"/odd?.png | cut -d' ' -f1 | sort -u | wc -l)" -ge 2 ] ||
        e2e_fail "the word window stopped stepping"
    e2e_key "$word" alt+F4
    for _ in $(seq 100); do e2e_no_window "单词记忆" && break; sleep 0.05; done
    e2e_no_window "单词记忆" || e2e_fail "the word window did not close"
    close_console "$console" Cal
    expect_unchanged "$before" Dicts/odd.wsl Dicts/cet-4.wsl
}

# A word list the user may not read: the program says so, naming the file, and ends; nothing
# is written.
case_unreadable_list() {
    e2e_begin
    mkdir -p "$PROGRAM/users/Dee"
    printf '[General]\r\nDictionaryFile=cet-4.wsl\r\n' > "$PROGRAM/users/Dee/config.ini"
    printf '%s' "remind me" > "$PROGRAM/users/Dee/remind.txt"
    chmod 000 "$PROGRAM/Dicts/cet-4.wsl"
    local before
    before=$(sums Dicts/cet-4.wsl users/Dee/config.ini users/Dee/remind.txt config.ini)
    start_as_nobody
    local login box
    login=$(e2e_wait_window "Lexarion用户登陆")
    e2e_replace_text "$login" Dee
    e2e_key "$login" Return
    box=$(e2e_wait_window "错误" 15)
    e2e_shot "$E2E_TMP/unreadable.png"
    e2e_no_window "Lexarion - [Dee]" || e2e_fail "the console opened over an unloaded list"
    e2e_key "$box" Return
    e2e_wait_exit
    # Ended by the program itself, not by a signal.
    [ "$EXIT_CODE" -lt 128 ] || e2e_fail "exit code $EXIT_CODE"
    expect_unchanged "$before" Dicts/cet-4.wsl users/Dee/config.ini users/Dee/remind.txt config.ini
}

# An empty Dicts/: the message names the missing lists, the program runs on an empty list, and
# the default list is created empty for the next start.
case_empty_dicts() {
    e2e_begin
    rm -f "$PROGRAM/Dicts/"*
    e2e_start
    local login box console
    login=$(e2e_wait_window "Lexarion用户登陆")
    e2e_replace_text "$login" Eve
    e2e_key "$login" Return
    box=$(e2e_wait_window "错误" 15)
    e2e_key "$box" Return
    console=$(e2e_wait_window "Lexarion - [Eve]")
    e2e_key "$console" space # 单词记忆 over the empty list
    e2e_wait_window "单词记忆" 15 >/dev/null
    expect_running
    close_console "$console" Eve
    [ -f "$PROGRAM/Dicts/cet-4.wsl" ] && [ ! -s "$PROGRAM/Dicts/cet-4.wsl" ] ||
        e2e_fail "the default list was not created empty"
}

# A file where the user's folder belongs: the login says that the folder cannot be made and
# stays open; the file is left alone.
case_user_folder_file() {
    e2e_begin
    printf 'not a folder\r\n' > "$PROGRAM/users/Fay"
    local before
    before=$(sums users/Fay)
    e2e_start
    local login box
    login=$(e2e_wait_window "Lexarion用户登陆")
    e2e_replace_text "$login" Fay
    e2e_key "$login" Return
    box=$(e2e_wait_window "错误" 15)
    e2e_shot "$E2E_TMP/userfile.png"
    e2e_key "$box" Return
    sleep 0.5
    e2e_no_window "Lexarion - [Fay]" || e2e_fail "logged in without a folder"
    expect_running
    # The login window still works: another name logs in.
    e2e_replace_text "$login" Gus
    e2e_key "$login" Return
    local console
    console=$(e2e_wait_window "Lexarion - [Gus]")
    close_console "$console" Gus
    expect_unchanged "$before" users/Fay
}

# A skin whose bitmaps were cut short: the windows open and draw what they can.
case_truncated_skin() {
    e2e_begin
    local bmp
    for bmp in "$PROGRAM/Skins/WindowsXP/"*.bmp; do
        truncate -s $(($(stat -c %s "$bmp") / 3)) "$bmp"
    done
    local before
    before=$(cd "$PROGRAM" && sums Skins/WindowsXP/*)
    e2e_start
    local console
    console=$(e2e_log_in Gil)
    e2e_shot "$E2E_TMP/skin.png"
    e2e_key "$console" space # 单词记忆
    e2e_wait_window "单词记忆" 15 >/dev/null
    expect_running
    close_console "$console" Gil
    expect_unchanged "$before" $(cd "$PROGRAM" && ls Skins/WindowsXP/*)
}

# A lookup dictionary and Chinese index of random bytes: the lookup window opens and searches
# English and digits without hanging; neither file changes.
case_binary_lookup() {
    e2e_begin
    head -c 3M /dev/urandom > "$PROGRAM/Dicts/All.wsl"
    head -c 1M /dev/urandom > "$PROGRAM/Dicts/All_cn.idx"
    local before
    before=$(sums Dicts/All.wsl Dicts/All_cn.idx)
    e2e_start
    local console lookup
    console=$(e2e_log_in Ida)
    e2e_key "$console" Tab Tab space # 单词速查
    lookup=$(e2e_wait_window "单词速查" 10)
    e2e_type "$lookup" "abandon 42 zz"
    sleep 0.5
    expect_running
    e2e_shot "$E2E_TMP/lookup.png"
    e2e_click "$lookup" 453 336 # 关闭
    for _ in $(seq 100); do e2e_no_window "单词速查" && break; sleep 0.05; done
    e2e_no_window "单词速查" || e2e_fail "the lookup window did not close"
    close_console "$console" Ida
    expect_unchanged "$before" Dicts/All.wsl Dicts/All_cn.idx
}

"case_$1"
echo "PASS: $1"
