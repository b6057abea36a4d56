#!/usr/bin/env python3
"""Prints the benchmark figures of bench/run.sh with their ratios and goals.

Arguments: the JSON outputs of bench_files, bench_startup and bench_windows.
"""
import json
import sys

WINDOWS = [("bookingWindow", "booking window"), ("bookingList", "booking list"),
           ("evaluationWindow", "evaluation window"), ("vehicleList", "vehicle list"),
           ("tyreWindow", "tyre window"), ("taxCalculator", "tax and CO2 calculator"),
           ("residualCalculator", "residual value calculator")]


def load(paths):
    """Runs by benchmark name; of repeated runs only the median, under the plain name."""
    runs = {}
    for path in paths:
        with open(path) as f:
            for run in json.load(f)["benchmarks"]:
                if run.get("run_type") == "aggregate":
                    if run["aggregate_name"] == "median":
                        runs[run["run_name"].split("/")[0] + "_median"] = run
                else:
                    runs[run["run_name"].split("/")[0]] = run
    return runs


def ms(run):
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[run["time_unit"]]
    return run["real_time"] * scale


def verdict(met):
    return "met" if met else "MISSED"


def main():
    runs = load(sys.argv[1:])
    lines = []
    raw, fleet = ms(runs["rawReadOfFleetFiles"]), ms(runs["fleetEvaluation"])
    lines.append(("fleet evaluation, 10 vehicles x 10 000 bookings", f"{fleet:.1f} ms",
                  f"{fleet / raw:.1f}x the raw read ({raw:.1f} ms)", "<= 5x",
                  verdict(fleet <= 5 * raw)))
    lines_ms = ms(runs["decodeFleetFilesIntoLines"])
    lines.append(("  of which decoding the same files into lines", f"{lines_ms:.1f} ms",
                  f"{lines_ms / raw:.1f}x the raw read", "", ""))
    load_ms = ms(runs["loadBookingYear"])
    lines.append(("load a booking year of 10 000 lines", f"{load_ms:.1f} ms", "", "", ""))
    save = ms(runs["saveBookingYear_median"])
    lines.append(("save a booking year of 10 000 lines (median)", f"{save:.1f} ms",
                  f"{save / 20:.2f}x the goal", "< 20 ms", verdict(save < 20)))
    bare, program = ms(runs["startBareWindow"]), ms(runs["startProgram"])
    lines.append(("start-up to the vehicle window shown", f"{program:.0f} ms",
                  f"{program / bare:.2f}x a bare Qt window ({bare:.0f} ms)", "<= 2x",
                  verdict(program <= 2 * bare)))
    for name, caption in WINDOWS:
        t = ms(runs[name])
        lines.append((f"open the {caption}", f"{t:.1f} ms", f"{t / 50:.2f}x the goal",
                      "< 50 ms", verdict(t < 50)))
    peak = runs["peakMemory"]["peak_MiB"]
    lines.append(("peak memory, every window opened once", f"{peak:.1f} MiB",
                  f"{peak / 80:.2f}x the goal", "< 80 MB", verdict(peak * 1.048576 < 80)))
    widths = [max(len(line[i]) for line in lines) for i in range(5)]
    for line in lines:
        print("  ".join(cell.ljust(width) for cell, width in zip(line, widths)).rstrip())


if __name__ == "__main__":
    main()
