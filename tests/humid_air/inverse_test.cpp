// Inverse functions of both humid-air models against their forward functions (relative
// humidity, dry bulb from enthalpy, dew point, wet bulb), the limits of dry and saturated air,
// and the failures a caller turns into codes and texts.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "KXTsv.h"
#include "KX_FloatingPoint.h"
#include "KX_HA_Ideal.h"
#include "KX_HA_RP1485.h"
#include "KX_HA_Status.h"

namespace {

using ha::THAValue;
using TFn2 = THAValue (*)(double, double);
using TFn3 = THAValue (*)(double, double, double);

// One model's functions, so that both run through the same checks.
struct TModel {
    const char* Name;
    double MinT, MaxT;
    TFn2 Ws, Hs, Tdp;
    TFn3 H, V, Rho, RH, Mu, Psi, TdpT, Twb, WRH, WTdp, WTwb, THW;
    TFn3 Cp, S, Eta, Lambda;  // nullptr where the model has none
};

void PrintTo(const TModel& m, std::ostream* os) {
    *os << m.Name;
}

const TModel kModels[] = {
    {"RP-1485",           ha::rp1485::kMinT,     ha::rp1485::kMaxT,  ha::rp1485::Ws_PT,
     ha::rp1485::Hs_PT,   ha::rp1485::Tdp_PW,    ha::rp1485::H_PTW,  ha::rp1485::V_PTW,
     ha::rp1485::Rho_PTW, ha::rp1485::RH_PTW,    ha::rp1485::Mu_PTW, ha::rp1485::Psi_PTW,
     ha::rp1485::Tdp_PTW, ha::rp1485::Twb_PTW,   ha::rp1485::W_PTRH, ha::rp1485::W_PTTdp,
     ha::rp1485::W_PTTwb, ha::rp1485::T_PHW,     ha::rp1485::Cp_PTW, ha::rp1485::S_PTW,
     ha::rp1485::Eta_PTW, ha::rp1485::Lambda_PTW},
    {"perfect gas",
     ha::ideal::kMinT,
     ha::ideal::kMaxT,
     ha::ideal::Ws_PT,
     ha::ideal::Hs_PT,
     ha::ideal::Tdp_PW,
     ha::ideal::H_PTW,
     ha::ideal::V_PTW,
     ha::ideal::Rho_PTW,
     ha::ideal::RH_PTW,
     ha::ideal::Mu_PTW,
     ha::ideal::Psi_PTW,
     ha::ideal::Tdp_PTW,
     ha::ideal::Twb_PTW,
     ha::ideal::W_PTRH,
     ha::ideal::W_PTTdp,
     ha::ideal::W_PTTwb,
     ha::ideal::T_PHW,
     ha::ideal::Cp_PTW,
     nullptr,
     nullptr,
     nullptr},
};

constexpr double kPressures[] = {0.05, 1.01325, 3.0, 10.0};
// 0.01 °C is the triple point, 273.15999999999997 K after conversion: on the liquid side.
constexpr double kTemperatures[] = {-120.0, -60.0, -20.0, -5.0, 0.0,   0.01,
                                    5.0,    25.0,  50.0,  85.0, 150.0, 250.0};
constexpr double kHumidities[] = {0.01, 0.3, 0.7, 0.999};

// Value of a call that must succeed.
double Value(const THAValue& v, const std::string& where) {
    EXPECT_TRUE(v.Ok()) << where << ": " << ha::HAReasonText(v.Status);
    return v.Value;
}

std::string Where(const TModel& m, double p, double t, double x) {
    return std::string(m.Name) + " at " + std::to_string(p) + " bar, " + std::to_string(t) +
           " °C, " + std::to_string(x);
}

// Every state of the grid that has saturation at its temperature and pressure.
template <class Check>
void ForEachHumidState(const TModel& m, Check&& check) {
    for (double p : kPressures)
        for (double t : kTemperatures) {
            if (t < m.MinT || t > m.MaxT || !m.Ws(p, t).Ok()) continue;
            for (double rh : kHumidities) {
                const THAValue W = m.WRH(p, t, rh);
                if (!W.Ok()) continue;  // above 10 kg/kg
                check(p, t, rh, W.Value, Where(m, p, t, rh));
            }
        }
}

class HumidAirInverse : public ::testing::TestWithParam<TModel> {};

TEST_P(HumidAirInverse, RelativeHumidityAndEnthalpyComeBack) {
    const TModel& m = GetParam();
    int states = 0;
    ForEachHumidState(m, [&](double p, double t, double rh, double W, const std::string& at) {
        ++states;
        EXPECT_NEAR(Value(m.RH(p, t, W), at), rh, 1e-9) << at;
        const double h = Value(m.H(p, t, W), at);
        EXPECT_NEAR(Value(m.THW(p, h, W), at), t, 1e-9 * (t + 273.15)) << at;
        // Density and volume describe the same state: rho v = 1 + W.
        EXPECT_NEAR(Value(m.Rho(p, t, W), at) * Value(m.V(p, t, W), at), 1.0 + W, 1e-12 * (1 + W));
    });
    EXPECT_GT(states, 80);
}

TEST_P(HumidAirInverse, DewPointAndWetBulbComeBack) {
    const TModel& m = GetParam();
    ForEachHumidState(m, [&](double p, double t, double, double W, const std::string& at) {
        const double td = Value(m.TdpT(p, t, W), at);
        EXPECT_LE(td, t) << at;
        EXPECT_NEAR(Value(m.WTdp(p, t, td), at), W, 1e-9 * W) << at << ", dew point " << td;
        // Without the dry bulb the dew point is the same, except next to the triple point,
        // where a dry bulb on the ice side picks the frost point.
        if (std::abs(td - 0.01) > 0.1) {
            EXPECT_EQ(Value(m.Tdp(p, W), at), td) << at;
        }
        const double tw = Value(m.Twb(p, t, W), at);
        EXPECT_LE(td, tw + 1e-9) << at;
        EXPECT_LE(tw, t) << at;
        // Near the freezing point the adiabatic-saturation balance jumps between liquid and ice
        // condensate; there a band of W has 0 °C as its wet bulb and W does not come back.
        if (std::abs(tw) < 0.02) return;
        // W follows the wet bulb with a slope of about c_p/h_fg = 4e-4 per K, so the rounding
        // of the wet bulb (1e-14 K) stays in W; it matters only for the driest states.
        const double Wback = Value(m.WTwb(p, t, tw), at);
        EXPECT_NEAR(Wback, W, 1e-9 * W + 1e-14) << at << ", wet bulb " << tw;
        EXPECT_NEAR(Value(m.Twb(p, t, Wback), at), tw, 1e-9 * (tw + 273.15)) << at;
    });
}

TEST_P(HumidAirInverse, DryAndSaturatedAirAreTheLimits) {
    const TModel& m = GetParam();
    for (double p : kPressures)
        for (double t : kTemperatures) {
            if (t < m.MinT || t > m.MaxT) continue;
            const std::string at = Where(m, p, t, 0.0);
            // Dry air: no water, relative humidity and degree of saturation zero.
            EXPECT_EQ(Value(m.Psi(p, t, 0.0), at), 0.0);
            if (!m.Ws(p, t).Ok()) continue;
            EXPECT_EQ(Value(m.WRH(p, t, 0.0), at), 0.0) << at;
            EXPECT_EQ(Value(m.RH(p, t, 0.0), at), 0.0) << at;
            EXPECT_EQ(Value(m.Mu(p, t, 0.0), at), 0.0) << at;
            EXPECT_EQ(m.Tdp(p, 0.0).Status.Code, ha::THACode::HumidityLow) << at;
            // Saturation: RH = 1 gives W_s, and W_s is its own dew point and wet bulb.
            const double Ws = Value(m.Ws(p, t), at);
            if (Ws > 10.0) continue;
            EXPECT_NEAR(Value(m.WRH(p, t, 1.0), at), Ws, 1e-12 * Ws) << at;
            EXPECT_NEAR(Value(m.RH(p, t, Ws), at), 1.0, 1e-12) << at;
            EXPECT_NEAR(Value(m.Mu(p, t, Ws), at), 1.0, 1e-12) << at;
            EXPECT_NEAR(Value(m.H(p, t, Ws), at), Value(m.Hs(p, t), at), 1e-12 * (1 + Ws)) << at;
            EXPECT_NEAR(Value(m.TdpT(p, t, Ws), at), t, 1e-9 * (t + 273.15)) << at;
            EXPECT_NEAR(Value(m.Twb(p, t, Ws), at), t, 1e-9 * (t + 273.15)) << at;
            EXPECT_NEAR(Value(m.WTdp(p, t, t), at), Ws, 1e-12 * Ws) << at;
            EXPECT_NEAR(Value(m.WTwb(p, t, t), at), Ws, 1e-9 * Ws + 1e-16) << at;
            // A humidity ratio above saturation is out of range, not fog.
            EXPECT_EQ(m.H(p, t, Ws * 1.001 + 1e-12).Status.Code, ha::THACode::HumidityHigh) << at;
        }
}

INSTANTIATE_TEST_SUITE_P(Models, HumidAirInverse, ::testing::ValuesIn(kModels),
                         [](const auto& info) {
                             return std::string(info.param.Name[0] == 'R' ? "RP1485" : "Ideal");
                         });

// Failures: the code and the text a library entry point builds from the reason.
using TCall = THAValue (*)(double, double, double);

THAValue CallByName(const std::string& name, double a, double b, double c) {
    namespace rp = ha::rp1485;
    namespace ig = ha::ideal;
    struct TEntry {
        const char* Name;
        TCall Fn;
    };
    static const TEntry kEntries[] = {
        {"rp1485.H_PTW", rp::H_PTW},     {"rp1485.W_PTRH", rp::W_PTRH},
        {"rp1485.W_PTTdp", rp::W_PTTdp}, {"rp1485.W_PTTwb", rp::W_PTTwb},
        {"rp1485.T_PHW", rp::T_PHW},     {"rp1485.RH_PTW", rp::RH_PTW},
        {"rp1485.Twb_PTW", rp::Twb_PTW}, {"ideal.H_PTW", ig::H_PTW},
        {"ideal.W_PTRH", ig::W_PTRH},    {"ideal.W_PTTwb", ig::W_PTTwb},
        {"ideal.T_PHW", ig::T_PHW},      {"ideal.RH_PTW", ig::RH_PTW},
    };
    for (const TEntry& e : kEntries)
        if (name == e.Name) return e.Fn(a, b, c);
    if (name == "rp1485.Ws_PT") return rp::Ws_PT(a, b);
    if (name == "rp1485.Tdp_PW") return rp::Tdp_PW(a, b);
    if (name == "ideal.Tdp_PW") return ig::Tdp_PW(a, b);
    if (name == "rp1485.Pws_T") return rp::Pws_T(a);
    if (name == "atmosphere.P_Z") return ha::StandardAtmosphereP_Z(a);
    ADD_FAILURE() << "unknown function " << name;
    return {};
}

TEST(HumidAirFailures, CodeAndTextOfEveryRejectedArgument) {
    const auto rows = kxtsv::ReadKeyed("humid_air_failures.tsv");
    for (const kxtsv::TKeyedRow& row : rows) {
        auto number = [&](const char* column) {
            const std::string& text = row.at(column);
            return text.empty() ? 0.0 : text == "nan" ? std::nan("") : std::stod(text);
        };
        const THAValue v = CallByName(row.at("function"), number("x1"), number("x2"), number("x3"));
        const std::string at =
            row.at("function") + " line " + row.at("x1") + " " + row.at("x2") + " " + row.at("x3");
        EXPECT_EQ(v.Status.Code, std::stoi(row.at("code"))) << at;
        EXPECT_EQ(v.Value, 0.0) << at;
        EXPECT_EQ(ha::HAErrorText("KX_HA_RP1485", "F", v.Status),
                  "KX_HA_RP1485_F; " + row.at("text"))
            << at;
    }
}

// No argument combination, however far outside, gives a non-finite value with success, a
// success with a floating-point fault flag raised, or a failure without a text.
TEST(HumidAirFailures, NoNonFiniteValueAndNoSilentFailureAnywhere) {
    const double ps[] = {-1.0, 0.0, 1e-4, 0.01, 1.01325, 30.0, 100.0, 101.0, NAN, INFINITY};
    const double ts[] = {-300.0, -143.15, -100.0, -0.001, 0.0, 0.01, 99.97, 150.0, 350.0, NAN};
    const double xs[] = {-0.1, 0.0, 1e-9, 0.004, 0.5, 1.0, 10.0, 11.0, NAN};
    int ok = 0;
    for (const TModel& m : kModels)
        for (double p : ps)
            for (double t : ts)
                for (double x : xs)
                    for (TFn3 fn : {m.H, m.V, m.RH, m.Twb, m.TdpT, m.WRH, m.WTdp, m.WTwb, m.THW,
                                    m.Cp, m.S, m.Eta, m.Lambda}) {
                        if (!fn) continue;
                        kxfp::Clear();
                        const THAValue v = fn(p, t, x);
                        if (v.Ok()) {
                            ++ok;
                            EXPECT_TRUE(std::isfinite(v.Value)) << Where(m, p, t, x);
                            // A library entry point would take a raised flag for a fault.
                            EXPECT_FALSE(kxfp::Raised()) << Where(m, p, t, x);
                        } else {
                            EXPECT_FALSE(ha::HAReasonText(v.Status).empty()) << Where(m, p, t, x);
                        }
                    }
    EXPECT_GT(ok, 500);
}

}  // namespace
