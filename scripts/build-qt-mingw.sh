#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The TeamTool developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Qt's base module for Windows (MinGW-w64, x86_64, posix threads) from Debian's
# own source package of the Qt that Debian ships, with Debian's Qt as the host tools,
# and only what TeamTool needs: Core, Gui, Widgets, Test, the windows and offscreen
# platform plugins and the Windows styles; then Qt Charts into the same folder, drawn
# with QPainter (no OpenGL). The result goes into a cache folder keyed on the Qt
# version and these options, and is reused while it is there; Qt Charts has a key of
# its own, so a cached base module is kept when only Charts is to be built.
#   scripts/build-qt-mingw.sh [--qtcharts-source ARCHIVE]
#                                        prints the cache folder, building what is missing first
#   scripts/build-qt-mingw.sh --cached   prints it when all of it is there already; fails otherwise
# Qt Charts comes from Debian's source package qt6-charts when `apt-get source` can fetch
# it, otherwise from ARCHIVE (or $TEAMTOOL_QTCHARTS_SOURCE): Qt's own
# qtcharts-everywhere-src-<version>.tar.xz, whose SHA-256 must be the one below.
set -euo pipefail
cd "$(dirname "$0")/.."

CHARTS_ARCHIVE=${TEAMTOOL_QTCHARTS_SOURCE:-}
CACHED_ONLY=false
while [ $# -gt 0 ]; do
    case "$1" in
    --cached) CACHED_ONLY=true ;;
    --qtcharts-source) CHARTS_ARCHIVE=$2; shift ;;
    *) echo "build-qt-mingw.sh: unknown option $1" >&2; exit 2 ;;
    esac
    shift
done
# Qt Charts 6.4.2 from Qt's repository, tag v6.4.2 (commit 445119bc), as git archive makes it.
CHARTS_SHA256=e3686c776025ca22f2a3a31d6940a06089502854a50c6d46648aa7cb05e0fa07

QT_VERSION=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null | sed 's/[+-].*//' || true)
QT_VERSION=${QT_VERSION:-6.4.2}
OPTIONS=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_dbus=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
    # Direct2D off entirely breaks the 6.4 link; only its 1.1 backend goes.
    -DFEATURE_direct2d1_1=OFF
    # Debian's repacked source leaves out the Wintab headers tablet events need.
    -DFEATURE_tabletevent=OFF
)
CHARTS_OPTIONS=(-DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF)
KEY=$(printf '%s\n' "$QT_VERSION" "${OPTIONS[@]}" "$(cat cmake/mingw-w64-x86_64.cmake)" | sha256sum | cut -c1-10)
CHARTS_KEY=$(printf '%s\n' "$KEY" "${CHARTS_OPTIONS[@]}" | sha256sum | cut -c1-10)
CACHE=${TEAMTOOL_CACHE:-$HOME/.cache/teamtool}
PREFIX=$CACHE/qt-$QT_VERSION-mingw-$KEY
BASE_DONE=$PREFIX/.complete
CHARTS_DONE=$PREFIX/.complete-charts-$CHARTS_KEY
if [ -f "$BASE_DONE" ] && [ -f "$CHARTS_DONE" ]; then
    echo "$PREFIX"
    exit 0
fi
$CACHED_ONLY && exit 1

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
packages=(g++-mingw-w64-x86-64-posix dpkg-dev cmake ninja-build qt6-base-dev qt6-base-dev-tools)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# Source packages: the same archive as the binary ones, as deb-src.
if ! grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            $sudo tee /etc/apt/sources.list.d/teamtool-deb-src.sources >/dev/null
    else
        grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
            $sudo tee /etc/apt/sources.list.d/teamtool-deb-src.list >/dev/null
    fi
    missing+=(update-only)
