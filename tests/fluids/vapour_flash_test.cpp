// The superheated vapour of every Helmholtz library, where the flashes take joint Newton steps in
// temperature and density and the density from (p, T) comes from the fast route: the density is
// the root of the pressure equation to rounding, and the temperature from (p, h) or (p, s) is the
// one the bracketing root finder finds on h(p, T) or s(p, T) over the same bracket.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "HelmholzFluidObject.h"
#include "KX_Library_Descriptions.h"

namespace {

std::vector<const THelmholzFluid*> Fluids() {
    std::vector<const THelmholzFluid*> fluids;
    for (const TKXLibraryDescription& d : KXLibraryDescriptions())
        if (d.Fluid) fluids.push_back(d.Fluid());
    return fluids;
}

struct TState {
    double P, T;
};

// Pressures on the saturation line from 0.6 to 0.995 of the critical temperature; at each,
// temperatures from just above the dew point to well above the critical temperature.
std::vector<TState> SuperheatedStates(const THelmholzFluid& f) {
    std::vector<TState> states;
    const double TcK = f.Tc_ + f.dta;
    for (double ratio : {0.6, 0.8, 0.9, 0.97, 0.995}) {
        const double Tsat = std::fmax(ratio * TcK - f.dta, f.Tt_ + 1.0);
        std::string text;
        int32_t code = 0;
        const double P = f.PsatT(Tsat, text, code);
        double TL = 0.0, DL = 0.0, TV = 0.0, DV = 0.0;
        f.SaturatedEndsFromP(P, TL, DL, TV, DV, text, code);
        if (code != 0) continue;
        for (double above : {0.05, 1.0, 10.0, 60.0})
            if (TV + above < f.Tmax) states.push_back({P, TV + above});
        for (double above : {9.0, 40.0, 69.0})
            if (f.Tc_ + above > TV && f.Tc_ + above < f.Tmax) states.push_back({P, f.Tc_ + above});
    }
    return states;
}

class VapourFlash : public testing::TestWithParam<const THelmholzFluid*> {};

TEST_P(VapourFlash, DensityIsThePressureRoot) {
    const THelmholzFluid& f = *GetParam();
    for (const TState& s : SuperheatedStates(f)) {
        std::string text;
        int32_t code = -1;
        const double D = f.DPT(s.P, s.T, text, code);
        ASSERT_EQ(code, 0) << f.Code << " " << s.P << " bar " << s.T << " °C: " << text;
        EXPECT_NEAR(f.PDT(D, s.T), s.P, 1e-12 * s.P) << f.Code << " " << s.P << " bar " << s.T;
    }
}

TEST_P(VapourFlash, TemperatureIsTheRootFindersRoot) {
    const THelmholzFluid& f = *GetParam();
    struct TKind {
        double (THelmholzFluid::*valuePT)(double, double, std::string&, int32_t&) const;
        double (THelmholzFluid::*inverse)(double, double, std::string&, int32_t&) const;
        TD2Function function;
        double (THelmholzFluid::*valueDT)(double, double) const;
    };
    const TKind kinds[] = {{&THelmholzFluid::HPT, &THelmholzFluid::TPH,
                            &THelmholzFluid::HPTFunction, &THelmholzFluid::HDT},
                           {&THelmholzFluid::SPT, &THelmholzFluid::TPS,
                            &THelmholzFluid::SPTFunction, &THelmholzFluid::SDT}};
    for (const TState& s : SuperheatedStates(f)) {
        std::string text;
        int32_t code = -1;
        double TL = 0.0, DL = 0.0, TV = 0.0, DV = 0.0;
        f.SaturatedEndsFromP(s.P, TL, DL, TV, DV, text, code);
        ASSERT_EQ(code, 0);
        for (const TKind& k : kinds) {
            const double Y = (f.*k.valuePT)(s.P, s.T, text, code);
            ASSERT_EQ(code, 0) << text;
            // Next to the critical point a state just above the dew point can have a value
            // below the saturated vapour's, where the flash reports the saturation temperature.
            if (!(Y > (f.*k.valueDT)(DV, TV))) continue;
            const double T = (f.*k.inverse)(s.P, Y, text, code);
            ASSERT_EQ(code, 0) << f.Code << " " << s.P << " bar " << s.T << " °C: " << text;
            const double Ylo = (f.*k.function)(s.P, TV);
            const double Yhi = (f.*k.function)(s.P, f.Tmax);
            const double reference =
                D2Solver(f, k.function, s.P, Y, TV, f.Tmax, Ylo, Yhi, 1e-10, text, code);
            ASSERT_EQ(code, 0) << text;
            EXPECT_NEAR(T, reference, 1e-8) << f.Code << " " << s.P << " bar " << s.T << " °C";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLibrary, VapourFlash, testing::ValuesIn(Fluids()),
                         [](const auto& info) { return info.param->Code; });

}  // namespace
