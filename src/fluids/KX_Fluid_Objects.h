#pragma once
// The program-wide fluid model objects: one per fluid, created together, in a fixed order, by
// CreateFluidObjects() at start-up (before the library registry) and destroyed at program exit.
// Every fluid library reaches its object through the accessor below; an accessor called before
// CreateFluidObjects() creates all objects first, so the order never depends on the caller.
//
// Adding a fluid: a forward declaration and an accessor here, and in KX_Fluid_Objects.cpp an
// include, a member, a creation line (in the order of CreateFluidObjects) and the accessor body.
// The list of every fluid is the catalogue's (KXLibraryDescriptions, KXHelmholtzFluids).
#include <span>

class THelmholzFluid;
class TNH3_FE;
class TR22_FE;
class TR32_FE;
class TR123_FE;
class TR134a_FE;
class TR152a_FE;
class TN2_FE;
class TO2_FE;
class TCO2_FE;
class TAr_FE;
class TH2_FE;
class TH2p_FE;
class TH2o_FE;
class TR1234yf_FE;
class TR1234zeE_FE;
class TR1233zdE_FE;
class TR290_FE;
class TR600a_FE;
class TR125_FE;
class TR143a_FE;
class TR245fa_FE;
class TR1336mzzZ_FE;
class TR410A_FE;
class TR404A_FE;
class TR407C_FE;
class TR507A_FE;

// Creates every fluid object in the order ammonia, R22, R32, R123, R134a, R152a, nitrogen,
// oxygen, carbon dioxide, argon, normal hydrogen, parahydrogen, orthohydrogen. Calling it again
// does nothing.
void CreateFluidObjects();

const TNH3_FE& NH3Fluid();
const TR22_FE& R22Fluid();
const TR32_FE& R32Fluid();
const TR123_FE& R123Fluid();
const TR134a_FE& R134aFluid();
const TR152a_FE& R152aFluid();
const TN2_FE& N2Fluid();
const TO2_FE& O2Fluid();
const TCO2_FE& CO2Fluid();
const TAr_FE& ArFluid();
const TH2_FE& H2Fluid();
const TH2p_FE& H2pFluid();
const TH2o_FE& H2oFluid();
const TR1234yf_FE& R1234yfFluid();
const TR1234zeE_FE& R1234zeEFluid();
const TR1233zdE_FE& R1233zdEFluid();
const TR290_FE& R290Fluid();
const TR600a_FE& R600aFluid();
const TR125_FE& R125Fluid();
const TR143a_FE& R143aFluid();
const TR245fa_FE& R245faFluid();
const TR1336mzzZ_FE& R1336mzzZFluid();
const TR410A_FE& R410AFluid();
const TR404A_FE& R404AFluid();
const TR407C_FE& R407CFluid();
const TR507A_FE& R507AFluid();
