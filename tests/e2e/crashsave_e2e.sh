#!/usr/bin/env bash
# The real program killed while it saves: SIGTERM starts the shutdown that writes the reminders,
# the global settings and the new-word book, and SIGKILL follows at a random moment of it. Each
# file must then be the old version or the new one, never empty or cut, and nothing else in the
# user's folder changes.
# Usage: crashsave_e2e.sh CASE (see the functions below).
source "$(dirname "$0")/harness.sh"

# Every file below the program folder but the program, with its checksum.
snapshot() {
    (cd "$PROGRAM" && find . -type f ! -name lexarion ! -name '.*.saving' ! -path './Skins/*' \
        ! -path './Pictures/*' ! -path './help/*' -print0 | sort -z | xargs -0 sha256sum)
}

# The old versions end their lines with LF alone; the program writes CR LF, so a file it has
# saved differs from the old one in every line while it says the same.
case_kill_during_shutdown() {
    e2e_begin
    local user="$PROGRAM/users/Kim" old="$E2E_TMP/old" new="$E2E_TMP/new" i
    mkdir -p "$user" "$old" "$new"
    printf '[General]\nDictionaryFile=MyDict.wsl\nShowAsGroup=0\n[TipOnDaySetting]\nShowOnStart=0\n' \
        > "$user/config.ini"
    for i in $(seq 60000); do echo "word$i#释义$i 第二部分#wɜːd"; done > "$old/MyDict.wsl"
    for i in $(seq 20000); do printf '20991231\t0800\t提醒 %d\n' "$i"; done > "$old/remind.txt"
    printf '[General]\nLastUser=Kim\n' > "$old/config.ini"
    printf 'keep me\n' > "$user/notes.txt"
    local name
    for name in MyDict.wsl remind.txt config.ini; do
        sed 's/$/\r/' "$old/$name" > "$new/$name"
    done
    # The global settings keep their line endings: only the value is replaced, and it stays.
    cp "$old/config.ini" "$new/config.ini"

    local saved=0 kept=0 leftovers=0 round delay console
    for round in 1 2 3 4 5 6; do
        cp "$old/MyDict.wsl" "$old/remind.txt" "$user/"
        cp "$old/config.ini" "$PROGRAM/config.ini"
        local before
        before=$(snapshot | grep -v -e 'MyDict.wsl$' -e 'remind.txt$' -e '\./config.ini$')
        e2e_start
        console=$(e2e_wait_window "Lexarion用户登陆")
        e2e_key "$console" Return
        e2e_wait_window "Lexarion - [Kim]" 15 >/dev/null
        # The reminders alone take some milliseconds to write; the kills land before, during and
        # after the saves.
        delay=$(printf '0.%03d' $((RANDOM % 120)))
        kill -TERM "$PROGRAM_PID"
        sleep "$delay"
        kill -KILL "$PROGRAM_PID" 2>/dev/null || true
        wait "$PROGRAM_PID" 2>/dev/null || true
        PROGRAM_PID=
        for name in MyDict.wsl remind.txt; do
            if cmp -s "$user/$name" "$new/$name"; then
                saved=$((saved + 1))
            elif cmp -s "$user/$name" "$old/$name"; then
                kept=$((kept + 1))
            else
                e2e_fail "round $round (kill after ${delay}s): $name is neither version ($(stat -c %s "$user/$name") bytes)"
            fi
        done
        cmp -s "$PROGRAM/config.ini" "$new/config.ini" ||
            e2e_fail "round $round: the global settings are neither version"
        local after
        after=$(snapshot | grep -v -e 'MyDict.wsl$' -e 'remind.txt$' -e '\./config.ini$')
        [ "$before" = "$after" ] ||
            e2e_fail "round $round: other files changed: $(diff <(echo "$before") <(echo "$after"))"
        # A kill between naming the new file and renaming it leaves it; the next save takes it.
        leftovers=$((leftovers + $(find "$PROGRAM" -name '.*.saving' | wc -l)))
    done
    echo "files found saved $saved times, as before $kept times; $leftovers new files left"
}

"case_$1"
echo "PASS: $1"
