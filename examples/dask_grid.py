#!/usr/bin/python3
"""A property grid of 10^8 states (10000 pressures x 10000 temperatures by default) computed in
chunks by Dask, on a cluster of local worker processes or on any Dask cluster.

    python3 examples/dask_grid.py                                # local cluster, all cores
    python3 examples/dask_grid.py --workers 2 --points 1e6       # a smaller grid
    python3 examples/dask_grid.py --scheduler tcp://10.0.0.5:8786  # an existing cluster

Each task computes one chunk with a single array call of the C library; states a function
cannot compute become NaN. Only the summary (valid states, minimum, maximum, mean) travels back
to this process; --output DIR also writes the whole grid as a stack of .npy files (on a
multi-machine cluster DIR must be a folder every worker can write).

Every worker must be able to `import varnexa`: on this machine the workers inherit this
process's environment (PYTHONPATH, VARNEXA_LIBRARY); on other machines install the module there
(`pip install --no-build-isolation .` in a built checkout) or set PYTHONPATH and VARNEXA_LIBRARY.
"""
import argparse
import math
import time

import dask
import dask.array as da
import numpy as np


def property_block(p, t, function):
    """One chunk: the function at every (p, t) of the block, NaN where it fails."""
    import varnexa  # imported on the worker

    values, codes = varnexa.call(function, p, t)
    values[codes != 0] = np.nan
    return values


def property_grid(function, pressures, temperatures, chunk):
    """A lazy 2-D Dask array of the function over pressures (rows) x temperatures (columns), in
    chunks of chunk x chunk states."""
    p = da.from_array(np.asarray(pressures, dtype=np.float64), chunks=chunk)[:, None]
    t = da.from_array(np.asarray(temperatures, dtype=np.float64), chunks=chunk)[None, :]
    # map_blocks keeps "name" for itself: the function name travels as "function".
    return da.map_blocks(property_block, p, t, function=function, dtype=np.float64,
                         meta=np.empty((0, 0), dtype=np.float64))


def summary(grid):
    """Valid states, minimum, maximum and mean of a grid, computed where the chunks are."""
    valid = da.isfinite(grid).sum()
    return dask.compute(valid, da.nanmin(grid), da.nanmax(grid), da.nanmean(grid))


def connect(scheduler, workers, threads_per_worker):
    """A client of the cluster at the scheduler address, or of a new local cluster of worker
    processes."""
    from distributed import Client, LocalCluster

    if scheduler:
        return Client(scheduler)
    cluster = LocalCluster(n_workers=workers, threads_per_worker=threads_per_worker,
                           processes=True, dashboard_address=None)
    return Client(cluster)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--scheduler", help="address of a running Dask scheduler")
    parser.add_argument("--workers", type=int, default=None,
                        help="local worker processes (default: one per core)")
    parser.add_argument("--threads-per-worker", type=int, default=1)
    parser.add_argument("--points", type=float, default=1e8, help="states in the grid")
    parser.add_argument("--chunk", type=int, default=1000, help="states per chunk side")
    parser.add_argument("--function", default="KX_WS_IF97_HPT",
                        help="a function of pressure and temperature")
    parser.add_argument("--pressure", type=float, nargs=2, default=(0.01, 1000.0),
                        metavar=("MIN", "MAX"), help="bar(a)")
    parser.add_argument("--temperature", type=float, nargs=2, default=(0.0, 2000.0),
                        metavar=("MIN", "MAX"), help="°C")
    parser.add_argument("--output", help="folder for the whole grid as .npy files")
    args = parser.parse_args()

    side = int(round(math.sqrt(args.points)))
    pressures = np.geomspace(*args.pressure, side)
    temperatures = np.linspace(*args.temperature, side)
    with connect(args.scheduler, args.workers, args.threads_per_worker) as client:
        print(f"cluster: {len(client.scheduler_info()['workers'])} workers, "
              f"dashboard {client.dashboard_link}")
        grid = property_grid(args.function, pressures, temperatures, args.chunk)
        start = time.perf_counter()
        valid, low, high, mean = summary(grid)
        seconds = time.perf_counter() - start
        print(f"{args.function} on {side} x {side} = {side * side:.3g} states in "
              f"{grid.numblocks[0] * grid.numblocks[1]} chunks: {seconds:.1f} s, "
              f"{seconds / (side * side) * 1e9:.0f} ns per state")
        print(f"valid {valid}, min {low:.6g}, max {high:.6g}, mean {mean:.6g}")
        if args.output:
            da.to_npy_stack(args.output, grid, axis=0)
            print(f"grid written to {args.output}")


if __name__ == "__main__":
    main()
