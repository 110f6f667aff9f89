#!/usr/bin/env bash
# Twindle as a screen reader finds it, with a real AT-SPI client (pyatspi, as Orca reads it) on a
# private D-Bus session and accessibility bus, in the real window under a window manager: every
# control of the parent's setup screen has a name; the board's cards are objects of their own,
# named for their place and face; one pressed through its action turns and says its word, and
# the new name and the moving focus are announced; whose turn it is, of two players, is read;
# Escape's question is an alert that is announced, and the number it asks for, typed, leads back
# to the window.
# Usage: tests/e2e/atspi_test.sh path/to/twindle
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
binary=$(realpath "${1:?usage: atspi_test.sh path/to/twindle}")

if [ -z "${TWINDLE_XVFB:-}" ]; then
    exec timeout -k 5 150 env TWINDLE_XVFB=1 \
        xvfb-run -a -s "-noreset -screen 0 1024x768x24" dbus-run-session -- "$0" "$binary"
fi

source "$top/tools/lib/xdriver.sh"
load_layout "$binary"
source "$top/tests/e2e/scratch.sh"
make_scratch
source "$top/tests/e2e/accessibility_session.sh"
pass() { echo "ok: $*"; }

why=$(accessibility_ready) || fail "the accessibility bus is not ready: $why"
start_window_manager "$work/openbox.log" || fail "openbox did not start"
QT_LOGGING_RULES="twindle.toddler.info=true" QT_QPA_PLATFORM=xcb \
    "$binary" --toddler --quiet >"$work/twindle.log" 2>&1 &
game=$!

atspi setup-screen || fail "the setup screen is not all readable"
screen=$(wait_for_window_named "Toddler mode") || fail "no setup screen"
activate_window "$screen" || fail "the setup screen did not take the focus"
xdotool key Return
atspi cards 4 "$top/src/assets/speech/words.tsv" || fail "the cards are not readable"
number=$(atspi gate) || fail "the gate's question is not readable"
answer=$(sed -n 's/.*asking a grown-up for \([0-9]*\) .*/\1/p' "$work/twindle.log" | tail -1)
[ "$number" = "$answer" ] || fail "the alert asked for $number, the gate for $answer"
xdotool type --delay 60 "$number"
xdotool key Return
wait_for_main_window "$game" || fail "typing the number read from the alert did not lead back to the window"
pass "typing $number, read from the alert, led back to the window"
kill "$game"; wait "$game" || true

# Two players given on the command line start their game at once.
QT_QPA_PLATFORM=xcb "$binary" --toddler --quiet --player Kitty --player Mum >"$work/together.log" 2>&1 &
game=$!
atspi turn-of Kitty || fail "whose turn it is is not readable"
kill "$game"; wait "$game" || true
rm -rf "$work"
echo "atspi_test: passed"
