#!/usr/bin/env bash
# The smoke test of the screen-reader bridge: the program on a virtual X
# server, inside a private D-Bus session with its own accessibility bus,
# read through AT-SPI by ScreenReaderBridge.py. Skips (status 77) with the
# reason where a part is missing or the virtual screen or a bus cannot
# start. Usage: ScreenReaderBridge.sh PATH/TO/vorel [ja|en], the language of
# the interface (Japanese when not given).
set -uo pipefail

skip() {
    echo "SKIP: $*"
    exit 77
}

vorel="${1:?usage: ScreenReaderBridge.sh PATH/TO/vorel [ja|en]}"
language="${2:-ja}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# Debian's own Python: pyatspi is a Debian package, not on PyPI.
python=/usr/bin/python3

[ -x "$vorel" ] || { echo "FAIL: no program at $vorel"; exit 1; }
command -v Xvfb >/dev/null || skip "no Xvfb (package xvfb)"
command -v dbus-run-session >/dev/null || skip "no dbus-run-session (package dbus)"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "no /usr/libexec/at-spi-bus-launcher (package at-spi2-core)"
[ -x "$python" ] || skip "no $python"
"$python" -c 'import pyatspi' 2>/dev/null || skip "no pyatspi for $python (package python3-pyatspi)"

work="$(mktemp -d "${TMPDIR:-/tmp}/vorel-atspi.XXXXXX")"
xvfb=""
cleanup() {
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null
        wait "$xvfb" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# The server picks a free display itself and writes its number when ready;
# -noreset keeps it from starting over (and refusing connections a moment)
# when its only client, the bus launcher, leaves.
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1024x768x24 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
display=""
for ((i = 0; i < 300; i++)); do
    if grep -q '^[0-9][0-9]*$' "$work/display" 2>/dev/null; then
        display="$(head -n 1 "$work/display")"
        break
    fi
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$display" ]; then
    cat "$work/xvfb.log"
    skip "the virtual X server (Xvfb) does not start here"
fi

mkdir -m 700 "$work/run"
# Nothing of a desktop session the test runs in may leak into it.
export DISPLAY=":$display" XDG_RUNTIME_DIR="$work/run"
unset AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
dbus-run-session -- true >/dev/null 2>&1 || skip "no D-Bus session bus starts here (dbus-run-session)"

dbus-run-session -- "$python" "$here/ScreenReaderBridge.py" "$vorel" "$work" "$language" 2>"$work/session.log"
status=$?
if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
    echo "--- the session's messages:"
    cat "$work/session.log"
    [ -f "$work/bus.log" ] && { echo "--- the accessibility bus:"; cat "$work/bus.log"; }
fi
exit "$status"
