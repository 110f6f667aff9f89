# The scratch space of a real-window test: a directory of its own for screenshots and logs,
# private runtime, configuration and data directories for the program (no settings or family
# cards of the machine's user), and the program and the window manager ended however
# the test ends. Sets `work`; the test sets `game` and `WM_PID` as it starts them.
make_scratch() {
    work=$(mktemp -d)
    export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
    mkdir -m 700 "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
    # The program follows the system's language, which Qt takes from LANGUAGE first: English here,
    # whatever the machine speaks.
    export LANGUAGE=en
    game='' WM_PID=''
    trap end_scratch_programs EXIT
}

# Ends a test that failed, saying what failed, what it saw last (SAW), where the screen now is
# kept, and the program's last lines (it logs to $work/twindle.log). A test with more to tell
# defines its own.
fail() {
    echo "FAIL: $*"
    [ -n "${SAW:-}" ] && echo "saw: $SAW"
    import -window root "$work/failure.png" 2>/dev/null && echo "the screen now: $work/failure.png"
    echo "--- the program's output (last lines):"
    tail -20 "$work/twindle.log" 2>/dev/null || true
    exit 1
}

end_scratch_programs() {
    [ -n "$game" ] && kill "$game" 2>/dev/null || true
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
}