fi
if [ ${#missing[@]} -gt 0 ]; then
    $sudo apt-get update -qq >&2
    real=()
    for p in "${missing[@]}"; do [ "$p" != update-only ] && real+=("$p"); done
    [ ${#real[@]} -gt 0 ] && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${real[@]}" >/dev/null
fi

build_base() {
    local work=$CACHE/work-qt-$QT_VERSION-$KEY
    rm -rf "$work"
    mkdir -p "$work"
    (cd "$work" && apt-get source -qq --download-only qt6-base >&2 && dpkg-source -x ./qt6-base_*.dsc src >&2)
    echo "Building Qt $QT_VERSION for MinGW-w64 into $PREFIX (about half an hour on two cores)" >&2
    cmake -G Ninja -S "$work/src" -B "$work/build" \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DCMAKE_INSTALL_PREFIX="$PREFIX" \
        "${OPTIONS[@]}" >"$work/configure.log" 2>&1 || { tail -50 "$work/configure.log" >&2; exit 1; }
    cmake --build "$work/build" -j "$(nproc)" >"$work/build.log" 2>&1 || { tail -50 "$work/build.log" >&2; exit 1; }
    cmake --install "$work/build" >"$work/install.log" 2>&1
    # Which source it was built from, for the Windows packages' notices.
    local dsc
    dsc=$(cd "$work" && ls qt6-base_*.dsc)
    dsc=${dsc#qt6-base_}
    echo "Debian's source package qt6-base, version ${dsc%.dsc}" >"$PREFIX/debian-source.txt"
    touch "$BASE_DONE"
    rm -rf "$work"
}

# Qt Charts' source into $1/src, and a line for the notices of where it came from.
fetch_charts() {
    local work=$1
    if (cd "$work" && apt-get source -qq --download-only qt6-charts >/dev/null 2>&1 &&
        dpkg-source -x ./qt6-charts_*.dsc src >&2); then
        local dsc
        dsc=$(cd "$work" && ls qt6-charts_*.dsc)
        dsc=${dsc#qt6-charts_}
        echo "Debian's source package qt6-charts, version ${dsc%.dsc}" >"$work/source.txt"
        return
    fi
    if [ -z "$CHARTS_ARCHIVE" ]; then
        echo "Qt Charts: Debian's source package qt6-charts cannot be fetched here; name Qt's source archive" \
            "with --qtcharts-source ARCHIVE or TEAMTOOL_QTCHARTS_SOURCE" >&2
        exit 1
    fi
    local sum
    sum=$(sha256sum "$CHARTS_ARCHIVE" | cut -d' ' -f1)
    if [ "$sum" != "$CHARTS_SHA256" ]; then
        echo "Qt Charts: $CHARTS_ARCHIVE has SHA-256 $sum, not $CHARTS_SHA256" >&2
        exit 1
    fi
    mkdir -p "$work/src"
    tar -xJf "$CHARTS_ARCHIVE" -C "$work/src" --strip-components=1
    echo "$(basename "$CHARTS_ARCHIVE") (SHA-256 $CHARTS_SHA256), Qt's own source archive of Qt Charts" \
        "$QT_VERSION, made from the tag v$QT_VERSION of https://code.qt.io/qt/qtcharts.git" >"$work/source.txt"
}

build_charts() {
    local work=$CACHE/work-qtcharts-$QT_VERSION-$CHARTS_KEY
    rm -rf "$work"
    mkdir -p "$work"
    fetch_charts "$work"
    echo "Building Qt Charts $QT_VERSION for MinGW-w64 into $PREFIX (a few minutes on two cores)" >&2
    # Qt's own toolchain file for its prefix, chained to this project's MinGW one.
    cmake -G Ninja -S "$work/src" -B "$work/build" \
        -DCMAKE_TOOLCHAIN_FILE="$PREFIX/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$PREFIX" "${CHARTS_OPTIONS[@]}" >"$work/configure.log" 2>&1 ||
        { tail -50 "$work/configure.log" >&2; exit 1; }
    cmake --build "$work/build" -j "$(nproc)" >"$work/build.log" 2>&1 || { tail -50 "$work/build.log" >&2; exit 1; }
    cmake --install "$work/build" >"$work/install.log" 2>&1
    cp "$work/source.txt" "$PREFIX/qtcharts-source.txt"
    touch "$CHARTS_DONE"
    rm -rf "$work"
}

[ -f "$BASE_DONE" ] || build_base
[ -f "$CHARTS_DONE" ] || build_charts
echo "$PREFIX"
