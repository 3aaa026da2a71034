#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on a private X server with the openbox window manager. Exits 77 (skipped)
# where Xvfb, openbox or xdotool are not installed.
set -euo pipefail
for tool in Xvfb openbox xdotool; do
    command -v "$tool" >/dev/null || {
        echo "skipped: $tool is not installed"
        exit 77
    }
done
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server=$!
openbox_pid=
trap 'kill $openbox_pid $server 2>/dev/null || true; rm -rf "$work"' EXIT
# Waits up to 30 seconds for a condition; stops the test with message $1 if it never holds.
wait_for() {
    for _ in $(seq 300); do "${@:2}" && return; sleep 0.1; done
    echo "with-window-manager.sh: $1" >&2
    exit 1
}
wait_for "Xvfb did not start" test -s "$work/display"
export DISPLAY=:$(cat "$work/display")
# The window manager draws its title bars in the program's bundled sans serif: the tests' font
# configuration knows no font at all, which would leave the title bars without text or buttons, and
# the machine's fonts would make them depend on what is installed.
fonts=$(cd "$(dirname "$0")/../../assets/fonts" && pwd)
cat >"$work/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig><dir>$fonts</dir><cachedir>$work/fontconfig</cachedir></fontconfig>
EOF
# Its settings are openbox's defaults, whatever the caller's home holds.
start_openbox() {
    HOME=$work XDG_CONFIG_HOME=$work FONTCONFIG_FILE=$work/fonts.conf \
        openbox --sm-disable &>/dev/null &
    openbox_pid=$!
}
# openbox has taken over once the root window names it; one that ends before is started again.
openbox_ready() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return
    kill -0 "$openbox_pid" 2>/dev/null || start_openbox
    return 1
}
start_openbox
wait_for "openbox did not start" openbox_ready
QT_QPA_PLATFORM=xcb "$@"
