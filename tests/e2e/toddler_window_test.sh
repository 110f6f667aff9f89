#!/usr/bin/env bash
# Toddler mode in the real window on a 1920 x 1080 screen under a window manager, every program
# run with settings of its own: two pairs are four cards at least 300 pixels wide, as measured on
# the screen; a game won without a slip is followed by three pairs; the hold on the keyboard comes
# back after the window manager took the board off the screen and back; the parent's setup screen
# works from the keyboard alone, and the next start shows its choice again; and settings that
# cannot be read (random bytes, a directory, a file the user may not read) start toddler mode with
# its defaults and say so in one warning of the log category twindle.toddler.
# Usage: tests/e2e/toddler_window_test.sh path/to/twindle    (TWINDLE_E2E_KEEP=1 keeps the
# screenshots, which are kept anyway when the test fails)
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
binary=$(realpath "${1:?usage: toddler_window_test.sh path/to/twindle}")

# The checks' ImageMagick keeps to one core, leaving the other to the program and the X server.
export MAGICK_THREAD_LIMIT=1
if [ -z "${TWINDLE_XVFB:-}" ]; then
    # The outer time limit makes sure a stuck X server or program never hangs the caller.
    exec timeout -k 5 150 env TWINDLE_XVFB=1 \
        xvfb-run -a -s "-noreset -screen 0 1920x1080x24" "$0" "$binary"
fi

source "$top/tools/lib/xdriver.sh"
load_layout "$binary"
source "$top/tests/e2e/board_checks.sh"
source "$top/tests/e2e/toddler_board_checks.sh"
source "$top/tests/e2e/test_user.sh"
source "$top/tests/e2e/scratch.sh"
make_scratch
log='' program=$binary RUN_AS=()
# The program's messages with their category and level, so that toddler mode's own are told apart.
export QT_MESSAGE_PATTERN='%{category} %{type}: %{message}'

fail() {
    echo "FAIL: $*"
    [ -n "${SAW:-}" ] && echo "saw: $SAW"
    import -window root "$work/failure.png" 2>/dev/null && echo "the screen now: $work/failure.png"
    echo "--- the program's output ($log):"
    cat "$log" 2>/dev/null || true
    exit 1
}
pass() { echo "ok: $*"; }

# Starts the program in the background with the settings of $XDG_CONFIG_HOME, its output in
# $work/$1.log, or as another user when $RUN_AS holds the command that becomes that user.
start_program() {
    log=$work/$1.log
    shift
    QT_QPA_PLATFORM=xcb "${RUN_AS[@]}" "$@" >"$log" 2>&1 &
    game=$!
}
stop_program() {
    kill "$game" 2>/dev/null || true
    wait "$game" 2>/dev/null || true
    game=''
}

# Waits up to 20 s for the game's window to cover the screen, and finds its board there.
wait_for_full_screen() {
    for _ in $(seq 200); do
        kill -0 "$game" 2>/dev/null || fail "the program ended before it filled the screen"
        WINDOW=$(xdotool search --onlyvisible --name '^Twindle$' 2>/dev/null | head -1) || true
        if [ -n "$WINDOW" ] && use_full_screen_board 2>/dev/null \
            && [ "${WINDOW_WIDTH}x${WINDOW_HEIGHT}+${WINDOW_LEFT}+${WINDOW_TOP}" = 1920x1080+0+0 ]; then
            return 0
        fi
        sleep 0.1
    done
    SAW="${WINDOW_WIDTH:-?}x${WINDOW_HEIGHT:-?}+${WINDOW_LEFT:-?}+${WINDOW_TOP:-?}"
    fail "toddler mode did not fill the screen"
}

# The settings of the runs that follow: their own, in $work/$1.
use_settings() {
    export XDG_CONFIG_HOME=$work/$1
    mkdir -p "$XDG_CONFIG_HOME/twindle"
    SETTINGS=$XDG_CONFIG_HOME/twindle/twindle.ini
}

