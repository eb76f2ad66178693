#!/usr/bin/env bash
# Measures how clearly each installed voice says the study words: every voice says each word of
# bench/voice_words.txt, and the pocketsphinx speech recogniser (Debian's pocketsphinx and
# pocketsphinx-en-us, needed only here) writes down what it heard, once with its whole English
# language model and once choosing among the listed words only. Prints the words recognised per
# voice. A measurement, not part of the build; the open-vocabulary pass takes several minutes.
#
#   scripts/measure-voices.sh [BUILD_DIR]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
words=$root/bench/voice_words.txt
model=/usr/share/pocketsphinx/model/en-us
command -v pocketsphinx_batch >/dev/null || {
    echo "pocketsphinx_batch is missing: apt-get install pocketsphinx pocketsphinx-en-us" >&2
    exit 1
}
cmake --build "$build" --target lexarion_voice_render >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/lexarion_voice_render" "$words" "$work"

tr -s ' \n' '\n\n' <"$words" | sed '/^$/d' >"$work/words"
{
    echo '#JSGF V1.0;'
    echo 'grammar studywords;'
    echo "public <word> = $(paste -sd'|' "$work/words" | sed 's/|/ | /g');"
} >"$work/words.gram"

# Prints "recognised/total" for the hypotheses of one voice, lines "WORDS (ID SCORE)".
score() {
    awk 'NR == FNR { total++; next }
         match($0, / \([^ ()]+ [-0-9]+\)$/) {
             id = substr($0, RSTART + 2, RLENGTH - 3); sub(/ .*/, "", id)
             if (substr($0, 1, RSTART - 1) == id) right++
         }
         END { printf "%d/%d", right, total }' "$work/words" "$1"
}

printf '%-4s %-55s %12s %12s\n' mode voice "open vocab" "word list"
while IFS=$'\t' read -r mode name; do
    sed 's/$//' "$work/words" >"$work/mode$mode.ctl"
    for how in lm jsgf; do
        if [ $how = lm ]; then search=(-lm "$model/en-us.lm.bin"); else search=(-jsgf "$work/words.gram"); fi
        pocketsphinx_batch -adcin yes -adchdr 0 -cepdir "$work/mode$mode" -cepext .raw \
            -ctl "$work/mode$mode.ctl" -hyp "$work/mode$mode.$how.hyp" \
            -hmm "$model/en-us" -dict "$model/cmudict-en-us.dict" "${search[@]}" \
            >/dev/null 2>&1
    done
    printf '%-4s %-55s %12s %12s\n' "$mode" "$name" "$(score "$work/mode$mode.lm.hyp")" \
        "$(score "$work/mode$mode.jsgf.hyp")"
done <"$work/modes.tsv"
