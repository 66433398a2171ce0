"""The Python module: reference values, broadcasting and strided inputs against single calls,
errors as codes or exceptions, the registry listings, and unit conversion."""
import csv
import ctypes
import datetime
import os
import subprocess
import sys
import tracemalloc

import numpy as np
import pytest

import varnexa


def reference_rows(data_dir):
    with open(os.path.join(data_dir, "capi_reference.tsv"), encoding="utf-8") as f:
        lines = [line for line in f if not line.startswith("#")]
    for row in csv.DictReader(lines, delimiter="\t"):
        args = [float(row["x1"])] + ([float(row["x2"])] if row["x2"] else [])
        yield row["function"], args, float(row["value"]), float(row["tolerance"])


def test_reference_values_as_scalars_and_arrays(data_dir):
    rows = list(reference_rows(data_dir))
    assert len(rows) == 9
    for name, args, expected, tolerance in rows:
        value, code = varnexa.call(name, *args)
        assert code == 0
        assert value == pytest.approx(expected, rel=tolerance)
        assert varnexa.call(name, *args, raise_errors=True) == value
        values, codes = varnexa.call(name, *[np.array([a, a]) for a in args])
        assert values.tolist() == [value, value] and codes.tolist() == [0, 0]


def single_calls(name, *arrays):
    """What the array call must give: one scalar call per broadcast state."""
    broadcast = np.broadcast_arrays(*arrays)
    pairs = [varnexa.call(name, *(float(a[i]) for a in broadcast)) for i in np.ndindex(broadcast[0].shape)]
    shape = broadcast[0].shape
    return (np.array([v for v, _ in pairs]).reshape(shape), np.array([c for _, c in pairs]).reshape(shape))


def unaligned(array):
    """A copy of the array in a byte buffer at offset 1: its doubles are not 8-byte aligned."""
    raw = np.zeros(array.nbytes + 1, dtype=np.uint8)
    view = raw[1:].view(array.dtype).reshape(array.shape)
    view[...] = array
    assert not view.flags.aligned
    return view


@pytest.fixture
def checked_c_calls(monkeypatch):
    """Checks each array call the module makes: every array it hands to C is aligned for doubles
    (int32 for the codes) and no run is larger than the output. Returns the list of run sizes."""
    real = varnexa._lib.varnexa_call_array
    runs = []

    def call_array(handle, n, args, strides, values, codes, text, capacity):
        pointers = [args[k] for k in range(varnexa._lib.varnexa_arity(handle))]
        assert all(p % 8 == 0 for p in pointers), "an unaligned argument array reached C"
        assert values % 8 == 0 and codes % 4 == 0
        runs.append(n)
        return real(handle, n, args, strides, values, codes, text, capacity)

    real_convert = varnexa._lib.varnexa_convert_array

    def convert_array(quantity, from_unit, to_unit, n, values, results):
        assert values % 8 == 0 and results % 8 == 0, "an unaligned array reached C"
        return real_convert(quantity, from_unit, to_unit, n, values, results)

    monkeypatch.setattr(varnexa._lib, "varnexa_call_array", call_array)
    monkeypatch.setattr(varnexa._lib, "varnexa_convert_array", convert_array)
    return runs


# Pressures in bar(a) and temperatures in °C: liquid, steam, supercritical, and states out of
# range (negative pressure, below 0 °C, above 2000 °C).
P = np.array([-1.0, 0.05, 1.0, 10.0, 250.0, 900.0])
T = np.array([-20.0, 25.0, 150.0, 400.0, 800.0, 2500.0])


