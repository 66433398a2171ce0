// Viscosity, thermal conductivity, isentropic exponent and surface tension of water and steam.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "KX_WS_IF97_Lib_Root.h"
#include "KX_WS_IF97_Transport.h"
#include "library_tsv.h"

using namespace if97;
using if97test::ReadTable;

namespace {

double Relative(double value, double reference) {
    return std::fabs(value / reference - 1.0);
}

TEST(SurfaceTension, MatchesTheReleaseTable) {
    for (const auto& row : ReadTable("if97_transport_surface_tension.tsv")) {
        const double t = std::stod(row[0]);
        const double sigma = std::stod(row[1]);  // mN/m, printed to 0.01
        SCOPED_TRACE(row[0] + " °C");
        EXPECT_NEAR(SurfaceTension_T(t + 273.15) * 1000.0, sigma, 0.005 + 1e-9);
    }
}

TEST(SurfaceTension, VanishesAtTheCriticalPoint) {
    EXPECT_EQ(SurfaceTension_T(Tc), 0.0);
    EXPECT_GT(SurfaceTension_T(Tc - 0.01), 0.0);
}

TEST(Viscosity, AgreesWithTheLaterFormulationWithinOnePercent) {
    for (const auto& row : ReadTable("if97_transport_viscosity.tsv")) {
        const double T = std::stod(row[0]);
        const double rho = std::stod(row[1]);
        SCOPED_TRACE(row[0] + " K, " + row[1] + " kg/m3");
        EXPECT_LT(Relative(Viscosity_RhoT(1.0 / rho, T), std::stod(row[2])), 0.01);
    }
}

TEST(Viscosity, ZeroVolumeGivesZero) {
    EXPECT_EQ(Viscosity_RhoT(0.0, 300.0), 0.0);
}

TEST(ThermalConductivity, BackgroundAgreesWithTheLaterFormulationWithinOnePercent) {
    for (const auto& row : ReadTable("if97_transport_conductivity.tsv")) {
        const double T = std::stod(row[0]);
        const double rho = std::stod(row[1]);
        const double v = rho == 0.0 ? std::numeric_limits<double>::infinity() : 1.0 / rho;
        SCOPED_TRACE(row[0] + " K, " + row[1] + " kg/m3");
        EXPECT_LT(Relative(ThermalConductivity_Background(v, T) * 1000.0, std::stod(row[2])), 0.01);
    }
}

// Values quoted for this formulation at 1 bar and 20 °C, printed to five digits.
TEST(Transport, ValuesAtOneBarAndTwentyDegrees) {
    bool ok = true;
    EXPECT_NEAR(Viscosity_PT(100000.0, 293.15, &ok), 1001.6, 0.05);
    EXPECT_NEAR(ThermalConductivity_PT(100000.0, 293.15, &ok), 0.5985, 0.00005);
    EXPECT_TRUE(ok);
}

// Near the critical point the enhancement dominates: at 650 K and 322 kg/m3 (about 22.85 MPa)
// the background is about 0.197 W/(m K) and the critical part about 0.33 W/(m K).
TEST(ThermalConductivity, CriticalTermDominatesNearTheCriticalPoint) {
    const double v = 1.0 / 322.0;
    const double p = Region3_P(v, 650.0);
    EXPECT_NEAR(p, 22.85e6, 0.01e6);
    ASSERT_EQ(RegionPT(p, 650.0), 3);
    bool ok = true;
    const double total = ThermalConductivity_PT(p, 650.0, &ok);
    ASSERT_TRUE(ok);
    const double background = ThermalConductivity_Background(v, 650.0);
    EXPECT_NEAR(background, 0.197, 0.0005);
    EXPECT_NEAR(total - background, 0.33, 0.005);
}

// Reference (dp/dT)_v = -(dv/dT)_p / (dv/dp)_T and (dv/dp)_T from central differences of the
// region's own volume equation, steps small enough that the difference is exact to ~1e-6.
struct TDerivativeCase {
    const char* Name;
    int Region;
    double p;
    double T;
    double Tolerance = 5e-3;  // of (dp/dT)_v, from a forward step of 0.1 K along the isochore
};

double RegionVolume(int region, double p, double T) {
    switch (region) {
        case 1:
            return Region1_V(p, T);
        case 2:
            return Region2_V(p, T);
        case 5:
            return Region5_V(p, T);
        default:
            return Region3_VPT(p, T);
    }
}

TEST(ThermalConductivity, DerivativesMatchTheEquationOfState) {
    const double pSat400 = Psat(400.0);
    const TDerivativeCase cases[] = {
        {"liquid, 1 bar, 20 °C", 1, 1e5, 293.15},
        // Near 4 °C the isochoric slope changes sign, so a 0.1 K step is coarse there.
        {"cold liquid at low pressure, 0.1 bar, 1 °C", 1, 1e4, 274.15, 0.025},
        {"liquid at 1000 bar, 20 °C", 1, 1e8, 293.15},
        {"hot liquid, 500 bar, 300 °C", 1, 5e7, 573.15},
        {"vapour, 1 bar, 200 °C", 2, 1e5, 473.15},
        {"vapour a hair below saturation, 400 K", 2, pSat400 * (1.0 - 1e-7), 400.0},
        {"vapour, 150 bar, 630 K", 2, 1.5e7, 630.0},
        {"vapour above B23, 200 bar, 500 °C", 2, 2e7, 773.15},
        {"near-critical fluid, 250 bar, 650 K", 3, 2.5e7, 650.0},
        {"high-temperature vapour, 50 bar, 1500 °C", 5, 5e6, 1773.15},
        {"high-temperature vapour, 99.999 bar, 1500 °C", 5, 9.9999e6, 1773.15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(RegionPT(c.p, c.T), c.Region);
        const double v = RegionVolume(c.Region, c.p, c.T);
        double dpdT = 0.0;
        double dvdp = 0.0;
        if (!ThermalConductivity_Derivatives(c.p, c.T, v, dpdT, dvdp)) {
            ADD_FAILURE() << "no derivative";
            continue;
        }
        const double dp = c.p * 1e-5;
        const double dT = 1e-3;
        const double dvdpRef =
            (RegionVolume(c.Region, c.p + dp, c.T) - RegionVolume(c.Region, c.p - dp, c.T)) /
            (2.0 * dp);
        const double dvdTRef =
            (RegionVolume(c.Region, c.p, c.T + dT) - RegionVolume(c.Region, c.p, c.T - dT)) /
            (2.0 * dT);
        EXPECT_LT(Relative(dvdp, dvdpRef), 2e-3) << dvdp << " vs " << dvdpRef;
        EXPECT_LT(Relative(dpdT, -dvdTRef / dvdpRef), c.Tolerance) << dpdT;
        bool ok = true;
        const double lambda = ThermalConductivity_PT(c.p, c.T, &ok);
        EXPECT_TRUE(ok);
        // The critical term is never negative (and often below the last bit of the sum).
        EXPECT_GE(lambda, ThermalConductivity_Background(v, c.T));
    }
}

// An isochore that the region's equation never reaches has no root in any bracket: that is a
// failure, not a marker value inside the derivative.
TEST(ThermalConductivity, DerivativesFailWhenTheIsochoreHasNoRoot) {
    const struct {
        double p, T, v;
    } cases[] = {{1e5, 293.15, 10.0}, {1e5, 473.15, 1e-4}, {5e6, 1773.15, 1e-5}};
    for (const auto& c : cases) {
        double dpdT = 12345.0;
        double dvdp = 12345.0;
        EXPECT_FALSE(ThermalConductivity_Derivatives(c.p, c.T, c.v, dpdT, dvdp))
            << c.p << " " << c.T;
    }
}

TEST(ThermalConductivity, OnTheSaturationLineHasNoCriticalTerm) {
    for (double T : {300.0, 373.15, 500.0, 620.0}) {
        const double p = Psat(T);
        ASSERT_EQ(RegionPT(p, T), 4) << T;
        bool ok = true;
        const double v = V_PT(p, T, &ok);
        EXPECT_EQ(ThermalConductivity_PT(p, T, &ok), ThermalConductivity_Background(v, T));
        // The saturated liquid is the state the line stands for.
        EXPECT_EQ(Viscosity_PT(p, T, &ok), Viscosity_RhoT(Region1_V(p, T), T));
        EXPECT_EQ(IsentropicExponent_PT(p, T, &ok), 0.0);
        EXPECT_TRUE(ok);
    }
}

// Above 16.53 MPa a state exactly on the saturation line is the saturated liquid of region 3,
// whose volume belongs to the equal-area pressure, up to some 200 Pa beside Psat(T). Its
// derivatives are those of the liquid at p itself, so the conductivity continues the liquid's
// (the volume alone differs, by up to 3e-4 relative).
TEST(ThermalConductivity, OnTheRegion3PartOfTheSaturationLine) {
    for (double T : {623.16, 630.0, 640.0, 646.15, 647.0}) {
        const double p = Psat(T);
        ASSERT_EQ(RegionPT(p, T), 3) << T;
        bool ok = true;
        const double online = ThermalConductivity_PT(p, T, &ok);
        EXPECT_TRUE(ok) << T;
        const double liquid = ThermalConductivity_PT(p * (1.0 + 1e-9), T, &ok);
        EXPECT_LT(Relative(online, liquid), 0.01) << T;
        double dpdT = 0.0, dvdp = 0.0;
        EXPECT_TRUE(ThermalConductivity_Derivatives(p, T, V_PT(p, T), dpdT, dvdp)) << T;
        EXPECT_LT(dvdp, 0.0) << T;
    }
}

// Below 1e-8 Pa the isochore search needs a lower bracket end than the usual one.
TEST(ThermalConductivity, RarestVapourIsTheDiluteGas) {
    for (double p : {1e-9, 1e-12}) {
        bool ok = true;
        const double lambda = ThermalConductivity_PT(p, 500.0, &ok);
        EXPECT_TRUE(ok) << p;
        EXPECT_LT(Relative(lambda, ThermalConductivity_Background(Region2_V(p, 500.0), 500.0)),
                  1e-12)
            << p;
    }
}

TEST(Transport, OutsideEveryRegionGivesZero) {
    bool ok = true;
    EXPECT_EQ(Viscosity_PT(2e8, 300.0, &ok), 0.0);
    EXPECT_EQ(ThermalConductivity_PT(2e8, 300.0, &ok), 0.0);
    EXPECT_EQ(IsentropicExponent_PT(2e8, 300.0, &ok), 0.0);
    EXPECT_EQ(IsentropicExponent_PT(5e7, 1500.0, &ok), 0.0);
}

TEST(IsentropicExponent, IsSquaredSoundSpeedOverPressureTimesVolume) {
    for (const auto& row : ReadTable("if97_transport_isentropic.tsv")) {
        const double p = std::stod(row[1]);
        const double T = std::stod(row[2]);
        const double v = std::stod(row[3]);
        const double w = std::stod(row[4]);
        SCOPED_TRACE("region " + row[0] + " at " + row[1] + " Pa, " + row[2] + " K");
        ASSERT_EQ(RegionPT(p, T), std::stoi(row[0]));
        bool ok = true;
        EXPECT_LT(Relative(IsentropicExponent_PT(p, T, &ok), w * w / (p * v)), 1e-5);
        EXPECT_TRUE(ok);
    }
}

// For a dilute gas w^2 = kappa p v with kappa = cp/cv.
TEST(IsentropicExponent, ApproachesTheHeatCapacityRatioInDiluteSteam) {
    const struct { double p, T; } states[] = {{100.0, 773.15}, {10.0, 1073.15}, {1000.0, 2000.0}};
    for (const auto& s : states) {
        bool ok = true;
        const double ratio = Cp_PT(s.p, s.T, &ok) / Cv_PT(s.p, s.T, &ok);
        EXPECT_LT(Relative(IsentropicExponent_PT(s.p, s.T, &ok), ratio), 1e-4) << s.p << " " << s.T;
    }
}

}  // namespace
