# Checks of the full-screen board on a screenshot, for toddler_window_test.sh; source it after
# board_checks.sh, with the layout scaled to the screen (use_full_screen_board).

# The cards painted on a screenshot, measured there: every patch of the screen that is not the
# board's kaki and larger than a letter, as "WxH+X+Y", one a line, in the order of the slots.
painted_cards() {
    convert "$1" -fill white +opaque "$KAKI" -fill black -opaque "$KAKI" \
        -define connected-components:verbose=true -define connected-components:area-threshold=2000 \
        -connected-components 8 null: | awk '$NF == "srgb(255,255,255)" { print $2 }'
}

# Whether a screenshot shows COUNT cards face down and nothing else: each at least 300 pixels
# wide, where the layout puts its slot on this screen, and (by the colour of a band across its
# top) a picture card's blue back or a letter card's prettyblue. Sets SAW to what it measured.
check_toddler_board() {
    local image=$1 count=$2 kind=$3 cards slot band colour ok=0
    cards=$(painted_cards "$image")
    SAW="cards painted: $(echo $cards)"
    [ "$(grep -c . <<<"$cards")" -eq "$count" ] || return 1
    [ "$(cut -dx -f1 <<<"$cards" | sort -n | head -1)" -ge 300 ] || { SAW+="; narrower than 300"; ok=1; }
    for slot in $(seq 0 $((count - 1))); do
        card_corner "$count" "$slot"
        grep -qx "${CARD_W}x${CARD_H}+${CARD_X}+${CARD_Y}" <<<"$cards" || { SAW+="; none at slot $slot"; ok=1; }
        band="$((CARD_W * 8 / 10))x$((CARD_H / 10))+$((CARD_X + CARD_W / 10))+$((CARD_Y + CARD_H / 12))"
        colour=$(mean_colour "$image" "$band")
        SAW+="; slot $slot band $colour"
        if [ "$kind" = letter ]; then
            [ "$colour" = "$PRETTYBLUE" ] || ok=1
        else
            is_blue "$colour" && [ "$colour" != "$PRETTYBLUE" ] || ok=1
        fi
    done
    return $ok
}

# Waits up to $4 seconds for check_toddler_board to hold, the last look in $work/$1.png.
wait_for_toddler_board() {
    local name=$1 count=$2 kind=$3 deadline=$((SECONDS + $4))
    until grab_board "$work/$name.png" && check_toddler_board "$work/$name.png" "$count" "$kind"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.3
    done
}
