"""Water, steam and pure-fluid properties from Python, over the C library libvarnexa.so.

    >>> import varnexa
    >>> h, code = varnexa.call("KX_WS_IF97_HPT", 10.0, 200.0)      # bar(a), °C -> kJ/kg
    >>> h = varnexa.call("KX_WS_IF97_HPT", 10.0, 200.0, raise_errors=True)
    >>> import numpy as np
    >>> h, codes = varnexa.call("KX_WS_IF97_HPT", np.array([[1.0], [10.0]]), np.linspace(100, 500, 5))
    >>> varnexa.convert(1.0, "bar(a)", "psi(a)")
    >>> varnexa.library_info("R134a")["T_critical"]                  # °C

A library is named by its full name ("KX_R134a_FE") or its short name in any case ("R134a",
"water", "IF97"); what the module returns names the full name.

Arguments and results are in the standard units of their quantities (bar(a), °C, kJ/kg, kJ/kgK,
kg/m3, ...). Arguments are real numbers: int, float, bool and real NumPy arrays of any layout and
dtype; complex numbers, strings, None and dates are refused with TypeError. Array arguments
broadcast against each other as in NumPy without being expanded to the broadcast shape: the
output is computed in a few C calls over runs of states, and the GIL is released during each, so
threads can compute in parallel.

The library is the one VARNEXA_LIBRARY names, else one installed into this package, else the
newest build of the checkout this package lies in (build/<preset>/src/capi), else the system's.
"""

import ctypes
import datetime
from collections import namedtuple

try:
    import numpy as np
except ImportError:  # scalars need no NumPy; arrays say what is missing when first used
    np = None

from . import _clib

__all__ = [
    "VarnexaError",
    "Function",
    "Quantity",
    "call",
    "function",
    "functions",
    "libraries",
    "library_info",
    "convert",
    "cycle",
    "quantities",
    "units",
    "library_path",
    "__version__",
]

_lib = _clib.lib
library_path = _clib.path
__version__ = _lib.varnexa_version().decode()

# A named quantity: what an argument or the result of a function is.
Quantity = namedtuple("Quantity", "name index quantity_name")


class VarnexaError(ValueError):
    """A library function failed: code is its error code, text its error text."""

    def __init__(self, code, text):
        super().__init__(text)
        self.code = code
        self.text = text


# What float() or NumPy would turn into a number, but is none: refused, never converted.
_NOT_REAL = (str, bytes, bytearray, complex, datetime.date, datetime.time, datetime.timedelta,
             type(None))
# NumPy dtype kinds of real numbers: bool, signed and unsigned integers, floating point.
_REAL_KINDS = "biuf"


def _refuse(value):
    kind = value.dtype if hasattr(value, "dtype") else type(value).__name__
    raise TypeError(f"varnexa: arguments must be real numbers or arrays of them, not {kind}")


def _real(value):
    """A scalar as a float, an array as a NumPy array of a real dtype (not yet copied or cast);
    TypeError for anything that is not a real number."""
    if isinstance(value, _NOT_REAL):
        _refuse(value)
    if isinstance(value, (int, float)):
        return float(value)
    if np is None:
        raise ImportError("varnexa: arrays need NumPy (Debian package python3-numpy)")
    array = np.asarray(value)
    if array.dtype.kind == "O":
        # Object arrays: Python numbers are fine, but astype(float) would also parse strings.
        for item in array.flat:
            kind = getattr(item, "dtype", np.dtype(np.float64)).kind
            if isinstance(item, _NOT_REAL) or kind not in _REAL_KINDS:
                _refuse(item)
        array = array.astype(np.float64)
    elif array.dtype.kind not in _REAL_KINDS:
        _refuse(array)
    return float(array) if array.ndim == 0 else array


def _c_name(name, what):
    """A name as the NUL-terminated bytes the C interface takes; a NUL inside would cut it."""
    if not isinstance(name, str):
        raise TypeError(f"varnexa: a {what} name is a str, not {type(name).__name__}")
    if "\0" in name:
        raise TypeError(f"varnexa: the {what} name {name!r} contains a NUL character")
    return name.encode("utf-8")


