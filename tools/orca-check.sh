#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the game under the Orca screen reader on a private X server and prints what Orca says:
# a wrong word checked twice ("MUY MAL" both times), a right word typed as a burst of letters and
# Returns ("MUY BIEN"), the credits. It also moves, resizes and minimises the credits window through
# the window manager and prints where the window stands a quarter of a second later. Not part of the test suite: it needs a real X server,
# a window manager and a screen reader.
#   bash tools/orca-check.sh [path/to/TELMARONDA]
# Debian packages: xvfb openbox xdotool orca dbus-x11 at-spi2-core x11-utils
set -euo pipefail

cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/dev/app/telmaronda}")
for tool in Xvfb openbox xdotool orca dbus-launch xwininfo; do
    command -v "$tool" >/dev/null || {
        echo "missing $tool (apt-get install xvfb openbox xdotool orca dbus-x11 x11-utils)" >&2
        exit 2
    }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A home of its own, so Orca starts with its default settings and leaves the user's alone.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_RUNTIME_DIR=$work/run LANG=C.UTF-8
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
eval "$(dbus-launch --sh-syntax)"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
orca --replace --debug-file="$work/orca.log" >/dev/null 2>&1 &
pids+=($!)
disown
sleep 4

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >/dev/null 2>&1 &
pids+=($!)
crossword=$(xdotool search --sync --name '^TELMARONDA # 2' | head -1)
sleep 3

# Steps are marked in Orca's own time line, and each waits for Orca to have spoken.
mark() { echo "$(date +%H:%M:%S.%6N) - === $*" >>"$work/marks"; }
# Clicks at a point given in pixels of the crossword's client area, below the menu bar.
eval "$(xdotool getwindowgeometry --shell "$crossword")"
menu_height=$((HEIGHT - 444))
click() { xdotool mousemove --window "$crossword" "$1" $(($2 + menu_height)) click 1; sleep 2; }
keys() { xdotool key --delay 100 "$@"; sleep 2; }

# Word 1's box, with word 1's cells (1 to 10) empty: wrong, and wrong again.
mark "click box 1 with word 1 empty"
click 60 322
mark "click box 1 again"
click 60 322
# Word 1 typed into cells 1 to 10 at 30 ms a key, each letter followed by Return, while Orca reads
# every key as it comes; then its box again: right.
click 60 41
xdotool key --delay 30 J Return A Return R Return D Return I Return N Return E Return R Return \
    I Return A Return
sleep 3
mark "click box 1 with JARDINERIA typed"
click 60 322
mark "Alt: the menu's first entry is active"
keys alt
mark "Right, Return: AUTOR"
keys Right
keys Return
credits=$(xdotool search --sync --onlyvisible --name '^ACERCA DEL AUTOR$' | head -1)
mark "credits shown"
# The window is moved, resized and minimised at once: Orca may lag behind on a busy machine, and
# the credits stay only five seconds.
where() { xwininfo -id "$credits" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} /Width/{w=$NF} /Height/{h=$NF} /Map State/{m=$NF} END{print x "," y " " w "x" h " " m}'; }
echo "credits window before: $(where)"
for request in "windowmove $credits 10 10" "windowsize $credits 900 700" "windowminimize $credits"; do
    xdotool $request
    sleep 0.25
    echo "credits window 0.25 s after ${request%% *}: $(where)"
done
sleep 6

[ -n "${ORCA_LOG_COPY:-}" ] && cp "$work/orca.log" "$ORCA_LOG_COPY"
echo "--- Orca's speech (key echo left out)"
# Orca's log lines start with the time; a spoken text of several lines goes on without one.
awk '/^[0-9][0-9]:[0-9][0-9]:/ { if (line != "") print line; line = $0; next } { line = line " / " $0 }
    END { if (line != "") print line }' "$work/orca.log" | grep -E "SPEECH OUTPUT" >"$work/speech"
sort "$work/marks" "$work/speech" | grep -vE "OUTPUT: '([^ ]+|left shift|right shift) ' " \
    | sed -E "s/^[0-9:.]+ - //; s/'? ?\{.*$//"
