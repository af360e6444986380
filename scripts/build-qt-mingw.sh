#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The TeamTool developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Qt's base module for Windows (MinGW-w64, x86_64, posix threads) from Debian's
# own source package of the Qt that Debian ships, with Debian's Qt as the host tools,
# and only what TeamTool needs: Core, Gui, Widgets, Test, the windows and offscreen
# platform plugins and the Windows styles. The result goes into a cache folder keyed
# on the Qt version and these options, and is reused while it is there:
#   scripts/build-qt-mingw.sh            prints the cache folder, building it first if need be
#   scripts/build-qt-mingw.sh --cached   prints it when it is there already; fails otherwise
set -euo pipefail
cd "$(dirname "$0")/.."

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
KEY=$(printf '%s\n' "$QT_VERSION" "${OPTIONS[@]}" "$(cat cmake/mingw-w64-x86_64.cmake)" | sha256sum | cut -c1-10)
CACHE=${TEAMTOOL_CACHE:-$HOME/.cache/teamtool}
PREFIX=$CACHE/qt-$QT_VERSION-mingw-$KEY
if [ -f "$PREFIX/.complete" ]; then
    echo "$PREFIX"
    exit 0
fi
[ "${1:-}" = --cached ] && exit 1

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

WORK=$CACHE/work-qt-$QT_VERSION-$KEY
rm -rf "$WORK"
mkdir -p "$WORK"
(cd "$WORK" && apt-get source -qq --download-only qt6-base >&2 && dpkg-source -x ./qt6-base_*.dsc src >&2)
echo "Building Qt $QT_VERSION for MinGW-w64 into $PREFIX (about half an hour on two cores)" >&2
cmake -G Ninja -S "$WORK/src" -B "$WORK/build" \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DCMAKE_INSTALL_PREFIX="$PREFIX" \
    "${OPTIONS[@]}" >"$WORK/configure.log" 2>&1 || { tail -50 "$WORK/configure.log" >&2; exit 1; }
cmake --build "$WORK/build" -j "$(nproc)" >"$WORK/build.log" 2>&1 || { tail -50 "$WORK/build.log" >&2; exit 1; }
cmake --install "$WORK/build" >"$WORK/install.log" 2>&1
# Which source it was built from, for the Windows packages' notices.
dsc=$(cd "$WORK" && ls qt6-base_*.dsc)
dsc=${dsc#qt6-base_}
echo "Debian's source package qt6-base, version ${dsc%.dsc}" >"$PREFIX/debian-source.txt"
touch "$PREFIX/.complete"
rm -rf "$WORK"
echo "$PREFIX"
