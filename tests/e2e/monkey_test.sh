#!/usr/bin/env bash
# Toddler mode against a toddler, in the real window on a 1920 x 1080 screen under a window
# manager with the keys and clicks of an everyday desktop (tools/lib/openbox.xml): two pairs
# growing with the child and a play time that ends during the run, then EVENTS random events at
# human and at mashing speed. Any key, Alt+F4,
# Alt+Tab, Super, Super+D, Super+H, Ctrl+Alt+arrows and Super+digits among them, Escape, digits
# and Enter; clicks, double clicks, right and middle clicks and the wheel anywhere on the
# screen; and the window manager asked to close, minimise or shrink the window. Every so often,
# and at the end, the program must run, full screen, the active window, in toddler mode, with a
# game on the board or being dealt. The keys of play (the arrows, Home, End, Space, Enter) reach
# the board and turn cards. Then a grown-up passes the gate and is back in the window.
#
# Usage: tests/e2e/monkey_test.sh path/to/twindle [EVENTS [PLAYERS...]]     (3000 when not given;
# PLAYERS are the program's options of who plays, such as --player kitty --friend penguin)
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
binary=$(realpath "${1:?usage: monkey_test.sh path/to/twindle [events [players...]]}")
events=${2:-3000}
players=("${@:3}")

# The checks' ImageMagick keeps to one core, leaving the other to the program and the X server.
export MAGICK_THREAD_LIMIT=1
if [ -z "${TWINDLE_XVFB:-}" ]; then
    # An hour of the largest runs at most; a stuck X server or program never hangs the caller.
    exec timeout -k 5 3600 env TWINDLE_XVFB=1 \
        xvfb-run -a -s "-noreset -screen 0 1920x1080x24" "$0" "$binary" "$events" "${players[@]}"
fi

source "$top/tools/lib/xdriver.sh"
load_layout "$binary"
source "$top/tests/e2e/board_checks.sh"

source "$top/tests/e2e/scratch.sh"
make_scratch
pass() { echo "ok: $*"; }

# Waits up to 5 s for the game's window to be full screen, on the screen and the active window.
expect_locked() {
    local state
    for _ in $(seq 50); do
        kill -0 "$game" 2>/dev/null || fail "the program ended $1"
        state=$(xprop -id "$WINDOW" _NET_WM_STATE 2>/dev/null || true)
        measure_board 2>/dev/null || true
        if grep -q _NET_WM_STATE_FULLSCREEN <<<"$state" && [ "${WINDOW_MAP_STATE:-}" = IsViewable ] \
            && [ "${WINDOW_WIDTH:-}x${WINDOW_HEIGHT:-}" = 1920x1080 ] \
            && [ "$(xdotool getactivewindow 2>/dev/null)" = "$WINDOW" ]; then
            return 0
        fi
        sleep 0.1
    done
    SAW="$state; ${WINDOW_WIDTH:-?}x${WINDOW_HEIGHT:-?} ${WINDOW_MAP_STATE:-?}; active $(xdotool getactivewindow 2>/dev/null || echo none)"
    fail "the game was not full screen and active $1"
}

# Whether the screen shows a game (cards cover more than 3 % of it, the board's colour in its
# corner; the caption of a celebration alone covers less, and a celebration ends in a new deal) or
# the calm end of play time ("All done!" on powderblue). With players the board is what the
# players' band leaves of the screen, as the program logs it.
shows_a_game() {
    rm -f "$work/screen.png"
    import -window root "$work/screen.png" || { SAW="import could not take the screen"; return 1; }
    local corner others board
    board=$(sed -n 's/.*the players. band leaves the board \([0-9]*\) x \([0-9]*\) at \([0-9]*\),\([0-9]*\)$/\1x\2+\3+\4/p' \
        "$work/twindle.log" | tail -1)
    [ -n "$board" ] && ! grep -q "all done" "$work/twindle.log" && convert "$work/screen.png" -crop "$board" +repage "$work/screen.png"
    corner=$(convert "$work/screen.png" -format '%[pixel:p{2,2}]' info:)
    others=$(convert "$work/screen.png" -fill black +opaque "$corner" -fill white -opaque "$corner" \
        -format '%[fx:int((1-mean)*w*h)]' info:)
    SAW="corner $corner, $others pixels of another colour"
    [ "$corner" = "srgb(214,214,253)" ] && grep -q "all done" "$work/twindle.log" && return 0
    [ "$corner" = "srgb(188,188,144)" ] && [ "$others" -gt $((1920 * 1080 * 3 / 100)) ]
}

