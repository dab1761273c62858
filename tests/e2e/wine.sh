#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Velluna.exe under Wine in a real X server with a window manager, under
# Italian regional settings: its title, client size at start-up and after a
# calculation typed and clicked in, centred again, above other windows and
# out of the taskbar (as Wine tells the X server), the results as the same
# window computes and draws them for the same date on the same day (with a
# decimal comma in the percentage), and the program ending with status 0
# when the window is closed.
# Usage: wine.sh PATH-TO-Velluna.exe PATH-TO-e2e_expected.exe
set -uo pipefail
exe=${1:?usage: wine.sh Velluna.exe e2e_expected.exe}
expected_exe=${2:?usage: wine.sh Velluna.exe e2e_expected.exe}
if [ -z "${VELLUNA_E2E_INSIDE:-}" ]; then
    for tool in xvfb-run xauth openbox xdotool xprop xwininfo wmctrl wine import compare; do
        command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (tools/windows installs it)"; exit 1; }; done
    VELLUNA_E2E_INSIDE=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi
unset QT_QPA_PLATFORM
work=$(mktemp -d)
# Wine takes its regional settings from the Unix locale; one compiled here
# needs neither root nor a change to the system's locales.
localedef -i it_IT -f UTF-8 "$work/it_IT.UTF-8" 2>/dev/null
[ -d "$work/it_IT.UTF-8" ] || { echo "FAIL: the Italian locale could not be compiled"; exit 1; }
export LOCPATH=$work LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8 WINEDEBUG=-all

tries=300 # Wine starts slowly
source "$(dirname "$0")/x11.sh"
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
start_window_manager

# 100 days before today, with a cycle of 28: week 14, and a percentage of
# 35.71 that needs its decimal separator.
lmp=$(date -d '-100 days' +'%d %m %Y')
read -r day month year <<<"$lmp"
wine "$expected_exe" "$day" "$month" "$year" 28 "$(winepath -w "$work/expected.png")" \
    | tr -d '\r' > "$work/expected.txt" || { echo "FAIL: e2e_expected did not run"; exit 1; }
sed 's/^/expected /' "$work/expected.txt"
perce=$(sed -n 's/^Perce: //p' "$work/expected.txt")
caption=$(sed -n 's/^Caption: //p' "$work/expected.txt")

wine "$exe" &
app=$!
wait_for_window
sleep 1 # Wine sets the window's states once it is mapped
seen="$(client Width)x$(client Height) $(states)"

calculate "$day" "$month" "$year"
xdotool mousemove 1000 700 # the pointer off the window: no hover effect in the picture
sleep 0.5
seen+=", $(placement "$caption") $(states)"
# The blink changes two labels' colours; a few of their pixels may differ.
import -window "$win" "$work/shown.png"
differing=$(compare -metric AE -fuzz 12% "$work/shown.png" "$work/expected.png" null: 2>&1)
[ "${differing%%[!0-9]*}" -lt 1500 ] 2>/dev/null || { cp "$work"/*.png . ; echo "FAIL: $differing pixels differ from the expected window (shown.png, expected.png)"; exit 1; }
seen+=", percentage $([[ $perce =~ ^[0-9]+,[0-9]+%$ ]] && echo 'with a comma' || echo "$perce")"

close_window
seen+=", $closed"
expected="216x40 ABOVE SKIP_TASKBAR, 499 at 119 ABOVE SKIP_TASKBAR, percentage with a comma, status 0"
[ "$seen" = "$expected" ] && echo "PASS: $seen ($differing pixels differ)" || { echo "FAIL: $seen, expected $expected"; exit 1; }
