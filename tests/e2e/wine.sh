#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Velluna.exe under Wine in a real X server with a window manager, under
# Italian regional settings: its title, client size at start-up and after a
# calculation typed and clicked in, centred again, above other windows and
# out of the taskbar (as Wine tells the X server), the results exactly as
# this script works them out with its own date arithmetic (birth dates,
# weeks, month, percentage with a decimal comma, the countdown in the
# percentage's tooltip) and e2e_expected draws them without computing
# anything, the same results from the due date with the mode chosen by the
# pointer and from a transfer chosen by the keyboard alone, and the program
# ending with status 0 when the window is closed.
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

# 100 days before today, with a cycle of 28: week 14 of month 4, and a
# percentage of 35.71 that needs its decimal separator.
lmp=$(date -d '-100 days' +%F)
read -r day month year <<<"$(date -d "$lmp" +'%d %m %Y')"
days=$((($(date -d 'today 12:00' +%s) - $(date -d "$lmp 12:00" +%s)) / 86400))
birth() { date -d "$lmp 12:00 $1 days" +'%A %-d %B %Y'; } # in the Italian locale above
month_of_pregnancy=$(awk -v d="$days" 'BEGIN { print int(d / 30.41666) + 1 }')
percent=$(awk -v d="$days" 'BEGIN { printf "%.2f", int(d / 280 * 10000 + 0.5) / 100 }')
mask=$(awk -v p="$percent" 'BEGIN { printf "%.0f", p * 32.4 / 15 }')
percent=$(sed 's/0*$//; s/\.$//; s/\./,/' <<<"$percent")%
left=$((280 - days))
args=(Giorn="$day" Mes="$month" Ann="$year"
    Label1="$(birth 273)" Label2="$(birth 280)" Label3="$(birth 294)"
    Settimana="$((days / 7)) settimane e $((days % 7)) giorni"
    Label7="$month_of_pregnancy° Mese" month="$month_of_pregnancy"
    Trimestre="$(((month_of_pregnancy + 2) / 3))° Trimestre" trimester=$(((month_of_pregnancy + 2) / 3))
    milestone=$(((days + 7) / 7)) Perce="$percent" mask="$mask"
    tip="Mancano: $left giorni, ovvero: $((left / 7)) settimane e $((left % 7)) giorni.")
printf 'expected %s\n' "${args[@]}"
out=$(wine "$expected_exe" "$(winepath -w "$work/expected.png")" "${args[@]}" | tr -d '\r') \
    || { echo "FAIL: e2e_expected did not run"; exit 1; }
# The same pregnancy from its due date, and from the transfer of a day-5
# embryo 19 days after the last menstruation: the same results under the
# mode's heading, with the date entered in the lists.
due=$(date -d "$lmp 12:00 280 days" +'%d %m %Y')
transfer=$(date -d "$lmp 12:00 19 days" +'%d %m %Y')
expect_mode() { # STEM HEADING DAY MONTH YEAR
    wine "$expected_exe" "$(winepath -w "$work/$1.png")" "${args[@]}" Label4="$2" Giorn="$3" Mes="$4" Ann="$5" \
        >/dev/null || { echo "FAIL: e2e_expected did not run"; exit 1; }
}
expect_mode due "Data Presunta Parto" $due
expect_mode transfer "Transfer Embrione" $transfer
caption=$(sed -n 's/^Caption: //p' <<<"$out")
read -r px py pw ph <<<"$(sed -n 's/^Perce: //p' <<<"$out")"

wine "$exe" &
app=$!
wait_for_window
sleep 1 # Wine sets the window's states once it is mapped
seen="$(client Width)x$(client Height) $(states)"

calculate "$day" "$month" "$year"
xdotool mousemove 1000 700 # the pointer off the window, "Conferma" left lit
sleep 0.5
seen+=", $(placement "$caption") $(states)"
# Exactly the expected window in one of the blink's two colourings, and
# there the percentage as this script writes it.
differing() { compare -metric AE "$@" null: 2>&1; }
# Whether the window is exactly STEM.png or STEM-blink.png; sets `shown` and
# `blink` to the pixels that differ from each.
looks_like() {
    for _ in 1 2 3; do
        import -window "$win" "$work/shown.png"
        shown=$(differing "$work/shown.png" "$work/$1.png")
        blink=$(differing "$work/shown.png" "$work/$1-blink.png")
        [ "$shown" = 0 ] || [ "$blink" = 0 ] && return 0
        sleep 0.3
    done
    return 1
}
if looks_like expected; then
    seen+=", the expected window"
else
    cp "$work"/*.png .
    seen+=", $shown or $blink pixels differing from the expected window (shown.png, expected*.png)"
fi
for image in shown expected; do convert "$work/$image.png" -crop "${pw}x$ph+$px+$py" +repage "$work/$image-perce.png"; done
[ "$(differing "$work/shown-perce.png" "$work/expected-perce.png")" = 0 ] && seen+=", $percent" || seen+=", not $percent"

# The countdown: the percentage's tooltip, found just below the pointer
# resting on the percentage. The tooltip is drawn in Windows' own face and
# smoothed a little differently on the screen than in a picture of it: its
# text and background are compared, within a few levels of grey.
xdotool mousemove --window "$win" $((px + pw / 2)) $((py + ph / 2)) sleep 0.3 mousemove_relative 1 0
sleep 2
eval "$(xdotool getmouselocation --shell)"
read -r tw th < <(identify -format '%w %h' "$work/expected-tip.png")
import -window root -crop "$((tw + 40))x$((th + 60))+$((X - 20))+$Y" +repage "$work/near.png"
convert "$work/expected-tip.png" -shave 3x3 +repage "$work/tip.png"
found=$(compare -metric AE -fuzz 5% -subimage-search "$work/near.png" "$work/tip.png" null: 2>&1)
[ "${found%% *}" = 0 ] && seen+=", the countdown" || { cp "$work"/*.png . ; seen+=", not the countdown (near.png, tip.png)"; }

# The due date: the mode chosen by the pointer, the date typed, Enter.
xdotool mousemove 1000 700
choose_by_pointer 50
read -r d m y <<<"$due"
keys_in "$d" "$m" "$y"
eventually bash -c "xwininfo -id $win | grep -q 'Height: 499'"
xdotool mousemove 1000 700
sleep 0.5
looks_like due && seen+=", from the due date" || { cp "$work"/*.png . ; seen+=", not from the due date (shown.png, due*.png)"; }
# The transfer by the keyboard alone: the mode, the date, Enter, Shift+Tab
# back to the embryo's age (5 as proposed), Enter.
choose_by_keys Down
read -r d m y <<<"$transfer"
keys_in "$d" "$m" "$y"
xdotool sleep 0.5 key shift+Tab Return
eventually bash -c "xwininfo -id $win | grep -q 'Height: 499'"
sleep 0.5
looks_like transfer && seen+=", from the transfer" || { cp "$work"/*.png . ; seen+=", not from the transfer (shown.png, transfer*.png)"; }

close_window
seen+=", $closed"
expected="216x40 ABOVE SKIP_TASKBAR, 499 at 119 ABOVE SKIP_TASKBAR, the expected window, $percent, the countdown"
expected+=", from the due date, from the transfer, status 0"
[ "$seen" = "$expected" ] && echo "PASS: $seen" || { echo "FAIL: $seen, expected $expected"; exit 1; }
