#!/usr/bin/env bash
# Playing together in the real window on a 1920 x 1080 screen under a window manager. Two players
# play a game of four pairs to its end, a screenshot of every try: the band along the four edges
# is the first player's orange, and it changes colour exactly on the tries that miss (to the
# second player's blue and back), a found pair joins the pile of its finder's column and no
# other, the cards lie inside the band, and at the end the band has both colours. Then a game with
# the friendly animal: after the child's miss it plays by itself, a card at a time, while a
# click of the child's turns nothing, until the game is won.
# Usage: tests/e2e/together_window_test.sh path/to/twindle    (TWINDLE_E2E_KEEP=1 keeps the
# screenshots, which are kept anyway when the test fails)
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
binary=$(realpath "${1:?usage: together_window_test.sh path/to/twindle}")

export MAGICK_THREAD_LIMIT=1
if [ -z "${TWINDLE_XVFB:-}" ]; then
    exec timeout -k 5 280 env TWINDLE_XVFB=1 xvfb-run -a -s "-noreset -screen 0 1920x1080x24" "$0" "$binary"
fi

source "$top/tools/lib/xdriver.sh"
load_layout "$binary"
source "$top/tools/lib/full_screen_board.sh"
source "$top/tests/e2e/scratch.sh"
make_scratch
FULL_SHOT=$work/screen.miff
ORANGE='230,159,0' BLUE='0,114,178'
pass() { echo "ok: $*"; }

# Starts toddler mode with these options and waits for its board inside the players' band, whose
# place the program logs: sets FULL_X, FULL_Y and the board's size for full_screen_board.sh.
start_together() {
    : >"$work/twindle.log"
    QT_LOGGING_RULES="twindle.toddler.info=true;twindle.toddler.debug=true" QT_QPA_PLATFORM=xcb \
        "$binary" --toddler --kind pictures --fixed --quiet "$@" >"$work/twindle.log" 2>&1 &
    game=$!
    local place='' deadline=$((SECONDS + 20))
    while [ $SECONDS -lt $deadline ]; do
        place=$(sed -n 's/.*the players. band leaves the board \([0-9]*\) x \([0-9]*\) at \([0-9]*\),\([0-9]*\)$/\1 \2 \3 \4/p' \
            "$work/twindle.log" | tail -1)
        [[ $place == 1[0-9][0-9][0-9]\ * ]] && break   # laid out on the full screen, not the window
        sleep 0.2
    done
    read -r FULL_W FULL_H FULL_X FULL_Y <<<"$place"
    [ -n "${FULL_Y:-}" ] || fail "no players' band was laid out on the screen"
    use_board_size "$FULL_W" "$FULL_H"
    FULL_SLACK=2
}

# Waits up to 10 s for the end of a try of two cards as they looked: alike, they leave the board
# (TRY_END=gone); unlike, they turn back (TRY_END=back).
wait_for_outcome() {
    local count=$1 first=$2 second=$3 want=back deadline=$((SECONDS + 10)) a b
    [ "${seen[$first]}" = "${seen[$second]}" ] && want=gone
    while [ $SECONDS -lt $deadline ]; do
        grab_screen "$FULL_SHOT"
        a=$(full_card_print "$FULL_SHOT" "$count" "$first")
        b=$(full_card_print "$FULL_SHOT" "$count" "$second")
        if { [ $want = back ] && [ "$a" = "$BACK_PRINT" ] && [ "$b" = "$BACK_PRINT" ]; } \
            || { [ $want = gone ] && [ "$a" = gone ] && [ "$b" = gone ]; }; then
            TRY_END=$want
            return 0
        fi
        sleep 0.1
    done
    echo "the try of slots $first and $second did not end as they looked (${seen[$first]}, ${seen[$second]}): $want (they show $a and $b)" >&2
    return 1
}

