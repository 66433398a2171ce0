// The saturated liquid and vapour columns of a state on the dome: heat capacities, speed of sound
// and transport properties are the library's single-phase functions at the saturation line,
// approached from that phase's side; never the other phase's value. Every registered library
// with a single saturation line: not the blends nor humid air, nor the mixtures, which offer no
// saturated states.
#include <cmath>

#include "KXExplorerState.h"
#include "explorer_support.h"

using namespace kxexplorertest;

namespace {

const char* const SideKeys[] = {"cp", "cv", "w", "eta", "nu", "lambda", "Pr"};

// Every registered library with a saturation line of its own but the refrigerant blends: humid air
// has none (its water saturates); on a blend's dome the liquid side is the bubble state and the
// vapour side the dew state, each at its own temperature, which the explorer's state does not show
// in these columns.
std::vector<std::string> RegisteredLibraries() {
    std::vector<std::string> names;
    for (int l = 0; l < Registry().Count(); ++l)
        if (Registry().Library(l)->Info.Kind != TKXLibraryKind::Blend &&
            Registry().Library(l)->Info.Kind != TKXLibraryKind::HumidAir &&
            Registry().Library(l)->Info.Kind != TKXLibraryKind::Mixture)
            names.push_back(Registry().Library(l)->Library_Name);
    return names;
}

// The library's (p, T) function of key a relative pressure step into one phase.
TDirect Beside(const std::string& lib, const char* key, double p, double t, double step) {
    return Direct(lib, FindProperty(key)->FromPT, p * (1.0 + step), t);
}

class SaturatedSides : public testing::TestWithParam<std::string> {};

TEST_P(SaturatedSides, AreTheSinglePhaseLimitsOnEitherSide) {
    const std::string lib = GetParam();
    const TKXFluidFunctions fluid = Fluid(lib);
    const double tt = Direct(lib, "Tt").Value;
    const double tc = Direct(lib, "Tc").Value;
    for (double fraction : {0.2, 0.5, 0.8}) {
        const double t0 = tt + fraction * (tc - tt);
        const double p0 = Direct(lib, "PsatT", t0).Value;
        for (double x : {0.0, 0.5, 1.0})
            for (const TKXState& s : {ComputeState(fluid, TKXInputPair::TX, t0, x),
                                      ComputeState(fluid, TKXInputPair::PX, p0, x)}) {
                ASSERT_TRUE(s.Ok) << lib << " " << t0 << ": " << s.ErrorText;
                const double p = s.Row("p")->Mixture.Value;
                const double t = s.Row("T")->Mixture.Value;
                for (const char* key : SideKeys) {
                    const TKXStateRow* row = s.Row(key);
                    if (!row) continue;  // the library has no such function
                    for (const auto& [cell, step] :
                         {std::pair{&row->Liquid, 1e-7}, std::pair{&row->Vapour, -1e-7}}) {
                        SCOPED_TRACE(lib + " " + key + " T " + std::to_string(t) + " x " +
                                     std::to_string(x) + (step > 0 ? " liquid" : " vapour"));
                        // A function that fails beside the line (out of its range) gives its text.
                        const TDirect near = Beside(lib, key, p, t, step);
                        if (near.Code != 0) {
                            EXPECT_EQ(cell->Text, near.Text);
                            continue;
                        }
                        ASSERT_TRUE(cell->HasValue) << cell->Text;
                        EXPECT_NEAR(cell->Value, near.Value, 1e-5 * std::fabs(near.Value));
                    }
                }
                // Two phases, not one value twice.
                const TKXStateRow* cp = s.Row("cp");
                EXPECT_GT(std::fabs(cp->Liquid.Value - cp->Vapour.Value), 1e-3 * cp->Liquid.Value)
                    << lib << " " << t;
            }
    }
}

// At the triple point the library may answer the other phase a little off the saturation
// pressure (or fail there): a side is then empty or a text, never the other phase's number. Ten
// per cent above the saturation pressure the liquid is unambiguous, one per cent below it the
// vapour, and cp hardly moves over such steps there.
TEST_P(SaturatedSides, AtTheTriplePointAreTheirPhasesOrNothing) {
    const std::string lib = GetParam();
    const double tt = Direct(lib, "Tt").Value;
    const double tc = Direct(lib, "Tc").Value;
    for (double t : {tt, tt + 0.01 * (tc - tt)}) {
        const TKXState s = ComputeState(Fluid(lib), TKXInputPair::TX, t, 0.5);
        ASSERT_TRUE(s.Ok) << s.ErrorText;
        const double p = s.Row("p")->Mixture.Value;
        const TKXStateRow* cp = s.Row("cp");
        for (const auto& [cell, step] :
             {std::pair{&cp->Liquid, 0.1}, std::pair{&cp->Vapour, -0.01}}) {
            const TDirect clear = Beside(lib, "cp", p, t, step);
            if (!cell->HasValue || clear.Code != 0) continue;  // below the library's range
            EXPECT_NEAR(cell->Value, clear.Value, 0.01 * clear.Value)
                << lib << " " << t << (step > 0 ? " liquid" : " vapour");
        }
    }
}

// Approaching the critical point the two sides draw together: each side, where given, is still
// nearer that phase's function just beside the line than the other phase's.
TEST_P(SaturatedSides, NearTheCriticalPointAreTheirPhasesOrNothing) {
    const std::string lib = GetParam();
    const double tc = Direct(lib, "Tc").Value;
    for (double below : {1.0, 0.1, 0.01}) {
        const double t = tc - below;
        const TKXState s = ComputeState(Fluid(lib), TKXInputPair::TX, t, 0.5);
        if (!s.Ok) continue;  // no dome at this temperature in this library
        const double p = s.Row("p")->Mixture.Value;
        for (const char* key : {"cp", "w"}) {
            const TKXStateRow* row = s.Row(key);
            for (const auto& [cell, step] :
                 {std::pair{&row->Liquid, 2e-9}, std::pair{&row->Vapour, -2e-9}}) {
                if (!cell->HasValue) continue;
                const TDirect own = Beside(lib, key, p, t, step);
                const TDirect other = Beside(lib, key, p, t, -step);
                EXPECT_LT(std::fabs(cell->Value - own.Value), std::fabs(cell->Value - other.Value))
                    << lib << " " << key << " " << below << " K below Tc"
                    << (step > 0 ? " liquid" : " vapour");
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Registry, SaturatedSides, testing::ValuesIn(RegisteredLibraries()));

// Steam tables at 100 °C (IAPWS): cp' about 4.22 and cp'' about 2.08 kJ/kgK, w' about 1545 and
// w'' about 472 m/s.
TEST(SaturatedSidesOfWater, At100C) {
    const TKXState s = ComputeState(Fluid("KX_WS_IF97"), TKXInputPair::TX, 100.0, 0.0);
    ASSERT_TRUE(s.Ok);
    EXPECT_NEAR(s.Row("cp")->Liquid.Value, 4.22, 0.01);
    EXPECT_NEAR(s.Row("cp")->Vapour.Value, 2.08, 0.01);
    EXPECT_NEAR(s.Row("w")->Liquid.Value, 1545.0, 2.0);
    EXPECT_NEAR(s.Row("w")->Vapour.Value, 472.0, 2.0);
    EXPECT_TRUE(s.Row("cp")->Mixture.Empty());  // the state's own column is unchanged
}

}  // namespace
