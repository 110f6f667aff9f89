#!/usr/bin/env bash
# Plays games in the real window, on a private X display with a window manager, by keyboard and
# mouse as a player would: the window keeps its size; the new game dialog takes its keys as
# option buttons and command buttons do (Tab enters the kinds at the selected one, the arrows
# choose a kind, Enter presses only a focused number); two clicked cards show their faces; after
# every dialog and after the question the board has the keyboard again; a pair found leaves only
# kaki on the screen; the celebration's colours reach the screen; at the end of a game the board
# is bare kaki behind the new game dialog; and Alt+F4 ends the program with status 0.
# Usage: tests/e2e/real_window_test.sh path/to/twindle
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
binary=$(realpath "${1:?usage: real_window_test.sh path/to/twindle}")

if [ -z "${TWINDLE_XVFB:-}" ]; then
    # The outer time limit makes sure a stuck X server or program never hangs the caller.
    exec timeout -k 5 150 env TWINDLE_XVFB=1 \
        xvfb-run -a -s "-noreset -screen 0 1024x768x24" "$0" "$binary"
fi

source "$top/tools/lib/xdriver.sh"
load_layout "$binary"
source "$top/tests/e2e/board_checks.sh"

source "$top/tests/e2e/scratch.sh"
make_scratch

# Says what went wrong and what the test saw, keeps the last screenshot, and stops.
fail() {
    echo "FAIL: $*"
    [ -n "${SAW:-}" ] && echo "saw: $SAW"
    if [ -f "$work/screen.png" ]; then
        echo "the screen at the last look: $work/screen.png"
    else
        import -window root "$work/screen.png" 2>/dev/null && echo "the screen now: $work/screen.png"
    fi
    echo "--- the program's output:"
    cat "$work/twindle.log" 2>/dev/null || true
    echo "--- the window manager's output:"
    cat "$work/openbox.log" 2>/dev/null || true
    exit 1
}
pass() { echo "ok: $*"; }

# Alt+S on the board, which must have the keyboard for it; waits for the new game dialog.
open_new_game_dialog() {
    xdotool key alt+s
    dialog=$(wait_for_window_named "Start New Game") || fail "Alt+S opened no new game dialog $1"
    activate_window "$dialog" || fail "the new game dialog did not take the focus"
}

# Waits for the question "Start new Game?" and answers it with a key.
answer_question() {
    question=$(wait_for_window_named 'Start new Game\?') || fail "a number pressed during a game did not ask"
    activate_window "$question" || fail "the question did not take the focus"
    xdotool key "$1"
}

# --- Without a window manager toddler mode fills the screen by itself ----------------------------
QT_QPA_PLATFORM=xcb "$binary" --toddler --kind pictures --pairs 4 >"$work/twindle.log" 2>&1 &
game=$!
for _ in $(seq 50); do
    WINDOW=$(xdotool search --name '^Twindle$' 2>/dev/null | head -1) && measure_board 2>/dev/null \
        && [ "${WINDOW_WIDTH}x${WINDOW_HEIGHT}+${WINDOW_LEFT}+${WINDOW_TOP}" = 1024x768+0+0 ] && break
    sleep 0.1
done
SAW="${WINDOW_WIDTH:-?}x${WINDOW_HEIGHT:-?}+${WINDOW_LEFT:-?}+${WINDOW_TOP:-?}"
[ "$SAW" = 1024x768+0+0 ] || fail "toddler mode without a window manager did not cover the screen"
pass "without a window manager toddler mode covers the screen: $SAW"
kill "$game"
wait "$game" 2>/dev/null || true
SAW=''

start_window_manager "$work/openbox.log" || fail "openbox did not start"
QT_QPA_PLATFORM=xcb "$binary" >"$work/twindle.log" 2>&1 &
game=$!
wait_for_main_window "$game" || fail "no 527-pixel-wide window titled Twindle appeared"
pass "the window appeared: ${WINDOW_WIDTH}x${WINDOW_HEIGHT} at ${WINDOW_LEFT},${WINDOW_TOP}"

# --- The window manager gets the icon, which the window is given after its first frame ---------
for _ in $(seq 50); do
    SAW=$(xprop -id "$WINDOW" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | paste -sd ' ') && break
    sleep 0.1
done
[ "$SAW" = "Icon (32 x 32) Icon (16 x 16)" ] || fail "the window was not given its 32 and 16-pixel icon"
pass "the window's icon: $SAW"

