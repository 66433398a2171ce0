#include "KX_Fluid_Objects.h"

#include <memory>
#include <mutex>

#include "KX_Ar_FE_Lib_Root.h"
#include "KX_CO2_FE_Lib_Root.h"
#include "KX_H2_FE_Lib_Root.h"
#include "KX_N2_FE_Lib_Root.h"
#include "KX_NH3_FE_Lib_Root.h"
#include "KX_O2_FE_Lib_Root.h"
#include "KX_R123_FE_Lib_Root.h"
#include "KX_R134a_FE_Lib_Root.h"
#include "KX_R152a_FE_Lib_Root.h"
#include "KX_R22_FE_Lib_Root.h"
#include "KX_R32_FE_Lib_Root.h"

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
