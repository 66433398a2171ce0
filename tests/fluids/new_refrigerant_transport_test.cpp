// Viscosity, thermal conductivity and surface tension of R290, R600a, R1234ze(E), R245fa and R125:
// every check value of tests/data/new_refrigerant_transport.tsv through the correlation objects
// on this program's equations of state, the validity ranges the library files will use, and the
// surface tension's shape up to its critical temperature.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KX_R1234zeE_FE_Lib_Root.h"
#include "KX_R125_FE_Lib_Root.h"
#include "KX_R245fa_FE_Lib_Root.h"
#include "KX_R290_FE_Lib_Root.h"
#include "KX_R600a_FE_Lib_Root.h"
#include "KX_Transport_Ranges_R125.h"
#include "KX_Transport_Ranges_R290_R600a_R1234zeE_R245fa.h"
#include "fluid_test_support.h"
#include "transport/KX_Transport_Fluids.h"

namespace {

using namespace kxtransport;

struct TFluidCase {
    const char* name;
    const THelmholzFluid& (*fluid)();
    const TViscosityCorrelation& viscosity;
    const TConductivityCorrelation& conductivity;
    const TSurfaceTensionSum& surfaceTension;
    const TTransportRange& viscosityRange;
    const TTransportRange& conductivityRange;
};

template <class Fluid>
const THelmholzFluid& Model() {
    static const Fluid fluid;
    return fluid;
}

const TFluidCase Cases[] = {
    {"R290", Model<TR290_FE>, R290Viscosity, R290Conductivity, R290SurfaceTension,
     R290ViscosityRange, R290ConductivityRange},
    {"R600a", Model<TR600a_FE>, R600aViscosity, R600aConductivity, R600aSurfaceTension,
     R600aViscosityRange, R600aConductivityRange},
    {"R1234zeE", Model<TR1234zeE_FE>, R1234zeEViscosity, R1234zeEConductivity,
     R1234zeESurfaceTension, R1234zeEViscosityRange, R1234zeEConductivityRange},
    {"R245fa", Model<TR245fa_FE>, R245faViscosity, R245faConductivity, R245faSurfaceTension,
     R245faViscosityRange, R245faConductivityRange},
    {"R125", Model<TR125_FE>, R125Viscosity, R125Conductivity, R125SurfaceTension,
     R125ViscosityRange, R125ConductivityRange},
};

class NewRefrigerantTransportTest : public ::testing::TestWithParam<TFluidCase> {
  protected:
    // The rows of this fluid, with the mass density (kg/m3) in "rho".
    std::vector<fluidtest::TRow> Rows() const {
        static const auto table = fluidtest::ReadTable("new_refrigerant_transport.tsv");
        std::vector<fluidtest::TRow> rows;
        for (auto row : table) {
            if (row.at("fluid") != GetParam().name) continue;
            if (row.at("rho_unit") == "mol/m3")
                row["rho"] =
                    std::to_string(fluidtest::Number(row, "rho") * GetParam().fluid().MM_ / 1000.0);
            rows.push_back(row);
        }
        return rows;
    }
};

// Each value at the paper's temperature and density, the density taken into the state of this
// program's equation of state (the conductivity's critical term needs its caloric quantities).
TEST_P(NewRefrigerantTransportTest, ReproducesTheCheckValues) {
    const TFluidCase& f = GetParam();
    const THelmholzFluid& fluid = f.fluid();
    const auto rows = Rows();
    ASSERT_FALSE(rows.empty());
    for (const auto& row : rows) {
        SCOPED_TRACE(fluidtest::Describe(row));
        const double T = fluidtest::Number(row, "T_K") - fluid.dta;
        const double D = fluidtest::Number(row, "rho");
        const std::string property = row.at("property");
        ASSERT_TRUE(property == "eta" || property == "lambda");
        const double value = property == "eta" ? Viscosity(f.viscosity, fluid, D, T)
                                               : Conductivity(f.conductivity, fluid, D, T);
        EXPECT_NEAR(value, fluidtest::Number(row, "value"), fluidtest::Number(row, "tol"));
    }
}

// The check states lie inside the ranges the correlations are given, and below the viscosity's
// close-packed pole where it has one: a range or pole transcribed wrongly would cut them off.
TEST_P(NewRefrigerantTransportTest, CheckStatesLieInsideTheRanges) {
    const TFluidCase& f = GetParam();
    const THelmholzFluid& fluid = f.fluid();
    for (const auto& row : Rows()) {
        SCOPED_TRACE(fluidtest::Describe(row));
        const double T = fluidtest::Number(row, "T_K") - fluid.dta;
        const double D = fluidtest::Number(row, "rho");
        const TTransportRange& range =
            row.at("property") == "eta" ? f.viscosityRange : f.conductivityRange;
        EXPECT_GE(T, range.TminC);
        EXPECT_LE(T, range.TmaxC);
        if (range.DmaxOfT) {
            EXPECT_LT(D, range.DmaxOfT(fluid, T));
        }
    }
    // The pole lies above the saturated liquid at the triple point, where the liquid is densest.
    if (f.viscosity.residualSum->closePacked) {
        ASSERT_NE(f.viscosityRange.DmaxOfT, nullptr);
        EXPECT_GT(f.viscosityRange.DmaxOfT(fluid, fluid.Tt_), fluid.dsle(fluid.Tt_));
    }
}

// The surface tension falls steadily from the triple point to zero at its critical temperature
// and stays zero above it.
TEST_P(NewRefrigerantTransportTest, SurfaceTensionFallsToZeroAtItsCriticalTemperature) {
    const TSurfaceTensionSum& sigma = GetParam().surfaceTension;
    const double Tt = GetParam().fluid().Tt_ + GetParam().fluid().dta;
    double previous = Evaluate(sigma, Tt);
    EXPECT_GT(previous, 0.005);
    EXPECT_LT(previous, 0.06);
    for (int i = 1; i < 100; ++i) {
        const double T = Tt + (sigma.Tc - Tt) * i / 100.0;
        const double value = Evaluate(sigma, T);
        EXPECT_GT(value, 0.0) << T;
        EXPECT_LT(value, previous) << T;
        previous = value;
    }
    EXPECT_EQ(Evaluate(sigma, sigma.Tc), 0.0);
    EXPECT_EQ(Evaluate(sigma, sigma.Tc + 1.0), 0.0);
}

INSTANTIATE_TEST_SUITE_P(Fluids, NewRefrigerantTransportTest, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
