// A computation that succeeds must not leave a floating-point fault behind: the library entry
// points report any division by zero, invalid operation or overflow as a failed computation.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "KX_WS_IF97_Lib_Root.h"

using namespace if97;

namespace {

struct TCall {
    std::string name;
    std::function<double(bool*)> call;
};

void ExpectNoFault(const TCall& c) {
    std::feclearexcept(FE_ALL_EXCEPT);
    bool ok = true;
    const double value = c.call(&ok);
    const int raised = std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
    EXPECT_TRUE(ok) << c.name;
    EXPECT_TRUE(std::isfinite(value)) << c.name;
    EXPECT_EQ(raised, 0) << c.name << " raised " << ((raised & FE_INVALID) ? "invalid " : "")
                         << ((raised & FE_DIVBYZERO) ? "division by zero " : "")
                         << ((raised & FE_OVERFLOW) ? "overflow" : "");
}

// States a user reaches: ordinary ones, the critical point by temperature and by pressure, the
// corners and edges of the formulation.
std::vector<TCall> Calls() {
    const double hc = H_TX(Tc, 0.0), sc = S_TX(Tc, 0.0);
    std::vector<TCall> calls = {
        {"H_TX(Tc, 0)", [](bool* ok) { return H_TX(Tc, 0.0, ok); }},
        {"V_TX(Tc, 1)", [](bool* ok) { return V_TX(Tc, 1.0, ok); }},
        {"S_PX(pc, 0.5)", [](bool* ok) { return S_PX(pc, 0.5, ok); }},
        {"H_PX(pc, 1)", [](bool* ok) { return H_PX(pc, 1.0, ok); }},
        {"T_PH(pc, hc)", [hc](bool* ok) { return T_PH(pc, hc, ok); }},
        {"X_PH(pc, hc)", [hc](bool* ok) { return X_PH(pc, hc, ok); }},
        {"S_PH(pc, hc)", [hc](bool* ok) { return S_PH(pc, hc, ok); }},
        {"V_PH(pc, hc)", [hc](bool* ok) { return V_PH(pc, hc, ok); }},
        {"T_PS(pc, sc)", [sc](bool* ok) { return T_PS(pc, sc, ok); }},
        {"X_PS(pc, sc)", [sc](bool* ok) { return X_PS(pc, sc, ok); }},
        {"H_PS(pc, sc)", [sc](bool* ok) { return H_PS(pc, sc, ok); }},
        {"X_TH(Tc, hc)", [hc](bool* ok) { return X_TH(Tc, hc, ok); }},
        {"X_TS(Tc, sc)", [sc](bool* ok) { return X_TS(Tc, sc, ok); }},
        {"H_PT(pc, Tc)", [](bool* ok) { return H_PT(kPhaseByRegion, pc, Tc, ok); }},
        {"W_PT(pc, Tc)", [](bool* ok) { return W_PT(pc, Tc, ok); }},
        {"Cp_PT(pc, Tc + 1e-3)", [](bool* ok) { return Cp_PT(pc, Tc + 1e-3, ok); }},
        {"X_TH(Tc - 1e-4, mid)",
         [](bool* ok) {
             return X_TH(Tc - 1e-4, 0.5 * (H_TX(Tc - 1e-4, 0) + H_TX(Tc - 1e-4, 1)), ok);
         }},
    };
    // Ordinary and edge states of every region through every inverse routine.
    const double states[][2] = {
        {611.213, 273.15}, {1e5, 300.0},     {1e5, 2273.15}, {9.99e6, 1073.15}, {30e6, 650.0},
        {100e6, 273.15},   {100e6, 1073.15}, {17e6, 623.15}, {22e6, 640.0},     {0.5e6, 1500.0}};
    for (const auto& st : states) {
        const double p = st[0], T = st[1];
        const double h = H_PT(kPhaseByRegion, p, T), s = S_PT(p, T);
        const std::string at = "(" + std::to_string(p) + ", " + std::to_string(T) + ")";
        calls.push_back({"T_PH" + at, [=](bool* ok) { return T_PH(p, h, ok); }});
        calls.push_back({"TX_PH" + at, [=](bool* ok) { return TX_PH(p, h, ok).T; }});
        calls.push_back({"S_PH" + at, [=](bool* ok) { return S_PH(p, h, ok); }});
        calls.push_back({"X_PH" + at, [=](bool* ok) { return X_PH(p, h, ok); }});
        calls.push_back({"T_PS" + at, [=](bool* ok) { return T_PS(p, s, ok); }});
        calls.push_back({"H_PS" + at, [=](bool* ok) { return H_PS(p, s, ok); }});
        calls.push_back({"V_PS" + at, [=](bool* ok) { return V_PS(p, s, ok); }});
        calls.push_back({"W_PT" + at, [=](bool* ok) { return W_PT(p, T, ok); }});
        calls.push_back({"Cv_PT" + at, [=](bool* ok) { return Cv_PT(p, T, ok); }});
    }
    return calls;
}

TEST(FaultFlagsTest, SuccessfulComputationsLeaveNoFloatingPointFault) {
    for (const TCall& c : Calls()) ExpectNoFault(c);
}

}  // namespace
