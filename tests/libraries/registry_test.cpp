// The registry's lookups, with a small library of its own, and the shared function shapes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KX_Function_Shapes.h"
#include "KX_Libraries_Object.h"

namespace {

double Constant(char*, int32_t, int32_t*) {
    return 18.0;
}
double Unary(double x, char*, int32_t, int32_t*) {
    return x;
}
double Binary(double x1, double x2, char*, int32_t, int32_t*) {
    return x1 + x2;
}

TKXLibraries SmallRegistry() {
    TKXLibraries registry;
    TKXLibrary& lib = registry.AddLibrary("KX_T");
    lib.AddUnairyFunction("KX_T_PsatT", "Pressure", 2, "Temperature", 31, Unary);
    lib.AddBinairyFunction("KX_T_HPT", "Enthalpy", 4, "Pressure", 2, "Temperature", 31, Binary);
    lib.AddConstantFunction("KX_T_MM", "Molar Mass", 38, Constant);
    registry.AddLibrary("KX_U");
    return registry;
}

TEST(Registry, LookupsOfValidFunctions) {
    const TKXLibraries r = SmallRegistry();
    EXPECT_EQ(r.GetNoOfArguments(0, 0), 1);
    EXPECT_EQ(r.GetNoOfArguments(0, 1), 2);
    EXPECT_EQ(r.GetNoOfArguments(0, 2), 0);
    EXPECT_EQ(r.GetArgumentName(0, 1, 1), "Pressure");
    EXPECT_EQ(r.GetArgumentName(0, 1, 2), "Temperature");
    EXPECT_EQ(r.GetArgumentUnitIndex(0, 1, 2), 31);
    EXPECT_EQ(r.GetResultName(0, 1), "Enthalpy");
    EXPECT_EQ(r.GetResultUnitIndex(0, 2), 38);
    const TKXFunctionPtr constant = r.GetFunctionPtr(0, 2);
    EXPECT_EQ(constant.Constant, &Constant);
    EXPECT_EQ(constant.Unary, nullptr);
    EXPECT_EQ(r.GetFunctionPtr(0, 1).Binary, &Binary);
    EXPECT_EQ(r.GetFunctionPtr(0, 0).Unary, &Unary);
}

TEST(Registry, EveryIndexOutsideItsListGivesTheNeutralValue) {
    const TKXLibraries r = SmallRegistry();
    struct Index {
        int Library, Function;
    };
    for (const Index i :
         {Index{-1, 0}, Index{2, 0}, Index{99, 0}, Index{0, -1}, Index{0, 3}, Index{1, 0}}) {
        EXPECT_EQ(r.GetNoOfArguments(i.Library, i.Function), -1);
        EXPECT_EQ(r.GetResultName(i.Library, i.Function), "");
        EXPECT_EQ(r.GetResultUnitIndex(i.Library, i.Function), 0);
        EXPECT_EQ(r.GetArgumentName(i.Library, i.Function, 1), "");
        EXPECT_EQ(r.GetArgumentUnitIndex(i.Library, i.Function, 1), 0);
        EXPECT_TRUE(r.GetFunctionPtr(i.Library, i.Function).IsNone());
    }
    // Argument numbers below 1 and above the arity.
    for (int argument : {0, -1, 2, 3}) {
        EXPECT_EQ(r.GetArgumentName(0, 0, argument), "");
        EXPECT_EQ(r.GetArgumentUnitIndex(0, 0, argument), 0);
    }
    EXPECT_EQ(r.GetArgumentName(0, 2, 1), "");  // a constant has no argument
}

TEST(Registry, ListsInRegistrationOrder) {
    const TKXLibraries r = SmallRegistry();
    std::vector<std::string> list = {"stale"};
    r.CreateLibraryList(list);
    EXPECT_EQ(list, (std::vector<std::string>{"KX_T", "KX_U"}));
    r.CreateFunctionListByIndex(0, list);
    EXPECT_EQ(list, (std::vector<std::string>{"KX_T_PsatT", "KX_T_HPT", "KX_T_MM"}));
    r.CreateFunctionListByIndex(-1, list);  // leaves the list as it was
    EXPECT_EQ(list.size(), 3u);
    r.CreateFunctionListByIndex(1, list);
    EXPECT_TRUE(list.empty());
}

TEST(Registry, FindsFunctionsByFullName) {
    const TKXLibraries r = SmallRegistry();
    int l = -1, f = -1;
    ASSERT_TRUE(r.FindFunction("KX_T_MM", l, f));
    EXPECT_EQ(l, 0);
    EXPECT_EQ(f, 2);
    EXPECT_FALSE(r.FindFunction("KX_T_mm", l, f));
}

TEST(FunctionShapes, RegisterEntriesByShortName) {
    TKXLibraries r;
    TKXLibrary& lib = r.AddLibrary("KX_S");
    const TKXLibraryEntry entries[] = {
        {"PsatT", {nullptr, Unary, nullptr, nullptr}},
        {"KPT", {nullptr, nullptr, Binary, nullptr}},
        {"ZPT", {nullptr, nullptr, Binary, nullptr}},
        {"Tt", {Constant, nullptr, nullptr, nullptr}},
    };
    ASSERT_TRUE(RegisterLibraryEntries(lib, entries));
    EXPECT_EQ(r.GetResultName(0, 0), "Pressure");
    EXPECT_EQ(r.GetArgumentName(0, 0, 1), "Temperature");
    EXPECT_EQ(r.GetResultName(0, 1), "IsentrExp");
    EXPECT_EQ(r.GetResultUnitIndex(0, 1), 0);
    EXPECT_EQ(r.GetResultUnitIndex(0, 2), 48);
    EXPECT_EQ(r.GetNoOfArguments(0, 3), 0);
    std::vector<std::string> names;
    r.CreateFunctionListByIndex(0, names);
    EXPECT_EQ(names, (std::vector<std::string>{"KX_S_PsatT", "KX_S_KPT", "KX_S_ZPT", "KX_S_Tt"}));
}

TEST(FunctionShapes, RefusesUnknownNamesAndMismatchedAddresses) {
    TKXLibraries r;
    const TKXLibraryEntry unknown[] = {{"Nope", {Constant, nullptr, nullptr, nullptr}}};
    EXPECT_FALSE(RegisterLibraryEntries(r.AddLibrary("A"), unknown));
    const TKXLibraryEntry wrongArity[] = {{"PsatT", {nullptr, nullptr, Binary, nullptr}}};
    EXPECT_FALSE(RegisterLibraryEntries(r.AddLibrary("B"), wrongArity));
    EXPECT_EQ(r.Library(1)->Count(), 0);
}

}  // namespace
