# Drives toddler mode's full-screen board on an X display: where its cards stand once the board is
# scaled to the window, clicks on them, and a game played to its end with a perfect memory.
# Source it after xdriver.sh and call its load_layout: the places are the program's own
# (twindle --print-layout), scaled here as the board scales them: uniformly, as large as the
# window allows, and centred. Set FULL_SHOT to the file its screenshots go to: a .miff file,
# which ImageMagick writes and reads quickest.

# Sets FULL_X, FULL_Y, FULL_W, FULL_H: the window WINDOW, which the board fills, and finds cards
# on a board of that size (use_full_screen_board; xdriver.sh's card_corner places them exactly as
# the board does).
measure_full_screen_board() {
    use_full_screen_board || return 1
    FULL_X=$BOARD_X FULL_Y=$BOARD_Y FULL_W=$WINDOW_WIDTH FULL_H=$WINDOW_HEIGHT
    # What a card's edges may differ by on the screen: its frame's antialiased pixel.
    FULL_SLACK=2
}

# Sets PLACE_X, PLACE_Y, PLACE_W, PLACE_H to where a slot's card stands on the screen.
full_card_place() {
    card_corner "$1" "$2"
    PLACE_X=$((FULL_X + CARD_X)) PLACE_Y=$((FULL_Y + CARD_Y)) PLACE_W=$CARD_W PLACE_H=$CARD_H
}

click_full_card() {
    full_card_place "$1" "$2"
    xdotool mousemove $((PLACE_X + PLACE_W / 2)) $((PLACE_Y + PLACE_H / 2)) click 1
}

grab_screen() {
    import -window root "$1"
}

# Finds a slot's card on a screenshot: the pixels around its place that are not the board's colour
# (read off the window's corner, outside the scaled board). Sets CARD_X, CARD_Y, CARD_W, CARD_H;
# fails when the place shows only the board, or something larger or smaller than FULL_SLACK allows.
find_full_card() {
    local image=$1 count=$2 slot=$3 margin=$((FULL_SLACK + 2)) board box
    full_card_place "$count" "$slot"
    board=$(convert "$image" -format "%[pixel:p{$FULL_X,$FULL_Y}]" info:)
    box=$(convert "$image" \
        -crop "$((PLACE_W + 2 * margin))x$((PLACE_H + 2 * margin))+$((PLACE_X - margin))+$((PLACE_Y - margin))" \
        +repage -bordercolor "$board" -border 1 -format '%@' info: 2>/dev/null)
    read -r CARD_W CARD_H CARD_X CARD_Y <<<"${box//[x+]/ }"
    [ "${CARD_W:-0}" -gt 0 ] || return 1
    CARD_X=$((PLACE_X - margin + CARD_X - 1)) CARD_Y=$((PLACE_Y - margin + CARD_Y - 1))
    local dx=$((CARD_X - PLACE_X)) dy=$((CARD_Y - PLACE_Y)) dw=$((CARD_W - PLACE_W)) dh=$((CARD_H - PLACE_H))
    [ "${dx#-}" -le $FULL_SLACK ] && [ "${dy#-}" -le $FULL_SLACK ] && [ "${dw#-}" -le $FULL_SLACK ] \
        && [ "${dh#-}" -le $FULL_SLACK ]
}

# A fingerprint of what a slot's place shows: "gone" when only the board, else its pixels' hash.
full_card_print() {
    if ! find_full_card "$1" "$2" "$3"; then
        [ "${CARD_W:-0}" -gt 0 ] && echo "misplaced ${CARD_W}x${CARD_H}+${CARD_X}+${CARD_Y}" || echo gone
        return
    fi
    convert "$1" -crop "${CARD_W}x${CARD_H}+${CARD_X}+${CARD_Y}" +repage rgb:- | md5sum | cut -c1-16
}

# Waits up to 20 s for COUNT cards dealt face down, all alike; sets BACK_PRINT. Leaves the last
# look in $FULL_SHOT.
wait_for_full_deal() {
    local count=$1 slot print deadline=$((SECONDS + 20)) alike
    while [ $SECONDS -lt $deadline ]; do
        grab_screen "${FULL_SHOT:?set FULL_SHOT first}"
        BACK_PRINT=$(full_card_print "$FULL_SHOT" "$count" 0)
        alike=yes
        for slot in $(seq 1 $((count - 1))); do
            print=$(full_card_print "$FULL_SHOT" "$count" "$slot")
            [ "$print" = "$BACK_PRINT" ] || { alike=no; break; }
        done
        [ $alike = yes ] && [ "${#BACK_PRINT}" -eq 16 ] && return 0
        sleep 0.2
    done
    return 1
}

