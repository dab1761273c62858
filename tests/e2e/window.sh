#!/usr/bin/env bash
# The real velluna executable in a real X server under a window manager:
# its title, its client size at start-up and after a calculation driven with
# the pointer and keyboard, that it stays above other windows and out of the
# taskbar, and that closing the window ends the program with status 0.
# "Today" is fixed with libfaketime; the calculation below is accepted only
# on that date, so it also proves the program reads the faked clock.
# Usage: window.sh PATH-TO-velluna
set -uo pipefail

exe=${1:?usage: window.sh PATH-TO-velluna}
if [ -z "${VELLUNA_E2E_INSIDE:-}" ]; then
    for tool in xvfb-run xauth openbox xdotool xprop xwininfo xmessage wmctrl faketime; do
        command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (tools/packages-test lists it)"; exit 1; }
    done
    VELLUNA_E2E_INSIDE=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi

title='Velluna    ----Zebo'
failures=0
pass() { echo "PASS: $*"; }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { # check DESCRIPTION EXPECTED ACTUAL
    if [ "$2" = "$3" ]; then pass "$1 ($3)"; else fail "$1: expected '$2', got '$3'"; fi
}
# Retries a command until it succeeds, for up to ten seconds (the machine
# may be busy building).
eventually() {
    for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
    return 1
}
pids=()
log=
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    [ -z "$log" ] || rm -f "$log"
}
trap cleanup EXIT

openbox >/dev/null 2>&1 &
pids+=($!)
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
eventually wm_up || { echo "FAIL: no window manager"; exit 1; }
xdotool mousemove 0 0 # keep the pointer off the window while it appears

log=$(mktemp)
QT_QPA_PLATFORM=xcb faketime --exclude-monotonic '2021-03-05 10:00:00' "$exe" 2>"$log" &
app=$!
pids+=($app)

find_window() { win=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -1); [ -n "$win" ]; }
framed() { xprop -id "$win" _NET_FRAME_EXTENTS | grep -q '='; }
if ! eventually find_window; then
    kill -0 "$app" 2>/dev/null && echo "FAIL: no window titled '$title'" || echo "FAIL: the program ended at start-up"
    cat "$log"
    exit 1
fi
eventually framed
client() { xwininfo -id "$win" | sed -n "s/^ *$1: *//p"; }
states() { xprop -id "$win" _NET_WM_STATE; }
has_state() { states | grep -q "$1"; }

check "title" "_NET_WM_NAME(UTF8_STRING) = \"$title\"" "$(xprop -id "$win" _NET_WM_NAME)"
check "client width" 216 "$(client Width)"
check "client height at start-up, (1065 - 465) / 15" 40 "$(client Height)"
has_state _NET_WM_STATE_ABOVE && pass "stays on top" || fail "no _NET_WM_STATE_ABOVE: $(states)"
has_state _NET_WM_STATE_SKIP_TASKBAR && pass "no taskbar button" || fail "no _NET_WM_STATE_SKIP_TASKBAR: $(states)"

# Another window, activated after it, still ends up below it.
xmessage -name other 'another window' &
other_pid=$!
pids+=($other_pid)
eventually xdotool search --onlyvisible --classname '^other$' >/dev/null
other=$(xdotool search --onlyvisible --classname '^other$' | head -1)
xdotool windowactivate --sync "$other" 2>/dev/null
top_of_stack() {
    local stack
    stack=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/, /\n/g' | tail -1)
    [ $((stack)) -eq $((win)) ]
}
eventually top_of_stack && pass "above an activated window" || fail "below another window: $(xprop -root _NET_CLIENT_LIST_STACKING)"
kill "$other_pid" 2>/dev/null

# A calculation: 1 January 2021 with a cycle of 28, a date accepted only
# when today is in early 2021. Places are client pixels from the layout.
type_into() { # type_into X TEXT: click into the list at X and replace its text
    xdotool mousemove --window "$win" "$1" 26 click 1
    xdotool key --clearmodifiers ctrl+a BackSpace
    xdotool type --delay 20 "$2"
}
type_into 20 01  # Giorn
type_into 60 01  # Mes
type_into 100 2021 # Ann
xdotool mousemove --window "$win" 176 26 click 1 # Conferma: the date
sleep 0.3
xdotool mousemove --window "$win" 176 26 click 1 # Conferma: the cycle
full() { [ "$(client Height)" = 499 ]; }
eventually full
check "client height after a calculation, (7950 - 465) / 15" 499 "$(client Height)"
frame_top=$(xprop -id "$win" _NET_FRAME_EXTENTS | sed 's/.*= //' | cut -d, -f3 | tr -d ' ')
check "re-centred: outer top (768 * 15 - 7950) / 2 / 15" 119 "$(( $(client 'Absolute upper-left Y') - frame_top ))"
has_state _NET_WM_STATE_ABOVE && pass "still on top" || fail "no longer on top: $(states)"

# Closing the window, as its close box does, ends the program.
wmctrl -i -c "$win"
gone() { ! kill -0 "$app" 2>/dev/null; }
if eventually gone; then
    wait "$app"
    check "exit status after closing the window" 0 "$?"
else
    fail "the program outlived its window"
fi

[ "$failures" -eq 0 ]