@pytest.mark.parametrize(
    "p, t",
    [
        (P, T),  # same shape
        (P[:, None], T),  # outer product
        (10.0, T),  # scalar against array
        (P[::2], T[1::2]),  # strided views
        (np.asfortranarray(np.outer(P, np.ones(3))), np.outer(np.ones(6), T[:3])),  # column-major
        (np.outer(P, np.ones(4)).T, T[:, None].T[:, :6]),  # transposed, broadcast rows
        (unaligned(P), unaligned(T[::-1])),  # views into a byte buffer at offset 1
        (P[::-1, None], unaligned(np.outer(T, np.ones(2)))[:, ::-1]),  # reversed, unaligned 2-D
        (P.astype(np.float32), T.astype(">f8")),  # single precision, big-endian
        (P.astype(np.int16)[:, None, None], T.reshape(2, 3)),  # integers, 3-D broadcast
    ],
    ids=["same", "outer", "scalar", "strided", "fortran", "transposed", "unaligned",
         "reversed", "dtypes", "3d"],
)
@pytest.mark.parametrize("name", ["KX_WS_IF97_HPT", "KX_NH3_FE_DPT", "KX_CO2_FE_SPT"])
def test_array_call_equals_single_calls(name, p, t, checked_c_calls):
    values, codes = varnexa.call(name, p, t)
    expected_values, expected_codes = single_calls(name, p, t)
    assert values.shape == np.broadcast_shapes(np.shape(p), np.shape(t))
    assert codes.dtype == np.int32
    np.testing.assert_array_equal(codes, expected_codes)
    np.testing.assert_array_equal(values, expected_values)
    assert (codes != 0).any() and (codes == 0).any()
    assert (values[codes != 0] == 0).all()


def test_errors_as_codes_or_exceptions():
    value, code = varnexa.call("KX_WS_IF97_HPT", 10.0, -50.0)
    assert (value, code) == (0.0, 2)
    with pytest.raises(varnexa.VarnexaError) as scalar:
        varnexa.call("KX_WS_IF97_HPT", 10.0, -50.0, raise_errors=True)
    assert scalar.value.code == 2
    assert scalar.value.text.startswith("KX_WS_IF97_HPT; Temperature lower than minimum value")
    with pytest.raises(varnexa.VarnexaError) as array:
        varnexa.call("KX_WS_IF97_HPT", 10.0, np.array([100.0, -50.0, 3000.0]), raise_errors=True)
    assert array.value.code == 2 and array.value.text == scalar.value.text


@pytest.mark.parametrize(
    "name, args, error",
    [
        ("KX_WS_IF97_Nothing", (1.0,), ValueError),
        ("KX_WS_IF97_HPT", (1.0,), TypeError),
        ("KX_WS_IF97_PsatT", (1.0, 2.0), TypeError),
        ("KX_WS_IF97_HPT", (np.ones(3), np.ones(4)), ValueError),  # shapes do not broadcast
    ],
)
def test_misuse_is_refused(name, args, error):
    with pytest.raises(error):
        varnexa.call(name, *args)


NOT_REAL = [
    1 + 2j,
    np.complex128(1.0),
    np.array([1.0, 2.0 + 1j]),
    "10",
    b"10",
    np.array(["1.0", "2.0"]),
    None,
    [1.0, None],
    np.array([1.0, "2"], dtype=object),
    np.datetime64("2024-01-01"),
    np.array(["2024-01-01"], dtype="datetime64[D]"),
    np.timedelta64(5, "s"),
    datetime.datetime(2024, 1, 1),
    datetime.date(2024, 1, 1),
    datetime.timedelta(seconds=5),
]


@pytest.mark.parametrize("value", NOT_REAL, ids=lambda v: type(v).__name__)
def test_what_is_no_real_number_is_refused(value):
    with pytest.raises(TypeError):
        varnexa.call("KX_WS_IF97_HPT", 10.0, value)
    with pytest.raises(TypeError):
        varnexa.call("KX_WS_IF97_HPT", value, np.array([100.0, 200.0]))
    with pytest.raises(TypeError):
        varnexa.convert(value, "°C", "K")


def test_names_with_a_nul_are_refused():
    # The C interface reads a name up to its first NUL: "KX_WS_IF97_PsatT\0x" would find PsatT.
    for attempt in [
        lambda: varnexa.function("KX_WS_IF97_PsatT\0x"),
        lambda: varnexa.call("KX_WS_IF97_PsatT\0", 100.0),
        lambda: varnexa.functions("KX_WS_IF97\0"),
        lambda: varnexa.units("Temperature\0"),
        lambda: varnexa.convert(1.0, "°C\0", "K"),
        lambda: varnexa.convert(1.0, "°C", "K\0"),
        lambda: varnexa.convert(1.0, "°C", "K", quantity="Temperature\0x"),
    ]:
        with pytest.raises(TypeError):
            attempt()


