# What the real-window test reads off a screenshot of the board (see tools/lib/xdriver.sh for
# the grids and grab_board). Source it after xdriver.sh.

KAKI='rgb(188,188,144)'
PRETTYBLUE='24,146,232'
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

# Whether the board shows `count` cards face down, all alike, each filling its place of the grid
# exactly, and nothing but kaki around them: card backs (blue) for `kind` back, letter cards
# (prettyblue with "?") for `kind` letter. Sets SAW to what it measured.
check_dealt_board() {
    local image=$1 count=$2 kind=${3:-back} slot geometry band colour kaki print first_print='' ok=0
    local -a masks=()
    SAW=''
    for slot in $(seq 0 $((count - 1))); do
        card_corner "$count" "$slot"
        geometry="${CARD_WIDTH}x${CARD_HEIGHT}+${CARD_X}+${CARD_Y}"
        # Above the fish of a card back, inside its white border; above the "?" of a letter card.
        band="64x22+$((CARD_X + 8))+$((CARD_Y + 8))"
        colour=$(mean_colour "$image" "$band")
        kaki=$(kaki_pixels "$image" "$geometry")
        print=$(card_print "$image" "$count" "$slot")
        first_print=${first_print:-$print}
        SAW+="card $slot at $CARD_X,$CARD_Y: band $colour, $kaki kaki pixels"
        [ "$print" = "$first_print" ] || { ok=1; SAW+=", unlike card 0"; }
        SAW+="; "
        if [ "$kind" = letter ]; then
            [ "$colour" = "$PRETTYBLUE" ] || ok=1
        else
            is_blue "$colour" && [ "$colour" != "$PRETTYBLUE" ] || ok=1
        fi
        [ "$kaki" -eq 0 ] || ok=1
        masks+=(-draw "rectangle $CARD_X,$CARD_Y $((CARD_X + CARD_WIDTH - 1)),$((CARD_Y + CARD_HEIGHT - 1))")
    done
    local other
    other=$(not_kaki_pixels "$image" "${masks[@]}")
    SAW+="around the cards: $other pixels not kaki"
    [ "$other" -eq 0 ] || ok=1
    return $ok
}

# How many pixels of an image are not kaki once the rectangles drawn by the given -draw
# arguments are painted kaki.
not_kaki_pixels() {
    local image=$1 size kaki
    shift
    size=$(identify -format '%w*%h' "$image")
    kaki=$(convert "$image" +antialias -fill "$KAKI" "$@" \
        -fill black +opaque "$KAKI" -fill white -opaque "$KAKI" \
        -format '%[fx:int(mean*w*h+0.5)]' info:)
    echo $((size - kaki))
}

# Waits up to 2 s for the board to show `count` cards face down (see check_dealt_board), leaving
# the last look in $work/screen.png.
wait_for_dealt_board() {
    local count=$1 kind=${2:-back}
    for _ in $(seq 10); do
        grab_board "$work/screen.png"
        check_dealt_board "$work/screen.png" "$count" "$kind" && return 0
        sleep 0.2
    done
    return 1
}
wait_for_letter_board() { wait_for_dealt_board "$1" letter; }

# What the board shows beside a window that stands over it (the window with its frame left
# out): "kaki" when every pixel is kaki, or how many are not and their mean colour.
board_beside_window() {
    local image=$1 window=$2 info left top width height extents
    info=$(xwininfo -id "$window")
    left=$(awk '/Absolute upper-left X:/ { print $4 }' <<<"$info")
    top=$(awk '/Absolute upper-left Y:/ { print $4 }' <<<"$info")
    width=$(awk '/^ *Width:/ { print $2 }' <<<"$info")
    height=$(awk '/^ *Height:/ { print $2 }' <<<"$info")
    # _NET_FRAME_EXTENTS: left, right, top, bottom.
    read -r -a extents <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
    local x0=$((left - ${extents[0]:-0} - BOARD_X)) y0=$((top - ${extents[2]:-0} - BOARD_Y))
    local x1=$((left + width + ${extents[1]:-0} - 1 - BOARD_X))
    local y1=$((top + height + ${extents[3]:-0} - 1 - BOARD_Y))
    local other
    other=$(not_kaki_pixels "$image" -draw "rectangle $x0,$y0 $x1,$y1")
    if [ "$other" -eq 0 ]; then
        echo kaki
    else
        echo "$other pixels not kaki; the board's corner is $(mean_colour "$image" 4x4+0+0)"
    fi
}

# Waits up to 3 s for a window to be the active one; fails the test when it does not become so.
expect_active() {
    local window=$1 when=$2 active=''
    for _ in $(seq 30); do
        active=$(xdotool getactivewindow 2>/dev/null || true)
        [ "$active" = "$window" ] && return 0
        sleep 0.1
    done
    SAW="the active window: ${active:-none}${active:+ ($(xdotool getwindowname "$active" 2>/dev/null || echo gone))}"
    fail "the main window did not have the focus $when"
}
