// The binary-pair libraries at a chosen composition: the same engine as the blend libraries at a
// blend's composition, the pure fluids at the ends, an independent implementation between them,
// the bubble-dew identities with the reference state of every composition, and the composition
// argument's checks.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "KXTsv.h"
#include "KX_Function_Call.h"
#include "KX_Libraries_Catalogue.h"
#include "KX_Mixture_Blends.h"
#include "KX_Mixture_Pairs.h"

namespace {

struct TAnswer {
    double Value = 0.0;
    int32_t Code = -1;
    std::string Text;
};

TAnswer Call(const std::string& function, std::vector<double> args) {
    TAnswer a;
    int l = 0, f = 0;
    if (!KXRegistry().FindFunction(function, l, f)) {
        a.Text = "no function " + function;
        return a;
    }
    args.resize(3, 0.0);
    char text[256] = "";
    a.Value = KXCallFunction(KXRegistry().GetFunctionPtr(l, f), args.data(), text, 255, &a.Code);
    a.Text = text;
    return a;
}

// The value of a call that must succeed.
double Value(const std::string& function, std::vector<double> args) {
    const TAnswer a = Call(function, std::move(args));
    EXPECT_EQ(a.Code, 0) << function << ": " << a.Text;
    return a.Value;
}

std::vector<std::string> PairLibraries() {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < MixturePairLibraryCount; ++i)
        names.push_back(MixturePairLibraryName(i));
    return names;
}

// At the composition of a blend of the pair, the pair library is the blend library: the same
// mixture model, the same solver, the same reference state (the composition passed as z, 1 - z
// differs from the blend's by rounding only).
TEST(MixturePairs, AtABlendsCompositionAnswerAsTheBlendLibrary) {
    struct TCase {
        const char* Pair;
        const char* Blend;  // the blend's name in the mixture model
        const char* Library;
    };
    const TCase cases[] = {
        {"KX_MIX_R32_R125", "R-410A", "KX_R410A_MIX"},
        {"KX_MIX_R125_R143a", "R-507A", "KX_R507A_MIX"},
        {"KX_MIX_R32_R1234yf", "R-454B", "KX_R454B_MIX"},
        {"KX_MIX_R32_R1234yf", "R-454A", "KX_R454A_MIX"},
        {"KX_MIX_R32_R1234yf", "R-454C", "KX_R454C_MIX"},
        {"KX_MIX_R1234yf_R134a", "R-513A", "KX_R513A_MIX"},
    };
    const auto same = [](double pair, double blend, const std::string& what) {
        EXPECT_NEAR(pair, blend, 1e-12 * std::abs(blend)) << what;
    };
    for (const TCase& c : cases) {
        const double z = MakeBlend(c.Blend).Composition()[0];
        const std::string pair = c.Pair, blend = c.Library;
        for (const double T : {-50.0, 0.0, 35.0}) {
            const std::string at = pair + " T " + std::to_string(T);
            same(Value(pair + "_PbubT", {T, z}), Value(blend + "_PbubT", {T}), at + " PbubT");
            same(Value(pair + "_PdewT", {T, z}), Value(blend + "_PdewT", {T}), at + " PdewT");
            same(Value(pair + "_YbubT", {T, z}), Value(blend + "_YbubT", {T, 1}), at + " YbubT");
            same(Value(pair + "_XdewT", {T, z}), Value(blend + "_XdewT", {T, 1}), at + " XdewT");
        }
        // A liquid, a vapour and a vapour below the dew pressure at the lowest temperature.
        for (const auto& [P, T] : {std::pair{30.0, -20.0}, {5.0, 40.0}, {0.05, 20.0}}) {
            const std::string at = pair + " " + std::to_string(P) + " bar " + std::to_string(T);
            for (const char* f : {"HPT", "SPT", "DPT", "WPT"})
                same(Value(pair + "_" + f, {P, T, z}), Value(blend + "_" + f, {P, T}),
                     at + " " + f);
        }
        same(Value(pair + "_TbubP", {10.0, z}), Value(blend + "_TbubP", {10.0}), pair + " TbubP");
        same(Value(pair + "_MM", {z}), Value(blend + "_MM", {}), pair + " MM");
    }
}

