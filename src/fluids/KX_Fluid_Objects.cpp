#include "KX_Fluid_Objects.h"

#include <memory>
#include <mutex>

#include "KX_Ar_FE_Lib_Root.h"
#include "KX_CO2_FE_Lib_Root.h"
#include "KX_H2_FE_Lib_Root.h"
#include "KX_N2_FE_Lib_Root.h"
#include "KX_NH3_FE_Lib_Root.h"
#include "KX_O2_FE_Lib_Root.h"
#include "KX_R1233zdE_FE_Lib_Root.h"
#include "KX_R1234yf_FE_Lib_Root.h"
#include "KX_R1234zeE_FE_Lib_Root.h"
#include "KX_R123_FE_Lib_Root.h"
#include "KX_R125_FE_Lib_Root.h"
#include "KX_R1336mzzZ_FE_Lib_Root.h"
#include "KX_R134a_FE_Lib_Root.h"
#include "KX_R143a_FE_Lib_Root.h"
#include "KX_R152a_FE_Lib_Root.h"
#include "KX_R22_FE_Lib_Root.h"
#include "KX_R245fa_FE_Lib_Root.h"
#include "KX_R290_FE_Lib_Root.h"
#include "KX_R32_FE_Lib_Root.h"
#include "KX_R404A_FE_Lib_Root.h"
#include "KX_R407C_FE_Lib_Root.h"
#include "KX_R410A_FE_Lib_Root.h"
#include "KX_R507A_FE_Lib_Root.h"
#include "KX_R600a_FE_Lib_Root.h"

namespace {

// Owner of the fluid objects; the members are destroyed at program exit.
struct TFluidObjects {
    // Creation runs once even when several threads reach an accessor first.
    std::once_flag Created;
    std::unique_ptr<TNH3_FE> NH3;
    std::unique_ptr<TR22_FE> R22;
    std::unique_ptr<TR32_FE> R32;
    std::unique_ptr<TR123_FE> R123;
    std::unique_ptr<TR134a_FE> R134a;
    std::unique_ptr<TR152a_FE> R152a;
    std::unique_ptr<TN2_FE> N2;
    std::unique_ptr<TO2_FE> O2;
    std::unique_ptr<TCO2_FE> CO2;
    std::unique_ptr<TAr_FE> Ar;
    std::unique_ptr<TH2_FE> H2;
    std::unique_ptr<TH2p_FE> H2p;
    std::unique_ptr<TH2o_FE> H2o;
    std::unique_ptr<TR1234yf_FE> R1234yf;
    std::unique_ptr<TR1234zeE_FE> R1234zeE;
    std::unique_ptr<TR1233zdE_FE> R1233zdE;
    std::unique_ptr<TR290_FE> R290;
    std::unique_ptr<TR600a_FE> R600a;
    std::unique_ptr<TR125_FE> R125;
    std::unique_ptr<TR143a_FE> R143a;
    std::unique_ptr<TR245fa_FE> R245fa;
    std::unique_ptr<TR1336mzzZ_FE> R1336mzzZ;
    std::unique_ptr<TR410A_FE> R410A;
    std::unique_ptr<TR404A_FE> R404A;
    std::unique_ptr<TR407C_FE> R407C;
    std::unique_ptr<TR507A_FE> R507A;
};

TFluidObjects& Objects() {
    static TFluidObjects objects;
    return objects;
}

// The accessors create everything on first use, so every object exists once referenced.
TFluidObjects& CreatedObjects() {
    CreateFluidObjects();
    return Objects();
}

}  // namespace

