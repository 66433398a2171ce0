"""Finds and loads libvarnexa.so and declares the C functions this package calls."""

import ctypes
import ctypes.util
import glob
import os

_HERE = os.path.dirname(os.path.abspath(__file__))


def _candidates():
    """Paths to try, best first."""
    named = os.environ.get("VARNEXA_LIBRARY")
    if named:
        # The caller named the library: use that one or fail, never a different one.
        return [named]
    paths = sorted(glob.glob(os.path.join(_HERE, "libvarnexa.so*")))
    try:
        # Installed by `cmake --install` or the Debian package: the library of that install.
        from . import _installed

        paths.append(os.path.normpath(os.path.join(_HERE, _installed.LIBRARY)))
    except ImportError:
        pass
    # A checkout: python/varnexa/ next to build/<preset>/src/capi/; the newest build wins.
    checkout = os.path.dirname(os.path.dirname(_HERE))
    built = glob.glob(os.path.join(checkout, "build", "*", "src", "capi", "libvarnexa.so"))
    paths += sorted(built, key=os.path.getmtime, reverse=True)
    found = ctypes.util.find_library("varnexa")
    paths.append(found or "libvarnexa.so.0")
    return paths


def _load():
    errors = []
    for path in _candidates():
        try:
            return ctypes.CDLL(path), path
        except OSError as error:
            errors.append(f"{path}: {error}")
    raise ImportError(
        "varnexa: libvarnexa.so not found; build the project (make test), install it "
        "(cmake --install), or set VARNEXA_LIBRARY to its path. Tried:\n  " + "\n  ".join(errors)
    )


lib, path = _load()

_i32, _i64, _dbl = ctypes.c_int32, ctypes.c_int64, ctypes.c_double
_str, _ptr = ctypes.c_char_p, ctypes.c_void_p

_SIGNATURES = {
    "varnexa_version": (_str, []),
    "varnexa_library_count": (_i32, []),
    "varnexa_library_name": (_str, [_i32]),
    "varnexa_find_library": (_i32, [_str]),
    "varnexa_library_info_count": (_i32, []),
    "varnexa_library_info_key": (_str, [_i32]),
    "varnexa_library_info": (_str, [_i32, _str]),
    "varnexa_function_count": (_i32, [_i32]),
    "varnexa_function_at": (_ptr, [_i32, _i32]),
    "varnexa_find_function": (_ptr, [_str]),
    "varnexa_function_name": (_str, [_ptr]),
    "varnexa_function_library": (_i32, [_ptr]),
    "varnexa_arity": (_i32, [_ptr]),
    "varnexa_argument_name": (_str, [_ptr, _i32]),
    "varnexa_argument_quantity": (_i32, [_ptr, _i32]),
    "varnexa_argument_quantity_name": (_str, [_ptr, _i32]),
    "varnexa_result_name": (_str, [_ptr]),
    "varnexa_result_quantity": (_i32, [_ptr]),
    "varnexa_result_quantity_name": (_str, [_ptr]),
    "varnexa_call": (_dbl, [_ptr, _ptr, _ptr, _i32, _ptr]),
    "varnexa_call_array": (_i64, [_ptr, _i64, _ptr, _ptr, _ptr, _ptr, _ptr, _i32]),
    "varnexa_quantity_count": (_i32, []),
    "varnexa_quantity_name": (_str, [_i32]),
    "varnexa_unit_count": (_i32, [_str]),
    "varnexa_unit_name": (_str, [_str, _i32]),
    "varnexa_convert": (_i32, [_str, _str, _str, _dbl, _ptr]),
    "varnexa_convert_array": (_i32, [_str, _str, _str, _i64, _ptr, _ptr]),
}

for _name, (_restype, _argtypes) in _SIGNATURES.items():
    _function = getattr(lib, _name)
    _function.restype = _restype
    _function.argtypes = _argtypes

# The cycles come with the program's own library (a C interface over a test registry has none).
HAS_CYCLE = hasattr(lib, "varnexa_cycle")
if HAS_CYCLE:
    lib.varnexa_cycle.restype = _i32
    lib.varnexa_cycle.argtypes = [_str, _str, _i32, _ptr, _ptr, _ptr, _i32]
CYCLE_OK, CYCLE_REFUSED, CYCLE_USAGE = 0, 1, 2

TEXT_CAPACITY = 255
INVALID_CALL = -1
CONVERT_OK, CONVERT_UNKNOWN_QUANTITY, CONVERT_UNKNOWN_UNIT, CONVERT_FAULT = 0, 1, 2, 3
