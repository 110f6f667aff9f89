# Drives the real Twindle window on an X display with xdotool and ImageMagick, for the
# real-window tests, the benchmarks and the screenshot tool. Source it; it needs DISPLAY set.
source "$(dirname "${BASH_SOURCE[0]}")/window_manager.sh"

# Where the cards stand, as the program itself says (twindle --print-layout): call once with the
# program before anything below that finds a card. Sets NATURAL_WIDTH and NATURAL_HEIGHT, the
# board's own size, and finds the cards on a board of that size until use_board_size says other.
load_layout() {
    TWINDLE_LAYOUT=$("$1" --print-layout) || { echo "xdriver: $1 --print-layout failed" >&2; return 1; }
    read -r NATURAL_WIDTH NATURAL_HEIGHT <<<"$(sed -n 's/^board \([0-9]*\) x \([0-9]*\)$/\1 \2/p' <<<"$TWINDLE_LAYOUT")"
    use_board_size "$NATURAL_WIDTH" "$NATURAL_HEIGHT"
}

# The size in pixels of the board that the cards are found on: the window's at its own size, or
# a whole screen in toddler mode (use_full_screen_board).
use_board_size() {
    BOARD_WIDTH=$1
    BOARD_HEIGHT=$2
}

# Sets CARD_X and CARD_Y to the board pixel of the top-left corner of a slot, and CARD_W and
# CARD_H to its card's size. As the program does (ui/board_geometry.h), the layout is scaled
# uniformly to the most that fits the board and centred in it: a length of T twips is
# T * scale / 15 pixels, rounded down, and a place is that beyond the centring margin.
card_corner() {
    local count=$1 slot=$2 grid
    grid=$(sed -n "s/^twips $count: lefts \([0-9 ]*\); tops \([0-9 ]*\); card \([0-9]*\) x \([0-9]*\)$/\1;\2;\3;\4/p" \
        <<<"${TWINDLE_LAYOUT:?call load_layout first}")
    read -r CARD_X CARD_Y CARD_W CARD_H <<<"$(awk -v grid="$grid" -v slot="$slot" -v width="$BOARD_WIDTH" \
        -v height="$BOARD_HEIGHT" -v naturalWidth="$NATURAL_WIDTH" -v naturalHeight="$NATURAL_HEIGHT" '
        function pixels(twips) { return int(twips * scale / 15 + 1e-9) }
        BEGIN {
            split(grid, g, ";")
            columns = split(g[1], lefts, " ")
            split(g[2], tops, " ")
            scale = width / naturalWidth
            if (height / naturalHeight < scale) scale = height / naturalHeight
            left = int((width - int(naturalWidth * scale)) / 2) + pixels(lefts[slot % columns + 1])
            top = int((height - int(naturalHeight * scale)) / 2) + pixels(tops[int(slot / columns) + 1])
            print left, top, pixels(g[3]), pixels(g[4])
        }')"
}

# Waits (polling every 10 ms, up to 20 s) for the main window and sets WINDOW, BOARD_X, BOARD_Y.
find_main_window() {
    local tries=0 id geometry
    while [ $tries -lt 2000 ]; do
        for id in $(xdotool search --name '^Twindle$' 2>/dev/null); do
            geometry=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null) || continue
            eval "$geometry"
            if [ "$WIDTH" -eq "$NATURAL_WIDTH" ] && [ "$HEIGHT" -gt "$NATURAL_HEIGHT" ]; then
                WINDOW=$id
                BOARD_X=$X
                BOARD_Y=$((Y + HEIGHT - NATURAL_HEIGHT))
                return 0
            fi
        done
        sleep 0.01
        tries=$((tries + 1))
    done
    echo "xdriver: the Twindle window did not appear" >&2
    return 1
}

focus_main_window() {
    xdotool windowactivate "$WINDOW" 2>/dev/null || xdotool windowfocus "$WINDOW"
    sleep 0.2
}

# Clicks the board at a board pixel.
click_board() {
    xdotool mousemove $((BOARD_X + $1)) $((BOARD_Y + $2)) click 1
}

click_card() {
    card_corner "$1" "$2"
    click_board $((CARD_X + CARD_W / 2)) $((CARD_Y + CARD_H / 2))
}

