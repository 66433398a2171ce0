"""What each library states about itself (varnexa.library_info) and the short names a person
types for a library, against the program's libvarnexa.so."""
import csv
import os

import pytest

import varnexa


def info_keys(data_dir):
    with open(os.path.join(data_dir, "library_info_keys.tsv"), encoding="utf-8") as f:
        return list(csv.DictReader((line for line in f if not line.startswith("#")), delimiter="\t"))


def test_every_library_states_its_keys_in_order_with_its_own_constants(data_dir):
    keys = info_keys(data_dir)
    kinds = {"text": str, "number": float, "list": list, "flag": bool}
    for library in varnexa.libraries():
        info = varnexa.library_info(library)
        composition = library.startswith("KX_MIX_")
        assert list(info) == ["name"] + [k["key"] for k in keys]
        assert info["name"] == library
        for k in keys:
            assert type(info[k["key"]]) is kinds[k["kind"]], (library, k["key"])
            # Humid air registers no constants (its critical and triple point are its water's),
            # a mixture only its molar mass (no critical or triple point of its own), a binary
            # pair at a chosen composition none (its MM takes the composition).
            if info["kind"] == "mixture" and k["function"] not in ("", "MM"):
                continue
            if composition and k["function"]:
                continue
            if k["function"] and info["kind"] != "humid air":
                constant = varnexa.call(f"{library}_{k['function']}", raise_errors=True)
                assert info[k["key"]] == pytest.approx(constant, rel=1e-12, abs=1e-12), (library, k["key"])
        assert set(info["input_pairs"]) <= {"pT", "ph", "ps", "Tx", "px", "Th", "Ts"}
        # Humid air offers no input pairs of a fluid to the explorer, nor does a binary pair
        # whose states need a composition.
        assert bool(info["input_pairs"]) == (info["kind"] != "humid air" and not composition)
        assert info["has_transport"] == bool(info["transport"])


@pytest.mark.parametrize(
    "typed, full",
    [("R134a", "KX_R134a_FE"), ("r134A", "KX_R134a_FE"), ("WATER", "KX_WS_IF97"),
     ("if97", "KX_WS_IF97"), ("Ammonia", "KX_NH3_FE"), ("KX_N2_FE", "KX_N2_FE")],
)
def test_a_short_name_in_any_case_is_the_library(typed, full):
    assert varnexa.library_info(typed) == varnexa.library_info(full)
    assert varnexa.library_info(typed)["name"] == full
    assert varnexa.functions(typed) == varnexa.functions(full)


def test_every_display_name_finds_its_library():
    for library in varnexa.libraries():
        short = varnexa.library_info(library)["display_name"]
        for typed in (short, short.upper(), short.lower()):
            assert varnexa.library_info(typed)["name"] == library


@pytest.mark.parametrize(
    "name, error",
    [("R134", ValueError), ("", ValueError), ("water\0", TypeError), (b"water", TypeError)],
)
def test_what_names_no_library_is_refused(name, error):
    with pytest.raises(error):
        varnexa.library_info(name)
    with pytest.raises(error):
        varnexa.functions(name)
    with pytest.raises(TypeError):
        varnexa.library_info(None)  # functions(None) lists every library's functions
