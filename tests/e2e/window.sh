#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real velluna in a real X server under a window manager: its client
# size at start-up and after a calculation typed and clicked in, the window
# centred again, above other windows and out of the taskbar, and the program
# ending with status 0 when the window is closed. "Today" is fixed with
# libfaketime, and the date typed is accepted only on that day.
# Usage: window.sh PATH-TO-velluna
set -uo pipefail
exe=${1:?usage: window.sh PATH-TO-velluna}
if [ -z "${VELLUNA_E2E_INSIDE:-}" ]; then
    for tool in xvfb-run xauth openbox xdotool xprop xwininfo wmctrl faketime; do
        command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (tools/packages-test lists it)"; exit 1; }; done
    VELLUNA_E2E_INSIDE=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi

# Retries for up to ten seconds: the machine may be busy.
eventually() { for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done; return 1; }
openbox >/dev/null 2>&1 &
trap 'kill $(jobs -p) 2>/dev/null' EXIT
eventually bash -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" || { echo "FAIL: no window manager"; exit 1; }
NO_FAKE_STAT=1 QT_QPA_PLATFORM=xcb faketime --exclude-monotonic '2021-03-05 10:00:00' "$exe" &
app=$!
find_window() { win=$(xdotool search --onlyvisible --name '^Velluna    ----Zebo$' | head -1) && [ -n "$win" ]; }
eventually find_window || { echo "FAIL: no window"; exit 1; }
eventually bash -c "xprop -id $win _NET_FRAME_EXTENTS | grep -q ="
client() { xwininfo -id "$win" | sed -n "s/^ *$1: *//p"; }
states() { xprop -id "$win" _NET_WM_STATE | grep -o 'ABOVE\|SKIP_TASKBAR' | sort | xargs; }
# At start-up: 3240 x (1065 - 465) twips, on top and off the taskbar.
seen="$(client Width)x$(client Height) $(states)"

# 1 January 2021 with a cycle of 28: the lists, "Conferma" twice. Then
# (7950 - 465) / 15 pixels high, centred at (768 * 15 - 7950) / 2 / 15.
for field in "20 01" "60 01" "100 2021"; do
    xdotool mousemove --window "$win" "${field% *}" 26 click 1 key --clearmodifiers ctrl+a BackSpace
    xdotool type --delay 20 "${field#* }"
done
xdotool mousemove --window "$win" 176 26 click 1 sleep 0.6 click 1 # apart: two presses, not a double-click
eventually bash -c "xwininfo -id $win | grep -q 'Height: 499'"
frame_top=$(xprop -id "$win" _NET_FRAME_EXTENTS | sed 's/.*= //' | cut -d, -f3 | tr -d ' ')
seen+=", $(client Height) at $(($(client 'Absolute upper-left Y') - frame_top)) $(states)"

wmctrl -i -c "$win" # the close box ends the program
eventually bash -c "! kill -0 $app 2>/dev/null"
wait "$app"
seen+=", status $?"
expected="216x40 ABOVE SKIP_TASKBAR, 499 at 119 ABOVE SKIP_TASKBAR, status 0"
[ "$seen" = "$expected" ] && echo "PASS: $seen" || { echo "FAIL: $seen, expected $expected"; exit 1; }