def _text(raw):
    return raw.decode("utf-8") if raw is not None else None


class Function:
    """One library function, looked up once; calling it needs no name lookup."""

    __slots__ = ("name", "library", "arity", "arguments", "result", "_handle")

    def __init__(self, handle):
        self._handle = handle
        self.name = _text(_lib.varnexa_function_name(handle))
        self.library = _text(_lib.varnexa_library_name(_lib.varnexa_function_library(handle)))
        self.arity = _lib.varnexa_arity(handle)
        self.arguments = tuple(
            Quantity(
                _text(_lib.varnexa_argument_name(handle, k)),
                _lib.varnexa_argument_quantity(handle, k),
                _text(_lib.varnexa_argument_quantity_name(handle, k)),
            )
            for k in range(1, self.arity + 1)
        )
        self.result = Quantity(
            _text(_lib.varnexa_result_name(handle)),
            _lib.varnexa_result_quantity(handle),
            _text(_lib.varnexa_result_quantity_name(handle)),
        )

    def __repr__(self):
        args = ", ".join(a.name for a in self.arguments)
        return f"<varnexa.Function {self.name}({args}) -> {self.result.name}>"

    def __call__(self, *args, raise_errors=False):
        """Values and error codes for scalars or arrays; see varnexa.call."""
        if len(args) != self.arity:
            raise TypeError(f"{self.name} takes {self.arity} arguments, {len(args)} given")
        args = [_real(a) for a in args]
        if all(isinstance(a, float) for a in args):
            return self._call_scalar(args, raise_errors)
        return self._call_array(args, raise_errors)

    def _call_scalar(self, args, raise_errors):
        values = (ctypes.c_double * max(self.arity, 1))(*args)
        text = ctypes.create_string_buffer(_clib.TEXT_CAPACITY + 1)
        code = ctypes.c_int32(0)
        value = _lib.varnexa_call(
            self._handle, values, text, _clib.TEXT_CAPACITY, ctypes.byref(code)
        )
        if code.value != 0:
            if raise_errors:
                raise VarnexaError(code.value, _text(text.value))
            value = 0.0
        return value if raise_errors else (value, code.value)

    def _call_array(self, args, raise_errors):
        arrays = [np.asarray(a) for a in args]
        shape = np.broadcast_shapes(*(a.shape for a in arrays))
        values = np.empty(shape, dtype=np.float64)
        codes = np.empty(shape, dtype=np.int32)
        text = ctypes.create_string_buffer(_clib.TEXT_CAPACITY + 1)
        first_text = None
        for run in _runs(arrays, values, codes):
            *inputs, run_values, run_codes = run
            failed = _lib.varnexa_call_array(
                self._handle,
                run_values.size,
                (ctypes.c_void_p * len(inputs))(*(a.ctypes.data for a in inputs)),
                (ctypes.c_int64 * len(inputs))(*(a.strides[0] // _DOUBLE for a in inputs)),
                run_values.ctypes.data,
                run_codes.ctypes.data,
                text,
                _clib.TEXT_CAPACITY,
            )
            if failed < 0:
                raise RuntimeError(f"varnexa: invalid array call of {self.name}")
            if failed and first_text is None:
                first_text = _text(text.value)
        if raise_errors:
            if first_text is not None:
                first = int(codes.flat[np.flatnonzero(codes)[0]])
                raise VarnexaError(first, first_text)
            return values
        return values, codes


_DOUBLE = np.dtype(np.float64).itemsize if np is not None else 8
# States per C call when the iterator has to copy (broadcast rows, casts, unaligned data): small
# enough that the copies stay far below the output's size, large enough that the calls' own cost
# does not show.
_RUN = 1 << 14


def _runs(arrays, values, codes):
    """Runs of states in the output's C order, as 1-D views the C call walks with one stride each
    (0 for a broadcast value): the inputs as float64, aligned, read in place where they can be and
    copied a run at a time where they cannot; values and codes are written in place."""
    real = ["readonly", "aligned"]
    written = ["writeonly", "aligned", "contig"]
    iterator = np.nditer(
        arrays + [values, codes],
        flags=["external_loop", "buffered", "growinner", "zerosize_ok"],
        op_flags=[real] * len(arrays) + [written, written],
        op_dtypes=[np.float64] * len(arrays) + [np.float64, np.int32],
        casting="same_kind",
        order="C",
        buffersize=_RUN,
    )
    with iterator:
        for run in iterator:
            # An aligned float64 view has strides in whole elements; anything else is copied.
            inputs = [a if a.strides[0] % _DOUBLE == 0 else a.copy() for a in run[:-2]]
            yield inputs + list(run[-2:])


_functions = {}


def function(name):
    """The library function with that full name (a Function); ValueError if there is none."""
    key = _c_name(name, "function")
    found = _functions.get(name)
    if found is None:
        handle = _lib.varnexa_find_function(key)
        if not handle:
            raise ValueError(f"varnexa: no function named {name!r}")
        found = _functions[name] = Function(handle)
    return found


def call(name, *args, raise_errors=False):
    """Calls the library function `name` with scalars or arrays in standard units.

    Returns (value, code): for scalars a float and an int, for arrays two arrays of the
    broadcast shape (float64 values, int32 codes; a failed state's value is 0 and its code
    non-zero). With raise_errors=True returns only the value(s) and raises VarnexaError with the
    error text of the (first) failed state.
    """
    return function(name)(*args, raise_errors=raise_errors)


def libraries():
    """The library names, in registry order."""
    return [_text(_lib.varnexa_library_name(i)) for i in range(_lib.varnexa_library_count())]


def _library_index(name):
    """The library's number by its full name or, ignoring case, its short name ("R134a",
    "water", "IF97"); ValueError when none has it."""
    index = _lib.varnexa_find_library(_c_name(name, "library"))
    if index < 0:
        raise ValueError(f"varnexa: no library named {name!r}")
    return index


def functions(library=None):
    """The full function names of one library (by its full or short name), or of all libraries."""
    chosen = range(_lib.varnexa_library_count()) if library is None else [_library_index(library)]
    return [
        _text(_lib.varnexa_function_name(_lib.varnexa_function_at(l, f)))
        for l in chosen
        for f in range(_lib.varnexa_function_count(l))
    ]


# Keys of the library information whose values are numbers (standard units).
_INFO_NUMBERS = frozenset(
    ("molar_mass", "T_critical", "p_critical", "T_triple", "p_triple", "T_min", "T_max", "p_max",
     "T_max_low_pressure", "p_low_pressure")
)


def library_info(name):
    """What a library (by its full or short name) states about itself, as a dict: "name" (the
    full name) first, then the keys of the C interface in its order; numbers as float in standard
    units, input_pairs as a list, has_transport as a bool, the other values as str."""
    index = _library_index(name)
    info = {"name": _text(_lib.varnexa_library_name(index))}
    for k in range(_lib.varnexa_library_info_count()):
        key = _text(_lib.varnexa_library_info_key(k))
        value = _text(_lib.varnexa_library_info(index, key.encode("utf-8")))
        if key in _INFO_NUMBERS:
            value = float(value)
        elif key == "input_pairs":
            value = value.split()
        elif key == "has_transport":
            value = value == "yes"
        info[key] = value
    return info


def quantities():
    """The quantity names, in catalogue order."""
    return [_text(_lib.varnexa_quantity_name(i)) for i in range(_lib.varnexa_quantity_count())]


def units(quantity):
    """The unit names of a quantity (by name); the first is its standard unit."""
    key = _c_name(quantity, "quantity")
    count = _lib.varnexa_unit_count(key)
    if count < 0:
        raise ValueError(f"varnexa: no quantity named {quantity!r}")
    return [_text(_lib.varnexa_unit_name(key, i)) for i in range(count)]


def convert(value, from_unit, to_unit, quantity=None):
    """Converts a scalar or an array from one unit to another of the same quantity (the named
    quantity, or the first that has both units). ValueError for unknown names or a scalar that
    cannot be converted; in an array such a value becomes NaN."""
    names = [None if quantity is None else _c_name(quantity, "quantity")]
    names += [_c_name(from_unit, "unit"), _c_name(to_unit, "unit")]
    value = _real(value)
    if isinstance(value, float):
        result = ctypes.c_double(0.0)
        status = _lib.varnexa_convert(*names, value, ctypes.byref(result))
        _check_conversion(status, from_unit, to_unit, quantity, scalar=True)
        return result.value
    # A contiguous array may still be unaligned (a view into a byte buffer): "A" copies it then.
    values = np.require(value, dtype=np.float64, requirements=["C", "A"])
    results = np.empty_like(values)
    status = _lib.varnexa_convert_array(*names, values.size, values.ctypes.data, results.ctypes.data)
    _check_conversion(status, from_unit, to_unit, quantity, scalar=False)
    if status == _clib.CONVERT_FAULT:
        # The C call gives 0 for a value it cannot convert; find those and mark them.
        for i in np.flatnonzero(results.reshape(-1) == 0.0):
            one = ctypes.c_double(0.0)
            if _lib.varnexa_convert(*names, float(values.flat[i]), ctypes.byref(one)):
                results.flat[i] = np.nan
    return results


def _check_conversion(status, from_unit, to_unit, quantity, scalar):
    if status == _clib.CONVERT_UNKNOWN_QUANTITY:
        raise ValueError(f"varnexa: no quantity named {quantity!r}")
    if status == _clib.CONVERT_UNKNOWN_UNIT:
        where = f"quantity {quantity!r}" if quantity else "any one quantity"
        raise ValueError(f"varnexa: units {from_unit!r} and {to_unit!r} are not both of {where}")
    if status == _clib.CONVERT_FAULT and scalar:
        raise ValueError(f"varnexa: cannot convert that value from {from_unit!r} to {to_unit!r}")


def cycle(kind, library, **inputs):
    """A thermodynamic cycle of a library, as `varnexa-cli cycle` computes it: kind is
    "vapour-compression", "transcritical" or "rankine"; the inputs are the command's options in
    standard units with underscores for dashes (evap, cond, superheat, subcool, eta_s, ihx,
    dp_suction, dp_discharge, capacity, mass_flow, p_gc, T_gc, p_boiler, T_live, p_reheat,
    T_reheat, p_cond, eta_turbine, eta_pump, power). Returns a dict: "points", a list of dicts
    (label, T, p, h, s, rho and x, None outside the dome), "results", a dict of the result values
    by key (q_evap, COP_cooling, eta_th, ...), and "units", their units. A cycle the fluid does not
    allow raises VarnexaError with its message; an unknown library, kind or input ValueError."""
    if not _clib.HAS_CYCLE:
        raise NotImplementedError("varnexa: this C interface has no cycles")
    names = [_c_name(name.replace("_", "-"), "input") for name in inputs]
    values = [_real(v) for v in inputs.values()]
    if any(not isinstance(v, float) for v in values):
        raise TypeError("varnexa: cycle inputs are single numbers")
    name_array = (ctypes.c_char_p * max(len(names), 1))(*names)
    value_array = (ctypes.c_double * max(len(values), 1))(*values)
    text = ctypes.create_string_buffer(8192)
    status = _lib.varnexa_cycle(_c_name(kind, "cycle"), _c_name(library, "library"), len(names),
                                ctypes.cast(name_array, ctypes.c_void_p),
                                ctypes.cast(value_array, ctypes.c_void_p), text, len(text))
    lines = text.value.decode("utf-8").splitlines()
    if status == _clib.CYCLE_USAGE:
        raise ValueError("varnexa: " + (lines[0] if lines else "cycle"))
    if status == _clib.CYCLE_REFUSED:
        raise VarnexaError(1, lines[0].split("\t", 1)[1])
    if status != _clib.CYCLE_OK:
        raise ValueError("varnexa: the cycle's text did not fit")
    points, results, result_units = [], {}, {}
    for line in lines[1:]:
        fields = line.split("\t")
        if len(fields) == 7:
            label, T, p, h, s_, rho, x = fields
            points.append({"label": label, "T": float(T), "p": float(p), "h": float(h),
                           "s": float(s_), "rho": float(rho), "x": float(x) if x else None})
        else:
            results[fields[0]] = float(fields[1])
            result_units[fields[0]] = fields[2]
    return {"points": points, "results": results, "units": result_units}

