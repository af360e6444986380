#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The TeamTool developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The checks a change must pass before it lands, each with no finding:
#   - the format: every C++ file as clang-format 14 writes it (.clang-format);
#   - clang-tidy 14 over every file the default build compiles (.clang-tidy);
#   - reuse lint: a licence and copyright for every file.
# Uses the default build's compile_commands.json, configuring it when need be.
set -euo pipefail
cd "$(dirname "$0")/.."
failed=()

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
if ! clang-format-14 --dry-run --Werror "${sources[@]}"; then
    failed+=("format (clang-format-14 -i the files named above)")
fi

[ -f build/compile_commands.json ] || cmake --preset default >/dev/null
# The generated sources (moc, rcc) need the build; the files themselves are not ours.
cmake --build --preset default -j "$(nproc)" >/dev/null
log=$(mktemp)
# The build's flags are GCC's: a warning option clang does not know is no finding, even
# in a build whose warnings are errors (CI's).
# Every source and header of the project's own folders, whatever layers it grows: any
# folder at the top but the builds' (whose generated files are not ours).
own="^$PWD/(?!build)[^/]+/"
if ! run-clang-tidy-14 -p build -quiet -j "$(nproc)" -extra-arg=-Wno-unknown-warning-option \
    -header-filter="^$PWD/[^/]+/[^/]*\.h$" "$own.*\.cpp$" >"$log" 2>&1 ||
    grep -q 'warning:\|error:' "$log"; then
    grep -B1 -A4 'warning:\|error:' "$log" | grep -v '^[0-9]* warnings generated' >&2 || cat "$log" >&2
    failed+=("clang-tidy")
fi
rm -f "$log"

if ! reuse lint >/dev/null; then
    reuse lint >&2 || true
    failed+=("reuse lint")
fi

if [ ${#failed[@]} -gt 0 ]; then
    printf 'lint failed: %s\n' "${failed[@]}" >&2
    exit 1
fi
echo "lint: format, clang-tidy and reuse lint pass with no finding"