// Next to either end the mixture is its pure component: bubble and dew pressure within 5e-5 of
// the pure library's vapour pressure. The bubble pressure moves off the pure fluid's by
// (K∞ - 1) times the dilution, K∞ the infinite-dilution K-factor (below 10 for these pairs at
// 1e-6 dilution: under 1e-5), and the mixture's one gas constant differs from the components'
// own by under 2e-6.
TEST(MixturePairs, NearEitherEndApproachThePureFluid) {
    struct TCase {
        const char* Pair;
        const char* First;
        const char* Second;
    };
    const TCase cases[] = {
        {"KX_MIX_R32_R125", "KX_R32_FE", "KX_R125_FE"},
        {"KX_MIX_R32_R134a", "KX_R32_FE", "KX_R134a_FE"},
        {"KX_MIX_R125_R134a", "KX_R125_FE", "KX_R134a_FE"},
        {"KX_MIX_R125_R143a", "KX_R125_FE", "KX_R143a_FE"},
        {"KX_MIX_R134a_R143a", "KX_R134a_FE", "KX_R143a_FE"},
        {"KX_MIX_R32_R1234yf", "KX_R32_FE", "KX_R1234yf_FE"},
        {"KX_MIX_R32_R1234zeE", "KX_R32_FE", "KX_R1234zeE_FE"},
        {"KX_MIX_R125_R1234yf", "KX_R125_FE", "KX_R1234yf_FE"},
        {"KX_MIX_R1234yf_R134a", "KX_R1234yf_FE", "KX_R134a_FE"},
        {"KX_MIX_R1234yf_R1234zeE", "KX_R1234yf_FE", "KX_R1234zeE_FE"},
        {"KX_MIX_R134a_R1234zeE", "KX_R134a_FE", "KX_R1234zeE_FE"},
        {"KX_MIX_R125_R1234zeE", "KX_R125_FE", "KX_R1234zeE_FE"},
    };
    ASSERT_EQ(std::size(cases), MixturePairLibraryCount);
    constexpr double Dilution = 1e-6, Tolerance = 5e-5;
    for (const TCase& c : cases) {
        const std::string pair = c.Pair;
        for (const double T : {-30.0, 20.0}) {
            for (const auto& [z, pure] :
                 {std::pair{1.0 - Dilution, c.First}, {Dilution, c.Second}}) {
                const double psat = Value(std::string(pure) + "_PsatT", {T});
                const std::string at = pair + " z " + std::to_string(z) + " T " + std::to_string(T);
                EXPECT_NEAR(Value(pair + "_PbubT", {T, z}), psat, Tolerance * psat) << at;
                EXPECT_NEAR(Value(pair + "_PdewT", {T, z}), psat, Tolerance * psat) << at;
            }
        }
    }
}

// Between the ends, the bubble and dew points of an independent implementation of the same
// model (the reference pack's tool).
TEST(MixturePairs, MatchAnIndependentImplementation) {
    const auto rows = kxtsv::ReadKeyed("mixture_pairs_reference.tsv");
    ASSERT_EQ(rows.size(), 2 * MixturePairLibraryCount);
    for (const auto& r : rows) {
        const std::string lib = r.at("library");
        const double z = std::stod(r.at("z")), T = std::stod(r.at("T_K")) - 273.15;
        SCOPED_TRACE(lib + " z " + r.at("z") + " T " + r.at("T_K"));
        const double pb = std::stod(r.at("bubble_p_Pa")) / 1e5,
                     pd = std::stod(r.at("dew_p_Pa")) / 1e5;
        EXPECT_NEAR(Value(lib + "_PbubT", {T, z}), pb, 1e-7 * pb);
        EXPECT_NEAR(Value(lib + "_PdewT", {T, z}), pd, 1e-7 * pd);
        EXPECT_NEAR(Value(lib + "_YbubT", {T, z}), std::stod(r.at("vapour_y1")), 1e-7);
        EXPECT_NEAR(Value(lib + "_XdewT", {T, z}), std::stod(r.at("liquid_x1")), 1e-7);
    }
}

// For every pair and several compositions, one after another (each with its own reference
// state): the bubble pressure is at least the dew pressure, the lines invert to their
// temperature, the glide is their difference, and the liquid at the bubble point at 0 °C has
// h = 200 kJ/kg and s = 1 kJ/(kg K).
TEST(MixturePairs, BubbleAndDewIdentitiesAndTheReferenceStateOfEveryComposition) {
    for (const std::string& lib : PairLibraries()) {
        for (const double z : {0.2, 0.5, 0.8, 0.5}) {
            const std::string at = lib + " z " + std::to_string(z);
            for (const double T : {-40.0, 0.0, 40.0}) {
                const double pb = Value(lib + "_PbubT", {T, z}), pd = Value(lib + "_PdewT", {T, z});
                EXPECT_GE(pb, pd) << at << " T " << T;
                EXPECT_NEAR(Value(lib + "_TbubP", {pb, z}), T, 1e-6) << at << " T " << T;
                EXPECT_NEAR(Value(lib + "_TdewP", {pd, z}), T, 1e-6) << at << " T " << T;
                EXPECT_NEAR(Value(lib + "_TglideP", {pb, z}), Value(lib + "_TdewP", {pb, z}) - T,
                            1e-6)
                    << at << " T " << T;
            }
            // Just above the bubble pressure at 0 °C the state is the saturated liquid but for a
            // compression of 1e-7 of the pressure (v dp below 1e-6 kJ/kg).
            const double p0 = Value(lib + "_PbubT", {0.0, z}) * (1.0 + 1e-7);
            EXPECT_NEAR(Value(lib + "_HPT", {p0, 0.0, z}), 200.0, 1e-5) << at;
            EXPECT_NEAR(Value(lib + "_SPT", {p0, 0.0, z}), 1.0, 1e-7) << at;
        }
    }
}

