#pragma once
// The extended-corresponding-states transport models of R22 and R32: R22 viscosity after Klein,
// McLinden & Laesecke (1997) and conductivity after McLinden, Klein & Perkins (2000), both with
// R134a as reference fluid (the program's own R134a equation of state); R32 viscosity and
// conductivity after Huber, Laesecke & Perkins (2003) with propane as reference fluid.
#include "KX_ECS_Models.h"

namespace kxtransport {

// R134a as reference fluid: the program's R134a equation of state, evaluated as one phase,
// its viscosity (Huber, Laesecke & Perkins 2003) and residual conductivity (McLinden et al.
// 2000).
const TECSReference& R134aReference();

const TECSViscosity& R22Viscosity();
const TECSConductivity& R22Conductivity();
const TECSViscosity& R32Viscosity();
const TECSConductivity& R32Conductivity();

}  // namespace kxtransport
