# What the family window test reads off the deck and the screen. Source it after
# tools/lib/full_screen_board.sh; it needs `work`, `deck` (the deck's folder), `photos` (each
# card's name and photo) and the tolerances SAME_CROP, SAME_CARD and OTHER_CARD.

rmse() { { compare -metric RMSE "$1" "$2" null: 2>&1 || true; } | sed -n 's/.*(\(.*\))/\1/p'; }
below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }
picture_of() { awk -F'\t' -v name="$1" '$1 == name { print $2 }' "$deck/index.txt"; }
card_names() { tail -n +2 "$deck/index.txt" | cut -f1; }

# A photo's largest centred crop of the card's proportions (the cards' own size in the layout), on
# white, at the size of the card picture the deck stores for it.
expected_crop() {
    local photo=$1 stored=$2 out=$3 width height card geometry
    read -r width height < <(identify -format '%w %h\n' "$photo")
    card=$(sed -n 's/^cards 8: .*; card \([0-9]*\) x \([0-9]*\)$/\1 \2/p' <<<"$TWINDLE_LAYOUT")
    geometry=$(awk -v w="$width" -v h="$height" -v card="$card" 'BEGIN {
        split(card, c, " "); ch = h; if (w * c[2] / c[1] < ch) ch = w * c[2] / c[1]; cw = ch * c[1] / c[2]
        printf "%dx%d+%d+%d\n", cw + 0.5, ch + 0.5, w / 2 - cw / 2 + 0.5, h / 2 - ch / 2 + 0.5 }')
    convert "$photo" -background white -flatten -crop "$geometry" +repage \
        -resize "$(identify -format '%wx%h' "$stored")!" "$out"
}

# A card's stored picture is its photo's centred crop, and is far from every other card's.
check_stored_picture() {
    local name=$1 photo=$2 stored other distance
    stored=$deck/$(picture_of "$name")
    [ -f "$stored" ] || fail "the deck's index names no picture file for $name"
    local expected="$work/expected-${name// /_}.png"
    expected_crop "$photo" "$stored" "$expected"
    distance=$(rmse "$expected" "$stored")
    SAW="$name's card picture lies at $distance from its photo's centred crop"
    below "$distance" "$SAME_CROP" || fail "the card picture of $name is not its photo's centred crop"
    while IFS= read -r other; do
        [ "$other" = "$name" ] && continue
        distance=$(rmse "$expected" "$deck/$(picture_of "$other")")
        below "$distance" "$OTHER_CARD" && fail "$other's card picture lies as near to $name's photo ($distance)"
    done < <(card_names)
    pass "$SAW"
}

# How many pixels from each end of a line of an image have the colour of that end's pixel, and
# those colours: "left right left-colour right-colour".
edge_runs() {
    convert "$1" -crop "$2" +repage -depth 8 txt:- | awk 'NR > 1 { c[NR - 1] = $3 } END {
        n = NR - 1; l = 0; while (l < n && c[l + 1] == c[1]) l++
        r = 0; while (r < n && c[n - r] == c[n]) r++; print l, r, c[1], c[n] }'
}

# The frame of the card found at CARD_X, CARD_Y, CARD_W, CARD_H: one colour all round, neither the
# board's nor white, and as thick on every side to a pixel. Sets IN_X, IN_Y, IN_W, IN_H to what
# it frames.
measure_frame() {
    local image=$1 left right top bottom colours
    local -a a b
    a=($(edge_runs "$image" "${CARD_W}x1+${CARD_X}+$((CARD_Y + CARD_H / 2))"))
    b=($(edge_runs "$image" "1x${CARD_H}+$((CARD_X + CARD_W / 2))+${CARD_Y}"))
    left=${a[0]} right=${a[1]} top=${b[0]} bottom=${b[1]}
    colours=$(printf '%s\n' "${a[2]}" "${a[3]}" "${b[2]}" "${b[3]}" | sort -u)
    local thinnest=$(printf '%s\n' "$left" "$right" "$top" "$bottom" | sort -n | head -1)
    local thickest=$(printf '%s\n' "$left" "$right" "$top" "$bottom" | sort -n | tail -1)
    if [ "$(wc -l <<<"$colours")" -ne 1 ] || [ "$colours" = "#FFFFFF" ] || [ "$thinnest" -lt 2 ] \
        || [ $((thickest - thinnest)) -gt 1 ]; then
        echo "no frame of one colour: left $left ${a[2]}, right $right ${a[3]}, top $top ${b[2]}, bottom $bottom ${b[3]}" >&2
        return 1
    fi
    IN_X=$((CARD_X + left)) IN_Y=$((CARD_Y + top)) IN_W=$((CARD_W - left - right)) IN_H=$((CARD_H - top - bottom))
}

# The pixels where the inside's edge blends into the frame are left out of every comparison.
EDGE=3

# A card's stored picture at a card's inside size, without the edge.
scaled_picture() {
    local name=$1 width=$2 height=$3 out="$work/scaled-${1// /_}-$2x$3.miff"
    [ -f "$out" ] || convert "$deck/$(picture_of "$name")" -resize "${width}x${height}!" \
        -crop "$((width - 2 * EDGE))x$((height - 2 * EDGE))+$EDGE+$EDGE" +repage "$out"
    echo "$out"
}

# Which card a turned card shows, by name, for play_full_screen_game: it stands where the layout
# puts it, framed, and its inside is that card's stored picture and clearly no other's; and the
# program's log says the deal put that card there.
photo_on_card() {
    local image=$1 count=$2 slot=$3 name found='' distance distances='' dealt
    find_full_card "$image" "$count" "$slot" \
        || { echo "slot $slot: no card at its place (${CARD_W}x${CARD_H}+${CARD_X}+${CARD_Y})" >&2; return 1; }
    measure_frame "$image" || return 1
    convert "$image" -crop "$((IN_W - 2 * EDGE))x$((IN_H - 2 * EDGE))+$((IN_X + EDGE))+$((IN_Y + EDGE))" \
        +repage "$work/shown.miff"
    while IFS= read -r name; do
        distance=$(rmse "$work/shown.miff" "$(scaled_picture "$name" "$IN_W" "$IN_H")")
        distances+=" $name $distance"
        if below "$distance" "$SAME_CARD" && [ -z "$found" ]; then
            found=$name
        elif below "$distance" "$OTHER_CARD"; then
            found=ambiguous
        fi
    done < <(card_names)
    echo "slot $slot:$distances" >>"$work/distances.txt"
    [ -z "${TWINDLE_KEEP_WORK:-}" ] || convert "$image" "$work/turned-$(date +%s%N).png"
    [ -n "$found" ] && [ "$found" != ambiguous ] \
        || { echo "slot $slot shows no one card's picture clearly:$distances" >&2; return 1; }
    dealt=$(sed -n "s/^twindle.toddler: card $slot turned up: the family card //p" "$work/twindle.log" | tail -1)
    [ "$dealt" = "$found" ] || { echo "slot $slot shows $found, but the deal put ${dealt:-nothing} there" >&2; return 1; }
    echo "$found"
}
