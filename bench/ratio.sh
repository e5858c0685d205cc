#!/usr/bin/env bash
# Runs the diary benchmarks and prints, per diary size, how far the reader and the writer are from
# the least work any reader or writer must do (BM_ReadFloor, BM_WriteFloor). The writer is also set
# beside BM_WriteSafeBytes, the same bytes through the same synced, atomic write.
#
# usage: bench/ratio.sh [path/to/diary_bench] [more diary_bench options]
# Set RATIO_JSON=file to keep the benchmark's JSON output.
set -euo pipefail

bench=${1:-build-bench/bench/diary_bench}
shift || true

json=${RATIO_JSON:-}
if [[ -z $json ]]; then
    json=$(mktemp)
    trap 'rm -f "$json"' EXIT
fi
"$bench" --benchmark_filter='^BM_(Read|Write)' --benchmark_format=json "$@" >"$json"

python3 - "$json" <<'PY'
import json
import sys
from collections import defaultdict

to_ms = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
with open(sys.argv[1]) as f:
    runs = json.load(f)["benchmarks"]

def key(r):
    # "BM_ReadFloor/1000/min_time:2.000" -> "BM_ReadFloor/1000"
    return "/".join(r.get("run_name", r["name"]).split("/")[:2])

# With --benchmark_repetitions the median is used, otherwise the mean of the plain runs.
medians = {key(r): r for r in runs
           if r.get("run_type") == "aggregate" and r.get("aggregate_name") == "median"}
plain = defaultdict(list)
for r in runs:
    if r.get("run_type", "iteration") == "iteration" and not r.get("error_occurred"):
        plain[key(r)].append(r)

def times(name):
    """(wall ms, cpu ms) of one benchmark, or None when it did not run."""
    if name in medians:
        r = medians[name]
        return r["real_time"] * to_ms[r["time_unit"]], r["cpu_time"] * to_ms[r["time_unit"]]
    rs = plain.get(name)
    if not rs:
        return None
    wall = sum(r["real_time"] * to_ms[r["time_unit"]] for r in rs) / len(rs)
    cpu = sum(r["cpu_time"] * to_ms[r["time_unit"]] for r in rs) / len(rs)
    return wall, cpu

def ratio(a, b):
    if not a or not b or b[0] <= 0 or b[1] <= 0:
        return f"{'-':>17}"
    return f"{a[0] / b[0]:7.2f}x ({a[1] / b[1]:6.2f}x)"

def ms(t):
    return f"{t[0]:9.2f}" if t else f"{'-':>9}"

sizes = sorted({int(n.split("/")[1]) for n in list(plain) + list(medians) if "/" in n})
print("Wall-time ratios, cpu-time ratios in brackets. Goal at 100000 days: read and write <= 5x floor.")
print(f"{'days':>7} | {'read ms':>9} {'floor ms':>9} {'read/floor':>17} | "
      f"{'write ms':>9} {'floor ms':>9} {'write/floor':>17} | {'safe ms':>9} {'write/safe':>17}")
for n in sizes:
    rd, rf = times(f"BM_ReadDiaryFile/{n}"), times(f"BM_ReadFloor/{n}")
    wr, wf = times(f"BM_WriteDiaryFile/{n}"), times(f"BM_WriteFloor/{n}")
    ws = times(f"BM_WriteSafeBytes/{n}")
    print(f"{n:>7} | {ms(rd)} {ms(rf)} {ratio(rd, rf)} | {ms(wr)} {ms(wf)} {ratio(wr, wf)} | "
          f"{ms(ws)} {ratio(wr, ws)}")
PY
