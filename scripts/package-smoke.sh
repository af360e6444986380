#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The TeamTool developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian package into a throwaway folder, starts the installed program
# under Xvfb with the example team as its argument, and checks that the window shows
# the Game page with the team loaded: its screenshot must match the Game page as the
# page renderer draws it with the same team. The screenshot is kept as an artefact.
#   scripts/package-smoke.sh PACKAGE.deb RENDERER OUTDIR
set -euo pipefail
deb=$(realpath "$1")
renderer=$(realpath "$2")
out=$(realpath -m "$3")
cd "$(dirname "$0")/.."
mkdir -p "$out"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

dpkg -x "$deb" "$root"
"$renderer" "$root/reference" examples/team.txt >/dev/null

export TEAMTOOL_UNDER_TEST="$root/usr/bin/teamtool" TEAMTOOL_SHOT="$out/installed-game.png"
# The season and the settings in the throwaway folder too: never the user's, and an
# empty season, so the window is exactly the designed one.
export XDG_DATA_HOME="$root/data" XDG_CONFIG_HOME="$root/config"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -euo pipefail
    "$TEAMTOOL_UNDER_TEST" examples/team.txt &
    app=$!
    trap "kill $app 2>/dev/null || true" EXIT
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "^TEAM INFOMATION$" | head -1)
    sleep 2  # the season comes right after the first paint
    import -window "$window" "$TEAMTOOL_SHOT"
'
echo "screenshot: $out/installed-game.png"

# The two pictures differ in at most a few pixels (focus, a caret); a window that failed
# to load shows the file selection instead, and differs nearly everywhere.
# The designed area stands below the menu bar, at the bottom of the window.
size=$(identify -format '%wx%h' "$root/reference/game.png")
below=$(( $(identify -format '%h' "$out/installed-game.png") - $(identify -format '%h' "$root/reference/game.png") ))
differing=$(compare -metric AE -fuzz 10% "$root/reference/game.png" "$out/installed-game.png[$size+0+$below]" \
            "$out/difference.png" 2>&1 || true)
total=$(identify -format '%[fx:w*h]' "$root/reference/game.png")
echo "pixels differing from the rendered Game page: $differing of $total"
if ! awk -v d="$differing" -v t="$total" 'BEGIN { exit !(d + 0 < t * 0.01) }'; then
    echo "the installed TeamTool does not show the loaded team's Game page" >&2
    exit 1
fi
