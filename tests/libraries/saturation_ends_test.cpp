// The ends of every library's saturation line, through the registry as every caller sees them:
// the triple point (Tt, Pt) and the critical point (Tc, Pc) are points of the line, accepted by
// every saturation and two-phase function, PsatT and TsatP meet there exactly, and approaching
// either end (down to 1e-10 of the way) gives values on the line, never a failure or a value
// outside it. Next to the critical point a heat capacity or Prandtl number is either positive or
// refused, never a negative number with code 0.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "KX_Function_Call.h"
#include "KX_Libraries_Catalogue.h"
#include "KX_Libraries_Object.h"

namespace {

struct TAnswer {
    double Value = 0.0;
    int32_t Code = -1;
    std::string Text;
};

class TLibraryCalls {
  public:
    TLibraryCalls(const TKXLibraries& registry, int index) : Registry(registry), Index(index) {
        std::vector<std::string> names;
        registry.CreateFunctionListByIndex(index, names);
        for (int i = 0; i < static_cast<int>(names.size()); ++i) Functions[ShortName(names[i])] = i;
    }

    bool Has(const std::string& name) const { return Functions.count(name) != 0; }

    TAnswer Call(const std::string& name, double x1 = 0.0, double x2 = 0.0) const {
        const TKXFunctionPtr f = Registry.GetFunctionPtr(Index, Functions.at(name));
        TAnswer a;
        char text[256] = "";
        const double args[] = {x1, x2, 0.0};  // a third for any function of three
        a.Value = KXCallFunction(f, args, text, 255, &a.Code);
        a.Text = text;
        return a;
    }

    double Value(const std::string& name, double x1 = 0.0, double x2 = 0.0) const {
        const TAnswer a = Call(name, x1, x2);
        EXPECT_EQ(a.Code, 0) << name << "(" << x1 << ", " << x2 << "): " << a.Text;
        return a.Value;
    }

  private:
    static std::string ShortName(const std::string& full) {
        return full.substr(full.rfind('_') + 1);
    }
    const TKXLibraries& Registry;
    int Index;
    std::map<std::string, int> Functions;
};

const TKXLibraries& Registry() {
    return KXRegistry();
}

// Every library with a saturation line of its own: water and the fluids, not humid air, nor the
// mixtures, whose lines end where the equilibrium solver stops rather than at a triple and a
// critical point (their lines: mixture_library_test.cpp).
template <class Check>
void ForEveryLibrary(Check check) {
    std::vector<std::string> names;
    Registry().CreateLibraryList(names);
    ASSERT_FALSE(names.empty());
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        const TKXLibraryKind kind = Registry().Library(i)->Info.Kind;
        if (kind == TKXLibraryKind::HumidAir || kind == TKXLibraryKind::Mixture) continue;
        SCOPED_TRACE(names[i]);
        check(TLibraryCalls(Registry(), i));
    }
}

const char* const TwoPhaseFunctions[] = {"DTX", "VTX", "HTX", "STX"};
const char* const TwoPhaseByPressure[] = {"DPX", "VPX", "HPX", "SPX"};

TEST(SaturationEnds, TripleAndCriticalPointsArePointsOfTheLine) {
    ForEveryLibrary([](const TLibraryCalls& lib) {
        const double Tt = lib.Value("Tt"), Pt = lib.Value("Pt");
        const double Tc = lib.Value("Tc"), Pc = lib.Value("Pc");
        EXPECT_EQ(lib.Value("PsatT", Tt), Pt);
        EXPECT_EQ(lib.Value("TsatP", Pt), Tt);
        EXPECT_EQ(lib.Value("PsatT", Tc), Pc);
        EXPECT_EQ(lib.Value("TsatP", Pc), Tc);
        for (double x : {0.0, 1.0}) {
            for (const char* f : TwoPhaseFunctions) {
                lib.Value(f, Tt, x);
                lib.Value(f, Tc, x);
            }
            for (const char* f : TwoPhaseByPressure) {
                lib.Value(f, Pt, x);
                lib.Value(f, Pc, x);
            }
        }
        // The (p,T) functions give the critical state, next to both saturated ones (the
        // backward equations of water reach it to 1e-4).
        const double hL = lib.Value("HTX", Tc, 0.0), hV = lib.Value("HTX", Tc, 1.0);
        const double hc = lib.Value("HPT", Pc, Tc);
        EXPECT_GE(hc, std::min(hL, hV) - 1e-4 * std::fabs(hL));
        EXPECT_LE(hc, std::max(hL, hV) + 1e-4 * std::fabs(hV));
    });
}

