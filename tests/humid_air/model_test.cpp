// Building blocks of the RP-1485 model against their own published check values, the analytic
// temperature derivatives of the virial coefficients, and the reference state of dry air.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "KXTsv.h"
#include "KX_HA_Ideal.h"
#include "KX_HA_RP1485.h"
#include "KX_HA_RP1485_Model.h"

namespace {

namespace rp = ha::rp1485;

// Half a unit of the last digit a number text prints, mantissa digits only.
double PrintedHalfUnit(const std::string& text) {
    const std::size_t e = text.find_first_of("eE");
    const std::string mantissa = text.substr(0, e);
    const std::size_t dot = mantissa.find('.');
    const int decimals = dot == std::string::npos ? 0 : int(mantissa.size() - dot - 1);
    const int exponent = e == std::string::npos ? 0 : std::stoi(text.substr(e + 1));
    return 0.5 * std::pow(10.0, exponent - decimals);
}

TEST(HumidAirModel, IceSublimationAndVirialsMatchTheirCheckValues) {
    for (const kxtsv::TKeyedRow& row : kxtsv::ReadKeyed("humid_air_model_checks.tsv")) {
        const std::string& q = row.at("quantity");
        const double T = std::stod(row.at("T"));
        const double p = row.at("p").empty() ? 0.0 : std::stod(row.at("p"));
        const rp::TVirials v = rp::Virials(T);
        const double computed = q == "ice_v"       ? rp::IceVolume(T, p)
                                : q == "ice_h"     ? rp::IceEnthalpy(T, p)
                                : q == "ice_kappa" ? rp::IceCompressibility(T, p)
                                : q == "p_subl"    ? rp::SublimationPressure(T)
                                : q == "B_aa"      ? v.Baa
                                : q == "C_aaa"     ? v.Caaa
                                : q == "B_ww"      ? v.Bww
                                : q == "C_www"     ? v.Cwww
                                : q == "B_aw"      ? v.Baw
                                                   : NAN;
        const double expected = std::stod(row.at("value"));
        EXPECT_NEAR(computed, expected, PrintedHalfUnit(row.at("value")) * (1.0 + 1e-9))
            << q << " at " << T << " K";
    }
}

// The enthalpy and entropy of humid air rest on dB/dT and dC/dT: each analytic derivative
// against a central difference.
TEST(HumidAirModel, VirialTemperatureDerivativesMatchDifferences) {
    for (double T : {160.0, 200.0, 273.16, 300.0, 400.0, 620.0}) {
        // Richardson's extrapolation of central differences at steps h and 2h (error h^4).
        const double h = 2e-4 * T;
        const rp::TVirials v = rp::Virials(T);
        const rp::TVirials p1 = rp::Virials(T + h), m1 = rp::Virials(T - h);
        const rp::TVirials p2 = rp::Virials(T + 2 * h), m2 = rp::Virials(T - 2 * h);
        auto check = [&](const char* name, double value, double rp::TVirials::*member) {
            const double d1 = (p1.*member - m1.*member) / (2 * h);
            const double d2 = (p2.*member - m2.*member) / (4 * h);
            const double difference = (4 * d1 - d2) / 3;
            EXPECT_NEAR(value, difference, 1e-8 * std::abs(difference)) << name << " at " << T;
        };
        check("Baa", v.dBaa, &rp::TVirials::Baa);
        check("Bww", v.dBww, &rp::TVirials::Bww);
        check("Baw", v.dBaw, &rp::TVirials::Baw);
        check("Caaa", v.dCaaa, &rp::TVirials::Caaa);
        check("Cwww", v.dCwww, &rp::TVirials::Cwww);
        check("Caaw", v.dCaaw, &rp::TVirials::Caaw);
        check("Caww", v.dCaww, &rp::TVirials::Caww);
    }
}

TEST(HumidAirModel, DryAirIsTheReferenceAndHeatCapacityIsThePerfectGasOneNearlyEverywhere) {
    // Dry air h = 0 and s = 0 at 0 °C and 101.325 kPa.
    EXPECT_NEAR(rp::H_PTW(1.01325, 0.0, 0.0).Value, 0.0, 1e-8);
    EXPECT_NEAR(rp::S_PTW(1.01325, 0.0, 0.0).Value, 0.0, 1e-12);
    // Near atmospheric pressure and below 40 °C the real-gas heat capacity stays within 0.5 % of
    // the perfect-gas one (the vapour's departure grows with W), and entropy follows
    // ds = c_p dT / T at constant p and W. A unit or scale slip fails either.
    for (double t : {-40.0, 0.0, 25.0, 40.0})
        for (double rh : {0.0, 0.5, 0.9}) {
            const double W = rp::W_PTRH(1.01325, t, rh).Value;
            const double cp = rp::Cp_PTW(1.01325, t, W).Value;
            EXPECT_NEAR(cp, 1.006 + 1.86 * W, 5e-3 * cp) << t << " °C, RH " << rh;
            const double ds =
                rp::S_PTW(1.01325, t + 0.05, W).Value - rp::S_PTW(1.01325, t - 0.05, W).Value;
            EXPECT_NEAR(ds / 0.1, cp / (t + 273.15), 1e-6 * cp) << t << " °C, RH " << rh;
        }
}

}  // namespace