# --- The window keeps its size -----------------------------------------------------------------
SAW=$(xprop -id "$WINDOW" WM_NORMAL_HINTS | tr '\n\t' '  ')
min=$(sed -n 's/.*minimum size: \([0-9]*\) by \([0-9]*\).*/\1x\2/p' <<<"$SAW")
max=$(sed -n 's/.*maximum size: \([0-9]*\) by \([0-9]*\).*/\1x\2/p' <<<"$SAW")
size="${WINDOW_WIDTH}x${WINDOW_HEIGHT}"
[ -n "$min" ] && [ "$min" = "$max" ] && [ "$min" = "$size" ] \
    || fail "WM_NORMAL_HINTS should fix the size at $size (minimum '$min', maximum '$max')"
pass "WM_NORMAL_HINTS fix the size: minimum = maximum = $size"

SAW=$(xprop -id "$WINDOW" _NET_WM_ALLOWED_ACTIONS)
grep -q _NET_WM_ACTION_CLOSE <<<"$SAW" || fail "the window manager lists no actions for the window"
grep -qE '_NET_WM_ACTION_(RESIZE|MAXIMIZE_HORZ|MAXIMIZE_VERT)' <<<"$SAW" \
    && fail "the window manager offers to resize or maximise the window"
pass "the window manager offers neither resizing nor maximising"

# Asks the window manager to maximise the window and then to keep it above the others; the
# window manager answers requests in order, so once it is above, the first has been answered.
wmctrl -i -r "$WINDOW" -b add,maximized_vert,maximized_horz
xdotool windowsize "$WINDOW" 800 600
wmctrl -i -r "$WINDOW" -b add,above
for _ in $(seq 100); do
    xprop -id "$WINDOW" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE && break
    sleep 0.05
done
SAW="$(xprop -id "$WINDOW" _NET_WM_STATE); $(xwininfo -id "$WINDOW" | grep -E 'Width|Height' | tr -s ' \n' ' ')"
grep -q _NET_WM_STATE_ABOVE <<<"$SAW" || fail "the window manager did not answer"
grep -q MAXIMIZED <<<"$SAW" && fail "the window was maximised"
measure_board
[ "${WINDOW_WIDTH}x${WINDOW_HEIGHT}" = "$size" ] || fail "the window changed size"
wmctrl -i -r "$WINDOW" -b remove,above
pass "asked to maximise and to grow, the window kept its size"

# --- The kinds are one group: Tab reaches the selected kind, Enter on a number presses it ----
# The dialog opens with "8" focused and picture cards selected. Six steps on is the kinds' group,
# which the keyboard enters at the selected kind, so Space there changes nothing; one step on is
# "8" again, and Enter presses it.
activate_window "$WINDOW" || fail "the main window did not take the focus"
open_new_game_dialog "at first"
xdotool key Tab Tab Tab Tab Tab Tab space Tab Return
wait_for_dealt_board 8 || fail "Tab into the kinds, Space, Tab and Enter did not deal eight picture cards"
pass "Tab reached the selected kind, and Enter on \"8\" dealt eight card backs: $SAW"
back=$(card_print "$work/screen.png" 8 0)

# --- After a dialog the board has the keyboard again ------------------------------------------
expect_active "$WINDOW" "after the new game dialog closed"
pass "the main window had the focus again after the dialog closed"

# --- Two clicked cards show their faces --------------------------------------------------------
# An unmatched pair stays face up for a second, a matched pair for longer: looks come faster.
first=0 second=5
# Clicks a card and looks again, up to 20 times, until it no longer shows the back.
turn_card() {
    click_card 8 "$1"
    for _ in $(seq 20); do
        grab_board "$work/screen.png"
        [ "$(card_print "$work/screen.png" 8 "$1")" != "$back" ] && return 0
    done
    return 1
}
turn_card "$first" || {
    SAW="card $first: $(card_summary "$work/screen.png" 8 "$first")"
    fail "a click on card $first did not turn it over"
}
turn_card "$second" || {
    SAW="card $second: $(card_summary "$work/screen.png" 8 "$second")"
    fail "a click on card $second did not turn it over"
}
SAW="card $first: $(card_summary "$work/screen.png" 8 "$first"); card $second: $(card_summary "$work/screen.png" 8 "$second")"
[ "$(card_print "$work/screen.png" 8 "$first")" != "$back" ] || fail "card $first turned back too soon"
card_is_face "$work/screen.png" 8 "$first" && card_is_face "$work/screen.png" 8 "$second" \
    || fail "the turned cards do not show faces"
