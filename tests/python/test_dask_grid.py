"""The Dask grid example on two local worker processes gives exactly the direct call."""
import numpy as np
import pytest

import varnexa

# The Debian distributed release still calls a deprecated tornado function at start-up.
pytestmark = [pytest.mark.dask, pytest.mark.filterwarnings("ignore::DeprecationWarning")]

dask_grid = pytest.importorskip("dask_grid")
pytest.importorskip("distributed")


def test_grid_on_two_workers_equals_the_direct_call():
    # Liquid, steam, supercritical and out-of-range states (above 1000 bar, above 2000 °C) in
    # uneven chunks, so the last chunk of each axis is a short one.
    pressures = np.geomspace(0.01, 1500.0, 37)
    temperatures = np.linspace(-10.0, 2200.0, 53)
    with dask_grid.connect(None, workers=2, threads_per_worker=1) as client:
        assert len(client.scheduler_info()["workers"]) == 2
        grid = dask_grid.property_grid("KX_WS_IF97_HPT", pressures, temperatures, chunk=16)
        assert grid.numblocks == (3, 4)
        computed = grid.compute()
        valid, low, high, mean = dask_grid.summary(grid)

    values, codes = varnexa.call("KX_WS_IF97_HPT", pressures[:, None], temperatures[None, :])
    expected = np.where(codes == 0, values, np.nan)
    np.testing.assert_array_equal(computed, expected)
    assert 0 < valid < expected.size
    assert valid == np.isfinite(expected).sum()
    assert (low, high) == (np.nanmin(expected), np.nanmax(expected))
    assert mean == pytest.approx(np.nanmean(expected), rel=1e-12)
