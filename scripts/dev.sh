#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The TeamTool developers
# SPDX-License-Identifier: GPL-3.0-or-later

# One entry point for setting up, building, running and testing TeamTool on Debian 12.
#   scripts/dev.sh run        install what is missing, build, start TeamTool
#   scripts/dev.sh test       install what is missing, build, run every test
#   scripts/dev.sh sanitize   the same tests built with AddressSanitizer and UBSan
#   scripts/dev.sh coverage   the tests with coverage counters, then line and branch coverage per layer
#   scripts/dev.sh lint       the format check, clang-tidy and reuse lint
#   scripts/dev.sh bench      build and run the benchmarks
#   scripts/dev.sh fuzz [T] [S]  run fuzz target T (team_file, orders_file or season) for S seconds (600)
#   scripts/dev.sh pages      render the window's pages to docs/ (the README's pictures)
#   scripts/dev.sh package    build build/teamtool_<version>_amd64.deb and check it
#   scripts/dev.sh windows-core-test  the core and its tests cross-built for Windows, run under Wine
#   scripts/dev.sh windows-test       everything for Windows (Qt built once into a cache), run under Wine
#   scripts/dev.sh windows-package    the Windows installer and portable zip, smoke-tested under Wine
set -euo pipefail
cd "$(dirname "$0")/.."

JOBS=$(nproc)
PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-private-dev qt6-charts-dev libgl-dev libgtest-dev libbenchmark-dev)

deps() {
    local missing=()
    for p in "${PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        local sudo=""
        [ "$(id -u)" -ne 0 ] && sudo="sudo"
        echo "Installing: ${missing[*]}"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
    fi
}

# Configures and builds a preset of CMakePresets.json. Configure output is shown only
# when it fails. In CI (CI=true) warnings in the project's own code are errors.
build() {  # build PRESET [cmake options...]
    local preset=$1
    shift
    local log
    log=$(mktemp)
    local strict=()
    [ "${CI:-}" = true ] && strict=(-DTEAMTOOL_WERROR=ON)
    if ! cmake --preset "$preset" "${strict[@]}" "$@" >"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$log"
        echo "configure failed (preset $preset)" >&2
        exit 1
    fi
    rm -f "$log"
    cmake --build --preset "$preset" -j "$JOBS"
}

WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine wine64 xauth xvfb)

# Wine's server kept running for the whole run: each program started then skips
# Wine's own start-up of some seconds.
wine_ready() {
    export WINEDEBUG=-all
    (wineserver -p >/dev/null 2>&1 &)
    wine cmd /c exit >/dev/null 2>&1 || true
}

windows_qt() {
    TEAMTOOL_QT_MINGW=$(scripts/build-qt-mingw.sh)
    export TEAMTOOL_QT_MINGW
}

# "fuzz 600" runs the team file target, as it did before the orders file had one.
if [ "${1:-}" = fuzz ] && [[ "${2:-}" =~ ^[0-9]+$ ]]; then
    set -- fuzz team_file "$2"
fi

case "${1:-run}" in
run)
    deps
    build default
    exec ./build/teamtool
    ;;
test)
    deps
    build default
    ctest --preset default -j "$JOBS"
    ;;
sanitize)
    deps
    build sanitize
    ctest --preset sanitize -j "$JOBS"
    ;;
coverage)
    # COVERAGE_FLOOR=N fails the run when the program's line coverage is under N percent.
    deps gcovr
    find build-coverage -name '*.gcda' -delete 2>/dev/null || true
    build coverage
    ctest --preset coverage -j "$JOBS"
    scripts/coverage.sh build-coverage "${COVERAGE_FLOOR:-0}"
    ;;
lint)
    deps clang-format-14 clang-tidy-14 reuse
    scripts/lint.sh
    ;;
bench)
    deps xvfb xauth time python3
    build default
    scripts/bench.sh build
    ;;
fuzz)
    deps clang libclang-rt-14-dev
    build fuzz
    target=${2:-team_file}
    seconds=${3:-600}
    case "$target" in
    team_file) seeds=fuzz/corpus ;;
    orders_file) seeds=fuzz/orders-corpus ;;
    season) seeds=fuzz/season-corpus ;;
    *) echo "no fuzz target $target (team_file, orders_file, season)" >&2; exit 2 ;;
    esac
    mkdir -p "build-fuzz/corpus-$target" fuzz/findings
    "./build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=4096 -jobs=1 -workers=1 \
        -artifact_prefix="fuzz/findings/$target-" -dict="fuzz/$target.dict" "build-fuzz/corpus-$target" "$seeds"
    ;;
pages)
    deps
    build default
    ./build/ui/teamtool_render_pages docs
    ./build/ui/teamtool_render_pages docs examples/team.txt
    ./build/ui/teamtool_render_pages --dark docs examples/team.txt
    ;;
package)
    deps dpkg-dev file lintian desktop-file-utils appstream xvfb xauth xdotool imagemagick
    build default
    # Every time stamp in the package is the changelog's date, so that the same sources
    # give the same bytes whenever they are built.
    SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(date -d "$(dpkg-parsechangelog -l desktop/changelog -S Date)" +%s)}
    export SOURCE_DATE_EPOCH
    (cd build && cpack -G DEB >/dev/null)
    deb=$(ls build/teamtool_*_amd64.deb)
    desktop-file-validate build/desktop/*.desktop
    appstreamcli validate --no-net build/desktop/*.metainfo.xml
    lintian --fail-on error "$deb"
    contents=$(dpkg-deb -c "$deb")
    for doc in copyright THIRD-PARTY-NOTICES.txt; do
        grep -q "/usr/share/doc/teamtool/$doc\$" <<<"$contents" || { echo "$deb lacks $doc" >&2; exit 1; }
    done
    scripts/package-smoke.sh "$deb" build/ui/teamtool_render_pages build/package-smoke
    echo "$deb: checked"
    ;;
windows-core-test)
    deps "${WINDOWS_PACKAGES[@]}"
    wine_ready
    build windows-core
    ctest --preset windows-core -j "$JOBS"
    ;;
windows-test)
    deps "${WINDOWS_PACKAGES[@]}"
    windows_qt
    wine_ready
    build windows
    ctest --preset windows -j "$JOBS"
    ;;
windows-package)
    deps "${WINDOWS_PACKAGES[@]}" nsis imagemagick xdotool
    windows_qt
    wine_ready
    build windows
    out=build-windows/package
    rm -rf "$out"
    # CPack installs the program with its DLLs and plugins, then makes both packages.
    cpack --config build-windows/CPackConfig.cmake -B "$out" >/dev/null
    python3 - "$out"/TeamTool-*-windows.zip <<'PY'
import sys, zipfile
names = zipfile.ZipFile(sys.argv[1]).namelist()
for need in ("TeamTool/teamtool.exe", "TeamTool/platforms/qwindows.dll", "TeamTool/Qt6Widgets.dll",
             "TeamTool/Qt6Charts.dll",
             "TeamTool/COPYING.txt", "TeamTool/LGPL-3.0.txt", "TeamTool/THIRD-PARTY-NOTICES.txt"):
    if need not in names:
        sys.exit(f"{sys.argv[1]} lacks {need}")
PY
    scripts/windows-smoke.sh "$out"/TeamTool-*-setup.exe build-windows "$out/smoke"
    ls -la "$out"/*.exe "$out"/*.zip
    ;;
*)
    sed -n 's/^#   //p' "$0"
    exit 2
    ;;
esac
