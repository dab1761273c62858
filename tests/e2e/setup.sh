#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer's round trip under Wine: a silent install puts Velluna.exe,
# its uninstaller, the Start-menu entry and the "App installate" record in
# place; the installed program starts and closes; a silent uninstall takes
# every file, folder, shortcut and registry key of ours away again.
# Usage: setup.sh PATH-TO-Velluna-VERSION-setup.exe VERSION
set -uo pipefail
setup=${1:?usage: setup.sh Velluna-VERSION-setup.exe VERSION}
version=${2:?usage: setup.sh Velluna-VERSION-setup.exe VERSION}
if [ -z "${VELLUNA_E2E_INSIDE:-}" ]; then
    for tool in xvfb-run xauth openbox xdotool xprop wmctrl wine wineserver; do
        command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (tools/windows installs it)"; exit 1; }; done
    VELLUNA_E2E_INSIDE=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi
export WINEDEBUG=-all
# Wine would copy the Start-menu entry into this machine's own desktop menu.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"
unset QT_QPA_PLATFORM
fail() { echo "FAIL: $*"; exit 1; }
tries=300 # Wine starts slowly
source "$(dirname "$0")/x11.sh"
drive=${WINEPREFIX:?WINEPREFIX is not set}/drive_c
dir="$drive/Program Files/Velluna"
# A round trip that fails half-way uninstalls what it installed, so that the
# next run starts from the same empty prefix.
cleanup() {
    kill $(jobs -p) 2>/dev/null
    [ -f "$dir/Uninstall.exe" ] && { wine "$dir/Uninstall.exe" /S; wineserver -w; }
}
trap cleanup EXIT
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velluna'
# Everything under C:, but the places Windows itself writes to as it runs.
files() { find "$drive" -path "$drive/windows" -prune -o -path "$drive/users/*/AppData/Local/Temp" -prune \
              -o -path "$drive/users/*/Temp" -prune -o -print | sort; }
ours() { grep -il velluna "$WINEPREFIX"/*.reg; }

wineserver -w
files > before.txt
ours && fail "a Velluna registry key is there before installing"

wine "$setup" /S || fail "the silent install failed"
wineserver -w
for f in "$dir/Velluna.exe" "$dir/Uninstall.exe" "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Velluna.lnk"; do
    [ -s "$f" ] || fail "not installed: ${f#"$drive"/}"
done
record=$(wine reg query "$key" /reg:64 2>/dev/null | tr -d '\r')
for value in "DisplayName.*Velluna" "DisplayVersion.*$version" "Publisher.*Velluna" \
             "DisplayIcon.*Velluna.exe" "UninstallString.*Uninstall.exe" "EstimatedSize.*0x"; do
    grep -q "$value" <<<"$record" || fail "the uninstall record has no $value"
done
size_kib=$(( $(printf '%d' "$(sed -n 's/.*EstimatedSize.*REG_DWORD *//p' <<<"$record")") ))
[ "$size_kib" -eq $(( ($(stat -c %s "$dir/Velluna.exe") + 1023) / 1024 )) ] || fail "EstimatedSize $size_kib KiB is not the program's"

start_window_manager
wine "$dir/Velluna.exe" &
app=$!
wait_for_window
close_window
[ "$closed" = "status 0" ] || fail "the installed program ended with $closed"

wine "$dir/Uninstall.exe" /S || fail "the silent uninstall failed"
wineserver -w # the uninstaller goes on from a copy in the temporary folder
files > after.txt
diff before.txt after.txt > left.txt || fail "left behind: $(grep '^>' left.txt | head -5 | xargs)"
ours && fail "a Velluna registry key is left behind"
echo "PASS: installed into Program Files with a Start-menu entry and an uninstall record of $size_kib KiB, started, uninstalled, nothing left"
