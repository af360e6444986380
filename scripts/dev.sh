#!/usr/bin/env bash
# One entry point for setting up, building, running and testing TeamTool on Debian 12.
#   scripts/dev.sh run        install what is missing, build, start TeamTool
#   scripts/dev.sh test       install what is missing, build, run every test
#   scripts/dev.sh sanitize   the same tests built with AddressSanitizer and UBSan
#   scripts/dev.sh bench      build and run the benchmarks
#   scripts/dev.sh fuzz [S]   run the team file fuzzer for S seconds (default 600)
#   scripts/dev.sh pages      render the window's pages to docs/ (the README's pictures)
set -euo pipefail
cd "$(dirname "$0")/.."

JOBS=$(nproc)
PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev)

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

build() {  # build DIR [cmake options...]
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$JOBS"
}

case "${1:-run}" in
run)
    deps
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    exec ./build/teamtool
    ;;
test)
    deps
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    ctest --test-dir build --output-on-failure -j "$JOBS"
    ;;
sanitize)
    deps
    build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTEAMTOOL_SANITIZE=ON -DTEAMTOOL_BUILD_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        LSAN_OPTIONS=suppressions="$PWD/scripts/lsan.supp" \
        ctest --test-dir build-sanitize --output-on-failure -j "$JOBS"
    ;;
bench)
    deps hyperfine xvfb xauth time python3
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    scripts/bench.sh build
    ;;
fuzz)
    deps clang libclang-rt-14-dev
    CXX=clang++ build build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTEAMTOOL_FUZZ=ON -DTEAMTOOL_BUILD_UI=OFF \
        -DTEAMTOOL_BUILD_BENCH=OFF -DBUILD_TESTING=OFF
    mkdir -p build-fuzz/corpus fuzz/findings
    ./build-fuzz/fuzz/fuzz_team_file -max_total_time="${2:-600}" -max_len=4096 -jobs=1 -workers=1 \
        -artifact_prefix=fuzz/findings/ -dict=fuzz/team_file.dict build-fuzz/corpus fuzz/corpus
    ;;
pages)
    deps
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    ./build/ui/teamtool_render_pages docs
    ./build/ui/teamtool_render_pages docs examples/team.txt
    ;;
*)
    sed -n '2,9p' "$0"
    exit 2
    ;;
esac
