import os
import sys

import pytest

REPOSITORY = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
# Run from a checkout without PYTHONPATH: the module is in python/, the example in examples/.
for folder in ("python", "examples"):
    path = os.path.join(REPOSITORY, folder)
    if path not in sys.path:
        sys.path.insert(0, path)


def pytest_configure(config):
    config.addinivalue_line("markers", "dask: runs the Dask example on local worker processes")
    config.addinivalue_line(
        "markers", "ternary: needs the test build of the C interface (VARNEXA_LIBRARY)"
    )


@pytest.fixture(scope="session")
def data_dir():
    return os.environ.get("VARNEXA_TEST_DATA_DIR", os.path.join(REPOSITORY, "tests", "data"))
