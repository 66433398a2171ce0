#pragma once
// The residual Helmholtz energy shared by the refrigerant equations (and the first two term
// groups of carbon dioxide): polynomial terms n δ^d τ^t followed by exponential terms
// n δ^d τ^t exp(−δ^l), with all first and second partial derivatives (the ideal-gas form is in
// KX_Ideal_Gas.h). Powers follow the rules of HelmholtzMath.h.
#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

#include "HelmholtzMath.h"
#include "KX_Ideal_Gas.h"
#include "KX_PhiAll_Fluid.h"
#include "KX_Residual_Terms.h"

// Largest l the evaluator accepts; the tables are checked against it at compile time.
inline constexpr int MaxResidualL = 15;

constexpr bool ValidResidualTable(std::span<const TResidualTerm> terms) {
    for (const TResidualTerm& term : terms)
        if (term.l < 0 || term.l > MaxResidualL) return false;
    return true;
}

// Which sums an evaluation forms; any combination may be asked for.
namespace ResidualPart {
inline constexpr unsigned Phi = 1, Phid = 2, Phidd = 4, Phit = 8, Phitt = 16, Phidt = 32;
inline constexpr unsigned All = 63;
}  // namespace ResidualPart

// The sums over one table of terms. Integral powers of δ come from a per-call table built by
// repeated multiplication, the distinct integral powers of τ by repeated squaring, and each
// exp(−δ^l) is taken once per call, so a sum costs little more than its exponentials. A sum has the
// same value whichever other sums are asked for with it.
class TResidualSum {
  public:
    explicit TResidualSum(std::span<const TResidualTerm> terms);

    // Adds the sums selected by `parts` (ResidualPart bits) at δ = Delta, τ = Tau to r.
    void Evaluate(double Delta, double Tau, unsigned parts, THelmholzResidual& r) const;

    static constexpr int MaxTableExponent = 64;
    static constexpr std::size_t MaxDistinctTauPowers = 64;

  private:
    // A term with its exponents sorted out once: τ^t is looked up by the index of t among the
    // table's distinct exponents, each formed once per call; an integral d within the table
    // range is looked up directly, any other raised through the logarithm.
    struct TSumTerm {
        double n, t, d;
        int l;
        bool tFromTable, dFromTable;
        int tk, dk;
    };
    std::vector<TSumTerm> terms_;
    std::vector<double> tPowers_;  // the distinct τ exponents of the table
    std::size_t tSquares_ = 1;     // τ^(2^j) needed for them, j < tSquares_
    int maxDk_ = 0;
    bool needLnDelta_ = false;  // some d is raised through the logarithm
    unsigned lMask_ = 0;        // bit l set when some term has exp(−δ^l)
};

// A group of residual terms outside the shared form: adds the sums selected by `parts`
// (ResidualPart bits) at δ = Delta, τ = Tau to r.
using TResidualGroup = void (*)(double Delta, double Tau, unsigned parts, THelmholzResidual& r);

// A refrigerant of the shared residual form: the residual part, with the fluid's own group of
// further terms where it has one, is common; each fluid supplies its constants, ancillaries and
// ideal-gas part. Each single derivative is formed alone, without the others.
class TRefrigerant_FE : public TPhiAllFluid {
  public:
    double Phio(double Delta, double Tau) const override;
    double Phiot(double Delta, double Tau) const override;
    double Phiott(double Delta, double Tau) const override;
    double Phir(double Delta, double Tau) const override;
    double Phirt(double Delta, double Tau) const override;
    double Phirtt(double Delta, double Tau) const override;
    double Phird(double Delta, double Tau) const override;
    double Phirdd(double Delta, double Tau) const override;
    double Phirdt(double Delta, double Tau) const override;
    void PhirAll(double Delta, double Tau, THelmholzResidual& r) const override;
    void PhioAll(double Delta, double Tau, THelmholzIdeal& o) const override;

  protected:
    TRefrigerant_FE(std::span<const TResidualTerm> terms, const TIdealGasPart& ideal,
                    TResidualGroup group = nullptr)
        : sum_(terms), ideal_(ideal), group_(group) {}

  private:
    // The one residual sum `part` (a ResidualPart bit) names, kept in `sum` of the result.
    double ResidualSum(double Delta, double Tau, unsigned part,
                       double THelmholzResidual::*sum) const;

    TResidualSum sum_;
    TIdealGasPart ideal_;
    TResidualGroup group_;
};
