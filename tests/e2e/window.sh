#!/usr/bin/env bash
# The real velluna in a real X server under a window manager: its title, its
# client size at start-up and after a calculation typed and clicked in, the
# window centred again, above other windows and out of the taskbar, and the
# program ending with status 0 when the window is closed. "Today" is fixed
# with libfaketime, and the date typed is accepted only on that day.
# Usage: window.sh PATH-TO-velluna
set -uo pipefail
exe=${1:?usage: window.sh PATH-TO-velluna}
if [ -z "${VELLUNA_E2E_INSIDE:-}" ]; then
    for tool in xvfb-run xauth openbox xdotool xprop xwininfo wmctrl faketime; do
        command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (tools/packages-test lists it)"; exit 1; }
    done
    VELLUNA_E2E_INSIDE=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi

failures=0
check() { # DESCRIPTION EXPECTED ACTUAL
    if [ "$2" = "$3" ]; then echo "PASS: $1 ($3)"; else echo "FAIL: $1: expected '$2', got '$3'"; failures=$((failures + 1)); fi
}
# Retries for up to ten seconds: the machine may be busy.
eventually() { for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done; return 1; }
openbox >/dev/null 2>&1 &
wm=$!
log=$(mktemp)
trap 'kill $wm $app 2>/dev/null; rm -f "$log"' EXIT
eventually bash -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" || { echo "FAIL: no window manager"; exit 1; }
xdotool mousemove 0 0 # off the window while it appears
NO_FAKE_STAT=1 QT_QPA_PLATFORM=xcb faketime --exclude-monotonic '2021-03-05 10:00:00' "$exe" 2>"$log" &
app=$!
find_window() { win=$(xdotool search --onlyvisible --name '^Velluna    ----Zebo$' | head -1) && [ -n "$win" ]; }
eventually find_window || { echo "FAIL: no window"; cat "$log"; exit 1; }
eventually bash -c "xprop -id $win _NET_FRAME_EXTENTS | grep -q ="
client() { xwininfo -id "$win" | sed -n "s/^ *$1: *//p"; }
states() { xprop -id "$win" _NET_WM_STATE; }
check "client size at start-up, 3240 x (1065 - 465) twips" "216 40" "$(client Width) $(client Height)"
check "stays on top and off the taskbar" "ABOVE SKIP_TASKBAR" \
    "$(states | grep -o 'ABOVE\|SKIP_TASKBAR' | sort | xargs)"

# 1 January 2021 with a cycle of 28: the lists, "Conferma" twice.
for field in "20 01" "60 01" "100 2021"; do
    xdotool mousemove --window "$win" "${field% *}" 26 click 1 key --clearmodifiers ctrl+a BackSpace
    xdotool type --delay 20 "${field#* }"
done
xdotool mousemove --window "$win" 176 26 click 1 sleep 0.3 click 1
eventually bash -c "xwininfo -id $win | grep -q 'Height: 499'"
check "client height after a calculation, (7950 - 465) / 15" 499 "$(client Height)"
frame_top=$(xprop -id "$win" _NET_FRAME_EXTENTS | sed 's/.*= //' | cut -d, -f3 | tr -d ' ')
check "centred: outer top (768 * 15 - 7950) / 2 / 15" 119 "$(($(client 'Absolute upper-left Y') - frame_top))"
check "still on top" 1 "$(states | grep -c ABOVE)"

wmctrl -i -c "$win" # the close box
if eventually bash -c "! kill -0 $app 2>/dev/null"; then
    wait "$app"
    check "exit status after closing the window" 0 "$?"
else
    check "the program ends with its window" ended running
fi
[ "$failures" -eq 0 ]
