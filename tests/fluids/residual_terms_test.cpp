// The shared residual-term pieces on tables made for the test: the residual part prepared at
// compile time against a plain sum of its terms and against central differences, at zero
// density, with and without an ε column of its Gaussian terms and with either grid of τ
// exponents; and the ancillary sum.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "KX_Residual_Terms.h"

namespace {

struct TTerm {
    double n;
    double t;
    int d;
    int c;
};
struct TBell {
    double n;
    double t;
    int d;
    double alpha;
    double beta;
    double gamma;
    double epsilon;
};
struct TBellAtOne {
    double n;
    double t;
    int d;
    double alpha;
    double beta;
    double gamma;
};

// Polynomial and exponential terms with whole and quarter exponents of τ, c up to 3.
constexpr TTerm Terms[] = {
    {0.5, 0.25, 1, 0}, {-1.2, 1.0, 2, 0}, {0.3, 2.75, 1, 1}, {0.07, 0.0, 3, 2}, {-0.02, 5.5, 4, 3},
};
// Gaussian terms, one centred away from δ = 1.
constexpr TBell Bells[] = {
    {0.8, 1.5, 1, 10.0, 150.0, 1.1, 0.9},
    {-0.4, 0.0, 2, 20.0, 300.0, 1.2, 1.0},
};
// The second bell again, once with ε = 1 written out and once without the column.
constexpr TBell BellWithEpsilonOne[] = {{-0.4, 0.75, 2, 20.0, 300.0, 1.2, 1.0}};
constexpr TBellAtOne BellWithoutEpsilon[] = {{-0.4, 0.75, 2, 20.0, 300.0, 1.2}};

using TQuarters = TPreparedResidual<Terms, Bells, 4>;
using TEighths = TPreparedResidual<Terms, Bells, 8>;

// φr as a plain sum of its terms.
double PlainSum(double delta, double tau) {
    double sum = 0.0;
    for (const TTerm& term : Terms)
        sum += term.n * std::pow(delta, term.d) * std::pow(tau, term.t) *
               (term.c == 0 ? 1.0 : std::exp(-std::pow(delta, term.c)));
    for (const TBell& term : Bells) {
        const double x = delta - term.epsilon;
        const double y = tau - term.gamma;
        sum += term.n * std::pow(delta, term.d) * std::pow(tau, term.t) *
               std::exp(-term.alpha * x * x - term.beta * y * y);
    }
    return sum;
}

struct TPoint {
    double Delta;
    double Tau;
};
constexpr TPoint Points[] = {{0.05, 0.7}, {0.5, 1.0}, {0.9, 1.1},
                             {1.0, 1.2},  {1.4, 1.6}, {2.5, 2.3}};

TEST(PreparedResidual, ValueIsTheSumOfItsTerms) {
    for (const TPoint& p : Points) {
        SCOPED_TRACE("delta " + std::to_string(p.Delta) + ", tau " + std::to_string(p.Tau));
        const double plain = PlainSum(p.Delta, p.Tau);
        EXPECT_NEAR(TQuarters::Evaluate(p.Delta, p.Tau).Phi, plain, 1e-14 * (std::fabs(plain) + 1));
        EXPECT_NEAR(TEighths::Evaluate(p.Delta, p.Tau).Phi, plain, 1e-14 * (std::fabs(plain) + 1));
    }
}

TEST(PreparedResidual, DerivativesMatchCentralDifferences) {
    const double h = 1e-5;
    for (const TPoint& p : Points) {
        SCOPED_TRACE("delta " + std::to_string(p.Delta) + ", tau " + std::to_string(p.Tau));
        const THelmholzResidual r = TQuarters::Evaluate(p.Delta, p.Tau);
        const double d = p.Delta, t = p.Tau;
        const double f = PlainSum(d, t);
        struct TCase {
            const char* Name;
            double Analytic;
            double Numeric;
        };
        const TCase cases[] = {
            {"Phid", r.Phid, (PlainSum(d + h, t) - PlainSum(d - h, t)) / (2 * h)},
            {"Phit", r.Phit, (PlainSum(d, t + h) - PlainSum(d, t - h)) / (2 * h)},
            {"Phidd", r.Phidd, (PlainSum(d + h, t) - 2 * f + PlainSum(d - h, t)) / (h * h)},
            {"Phitt", r.Phitt, (PlainSum(d, t + h) - 2 * f + PlainSum(d, t - h)) / (h * h)},
            {"Phidt", r.Phidt,
             (PlainSum(d + h, t + h) - PlainSum(d + h, t - h) - PlainSum(d - h, t + h) +
              PlainSum(d - h, t - h)) /
                 (4 * h * h)},
        };
        for (const TCase& c : cases)
            EXPECT_NEAR(c.Analytic, c.Numeric, 1e-4 * (std::fabs(c.Numeric) + 1)) << c.Name;
    }
}

// No product of a derivative meets a negative power of δ at δ = 0.
TEST(PreparedResidual, FiniteAtZeroDensity) {
    for (double tau : {0.5, 1.0, 2.0}) {
        const THelmholzResidual r = TQuarters::Evaluate(0.0, tau);
        const THelmholzResidual near = TQuarters::Evaluate(1e-12, tau);
        EXPECT_EQ(r.Phi, 0.0);
        const std::pair<double, double> sums[] = {{r.Phid, near.Phid},
                                                  {r.Phidd, near.Phidd},
                                                  {r.Phit, near.Phit},
                                                  {r.Phitt, near.Phitt},
                                                  {r.Phidt, near.Phidt}};
        for (const auto& [atZero, close] : sums) {
            ASSERT_TRUE(std::isfinite(atZero));
            EXPECT_NEAR(atZero, close, 1e-6 * (std::fabs(close) + 1));
        }
    }
}

// A Gaussian table without an ε column is centred at δ = 1.
TEST(PreparedResidual, GaussianWithoutEpsilonIsCentredAtOne) {
    using TWith = TPreparedResidual<Terms, BellWithEpsilonOne, 4>;
    using TWithout = TPreparedResidual<Terms, BellWithoutEpsilon, 4>;
    for (const TPoint& p : Points) {
        const THelmholzResidual a = TWith::Evaluate(p.Delta, p.Tau);
        const THelmholzResidual b = TWithout::Evaluate(p.Delta, p.Tau);
        EXPECT_EQ(a.Phi, b.Phi);
        EXPECT_EQ(a.Phidd, b.Phidd);
        EXPECT_EQ(a.Phidt, b.Phidt);
    }
}

TEST(AncillarySum, SumsTheTermsWithThePowerRule) {
    constexpr double n[] = {2.0, -0.5, 0.25};
    constexpr double k[] = {1.0, 1.5, 3.0};
    for (double theta : {0.0, 0.01, 0.3, 0.9}) {
        SCOPED_TRACE(theta);
        EXPECT_NEAR(AncillarySum(n, k, theta),
                    2.0 * theta - 0.5 * std::pow(theta, 1.5) + 0.25 * theta * theta * theta, 1e-15);
    }
    // Whole exponents are taken by multiplication, so a negative ϑ (above Tc) still has them.
    constexpr double whole[] = {1.0, 2.0, 3.0};
    EXPECT_DOUBLE_EQ(AncillarySum(n, whole, -0.5), 2.0 * -0.5 - 0.5 * 0.25 + 0.25 * -0.125);
}

}  // namespace
