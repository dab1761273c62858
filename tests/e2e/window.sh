#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real velluna in a real X server under a window manager: its client
# size at start-up and after a calculation typed and clicked in, the window
# centred again, a calculation from the due date and one from a transfer with
# the mode chosen by the pointer and by the keyboard, above other windows and out of the taskbar, and the program
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
# The same pregnancy from its due date, 8 October 2021, which the first mode
# would reject as a date to come: the mode chosen by the pointer, one press.
choose_by_pointer 50
keys_in 08 10
eventually bash -c "xwininfo -id $win | grep -q 'Height: 499'" && seen+=", due date" || seen+=", no due date"
# And from a day-5 embryo's transfer on 20 January, by the keyboard alone:
# the date, Enter, Shift+Tab back to the embryo's age, Enter.
choose_by_keys Down
keys_in 20 01
xdotool sleep 0.5 key shift+Tab Return
eventually bash -c "xwininfo -id $win | grep -q 'Height: 499'" && seen+=", transfer" || seen+=", no transfer"
close_window
seen+=", $closed"
expected="216x40 ABOVE SKIP_TASKBAR, 499 at 119 ABOVE SKIP_TASKBAR, due date, transfer, status 0"
[ "$seen" = "$expected" ] && echo "PASS: $seen" || { echo "FAIL: $seen, expected $expected"; exit 1; }
