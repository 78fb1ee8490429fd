#!/usr/bin/env python3
"""Runs every benchmark program (*_bench) under BUILD_DIR/bench and prints one
table: each benchmark's wall and CPU time per iteration and all its counters.

Usage: run-benchmarks.py [BUILD_DIR] [BENCHMARK_ARGS...]
Further arguments go to every benchmark program, e.g. --benchmark_filter=Draw.
Exits non-zero if a program fails or a benchmark reports an error.
"""

import json
import os
import subprocess
import sys
from pathlib import Path

# Fields of Google Benchmark's JSON report that are not counters.
REPORT_FIELDS = {
    "name", "family_index", "per_family_instance_index", "run_name", "run_type",
    "repetitions", "repetition_index", "threads", "iterations", "real_time",
    "cpu_time", "time_unit", "aggregate_name", "aggregate_unit", "label",
    "error_occurred", "error_message",
}
NANOSECONDS = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}


def find_programs(bench_dir):
    return sorted(p for p in bench_dir.rglob("*_bench")
                  if p.is_file() and os.access(p, os.X_OK))


def format_time(value, unit):
    ns = value * NANOSECONDS[unit]
    for name in ("s", "ms", "us"):
        if ns >= NANOSECONDS[name]:
            return f"{ns / NANOSECONDS[name]:.4g} {name}"
    return f"{ns:.4g} ns"


def format_counter(value):
    if float(value).is_integer():
        return str(int(value))
    for suffix, scale in (("G", 1e9), ("M", 1e6), ("k", 1e3)):
        if abs(value) >= scale:
            return f"{value / scale:.4g}{suffix}"
    return f"{value:.4g}"


def rows_of(program, bench_dir, args):
    """Runs one program; returns its table rows and whether it succeeded."""
    run = subprocess.run([str(program), "--benchmark_format=json", *args],
                         capture_output=True, text=True)
    label = str(program.relative_to(bench_dir))
    try:
        benchmarks = json.loads(run.stdout)["benchmarks"]
    except (json.JSONDecodeError, KeyError):
        benchmarks = []
    if run.returncode != 0 or not benchmarks:
        sys.stderr.write(run.stderr)
        return [[label, "", f"failed (exit code {run.returncode})", "", "", ""]], False
    rows, ok = [], True
    for b in benchmarks:
        counters = ", ".join(f"{k}={format_counter(v)}" for k, v in b.items()
                             if k not in REPORT_FIELDS and isinstance(v, (int, float)))
        if b.get("label"):
            counters = ", ".join(filter(None, [b["label"], counters]))
        if b.get("error_occurred"):
            ok = False
            rows.append([label, b["name"], "error: " + b.get("error_message", ""), "", "", ""])
            continue
        unit = b["time_unit"]
        rows.append([label, b["name"], format_time(b["real_time"], unit),
                     format_time(b["cpu_time"], unit), str(b["iterations"]), counters])
    return rows, ok


def print_table(header, rows):
    widths = [max(len(r[i]) for r in [header, *rows]) for i in range(len(header))]
    for i, row in enumerate([header, *rows]):
        print("  ".join(cell.ljust(w) for cell, w in zip(row, widths)).rstrip())
        if i == 0:
            print("  ".join("-" * w for w in widths))


def main():
    build_dir = Path(sys.argv[1] if len(sys.argv) > 1 else "build")
    bench_dir = build_dir / "bench"
    programs = find_programs(bench_dir)
    if not programs:
        sys.exit(f"run-benchmarks: no *_bench programs under {bench_dir}")
    rows, ok = [], True
    for program in programs:
        print(f"running {program.relative_to(bench_dir)} ...", file=sys.stderr, flush=True)
        program_rows, program_ok = rows_of(program, bench_dir, sys.argv[2:])
        rows += program_rows
        ok = ok and program_ok
    print_table(["program", "benchmark", "time/iter", "CPU/iter", "iterations", "counters"], rows)
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