# Saves the board as the player sees it.
grab_board() {
    import -window root -crop "${BOARD_WIDTH}x${BOARD_HEIGHT}+${BOARD_X}+${BOARD_Y}" +repage "$1"
}

# The colour of a board pixel in an image, as "r,g,b".
pixel_of() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# A fingerprint of what a card's place shows.
card_print() {
    local image=$1 count=$2 slot=$3
    card_corner "$count" "$slot"
    convert "$image" -crop "${CARD_W}x${CARD_H}+${CARD_X}+${CARD_Y}" +repage rgb:- | md5sum | cut -c1-16
}

# Plays the dealt game of COUNT cards to its last pair as a player with a perfect memory: each
# card is turned once to learn its face, and a pair is turned as soon as both its cards are
# known. No try then misses on a card seen before, which toddler mode counts as a slip. A pair
# found, but the last, must leave the screen: nothing but the board's colour where it was.
play_to_the_end() {
    local count=$1 shot=/tmp/twindle-turn-$$.png slot first second
    local -A back=() face=() left=()
    grab_board "$shot"
    for slot in $(seq 0 $((count - 1))); do
        back[$slot]=$(card_print "$shot" "$count" "$slot")
        left[$slot]=1
    done
    while [ ${#left[@]} -gt 0 ]; do
        read -r first second <<<"$(_known_pair)"
        if [ -z "$first" ]; then
            first=$(_unseen_card)
            _turn "$first" || return 1
            second=$(_twin_of "$first")
            [ -n "$second" ] || second=$(_unseen_card "$first")
        else
            _turn "$first" || return 1
        fi
        _turn "$second" || return 1
        if [ "${face[$first]}" = "${face[$second]}" ]; then
            unset "left[$first]" "left[$second]"
            if [ ${#left[@]} -gt 0 ]; then
                _wait_for_bare "$first" && _wait_for_bare "$second" || return 1
            else
                _wait_for_card "$second" '!=' "${face[$second]}" || return 1   # the celebration comes
            fi
        else
            _wait_for_card "$second" = "${back[$second]}" || return 1      # it turns back
        fi
    done
    rm -f "$shot"
}

# play_to_the_end's steps, which see its variables.
_turn() {
    click_card "$count" "$1"
    _wait_for_card "$1" '!=' "${back[$1]}" || return 1
    face[$1]=$PRINT
}
# Looks at the board until a card's print is (=) or is not (!=) the one given, up to 5 s; sets PRINT.
_wait_for_card() {
    local tries=0
    while true; do
        grab_board "$shot"
        PRINT=$(card_print "$shot" "$count" "$1")
        [ "$PRINT" "$2" "$3" ] && return 0
        tries=$((tries + 1))
        [ $tries -lt 50 ] || { echo "xdriver: card $1 did not change as expected" >&2; return 1; }
        sleep 0.1
    done
}
# Looks at the board, up to 50 times, until a card's place shows only the board's colour (its corner's).
_wait_for_bare() {
    local tries=0 board others
    card_corner "$count" "$1"
    while true; do
        grab_board "$shot"
        board=$(convert "$shot" -format '%[pixel:p{2,2}]' info:)
        others=$(convert "$shot" -crop "${CARD_W}x${CARD_H}+${CARD_X}+${CARD_Y}" +repage \
            -fill black +opaque "$board" -fill white -opaque "$board" -format '%[fx:int((1-mean)*w*h+0.5)]' info:)
        [ "$others" -eq 0 ] && return 0
        tries=$((tries + 1))
        [ $tries -lt 50 ] || { echo "xdriver: card $1 of a pair found still shows $others pixels that are not the board's $board" >&2; return 1; }
        sleep 0.1
    done
}
_unseen_card() {
    local slot
    for slot in "${!left[@]}"; do
        [ -z "${face[$slot]:-}" ] && [ "$slot" != "${1:-}" ] && { echo "$slot"; return; }
    done
    return 0
}
_twin_of() {
    local slot
    for slot in "${!left[@]}"; do
        [ "$slot" != "$1" ] && [ "${face[$slot]:-}" = "${face[$1]}" ] && { echo "$slot"; return; }
    done
    return 0
}
_known_pair() {
    local slot twin
    for slot in "${!left[@]}"; do
        [ -n "${face[$slot]:-}" ] && twin=$(_twin_of "$slot") && [ -n "$twin" ] && { echo "$slot $twin"; return; }
    done
    return 0
}
