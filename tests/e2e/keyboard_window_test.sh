#!/usr/bin/env bash
# Play without a pointer, in the real window under a window manager: the arrow keys and Space
# play a whole game in the window, the ring showing on the card the keys reach; in toddler mode
# one switch (Space) turns the card the focus has stepped to by itself; and a game of cards
# played by ear, whose faces all look alike, is won by a player who listens: who reads each
# card's word through the accessible names, on a private D-Bus session and accessibility bus.
# Usage: tests/e2e/keyboard_window_test.sh path/to/twindle
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
binary=$(realpath "${1:?usage: keyboard_window_test.sh path/to/twindle}")

export MAGICK_THREAD_LIMIT=1
if [ -z "${TWINDLE_XVFB:-}" ]; then
    exec timeout -k 5 420 env TWINDLE_XVFB=1 \
        xvfb-run -a -s "-noreset -screen 0 1024x768x24" dbus-run-session -- "$0" "$binary"
fi

source "$top/tools/lib/xdriver.sh"
load_layout "$binary"
source "$top/tools/lib/full_screen_board.sh"
source "$top/tests/e2e/scratch.sh"
make_scratch
source "$top/tests/e2e/accessibility_session.sh"
pass() { echo "ok: $*"; }
shot=$work/screen.miff

# The slot whose card has the focus ring on $shot: the ring's outer band is black just outside
# the card's left edge, half way down; empty when no card has it. One look at every card.
ringed_card() {
    local count=$1 slot probes=''
    for slot in $(seq 0 $((count - 1))); do
        card_corner "$count" "$slot"
        probes+="%[pixel:p{$((BOARD_X + CARD_X - 2)),$((BOARD_Y + CARD_Y + CARD_H / 2))}] "
    done
    read -r -a colours <<<"$(convert "$shot" -format "$probes" info:)"
    for slot in "${!colours[@]}"; do
        [ "${colours[$slot]}" = "srgb(0,0,0)" ] && { echo "$slot"; return; }
    done
    return 0
}

# What a card shows, from the middle of its place where the ring never reaches.
middle_print() {
    card_corner "$1" "$2"
    convert "$shot" -crop "$((CARD_W - 24))x$((CARD_H - 24))+$((BOARD_X + CARD_X + 12))+$((BOARD_Y + CARD_Y + 12))" \
        +repage rgb:- | md5sum | cut -c1-16
}

# Brings the ring to a slot with Home and Right, looking where it is after each key.
ring_to() {
    local count=$1 slot=$2 tries
    xdotool key Home
    for tries in $(seq 20); do
        sleep 0.05
        import -window root "$shot"
        [ "$(ringed_card "$count")" = "$slot" ] && return 0
        xdotool key Right
    done
    fail "the ring did not reach card $slot by Home and Right (it is on $(ringed_card "$count"))"
}

# Turns a slot with Space once the ring is on it; waits for its face, and keeps it in TURNED
# (not printed: a failure in a command substitution would lose its message).
turn_by_key() {
    local count=$1 slot=$2 back=$3
    ring_to "$count" "$slot"
    xdotool key space
    for _ in $(seq 50); do
        import -window root "$shot"
        TURNED=$(middle_print "$count" "$slot")
        [ "$TURNED" != "$back" ] && return
        sleep 0.1
    done
    fail "Space did not turn card $slot"
}

# Waits for a try to end: two cards that differ turn back, a pair leaves the board.
try_ended() {
    local count=$1 first=$2 second=$3 back=$4 one=$5 two=$6 a b
    for _ in $(seq 100); do
        import -window root "$shot"
        a=$(middle_print "$count" "$first") b=$(middle_print "$count" "$second")
        if [ "$one" = "$two" ]; then
            [ "$a" != "$one" ] && [ "$b" != "$two" ] && [ "$a" != "$back" ] && return
        else
            [ "$a" = "$back" ] && [ "$b" = "$back" ] && return
        fi
        sleep 0.1
    done
    fail "the try of cards $first and $second did not end"
}

why=$(accessibility_ready) || fail "the accessibility bus is not ready: $why"
start_window_manager "$work/openbox.log" || fail "openbox did not start"