def test_unaligned_and_other_dtypes_convert(checked_c_calls):
    celsius = np.array([0.0, 100.0, -40.0])
    layouts = [unaligned(celsius), celsius.astype(">f8"), celsius.astype(np.int32), celsius[::-1]]
    for array in layouts:
        expected = np.asarray(array, dtype=np.float64) + 273.15
        np.testing.assert_allclose(varnexa.convert(array, "°C", "K"), expected)
    assert varnexa.convert(True, "°C", "K") == pytest.approx(274.15)


def test_broadcasting_does_not_expand_the_arguments(checked_c_calls):
    # An (N, 1) x (M,) grid: the output's values and codes are the only arrays of its size.
    p = np.geomspace(0.5, 400.0, 600)[:, None]
    t = np.linspace(1.0, 700.0, 500)
    p[590, 0] = -1.0  # one failing row, far into the grid
    output_bytes = p.size * t.size * (8 + 4)
    tracemalloc.start()
    try:
        values, codes = varnexa.call("KX_WS_IF97_HPT", p, t)
        peak = tracemalloc.get_traced_memory()[1]
    finally:
        tracemalloc.stop()
    assert peak < output_bytes + (1 << 20), f"peak {peak} for an output of {output_bytes} bytes"
    assert max(checked_c_calls) < values.size
    # The same states expanded by NumPy give the same results.
    expanded = [np.ascontiguousarray(a) for a in np.broadcast_arrays(p, t)]
    expected_values, expected_codes = varnexa.call("KX_WS_IF97_HPT", *expanded)
    np.testing.assert_array_equal(codes, expected_codes)
    np.testing.assert_array_equal(values, expected_values)
    assert (codes[590] == 4).all() and (codes[:590] == 0).all()
    # The first failure's text comes from the C call that met it, not from the first call.
    with pytest.raises(varnexa.VarnexaError) as failure:
        varnexa.call("KX_WS_IF97_HPT", p, t, raise_errors=True)
    assert failure.value.code == 4 and "Pressure lower" in failure.value.text


def test_constant_and_empty_arrays():
    assert varnexa.call("KX_WS_IF97_MM", raise_errors=True) == pytest.approx(18.015, rel=1e-4)
    values, codes = varnexa.call("KX_WS_IF97_PsatT", np.array([]))
    assert values.shape == (0,) and codes.shape == (0,)


def golden_function_count(data_dir):
    count = 0
    for name in os.listdir(data_dir):
        if name.startswith("golden_list_KX_"):
            with open(os.path.join(data_dir, name), encoding="utf-8") as f:
                count += sum(1 for line in f if line.strip() and not line.startswith("#"))
    return count


def test_registry_listings(data_dir):
    names = varnexa.functions()
    expected = golden_function_count(data_dir)
    assert expected > 500 and len(names) == expected and len(set(names)) == expected
    with open(os.path.join(data_dir, "golden_list_libraries.tsv"), encoding="utf-8") as f:
        golden_libraries = [line.strip() for line in f if line.strip() and not line.startswith("#")]
    assert varnexa.libraries() == golden_libraries
    assert varnexa.functions("KX_WS_IF97")[:2] == ["KX_WS_IF97_PsatT", "KX_WS_IF97_TsatP"]
    assert all(name.startswith("KX_N2_FE_") for name in varnexa.functions("KX_N2_FE"))
    f = varnexa.function("KX_WS_IF97_HPT")
    assert (f.library, f.arity) == ("KX_WS_IF97", 2)
    assert [a.name for a in f.arguments] == ["Pressure", "Temperature"]
    assert f.arguments[1].quantity_name == "Temperature" and f.result.index == 4
    with pytest.raises(ValueError):
        varnexa.functions("KX_NO_LIB")