static void FillFluidObjects(TFluidObjects& objects) {
    objects.NH3 = std::make_unique<TNH3_FE>();
    objects.R22 = std::make_unique<TR22_FE>();
    objects.R32 = std::make_unique<TR32_FE>();
    objects.R123 = std::make_unique<TR123_FE>();
    objects.R134a = std::make_unique<TR134a_FE>();
    objects.R152a = std::make_unique<TR152a_FE>();
    objects.N2 = std::make_unique<TN2_FE>();
    objects.O2 = std::make_unique<TO2_FE>();
    objects.CO2 = std::make_unique<TCO2_FE>();
    objects.Ar = std::make_unique<TAr_FE>();
    objects.H2 = std::make_unique<TH2_FE>();
    objects.H2p = std::make_unique<TH2p_FE>();
    objects.H2o = std::make_unique<TH2o_FE>();
    objects.R1234yf = std::make_unique<TR1234yf_FE>();
    objects.R1234zeE = std::make_unique<TR1234zeE_FE>();
    objects.R1233zdE = std::make_unique<TR1233zdE_FE>();
    objects.R290 = std::make_unique<TR290_FE>();
    objects.R600a = std::make_unique<TR600a_FE>();
    objects.R125 = std::make_unique<TR125_FE>();
    objects.R143a = std::make_unique<TR143a_FE>();
    objects.R245fa = std::make_unique<TR245fa_FE>();
    objects.R1336mzzZ = std::make_unique<TR1336mzzZ_FE>();
    objects.R410A = std::make_unique<TR410A_FE>();
    objects.R404A = std::make_unique<TR404A_FE>();
    objects.R407C = std::make_unique<TR407C_FE>();
    objects.R507A = std::make_unique<TR507A_FE>();
}

void CreateFluidObjects() {
    TFluidObjects& objects = Objects();
    std::call_once(objects.Created, [&objects] { FillFluidObjects(objects); });
}

const TNH3_FE& NH3Fluid() {
    return *CreatedObjects().NH3;
}
const TR22_FE& R22Fluid() {
    return *CreatedObjects().R22;
}
const TR32_FE& R32Fluid() {
    return *CreatedObjects().R32;
}
const TR123_FE& R123Fluid() {
    return *CreatedObjects().R123;
}
const TR134a_FE& R134aFluid() {
    return *CreatedObjects().R134a;
}
const TR152a_FE& R152aFluid() {
    return *CreatedObjects().R152a;
}
const TN2_FE& N2Fluid() {
    return *CreatedObjects().N2;
}
const TO2_FE& O2Fluid() {
    return *CreatedObjects().O2;
}
const TCO2_FE& CO2Fluid() {
    return *CreatedObjects().CO2;
}
const TAr_FE& ArFluid() {
    return *CreatedObjects().Ar;
}
const TH2_FE& H2Fluid() {
    return *CreatedObjects().H2;
}
const TH2p_FE& H2pFluid() {
    return *CreatedObjects().H2p;
}
const TH2o_FE& H2oFluid() {
    return *CreatedObjects().H2o;
}
const TR1234yf_FE& R1234yfFluid() {
    return *CreatedObjects().R1234yf;
}
const TR1234zeE_FE& R1234zeEFluid() {
    return *CreatedObjects().R1234zeE;
}
const TR1233zdE_FE& R1233zdEFluid() {
    return *CreatedObjects().R1233zdE;
}
const TR290_FE& R290Fluid() {
    return *CreatedObjects().R290;
}
const TR600a_FE& R600aFluid() {
    return *CreatedObjects().R600a;
}
const TR125_FE& R125Fluid() {
    return *CreatedObjects().R125;
}
const TR143a_FE& R143aFluid() {
    return *CreatedObjects().R143a;
}
const TR245fa_FE& R245faFluid() {
    return *CreatedObjects().R245fa;
}
const TR1336mzzZ_FE& R1336mzzZFluid() {
    return *CreatedObjects().R1336mzzZ;
}
const TR410A_FE& R410AFluid() {
    return *CreatedObjects().R410A;
}
const TR404A_FE& R404AFluid() {
    return *CreatedObjects().R404A;
}
const TR407C_FE& R407CFluid() {
    return *CreatedObjects().R407C;
}
const TR507A_FE& R507AFluid() {
    return *CreatedObjects().R507A;
}