# Waits for the parent's setup screen and presses keys there, then waits for the full screen.
answer_setup_screen() {
    local screen
    SAW=''
    screen=$(wait_for_window_named "Toddler mode") || {
        kill -0 "$game" 2>/dev/null || { wait "$game" || SAW="exit status $?"; fail "the program ended before its setup screen opened"; }
        fail "no setup screen titled \"Toddler mode\" opened"
    }
    activate_window "$screen" || fail "the setup screen did not take the focus"
    import -window root "$work/$1.png"
    shift
    xdotool key --delay 100 "$@"
    wait_for_full_screen
}

start_window_manager "$work/openbox.log" || fail "openbox did not start"

# --- Two pairs of pictures, dealt at once ------------------------------------------------------
use_settings grows
start_program grows "$binary" --toddler --kind pictures --pairs 2 --quiet
wait_for_full_screen
wait_for_toddler_board four-cards 4 back 10 || fail "--pairs 2 did not deal four picture cards 300 pixels wide or more"
pass "--toddler --kind pictures --pairs 2 dealt four cards on the whole screen: $SAW"

# --- A game without a slip grows to three pairs -------------------------------------------------
play_to_the_end 4 || fail "the game of four cards could not be played to its end"
# The celebration runs for about 3.5 s before the next deal.
wait_for_toddler_board six-cards 6 back 15 || fail "after a game won without a slip, no six cards were dealt"
pass "after a game won without a slip, six cards were dealt: $SAW"

# --- The hold on the keyboard comes back ------------------------------------------------------
# Whether the game holds the keyboard is asked of the X server by another client (keyboard_grab.c,
# which takes nothing). The window manager taking the board off the screen ends the hold, and must
# not end it for good: workspace 2 and straight back, sooner than the game looks whether it was
# taken away, three times, and it holds again each time.
cc -std=c11 -Wall -Wextra -Werror -o "$work/keyboard_grab" "$top/tests/e2e/keyboard_grab.c" -lxcb \
    || fail "tests/e2e/keyboard_grab.c did not build (it needs cc and libxcb1-dev)"
# Waits up to 3 s for the keyboard to be held.
wait_for_keyboard_held() {
    for _ in $(seq 30); do
        SAW="the keyboard: $("$work/keyboard_grab" || true)"
        [ "$SAW" = "the keyboard: held" ] && return 0
        sleep 0.1
    done
    return 1
}
# Waits up to 5 s for the workspace shown to have been $1 workspaces in a row, as seen from the start.
wait_for_workspaces() {
    for _ in $(seq 50); do
        [ "$(grep -c . "$work/workspaces.log")" -ge "$1" ] && return 0
        sleep 0.1
    done
    fail "the window manager did not show workspace 2 and then 1 again: $(echo $(cat "$work/workspaces.log"))"
}
wait_for_keyboard_held || fail "toddler mode did not hold the keyboard"
xprop -root -spy _NET_CURRENT_DESKTOP >"$work/workspaces.log" &
spy=$!
wait_for_workspaces 1
for round in 1 2 3; do
    wmctrl -s 1
    wmctrl -s 0
    wait_for_workspaces $((2 * round + 1))
    wait_for_keyboard_held || fail "after workspace 2 and back the game did not hold the keyboard again (round $round)"
done
kill "$spy"
pass "the game held the keyboard again after workspace 2 and back, three times: $SAW"
stop_program
SAW=$("$work/keyboard_grab" || true)
[ "$SAW" = free ] || fail "with the game ended, the keyboard was still held"

