#include "KX_Mixture.h"

#include <cmath>
#include <stdexcept>

namespace {

// x^k for a whole k from 0 to 16 by multiplication, otherwise by the power rule.
double PowerOf(double x, double k) {
    if (k < 0.0 || k > 16.0 || static_cast<int>(k) != k) return std::pow(x, k);
    double p = 1.0;
    for (int i = static_cast<int>(k); i > 0; --i) p *= x;
    return p;
}

}  // namespace

void DepartureFunction(std::span<const TDepartureTerm> terms, double delta, double tau,
                       THelmholzResidual& r) {
    r = {};
    const double lnTau = std::log(tau), id = 1.0 / delta, it = 1.0 / tau;
    for (const TDepartureTerm& k : terms) {
        // u = −δ^l − η(δ−ε)² − β(δ−γ); f = n δ^d τ^t e^u, with one exponential per term.
        const double dl = k.l > 0.0 ? PowerOf(delta, k.l) : 0.0;
        const double de = delta - k.epsilon;
        const double u = -dl - k.eta * de * de - k.beta * (delta - k.gamma);
        const double ud = -k.l * dl * id - 2.0 * k.eta * de - k.beta;
        const double udd = -k.l * (k.l - 1.0) * dl * id * id - 2.0 * k.eta;
        const double f = k.n * PowerOf(delta, k.d) * std::exp(k.t * lnTau + u);
        const double Ad = k.d * id + ud;
        const double At = k.t * it;
        r.Phi += f;
        r.Phid += f * Ad;
        r.Phidd += f * (Ad * Ad - k.d * id * id + udd);
        r.Phit += f * At;
        r.Phitt += f * k.t * (k.t - 1.0) * it * it;
        r.Phidt += f * Ad * At;
    }
}

TMixtureComponent MixtureComponentOf(const std::string& name, const THelmholzFluid& fluid) {
    TMixtureComponent c;
    c.Name = name;
    c.Fluid = &fluid;
    c.Tc = fluid.Tcr_ + fluid.dta;
    c.RhoC = fluid.Dcr_ / fluid.MM_ * 1000.0;
    c.M = fluid.MM_ / 1000.0;
    c.Pc = fluid.Pc_ * 1e5;
    c.Omega = fluid.Ac_;
    return c;
}

TMixture::TMixture(std::vector<TMixtureComponent> components, std::vector<TMixturePair> pairs,
                   std::span<const double> moleFractions, double gasConstant)
    : components_(std::move(components)), pairs_(std::move(pairs)), R_(gasConstant) {
    const std::size_t n = components_.size();
    if (n == 0 || n > MaxMixtureComponents || moleFractions.size() != n)
        throw std::invalid_argument("mixture: wrong number of components or mole fractions");
    double sum = 0.0;
    for (double x : moleFractions) sum += x;
    for (std::size_t i = 0; i < n; ++i) z_[i] = moleFractions[i] / sum;
    for (const TMixturePair& p : pairs_) {
        if (p.I >= p.J || p.J >= n) throw std::invalid_argument("mixture: bad pair indices");
        const TMixtureComponent& a = components_[p.I];
        const TMixtureComponent& b = components_[p.J];
        const double TcIJ = std::sqrt(a.Tc * b.Tc);
        const double cube = std::cbrt(1.0 / a.RhoC) + std::cbrt(1.0 / b.RhoC);
        const double vcIJ = 0.125 * cube * cube * cube;
        cT_.push_back(2.0 * p.BetaT * p.GammaT * TcIJ);
        cV_.push_back(2.0 * p.BetaV * p.GammaV * vcIJ);
        b2T_.push_back(p.BetaT * p.BetaT);
        b2V_.push_back(p.BetaV * p.BetaV);
    }
}

double TMixture::MolarMass(std::span<const double> x) const {
    double M = 0.0;
    for (std::size_t i = 0; i < Size(); ++i) M += x[i] * components_[i].M;
    return M;
}

namespace {

// One pair's term of a reducing sum, c x_i x_j (x_i + x_j) / (β² x_i + x_j), added to Y and its
// x-derivatives.
void AddPairTerm(double c, double b2, std::size_t i, std::size_t j, std::span<const double> x,
                 double& Y, TComposition& dY) {
    const double xi = x[i], xj = x[j];
    const double D = b2 * xi + xj;
    if (D == 0.0) return;  // both absent: the term and its derivatives vanish
    const double s = xi + xj, xx = xi * xj;
    Y += c * xx * s / D;
    dY[i] += c * (xj * s / D + xx / D - xx * s * b2 / (D * D));
    dY[j] += c * (xi * s / D + xx / D - xx * s / (D * D));
}

}  // namespace

