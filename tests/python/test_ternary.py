"""A function of three arguments through the Python module: scalars, broadcasting over three
arrays of different shapes, strides and dtypes, and failures. It runs against the test build of
the C interface whose only library is the test library (tests/capi/ternary), which VARNEXA_LIBRARY
names (ctest python_varnexa_ternary)."""
import numpy as np
import pytest

import varnexa

pytestmark = pytest.mark.ternary

NAME = "KX_TEST_X3_HPTX"
FAILURE = (6, "KX_TEST_X3_HPTX; Vapor fraction lower than minimum value of 0.000.")


def expected(x1, x2, x3):
    """The test function's answer (KXTernaryTestFunction.h): values and codes."""
    x1, x2, x3 = np.broadcast_arrays(*(np.asarray(a, dtype=np.float64) for a in (x1, x2, x3)))
    failed = x3 < 0
    return np.where(failed, 0.0, x1 + 10.0 * x2 + 100.0 * x3), np.where(failed, FAILURE[0], 0)


def test_the_test_library_is_loaded():
    assert varnexa.libraries() == ["KX_TEST_X3"]
    f = varnexa.function(NAME)
    assert f.arity == 3 and [a.name for a in f.arguments] == ["Pressure", "Temperature", "Vapor Fraction"]


def test_scalars_and_failures():
    assert varnexa.call(NAME, 1.0, 2, True) == (121.0, 0)
    assert varnexa.call(NAME, 1.0, 2.0, -0.5) == (0.0, FAILURE[0])
    with pytest.raises(varnexa.VarnexaError) as failure:
        varnexa.call(NAME, 1.0, 2.0, -0.5, raise_errors=True)
    assert (failure.value.code, failure.value.text) == FAILURE


X3 = np.array([0.0, 0.25, -1.0, 0.5, 1.0, -2.0, 0.75, 0.125])


@pytest.mark.parametrize(
    "x1, x2, x3",
    [
        (np.arange(8.0), np.arange(8.0) * 2, X3),  # same shape
        (np.arange(3.0)[:, None, None], np.arange(4.0)[None, :, None], X3),  # three axes
        (5.0, np.arange(16.0)[::2], X3[::-1]),  # scalar, strided, reversed
        (np.arange(24.0).reshape(3, 8).T, 7, X3[:3]),  # transposed against a row
        (np.arange(8, dtype=np.int16), np.arange(8.0, dtype=np.float32), X3.astype(">f8")),
        (np.zeros((0, 8)), 1.0, X3),  # no states
    ],
    ids=["same", "3d", "strided", "transposed", "dtypes", "empty"],
)
def test_broadcast_over_three_arrays(x1, x2, x3):
    values, codes = varnexa.call(NAME, x1, x2, x3)
    expected_values, expected_codes = expected(x1, x2, x3)
    assert values.shape == expected_values.shape
    np.testing.assert_array_equal(codes, expected_codes)
    np.testing.assert_array_equal(values, expected_values)
    if codes.any():
        with pytest.raises(varnexa.VarnexaError) as failure:
            varnexa.call(NAME, x1, x2, x3, raise_errors=True)
        assert (failure.value.code, failure.value.text) == FAILURE


@pytest.mark.parametrize("args", [(1.0, 2.0), (1.0, 2.0, 3.0, 4.0), (np.ones(2),) * 4])
def test_any_other_count_is_refused(args):
    with pytest.raises(TypeError, match=f"{NAME} takes 3 arguments, {len(args)} given"):
        varnexa.call(NAME, *args)