# --- In the window: a whole game of eight with the arrows and Space -----------------------------
QT_QPA_PLATFORM=xcb "$binary" >"$work/twindle.log" 2>&1 &
game=$!
wait_for_main_window "$game" || fail "no window"
activate_window "$WINDOW" || fail "the window did not take the focus"
xdotool key alt+s
dialog=$(wait_for_window_named "Start New Game") || fail "Alt+S opened no new game dialog"
activate_window "$dialog" || fail "the dialog did not take the focus"
xdotool key Return
sleep 0.5
import -window root "$shot"
back=$(middle_print 8 0)
[ -z "$(ringed_card 8)" ] || fail "a ring showed before any key"
declare -A seen=() left=()
for slot in $(seq 0 7); do left[$slot]=1; done
tries=0
while [ ${#left[@]} -gt 0 ]; do
    first='' second=''
    for a in "${!left[@]}"; do for b in "${!left[@]}"; do
        [ "$a" -lt "$b" ] && [ -n "${seen[$a]:-}" ] && [ "${seen[$a]}" = "${seen[$b]:-}" ] && { first=$a second=$b; }
    done; done
    if [ -z "$first" ]; then
        for a in $(printf '%s\n' "${!left[@]}" | sort -n); do [ -z "${seen[$a]:-}" ] && { first=$a; break; }; done
    fi
    turn_by_key 8 "$first" "$back"
    seen[$first]=$TURNED
    if [ -z "$second" ]; then
        for b in "${!left[@]}"; do [ "$b" != "$first" ] && [ "${seen[$b]:-}" = "${seen[$first]}" ] && second=$b; done
        [ -n "$second" ] || for b in $(printf '%s\n' "${!left[@]}" | sort -n); do
            [ "$b" != "$first" ] && [ -z "${seen[$b]:-}" ] && { second=$b; break; }; done
    fi
    turn_by_key 8 "$second" "$back"
    seen[$second]=$TURNED
    tries=$((tries + 1))
    [ "${seen[$first]}" = "${seen[$second]}" ] && unset "left[$first]" "left[$second]"
    try_ended 8 "$first" "$second" "$back" "${seen[$first]}" "${seen[$second]}"
done
dialog=$(wait_for_window_named "Start New Game") || fail "the game played by keys did not end in the new game dialog"
pass "the arrows and Space played a game of eight in $tries tries, the ring on each card they turned; then the new game dialog"
kill "$game"; wait "$game" 2>/dev/null || true

# --- Toddler mode with one switch: the focus steps by itself, the switch turns its card ---------
QT_QPA_PLATFORM=xcb "$binary" --toddler --kind pictures --pairs 3 --switches 1 --scan-seconds 3 --quiet \
    >"$work/twindle.log" 2>&1 &
game=$!
WINDOW=$(wait_for_window_named Twindle) || fail "no window"
sleep 1
measure_full_screen_board || fail "the board did not fill the screen"
rings=''
for _ in $(seq 80); do
    import -window root "$shot"
    ring=$(ringed_card 6)
    [ -n "$ring" ] && [ "${rings##* }" != "$ring" ] && rings="$rings $ring"
    [ "$(wc -w <<<"$rings")" -ge 3 ] && break
    sleep 0.2
done
[ "$(wc -w <<<"$rings")" -ge 3 ] || fail "the ring did not step from card to card by itself (saw it on:$rings)"
read -r -a seen_rings <<<"$rings"
for i in 1 2; do
    [ "${seen_rings[$i]}" -eq $(((seen_rings[i - 1] + 1) % 6)) ] \
        || fail "the ring did not step in reading order (saw it on:$rings)"
done
back=$(middle_print 6 0)
xdotool key space
# A card turned keeps the focus a whole interval: the ring is on the card the switch turned.
sleep 0.3
import -window root "$shot"
target=$(ringed_card 6)
up=0
for slot in $(seq 0 5); do [ "$(middle_print 6 "$slot")" != "$back" ] && up=$((up + 1)); done
[ -n "$target" ] && [ "$(middle_print 6 "$target")" != "$back" ] && [ "$up" -eq 1 ] \
    || fail "the switch did not turn the one card the ring was on (ring on '$target', $up cards up)"
pass "one switch: the ring stepped by itself over cards$rings, and Space turned card $target, where it was"
kill "$game"; wait "$game" 2>/dev/null || true

# --- By ear: a game won by a player who reads the cards' words -----------------------------------
QT_LOGGING_RULES="twindle.toddler.info=true" QT_QPA_PLATFORM=xcb \
    "$binary" --toddler --kind by-ear --pairs 2 >"$work/twindle.log" 2>&1 &
game=$!
WINDOW=$(wait_for_window_named Twindle) || fail "no window"
atspi by-ear 4 "$top/src/assets/speech/words.tsv" || fail "the game by ear was not won by listening"
for _ in $(seq 100); do grep -q "pairs next" "$work/twindle.log" && break; sleep 0.1; done
SAW=$(grep "a game won" "$work/twindle.log" || true)
grep -q "a game won with 0 slips: 3 pairs next" <<<"$SAW" || fail "the game by ear was not won without a slip"
pass "the game by ear was won without a slip: $SAW"
rm -rf "$work"
echo "keyboard_window_test: passed"
