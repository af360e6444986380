#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The TeamTool developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Line and branch coverage of the program's own folders after the tests have run in a
# coverage build: a line per layer, the whole, and an HTML report.
#   scripts/coverage.sh BUILD_DIR [FLOOR]   fails when the whole's line coverage is under FLOOR percent
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
floor=${2:-0}
layers=(textio season app teamfile squad orders week window ui)

filters=()
for layer in "${layers[@]}"; do filters+=(--filter "$layer/"); done
# gcov once over every counter file; each layer's figures are then read from its result.
# Lines and branches of the standard library's templates expanded in our files are not
# ours to count: branches are counted only where a line has a decision of its own.
gcovr --root . --object-directory "$build" "${filters[@]}" --exclude-unreachable-branches \
    --exclude-throw-branches --exclude-directories "$build/CMakeFiles" --json "$build/coverage.json" >/dev/null
mkdir -p "$build/coverage"
gcovr --root . --add-tracefile "$build/coverage.json" --html-details "$build/coverage/index.html" >/dev/null

percent() {  # percent COVERED TOTAL
    python3 -c "import sys; c, t = map(int, sys.argv[1:]); print(f'{100 * c / t:.1f}' if t else '-')" "$1" "$2"
}
printf '%-10s %8s %10s\n' layer lines branches
summary() {  # summary LABEL [gcovr filter options]
    local label=$1
    shift
    local json
    json=$(gcovr --root . --add-tracefile "$build/coverage.json" "$@" --json-summary - 2>/dev/null)
    read -r lc lt bc bt < <(python3 -c '
import json, sys
s = json.load(sys.stdin)
print(s["line_covered"], s["line_total"], s["branch_covered"], s["branch_total"])' <<<"$json")
    printf '%-10s %7s%% %9s%%\n' "$label" "$(percent "$lc" "$lt")" "$(percent "$bc" "$bt")"
    last_lines=$(percent "$lc" "$lt")
}
for layer in "${layers[@]}"; do summary "$layer/" --filter "$layer/"; done
summary all
echo "HTML report: $build/coverage/index.html"
if python3 -c "import sys; sys.exit(0 if float(sys.argv[1]) >= float(sys.argv[2]) else 1)" "$last_lines" "$floor"; then
    echo "line coverage $last_lines% (floor $floor%)"
else
    echo "line coverage $last_lines% is under the floor of $floor%" >&2
    exit 1
fi
