// The four blend libraries through the registry, as every caller sees them: the bubble and dew
// lines (PbubT, PdewT against Lemmon's Table V and the ancillaries of tests/data/<blend>_
// published.tsv; TbubP, TdewP their inverses; TglideP their difference), PsatT and TsatP on the
// bubble line, and the two-phase states: at (T, x) the state (p, x) whose temperature
// (1 − x) Tbub(p) + x Tdew(p) is T, which the (p, x) functions and the flashes give back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "KXTsv.h"
#include "KX_Function_Call.h"
#include "KX_Libraries_Catalogue.h"

namespace {

struct TAnswer {
    double Value = 0.0;
    int32_t Code = -1;
    std::string Text;
};

struct TBlend {
    const char* library;
    const char* table;
};

const TBlend Blends[] = {{"KX_R410A_FE", "r410a_published.tsv"},
                         {"KX_R404A_FE", "r404a_published.tsv"},
                         {"KX_R407C_FE", "r407c_published.tsv"},
                         {"KX_R507A_FE", "r507a_published.tsv"}};

TAnswer Call(const std::string& library, const std::string& shortName, double x1 = 0.0,
             double x2 = 0.0) {
    TAnswer a;
    int l = 0, f = 0;
    if (!KXRegistry().FindFunction(library + "_" + shortName, l, f)) {
        ADD_FAILURE() << "no function " << library << "_" << shortName;
        return a;
    }
    const double args[] = {x1, x2, 0.0};
    char text[256] = "";
    a.Value = KXCallFunction(KXRegistry().GetFunctionPtr(l, f), args, text, 255, &a.Code);
    a.Text = text;
    return a;
}

// The value of a call that must succeed.
double Value(const std::string& library, const std::string& shortName, double x1 = 0.0,
             double x2 = 0.0) {
    const TAnswer a = Call(library, shortName, x1, x2);
    EXPECT_EQ(a.Code, 0) << shortName << "(" << x1 << ", " << x2 << "): " << a.Text;
    return a.Value;
}

TEST(BlendLibraries, AreBlendsListedAfterEveryPureFluid) {
    const TKXLibraries& registry = KXRegistry();
    const int first = registry.FindLibrary("KX_R1336mzzZ_FE") + 1;
    for (int i = 0; i < 4; ++i) {
        const TKXLibrary& library = *registry.Library(first + i);
        EXPECT_EQ(library.Library_Name, Blends[i].library);
        EXPECT_EQ(library.Info.Kind, TKXLibraryKind::Blend);
        // Typed as a person writes it: "R410A", "r-410a".
        const std::string name = library.Library_Name.substr(3, library.Library_Name.size() - 6);
        EXPECT_EQ(registry.FindLibrary(name), first + i);
        EXPECT_EQ(registry.FindLibrary("r-" + name.substr(1)), first + i);
    }
}

// Bubble and dew pressures of the published table and the ancillaries; their inverses return the
// temperature; PsatT and TsatP are the bubble line.
TEST(BlendLibraries, BubbleAndDewLinesMatchPublishedValuesAndInvert) {
    for (const TBlend& b : Blends) {
        int rows = 0;
        for (const kxtsv::TKeyedRow& row : kxtsv::ReadKeyed(b.table)) {
            if (row.at("quantity") != "p" ||
                (row.at("state") != "bubble" && row.at("state") != "dew"))
                continue;
            SCOPED_TRACE(std::string(b.library) + " " + row.at("kind") + " " + row.at("state") +
                         " at " + row.at("T") + " °C");
            const bool bubble = row.at("state") == "bubble";
            const double T = std::stod(row.at("T"));
            const double p = Value(b.library, bubble ? "PbubT" : "PdewT", T);
            EXPECT_NEAR(p, std::stod(row.at("value")), std::stod(row.at("tolerance")));
            EXPECT_NEAR(Value(b.library, bubble ? "TbubP" : "TdewP", p), T, 1e-10);
            if (bubble) {
                EXPECT_EQ(Value(b.library, "PsatT", T), p);
                EXPECT_EQ(Value(b.library, "TsatP", p), Value(b.library, "TbubP", p));
            }
            ++rows;
        }
        EXPECT_GE(rows, 14) << b.library;  // Table V's two and at least six of each ancillary
    }
}

// The saturation pressure and temperature answer at every temperature up to the critical point
// and every pressure up to the critical pressure, as the bubble line wherever it runs (explicit
// equations that need no density of the equation), held at the critical pressure where the
// line's pressure maximum lies just below the critical temperature (R-404A, R-407C).
TEST(BlendLibraries, SaturationIsTheBubbleLineEverywhere) {
    for (const TBlend& b : Blends) {
        const double Tt = Value(b.library, "Tt"), Tc = Value(b.library, "Tc");
        const double Pt = Value(b.library, "Pt"), Pc = Value(b.library, "Pc");
        int failed = 0, differing = 0;
        for (int i = 0; i <= 4000; ++i) {
            const double share = i / 4000.0;  // both ends exactly
            const double T = i < 4000 ? Tt + (Tc - Tt) * share : Tc;
            const double P = i < 4000 ? Pt + (Pc - Pt) * share : Pc;
            const TAnswer psat = Call(b.library, "PsatT", T), pbub = Call(b.library, "PbubT", T);
            const TAnswer tsat = Call(b.library, "TsatP", P), tbub = Call(b.library, "TbubP", P);
            failed += (psat.Code != 0) + (tsat.Code != 0);
            differing += pbub.Code == 0 && psat.Value != std::min(pbub.Value, Pc);
            differing += tbub.Code == 0 && i < 4000 && tsat.Value != tbub.Value;
        }
        EXPECT_EQ(failed, 0) << b.library;
        EXPECT_EQ(differing, 0) << b.library;
    }
}

// Below the pressure where the lines meet (or the bubble line ends) the dew point lies above the
// bubble point, and the glide is the difference of the two functions.
TEST(BlendLibraries, GlideIsPositiveAndTheDifferenceOfTheLines) {
    for (const TBlend& b : Blends) {
        const double Pt = Value(b.library, "Pt"), Pc = Value(b.library, "Pc");
        for (double share : {0.0, 0.01, 0.3, 0.7, 0.99}) {
            const double p = Pt + share * (Pc - Pt);
            SCOPED_TRACE(std::string(b.library) + " at " + std::to_string(p) + " bar");
            const double glide = Value(b.library, "TglideP", p);
            EXPECT_GT(glide, 0.0);
            EXPECT_EQ(glide, Value(b.library, "TdewP", p) - Value(b.library, "TbubP", p));
        }
        const TAnswer below = Call(b.library, "TglideP", Pt * 0.999);
        EXPECT_EQ(below.Code, 4);
        EXPECT_EQ(below.Text.rfind(std::string(b.library) + "_TglideP; Pressure lower", 0), 0u)
            << below.Text;
    }
}

// (T, x) -> (p, x) -> (p, h) and (p, s) -> back: the state at T and x is that of the pressure
// whose mixed line temperature is T, so the (T, x), (p, x), flash and (T, h), (T, s) functions
// agree.
TEST(BlendLibraries, TwoPhaseStatesFromTemperatureArePressureStatesAndFlashBack) {
    for (const TBlend& b : Blends) {
        const double Pt = Value(b.library, "Pt"), Pc = Value(b.library, "Pc");
        for (double p : {1.2 * Pt, 3.0, 12.0, 0.9 * Pc}) {
            const double Tbub = Value(b.library, "TbubP", p), Tdew = Value(b.library, "TdewP", p);
            for (double x : {0.0, 0.1, 0.5, 0.9, 1.0}) {
                SCOPED_TRACE(std::string(b.library) + " p " + std::to_string(p) + " x " +
                             std::to_string(x));
                const double T = (1.0 - x) * Tbub + x * Tdew;
                const double h = Value(b.library, "HPX", p, x), s = Value(b.library, "SPX", p, x);
                const double v = Value(b.library, "VPX", p, x), d = Value(b.library, "DPX", p, x);
                EXPECT_NEAR(Value(b.library, "HTX", T, x), h, 1e-8 * std::fabs(h));
                EXPECT_NEAR(Value(b.library, "STX", T, x), s, 1e-9);
                EXPECT_NEAR(Value(b.library, "VTX", T, x), v, 1e-9 * v);
                EXPECT_NEAR(Value(b.library, "DTX", T, x), d, 1e-9 * d);
                EXPECT_NEAR(Value(b.library, "TPH", p, h), T, 1e-7);
                EXPECT_NEAR(Value(b.library, "XPH", p, h), x, 1e-8);
                EXPECT_NEAR(Value(b.library, "SPH", p, h), s, 1e-8);
                EXPECT_NEAR(Value(b.library, "DPH", p, h), d, 1e-7 * d);
                EXPECT_NEAR(Value(b.library, "TPS", p, s), T, 1e-7);
                EXPECT_NEAR(Value(b.library, "XPS", p, s), x, 1e-8);
                EXPECT_NEAR(Value(b.library, "HPS", p, s), h, 1e-6);
                // and at T the fraction of that enthalpy or entropy is x again.
                EXPECT_NEAR(Value(b.library, "XTH", T, h), x, 1e-9);
                EXPECT_NEAR(Value(b.library, "XTS", T, s), x, 1e-9);
            }
        }
    }
}

// At the lowest temperature a vapour fraction between 0 and 1 needs a pressure below the bubble
// line's: the (T, x) functions refuse it with the temperature that x first reaches.
TEST(BlendLibraries, TwoPhaseTemperaturesBelowWhatTheFractionReachesAreRefused) {
    for (const TBlend& b : Blends) {
        SCOPED_TRACE(b.library);
        const double Tt = Value(b.library, "Tt"), Pt = Value(b.library, "Pt");
        EXPECT_EQ(Call(b.library, "HTX", Tt, 0.0).Code, 0);
        EXPECT_EQ(Call(b.library, "HTX", Tt, 1.0).Code, 0);
        const double x = 0.5;
        const double lowest = (1.0 - x) * Tt + x * Value(b.library, "TdewP", Pt);
        EXPECT_GT(lowest, Tt);
        const TAnswer below = Call(b.library, "DTX", lowest - 1e-6, x);
        EXPECT_EQ(below.Code, 2);
        // The text names that temperature (to as many digits as tell it from the argument).
        const std::string prefix =
            std::string(b.library) + "_DTX; Temperature lower than minimum value of ";
        ASSERT_EQ(below.Text.rfind(prefix, 0), 0u) << below.Text;
        EXPECT_NEAR(std::stod(below.Text.substr(prefix.size())), lowest, 1e-4) << below.Text;
        EXPECT_NEAR(Value(b.library, "DTX", lowest + 1e-6, x), Value(b.library, "DPX", Pt, x),
                    1e-5 * Value(b.library, "DPX", Pt, x));
    }
}

}  // namespace
