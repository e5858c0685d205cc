#!/usr/bin/env bash
# Runs the diary benchmarks and prints, per diary size, how far the reader and the writer are from
# the least work any reader or writer must do (BM_ReadFloor, BM_WriteFloor). The writer is also set
# beside BM_WriteSafeBytes, the same bytes through the same synced, atomic write.
#
# usage: bench/ratio.sh [path/to/diary_bench] [more diary_bench options]
set -euo pipefail

bench=${1:-build-bench/bench/diary_bench}
shift || true

json=$(mktemp)
trap 'rm -f "$json"' EXIT
"$bench" --benchmark_filter='^BM_(Read|Write)' --benchmark_format=json "$@" >"$json"

python3 - "$json" <<'PY'
import json
import sys
from collections import defaultdict

to_ms = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
with open(sys.argv[1]) as f:
    runs = json.load(f)["benchmarks"]

# With --benchmark_repetitions the median is used, otherwise the mean of the plain runs.
medians = {r["run_name"]: r for r in runs
           if r.get("run_type") == "aggregate" and r.get("aggregate_name") == "median"}
plain = defaultdict(list)
for r in runs:
    if r.get("run_type", "iteration") == "iteration" and not r.get("error_occurred"):
        plain[r.get("run_name", r["name"])].append(r)

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

def ratio(a, b, i):
    return f"{a[i] / b[i]:7.2f}x" if a and b and b[i] > 0 else "      -"

def ms(t):
    return f"{t[0]:9.2f}" if t else "        -"

sizes = sorted({int(n.split("/")[1]) for n in list(plain) + list(medians) if "/" in n})
print("Ratios of wall time (cpu time in brackets); goal at 100000 days: read <= 5x, write <= 5x floor")
print(f"{'days':>7} | {'read ms':>9} {'floor ms':>9} {'read/floor':>20} | "
      f"{'write ms':>9} {'floor ms':>9} {'write/floor':>20} | {'safe ms':>9} {'write/safe':>20}")
for n in sizes:
    rd, rf = times(f"BM_ReadDiaryFile/{n}"), times(f"BM_ReadFloor/{n}")
    wr, wf = times(f"BM_WriteDiaryFile/{n}"), times(f"BM_WriteFloor/{n}")
    ws = times(f"BM_WriteSafeBytes/{n}")
    print(f"{n:>7} | {ms(rd)} {ms(rf)} {ratio(rd, rf, 0)} ({ratio(rd, rf, 1)}) {'':>1}| "
          f"{ms(wr)} {ms(wf)} {ratio(wr, wf, 0)} ({ratio(wr, wf, 1)}) {'':>1}| "
          f"{ms(ws)} {ratio(wr, ws, 0)} ({ratio(wr, ws, 1)})")
PY
