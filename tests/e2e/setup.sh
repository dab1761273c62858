#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer under Wine, as a user meets it. For everyone: a silent
# install puts Velluna.exe, its licences, its uninstaller, the Start-menu
# entry and the "App installate" record in place; installing again over a
# running Velluna closes it and replaces it where it is; the record's own
# uninstall command, run while Velluna runs, closes it and takes away every
# file, folder, shortcut and registry key of ours. Then the same for one
# user (/CurrentUser), in her own folders, uninstalled by opening
# Uninstall.exe as it is.
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
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Velluna'
# A round trip that fails half-way uninstalls what it installed, so that the
# next run starts from the same empty prefix.
cleanup() {
    kill $(jobs -p) 2>/dev/null
    for u in "$drive"/Velluna/Uninstall.exe "$drive"/users/*/AppData/Local/Programs/Velluna/Uninstall.exe; do
        [ -f "$u" ] && wine "$u" /S && timeout 60 wineserver -w; done
}
trap cleanup EXIT
# Everything under C:, but the places Windows itself writes to as it runs.
files() { find "$drive" -path "$drive/windows" -prune -o -path "$drive/users/*/AppData/Local/Temp" -prune \
              -o -path "$drive/users/*/Temp" -prune -o -print | sort; }
ours() { grep -il velluna "$WINEPREFIX"/*.reg; }
# The record under ROOT (HKLM, HKCU), with carriage returns gone.
record() { wine reg query "$1\\$key" /reg:64 2>/dev/null | tr -d '\r'; }
# installed DIR MENU ROOT SCOPE: what an installation for SCOPE leaves.
installed() {
    for f in Velluna.exe Uninstall.exe Licenza.txt "Licenze di terze parti.txt"; do
        [ -s "$1/$f" ] || fail "not installed: ${1#"$drive"/}/$f"; done
    [ -s "$2/Velluna.lnk" ] || fail "no Start-menu entry in ${2#"$drive"/}"
    for value in "DisplayName.*Velluna" "DisplayVersion.*$version" "InstallLocation.*\\\\${1##*/}$" \
                 "UninstallString.*Uninstall.exe\" /$4$" "EstimatedSize.*0x"; do
        record "$3" | grep -q "$value" || fail "the $3 uninstall record has no $value"; done
}
# Starts Velluna from DIR and waits for its window.
run() { wine "$1/Velluna.exe" & app=$!; wait_for_window; }
# The program closed by the installer ended as closing it ends it.
closed() { timeout 30 bash -c "while kill -0 $app 2>/dev/null; do sleep 0.1; done" && wait "$app" \
               || fail "Velluna was not closed: ${1}"; }
# Runs the uninstall COMMAND: the uninstaller goes on from a copy in the
# temporary folder, and nothing of ours stays after it.
uninstall() {
    eval "wine $1" && timeout 60 wineserver -w || fail "uninstalling with $1 failed"
    files | diff before.txt - > left.txt || fail "left behind: $(grep '^>' left.txt | head -5 | xargs)"
    ours && fail "a Velluna registry key is left behind"
}

wineserver -w
files > before.txt
ours && fail "a Velluna registry key is there before installing"
start_window_manager

# For everyone, in a folder of her choice that the update keeps.
all="$drive/Velluna"
wine "$setup" /S '/D=C:\Velluna' || fail "the silent install failed"
installed "$all" "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs" HKLM AllUsers
size=$(stat -c %s "$all/Velluna.exe")
echo >> "$all/Velluna.exe" # an "older" Velluna, one byte longer
run "$all"
wine "$setup" /S || fail "installing over a running Velluna failed"
closed "installing"
[ "$(stat -c %s "$all/Velluna.exe")" = "$size" ] || fail "the running Velluna.exe was not replaced"
installed "$all" "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs" HKLM AllUsers
run "$all"
uninstall "$(record HKLM | sed -n 's/.*QuietUninstallString *REG_SZ *//p')"
closed "uninstalling"

# For her alone: the user's own programs folder, Start menu and record.
wine "$setup" /S /CurrentUser || fail "the silent install for the current user failed"
mine=$(echo "$drive"/users/*/AppData/Local/Programs/Velluna)
installed "$mine" "$(dirname "$mine")/../../Roaming/Microsoft/Windows/Start Menu/Programs" HKCU CurrentUser
record HKLM | grep -q . && fail "the install for the current user made a record for everyone"
uninstall "'$mine/Uninstall.exe' /S" # without a scope: the one it was installed in
echo "PASS: installed for everyone and replaced while running, uninstalled while running; installed and" \
     "uninstalled for one user; nothing left"
