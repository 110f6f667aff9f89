#!/usr/bin/env bash
# The windows in the parent's language, in the real window on a 1920 x 1080 screen under a window
# manager. With --language de the new game dialog, the options dialog and the setup screen carry
# their German titles, the parent gate asks for its number in German words, and typing it leads
# back to the window. With the system's language English, the same windows keep their English
# titles exactly, and the gate asks in English. The screenshots of the German setup screen and
# gate, and of the English ones, go to $TWINDLE_E2E_SHOTS when it is set.
# Usage: tests/e2e/language_window_test.sh path/to/twindle
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
binary=$(realpath "${1:?usage: language_window_test.sh path/to/twindle}")

if [ -z "${TWINDLE_XVFB:-}" ]; then
    # The outer time limit makes sure a stuck X server or program never hangs the caller.
    exec timeout -k 5 150 env TWINDLE_XVFB=1 \
        xvfb-run -a -s "-noreset -screen 0 1920x1080x24" "$0" "$binary"
fi

source "$top/tools/lib/xdriver.sh"
load_layout "$binary"
source "$top/tests/e2e/scratch.sh"
make_scratch  # the system speaks English here, whatever the machine's own language
pass() { echo "ok: $*"; }
shot() {
    import -window root "$work/$1.png"
    [ -z "${TWINDLE_E2E_SHOTS:-}" ] || { mkdir -p "$TWINDLE_E2E_SHOTS" && cp "$work/$1.png" "$TWINDLE_E2E_SHOTS/"; }
}

# Opens a window with a key of the main window, waits for its title, and closes it again.
expect_window() {
    local keys=$1 title=$2 id
    focus_main_window
    xdotool key "$keys"
    id=$(wait_for_window_named "$title") || fail "$keys opened no window titled \"$title\""
    activate_window "$id" || true
    xdotool key alt+F4
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "the window \"$title\" did not close"
}

# Toddler mode through the setup screen titled $1, then the gate: Escape asks, and the words it
# asks in must hold $2; typing the number and Enter leads back to the window. $3 names the shots.
through_the_gate() {
    local setup=$1 words=$2 name=$3 id answer question
    focus_main_window
    xdotool key F11
    id=$(wait_for_window_named "$setup") || fail "F11 opened no setup screen titled \"$setup\""
    activate_window "$id" || fail "the setup screen did not take the focus"
    sleep 0.3
    shot "$name-setup"
    xdotool key Return
    for _ in $(seq 100); do
        measure_board 2>/dev/null && [ "$WINDOW_WIDTH" = 1920 ] && break
        sleep 0.1
    done
    [ "$WINDOW_WIDTH" = 1920 ] || fail "Start on \"$setup\" did not fill the screen"
    sleep 0.5
    xdotool key Escape
    sleep 0.5
    shot "$name-gate"
    answer=$(sed -n 's/.*asking a grown-up for \([0-9]*\) (\(.*\))$/\1/p' "$work/twindle.log" | tail -1)
    question=$(sed -n 's/.*asking a grown-up for [0-9]* (\(.*\))$/\1/p' "$work/twindle.log" | tail -1)
    [ -n "$answer" ] || fail "Escape did not ask a grown-up for the number"
    [[ "$question" == *"$words"* ]] || fail "the gate asked for $answer as \"$question\", without \"$words\""
    xdotool type --delay 50 "$answer"
    xdotool key Return
    for _ in $(seq 50); do
        measure_board 2>/dev/null && [ "$WINDOW_WIDTH" = 527 ] && break
        sleep 0.1
    done
    [ "$WINDOW_WIDTH" = 527 ] || fail "typing $answer after \"$question\" did not lead back to the window"
    pass "the gate asked for $answer as \"$question\"; typing it led back to the window"
}

run() {
    QT_QPA_PLATFORM=xcb QT_LOGGING_RULES="twindle.toddler.info=true" "$binary" "$@" >"$work/twindle.log" 2>&1 &
    game=$!
    wait_for_main_window "$game" || fail "no main window with $*"
}

end() {
    focus_main_window
    xdotool key alt+F4
    wait_for_exit "$game" 5 || fail "Alt+F4 did not end the program"
    game=''
}

start_window_manager "$work/openbox.log" || fail "openbox did not start"

# --- German, asked for on the command line -------------------------------------------------------
run --language de --quiet
expect_window alt+s "Neues Spiel starten"
expect_window alt+o " Optionen"
pass "in German the new game dialog and the options dialog have their German titles"
through_the_gate "Kleinkindmodus" "hundert" de
end

# --- English, the system's language: the specified windows' English texts --------------------
run --quiet
expect_window alt+s "Start New Game"
expect_window alt+o " Options"
pass "in English the new game dialog and the options dialog have their own titles, exactly"
through_the_gate "Toddler mode" "hundred" en
end

rm -rf "$work"
echo "language_window_test: passed"
