// The refrigerant models and libraries that differ only in their numbers, one parameterised
// suite: derivatives of the Helmholtz energy, documented and published values, the critical point,
// phase equilibrium, round trips of the flashes and of saturation (states from
// refrigerant_model_states.tsv), and the library sweep. Checks particular to one fluid stay in its
// own file.
#include <gtest/gtest.h>

#include <cctype>
#include <span>
#include <string>
#include <vector>

#include "HelmholtzDerivativeCheck.h"
#include "KXSweep.h"
#include "KX_R123_FE_Lib.h"
#include "KX_R123_FE_Lib_Root.h"
#include "KX_R134a_FE_Lib.h"
#include "KX_R134a_FE_Lib_Root.h"
#include "KX_R152a_FE_Lib.h"
#include "KX_R152a_FE_Lib_Root.h"
#include "KX_R22_FE_Lib.h"
#include "KX_R22_FE_Lib_Root.h"
#include "KX_R32_FE_Lib.h"
#include "KX_R32_FE_Lib_Root.h"
#include "fluid_model_checks.h"

namespace {

// A model object of the test's own, apart from the program-wide one the library uses.
template <class T>
const THelmholzFluid& Own() {
    static const T fluid;
    return fluid;
}

struct TRefrigerant {
    const char* Name;  // as in the data files ("R22": r22_reference.tsv, r22_published.tsv)
    const THelmholzFluid& (*Fluid)();
    const char* Library;
    std::span<const TKXLibraryEntry> (*Entries)();
};

const TRefrigerant Refrigerants[] = {
    {"R22", Own<TR22_FE>, "KX_R22_FE", KX_R22_FE_Entries},
    {"R32", Own<TR32_FE>, "KX_R32_FE", KX_R32_FE_Entries},
    {"R123", Own<TR123_FE>, "KX_R123_FE", KX_R123_FE_Entries},
    {"R134a", Own<TR134a_FE>, "KX_R134a_FE", KX_R134a_FE_Entries},
    {"R152a", Own<TR152a_FE>, "KX_R152a_FE", KX_R152a_FE_Entries},
};

class RefrigerantModel : public ::testing::TestWithParam<TRefrigerant> {
  protected:
    const THelmholzFluid& Fluid() const { return GetParam().Fluid(); }

    std::string FilePrefix() const {
        std::string prefix = GetParam().Name;
        for (char& c : prefix) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return prefix;
    }

    // The rows of this fluid's states of one check; the table must hold some.
    std::vector<fluidtest::TRow> States(const std::string& check) const {
        static const std::vector<fluidtest::TRow> all =
            fluidtest::ReadTable("refrigerant_model_states.tsv");
        std::vector<fluidtest::TRow> rows;
        for (const auto& row : all)
            if (row.at("fluid") == GetParam().Name && row.at("check") == check) rows.push_back(row);
        EXPECT_FALSE(rows.empty()) << "no " << check << " states for " << GetParam().Name;
        return rows;
    }

    std::vector<double> Temperatures(const std::string& check) const {
        std::vector<double> temperatures;
        for (const auto& row : States(check)) temperatures.push_back(fluidtest::Number(row, "T_C"));
        return temperatures;
    }
};

TEST_P(RefrigerantModel, HelmholtzDerivativesMatchCentralDifferences) {
    helmholtzcheck::CheckDerivatives(Fluid(), helmholtzcheck::DefaultPoints());
}

TEST_P(RefrigerantModel, CombinedEvaluationsMatchSingleOperations) {
    helmholtzcheck::CheckCombinedEvaluations(Fluid(), helmholtzcheck::DefaultPoints(), 0.0);
}

TEST_P(RefrigerantModel, DocumentedValues) {
    fluidchecks::CheckReferenceTable(Fluid(), FilePrefix() + "_reference.tsv");
}

TEST_P(RefrigerantModel, ReferenceStateOfTheIdealGasConstants) {
    fluidchecks::CheckReferenceTable(Fluid(), FilePrefix() + "_published.tsv");
}

// The equation of state reproduces the critical pressure at the reducing density and temperature.
TEST_P(RefrigerantModel, CriticalPointOfTheEquationMatchesTheConstants) {
    const THelmholzFluid& f = Fluid();
    EXPECT_NEAR(f.PDT(f.Dcr_, f.Tcr_), f.Pcr_, 0.01);
}

TEST_P(RefrigerantModel, SaturationStateHasEqualPressureAndGibbsEnergy) {
    fluidchecks::CheckPhaseEquilibrium(Fluid(), Temperatures("equilibrium"));
}

TEST_P(RefrigerantModel, FlashesReturnTheTemperature) {
    std::vector<fluidchecks::TState> states;
    for (const auto& row : States("flash"))
        states.push_back({fluidtest::Number(row, "P_bar"), fluidtest::Number(row, "T_C")});
    fluidchecks::CheckFlashRoundTrips(Fluid(), states);
}

TEST_P(RefrigerantModel, SaturationTemperatureOfTheSaturationPressure) {
    fluidchecks::CheckSaturationRoundTrips(Fluid(), Temperatures("saturation"));
}

TEST_P(RefrigerantModel, EveryLibraryFunctionKeepsTheContract) {
    kxsweep::SweepLibrary(GetParam().Library, GetParam().Entries());
}

INSTANTIATE_TEST_SUITE_P(Refrigerants, RefrigerantModel, ::testing::ValuesIn(Refrigerants),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
