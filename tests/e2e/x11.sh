# SPDX-License-Identifier: GPL-3.0-or-later
# What the end-to-end scripts do with the window on the X server, sourced by
# window.sh (Linux) and wine.sh (Windows under Wine). Set `tries` (tenths of
# a second to wait for anything) before sourcing; the default is ten seconds.

# Retries for a while: the machine may be busy.
eventually() { for _ in $(seq "${tries:-100}"); do "$@" && return 0; sleep 0.1; done; return 1; }

start_window_manager() {
    openbox >/dev/null 2>&1 &
    eventually bash -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" \
        || { echo "FAIL: no window manager"; exit 1; }
}

# Sets `win` to Velluna's window once it is mapped and framed.
find_window() { win=$(xdotool search --onlyvisible --name '^Velluna    ----Zebo$' | head -1) && [ -n "$win" ]; }
wait_for_window() {
    eventually find_window || { echo "FAIL: no window"; exit 1; }
    eventually bash -c "xprop -id $win _NET_FRAME_EXTENTS | grep -q ="
}
client() { xwininfo -id "$win" | sed -n "s/^ *$1: *//p"; }
states() { xprop -id "$win" _NET_WM_STATE | grep -o 'ABOVE\|SKIP_TASKBAR' | sort | xargs; }

# Types DAY MONTH YEAR into the lists, presses "Conferma" twice with the
# cycle at its 28, and waits for the full height, (7950 - 465) / 15 pixels.
calculate() {
    local x text
    for field in "20 $1" "60 $2" "100 $3"; do
        x=${field% *}
        text=${field#* }
        xdotool mousemove --window "$win" "$x" 26 click 1 key --clearmodifiers ctrl+a BackSpace
        xdotool type --delay 50 "$text"
    done
    xdotool mousemove --window "$win" 176 26 click 1 sleep 0.6 click 1 # apart: two presses, not a double-click
    eventually bash -c "xwininfo -id $win | grep -q 'Height: 499'"
}

# Chooses a mode from the heading's menu with the pointer: the first touch of
# the heading shrinks the window to the strip, (1050 - 465) / 15 pixels, and
# centres it; a click on the heading where it is then opens the menu under
# it, and a click Y pixels below the window's top picks an item (about 28 the
# first, 50 the second, 70 the third, in Qt's and in Windows' menus).
choose_by_pointer() {
    xdotool mousemove --window "$win" 60 8
    eventually bash -c "xwininfo -id $win | grep -q 'Height: 39'"
    xdotool mousemove --window "$win" 60 8 click 1 sleep 0.5 mousemove --window "$win" 40 "$1" click 1
    eventually bash -c "xwininfo -id $win | grep -q 'Height: 40'"
}

# Chooses a mode by the keyboard alone: Shift+Tab from the focus holder,
# where every press leaves the focus, to the heading, Space opens its menu at
# the current mode, the KEYS move, Enter picks.
choose_by_keys() {
    xdotool key shift+Tab space sleep 0.5 key "$@" Return
    eventually bash -c "xwininfo -id $win | grep -q 'Height: 40'"
}

# Types each TEXT over the text of the focused list, Tab between them and
# Enter after the last, which presses "Conferma".
keys_in() {
    local i
    for ((i = 1; i <= $#; i++)); do
        [ "$i" = 1 ] || xdotool key Tab
        xdotool key ctrl+a type --delay 50 "${!i}"
    done
    xdotool key Return
}

# The window's height and the top of its frame: centred on a 768-pixel
# screen it is at (768 * 15 - 7950) / 2 / 15. The frame's height above the
# client area is the window manager's, unless given: under Wine the program
# places a frame of Windows' measures, not the one the window manager draws.
placement() {
    local frame_top=${1:-}
    [ -n "$frame_top" ] || frame_top=$(xprop -id "$win" _NET_FRAME_EXTENTS | sed 's/.*= //' | cut -d, -f3 | tr -d ' ')
    echo "$(client Height) at $(($(client 'Absolute upper-left Y') - frame_top))"
}

# Closes the window with its close box and sets `closed` to the program's
# status (in this shell: only it can wait for the program).
close_window() {
    wmctrl -i -c "$win"
    if eventually bash -c "! kill -0 $app 2>/dev/null"; then
        wait "$app"
        closed="status $?"
    else
        kill "$app"
        closed="still running"
    fi
}
