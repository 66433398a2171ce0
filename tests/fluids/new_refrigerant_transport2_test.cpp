// Viscosity, thermal conductivity and surface tension of R1234yf, R1233zd(E), R143a and
// R1336mzz(Z): every published check value at the paper's temperature and density through the
// fluids' own equation-of-state objects (tests/data/new_refrigerant_transport2.tsv), and the pole
// of the R1234yf residual viscosity.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <string>

#include "KX_New_Refrigerant_Transport.h"
#include "KX_R1233zdE_FE_Lib_Root.h"
#include "KX_R1234yf_FE_Lib_Root.h"
#include "KX_R1336mzzZ_FE_Lib_Root.h"
#include "KX_R143a_FE_Lib_Root.h"
#include "fluid_test_support.h"
#include "transport/KX_Transport_Fluids.h"

namespace {

using namespace kxtransport;

using TOfDT = double (*)(const THelmholzFluid&, double, double);

struct TFluidModels {
    std::function<const THelmholzFluid&()> fluid;
    TOfDT viscosity;
    TOfDT conductivity;
    const TSurfaceTensionSum& surfaceTension;
};

template <class T>
const THelmholzFluid& Instance() {
    static const T fluid;
    return fluid;
}

const std::map<std::string, TFluidModels>& Models() {
    static const std::map<std::string, TFluidModels> models{
        {"R1234yf",
         {Instance<TR1234yf_FE>, R1234yfViscosityDT, R1234yfConductivityDT, R1234yfSurfaceTension}},
        {"R1233zdE",
         {Instance<TR1233zdE_FE>, R1233zdEViscosityDT, R1233zdEConductivityDT,
          R1233zdESurfaceTension}},
        {"R143a",
         {Instance<TR143a_FE>, R143aViscosityDT, R143aConductivityDT, R143aSurfaceTension}},
        {"R1336mzzZ",
         {Instance<TR1336mzzZ_FE>, R1336mzzZViscosityDT, R1336mzzZConductivityDT,
          R1336mzzZSurfaceTension}}};
    return models;
}

class NewRefrigerantTransportTest : public ::testing::TestWithParam<fluidtest::TRow> {};

TEST_P(NewRefrigerantTransportTest, ReproducesThePublishedCheckValue) {
    const fluidtest::TRow& row = GetParam();
    const TFluidModels& m = Models().at(row.at("fluid"));
    const THelmholzFluid& fluid = m.fluid();
    const double TK = fluidtest::Number(row, "T_K");
    double D = fluidtest::Number(row, "rho");
    if (row.at("rho_unit") == "mol/m3") D *= fluid.MM_ / 1000.0;
    const double T = TK - fluid.dta;
    const std::string property = row.at("property");
    double value = NAN;
    if (property == "eta") value = m.viscosity(fluid, D, T);
    if (property == "lambda") value = m.conductivity(fluid, D, T);
    if (property == "sigma") value = Evaluate(m.surfaceTension, TK);
    EXPECT_NEAR(value, fluidtest::Number(row, "value"), fluidtest::Number(row, "tol"))
        << (value / fluidtest::Number(row, "value") - 1.0) << " relative";
}

INSTANTIATE_TEST_SUITE_P(
    PublishedValues, NewRefrigerantTransportTest,
    ::testing::ValuesIn(fluidtest::ReadTable("new_refrigerant_transport2.tsv")),
    [](const ::testing::TestParamInfo<fluidtest::TRow>& info) {
        return info.param.at("fluid") + "_" + info.param.at("property") + "_" +
               std::to_string(info.index);
    });

// The R1234yf residual viscosity divides by (delta - 3.53682791): finite below the pole, whatever
// the temperature, and NaN at and beyond it instead of a sign-flipped value.
TEST(NewRefrigerantTransportPole, R1234yfViscosityIsNaNFromItsPoleOn) {
    const TR1234yf_FE fluid;
    const double poleD = 3.53682791 * 4170.0 * fluid.MM_ / 1000.0;  // kg/m3
    for (const double TK : {220.0, 300.0, 410.0}) {
        const double T = TK - fluid.dta;
        EXPECT_TRUE(std::isfinite(R1234yfViscosityDT(fluid, 0.99 * poleD, T))) << TK;
        EXPECT_GT(R1234yfViscosityDT(fluid, 0.99 * poleD, T), 0.0) << TK;
        EXPECT_TRUE(std::isnan(R1234yfViscosityDT(fluid, poleD, T))) << TK;
        EXPECT_TRUE(std::isnan(R1234yfViscosityDT(fluid, 1.01 * poleD, T))) << TK;
    }
}

}  // namespace
