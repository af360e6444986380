#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The TeamTool developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The program's command line: --help and --version print and exit without a display,
# anything else it cannot take is one line on stderr and exit status 2. For Windows,
# the program runs under the emulator named after it (Wine).
#   command_line_test.sh TEAMTOOL [EMULATOR]
set -uo pipefail
teamtool=$1
emulator=(${2:-})
failures=0
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
expect() {  # expect STATUS PATTERN STREAM ARGS...
    local status=$1 pattern=$2 stream=$3
    shift 3
    local out err got
    out=$(mktemp) err=$(mktemp)
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${emulator[@]}" "$teamtool" "$@" >"$out" 2>"$err"
    got=$?
    local text
    text=$(cat "$([ "$stream" = out ] && echo "$out" || echo "$err")")
    if [ "$got" -ne "$status" ] || ! grep -Eq "$pattern" <<<"$text"; then
        echo "FAIL: teamtool $*: status $got (want $status), $stream: $text"
        failures=$((failures + 1))
    fi
    if [ "$stream" = err ] && [ "$(wc -l <"$err")" -ne 1 ]; then
        echo "FAIL: teamtool $*: want one line on stderr, got: $(cat "$err")"
        failures=$((failures + 1))
    fi
    rm -f "$out" "$err"
}
expect 0 'Usage: .*\[team-file\]' out --help
expect 0 '^TeamTool [0-9]+\.[0-9]+' out --version
expect 0 '^TeamTool [0-9]+\.[0-9]+' out -v
expect 2 "^teamtool: Unknown option 'bogus'" err --bogus
expect 2 '^teamtool: only one team file' err a.txt b.txt
echo "$((5 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
