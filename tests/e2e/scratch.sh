# The scratch space of a real-window test: a directory of its own for screenshots and logs, a
# private runtime directory for the program, and the program and the window manager ended however
# the test ends. Sets `work`; the test sets `game` and `WM_PID` as it starts them.
make_scratch() {
    work=$(mktemp -d)
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    game='' WM_PID=''
    trap end_scratch_programs EXIT
}

end_scratch_programs() {
    [ -n "$game" ] && kill "$game" 2>/dev/null || true
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
}