void TMixture::Reducing(std::span<const double> x, TReducingValues& r) const {
    const std::size_t n = Size();
    double T = 0.0, v = 0.0;
    TComposition dT{}, dv{};
    for (std::size_t i = 0; i < n; ++i) {
        const double vc = 1.0 / components_[i].RhoC;
        T += x[i] * x[i] * components_[i].Tc;
        v += x[i] * x[i] * vc;
        dT[i] = 2.0 * x[i] * components_[i].Tc;
        dv[i] = 2.0 * x[i] * vc;
    }
    for (std::size_t k = 0; k < pairs_.size(); ++k) {
        AddPairTerm(cT_[k], b2T_[k], pairs_[k].I, pairs_[k].J, x, T, dT);
        AddPairTerm(cV_[k], b2V_[k], pairs_[k].I, pairs_[k].J, x, v, dv);
    }
    r.Tr = T;
    r.RhoR = 1.0 / v;
    for (std::size_t i = 0; i < n; ++i) {
        r.dTr[i] = dT[i];
        r.dRhoR[i] = -r.RhoR * r.RhoR * dv[i];
    }
}

void TMixture::Residual(double delta, double tau, std::span<const double> x, THelmholzResidual& r,
                        double* dAdx) const {
    r = {};
    THelmholzResidual c;
    for (std::size_t i = 0; i < Size(); ++i) {
        components_[i].Fluid->PhirAll(delta, tau, c);
        r.Phi += x[i] * c.Phi;
        r.Phid += x[i] * c.Phid;
        r.Phidd += x[i] * c.Phidd;
        r.Phit += x[i] * c.Phit;
        r.Phitt += x[i] * c.Phitt;
        r.Phidt += x[i] * c.Phidt;
        if (dAdx) dAdx[i] = c.Phi;
    }
    for (const TMixturePair& p : pairs_) {
        if (p.F == 0.0 || p.Departure.empty()) continue;
        DepartureFunction(p.Departure, delta, tau, c);
        const double w = x[p.I] * x[p.J] * p.F;
        r.Phi += w * c.Phi;
        r.Phid += w * c.Phid;
        r.Phidd += w * c.Phidd;
        r.Phit += w * c.Phit;
        r.Phitt += w * c.Phitt;
        r.Phidt += w * c.Phidt;
        if (dAdx) {
            dAdx[p.I] += x[p.J] * p.F * c.Phi;
            dAdx[p.J] += x[p.I] * p.F * c.Phi;
        }
    }
}

double TMixture::Pressure(double T, double rho, std::span<const double> x) const {
    TReducingValues red;
    Reducing(x, red);
    const double delta = rho / red.RhoR;
    THelmholzResidual r;
    Residual(delta, red.Tr / T, x, r);
    return rho * R_ * T * (1.0 + delta * r.Phid);
}

double TMixture::Density(double T, double p, std::span<const double> x, TMixturePhase phase,
                         double guess) const {
    TReducingValues red;
    Reducing(x, red);
    const double tau = red.Tr / T;
    const bool liquid = phase == TMixturePhase::Liquid;
    if (!(p > 0.0) || !(T > 0.0) || !std::isfinite(p) || !std::isfinite(T)) return 0.0;
    // From a root found nearby (a previous iteration's), Newton converges in a few steps;
    // where it leaves the stable branch the cold start decides.
    if (guess > 0.0) {
        const double rho = DensityFrom(T, p, x, red, tau, guess / red.RhoR, false);
        if (rho > 0.0) return rho;
    }
    // Liquid from a dense start, vapour from the ideal gas: on the stable branches p(ρ) is
    // convex (liquid) and concave (vapour), so Newton approaches each root from one side and
    // a falling pressure on the way means that branch has no root at p.
    return DensityFrom(T, p, x, red, tau, liquid ? 3.0 : p / (R_ * T * red.RhoR), liquid);
}

double TMixture::StableDensity(double T, double p, std::span<const double> x) const {
    const double rl = Density(T, p, x, TMixturePhase::Liquid);
    double rv = Density(T, p, x, TMixturePhase::Vapour);
    if (rv > 0.0 && !(rl > 0.0 && std::fabs(rl - rv) <= 1e-9 * rl)) {
        constexpr int Samples = 64;
        double previous = 0.0;
        for (int k = 1; k <= Samples && rv > 0.0; ++k) {
            const double pk = Pressure(T, rv * k / Samples, x);
            if (!(pk > previous)) rv = 0.0;
            previous = pk;
        }
    }
    if (!(rl > 0.0)) return rv;
    if (!(rv > 0.0)) return rl;
    const TMixtureState l = State(T, rl, x), v = State(T, rv, x);
    return v.H - T * v.S < l.H - T * l.S ? rv : rl;
}

double TMixture::DensityFrom(double T, double p, std::span<const double> x,
                             const TReducingValues& red, double tau, double delta,
                             bool denseStart) const {
    THelmholzResidual r;
    int grown = 0;
    for (int it = 0; it < 100; ++it) {
        ResidualDeltaDerivatives(delta, tau, x, r);
        const double pr = delta * red.RhoR * R_ * T * (1.0 + delta * r.Phid);
        const double dpr =
            red.RhoR * R_ * T * (1.0 + 2.0 * delta * r.Phid + delta * delta * r.Phidd);
        if (!(dpr > 0.0)) {
            // A dense start can lie beyond the highest density of the equation's stable
            // liquid; anywhere else an unstable density means no root on this branch.
            if (denseStart && it == grown && grown < 5) {
                delta *= 1.2;
                ++grown;
                continue;
            }
            return 0.0;
        }
        double next = delta - (pr - p) / dpr;
        if (next <= 0.0) next = 0.5 * delta;
        // Newton's error after a step of 1e-10 is of the order of its square.
        if (std::fabs(next - delta) <= 1e-10 * delta) return next * red.RhoR;
        delta = next;
    }
    return 0.0;
}

