#!/usr/bin/env bash
# The family cards in the real window, on a private 1920 x 1080 X display under a window manager:
# three photos made here (a landscape JPEG, a portrait PNG with transparent parts, a JPEG) added
# from the command line; a game of three pairs won on the full-screen board with a perfect memory,
# every turned card showing its photo's card picture in a coloured frame, and the next game dealt
# at three pairs again, since a fourth needs a fourth photo; then the editor from the setup screen
# by keyboard and mouse: a photo added through the file dialog, a card renamed, one removed; and
# last, with a fourth photo, the game after a won game of three pairs has four.
# TWINDLE_KEEP_WORK=1 keeps the screenshots and the measured distances.
# Usage: tests/e2e/family_window_test.sh path/to/twindle
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
binary=$(realpath "${1:?usage: family_window_test.sh path/to/twindle}")

export MAGICK_THREAD_LIMIT=1  # the checks keep to one core; the program and the X server share the other
if [ -z "${TWINDLE_XVFB:-}" ]; then
    exec timeout -k 5 150 env TWINDLE_XVFB=1 \
        xvfb-run -a -s "-noreset -screen 0 1920x1080x24" "$0" "$binary"
fi

source "$top/tools/lib/xdriver.sh"
source "$top/tools/lib/full_screen_board.sh"
load_layout "$binary"
source "$top/tests/e2e/scratch.sh"
make_scratch
FULL_SHOT=$work/screen.miff
deck=$XDG_DATA_HOME/twindle/family

pass() { echo "ok ($SECONDS s): $*"; }

# A card picture and what it is compared with may differ by this much (root mean square, of full
# scale) and still be the same. The stored picture against the photo's centred crop: JPEG's loss
# and another scaling filter, measured 0.005 to 0.011; cropped 5 pixels off the centre it lies at
# 0.056. A card on the screen against the stored picture scaled to its inside: half a pixel's
# misregistration of sharp edges, measured 0.02 to 0.04. Any other photo must lie three times as
# far; they lie at 0.45 and beyond.
SAME_CROP=0.03 SAME_CARD=0.08 OTHER_CARD=0.24
source "$top/tests/e2e/family_card_checks.sh"

# --- Three photos from the command line -----------------------------------------------------------
mkdir -p "$work/photos" "$work/home/Pictures"
convert -size 1600x1200 gradient:'#d02020-#f0c040' -fill '#1030c0' -draw 'circle 560,600 560,300' \
    -fill white -draw 'rectangle 1000,200 1180,1000' "$work/photos/sun.jpg"
convert -size 900x1600 xc:none -fill '#20a040' -draw 'rectangle 100,100 800,500' \
    -fill '#602080' -draw 'polygon 450,600 800,1400 100,1400' "$work/photos/tree.png"
convert -size 1400x1050 xc:'#f8f8f0' -fill '#e07000' -draw 'rectangle 0,0 1400,200' \
    -fill '#008080' -draw 'circle 700,600 700,350' -fill black -draw 'rectangle 420,820 980,900' \
    "$work/photos/boat.jpg"
convert -size 1200x1600 xc:'#ffe680' -fill '#c00060' -draw 'ellipse 600,800 400,250 0,360' \
    "$work/home/Pictures/grandma.jpg"
for card in Sun:sun.jpg Tree:tree.png Boat:boat.jpg; do
    "$binary" --add-family-card "$work/photos/${card#*:}" --name "${card%%:*}" >>"$work/twindle.log" 2>&1 \
        || fail "--add-family-card ${card#*:} was refused"
done
SAW=$("$binary" --list-family-cards 2>&1 | tr '\t\n' ' |')
[ "$SAW" = "Sun silent|Tree silent|Boat silent|" ] || fail "--list-family-cards does not list the three cards"
pass "three photos added from the command line: $SAW"

for card in Sun:sun.jpg Tree:tree.png Boat:boat.jpg; do
    check_stored_picture "${card%%:*}" "$work/photos/${card#*:}"
done

# --- A game of three pairs, full screen --------------------------------------------------------
# Starts toddler mode with the family game of three pairs, plays it to its end as a perfect memory
# (so without a slip, which earns a pair more), checking every turned card, and waits for the next
# deal: NEXT cards.
win_three_pairs() {
    local next=$1
    QT_QPA_PLATFORM=xcb QT_LOGGING_RULES="twindle.toddler.info=true;twindle.toddler.debug=true" \
        "$binary" --toddler --kind family --pairs 3 >>"$work/twindle.log" 2>&1 &
    game=$!
    WINDOW=$(wait_for_window_named Twindle) || fail "no window named Twindle appeared"
    for _ in $(seq 50); do
        measure_full_screen_board && [ "${FULL_W}x${FULL_H}+${FULL_X}+${FULL_Y}" = 1920x1080+0+0 ] && break
        sleep 0.1
    done
    SAW="${FULL_W}x${FULL_H}+${FULL_X}+${FULL_Y}"
    [ "${FULL_W}x${FULL_H}+${FULL_X}+${FULL_Y}" = 1920x1080+0+0 ] || fail "the game does not fill the screen"
    wait_for_full_deal 6 || fail "six cards were not dealt face down at the places of six"
    pass "six cards dealt face down on the full screen, each where the layout scaled puts it: $SAW"

    play_full_screen_game 6 photo_on_card || fail "the game of three pairs was not won as a perfect memory wins it"
    pass "three pairs found in $TRIES tries; every turned card showed its own photo's card picture"
    wait_for_full_deal "$next" || fail "after the win no game of $next cards was dealt"
    SAW=$(grep "a game won" "$work/twindle.log" | tail -1)
    [[ $SAW == *"with 0 slips: $((next / 2)) pairs next" ]] || fail "the log does not say $((next / 2)) pairs come next"
    kill "$game"
    wait "$game" 2>/dev/null || true
    game=''
}
start_window_manager "$work/openbox.log" || fail "openbox did not start"
win_three_pairs 6
pass "the next game was dealt, three pairs again: a fourth needs a fourth photo ($SAW)"

