#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The TeamTool developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a Windows program under Wine as the test runner's emulator. Wine hides the
# variables that begin with QT_ from the program, so they are handed on as WINEQT_...,
# which Wine passes as QT_...; the MinGW runtime and Qt's DLLs are found through
# WINEPATH.
#   scripts/wine-run.sh PROGRAM.exe [ARGS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
mingw_gcc=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
paths=("$mingw_gcc" /usr/x86_64-w64-mingw32/lib)
[ -n "${TEAMTOOL_QT_MINGW:-}" ] && paths=("$TEAMTOOL_QT_MINGW/bin" "${paths[@]}")
[ -n "${TEAMTOOL_DLL_DIR:-}" ] && paths=("$TEAMTOOL_DLL_DIR" "${paths[@]}")
winepath=""
for p in "${paths[@]}"; do winepath+="Z:${p//\//\\};"; done
export WINEPATH="$winepath${WINEPATH:-}"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEQT_FORCE_STDERR_LOGGING=1  # Qt Test writes where the runner sees it
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# Qt's offscreen platform reads its fonts from a folder of its own: Debian's DejaVu,
# the fonts the Linux build shows.
if [ -z "${QT_QPA_FONTDIR:-}" ] && [ -d /usr/share/fonts/truetype/dejavu ]; then
    export WINEQT_QPA_FONTDIR="Z:\\usr\\share\\fonts\\truetype\\dejavu"
fi
while IFS='=' read -r name value; do
    [[ $name == QT_* ]] && export "WINE$name=$value"
done < <(env)
exec wine "$@"
