#!/usr/bin/env python3
"""Runs every benchmark program (*_bench) under BUILD_DIR/bench and prints one
table: each benchmark's wall and CPU time per iteration and all its counters;
with --web, the web build's figures in headless Chromium too (bench/web).

Usage: run-benchmarks.py [BUILD_DIR] [--web WEB_DIR [--web-runs N] [--web-required]]
                         [BENCHMARK_ARGS...]
Further arguments go to every benchmark program, e.g. --benchmark_filter=Draw.
--web-runs is the number of visits and slides the web figures take (see
web/web-bench.js); where the web build, Node, the driver's npm packages or Chromium are
missing, the web rows are skipped with a line that says so, or fail with
--web-required. Exits non-zero if a program fails or a benchmark reports an error.
"""

import argparse
import json
import os
import shutil
import subprocess
import sys
from pathlib import Path

WEB_BENCH = Path(__file__).resolve().parent / "web" / "web-bench.js"

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
        if abs(ns) >= NANOSECONDS[name]:
            return f"{ns / NANOSECONDS[name]:.4g} {name}"
    return f"{ns:.4g} ns"


def format_counter(value):
    if float(value).is_integer():
        return str(int(value))
    for suffix, scale in (("G", 1e9), ("M", 1e6), ("k", 1e3)):
        if abs(value) >= scale:
            return f"{value / scale:.4g}{suffix}"
    return f"{value:.4g}"


def format_counters(counters):
    return ", ".join(f"{name}={format_counter(value)}" for name, value in counters)


def note_row(label, text):
    return [label, "", text, "", "", ""]


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
        return [note_row(label, f"failed (exit code {run.returncode})")], False
    rows, ok = [], True
    for b in benchmarks:
        counters = format_counters((k, v) for k, v in b.items()
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


def web_rows(web_dir, runs, required):
    """Runs the web build's benchmarks; returns their table rows and whether they succeeded."""
    label = "web (Chromium)"
    node = shutil.which("node") or shutil.which("nodejs")
    if node is None:
        result = {"skipped": "no Node (make test-browsers)"}
    else:
        runs_args = [] if runs is None else ["--runs", str(runs)]
        run = subprocess.run([node, str(WEB_BENCH), "--root", str(web_dir), *runs_args],
                             stdout=subprocess.PIPE, text=True)
        try:
            result = json.loads(run.stdout)
        except json.JSONDecodeError:
            result = {}
        if run.returncode != 0 or not ("rows" in result or "skipped" in result):
            return [note_row(label, f"failed (exit code {run.returncode})")], False
    if "skipped" in result:
        return [note_row(label, "skipped: " + result["skipped"])], not required
    rows = []
    for r in result["rows"]:
        spread = [f"{end}={format_time(r[end + 'Ms'], 'ms')}" for end in ("min", "max") if end + "Ms" in r]
        counters = ", ".join(filter(None, [*spread, format_counters(r.get("counters", {}).items())]))
        rows.append([label, r["benchmark"],
                     format_time(r["timeMs"], "ms") if "timeMs" in r else "",
                     format_time(r["cpuMs"], "ms") if "cpuMs" in r else "",
                     str(r.get("iterations", "")), counters])
    return rows, True


def print_table(header, rows):
    widths = [max(len(r[i]) for r in [header, *rows]) for i in range(len(header))]
    for i, row in enumerate([header, *rows]):
        print("  ".join(cell.ljust(w) for cell, w in zip(row, widths)).rstrip())
        if i == 0:
            print("  ".join("-" * w for w in widths))


def main():
    parser = argparse.ArgumentParser(add_help=False, allow_abbrev=False)
    parser.add_argument("build_dir", nargs="?", default="build", type=Path)
    parser.add_argument("--web", type=Path)
    parser.add_argument("--web-runs", type=int)
    parser.add_argument("--web-required", action="store_true")
    args, benchmark_args = parser.parse_known_args()
    bench_dir = args.build_dir / "bench"
    programs = find_programs(bench_dir)
    if not programs:
        sys.exit(f"run-benchmarks: no *_bench programs under {bench_dir}")
    rows, ok = [], True
    for program in programs:
        print(f"running {program.relative_to(bench_dir)} ...", file=sys.stderr, flush=True)
        program_rows, program_ok = rows_of(program, bench_dir, benchmark_args)
        rows += program_rows
        ok = ok and program_ok
    if args.web is not None:
        print("running the web build in Chromium ...", file=sys.stderr, flush=True)
        web, web_ok = web_rows(args.web, args.web_runs, args.web_required)
        rows += web
        ok = ok and web_ok
    print_table(["program", "benchmark", "time/iter", "CPU/iter", "iterations", "counters"], rows)
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
