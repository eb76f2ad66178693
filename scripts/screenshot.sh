#!/usr/bin/env bash
# Takes the word window's screenshot shown by software centres (packaging/screenshots/): the
# built program under its own Xvfb, the shipped CET-4 list, the window at its stored size
# showing a word. Run after scripts/build.sh; the size must stay the one the metainfo gives.
set -euo pipefail
cd "$(dirname "$0")/.."
export E2E_BUILD=$PWD/build E2E_SOURCE=$PWD
source tests/e2e/harness.sh

e2e_begin
cp "$E2E_BUILD/Lexarion/Dicts/cet-4.wsl" "$PROGRAM/Dicts/cet-4.wsl"
# 800 x 450 pixels (15 twips each), stepping slowly from the ninth word of the list.
e2e_write "users/Lexarion/config.ini" "[TipOnDaySetting]
ShowOnStart=0
[General]
ShowAsGroup=0
[RememberSetting]
FullScreen=0
WinLeft=1500
WinTop=1500
WinWidth=12000
WinHeight=6750
AutoPlay=1
WordInterval=3
EnableSpeak=0
SaveLast=8
SaveLastDictionaryFile=cet-4.wsl
"
e2e_start
console=$(e2e_log_in Lexarion)
e2e_key "$console" space # the first button, "单词记忆"
word=$(e2e_wait_window "单词记忆" 5)
sleep 4 # the first step, after three seconds, shows a word
mkdir -p packaging/screenshots
import -window "$word" -strip packaging/screenshots/word-window.png
file packaging/screenshots/word-window.png
kill -TERM "$PROGRAM_PID"
e2e_expect_saved_end Lexarion