pass "cards $first and $second show their faces: $SAW"

# Then the pair either turns back or leaves the board.
resolved=no
for _ in $(seq 30); do
    sleep 0.1
    grab_board "$work/screen.png"
    outcome_first=$(card_outcome "$work/screen.png" 8 "$first" "$back")
    outcome_second=$(card_outcome "$work/screen.png" 8 "$second" "$back")
    if [ "$outcome_first" = "$outcome_second" ] && [ "$outcome_first" != face ]; then
        resolved=yes
        break
    fi
done
SAW="card $first: $outcome_first, card $second: $outcome_second"
[ $resolved = yes ] || fail "the pair neither turned back nor left the board"
pass "then the pair $( [ "$outcome_first" = back ] && echo "turned back" || echo "left the board")"

# --- Enter on a kind presses nothing; the arrows choose the kind -------------------------------
# A game is in progress now, so any number pressed would ask first.
open_new_game_dialog "at once after the game began"
xdotool key shift+Tab Return
sleep 1
xdotool search --onlyvisible --name '^Start new Game\?$' >/dev/null 2>&1 \
    && fail "Enter on the selected kind pressed a number: the question came"
xdotool search --onlyvisible --name '^Start New Game$' >/dev/null 2>&1 \
    || fail "Enter on the selected kind closed the dialog"
pass "Enter on the selected kind did nothing"

# Down selects the same capitals twice; Escape answers No to the question, which closes the
# dialog and keeps the game.
xdotool key Down Tab space
answer_question Escape
expect_active "$WINDOW" "after No"
grab_board "$work/screen.png"
[ "$(card_print "$work/screen.png" 8 3)" = "$back" ] || fail "No did not keep the picture game"
pass "No kept the game, and the main window had the focus again"

# Alt+S works at once; Yes deals the kind the arrow chose: eight letter cards, blue with "?".
open_new_game_dialog "at once after No"
xdotool key shift+Tab Down Tab space
answer_question Return
expect_active "$WINDOW" "after Yes"
wait_for_letter_board 8 || fail "Down then \"8\" and Yes did not deal eight letter cards"
pass "the arrow chose the letters, Yes dealt them, and the main window had the focus: $SAW"

# --- The end of a game: the board is back before the new game dialog opens ---------------------
open_new_game_dialog "at once after Yes"
xdotool key shift+Tab Up Tab space
answer_question Return
wait_for_dealt_board 8 || fail "Up then \"8\" and Yes did not deal eight picture cards"
SAW=""
play_to_the_end 8 || fail "the game could not be played to its end, each pair found leaving only kaki"
pass "every pair found but the last left only kaki where it was"
# The celebration gives the board a new colour every 160 ms for 3.7 s. Looked at a dozen times,
# the board's corner must show many of them besides kaki (#BCBC90), the board between games; a
# repaint of only the cards that changed keeps the first.
seen=''
for _ in $(seq 12); do
    colour=$(import -window root -crop "1x1+$((BOARD_X + 2))+$((BOARD_Y + 2))" +repage -depth 8 txt:- \
        | awk 'NR == 2 { print $3 }')
    grep -qxF -- "$colour" <<<"$seen" || seen+="$colour"$'\n'
done
SAW="the board's corner showed $(echo $seen)"
[ "$(grep -cvx '#BCBC90' <<<"$seen")" -ge 4 ] || fail "the celebration showed fewer than four colours"
pass "the celebration flashed through colours: $SAW"
dialog=$(wait_for_window_named "Start New Game") || fail "the end of the game opened no new game dialog"
sleep 0.5
grab_board "$work/screen.png"
SAW=$(board_beside_window "$work/screen.png" "$dialog")
[ "$SAW" = "kaki" ] || fail "behind the new game dialog the board is not bare kaki"
pass "behind the dialog that ends the game, the board is bare kaki again"
xdotool key alt+F4
expect_active "$WINDOW" "after the dialog's close box"
pass "closing the dialog gave the main window the focus"

SAW=""
# --- Alt+F4 closes the window through the window manager; the program ends with status 0 --------
activate_window "$WINDOW" || fail "the main window did not take the focus"
xdotool key alt+F4
wait_for_exit "$game" 5 || fail "the program was still running 5 s after Alt+F4"
game=''
[ "$EXIT_STATUS" -eq 0 ] || fail "the program ended with status $EXIT_STATUS"
pass "Alt+F4 closed the window and the program ended with status 0"
rm -rf "$work"
echo "real_window_test: passed"