// A sweep at one composition: after its first 64 line calls the answers come from tables of the
// lines at that composition, equal to the solver's to 1e-11 (pressure) and 1e-9 K.
TEST(MixturePairs, ASweepAtOneCompositionAgreesWithTheSolverOnceTabled) {
    const std::string lib = "KX_MIX_R32_R1234yf";
    const double z = 0.37;
    std::vector<double> pb, pd, tb;
    const std::vector<double> temperatures = {-60.0, -31.3, 0.0, 17.7, 45.0};
    for (const double T : temperatures) {
        pb.push_back(Value(lib + "_PbubT", {T, z}));
        pd.push_back(Value(lib + "_PdewT", {T, z}));
        tb.push_back(Value(lib + "_TbubP", {pb.back(), z}));
    }
    for (int i = 0; i < 70; ++i) Value(lib + "_PbubT", {-50.0 + i, z});
    for (std::size_t i = 0; i < temperatures.size(); ++i) {
        const std::string at = "T " + std::to_string(temperatures[i]);
        EXPECT_NEAR(Value(lib + "_PbubT", {temperatures[i], z}), pb[i], 1e-11 * pb[i]) << at;
        EXPECT_NEAR(Value(lib + "_PdewT", {temperatures[i], z}), pd[i], 1e-11 * pd[i]) << at;
        EXPECT_NEAR(Value(lib + "_TbubP", {pb[i], z}), tb[i], 1e-9) << at;
    }
    // Another composition is still the solver's, and out-of-range arguments keep their codes.
    EXPECT_EQ(Call(lib + "_PbubT", {500.0, z}).Code, 3);
    EXPECT_EQ(Call(lib + "_TbubP", {1e-6, z}).Code, 4);
}

// Above the lines, along a high isobar, density falls and enthalpy rises with temperature (the
// equation's spurious vapour root at low temperature once answered h = -2e5 kJ/kg here).
TEST(MixturePairs, AboveTheLinesTheStateIsTheStableOne) {
    for (const std::string& lib : PairLibraries()) {
        double rho = 1e9, h = -1e9;
        for (const double T : {-70.0, -50.0, -20.0, 20.0, 60.0, 100.0}) {
            const std::string at = lib + " at " + std::to_string(T) + " °C";
            const double d = Value(lib + "_DPT", {150.0, T, 0.5});
            const double e = Value(lib + "_HPT", {150.0, T, 0.5});
            EXPECT_LT(d, rho) << at;
            EXPECT_GT(e, h) << at;
            rho = d, h = e;
        }
    }
}

// The composition argument: outside 0 < z < 1 (the ends are the pure fluids' libraries) and NaN
// give their codes and a text naming the mole fraction, whichever function.
TEST(MixturePairs, WrongCompositionsGiveTheirCodeAndText) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct TCase {
        double Z;
        int32_t Code;
        const char* Text;
    };
    const TCase cases[] = {
        {-0.1, 16, "Mole Fraction lower than or equal to minimum value of 0.000 -."},
        {0.0, 16, "Mole Fraction lower than or equal to minimum value of 0.000 -."},
        {1.0, 17, "Mole Fraction higher than or equal to maximum value of 1.000 -."},
        {1.5, 17, "Mole Fraction higher than or equal to maximum value of 1.000 -."},
        {nan, 16, "Mole Fraction is not a number."},
    };
    for (const std::string& lib : PairLibraries()) {
        for (const TCase& c : cases) {
            for (const auto& [f, args] :
                 {std::pair<const char*, std::vector<double>>{"PbubT", {0.0}},
                  {"TdewP", {5.0}},
                  {"XdewP", {5.0}},
                  {"HPT", {1.0, 20.0}},
                  {"MM", {}}}) {
                std::vector<double> a = args;
                a.push_back(c.Z);
                const std::string name = lib + "_" + f;
                const TAnswer answer = Call(name, a);
                EXPECT_EQ(answer.Code, c.Code) << name << " z " << c.Z;
                EXPECT_EQ(answer.Text, name + "; " + c.Text);
                EXPECT_EQ(answer.Value, 0.0);
            }
        }
    }
}

}  // namespace
