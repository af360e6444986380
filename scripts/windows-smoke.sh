#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The TeamTool developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs TeamTool for Windows silently under Wine into a throwaway Wine prefix, checks
# what the installer put where, starts the installed program under Xvfb with the
# example team (a screenshot is kept), runs the end-to-end widget test (the example
# team to a byte-exact orders file) against the installed folder's DLLs, and
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
for file in teamtool.exe Uninstall.exe platforms/qwindows.dll Qt6Widgets.dll \
    COPYING.txt LGPL-3.0.txt THIRD-PARTY-NOTICES.txt; do
    [ -f "$installed/$file" ] || { echo "the installer did not put $file in $installed" >&2; exit 1; }
done
startmenu=$(winepath -u "$(wine cmd /c echo %APPDATA% | tr -d '\r')\\Microsoft\\Windows\\Start Menu\\Programs\\TeamTool")
[ -f "$startmenu/TeamTool.lnk" ] || { echo "no Start-menu shortcut in $startmenu" >&2; exit 1; }
# The notices name where the source of every library shipped is.
for source in "Debian's source package qt6-base" "Debian's source package gcc-mingw-w64" \
    "Debian's source package mingw-w64"; do
    grep -q "$source" "$installed/THIRD-PARTY-NOTICES.txt" ||
        { echo "THIRD-PARTY-NOTICES.txt does not say: $source" >&2; exit 1; }
done
echo "installed for the current user in $appdata\\Programs\\TeamTool, with a Start-menu shortcut"

# The installed program, on a real (virtual) display.
team=$(winepath -w "$PWD/examples/team.txt")
wine "$installed/teamtool.exe" "$team" &
app=$!
window=""
for second in $(seq 1 120); do
    window=$(xdotool search --onlyvisible --name "^TEAM INFOMATION$" 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 1
done
if [ -z "$window" ]; then
    echo "the installed TeamTool showed no window" >&2
    exit 1
fi
sleep 3
import -window "$window" "$out/installed-windows.png"
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
echo "the installed TeamTool shows its window: $out/installed-windows.png"

# The end-to-end widget test with the installed DLLs first; only what a test needs and
# the program does not (Qt Test, the offscreen platform) comes from Qt's own folder.
qt=$(sed -n 's/^CMAKE_PREFIX_PATH:[A-Z]*=//p' "$build/CMakeCache.txt")
TEAMTOOL_DLL_DIR="$installed" TEAMTOOL_QT_MINGW="$qt" QT_QPA_PLATFORM=offscreen \
    QT_PLUGIN_PATH="$(winepath -w "$qt/plugins")" \
    "$here/wine-run.sh" "$build/tests/ui_orders_test.exe"

wine "$installed/Uninstall.exe" /S
sleep 2
[ ! -e "$installed/teamtool.exe" ] || { echo "the uninstaller left $installed/teamtool.exe" >&2; exit 1; }
echo "uninstalled"
