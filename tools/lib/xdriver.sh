# Drives the real Twindle window on an X display with xdotool and ImageMagick, for the
# real-window test and the screenshot tool. Source it; it needs DISPLAY set.

# Where the cards stand, as the program itself says (twindle --print-layout): call once with the
# program before anything below that finds a card.
load_layout() {
    TWINDLE_LAYOUT=$("$1" --print-layout) || { echo "xdriver: $1 --print-layout failed" >&2; return 1; }
}

# The lefts and the tops of a count's grid, in pixels of the board at its own size.
grid_lefts() {
    sed -n "s/^cards $1: lefts \([0-9 ]*\);.*/\1/p" <<<"${TWINDLE_LAYOUT:?call load_layout first}"
}
grid_tops() {
    sed -n "s/^cards $1: .*; tops \([0-9 ]*\);.*/\1/p" <<<"${TWINDLE_LAYOUT:?call load_layout first}"
}

# Sets CARD_X and CARD_Y to the board pixel of the top-left corner of a slot.
card_corner() {
    local count=$1 slot=$2
    local -a lefts=($(grid_lefts "$count")) tops=($(grid_tops "$count"))
    local columns=${#lefts[@]}
    CARD_X=${lefts[$((slot % columns))]}
    CARD_Y=${tops[$((slot / columns))]}
}

# Waits (polling every 10 ms, up to 20 s) for the main window and sets WINDOW, BOARD_X, BOARD_Y.
find_main_window() {
    local tries=0 id geometry
    while [ $tries -lt 2000 ]; do
        for id in $(xdotool search --name '^Twindle$' 2>/dev/null); do
            geometry=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null) || continue
            eval "$geometry"
            if [ "$WIDTH" -eq 527 ] && [ "$HEIGHT" -gt 351 ]; then
                WINDOW=$id
                BOARD_X=$X
                BOARD_Y=$((Y + HEIGHT - 351))
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
    click_board $((CARD_X + 40)) $((CARD_Y + 55))
}

# Saves the board as the player sees it.
grab_board() {
    import -window root -crop "527x351+${BOARD_X}+${BOARD_Y}" +repage "$1"
}

# The colour of a board pixel in an image, as "r,g,b".
pixel_of() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# A fingerprint of what a card's place shows.
card_print() {
    local image=$1 count=$2 slot=$3
    card_corner "$count" "$slot"
    convert "$image" -crop "81x110+${CARD_X}+${CARD_Y}" +repage rgb:- | md5sum | cut -c1-16
}

# Plays the dealt game of COUNT cards to its last pair as a player with a perfect memory: each
# card is turned once to learn its face, and every pair is found at the first chance.
play_to_the_end() {
    local count=$1 first twin candidate
    local -A face=()
    local remaining
    remaining=$(seq 0 $((count - 1)))
    _turn() {
        click_card "$count" "$1"
        sleep 0.15
        grab_board /tmp/twindle-turn-$$.png
        face[$1]=$(card_print /tmp/twindle-turn-$$.png "$count" "$1")
    }
    _twin_of() {
        local card=$1 other
        for other in $remaining; do
            if [ "$other" != "$card" ] && [ "${face[$other]:-}" = "${face[$card]}" ]; then
                echo "$other"
                return
            fi
        done
    }
    while [ -n "$remaining" ]; do
        first=$(echo "$remaining" | head -1)
        _turn "$first"
        twin=$(_twin_of "$first")
        if [ -z "$twin" ]; then
            for candidate in $remaining; do
                if [ "$candidate" != "$first" ] && [ -z "${face[$candidate]:-}" ]; then
                    twin=$candidate
                    break
                fi
            done
        fi
        _turn "$twin"
        if [ "${face[$twin]}" = "${face[$first]}" ]; then
            remaining=$(echo "$remaining" | tr ' ' '\n' | grep -v -x -e "$first" -e "$twin" || true)
            sleep 1.4   # the pair leaves the board (silently, at once after its pause, where no sound plays)
        else
            sleep 1.1   # the pair turns back
        fi
    done
    rm -f /tmp/twindle-turn-$$.png
}

# --- Under a window manager -------------------------------------------------------------

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
    BOARD_Y=$((WINDOW_TOP + WINDOW_HEIGHT - 351))
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
            if [ "$WINDOW_MAP_STATE" = IsViewable ] && [ "$WINDOW_WIDTH" -eq 527 ] \
                && [ "$WINDOW_HEIGHT" -gt 351 ]; then
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