# Waits for a game on the screen, or the end of play time, looking twice a second for up to 30 s:
# a celebration that was under way ends in a new deal, however slow a sanitizer build makes the
# program.
wait_for_a_game() {
    local deadline=$((SECONDS + 30)) i=0
    until shows_a_game; do
        i=$((i + 1))
        [ $((i % 10)) -eq 0 ] && { cp "$work/screen.png" "$work/waiting-$i.png" 2>/dev/null || true; }
        [ "$SECONDS" -lt "$deadline" ] || fail "no game on the board or being dealt 30 s $1"
        sleep 0.5
    done
}

keys=(a b c x y z q w 0 1 2 3 4 5 6 7 8 9 space Return Escape Tab BackSpace Delete Up Down Left Right
    F1 F2 F5 F10 F11 F12 Home End ctrl+c ctrl+v ctrl+w ctrl+q alt+s alt+o alt+a alt+F4 alt+Tab
    alt+shift+Tab alt+space super super+d super+h super+1 super+2 ctrl+alt+Left ctrl+alt+Right
    ctrl+alt+Up shift+F10 Menu)
# The keys that a desktop would take the child away with.
leaving='^(alt\+F4|alt\+Tab|alt\+shift\+Tab|alt\+space|super|super\+.|ctrl\+alt\+.*|ctrl\+[qw])$'
leaving_keys=0 requests=0 sent=0

# Writes the commands of `count` random events for xdotool; with a pause, at a human's speed.
write_events() {
    local count=$1 pause=$2 file=$3 i key
    : >"$file"
    for ((i = 0; i < count; i++)); do
        case $((RANDOM % 10)) in
            0 | 1 | 2 | 3)
                key=${keys[RANDOM % ${#keys[@]}]}
                if [[ $key =~ $leaving ]]; then leaving_keys=$((leaving_keys + 1)); fi
                echo "key --delay 0 $key" ;;
            4 | 5 | 6) echo "mousemove $((RANDOM % 1920)) $((RANDOM % 1080)) click --delay 0 1" ;;
            7) echo "mousemove $((RANDOM % 1920)) $((RANDOM % 1080)) click --repeat 2 --delay 60 1" ;;
            8) echo "mousemove $((RANDOM % 1920)) $((RANDOM % 1080)) click --delay 0 $((2 + RANDOM % 2))" ;;
            9) echo "click --delay 0 $((4 + RANDOM % 2))" ;;
        esac >>"$file"
        if [ "$pause" != 0 ]; then echo "sleep $pause" >>"$file"; fi
    done
}

# The window manager asked to close, minimise, or un-full-screen the window, as its own menus
# and buttons would.
window_manager_asks() {
    requests=$((requests + 1))
    case $((RANDOM % 3)) in
        0) wmctrl -i -c "$WINDOW" ;;
        1) xdotool windowminimize "$WINDOW" ;;
        2) wmctrl -i -r "$WINDOW" -b remove,fullscreen ;;
    esac 2>/dev/null || true   # a window that is gone is told by expect_locked
}

start_window_manager "$work/openbox.log" || fail "openbox did not start"
started=$(date +%s)
# Two pairs that grow with the child, and five minutes of play, which pass at once a quarter into
# the run: the program's clocks run through libfaketime, whose offset the test moves forward by
# five minutes then, so that the game ends in "All done!" while the child is still at it.
# (Under the sanitizers the preloaded library comes before their run-time, which is harmless here.)
faketime_library=$(dpkg -L libfaketime | grep '/libfaketimeMT\.so\.1$')
echo "+0" >"$work/clock-offset"
QT_LOGGING_RULES="twindle.toddler.info=true;twindle.toddler.debug=true" QT_QPA_PLATFORM=xcb \
    LD_PRELOAD="$faketime_library" FAKETIME_TIMESTAMP_FILE="$work/clock-offset" FAKETIME_CACHE_DURATION=1 \
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" \
    "$binary" --toddler --kind pictures --pairs 2 --minutes 5 "${players[@]}" >"$work/twindle.log" 2>&1 &
