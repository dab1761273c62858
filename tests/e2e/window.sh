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

source "$(dirname "$0")/x11.sh"
trap 'kill $(jobs -p) 2>/dev/null' EXIT
start_window_manager
NO_FAKE_STAT=1 QT_QPA_PLATFORM=xcb faketime --exclude-monotonic '2021-03-05 10:00:00' "$exe" &
app=$!
wait_for_window
# At start-up: 3240 x (1065 - 465) twips, on top and off the taskbar.
seen="$(client Width)x$(client Height) $(states)"

# 1 January 2021 with a cycle of 28, then centred again at full height.
calculate 01 01 2021
seen+=", $(placement) $(states)"
close_window
seen+=", $closed"
expected="216x40 ABOVE SKIP_TASKBAR, 499 at 119 ABOVE SKIP_TASKBAR, status 0"
[ "$seen" = "$expected" ] && echo "PASS: $seen" || { echo "FAIL: $seen, expected $expected"; exit 1; }