# --- The editor, from the setup screen, by keyboard and mouse -----------------------------------
# Waits up to 10 s for --list-family-cards to list these cards, one "name<Tab>silent" a line.
wait_for_deck() {
    for _ in $(seq 50); do
        SAW=$("$binary" --list-family-cards 2>&1 | tr '\t\n' ' |')
        [ "$SAW" = "$1" ] && return 0
        sleep 0.2
    done
    return 1
}
wait_for_window_gone() {
    for _ in $(seq 100); do
        [ "$(xwininfo -id "$1" 2>/dev/null | awk '/Map State:/ { print $3 }')" = IsViewable ] || return 0
        sleep 0.05
    done
    return 1
}
# The bounding box of a colour's pixels on the screen, "WxH+X+Y"; empty where there are none.
where_colour() {
    convert "$FULL_SHOT" -fuzz 3% -fill black +opaque "$1" -fill white -opaque "$1" \
        -format '%@' info: 2>/dev/null | grep -v '^0x0' || true
}

# The file dialog starts in the Pictures folder of a home of the test's own.
HOME=$work/home QT_QPA_PLATFORM=xcb "$binary" --toddler >>"$work/twindle.log" 2>&1 &
game=$!
setup=$(wait_for_window_named "Toddler mode") || fail "--toddler showed no setup screen"
activate_window "$setup" || fail "the setup screen did not take the focus"
# The kinds come first, as the screen reads; then the family cards' button.
xdotool key Tab space
editor=$(wait_for_window_named "Family photos") || fail "Tab and Space on the setup screen opened no editor"
activate_window "$editor" || fail "the editor did not take the focus"
xdotool key alt+a
chooser=$(wait_for_window_named "Add photos") || fail "Alt+A opened no file dialog"
activate_window "$chooser" || fail "the file dialog did not take the focus"
xdotool type --delay 20 "$work/home/Pictures/grandma.jpg"
xdotool key Return
wait_for_window_gone "$chooser" || fail "the file dialog stayed after its file name and Enter"
wait_for_deck "Sun silent|Tree silent|Boat silent|grandma silent|" || fail "the photo typed in the file dialog was not added"
check_stored_picture grandma "$work/home/Pictures/grandma.jpg"
grab_screen "$FULL_SHOT"; convert "$FULL_SHOT" "$work/editor-added.png"
[ -n "$(where_colour '#c00060')" ] || fail "the editor does not show the photo just added"
pass "Alt+A, the photo's path typed and Enter added it as \"grandma\", shown in the editor"

xdotool key alt+n ctrl+a
xdotool type --delay 20 "Granny Jo"
xdotool key Return
wait_for_deck "Sun silent|Tree silent|Boat silent|Granny Jo silent|" || fail "the name typed and Enter did not rename the card"
xdotool search --onlyvisible --name '^Choose the photo' >/dev/null 2>&1 \
    && fail "Enter after the typed name also opened the file dialog of \"Choose the photo again\""
pass "Alt+N, a name typed and Enter renamed the card: $SAW"

# The mouse chooses the card to remove: the one that shows Tree's purple triangle.
grab_screen "$FULL_SHOT"
tree=$(where_colour '#602080')
[ -n "$tree" ] || fail "the editor shows no card of Tree"
read -r width height left top <<<"${tree//[x+]/ }"
xdotool mousemove $((left + width / 2)) $((top + height / 2)) click 1
sleep 0.3
xdotool key alt+m
question=$(wait_for_window_named "Remove card") || fail "Alt+M asked nothing"
activate_window "$question" || fail "the question did not take the focus"
xdotool key Return
wait_for_deck "Sun silent|Boat silent|Granny Jo silent|" || fail "the card clicked and Alt+M, Enter did not remove Tree"
wait_for_window_gone "$question" || fail "the question stayed open"
grab_screen "$FULL_SHOT"; convert "$FULL_SHOT" "$work/editor-removed.png"
[ -z "$(where_colour '#602080')" ] || fail "the editor still shows Tree after its removal"
pass "a click on Tree's card, Alt+M and Enter removed it: $SAW"

xdotool key alt+c
wait_for_window_gone "$editor" || fail "Alt+C did not close the editor"
kill "$game"
wait "$game" 2>/dev/null || true
game=''
wait_for_deck "Sun silent|Boat silent|Granny Jo silent|" || fail "the deck is not what the editor made of it"
pass "Alt+C closed the editor; the deck holds what was done: $SAW"
check_stored_picture "Granny Jo" "$work/home/Pictures/grandma.jpg"

# --- With a fourth photo the game grows ------------------------------------------------------------
"$binary" --add-family-card "$work/photos/tree.png" --name Tree >>"$work/twindle.log" 2>&1 \
    || fail "--add-family-card tree.png was refused"
win_three_pairs 8
pass "with four photos a game of three pairs won without a slip is followed by four pairs ($SAW)"
# A sanitizer build says what it found in the log, and the program goes on or ends by the kill.
grep -E "ERROR: [A-Za-z]+Sanitizer|runtime error:" "$work/twindle.log" && fail "the sanitizers reported the above"
[ -n "${TWINDLE_KEEP_WORK:-}" ] && echo "kept: $work" || rm -rf "$work"
echo "family_window_test: passed"
