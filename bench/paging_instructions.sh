#!/usr/bin/env bash
# Instructions per graph paging step, counted by callgrind: steadier than timing on a busy machine.
# The benchmark runs twice, briefly and for a few seconds; the difference in instructions over the
# difference in steps leaves out what is done once (the 100,000-day sample, fonts, first pictures).
# With --functions, the functions under a step are listed with their share, largest first.
#
#   bench/paging_instructions.sh [build folder] [--functions]     (needs valgrind; a Release build)
set -euo pipefail
build=${1:-build}
functions=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for seconds in 0.01 3; do
    valgrind --tool=callgrind --callgrind-out-file="$work/$seconds.out" --compress-strings=no \
        --toggle-collect='*BM_GraphPagingStep*' \
        "$build/bench/views_bench" --benchmark_filter=GraphPagingStep --benchmark_min_time=$seconds \
        >/dev/null 2>&1
    callgrind_annotate --inclusive=yes "$work/$seconds.out" >"$work/$seconds.txt" 2>/dev/null
done

python3 - "$work" "$functions" <<'EOF'
import re, sys
work, functions = sys.argv[1], sys.argv[2] == "--functions"

def steps(name):
    lines = open(f"{work}/{name}.out").read().splitlines()
    return sum(int(lines[i + 1].split()[0][6:]) for i, line in enumerate(lines)
               if line.startswith("cfn=tarvel::StepGraphPeriod(") and lines[i + 1].startswith("calls="))

def costs(name):
    table = {}
    for line in open(f"{work}/{name}.txt"):
        m = re.match(r"\s*([\d,]+) \([^)]*\)\s+(.*)$", line)
        if m:
            table[m.group(2)[:140]] = int(m.group(1).replace(",", ""))
    return table

short, long = costs("0.01"), costs("3")
count = steps("3") - steps("0.01")
total = (long["PROGRAM TOTALS"] - short["PROGRAM TOTALS"]) / count
print(f"{count} steps; {total / 1e6:.2f} M instructions per paging step")
if functions:
    rows = sorted(((long[k] - short.get(k, 0)) / count, k) for k in long)
    for per_step, name in reversed(rows[-40:]):
        outer = ("benchmark", "PROGRAM TOTALS", "below main", "libc-start", "ld-linux", "???:main ")
        if not any(word in name for word in outer) and per_step > 0.02 * total:
            print(f"{per_step / 1e6:8.2f} M  {name}")
EOF
