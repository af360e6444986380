#!/usr/bin/env bash
# Runs every benchmark against the build in $1 (default: build) and prints medians.
# Timing on shared machines is noisy: read the medians, not single runs.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
OUT=$BUILD/bench-results
mkdir -p "$OUT"
export QT_QPA_PLATFORM=offscreen

# Start-up is timed on a real X server (Xvfb): a window is only shown when a display maps it.
echo "== Start-up: process start to the window's first paint on Xvfb, TeamTool against a bare Qt window"
xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
    hyperfine -N --warmup 5 --runs 60 --export-json "$OUT/startup.json" \
    "$BUILD/bench/startup_probe bare" "$BUILD/bench/startup_probe teamtool" >/dev/null
python3 - "$OUT/startup.json" <<'PY'
import json, sys
r = {x["command"].split()[-1]: x["median"] for x in json.load(open(sys.argv[1]))["results"]}
print(f"  bare window median {r['bare']*1000:.1f} ms, TeamTool median {r['teamtool']*1000:.1f} ms, "
      f"ratio {r['teamtool']/r['bare']:.2f} (target at most 1.5)")
PY
for probe in bare teamtool; do
    kib=$( { xvfb-run -a env QT_QPA_PLATFORM=xcb /usr/bin/time -f %M "$BUILD/bench/startup_probe" $probe \
        >/dev/null; } 2>&1 | tail -1)
    echo "  peak memory, $probe: $((kib / 1024)) MiB (target for TeamTool at most 40 MiB)"
done

kib=$( { /usr/bin/time -f %M "$BUILD/bench/window_bench" --benchmark_filter='LoadThroughWindow/100000$' \
    >/dev/null; } 2>&1 | tail -1)
echo "== Peak memory of loading 100,000 players through the window: $((kib / 1024)) MiB (target at most 400 MiB)"

for bench in "$BUILD"/bench/*_bench; do
    [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    "$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
        grep -E '_median|^-|Benchmark' || true
done
