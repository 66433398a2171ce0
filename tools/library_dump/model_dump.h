#pragma once
// The fluid models below the library functions: every fluid object's ancillary equations and its
// reduced Helmholtz energy (each slot alone and the all-derivative evaluations) on a fixed grid,
// printed as hexadecimal floats. The library functions reach the models only through solvers
// that may hide a last-bit change; this part shows it directly.
long long DumpFluidModels();
