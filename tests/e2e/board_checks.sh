# What the real-window test reads off a screenshot of the board (see tools/lib/xdriver.sh for
# the grids and grab_board). Source it after xdriver.sh.

KAKI='rgb(188,188,144)'
CARD_WIDTH=81
CARD_HEIGHT=110

# The mean colour of a rectangle of an image, as "r,g,b".
mean_colour() {
    local image=$1 geometry=$2
    convert "$image" -crop "$geometry" +repage -scale '1x1!' \
        -format '%[fx:int(255*r+0.5)],%[fx:int(255*g+0.5)],%[fx:int(255*b+0.5)]' info:
}

# How many pixels of a rectangle of an image are exactly the board's kaki.
kaki_pixels() {
    local image=$1 geometry=$2
    convert "$image" -crop "$geometry" +repage \
        -fill black +opaque "$KAKI" -fill white -opaque "$KAKI" \
        -format '%[fx:int(mean*w*h+0.5)]' info:
}

card_geometry() {
    card_corner "$1" "$2"
    echo "${CARD_WIDTH}x${CARD_HEIGHT}+${CARD_X}+${CARD_Y}"
}

# Whether a colour "r,g,b" is clearly blue.
is_blue() {
    local r g b
    IFS=, read -r r g b <<<"$1"
    [ $((b - r)) -ge 40 ] && [ $((b - g)) -ge 25 ]
}

# What a card's place shows, in words, for failure messages.
card_summary() {
    local image=$1 count=$2 slot=$3 geometry
    geometry=$(card_geometry "$count" "$slot")
    echo "mean $(mean_colour "$image" "$geometry"), $(kaki_pixels "$image" "$geometry") kaki pixels"
}

# Whether a card's place shows a card that is not mostly board, that is, not gone.
card_is_face() {
    local kaki
    kaki=$(kaki_pixels "$1" "$(card_geometry "$2" "$3")")
    [ "$kaki" -lt $((CARD_WIDTH * CARD_HEIGHT / 2)) ]
}

# Prints "back" when a card's place shows the card back, "gone" when it shows only the board,
# and "face" otherwise.
card_outcome() {
    local image=$1 count=$2 slot=$3 back=$4 kaki
    if [ "$(card_print "$image" "$count" "$slot")" = "$back" ]; then
        echo back
        return
    fi
    kaki=$(kaki_pixels "$image" "$(card_geometry "$count" "$slot")")
    if [ "$kaki" -eq $((CARD_WIDTH * CARD_HEIGHT)) ]; then
        echo gone
    else
        echo face
    fi
}

# Whether the board shows `count` card backs, all alike and blue, each filling its place of the
# grid exactly, and nothing but kaki around them. Sets SAW to what it measured.
check_dealt_board() {
    local image=$1 count=$2 slot geometry band colour kaki print first_print='' ok=0
    local -a masks=()
    SAW=''
    for slot in $(seq 0 $((count - 1))); do
        card_corner "$count" "$slot"
        geometry="${CARD_WIDTH}x${CARD_HEIGHT}+${CARD_X}+${CARD_Y}"
        # The patterned band above the fish, inside the white border.
        band="64x22+$((CARD_X + 8))+$((CARD_Y + 8))"
        colour=$(mean_colour "$image" "$band")
        kaki=$(kaki_pixels "$image" "$geometry")
        print=$(card_print "$image" "$count" "$slot")
        first_print=${first_print:-$print}
        SAW+="card $slot at $CARD_X,$CARD_Y: band $colour, $kaki kaki pixels"
        [ "$print" = "$first_print" ] || { ok=1; SAW+=", unlike card 0"; }
        SAW+="; "
        is_blue "$colour" || ok=1
        [ "$kaki" -eq 0 ] || ok=1
        masks+=(-draw "rectangle $CARD_X,$CARD_Y $((CARD_X + CARD_WIDTH - 1)),$((CARD_Y + CARD_HEIGHT - 1))")
    done

    # Paint over the cards' places with kaki: what is left must be kaki, every pixel of it.
    local size other
    size=$(identify -format '%w*%h' "$image")
    kaki=$(convert "$image" +antialias -fill "$KAKI" "${masks[@]}" \
        -fill black +opaque "$KAKI" -fill white -opaque "$KAKI" \
        -format '%[fx:int(mean*w*h+0.5)]' info:)
    other=$((size - kaki))
    SAW+="around the cards: $other pixels not kaki"
    [ "$other" -eq 0 ] || ok=1
    return $ok
}
