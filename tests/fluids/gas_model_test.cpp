// The gas models that share their checks, one parameterised suite over argon, nitrogen, oxygen
// and the three forms of hydrogen: the derivatives of the Helmholtz energy, the critical point of
// the equation of state, the residual part at zero density, flash round trips (states from
// gas_flash_states.tsv), the fast routes and saturation round trips. Checks particular to one gas
// stay in its own file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HelmholtzDerivativeCheck.h"
#include "KX_Ar_FE_Lib_Root.h"
#include "KX_Fluid_Objects.h"
#include "KX_H2_FE_Lib_Root.h"
#include "KX_N2_FE_Lib_Root.h"
#include "KX_O2_FE_Lib_Root.h"
#include "gases_test_support.h"

namespace {

template <class T, const T& (*Accessor)()>
const THelmholzFluid& Base() {
    return Accessor();
}

struct TGas {
    const char* Name;  // as in gas_flash_states.tsv
    const THelmholzFluid& (*Fluid)();
    double CriticalPressureTolerance;  // bar: how closely P(Dc, Tc) meets Pc
};

const TGas Gases[] = {
    {"Ar", Base<TAr_FE, ArFluid>, 1e-5},    {"N2", Base<TN2_FE, N2Fluid>, 1e-5},
    {"O2", Base<TO2_FE, O2Fluid>, 1e-4},    {"H2", Base<TH2_FE, H2Fluid>, 1e-3},
    {"H2p", Base<TH2p_FE, H2pFluid>, 1e-3}, {"H2o", Base<TH2o_FE, H2oFluid>, 1e-3},
};

class GasModel : public ::testing::TestWithParam<TGas> {
  protected:
    const THelmholzFluid& Fluid() const { return GetParam().Fluid(); }
};

TEST_P(GasModel, DerivativesAgreeWithCentralDifferences) {
    helmholtzcheck::CheckDerivatives(Fluid(), helmholtzcheck::DefaultPoints());
    helmholtzcheck::CheckCombinedEvaluations(Fluid(), helmholtzcheck::DefaultPoints());
}

TEST_P(GasModel, CriticalPointOfTheEquationOfState) {
    gasestest::CheckCriticalPoint(Fluid(), GetParam().CriticalPressureTolerance);
}

// Terms without an exponential factor contribute no δ^(p−2) at zero density.
TEST_P(GasModel, ResidualPartIsFiniteAtZeroDensity) {
    gasestest::CheckZeroDensityLimit(Fluid());
}

TEST_P(GasModel, FlashRoundTrips) {
    static const std::vector<fluidtest::TRow> all = fluidtest::ReadTable("gas_flash_states.tsv");
    std::vector<fluidtest::TState> states;
    for (const auto& row : all)
        if (row.at("fluid") == GetParam().Name)
            states.push_back({fluidtest::Number(row, "P_bar"), fluidtest::Number(row, "T_C")});
    ASSERT_FALSE(states.empty()) << "no flash states for " << GetParam().Name;
    gasestest::CheckFlashRoundTrips(Fluid(), states);
}

TEST_P(GasModel, FastRoutesAgreeWithThePlainIterations) {
    gasestest::CheckFastRoutesAgree(Fluid());
}

TEST_P(GasModel, SaturationRoundTrips) {
    gasestest::CheckSaturationRoundTrips(Fluid());
}

INSTANTIATE_TEST_SUITE_P(Gases, GasModel, ::testing::ValuesIn(Gases),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
