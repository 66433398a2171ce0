#!/usr/bin/python3
"""Cost of the Python array call per state beyond the library function itself.

For 10^6 NumPy states it times varnexa.call (broadcasting checks, output arrays, one C array
call) against the bare C array call with its outputs allocated once (alternating, in this process),
and, when bench_capi of the release build is there, against the function alone: the same states
computed by the exported library function in a plain C loop (BM_Alone_*). Times are CPU times, the
best of several repetitions. On a busy machine the C loop measured in another process varies by
more than the overhead itself; "python adds" is the steadier figure, and bench_capi's BM_Array_*
against BM_Alone_* gives the rest.

    PYTHONPATH=python python3 bench/bench_python_array_call.py [--c-bench build/release/bench/bench_capi]
"""
import argparse
import ctypes
import json
import os
import subprocess
import time

import numpy as np

import varnexa

STATES = 10**6
TARGET_NS = 30.0


def best_cpu_ns_per_state(runs, repetitions):
    """Best CPU time per state of each run; the runs alternate, so a change in the machine's load
    touches them alike."""
    best = [float("inf")] * len(runs)
    for _ in range(repetitions):
        for k, run in enumerate(runs):
            start = time.process_time_ns()
            run()
            best[k] = min(best[k], (time.process_time_ns() - start) / STATES)
    return best


def raw_array_call(name, states):
    """The C array call alone, outputs allocated once: what varnexa.call adds is the rest."""
    handle = varnexa.function(name)._handle
    values, codes = np.empty(STATES), np.empty(STATES, dtype=np.int32)
    pointers = (ctypes.c_void_p * len(states))(*[a.ctypes.data for a in states])
    lib = varnexa._clib.lib
    return lambda: lib.varnexa_call_array(handle, STATES, pointers, None, values.ctypes.data,
                                          codes.ctypes.data, None, 0)


def function_alone_ns(c_bench):
    """ns per state of each function alone, from bench_capi's BM_Alone_* benchmarks."""
    out = subprocess.run(
        [c_bench, "--benchmark_filter=Alone", "--benchmark_format=json",
         "--benchmark_repetitions=3", "--benchmark_report_aggregates_only=true"],
        check=True, capture_output=True, text=True).stdout
    alone = {}
    for b in json.loads(out)["benchmarks"]:
        if b.get("aggregate_name") == "median":
            # The JSON holds the inverted rate in seconds per state.
            alone[b["run_name"].replace("BM_Alone_", "")] = b["ns_per_state"] * 1e9
    return alone


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    here = os.path.dirname(os.path.abspath(__file__))
    parser.add_argument("--c-bench", default=os.path.join(here, "..", "build", "release", "bench", "bench_capi"))
    parser.add_argument("--repetitions", type=int, default=7)
    args = parser.parse_args()

    # The states bench_capi uses: p 1 .. 100 bar(a), t 150 .. 400 °C; t 1 .. 370 °C for PsatT.
    fraction = np.arange(STATES) / (STATES - 1)
    p, t, tsat = 1.0 + 99.0 * fraction, 150.0 + 250.0 * fraction, 1.0 + 369.0 * fraction
    cases = {"PsatT": ("KX_WS_IF97_PsatT", (tsat,)), "HPT": ("KX_WS_IF97_HPT", (p, t))}

    alone = function_alone_ns(args.c_bench) if os.path.exists(args.c_bench) else {}
    print(f"library: {varnexa.library_path}")
    print("ns per state (CPU time)   python call   C array call   python adds   function alone"
          "   python - alone")
    for short, (name, states) in cases.items():
        values, codes = varnexa.call(name, *states)
        assert not codes.any(), f"{name}: a state failed"
        python_ns, array_ns = best_cpu_ns_per_state(
            [lambda: varnexa.call(name, *states), raw_array_call(name, states)], args.repetitions)
        line = f"{name:<25} {python_ns:12.1f} {array_ns:14.1f} {python_ns - array_ns:13.2f}"
        if short in alone:
            overhead = python_ns - alone[short]
            verdict = "ok" if overhead <= TARGET_NS else f"above {TARGET_NS:.0f} ns"
            line += f" {alone[short]:16.1f} {overhead:16.1f}  {verdict}"
        print(line)


if __name__ == "__main__":
    main()
