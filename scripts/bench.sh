#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The TeamTool developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs every benchmark against the build in $1 (default: build) and prints medians.
# Timing on shared machines is noisy: read the medians, not single runs.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
OUT=$BUILD/bench-results
mkdir -p "$OUT"
export QT_QPA_PLATFORM=offscreen

# Start-up is timed on a real X server (Xvfb): a window is only shown when a display maps it.
# Two floors: an empty Qt window, and the same window with one line of text, which is
# what makes Qt load the system's fonts, as any window with text must.
# A third probe starts TeamTool on a team file, as Open With does, and times it until the
# loaded window is painted: the file kept in a season of its own (a throwaway data
# folder) and compared with last week's, kept there before the runs.
SEASON=$(mktemp -d)
trap 'rm -rf "$SEASON"' EXIT
export XDG_DATA_HOME=$SEASON/data XDG_CONFIG_HOME=$SEASON/config
cp examples/team.txt "$SEASON/last-week.txt"
# This week: the goalkeeper's NSL up, the cash and the attendance other figures.
sed -e 's/^Ashworth,28,GK,19.3,/Ashworth,28,GK,19.8,/' -e '1s/254300.50,3,5,11250/251800.50,3,5,11410/' \
    examples/team.txt >"$SEASON/RDV.txt"
xvfb-run -a env QT_QPA_PLATFORM=xcb "$BUILD/bench/startup_probe" teamtool "$SEASON/last-week.txt"
echo "== Start-up: process start to the window's first paint on Xvfb, side by side (median of 60 runs each)"
# The probes take turns, one run of each in every round, so that the machine's drift over
# a minute (another job, the X server's own state) weighs on each alike.
xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb python3 - "$OUT/startup.json" \
    "$BUILD/bench/startup_probe bare" "$BUILD/bench/startup_probe text" "$BUILD/bench/startup_probe teamtool" \
    "$BUILD/bench/startup_probe teamtool $SEASON/RDV.txt" <<'PY'
import json, statistics, subprocess, sys, time
commands = sys.argv[2:]
times = {c: [] for c in commands}
for round in range(5 + 60):  # five rounds of warm-up
    for command in commands:
        start = time.perf_counter()
        subprocess.run(command.split(), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        if round >= 5:
            times[command].append(time.perf_counter() - start)
json.dump({"results": [{"command": c, "median": statistics.median(t), "times": t} for c, t in times.items()]},
          open(sys.argv[1], "w"))
PY
[ "$(find "$SEASON/data" -type f | wc -l)" = 2 ] || { echo "the start-up probe kept no season" >&2; exit 1; }
python3 - "$OUT/startup.json" <<'PY'
import json, sys
r = {("file" if x["command"].endswith(".txt") else x["command"].split()[-1]): x["median"]
     for x in json.load(open(sys.argv[1]))["results"]}
print(f"  empty window {r['bare']*1000:.1f} ms, window with text {r['text']*1000:.1f} ms, "
      f"TeamTool {r['teamtool']*1000:.1f} ms, TeamTool on a team file, loaded, kept and compared "
      f"{r['file']*1000:.1f} ms")
print(f"  TeamTool / empty window {r['teamtool']/r['bare']:.2f}, TeamTool / window with text "
      f"{r['teamtool']/r['text']:.2f} (target at most 1.15)")
print(f"  TeamTool on a team file / window with text {r['file']/r['text']:.2f} (target at most 1.25)")
PY
for probe in bare text teamtool; do
    kib=$( { xvfb-run -a env QT_QPA_PLATFORM=xcb /usr/bin/time -f %M "$BUILD/bench/startup_probe" $probe \
        >/dev/null; } 2>&1 | tail -1)
    echo "  peak memory, $probe: $((kib / 1024)) MiB (target for TeamTool at most 35 MiB)"
done

# Peak memory of one load through the window, the window's own memory included.
for players in 100000 1000000; do
    kib=$( { /usr/bin/time -f %M "$BUILD/bench/window_bench" --benchmark_filter="LoadThroughWindow/$players(/|\$)" \
        >/dev/null; } 2>&1 | tail -1)
    target=$([ "$players" = 100000 ] && echo 80 || echo 600)
    echo "== Peak memory of loading $players players through the window: $((kib / 1024)) MiB (target at most $target MiB)"
done

for bench in "$BUILD"/bench/*_bench; do
    [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    "$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
        tee "$OUT/$(basename "$bench").txt" | grep -E '_median|^-|Benchmark' || true
done

# Loading grows with the file, not faster: from 100,000 players to 1,000,000.
python3 - "$OUT/window_bench.txt" <<'PY'
import re, sys
ms = {}
for line in open(sys.argv[1]):
    m = re.match(r"BM_LoadThroughWindow/(\d+)(?:/iterations:\d+)?_median\s+([\d.]+) ms", line)
    if m:
        ms[int(m.group(1))] = float(m.group(2))
if 100000 in ms and 1000000 in ms:
    print(f"== Load through the window: 100,000 players {ms[100000]:.0f} ms (target at most 100), "
          f"1,000,000 players {ms[1000000]:.0f} ms (target at most 1500), growth {ms[1000000]/ms[100000]:.1f} "
          f"times (target at most 11)")
PY