# Definitions: °F = 1.8 °C + 32; K = °C + 273.15; 1 bar = 100 kPa; psi(a) as the catalogue has it.
@pytest.mark.parametrize(
    "value, from_unit, to_unit, quantity, expected",
    [
        (100.0, "°C", "°F", None, 212.0),
        (-40.0, "°C", "°F", "Temperature", -40.0),
        (0.0, "°C", "K", None, 273.15),
        (2.5, "bar(a)", "kPa(a)", "Absolute Pressure", 250.0),
        (14.503773773, "psi(a)", "bar(a)", None, 1.0),
    ],
)
def test_convert(value, from_unit, to_unit, quantity, expected):
    assert varnexa.convert(value, from_unit, to_unit, quantity) == pytest.approx(expected, rel=1e-6)
    array = varnexa.convert(np.full((2, 2), value), from_unit, to_unit, quantity)
    np.testing.assert_allclose(array, expected, rtol=1e-6)


def test_convert_refusals_and_faults():
    with pytest.raises(ValueError):
        varnexa.convert(1.0, "°C", "bar(a)")
    with pytest.raises(ValueError):
        varnexa.convert(1.0, "°C", "K", quantity="No Such Quantity")
    with pytest.raises(ValueError):
        varnexa.convert(float("nan"), "°C", "K")
    converted = varnexa.convert(np.array([0.0, np.inf, 100.0]), "°C", "K")
    assert converted[0] == pytest.approx(273.15) and np.isnan(converted[1])
    assert varnexa.units("Undefined") == ["-"]
    assert len(varnexa.quantities()) == 46
    assert sum(len(varnexa.units(q)) for q in varnexa.quantities()) == 216


def run_python(code, env):
    return subprocess.run([sys.executable, "-c", code], env=env, capture_output=True, text=True)


def test_library_location():
    env = dict(os.environ)
    env["VARNEXA_LIBRARY"] = "/nonexistent/libvarnexa.so"
    failed = run_python("import varnexa", env)
    assert failed.returncode != 0 and "VARNEXA_LIBRARY" in failed.stderr
    # Without the variable, a checkout finds its own build.
    del env["VARNEXA_LIBRARY"]
    found = run_python("import varnexa; print(varnexa.library_path)", env)
    assert found.returncode == 0, found.stderr
    assert found.stdout.strip().endswith("libvarnexa.so")


def test_threads_share_the_library():
    # ctypes releases the GIL during the C call: four threads on chunks of one grid give what
    # one call over the whole grid gives.
    from concurrent.futures import ThreadPoolExecutor

    p = np.geomspace(0.5, 400.0, 800)
    t = np.linspace(0.0, 700.0, 800)
    whole, whole_codes = varnexa.call("KX_N2_FE_HPT", p, t)
    with ThreadPoolExecutor(4) as pool:
        parts = list(pool.map(lambda k: varnexa.call("KX_N2_FE_HPT", p[k::4], t[k::4]), range(4)))
    for k, (values, codes) in enumerate(parts):
        np.testing.assert_array_equal(values, whole[k::4])
        np.testing.assert_array_equal(codes, whole_codes[k::4])


def test_cycle_as_the_command_line_computes_it():
    c = varnexa.cycle("vapour-compression", "R134a", evap=-10, cond=40, superheat=5, subcool=3,
                      eta_s=0.7, capacity=10)
    assert [p["label"] for p in c["points"]] == ["1", "2", "3", "4"]
    assert c["points"][0]["T"] == pytest.approx(-5.0, abs=1e-9) and c["points"][0]["x"] is None
    assert 0 < c["points"][3]["x"] < 1
    r = c["results"]
    assert r["q_cond"] == pytest.approx(r["q_evap"] + r["w_comp"], rel=1e-12)
    assert r["m_dot"] * r["q_evap"] == pytest.approx(10.0, rel=1e-12)
    assert c["units"]["T_discharge"] == "°C"
    # The enthalpy of the condenser exit is the library's own at (p, T).
    p3 = c["points"][2]
    assert p3["h"] == varnexa.call("KX_R134a_FE_HPT", p3["p"], p3["T"])[0]
    with pytest.raises(varnexa.VarnexaError, match="live-steam temperature"):
        varnexa.cycle("rankine", "water", p_boiler=80, T_live=250, p_cond=0.1)
    with pytest.raises(ValueError, match="takes no input evap"):
        varnexa.cycle("rankine", "water", p_boiler=80, T_live=550, p_cond=0.1, evap=3)
    with pytest.raises(ValueError, match="unknown library"):
        varnexa.cycle("rankine", "no such fluid", p_boiler=80, T_live=550, p_cond=0.1)