game=$!
WINDOW=$(wait_for_window_named Twindle) || fail "no window named Twindle appeared"
expect_locked "from the start"
wait_for_a_game "from the start"
pass "two pairs dealt at once; the board fills the screen: $SAW"
# The keys of play reach the board: Home shows the focus on the first card, Space turns it. (Among
# the random keys they may turn none: most come while the gate asks or after play time ends.)
xdotool key Home space
for _ in $(seq 50); do
    grep -q "turned by a key" "$work/twindle.log" && break
    sleep 0.1
done
grep -q "turned by a key" "$work/twindle.log" || fail "Home and Space turned no card: the keys did not reach the board"

# --- The toddler ------------------------------------------------------------------------------
chunk=0
while [ "$sent" -lt "$events" ]; do
    chunk=$((chunk + 1))
    if [ $((chunk % 8)) -eq 0 ]; then
        write_events 30 0.15 "$work/events.xdo"   # a child taking time
        sent=$((sent + 30))
    else
        write_events 250 0 "$work/events.xdo"     # mashing
        sent=$((sent + 250))
    fi
    xdotool "$work/events.xdo"
    if [ "$sent" -ge $((events / 4)) ] && ! grep -q 301 "$work/clock-offset"; then
        echo "+301" >"$work/clock-offset"   # five minutes of play and a second
    fi
    window_manager_asks
    expect_locked "after $sent events"
done
wait_for_a_game "after $sent events (every 5 s of the wait: $work/waiting-*.png)"
seconds=$(($(date +%s) - started))
refused=$(grep -c "refused" "$work/twindle.log" || true)
grep -q "all done" "$work/twindle.log" || fail "play time did not end in \"All done!\" within $seconds s"
grew=$(grep -c "pairs next" "$work/twindle.log" || true)
by_keys=$(grep -c "turned by a key" "$work/twindle.log" || true)
pass "$sent events in $seconds s; $((leaving_keys + requests)) tried to leave and were refused: $leaving_keys keys a desktop leaves with (held from the window manager, ignored by the game) and $requests requests of the window manager to close, minimise or shrink the window (the program told of $refused refusals); $grew games won, $by_keys cards turned by keys, then play time ended in \"All done!\", full screen: $SAW"
cp "$work/screen.png" "${TWINDLE_MONKEY_SCREENSHOT:-$work/last.png}"

# --- A grown-up passes the gate ---------------------------------------------------------------
xdotool key Escape
sleep 0.3
answer=$(sed -n 's/.*asking a grown-up for \([0-9]*\) .*/\1/p' "$work/twindle.log" | tail -1)
[ -n "$answer" ] || fail "Escape did not ask a grown-up for the number"
xdotool type --delay 50 "$answer"
xdotool key Return
for _ in $(seq 50); do
    measure_board 2>/dev/null || true
    [ "${WINDOW_WIDTH:-}" = 527 ] && break
    sleep 0.1
done
SAW="$(xprop -id "$WINDOW" _NET_WM_STATE); ${WINDOW_WIDTH}x${WINDOW_HEIGHT}"
[ "$WINDOW_WIDTH" = 527 ] && [ "$WINDOW_HEIGHT" -gt 351 ] || fail "the gate did not lead back to the window"
expect_active "$WINDOW" "after the gate"
pass "typing $answer and Enter after Escape left toddler mode: the window with its menu, $SAW"

xdotool key alt+F4
wait_for_exit "$game" 5 || fail "outside toddler mode Alt+F4 did not close the program"
game=''
[ "$EXIT_STATUS" -eq 0 ] || fail "the program ended with status $EXIT_STATUS"
pass "outside toddler mode Alt+F4 closed the program"
rm -rf "$work"
echo "monkey_test: passed"
