// The one residual evaluator on tables made for the test: against a plain sum of its terms and
// against central differences, in double and long double, at zero density, and each sum the same
// whichever others are asked for with it; and the ancillary sum.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "KX_Ancillary_Equations.h"
#include "KX_Residual_Equation.h"

namespace {

// Polynomial and exponential terms with whole, quarter and irregular exponents of τ and one
// non-integral d, l up to 3.
constexpr TResidualTerm Terms[] = {
    {0.5, 0.25, 1, 0},  {-1.2, 1.0, 2, 0},   {0.3, 2.75, 1, 1},     {0.07, 0.0, 3, 2},
    {-0.02, 5.5, 4, 3}, {0.011, 1.37, 2, 1}, {0.004, -0.5, 1.5, 0},
};
// Gaussian terms, one centred away from δ = 1.
constexpr TGaussianTerm Bells[] = {
    {0.8, 1.5, 1, 10.0, 150.0, 1.1, 0.9},
    {-0.4, 0.0, 2, 20.0, 300.0, 1.2, 1.0},
};
// A non-analytic term and a term n τ^t (exp(−δ²) − 1).
constexpr TNonAnalyticTerm NonAnalytic[] = {{-0.6, 3.5, 0.875, 0.3, 0.7, 0.3, 10.0, 275.0}};
constexpr TExpMinusOneTerm ExpMinusOne[] = {{0.25, 3.0}};
// Double-exponential terms n δ^d τ^t exp(−δ^l − τ^m): d = 1 (no δ^(d−2)), a non-integral m and t,
// and R125's third term.
constexpr TDoubleExponentialTerm DoubleExponentials[] = {
    {-1.5, 4.5, 2, 2, 1.7}, {0.3, 2.25, 1, 1, 0.6}, {0.023, 24.0, 5, 3, 6.0}};

const TResidualEquation& Equation() {
    static const TResidualEquation equation({.terms = Terms,
                                             .gaussians = Bells,
                                             .nonAnalytic = NonAnalytic,
                                             .expMinusOne = ExpMinusOne,
                                             .doubleExponentials = DoubleExponentials});
    return equation;
}

// φr as a plain sum of its terms, in long double.
long double PlainSum(long double delta, long double tau) {
    long double sum = 0.0L;
    for (const TResidualTerm& term : Terms)
        sum += term.n * std::pow(delta, (long double)term.d) * std::pow(tau, (long double)term.t) *
               (term.l == 0 ? 1.0L : std::exp(-std::pow(delta, (long double)term.l)));
    for (const TGaussianTerm& term : Bells) {
        const long double x = delta - term.epsilon;
        const long double y = tau - term.gamma;
        sum += term.n * std::pow(delta, (long double)term.d) * std::pow(tau, (long double)term.t) *
               std::exp(-term.alpha * x * x - term.beta * y * y);
    }
    for (const TNonAnalyticTerm& term : NonAnalytic) {
        const long double u = (delta - 1.0L) * (delta - 1.0L);
        const long double theta = (1.0L - tau) + term.A * std::pow(u, 1.0L / (2.0L * term.beta));
        const long double D = theta * theta + term.B * std::pow(u, (long double)term.a);
        const long double psi = std::exp(-term.C * u - term.D * (tau - 1.0L) * (tau - 1.0L));
        sum += term.n * std::pow(D, (long double)term.b) * delta * psi;
    }
    for (const TExpMinusOneTerm& term : ExpMinusOne)
        sum += term.n * std::pow(tau, (long double)term.t) * (std::exp(-delta * delta) - 1.0L);
    for (const TDoubleExponentialTerm& term : DoubleExponentials)
        sum += term.n * std::pow(delta, (long double)term.d) * std::pow(tau, (long double)term.t) *
               std::exp(-std::pow(delta, (long double)term.l) - std::pow(tau, (long double)term.m));
    return sum;
}

struct TPoint {
    double Delta;
    double Tau;
};
constexpr TPoint Points[] = {{0.05, 0.7}, {0.5, 1.0}, {0.9, 1.1},
                             {1.0, 1.2},  {1.4, 1.6}, {2.5, 2.3}};

TEST(ResidualEquation, ValueIsTheSumOfItsTermsInEitherPrecision) {
    for (const TPoint& p : Points) {
        SCOPED_TRACE("delta " + std::to_string(p.Delta) + ", tau " + std::to_string(p.Tau));
        const long double plain = PlainSum(p.Delta, p.Tau);
        THelmholzResidual r;
        Equation().Evaluate(p.Delta, p.Tau, ResidualPart::All, r);
        EXPECT_NEAR(r.Phi, plain, 1e-14 * (std::fabs(plain) + 1));
        THelmholzResidualExtended x;
        Equation().Evaluate<long double>(p.Delta, p.Tau, ResidualPart::All, x);
        EXPECT_NEAR(static_cast<double>((x.Phi - plain) / (std::fabs(plain) + 1)), 0.0, 1e-17);
    }
}

TEST(ResidualEquation, DerivativesMatchCentralDifferences) {
    const long double h = 1e-6L;
    auto f = [](long double d, long double t) { return PlainSum(d, t); };
    for (const TPoint& p : Points) {
        SCOPED_TRACE("delta " + std::to_string(p.Delta) + ", tau " + std::to_string(p.Tau));
        THelmholzResidual r;
        Equation().Evaluate(p.Delta, p.Tau, ResidualPart::All, r);
        const long double d = p.Delta, t = p.Tau, f0 = f(d, t);
        struct TCase {
            const char* Name;
            double Analytic;
            long double Numeric;
        };
        const TCase cases[] = {
            {"Phid", r.Phid, (f(d + h, t) - f(d - h, t)) / (2 * h)},
            {"Phit", r.Phit, (f(d, t + h) - f(d, t - h)) / (2 * h)},
            {"Phidd", r.Phidd, (f(d + h, t) - 2 * f0 + f(d - h, t)) / (h * h)},
            {"Phitt", r.Phitt, (f(d, t + h) - 2 * f0 + f(d, t - h)) / (h * h)},
            {"Phidt", r.Phidt,
             (f(d + h, t + h) - f(d + h, t - h) - f(d - h, t + h) + f(d - h, t - h)) / (4 * h * h)},
        };
        for (const TCase& c : cases) {
            const double numeric = static_cast<double>(c.Numeric);
            EXPECT_NEAR(c.Analytic, numeric, 1e-5 * (std::fabs(numeric) + 1)) << c.Name;
        }
    }
}

// Each sum asked for alone equals the same sum of the evaluation of all of them.
TEST(ResidualEquation, EachSumAloneEqualsItsShareOfTheWhole) {
    using namespace ResidualPart;
    const std::pair<unsigned, double THelmholzResidual::*> sums[] = {
        {Phi, &THelmholzResidual::Phi},     {Phid, &THelmholzResidual::Phid},
        {Phidd, &THelmholzResidual::Phidd}, {Phit, &THelmholzResidual::Phit},
        {Phitt, &THelmholzResidual::Phitt}, {Phidt, &THelmholzResidual::Phidt}};
    for (const TPoint& p : Points) {
        THelmholzResidual all;
        Equation().Evaluate(p.Delta, p.Tau, All, all);
        for (const auto& [bit, member] : sums) {
            THelmholzResidual one;
            Equation().Evaluate(p.Delta, p.Tau, bit, one);
            EXPECT_EQ(one.*member, all.*member) << bit;
        }
    }
}

// No product of a derivative meets a negative power of δ at δ = 0, and each sum there is its
// limit (the terms with whole exponents of δ, double-exponential ones among them; the last row's
// δ^1.5 has no finite ∂²/∂δ² at 0).
TEST(ResidualEquation, FiniteAtZeroDensity) {
    static const TResidualEquation whole({.terms = std::span(Terms).first(6),
                                          .gaussians = Bells,
                                          .doubleExponentials = DoubleExponentials});
    for (double tau : {0.5, 1.0, 2.0}) {
        THelmholzResidual r, near;
        whole.Evaluate(0.0, tau, ResidualPart::All, r);
        whole.Evaluate(1e-12, tau, ResidualPart::All, near);
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