TEST(SaturationEnds, ApproachingEitherEndStaysOnTheLine) {
    ForEveryLibrary([](const TLibraryCalls& lib) {
        const double Tt = lib.Value("Tt"), Pt = lib.Value("Pt");
        const double Tc = lib.Value("Tc"), Pc = lib.Value("Pc");
        // A blend's PsatT is its bubble line, which for R-404A and R-407C passes a pressure
        // maximum just below Tc (by 0.002 K and 0.16 K) and is held at Pc from where it reaches
        // Pc: TsatP inverts it up to there.
        const bool blend = lib.Has("TbubP");
        const double invertibleUpTo = blend ? lib.Value("TbubP", Pc) : Tc;
        for (int k = 1; k <= 10; ++k) {
            const double d = std::pow(10.0, -k);
            for (double T : {Tt + d * (Tc - Tt), Tc - d * (Tc - Tt)}) {
                const double p = lib.Value("PsatT", T);
                EXPECT_GE(p, Pt);
                EXPECT_LE(p, Pc);
                if (T <= invertibleUpTo) {
                    EXPECT_NEAR(lib.Value("TsatP", p), T, 1e-6) << "T " << T;
                }
            }
            for (double p : {Pt + d * (Pc - Pt), Pc - d * (Pc - Pt)}) {
                const double T = lib.Value("TsatP", p);
                EXPECT_GE(T, Tt);
                EXPECT_LE(T, Tc);
                EXPECT_NEAR(lib.Value("PsatT", T), p, 1e-7 * p) << "p " << p;
                // The flashes find the temperature of the state inside the dome: the saturation
                // temperature, for a blend midway between its bubble and dew temperatures.
                const double h = lib.Value("HPX", p, 0.5), s = lib.Value("SPX", p, 0.5);
                const double T2 = blend ? 0.5 * (T + lib.Value("TdewP", p)) : T;
                EXPECT_NEAR(lib.Value("TPH", p, h), T2, 1e-6) << "p " << p;
                EXPECT_NEAR(lib.Value("TPS", p, s), T2, 1e-6) << "p " << p;
            }
        }
    });
}

// A hair off the line, each side is its own phase: the density of a compressed liquid just
// above the saturation pressure is the saturated liquid's, of a vapour just below the vapour's.
TEST(SaturationEnds, JustOffTheLineEachSideIsItsOwnPhase) {
    ForEveryLibrary([](const TLibraryCalls& lib) {
        const double Tt = lib.Value("Tt"), Tc = lib.Value("Tc");
        for (double share : {0.0, 1e-3, 0.2, 0.5, 0.8}) {
            const double T = Tt + share * (Tc - Tt);
            // A blend's liquid side is its bubble pressure, its vapour side its dew pressure.
            const double pL = lib.Value("PsatT", T);
            const double pV = lib.Has("PdewT") ? lib.Value("PdewT", T) : pL;
            const struct {
                double P, X;
            } sides[] = {{pL * (1.0 + 1e-7), 0.0}, {pV * (1.0 - 1e-7), 1.0}};
            for (const auto& side : sides) {
                const TAnswer D = lib.Call("DPT", side.P, T);
                if (D.Code == 4) continue;  // below the lowest pressure of the (p,T) functions
                const double saturated = lib.Value("DTX", T, side.X);
                EXPECT_EQ(D.Code, 0) << D.Text;
                EXPECT_NEAR(D.Value, saturated, 1e-3 * saturated) << "T " << T << ", x " << side.X;
            }
        }
    });
}

TEST(SaturationEnds, HeatCapacityNextToTheCriticalPointIsPositiveOrRefused) {
    ForEveryLibrary([](const TLibraryCalls& lib) {
        const double Tc = lib.Value("Tc"), Pc = lib.Value("Pc");
        for (const char* f : {"CpPT", "PrPT"}) {
            if (!lib.Has(f)) continue;
            for (double dp : {-1e-3, -1e-5, 0.0, 1e-5, 1e-3}) {
                for (double dT : {-1e-3, -1e-6, 0.0, 2e-10, 1e-6, 1e-3}) {
                    const TAnswer a = lib.Call(f, Pc * (1.0 + dp), Tc + dT);
                    if (a.Code == 0) {
                        EXPECT_GT(a.Value, 0.0) << f << " at Pc(1 + " << dp << "), Tc + " << dT;
                    }
                }
            }
        }
    });
}

}  // namespace