void TMixture::ResidualDeltaDerivatives(double delta, double tau, std::span<const double> x,
                                        THelmholzResidual& r) const {
    r = {};
    THelmholzResidual c;
    for (std::size_t i = 0; i < Size(); ++i) {
        components_[i].Fluid->PhirDeltaDerivatives(delta, tau, c);
        r.Phid += x[i] * c.Phid;
        r.Phidd += x[i] * c.Phidd;
    }
    for (const TMixturePair& pair : pairs_) {
        if (pair.F == 0.0 || pair.Departure.empty()) continue;
        DepartureFunction(pair.Departure, delta, tau, c);
        const double w = x[pair.I] * x[pair.J] * pair.F;
        r.Phid += w * c.Phid;
        r.Phidd += w * c.Phidd;
    }
}

void TMixture::LnFugacityCoefficients(double T, double rho, std::span<const double> x,
                                      std::span<double> lnPhi, double pressure) const {
    const std::size_t n = Size();
    TReducingValues red;
    Reducing(x, red);
    const double delta = rho / red.RhoR, tau = red.Tr / T;
    THelmholzResidual r;
    TComposition dAdx{};
    Residual(delta, tau, x, r, dAdx.data());
    // Σ x_k ∂Y/∂x_k turns each derivative at independent x into one at constant other moles.
    double sumT = 0.0, sumRho = 0.0, sumA = 0.0;
    for (std::size_t k = 0; k < n; ++k) {
        sumT += x[k] * red.dTr[k];
        sumRho += x[k] * red.dRhoR[k];
        sumA += x[k] * dAdx[k];
    }
    const double Z = pressure > 0.0 ? pressure / (rho * R_ * T) : 1.0 + delta * r.Phid;
    const double base = r.Phi - std::log(Z);
    for (std::size_t i = 0; i < n; ++i) {
        const double ndRho = red.dRhoR[i] - sumRho, ndT = red.dTr[i] - sumT;
        const double ndA = delta * r.Phid * (1.0 - ndRho / red.RhoR) + tau * r.Phit * ndT / red.Tr +
                           dAdx[i] - sumA;
        lnPhi[i] = base + ndA;
    }
}

TMixtureState TMixture::State(double T, double rho, std::span<const double> x) const {
    TReducingValues red;
    Reducing(x, red);
    const double delta = rho / red.RhoR, tau = red.Tr / T;
    THelmholzResidual r;
    Residual(delta, tau, x, r);
    // Ideal part: Σ xᵢ [α⁰ᵢ(δᵢ, τᵢ) + ln xᵢ]; since every τᵢ is proportional to 1/T the
    // τ-derivative groups become Σ xᵢ τᵢ α⁰ᵢ,τ and Σ xᵢ τᵢ² α⁰ᵢ,ττ.
    double a0 = 0.0, tA0t = 0.0, t2A0tt = 0.0;
    THelmholzIdeal o;
    for (std::size_t i = 0; i < Size(); ++i) {
        if (x[i] <= 0.0) continue;
        const TMixtureComponent& c = components_[i];
        const double taui = c.Tc / T;
        c.Fluid->PhioAll(rho / c.RhoC, taui, o);
        a0 += x[i] * (o.Phi + std::log(x[i]));
        tA0t += x[i] * taui * o.Phit;
        t2A0tt += x[i] * taui * taui * o.Phitt;
    }
    const double A = 1.0 + delta * r.Phid - delta * tau * r.Phidt;
    const double B = 1.0 + 2.0 * delta * r.Phid + delta * delta * r.Phidd;
    const double cvR = -t2A0tt - tau * tau * r.Phitt;
    TMixtureState s;
    s.P = rho * R_ * T * (1.0 + delta * r.Phid);
    s.H = R_ * T * (1.0 + tA0t + tau * r.Phit + delta * r.Phid);
    s.S = R_ * (tA0t + tau * r.Phit - a0 - r.Phi);
    s.Cv = R_ * cvR;
    s.Cp = s.Cv + R_ * A * A / B;
    s.W = std::sqrt(R_ * T / MolarMass(x) * (B + A * A / cvR));
    return s;
}

std::vector<double> MoleFractionsFromMass(std::span<const TMixtureComponent> components,
                                          std::span<const double> massFractions) {
    std::vector<double> x(components.size());
    double sum = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) sum += x[i] = massFractions[i] / components[i].M;
    for (double& v : x) v /= sum;
    return x;
}

std::vector<double> MassFractionsFromMole(std::span<const TMixtureComponent> components,
                                          std::span<const double> moleFractions) {
    std::vector<double> w(components.size());
    double sum = 0.0;
    for (std::size_t i = 0; i < w.size(); ++i) sum += w[i] = moleFractions[i] * components[i].M;
    for (double& v : w) v /= sum;
    return w;
}
