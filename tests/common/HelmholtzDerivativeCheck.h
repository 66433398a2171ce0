#pragma once
// Derivative check for any Helmholtz fluid: every derivative operation of the ideal-gas part
// (Phiot, Phiott, Phiod, Phiodd, Phiodt) and of the residual part (Phirt, Phirtt, Phird,
// Phirdd, Phirdt) is compared with a central difference of the operation one order lower, and
// the combined evaluations PhirAll and PhioAll with the single operations. A slip in a derivative
// formula, or a coefficient or exponent written differently in a value and its derivative, shows
// up as a mismatch at the points where that term family matters, so use points that span the
// fluid's range of delta and tau. A coefficient wrong in the shared table moves value and
// derivatives together and cannot show here: the published values (published_values_test) catch
// those.
//
//   helmholtzcheck::CheckDerivatives(fluid, helmholtzcheck::DefaultPoints());
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "HelmholzFluidObject.h"

namespace helmholtzcheck {

struct TPoint {
    double Delta;
    double Tau;
};

// Reduced states from dilute gas to compressed liquid, low and high temperature; none at
// delta = 1 and tau = 1 together, where non-analytic critical terms have their singularity.
inline std::vector<TPoint> DefaultPoints() {
    std::vector<TPoint> points;
    for (double delta : {0.02, 0.3, 0.85, 1.15, 1.9, 2.8})
        for (double tau : {0.45, 0.8, 0.97, 1.25, 1.8, 2.6}) points.push_back({delta, tau});
    return points;
}

using TSlot = double (THelmholzFluid::*)(double, double) const;

// Central difference of f in delta (byDelta) or tau at p, with a relative step.
inline double CentralDifference(const THelmholzFluid& fluid, TSlot f, TPoint p, bool byDelta,
                                double relativeStep) {
    const double x = byDelta ? p.Delta : p.Tau;
    const double h = relativeStep * x;
    auto at = [&](double v) { return byDelta ? (fluid.*f)(v, p.Tau) : (fluid.*f)(p.Delta, v); };
    return (at(x + h) - at(x - h)) / (2.0 * h);
}

struct TDerivativePair {
    const char* Name;  // the analytic derivative checked
    TSlot Analytic;
    TSlot Lower;  // the operation it is the derivative of
    bool ByDelta;
};

inline std::vector<TDerivativePair> DerivativePairs() {
    return {
        {"Phiot", &THelmholzFluid::Phiot, &THelmholzFluid::Phio, false},
        {"Phiott", &THelmholzFluid::Phiott, &THelmholzFluid::Phiot, false},
        {"Phiod", &THelmholzFluid::Phiod, &THelmholzFluid::Phio, true},
        {"Phiodd", &THelmholzFluid::Phiodd, &THelmholzFluid::Phiod, true},
        {"Phiodt (d/dtau of Phiod)", &THelmholzFluid::Phiodt, &THelmholzFluid::Phiod, false},
        {"Phiodt (d/ddelta of Phiot)", &THelmholzFluid::Phiodt, &THelmholzFluid::Phiot, true},
        {"Phirt", &THelmholzFluid::Phirt, &THelmholzFluid::Phir, false},
        {"Phirtt", &THelmholzFluid::Phirtt, &THelmholzFluid::Phirt, false},
        {"Phird", &THelmholzFluid::Phird, &THelmholzFluid::Phir, true},
        {"Phirdd", &THelmholzFluid::Phirdd, &THelmholzFluid::Phird, true},
        {"Phirdt (d/dtau of Phird)", &THelmholzFluid::Phirdt, &THelmholzFluid::Phird, false},
        {"Phirdt (d/ddelta of Phirt)", &THelmholzFluid::Phirdt, &THelmholzFluid::Phirt, true},
    };
}

// Compares each analytic derivative with the central difference. The tolerance is relative to
// the larger of the derivative and the natural scale |f| / x of the differenced function, so
// derivatives that pass through zero are judged fairly; the difference itself is accurate to
// about 1e-10 of that scale with the default step.
inline void CheckDerivatives(const THelmholzFluid& fluid, const std::vector<TPoint>& points,
                             double tolerance = 1e-7, double relativeStep = 1e-5) {
    for (const TPoint& p : points) {
        for (const TDerivativePair& pair : DerivativePairs()) {
            SCOPED_TRACE(std::string(pair.Name) + " at delta " + std::to_string(p.Delta) +
                         ", tau " + std::to_string(p.Tau));
            const double analytic = (fluid.*pair.Analytic)(p.Delta, p.Tau);
            const double numeric =
                CentralDifference(fluid, pair.Lower, p, pair.ByDelta, relativeStep);
            const double x = pair.ByDelta ? p.Delta : p.Tau;
            const double scale =
                std::max(std::fabs(analytic), std::fabs((fluid.*pair.Lower)(p.Delta, p.Tau)) / x);
            ASSERT_TRUE(std::isfinite(analytic));
            EXPECT_NEAR(analytic, numeric, tolerance * scale + 1e-300);
        }
    }
}

// The combined evaluations must agree with the single operations to rounding.
inline void CheckCombinedEvaluations(const THelmholzFluid& fluid, const std::vector<TPoint>& points,
                                     double tolerance = 1e-12) {
    for (const TPoint& p : points) {
        SCOPED_TRACE("delta " + std::to_string(p.Delta) + ", tau " + std::to_string(p.Tau));
        THelmholzResidual r;
        THelmholzIdeal o;
        fluid.PhirAll(p.Delta, p.Tau, r);
        fluid.PhioAll(p.Delta, p.Tau, o);
        auto near = [&](double combined, double single, const char* name) {
            EXPECT_NEAR(combined, single, tolerance * (std::fabs(single) + 1.0)) << name;
        };
        near(r.Phi, fluid.Phir(p.Delta, p.Tau), "Phir");
        near(r.Phid, fluid.Phird(p.Delta, p.Tau), "Phird");
        near(r.Phidd, fluid.Phirdd(p.Delta, p.Tau), "Phirdd");
        near(r.Phit, fluid.Phirt(p.Delta, p.Tau), "Phirt");
        near(r.Phitt, fluid.Phirtt(p.Delta, p.Tau), "Phirtt");
        near(r.Phidt, fluid.Phirdt(p.Delta, p.Tau), "Phirdt");
        near(o.Phi, fluid.Phio(p.Delta, p.Tau), "Phio");
        near(o.Phit, fluid.Phiot(p.Delta, p.Tau), "Phiot");
        near(o.Phitt, fluid.Phiott(p.Delta, p.Tau), "Phiott");
    }
}

}  // namespace helmholtzcheck
