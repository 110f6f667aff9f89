# The real Twindle window under a window manager: starting openbox, finding the program's windows
# where the X server says they are, waiting for focus and for the program to end. Sourced by
# tools/lib/xdriver.sh; it needs DISPLAY set.

# Starts openbox with our own small configuration (Alt+F4 closes, new windows take the focus) and
# waits, up to 10 s, until it manages the screen. Sets WM_PID.
start_window_manager() {
    local log=${1:-/dev/null} tries=0
    openbox --sm-disable --config-file "$(dirname "${BASH_SOURCE[0]}")/openbox.xml" >"$log" 2>&1 &
    WM_PID=$!
    while ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        tries=$((tries + 1))
        if [ $tries -ge 200 ] || ! kill -0 "$WM_PID" 2>/dev/null; then
            echo "xdriver: the window manager did not start" >&2
            return 1
        fi
        sleep 0.05
    done
}

# Sets BOARD_X and BOARD_Y from where the X server says the window is. Under a window manager
# xdotool adds the frame to a window's position twice, so find_main_window's board is off there.
measure_board() {
    local info
    info=$(xwininfo -id "$WINDOW") || return 1
    WINDOW_LEFT=$(awk '/Absolute upper-left X:/ { print $4 }' <<<"$info")
    WINDOW_TOP=$(awk '/Absolute upper-left Y:/ { print $4 }' <<<"$info")
    WINDOW_WIDTH=$(awk '/^ *Width:/ { print $2 }' <<<"$info")
    WINDOW_HEIGHT=$(awk '/^ *Height:/ { print $2 }' <<<"$info")
    WINDOW_MAP_STATE=$(awk '/Map State:/ { print $3 }' <<<"$info")
    BOARD_X=$WINDOW_LEFT
    BOARD_Y=$((WINDOW_TOP + WINDOW_HEIGHT - NATURAL_HEIGHT))
}

# The board of a window that fills the screen with no menu (toddler mode): all of the window,
# with the layout scaled to it (use_board_size).
use_full_screen_board() {
    measure_board || return 1
    BOARD_X=$WINDOW_LEFT
    BOARD_Y=$WINDOW_TOP
    use_board_size "$WINDOW_WIDTH" "$WINDOW_HEIGHT"
}

# find_main_window for a program under a window manager: waits, up to 20 s, until the program
# with process id $1 shows its main window, and sets WINDOW, BOARD_X and BOARD_Y (measure_board).
# Gives up at once when the program ends first.
wait_for_main_window() {
    local pid=$1 tries=0 id
    while [ $tries -lt 400 ]; do
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "xdriver: the program ended before its window appeared" >&2
            return 1
        fi
        for id in $(xdotool search --name '^Twindle$' 2>/dev/null); do
            WINDOW=$id
            measure_board 2>/dev/null || continue
            if [ "$WINDOW_MAP_STATE" = IsViewable ] && [ "$WINDOW_WIDTH" -eq "$NATURAL_WIDTH" ] \
                && [ "$WINDOW_HEIGHT" -gt "$NATURAL_HEIGHT" ]; then
                return 0
            fi
        done
        sleep 0.05
        tries=$((tries + 1))
    done
    echo "xdriver: the Twindle window did not appear" >&2
    describe_program_and_windows "$pid" >&2
    return 1
}

# What a program that shows no window is doing, and which windows there are: enough to tell a
# program stuck at start from a window that the test did not recognise.
describe_program_and_windows() {
    local pid=$1 task id
    echo "xdriver: process $pid: $(grep -E '^State:' "/proc/$pid/status" 2>/dev/null || echo gone)"
    for task in /proc/"$pid"/task/*; do
        [ -e "$task/stat" ] || continue
        echo "  thread ${task##*/} ($(cat "$task/comm")): state $(awk '{ print $3 }' "$task/stat")," \
            "waiting in $(cat "$task/wchan" 2>/dev/null || echo '?')"
    done
    echo "xdriver: windows named Twindle:"
    for id in $(xdotool search --name '^Twindle$' 2>/dev/null); do
        xwininfo -id "$id" | grep -E 'Absolute|Width|Height|Map State' | tr -s ' \n' ' '
        echo
    done
    echo "xdriver: the window manager's clients:"
    wmctrl -lG 2>/dev/null || echo "  (none, or no window manager)"
}

# Activates a window through the window manager and waits, up to 5 s, until it has the focus.
activate_window() {
    local id=$1 tries=0
    xdotool windowactivate "$id" 2>/dev/null || true
    while [ "$(xdotool getactivewindow 2>/dev/null)" != "$id" ]; do
        tries=$((tries + 1))
        if [ $tries -ge 100 ]; then
            echo "xdriver: window $id did not take the focus" >&2
            return 1
        fi
        [ $((tries % 20)) -eq 0 ] && xdotool windowactivate "$id" 2>/dev/null || true
        sleep 0.05
    done
}

# Waits, up to 10 s, for a visible window with exactly this title, and prints its id.
wait_for_window_named() {
    local title=$1 tries=0 id
    while [ $tries -lt 200 ]; do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.05
        tries=$((tries + 1))
    done
    echo "xdriver: no window named \"$title\" appeared" >&2
    return 1
}

# Waits up to $2 seconds for the process $1, a child of this shell, to end; sets EXIT_STATUS.
# Fails, leaving the process running, when it does not end in time.
wait_for_exit() {
    local pid=$1 deadline=$(($(date +%s%N) + $2 * 1000000000))
    while kill -0 "$pid" 2>/dev/null; do
        if [ "$(date +%s%N)" -gt "$deadline" ]; then
            echo "xdriver: process $pid did not end within $2 s" >&2
            return 1
        fi
        sleep 0.05
    done
    EXIT_STATUS=0
    wait "$pid" || EXIT_STATUS=$?
}