# --- The setup screen from the keyboard alone; its choice remembered ----------------------------
# It opens with the chosen kind focused: Down chooses the same capitals twice, Tab goes on past
# "Family cards..." to the pairs, Up makes them three, and Enter presses Start, the default button.
use_settings setup
start_program setup "$binary" --toddler --quiet
answer_setup_screen setup-screen Down Tab Tab Up Return
wait_for_toddler_board six-letters 6 letter 10 || fail "Down, Tab, Tab, Up and Enter did not deal six letter cards"
pass "on the setup screen Down, Tab, Tab, Up and Enter dealt six letter cards: $SAW"
stop_program
[ -f "$SETTINGS" ] || fail "the setup screen's choice was not written to $SETTINGS"
SAW=$(tr '\n' ' ' <"$SETTINGS")
grep -qx 'kind=capitals' "$SETTINGS" && grep -qx 'startPairs=3' "$SETTINGS" \
    || fail "the settings file does not hold the capitals and three pairs"
pass "the settings file holds the choice: $SAW"

start_program setup-again "$binary" --toddler --quiet
answer_setup_screen setup-screen-again Return
wait_for_toddler_board six-letters-again 6 letter 10 || fail "the next start's setup screen did not show the capitals and three pairs"
pass "the next start's setup screen showed the choice: Enter alone dealt six letter cards again"
stop_program

# --- Settings that cannot be read give the defaults, and one warning ----------------------------
# Starts toddler mode on the settings as they are, presses Start on the setup screen, and
# expects two pairs of pictures and one warning of toddler mode in the log.
expect_defaults() {
    local name=$1 what=$2
    start_program "$name" "$program" --toddler --quiet
    answer_setup_screen "$name-setup-screen" Return
    wait_for_toddler_board "$name" 4 back 10 || fail "$what did not give two pairs of pictures"
    SAW=$(grep '^twindle\.toddler ' "$log" || true)
    [ "$(grep -c . <<<"$SAW")" -eq 1 ] && grep -q '^twindle\.toddler warning: ' <<<"$SAW" \
        || fail "$what was not told in one warning of twindle.toddler"
    pass "$what: two pairs of pictures, and one warning: $SAW"
    stop_program
}

# As root a file's modes deny nothing: the program then runs as a user of the tests' own, from a
# copy that user can read, with a runtime directory, settings and the X display's key of its own.
become_test_user() {
    local user=twindle-toddler home=$work/test-user
    make_test_user "$user" || return 1
    hand_over_program "$user" "$binary" "$home"
    mkdir -p -m 700 "$home/runtime"
    mkdir -p "$home/config/twindle"
    cp "${XAUTHORITY:?xvfb-run sets it}" "$home/Xauthority"
    chown -R "$user:" "$home"
    chmod go+x "$work"
    RUN_AS=(setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups
        env HOME="$home" XDG_RUNTIME_DIR="$home/runtime" XAUTHORITY="$home/Xauthority")
    program=$home/bin/twindle
    export XDG_CONFIG_HOME=$home/config
    SETTINGS=$XDG_CONFIG_HOME/twindle/twindle.ini
}

use_settings random-bytes
head -c 4096 /dev/urandom >"$SETTINGS"
expect_defaults random-bytes "random bytes in twindle.ini"

use_settings directory
mkdir "$SETTINGS"
expect_defaults directory "a directory where twindle.ini should be"

# The file asks for five pairs of capitals, would it be read.
if [ "$(id -u)" -ne 0 ] && use_settings unreadable || become_test_user; then
    printf '[toddler]\nkind=capitals\nstartPairs=5\n' >"$SETTINGS"
    chmod 000 "$SETTINGS"
    if "${RUN_AS[@]}" cat "$SETTINGS" >/dev/null 2>&1; then
        fail "the program's user can read a file of mode 000: the case would test nothing"
    fi
    expect_defaults unreadable "a twindle.ini the user may not read"
else
    echo "skipped: a twindle.ini the user may not read: running as root, and no user of the tests' own could be made (useradd)"
fi

[ -n "${TWINDLE_E2E_KEEP:-}" ] && echo "screenshots kept in $work" || rm -rf "$work"
echo "toddler_window_test: passed"
