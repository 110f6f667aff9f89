#!/usr/bin/env bash
# Checks the talking cards' clips against the words table: every picture (101-143), every
# capital letter (65-90), the cheer and "All done!" have a row, and no two rows say the same; for every row,
# Festival said exactly the segments the table expects, and the clip is a 16-bit mono 16000 Hz
# WAVE, 0.25 to 1.5 s long, not silent, and as loud as every other clip to within 3 dB.
# SHORTEST, when given, is the shortest clip taken in place of 0.25 s: a voice that says a lone
# vowel as quickly as a speaker of its language does (Italian's "a", "e", "i").
# Usage: tests/assets/speech_clips_test.sh WORDS_TSV CLIP_FOLDER [SHORTEST]
set -euo pipefail
words=${1:?usage: speech_clips_test.sh WORDS_TSV CLIP_FOLDER [SHORTEST]}
clips=${2:?usage: speech_clips_test.sh WORDS_TSV CLIP_FOLDER [SHORTEST]}

# The clips are measured with sox: without it nothing here can be told, which is a failure.
command -v sox >/dev/null || { echo "FAIL: sox is not installed (scripts/install-deps)"; exit 1; }

# A word long enough to be heard as one, short enough for a card turned over; one loudness for
# every card (the clips are levelled to one RMS; one held down by the peak ceiling may fall a
# little below it); and anything under -50 dB is silence for a toddler's ears.
readonly shortest_allowed=${3:-0.25} longest_allowed=1.5 loudness_spread=3 silence_below=-50

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Whether a comparison of decimal numbers holds: holds "0.4 >= 0.25".
holds() {
    awk "BEGIN { exit !($1) }"
}

declare -A text_of said_by
levels=()
lengths=()
while IFS=$'\t' read -r name text pos expected || [ -n "$name" ]; do
    [[ -z "$name" || "$name" == \#* ]] && continue
    if [[ -z "$text" || -z "$pos" || -z "$expected" || "$expected" == *$'\t'* ]]; then
        fail "$name: the row needs four columns: name, text, part of speech, segments"
        continue
    fi
    [ -n "${text_of[$name]:-}" ] && fail "$name: two rows"
    text_of[$name]=$text
    [ -n "${said_by[$expected]:-}" ] && fail "$name says what ${said_by[$expected]} says: $expected"
    said_by[$expected]=$name

    wav=$clips/$name.wav
    if [ ! -f "$wav" ]; then
        fail "$name: no clip $wav"
        continue
    fi
    said=$(cat "$clips/$name.phones" 2>/dev/null || echo "(no $name.phones)")
    [ "$said" == "$expected" ] \
        || fail "$name (\"$text\"): Festival said '$said', expected '$expected'"

    format="$(sox --i -b "$wav") bits, $(sox --i -c "$wav") channel, $(sox --i -r "$wav") Hz"
    format+=", $(sox --i -e "$wav")"
    [ "$format" == "16 bits, 1 channel, 16000 Hz, Signed Integer PCM" ] || fail "$name: $format"

    length=$(sox --i -D "$wav")
    holds "$length >= $shortest_allowed && $length <= $longest_allowed" \
        || fail "$name: lasts $length s, not $shortest_allowed to $longest_allowed s"
    lengths+=("$length $name")

    rms=$(sox "$wav" -n stats 2>&1 | awk '$1 == "RMS" && $2 == "lev" { print $4 }')
    if ! [[ "$rms" =~ ^-?[0-9.]+$ ]] || ! holds "$rms > $silence_below"; then
        fail "$name: silent (RMS level '$rms' dB)"
        continue
    fi
    levels+=("$rms $name")
done < "$words"

for name in $(seq 101 143) $(seq 65 90) cheer alldone; do
    [ -n "${text_of[$name]:-}" ] || fail "$name: no row in $words"
done

# The first and the last of "number name" lines in numeric order, as "number name number name".
extremes() {
    [ $# -gt 0 ] && printf '%s\n' "$@" | sort -g \
        | awk 'NR == 1 { first = $0 } END { print first, $0 }'
}
read -r shortest shortest_name longest longest_name < <(extremes "${lengths[@]}") || true
read -r quietest quietest_name loudest loudest_name < <(extremes "${levels[@]}") || true
if [ -n "${quietest:-}" ] && ! holds "$loudest - $quietest <= $loudness_spread"; then
    fail "loudness from $quietest dB ($quietest_name) to $loudest dB ($loudest_name)" \
        "is more than $loudness_spread dB apart"
fi

echo "speech clips: ${#levels[@]} sounding of ${#text_of[@]} rows;" \
    "${shortest:-?} s (${shortest_name:-?}) to ${longest:-?} s (${longest_name:-?});" \
    "RMS ${quietest:-?} dB (${quietest_name:-?}) to ${loudest:-?} dB (${loudest_name:-?})"
if [ "$failures" -gt 0 ]; then
    echo "FAIL: $failures check(s) failed"
    exit 1
fi