# The band's colour at the middle of the top, right, bottom and left edges, "r,g,b" each.
band_colours() {
    local edge colours=()
    for edge in 960,4 1915,540 960,1075 4,540; do
        colours+=("$(pixel_of "$1" "${edge%,*}" "${edge#*,}")")
    done
    echo "${colours[*]}"
}
# A fingerprint of a player's column, between the band and the board: left (seat 0) or right.
column_print() {
    local width=$((FULL_X - 40))
    local left=$((${2} == 0 ? 32 : FULL_X + FULL_W + 8))
    convert "$1" -crop "${width}x1000+${left}+40" +repage rgb:- | md5sum | cut -c1-16
}

# --- Two players, a game to its end -----------------------------------------------------------
start_window_manager "$work/openbox.log" || fail "openbox did not start"
# Six pairs in both games: a deal in which every try of two cards never seen is a pair, so that
# the players below cannot miss, comes once in 10,395 deals (with four pairs, once in 105).
cards=12
start_together --pairs $((cards / 2)) --player kitty --player penguin
wait_for_full_deal $cards || fail "$cards cards were not dealt face down inside the band"
[ "$FULL_X" -ge 16 ] && [ "$FULL_Y" -ge 16 ] && [ $((FULL_X + FULL_W)) -le $((1920 - 16)) ] \
    && [ $((FULL_Y + FULL_H)) -le $((1080 - 16)) ] || fail "the board ${FULL_W}x${FULL_H}+$FULL_X+$FULL_Y is not inside a band of 16 pixels"
SAW=$(band_colours "$FULL_SHOT")
[ "$SAW" = "$ORANGE $ORANGE $ORANGE $ORANGE" ] || fail "the band is not the first player's orange on all four edges"
pass "two players: $cards cards inside the band (the board ${FULL_W}x${FULL_H}+$FULL_X+$FULL_Y), the band orange on all four edges"

# A player who misses on purpose: on every other try, two cards seen before that are not alike;
# else a pair seen before, or cards never seen. The seat whose turn it is follows the rule: it
# passes on a miss.
declare -A seen=() left=()
for slot in $(seq 0 $((cards - 1))); do left[$slot]=1; done
seat=0 tries=0 misses=0
colour_of() { [ "$1" -eq 0 ] && echo "$ORANGE" || echo "$BLUE"; }
next_unseen() {
    for slot in $(printf '%s\n' "${!left[@]}" | sort -n); do
        [ -z "${seen[$slot]:-}" ] && [ "$slot" != "${1:-}" ] && { echo "$slot"; return; }
    done
    return 0
}
# Two cards left that were seen and are alike ("same"), or not ("other").
seen_two() {
    for a in "${!left[@]}"; do
        for b in "${!left[@]}"; do
            [ "$a" -lt "$b" ] && [ -n "${seen[$a]:-}" ] && [ -n "${seen[$b]:-}" ] || continue
            if { [ "$1" = same ] && [ "${seen[$a]}" = "${seen[$b]}" ]; } \
                || { [ "$1" = other ] && [ "${seen[$a]}" != "${seen[$b]}" ]; }; then
                echo "$a $b"
                return
            fi
        done
    done
    return 0
}
while [ ${#left[@]} -gt 0 ]; do
    pair=$(seen_two same) unlike=$(seen_two other)
    first=$(next_unseen) second=$(next_unseen "$first")
    if [ $((tries % 2)) -eq 0 ] && [ -n "$unlike" ]; then
        read -r first second <<<"$unlike"
    elif [ -n "$pair" ]; then
        read -r first second <<<"$pair"
    fi
    grab_screen "$FULL_SHOT"
    before=("$(column_print "$FULL_SHOT" 0)" "$(column_print "$FULL_SHOT" 1)")
    seen[$first]=$(turn_full_card $cards "$first" full_card_print) || fail "slot $first did not turn"
    if [ -z "$second" ]; then   # the last card never seen: its twin was
        for slot in "${!left[@]}"; do
            [ "$slot" != "$first" ] && [ "${seen[$slot]:-}" = "${seen[$first]}" ] && second=$slot
        done
    fi
    seen[$second]=$(turn_full_card $cards "$second" full_card_print) || fail "slot $second did not turn"
    tries=$((tries + 1))
    # The last pair ends the game: the celebration is checked below.
    [ ${#left[@]} -eq 2 ] && [ "${seen[$first]}" = "${seen[$second]}" ] && break
    wait_for_outcome $cards "$first" "$second" || fail "the try of slots $first and $second did not end"
    finder=$seat
    if [ "$TRY_END" = gone ]; then
        unset "left[$first]" "left[$second]"
    else
        seat=$((1 - seat)) misses=$((misses + 1))
    fi
    convert "$FULL_SHOT" "$work/turn-$tries.png"
    SAW=$(band_colours "$FULL_SHOT")
    want=$(colour_of "$seat")
    [ "$SAW" = "$want $want $want $want" ] || fail "after try $tries ($TRY_END) the band is not $want all round"
    if [ "$TRY_END" = gone ]; then
        after=("$(column_print "$FULL_SHOT" 0)" "$(column_print "$FULL_SHOT" 1)")
        [ "${after[$finder]}" != "${before[$finder]}" ] && [ "${after[$((1 - finder))]}" = "${before[$((1 - finder))]}" ] \
            || fail "after try $tries the pair found did not join seat $finder's column alone"
    fi
done
[ "$misses" -ge 2 ] && [ "$misses" -lt "$tries" ] || fail "the game had $misses misses in $tries tries: it tried too little"
pass "$tries tries, $misses of them misses: the band changed colour exactly on the misses, and every pair joined its finder's column (screenshots $work/turn-*.png)"

deadline=$((SECONDS + 5))
until SAW=$(band_colours "$FULL_SHOT") && [ "$SAW" = "$ORANGE $BLUE $ORANGE $BLUE" ]; do
    [ $SECONDS -lt $deadline ] || fail "the celebration's band does not have both players' colours"
    sleep 0.2
    grab_screen "$FULL_SHOT"
done
convert "$FULL_SHOT" "$work/celebration.png"
pass "the game won: the band has both players' colours"
kill "$game"
wait "$game" 2>/dev/null || true

# --- With the friendly animal --------------------------------------------------------------------
start_together --pairs $((cards / 2)) --player kitty --friend penguin --friend-memory 18
wait_for_full_deal $cards || fail "the friend's game was not dealt"
declare -A seen=() left=()
for slot in $(seq 0 $((cards - 1))); do left[$slot]=1; done
# Two cards never seen, until a try misses (six pairs found by chance alone: once in 10,395 games).
# The turn passes as the miss is judged.
while true; do
    first=$(next_unseen) second=$(next_unseen "$first")
    [ -n "$second" ] || fail "the child found every pair by chance: try again"
    seen[$first]=$(turn_full_card $cards "$first" full_card_print) || fail "slot $first did not turn"
    seen[$second]=$(turn_full_card $cards "$second" full_card_print) || fail "slot $second did not turn"
    [ "${seen[$first]}" != "${seen[$second]}" ] && break
    wait_for_outcome $cards "$first" "$second" || fail "the child's try did not end"
    unset "left[$first]" "left[$second]"
done
# The band is painted with the card, or just after it.
SAW=$(band_colours "$FULL_SHOT")
[ "$SAW" = "$BLUE $BLUE $BLUE $BLUE" ] || { grab_screen "$FULL_SHOT" && SAW=$(band_colours "$FULL_SHOT"); }
[ "$SAW" = "$BLUE $BLUE $BLUE $BLUE" ] || fail "after the child's miss the band is not the friend's blue"
# Once the missed cards have turned back (a second), the friend waits a second before its first
# card: the child clicks a card then, which must stay face down unless the friend chose it.
other=$(next_unseen)
sleep 0.9
click_full_card $cards "$other"
sleep 0.3
grab_screen "$FULL_SHOT"
convert "$FULL_SHOT" "$work/friend-turn.png"
if [ "$(full_card_print "$FULL_SHOT" $cards "$other")" != "$BACK_PRINT" ]; then
    grep -q "the friend turns card $other\$" "$work/twindle.log" || fail "the child's click turned slot $other in the friend's turn"
fi
deadline=$((SECONDS + 10))
until grep -q "the friend turns card" "$work/twindle.log"; do
    [ $SECONDS -lt $deadline ] || fail "the friend turned no card within 10 s of its turn"
    sleep 0.2
done
pass "after the child's miss the band is the friend's blue, the child's click on slot $other turned nothing, and the friend turned $(sed -n 's/.*the friend turns card //p' "$work/twindle.log" | head -1)"

# The friend never forgets; whenever it is the child's turn again, the child turns cards in order
# until the turn passes, and so on until the game is won.
deadline=$((SECONDS + 90))
until grep -q "a game won" "$work/twindle.log"; do
    [ $SECONDS -lt $deadline ] || fail "the game with the friend was not won within 90 s"
    grab_screen "$FULL_SHOT"
    if [ "$(band_colours "$FULL_SHOT")" = "$ORANGE $ORANGE $ORANGE $ORANGE" ]; then
        for slot in $(seq 0 $((cards - 1))); do
            [ "$(full_card_print "$FULL_SHOT" $cards "$slot")" = "$BACK_PRINT" ] && click_full_card $cards "$slot" && sleep 0.4
        done
    fi
    sleep 0.3
done
pass "the game with the friend was won: $(grep -c 'the turn passes to' "$work/twindle.log") misses passed the turn"
kill "$game"
wait "$game" 2>/dev/null || true
game=''
[ -n "${TWINDLE_E2E_KEEP:-}" ] && echo "screenshots kept in $work" || rm -rf "$work"
echo "together_window_test: passed"
