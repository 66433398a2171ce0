"""Packages python/varnexa. When the checkout has been built, the newest libvarnexa.so of build/
goes into the package too, so the installed module needs no VARNEXA_LIBRARY."""
import glob
import os
import shutil

from setuptools import setup
from setuptools.command.build_py import build_py


class BuildWithLibrary(build_py):
    def run(self):
        super().run()
        here = os.path.dirname(os.path.abspath(__file__))
        built = glob.glob(os.path.join(here, "build", "*", "src", "capi", "libvarnexa.so"))
        if built:
            newest = max(built, key=os.path.getmtime)
            target = os.path.join(self.build_lib, "varnexa", "libvarnexa.so")
            shutil.copyfile(os.path.realpath(newest), target)


setup(cmdclass={"build_py": BuildWithLibrary})
