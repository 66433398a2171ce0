// What each library states about itself agrees with what its functions answer: the constants,
// the range, whether it has transport; every display name finds its library, whatever the case.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "KX_Function_Call.h"
#include "KX_Libraries_Catalogue.h"

namespace {

struct TAnswer {
    double Value = 0.0;
    int32_t Code = -1;
    std::string Text;
};

TAnswer Call(const TKXLibrary& library, const std::string& shortName, double x1 = 0.0,
             double x2 = 0.0, double x3 = 0.0) {
    TAnswer a;
    int l = 0, f = 0;
    if (!KXRegistry().FindFunction(library.Library_Name + "_" + shortName, l, f)) return a;
    const double args[] = {x1, x2, x3};
    char text[256] = "";
    a.Value = KXCallFunction(KXRegistry().GetFunctionPtr(l, f), args, text, 255, &a.Code);
    a.Text = text;
    return a;
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

TEST(LibraryInfo, AgreesWithTheLibrarysOwnFunctions) {
    const TKXLibraries& registry = KXRegistry();
    std::set<std::string> names;
    for (int i = 0; i < registry.Count(); ++i) {
        const TKXLibrary& library = *registry.Library(i);
        const TKXLibraryInfo& info = library.Info;
        SCOPED_TRACE(library.Library_Name);
        ASSERT_FALSE(info.DisplayName.empty());
        EXPECT_TRUE(names.insert(Lower(info.DisplayName)).second) << "display name twice";
        EXPECT_FALSE(info.ChemicalName.empty());
        EXPECT_FALSE(info.EquationOfState.empty());
        EXPECT_FALSE(info.ReferenceState.empty());
        EXPECT_EQ(info.Transport.empty(), !info.HasTransport);
        if (info.Kind == TKXLibraryKind::HumidAir) {
            // Humid air: no constants, no input pairs of a fluid; the range is that of the
            // properties of dry air at (p, T), and transport is offered as stated.
            EXPECT_EQ(Call(library, "HPTW", 1.0, info.MinTemperature, 0.0).Code, 0);
            EXPECT_EQ(Call(library, "HPTW", 1.0, info.MinTemperature - 1.0, 0.0).Code, 2);
            EXPECT_EQ(Call(library, "HPTW", 1.0, info.MaxTemperature, 0.0).Code, 0);
            EXPECT_EQ(Call(library, "HPTW", 1.0, info.MaxTemperature + 1.0, 0.0).Code, 3);
            EXPECT_EQ(Call(library, "HPTW", info.MaxPressure, 25.0, 0.0).Code, 0);
            EXPECT_EQ(Call(library, "HPTW", 1.001 * info.MaxPressure, 25.0, 0.0).Code, 5);
            const TAnswer eta = Call(library, "DVPTW", 1.0, 25.0, 0.005);
            EXPECT_EQ(eta.Code == 0, info.HasTransport) << eta.Text;
            EXPECT_TRUE(info.InputPairs.empty());
        } else if (info.CompositionArgument) {
            // A binary pair at a chosen composition (the last argument): the range as stated at
            // an equimolar composition, no molar mass of its own, no critical or triple point,
            // no input pairs of the explorer.
            EXPECT_EQ(info.MolarMass, 0.0);
            EXPECT_GT(Call(library, "MM", 0.5).Value, 0.0);
            for (const char* f : {"Tc", "Pc", "Tt", "Pt", "DVPT"})
                EXPECT_EQ(Call(library, f).Code, -1);
            EXPECT_EQ(Call(library, "HPT", 1.0, info.MaxTemperature, 0.5).Code, 0);
            EXPECT_EQ(Call(library, "HPT", 1.0, info.MaxTemperature + 1.0, 0.5).Code, 3);
            EXPECT_EQ(Call(library, "HPT", 1.0, info.MinTemperature - 1.0, 0.5).Code, 2);
            EXPECT_EQ(Call(library, "HPT", 1.001 * info.MaxPressure, info.MaxTemperature, 0.5).Code,
                      5);
            EXPECT_FALSE(info.HasTransport);
            EXPECT_TRUE(info.InputPairs.empty());
        } else {
            EXPECT_EQ(info.MolarMass, Call(library, "MM").Value);
            if (info.Kind == TKXLibraryKind::Mixture) {
                // A mixture has no critical or triple point of its own: no such functions.
                for (const char* f : {"Tc", "Pc", "Tt", "Pt"})
                    EXPECT_EQ(Call(library, f).Code, -1) << f;
            } else {
                EXPECT_EQ(info.CriticalTemperature, Call(library, "Tc").Value);
                EXPECT_EQ(info.CriticalPressure, Call(library, "Pc").Value);
                EXPECT_NEAR(info.TripleTemperature, Call(library, "Tt").Value, 1e-12);
                EXPECT_EQ(info.TriplePressure, Call(library, "Pt").Value);
            }
            // The range: accepted at its ends, refused beyond them.
            EXPECT_EQ(Call(library, "HPT", 1.0, info.MaxTemperatureLowPressure).Code, 0);
            EXPECT_EQ(Call(library, "HPT", 1.0, info.MaxTemperatureLowPressure + 1.0).Code, 3);
            EXPECT_EQ(Call(library, "HPT", info.LowPressureLimit, info.MaxTemperature).Code, 0);
            EXPECT_EQ(Call(library, "HPT", info.MaxPressure, info.MaxTemperature).Code, 0);
            EXPECT_EQ(Call(library, "HPT", 1.001 * info.MaxPressure, info.MaxTemperature).Code, 5);
            const double p = 0.5 * (info.TriplePressure + info.CriticalPressure);
            // Transport as stated: a viscosity where the library says it has one.
            const TAnswer eta = Call(library, "DVPT", p, info.CriticalTemperature + 10.0);
            EXPECT_EQ(eta.Code == 0, info.HasTransport) << eta.Text;
            EXPECT_FALSE(info.InputPairs.empty());
        }
        // A person's short name finds the library, in any case.
        EXPECT_EQ(registry.FindLibrary(info.DisplayName), i);
        EXPECT_EQ(registry.FindLibrary(Lower(info.DisplayName)), i);
        EXPECT_EQ(registry.FindLibrary(library.Library_Name), i);
        // So do the ASHRAE designation and the chemical name of a fluid, and its library name
        // without prefix and suffix; no name leads to two libraries. (The two humid-air
        // libraries share the name of their mixture.)
        for (const std::string& alias : info.Aliases) EXPECT_EQ(registry.FindLibrary(alias), i);
        for (const std::string& name : {info.Ashrae, info.ChemicalName})
            if (!name.empty() && info.Kind != TKXLibraryKind::HumidAir) {
                // A mixture library shares its ASHRAE name with the pseudo-pure library of the
                // same blend where there is one, which that name finds first.
                const int found = registry.FindLibrary(name);
                if (info.Kind == TKXLibraryKind::Mixture && name == info.Ashrae && found != i) {
                    ASSERT_GE(found, 0) << name;
                    EXPECT_EQ(registry.Library(found)->Info.Kind, TKXLibraryKind::Blend) << name;
                    EXPECT_EQ(registry.Library(found)->Info.Ashrae, name);
                } else {
                    EXPECT_EQ(found, i) << name;
                }
            }
    }
    EXPECT_EQ(registry.FindLibrary("R1234zeE"), registry.FindLibrary("KX_R1234zeE_FE"));
    EXPECT_EQ(registry.FindLibrary("IF97"), 0);
    EXPECT_EQ(registry.FindLibrary("no such fluid"), -1);
}

}  // namespace
