# A private accessibility bus for a real-window test, as a desktop with a screen reader has one:
# the test runs inside its own D-Bus session (dbus-run-session), where the AT-SPI bus and its
# registry start on first use, and Qt programs expose their windows to it. Source it from a test
# that runs inside `dbus-run-session`.

# Whether the session can carry a screen reader: the AT-SPI bus answers and the Python client is
# there. Says what is missing otherwise.
accessibility_ready() {
    [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || { echo "no D-Bus session (run inside dbus-run-session)"; return 1; }
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "python3-pyatspi is missing (scripts/install-deps)"; return 1; }
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 \
        || { echo "the AT-SPI bus does not start (at-spi2-core)"; return 1; }
}

# Qt exposes its windows to the accessibility bus whether or not a screen reader said it runs.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
# Debian's Python, which has pyatspi, whatever python3 comes first on the path.
atspi() {
    /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi_checks.py" "$@"
}