# Turns a slot and waits up to 10 s for it to show something other than the back; prints what
# `identify` (a function of the screenshot, the count and the slot) says it shows.
turn_full_card() {
    local count=$1 slot=$2 identify=$3 deadline=$((SECONDS + 10))
    click_full_card "$count" "$slot"
    while [ $SECONDS -lt $deadline ]; do
        grab_screen "${FULL_SHOT:?set FULL_SHOT first}"
        if [ "$(full_card_print "$FULL_SHOT" "$count" "$slot")" != "$BACK_PRINT" ]; then
            "$identify" "$FULL_SHOT" "$count" "$slot"
            return
        fi
    done
    echo "full_screen_board: slot $slot did not turn" >&2
    return 1
}

# Waits up to 10 s for the try of two slots, both face up on $FULL_SHOT now, to end; sets TRY_END
# to "back" when both show the back again, "gone" when neither shows its face nor the back: they
# left the board, or a won game's celebration shows over them.
wait_for_try_end() {
    local count=$1 first=$2 second=$3 deadline=$((SECONDS + 10)) a b face_a face_b
    face_a=$(full_card_print "$FULL_SHOT" "$count" "$first")
    face_b=$(full_card_print "$FULL_SHOT" "$count" "$second")
    while [ $SECONDS -lt $deadline ]; do
        grab_screen "$FULL_SHOT"
        a=$(full_card_print "$FULL_SHOT" "$count" "$first")
        b=$(full_card_print "$FULL_SHOT" "$count" "$second")
        if [ "$a" = "$BACK_PRINT" ] && [ "$b" = "$BACK_PRINT" ]; then
            TRY_END=back
            return 0
        elif [ "$a" != "$BACK_PRINT" ] && [ "$a" != "$face_a" ] \
            && [ "$b" != "$BACK_PRINT" ] && [ "$b" != "$face_b" ]; then
            TRY_END=gone
            return 0
        fi
        sleep 0.1
    done
    echo "full_screen_board: the try of slots $first and $second did not end (they show $a and $b)" >&2
    return 1
}

# Plays the dealt game of COUNT cards on the full-screen board to its last pair, as a player with
# a perfect memory: every pair is taken as soon as both its cards have been seen; otherwise a try
# turns a card never seen, then its twin if that was seen, else another card never seen. No try
# misses on a card seen before, which toddler mode counts as a slip. A card is known by what
# `identify` prints for it (by default its pixels' hash); TRIES counts the tries. Call
# wait_for_full_deal first.
play_full_screen_game() {
    local count=$1 identify=${2:-full_card_print} first second slot other
    local -A seen=() left=()
    for slot in $(seq 0 $((count - 1))); do left[$slot]=1; done
    TRIES=0
    # The slot among those left that was seen as `$1`, other than `$2`; empty when none.
    _seen_twin() {
        for other in "${!left[@]}"; do
            [ "$other" != "$2" ] && [ "${seen[$other]:-}" = "$1" ] && { echo "$other"; return; }
        done
    }
    _unseen() {
        for other in $(printf '%s\n' "${!left[@]}" | sort -n); do
            [ "$other" != "${1:-}" ] && [ -z "${seen[$other]:-}" ] && { echo "$other"; return; }
        done
    }
    while [ ${#left[@]} -gt 0 ]; do
        first='' second=''
        for slot in "${!left[@]}"; do
            [ -n "${seen[$slot]:-}" ] && second=$(_seen_twin "${seen[$slot]}" "$slot") && [ -n "$second" ] \
                && { first=$slot; break; }
        done
        if [ -z "$first" ]; then
            first=$(_unseen)
            [ -n "$first" ] || { echo "full_screen_board: every card left was seen, and no two are alike" >&2; return 1; }
            seen[$first]=$(turn_full_card "$count" "$first" "$identify") || return 1
            second=$(_seen_twin "${seen[$first]}" "$first")
            [ -n "$second" ] || second=$(_unseen "$first")
            [ -n "$second" ] || { echo "full_screen_board: no card left to pair with slot $first" >&2; return 1; }
        else
            seen[$first]=$(turn_full_card "$count" "$first" "$identify") || return 1
        fi
        seen[$second]=$(turn_full_card "$count" "$second" "$identify") || return 1
        TRIES=$((TRIES + 1))
        wait_for_try_end "$count" "$first" "$second" || return 1
        # The game must judge the pair as it looks.
        if [ "$TRY_END" = gone ] && [ "${seen[$second]}" != "${seen[$first]}" ]; then
            echo "full_screen_board: slots $first and $second, unlike (${seen[$first]}, ${seen[$second]}), were taken as a pair" >&2
            return 1
        elif [ "$TRY_END" = back ] && [ "${seen[$second]}" = "${seen[$first]}" ]; then
            echo "full_screen_board: slots $first and $second, alike (${seen[$first]}), were not taken as a pair" >&2
            return 1
        fi
        [ "$TRY_END" = gone ] && unset "left[$first]" "left[$second]"
    done
    return 0
}
