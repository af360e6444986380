#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The TeamTool developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs TeamTool for Windows silently under Wine into a throwaway Wine prefix, checks
# what the installer put where, starts the installed program under Xvfb with the
# example team (a screenshot is kept), opens File > Season... there over a season of
# two weeks (a screenshot of its chart is kept), runs the end-to-end widget test (the
# example team to a byte-exact orders file) and the season window's test (its chart
# and what it tells a screen reader) against the installed folder's DLLs, and
# uninstalls silently.
#   scripts/windows-smoke.sh SETUP.exe WINDOWS_BUILD_DIR OUTDIR
set -euo pipefail
# All of it on one virtual display: a Wine prefix made without one shows no window later.
if [ -z "${TEAMTOOL_SMOKE_DISPLAY:-}" ]; then
    exec env TEAMTOOL_SMOKE_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
setup=$(realpath "$1")
build=$(realpath "$2")
out=$(realpath -m "$3")
here=$(cd "$(dirname "$0")" && pwd)
cd "$here/.."
mkdir -p "$out"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
WINEPREFIX=$(mktemp -d)/wine
export WINEPREFIX
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$(dirname "$WINEPREFIX")"' EXIT
wineboot -i >/dev/null 2>&1
(wineserver -p >/dev/null 2>&1 &)

wine "$setup" /S
appdata=$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')
installed=$(winepath -u "$appdata\\Programs\\TeamTool")
installed=${installed%/}
for file in teamtool.exe Uninstall.exe platforms/qwindows.dll Qt6Widgets.dll Qt6Charts.dll \
    COPYING.txt LGPL-3.0.txt THIRD-PARTY-NOTICES.txt; do
    [ -f "$installed/$file" ] || { echo "the installer did not put $file in $installed" >&2; exit 1; }
done
startmenu=$(winepath -u "$(wine cmd /c echo %APPDATA% | tr -d '\r')\\Microsoft\\Windows\\Start Menu\\Programs\\TeamTool")
[ -f "$startmenu/TeamTool.lnk" ] || { echo "no Start-menu shortcut in $startmenu" >&2; exit 1; }
# The notices name where the source of every library shipped is.
for source in "Debian's source package qt6-base" "Debian's source package gcc-mingw-w64" \
    "Debian's source package mingw-w64" "Qt Charts"; do
    grep -q "$source" "$installed/THIRD-PARTY-NOTICES.txt" ||
        { echo "THIRD-PARTY-NOTICES.txt does not say: $source" >&2; exit 1; }
done
echo "installed for the current user in $appdata\\Programs\\TeamTool, with a Start-menu shortcut"

# The visible window whose title matches $1, waited for up to $2 seconds; fails
# saying $3 when none shows.
window_named() {
    local found=""
    for second in $(seq 1 "$2"); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
        [ -n "$found" ] && break
        sleep 1
    done
    [ -n "$found" ] || { echo "$3" >&2; exit 1; }
    echo "$found"
}

# The installed program, on a real (virtual) display.
team=$(winepath -w "$PWD/examples/team.txt")
wine "$installed/teamtool.exe" "$team" &
app=$!
window=$(window_named "^TEAM INFOMATION$" 120 "the installed TeamTool showed no window")
sleep 3
import -window "$window" "$out/installed-windows.png"
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
echo "the installed TeamTool shows its window: $out/installed-windows.png"

# A season of two weeks: the week just loaded, kept by the program, and an earlier one
# with another NSL for the goalkeeper. File > Season... (Ctrl+Shift+E) shows its chart.
season=$(winepath -u "$(wine cmd /c echo %APPDATA% | tr -d '\r')\\TeamTool\\RDV Redvale Rovers")
[ -n "$(ls "$season" 2>/dev/null)" ] || { echo "the installed TeamTool kept no week in $season" >&2; exit 1; }
sed 's/^Ashworth,28,GK,19.3,/Ashworth,28,GK,18.1,/' examples/team.txt >"$season/2026-11-30 20-00-00 RDV.txt"
wine "$installed/teamtool.exe" "$team" &
app=$!
window=$(window_named "^TEAM INFOMATION$" 120 "the installed TeamTool showed no window the second time")
sleep 3
# The keys to the focused window, as a keyboard sends them (no window manager runs here).
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key ctrl+shift+e
seasonWindow=$(window_named ": the season$" 60 "File > Season... showed no window in the installed TeamTool")
sleep 2
import -window "$seasonWindow" "$out/installed-season.png"
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
echo "the installed TeamTool shows the season's chart: $out/installed-season.png"

# The end-to-end widget test with the installed DLLs first; only what a test needs and
# the program does not (Qt Test, the offscreen platform) comes from Qt's own folder.
qt=$(sed -n 's/^CMAKE_PREFIX_PATH:[A-Z]*=//p' "$build/CMakeCache.txt")
TEAMTOOL_DLL_DIR="$installed" TEAMTOOL_QT_MINGW="$qt" QT_QPA_PLATFORM=offscreen \
    QT_PLUGIN_PATH="$(winepath -w "$qt/plugins")" \
    "$here/wine-run.sh" "$build/tests/ui_orders_test.exe"
# The chart with the installed Qt6Charts.dll: its lines the table's figures, and the
# description a screen reader hears.
TEAMTOOL_DLL_DIR="$installed" TEAMTOOL_QT_MINGW="$qt" QT_QPA_PLATFORM=offscreen \
    QT_PLUGIN_PATH="$(winepath -w "$qt/plugins")" \
    "$here/wine-run.sh" "$build/tests/ui_season_test.exe" theSeasonWindowShowsTheKeptWeeks theSeasonWindowsCommandsWork

wine "$installed/Uninstall.exe" /S
sleep 2
[ ! -e "$installed/teamtool.exe" ] || { echo "the uninstaller left $installed/teamtool.exe" >&2; exit 1; }
echo "uninstalled"
