#!/usr/bin/env bash
# Runs the import benchmark and prints how far the import of a 100,000-record Apple Health export is
# from the least work a streaming reader of the same bytes must do (BM_ImportFloor).
#
# usage: bench/import_ratio.sh [path/to/import_bench] [more import_bench options]
set -euo pipefail

bench=${1:-build-bench/bench/import_bench}
shift || true
json=$(mktemp)
trap 'rm -f "$json"' EXIT
"$bench" --benchmark_format=json "$@" >"$json"

python3 - "$json" <<'PY'
import json
import sys

to_ms = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
runs = [r for r in json.load(open(sys.argv[1]))["benchmarks"]
        if r.get("run_type", "iteration") == "iteration" and not r.get("error_occurred")]

def wall(prefix):
    rs = [r for r in runs if r["name"].startswith(prefix)]
    return sum(r["real_time"] * to_ms[r["time_unit"]] for r in rs) / len(rs) if rs else None

imported, floor = wall("BM_ImportAppleHealth/"), wall("BM_ImportFloor/")
if not imported or not floor:
    sys.exit("a benchmark did not run")
print(f"records 100000 | import {imported:9.2f} ms | floor {floor:9.2f} ms | import/floor {imported / floor:6.2f}x")
PY
