// Two-phase states of the blends at a vapour fraction: each is a phase split in equilibrium
// (equal fugacities, one pressure, the feed recovered by the mass balance), at the asked vapour
// fraction by mass, between the bubble and the dew point, and the state at p and the state at T
// are one state.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "KX_Mixture_Blends.h"
#include "KX_Mixture_Flash.h"
#include "KX_Mixture_Phase.h"

namespace {

void ExpectSplit(const TMixture& m, const TTwoPhaseState& s, double q) {
    const std::size_t n = m.Size();
    const std::span<const double> x{s.X.data(), n}, y{s.Y.data(), n}, z = m.Composition();
    const double RT = m.GasConstant() * s.T;
    EXPECT_NEAR(m.Pressure(s.T, s.RhoLiquid, x), s.P, 3e-14 * s.RhoLiquid * RT + 1e-12 * s.P);
    EXPECT_NEAR(m.Pressure(s.T, s.RhoVapour, y), s.P, 3e-14 * s.RhoVapour * RT + 1e-12 * s.P);
    TComposition lnL{}, lnV{};
    m.LnFugacityCoefficients(s.T, s.RhoLiquid, x, {lnL.data(), n}, s.P);
    m.LnFugacityCoefficients(s.T, s.RhoVapour, y, {lnV.data(), n}, s.P);
    double sx = 0.0, sy = 0.0, massV = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        EXPECT_NEAR(std::log(x[i]) + lnL[i], std::log(y[i]) + lnV[i], 1e-10) << i;
        EXPECT_NEAR((1.0 - s.Beta) * x[i] + s.Beta * y[i], z[i], 1e-12) << i;
        sx += x[i];
        sy += y[i];
        massV += y[i] * m.Component(i).M;
    }
    EXPECT_NEAR(sx, 1.0, 1e-14);
    EXPECT_NEAR(sy, 1.0, 1e-14);
    // A near-azeotrope (R-513A: K within 1e-3 of 1) splits with a condition of 1/(K - 1): its
    // vapour fraction holds to 1e-9 where the K-factors hold to 1e-12.
    EXPECT_NEAR(s.Quality, q, 1e-9);
    EXPECT_NEAR(s.Beta * massV / m.MolarMass(z), s.Quality, 1e-14);
}

TEST(MixtureFlash, SplitsBetweenTheBubbleAndTheDewPoint) {
    for (const char* blend : {"R-407C", "R-448A", "R-454B", "R-404A", "R-513A"}) {
        const TMixture m = MakeBlend(blend);
        for (double p : {2e5, 1e6, 2.5e6}) {
            const TEquilibrium b = SaturationAtP(m, TSaturationKind::Bubble, p);
            const TEquilibrium d = SaturationAtP(m, TSaturationKind::Dew, p);
            ASSERT_TRUE(b.Ok() && d.Ok());
            double previousT = b.T;
            for (double q : {1e-6, 0.1, 0.5, 0.9, 1.0 - 1e-6}) {
                SCOPED_TRACE(std::string(blend) + " at " + std::to_string(p) + " Pa, q " +
                             std::to_string(q));
                const TTwoPhaseState s = TwoPhaseAtP(m, p, q);
                ASSERT_TRUE(s.Ok());
                EXPECT_EQ(s.P, p);
                ExpectSplit(m, s, q);
                // The temperature rises with the vapour fraction from the bubble to the dew point.
                EXPECT_GT(s.T, previousT);
                EXPECT_LT(s.T, d.T);
                previousT = s.T;
                // The same state at its temperature.
                const TTwoPhaseState t = TwoPhaseAtT(m, s.T, q);
                ASSERT_TRUE(t.Ok());
                EXPECT_NEAR(t.P, p, 1e-8 * p);
                ExpectSplit(m, t, q);
            }
            // The ends are the bubble and the dew point themselves.
            EXPECT_EQ(TwoPhaseAtP(m, p, 0.0).T, b.T);
            EXPECT_EQ(TwoPhaseAtP(m, p, 1.0).T, d.T);
        }
    }
}

TEST(MixtureFlash, RefusesWhatIsNoTwoPhaseState) {
    const TMixture m = MakeBlend("R-410A");
    for (double q : {-0.1, 1.1, std::nan("")}) EXPECT_FALSE(TwoPhaseAtP(m, 1e6, q).Ok()) << q;
    EXPECT_FALSE(TwoPhaseAtP(m, -1.0, 0.5).Ok());
    EXPECT_FALSE(TwoPhaseAtT(m, 400.0, 0.5).Ok());  // above the critical region
}

// The tangent-plane test: a feed between its bubble and dew temperature is unstable, and the
// split from its trial phase is the (p, T) flash's; below the bubble and above the dew point it
// is stable. (R-513A's glide of 1e-3 K leaves a distance below the test's resolution.)
TEST(MixtureStability, SplitsBetweenTheLinesAndNowhereElse) {
    for (const char* blend : {"R-407C", "R-448A", "R-454B", "R-410A"}) {
        SCOPED_TRACE(blend);
        const TMixture m = MakeBlend(blend);
        for (double p : {2e5, 1e6, 2.5e6}) {
            const TEquilibrium b = SaturationAtP(m, TSaturationKind::Bubble, p);
            const TEquilibrium d = SaturationAtP(m, TSaturationKind::Dew, p);
            ASSERT_TRUE(b.Ok() && d.Ok());
            const double T = 0.5 * (b.T + d.T);
            const TStabilityResult inside = StabilityAtTP(m, T, p, m.Composition());
            ASSERT_EQ(inside.Verdict, TStability::Unstable) << p;
            const TTwoPhaseState split = TwoPhaseAtTPFrom(m, T, p, inside.K);
            const TTwoPhaseState flash = TwoPhaseAtTP(m, T, p, b, d);
            ASSERT_TRUE(split.Ok() && flash.Ok());
            EXPECT_NEAR(split.Beta, flash.Beta, 1e-9) << p;
            ExpectSplit(m, split, split.Quality);
            for (double outside : {b.T - 5.0, d.T + 5.0})
                EXPECT_EQ(StabilityAtTP(m, outside, p, m.Composition()).Verdict, TStability::Stable)
                    << p << " Pa, " << outside << " K";
        }
    }
}

}  // namespace
