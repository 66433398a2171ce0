#include "SaturationCurveFit.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <sstream>

#include "HelmholzFluidObject.h"
#include "SaturationCurves.h"

namespace {

// Closest approach (K) of the curves to the critical temperature of the equation.
constexpr double CriticalExclusion = 1e-6;
// Within this distance (K) of the critical temperature the solvers' state is no start for the
// Newton steps (they end on the trivial solution or stop short of rounding). There the start
// comes from a ladder of states at distances falling by LadderRatio, each solved from the ones
// before it: the densities' distances from the critical density are close to powers of the
// distance from the critical temperature (the power differs between equations: 1/2 for most,
// nearer 1/3 where non-analytic terms shape the critical region).
constexpr double NearCriticalBand = 0.1;
constexpr double LadderRatio = 0.5;
// Newton steps on the phase equilibrium, and the largest mismatch of pressure (relative) plus
// Gibbs energy (over RT) a solution may keep.
constexpr int PolishPasses = 40;
constexpr int StallPasses = 3;
constexpr long double AcceptedMismatch = 1e-9L;
// The last Newton step, relative to the gap between the phases, of a converged solution (next to
// the critical point the steps wander by the rounding of the residual over the conditioning).
constexpr long double ConvergedStep = 0.1L;
// Step in delta of the difference quotients of the slope of the critical isotherm, and the
// Newton and secant passes that find the critical point.
constexpr long double CriticalDifferenceStep = 1e-4L;
constexpr int CriticalPasses = 60;

// Reduced pressure J = delta (1 + delta phir_d), Gibbs function K = delta phir_d + phir +
// ln delta and their delta derivatives of one phase, in the extended precision the fluid's
// residual evaluation offers.
struct TPhase {
    long double J, K, Jd, Kd;
};

TPhase PhaseAt(const THelmholzFluid& fluid, long double delta, long double tau) {
    THelmholzResidualExtended r;
    fluid.PhirAllExtended(delta, tau, r);
    const long double d = delta;
    return {d * (1.0L + d * r.Phid), d * r.Phid + r.Phi + std::log(d),
            1.0L + 2.0L * d * r.Phid + d * d * r.Phidd, 2.0L * r.Phid + d * r.Phidd + 1.0L / d};
}

// d J / d delta: zero on the spinodal, and at the critical point also its least value along the
// isotherm.
long double PressureSlope(const THelmholzFluid& fluid, long double delta, long double tau) {
    THelmholzResidualExtended r;
    fluid.PhirAllExtended(delta, tau, r);
    return 1.0L + 2.0L * delta * r.Phid + delta * delta * r.Phidd;
}

// The least pressure slope on the isotherm tau near delta (Newton steps on its derivative,
// from difference quotients); negative below the critical temperature, positive above.
bool LeastPressureSlope(const THelmholzFluid& fluid, long double tau, long double& delta,
                        long double& slope) {
    const long double h = CriticalDifferenceStep;
    for (int pass = 0; pass < CriticalPasses; ++pass) {
        const long double s0 = PressureSlope(fluid, delta, tau);
        const long double sp = PressureSlope(fluid, delta + h, tau);
        const long double sm = PressureSlope(fluid, delta - h, tau);
        const long double curvature = (sp - 2.0L * s0 + sm) / (h * h);
        if (!(curvature > 0.0L)) return false;
        const long double step = (sp - sm) / (2.0L * h) / curvature;
        delta -= step;
        if (!std::isfinite(static_cast<double>(delta)) || std::fabs(step) > 0.5L) return false;
        // The quotients carry the rounding of the slope over h: a step of 1e-9 moves the least
        // value by far less than its rounding.
        if (std::fabs(step) < 1e-9L) {
            slope = PressureSlope(fluid, delta, tau);
            return true;
        }
    }
    return false;
}

}  // namespace

bool SolveCriticalPoint(const THelmholzFluid& fluid, double& TcC, double& deltaC) {
    // The critical point is the point of the isotherm where the least pressure slope is zero:
    // a secant search in tau on that least slope, which is close to linear in tau. At the least
    // slope the slope does not change with delta, so the difference quotients' error in delta
    // does not reach the temperature.
    long double delta = 1.0L, tauA = 1.0L, tauB = 1.0L + 1e-5L, slopeA = 0.0L, slopeB = 0.0L;
    if (!LeastPressureSlope(fluid, tauA, delta, slopeA) ||
        !LeastPressureSlope(fluid, tauB, delta, slopeB))
        return false;
    for (int pass = 0; pass < CriticalPasses && slopeB != slopeA; ++pass) {
        const long double tau = tauB - slopeB * (tauB - tauA) / (slopeB - slopeA);
        if (!std::isfinite(static_cast<double>(tau)) || std::fabs(tau - 1.0L) > 0.05L) return false;
        tauA = tauB;
        slopeA = slopeB;
        tauB = tau;
        if (!LeastPressureSlope(fluid, tauB, delta, slopeB)) return false;
        if (std::fabs(tauB - tauA) <= 1e-17L) break;
    }
    const long double TcK = (fluid.Tcr_ + static_cast<long double>(fluid.dta)) / tauB;
    TcC = static_cast<double>(TcK - fluid.dta);
    deltaC = static_cast<double>(delta);
    return std::isfinite(TcC) && std::fabs(TcC - fluid.Tcr_) < 5.0 && deltaC > 0.5 && deltaC < 2.0;
}

TEquationSaturation::TEquationSaturation(const THelmholzFluid& fluid) : fluid_(fluid) {
    if (!SolveCriticalPoint(fluid, TcC_, deltaC_)) {
        // No critical point to be found: the reducing point stands in for it, as it does in
        // most equations.
        TcC_ = fluid.Tcr_;
        deltaC_ = 1.0;
    }
    hotEnd_ = std::fmin(fluid.Tc_Max_, TcC_ - CriticalExclusion);
    // The ladder of states towards the critical point, each started from the two before it.
    double distance = NearCriticalBand;
    for (int rung = 0; TcC_ - distance <= hotEnd_ + NearCriticalBand; ++rung) {
        TRung r{distance, 0.0, 0.0};
        double Ps = 0.0, DL = 0.0, DV = 0.0;
        bool solved = false;
        if (rung < 2) {
            solved = FromSolvers(TcC_ - distance, Ps, DL, DV);
        } else {
            long double deltaL = 0.0L, deltaV = 0.0L;
            ScaledStart(distance, deltaL, deltaV);
            solved = Polish(TcC_ - static_cast<long double>(distance), false, deltaL, deltaV, Ps);
            DL = static_cast<double>(deltaL * fluid.Dcr_);
            DV = static_cast<double>(deltaV * fluid.Dcr_);
        }
        if (!solved) break;
        r.DeltaL = DL / fluid.Dcr_;
        r.DeltaV = DV / fluid.Dcr_;
        ladder_.push_back(r);
        // Two rungs at least: the scaled start interpolates between two (a hot end a whole
        // band below the critical temperature would otherwise leave one).
        if (ladder_.size() >= 2 && TcC_ - distance >= hotEnd_) break;
        distance *= LadderRatio;
    }
}

void TEquationSaturation::ScaledStart(double distance, long double& deltaL,
                                      long double& deltaV) const {
    // Both phases' distances from the critical density as powers of the distance from the
    // critical temperature, through the two rungs nearest above it (or the last two).
    std::size_t k = 1;
    while (k + 1 < ladder_.size() && ladder_[k].Distance > distance) ++k;
    const TRung& a = ladder_[k - 1];
    const TRung& b = ladder_[k];
    const long double t = std::log(distance / b.Distance) / std::log(a.Distance / b.Distance);
    auto power = [&](double da, double db) {
        const long double ya = std::log(std::fabs(da - deltaC_));
        const long double yb = std::log(std::fabs(db - deltaC_));
        return std::exp(yb + t * (ya - yb));
    };
    deltaL = deltaC_ + power(a.DeltaL, b.DeltaL);
    deltaV = deltaC_ - power(a.DeltaV, b.DeltaV);
}

bool TEquationSaturation::Polish(long double T, bool fromSolvers, long double& deltaL,
                                 long double& deltaV, double& Ps) const {
    // Newton steps on equal pressure and Gibbs energy, keeping the pair with the smallest
    // mismatch (where the residual is evaluated in double only, the steps wander at the level
    // of its rounding near the critical point).
    const long double TK = T + static_cast<long double>(fluid_.dta);
    const long double tau = (fluid_.Tcr_ + static_cast<long double>(fluid_.dta)) / TK;
    const long double gap = deltaL - deltaV;
    long double bestL = deltaL, bestV = deltaV, bestMismatch = HUGE_VALL, lastStep = HUGE_VALL;
    int bestPass = 0;
    for (int pass = 1; pass <= PolishPasses; ++pass) {
        const TPhase L = PhaseAt(fluid_, deltaL, tau), V = PhaseAt(fluid_, deltaV, tau);
        const long double mismatch = std::fabs((V.J - L.J) / V.J) + std::fabs(V.K - L.K);
        if (!std::isfinite(static_cast<double>(mismatch))) break;
        if (mismatch < bestMismatch) {
            bestMismatch = mismatch;
            bestL = deltaL;
            bestV = deltaV;
            bestPass = pass;
        }
        // Converged: no step improves on the best any more (the steps wander by rounding).
        if (mismatch == 0.0L || pass - bestPass >= StallPasses) break;
        const long double det = V.Jd * L.Kd - L.Jd * V.Kd;
        const long double stepL = ((V.K - L.K) * V.Jd - (V.J - L.J) * V.Kd) / det;
        const long double stepV = ((V.K - L.K) * L.Jd - (V.J - L.J) * L.Kd) / det;
        // A full step can cross over to the other phase next to the critical point (the
        // non-analytic terms of some equations bend the isotherm sharply there): shortened
        // until both densities keep their order.
        long double length = 1.0L;
        while (length > 1e-6L && !(deltaV + length * stepV > 0.0L &&
                                   deltaL + length * stepL > deltaV + length * stepV))
            length *= 0.5L;
        const long double nextL = deltaL + length * stepL, nextV = deltaV + length * stepV;
        if (!std::isfinite(static_cast<double>(nextL)) ||
            !std::isfinite(static_cast<double>(nextV)) || !(nextV > 0.0L) || !(nextL > nextV))
            break;
        lastStep = std::fmax(std::fabs(stepL), std::fabs(stepV));
        deltaL = nextL;
        deltaV = nextV;
        // Steps far below rounding of the densities change nothing any more.
        if (length == 1.0L && lastStep <= 1e-19L * nextL) break;
    }
    // The trivial solution (both densities equal) also has no mismatch: the gap must stay. A
    // start of the solvers is a solution already (far from the critical point the liquid's
    // pressure is a small difference of large terms, whose rounding the mismatch shows); a
    // scaled start must have come to one.
    if (!(bestL - bestV > 0.5L * gap) ||
        (!fromSolvers && !(bestMismatch <= AcceptedMismatch && lastStep <= ConvergedStep * gap)))
        return false;
    deltaL = bestL;
    deltaV = bestV;
    // The pressure of the vapour: the liquid is too stiff to tell it.
    Ps =
        static_cast<double>(PhaseAt(fluid_, deltaV, tau).J * fluid_.Dcr_ * fluid_.R_ * TK / 100.0L);
    return Ps > 0.0 && std::isfinite(Ps);
}

bool TEquationSaturation::At(long double T, double& Ps, double& DL, double& DV) const {
    // Without two rungs to scale from (the equation's states nearer the critical point than a
    // hot end a whole band below it need not be solvable), the solvers' state is the only one.
    if (!(TcC_ - T < NearCriticalBand) || ladder_.size() < 2) return FromSolvers(T, Ps, DL, DV);
    if (!(T < TcC_)) return false;
    long double deltaL = 0.0L, deltaV = 0.0L;
    ScaledStart(static_cast<double>(TcC_ - T), deltaL, deltaV);
    if (!Polish(T, false, deltaL, deltaV, Ps)) return false;
    DL = static_cast<double>(deltaL * fluid_.Dcr_);
    DV = static_cast<double>(deltaV * fluid_.Dcr_);
    return DL > DV && DV > 0.0;
}

bool TEquationSaturation::FromSolvers(long double T, double& Ps, double& DL, double& DV) const {
    std::string text;
    int32_t code = 0;
    fluid_.SaturationFromTByEquation(static_cast<double>(T), Ps, DL, DV, text, code);
    if (code != 0 || !(Ps > 0.0) || !(DL > DV) || !(DV > 0.0)) return false;
    long double deltaL = DL / fluid_.Dcr_, deltaV = DV / fluid_.Dcr_;
    if (!Polish(T, true, deltaL, deltaV, Ps)) return false;
    DL = static_cast<double>(deltaL * fluid_.Dcr_);
    DV = static_cast<double>(deltaV * fluid_.Dcr_);
    return DL > DV && DV > 0.0;
}

namespace {

// Pieces the range starts with beyond the graded ones next to the critical point.
constexpr int InitialPieces = 4;
// Next to the critical point the pieces grow by this ratio from the hot end up to u =
// GradedUntil: a piece then spans as much as it lies away from u = 0, whatever the exact shape of
// the curves there (a critical temperature off by rounding, non-analytic terms).
constexpr double GradingRatio = 2.0;
constexpr double GradedUntil = 0.02;
// The narrowest piece that is still split, relative to its u; more pieces than MostPieces mean
// the fit does not converge.
constexpr double NarrowestPiece = 1e-3;
constexpr int MostPieces = 3000;
// Least squares: values at this many times as many Chebyshev nodes as terms, which averages the
// rounding of the equation's solution next to the critical point.
constexpr int NodesPerTerm = 3;
// Next to the critical point (pieces up to u = NoisyUntil), where that scatter is largest, the
// fit averages over this many nodes per term instead.
constexpr int NoisyNodesPerTerm = 12;
// A piece next to the critical point (up to u = NoisyUntil) that misses the tolerance is split
// unless its halves miss by nearly as much: then what is left is the scatter of the equation's
// solution, not the shape of the curves.
constexpr double SplitGain = 4.0;
constexpr double NoisyUntil = 0.1;

struct TSaturationPoint {
    double LnP, LnDL, LnDV;
};

double Series(const double* c, int terms, double x) {
    double b1 = 0.0, b2 = 0.0;
    for (int k = terms - 1; k >= 1; --k) {
        const double t = 2.0 * x * b1 - b2 + c[k];
        b2 = b1;
        b1 = t;
    }
    return x * b1 - b2 + c[0];
}

constexpr long double Pi = 3.14159265358979323846264338327950288L;

// The first `terms` Chebyshev coefficients from the values at the nodes x_k = cos(pi (k + 1/2)
// / n): the least-squares fit on those nodes (interpolation where terms = n).
std::vector<double> Coefficients(const std::vector<double>& values, int terms) {
    const int n = static_cast<int>(values.size());
    std::vector<double> c(static_cast<std::size_t>(terms));
    for (int j = 0; j < terms; ++j) {
        long double sum = 0.0L;
        for (int k = 0; k < n; ++k)
            sum += values[static_cast<std::size_t>(k)] * std::cos(Pi * j * (k + 0.5L) / n);
        c[static_cast<std::size_t>(j)] = static_cast<double>((j == 0 ? 1.0L : 2.0L) * sum / n);
    }
    return c;
}

// One fitted piece and its largest differences from the equation at the test points.
struct TPiece {
    double A = 0.0, B = 0.0;
    std::vector<double> LnP, LnDL, LnDV;
    double ErrP = 0.0, ErrD = 0.0;
    // The larger of the two differences over its tolerance: at most 1 where the piece is good.
    double Miss() const { return std::fmax(ErrP / FitToleranceLnP, ErrD / FitToleranceLnD); }
};

class TFitter {
  public:
    TFitter(const TEquationSaturation& equation, TFittedCurve& out, int maxPieces)
        : equation_(equation), out_(out), maxPieces_(maxPieces) {}

    // Fits [a, b], splitting it until every function meets its tolerance.
    bool Fit(double a, double b, std::string& message) {
        if (Full()) return true;
        TPiece piece;
        return FitPiece(a, b, piece, message) && Refine(piece, message);
    }

  private:
    bool Full() const { return maxPieces_ > 0 && pieces_ >= maxPieces_; }

    bool Refine(TPiece& piece, std::string& message) {
        if (Full()) return true;
        if (++tried_ > MostPieces) {
            char text[200];
            std::snprintf(text, sizeof text,
                          "%s: the fit does not converge (piece u %.9g..%.9g, ln psat %.1e, ln "
                          "rho %.1e)",
                          out_.Code.c_str(), piece.A, piece.B, piece.ErrP, piece.ErrD);
            message = text;
            return false;
        }
        if (piece.Miss() > 1.0 && piece.B - piece.A > NarrowestPiece * piece.B) {
            const double m = 0.5 * (piece.A + piece.B);
            TPiece left, right;
            if (!FitPiece(piece.A, m, left, message) || !FitPiece(m, piece.B, right, message))
                return false;
            const bool scatter = piece.B <= NoisyUntil &&
                                 std::fmax(left.Miss(), right.Miss()) * SplitGain > piece.Miss();
            if (!scatter) return Refine(left, message) && Refine(right, message);
        }
        Keep(piece);
        return true;
    }

    bool FitPiece(double a, double b, TPiece& piece, std::string& message) {
        const int n = out_.Terms;
        const int nodes = (b <= NoisyUntil ? NoisyNodesPerTerm : NodesPerTerm) * n;
        std::vector<double> p(nodes), dl(nodes), dv(nodes);
        for (int k = 0; k < nodes; ++k) {
            TSaturationPoint s;
            if (!At(a, b, std::cos(Pi * (k + 0.5L) / nodes), s, message)) return false;
            p[k] = s.LnP;
            dl[k] = s.LnDL;
            dv[k] = s.LnDV;
        }
        piece = TPiece{a, b, Coefficients(p, n), Coefficients(dl, n), Coefficients(dv, n)};
        const int tests = 2 * n + 1;
        for (int j = 0; j < tests; ++j) {
            const double x = -1.0 + 2.0 * j / (tests - 1);
            TSaturationPoint s;
            if (!At(a, b, x, s, message)) return false;
            piece.ErrP = std::fmax(piece.ErrP, std::fabs(Series(piece.LnP.data(), n, x) - s.LnP));
            piece.ErrD = std::fmax(piece.ErrD, std::fabs(Series(piece.LnDL.data(), n, x) - s.LnDL));
            piece.ErrD = std::fmax(piece.ErrD, std::fabs(Series(piece.LnDV.data(), n, x) - s.LnDV));
        }
        return true;
    }

    void Keep(const TPiece& piece) {
        out_.WorstLnP = std::fmax(out_.WorstLnP, piece.ErrP);
        out_.WorstLnD = std::fmax(out_.WorstLnD, piece.ErrD);
        if (out_.Breaks.empty()) out_.Breaks.push_back(piece.A);
        out_.Breaks.push_back(piece.B);
        out_.LnP.insert(out_.LnP.end(), piece.LnP.begin(), piece.LnP.end());
        out_.LnDL.insert(out_.LnDL.end(), piece.LnDL.begin(), piece.LnDL.end());
        out_.LnDV.insert(out_.LnDV.end(), piece.LnDV.begin(), piece.LnDV.end());
        ++pieces_;
    }

    // The equation's saturation state at x of the piece [a, b]; the temperature of u is formed
    // in extended precision so that the state belongs to u itself.
    bool At(double a, double b, long double x, TSaturationPoint& s, std::string& message) {
        const long double u = 0.5L * (a + b) + 0.5L * (static_cast<long double>(b) - a) * x;
        const long double T = out_.TcrC - static_cast<long double>(out_.TcrK) * u * u;
        double Ps = 0.0, DL = 0.0, DV = 0.0;
        if (equation_.At(T, Ps, DL, DV)) {
            s = {std::log(Ps), std::log(DL), std::log(DV)};
            if (std::isfinite(s.LnP) && std::isfinite(s.LnDL) && std::isfinite(s.LnDV)) return true;
        }
        char text[160];
        std::snprintf(text, sizeof text, "%s: no saturation state from the equation at %.17g °C",
                      out_.Code.c_str(), static_cast<double>(T));
        message = text;
        return false;
    }

    const TEquationSaturation& equation_;
    TFittedCurve& out_;
    int maxPieces_;
    int pieces_ = 0;
    int tried_ = 0;
};

void WriteArray(std::ostringstream& s, const char* name, const std::vector<double>& v) {
    s << "constexpr double " << name << "[] = {";
    char number[40];
    for (std::size_t i = 0; i < v.size(); ++i) {
        std::snprintf(number, sizeof number, "%.17g", v[i]);
        s << (i % 3 == 0 ? "\n    " : " ") << number << ",";
    }
    s << "\n};\n";
}

std::string Identifier(const std::string& code) {
    return "SaturationCurve_" + code;
}

}  // namespace

namespace {

// x in [-1, 1] where the series of ln psat (falling in x) takes the value y, by bisection.
double PieceXOfLnP(const double* c, int terms, double y) {
    double low = -1.0, high = 1.0;
    for (int pass = 0; pass < 64 && high - low > 0.0; ++pass) {
        const double mid = 0.5 * (low + high);
        (Series(c, terms, mid) > y ? low : high) = mid;
    }
    return 0.5 * (low + high);
}

// The inverse series of every piece: u^2 (mapped from the piece's [a^2, b^2] to [-1, 1]) as a
// Chebyshev series in ln psat (mapped from [LnPBreaks[i], LnPBreaks[i + 1]]). u^2 is linear in
// T, and T is smooth in ln psat up to the critical point, where u and x are not. It starts the
// Newton steps of the saturation temperature close enough that one step reaches rounding.
void FitInverse(TFittedCurve& out) {
    const int pieces = static_cast<int>(out.Breaks.size()) - 1, n = InverseTerms;
    out.InverseTerms = n;
    out.InverseX.clear();
    out.WorstInverseX = 0.0;
    for (int i = 0; i < pieces; ++i) {
        const double* c = out.LnP.data() + static_cast<long>(i) * out.Terms;
        const double yA = out.LnPBreaks[i], yB = out.LnPBreaks[i + 1];
        const double a = out.Breaks[i], b = out.Breaks[i + 1];
        auto xOf = [&](double t) {
            return PieceXOfLnP(c, out.Terms, 0.5 * (yA + yB) + 0.5 * (yB - yA) * t);
        };
        auto squareOf = [&](double x) {
            const double u = 0.5 * (a + b) + 0.5 * (b - a) * x;
            return (2.0 * u * u - (a * a + b * b)) / (b * b - a * a);
        };
        std::vector<double> v(static_cast<std::size_t>(n));
        for (int k = 0; k < n; ++k)
            v[static_cast<std::size_t>(k)] =
                squareOf(xOf(static_cast<double>(std::cos(Pi * (k + 0.5L) / n))));
        const std::vector<double> coefficients = Coefficients(v, n);
        for (int j = 0; j <= 2 * n; ++j) {
            const double t = -1.0 + 1.0 * j / n;
            const double square =
                0.5 * (a * a + b * b) + 0.5 * (b * b - a * a) * Series(coefficients.data(), n, t);
            const double x = (2.0 * std::sqrt(square) - (a + b)) / (b - a);
            out.WorstInverseX = std::fmax(out.WorstInverseX, std::fabs(x - xOf(t)));
        }
        out.InverseX.insert(out.InverseX.end(), coefficients.begin(), coefficients.end());
    }
}

}  // namespace

double CurveHotEnd(const THelmholzFluid& fluid) {
    return TEquationSaturation(fluid).HotEnd();
}

double CriticalTemperatureOfEquation(const THelmholzFluid& fluid) {
    return TEquationSaturation(fluid).CriticalTemperature();
}

bool FitSaturationCurve(const THelmholzFluid& fluid, TFittedCurve& out, std::string& message,
                        int maxPieces) {
    const TEquationSaturation equation(fluid);
    out = TFittedCurve{};
    out.Code = fluid.Code;
    out.TcrC = equation.CriticalTemperature();
    out.TcrK = out.TcrC + fluid.dta;
    out.Terms = FitTerms;
    out.UMin = std::sqrt((out.TcrC - equation.HotEnd()) / out.TcrK);
    out.UMax = std::sqrt((out.TcrC - fluid.Tt_) / out.TcrK);
    TFitter fitter(equation, out, maxPieces);
    // Graded pieces from the hot end, then even ones to the triple point.
    double a = out.UMin;
    while (a * GradingRatio < GradedUntil) {
        if (!fitter.Fit(a, a * GradingRatio, message)) return false;
        a *= GradingRatio;
    }
    const double width = (out.UMax - a) / InitialPieces;
    for (int i = 0; i < InitialPieces; ++i) {
        const double b = i + 1 == InitialPieces ? out.UMax : a + width;
        if (!fitter.Fit(a, b, message)) return false;
        a = b;
    }
    // ln psat at the breaks as the series give it, for the search of the saturation temperature.
    const int pieces = static_cast<int>(out.Breaks.size()) - 1;
    for (int i = 0; i < pieces; ++i)
        out.LnPBreaks.push_back(
            Series(out.LnP.data() + static_cast<long>(i) * out.Terms, out.Terms, -1.0));
    out.LnPBreaks.push_back(
        Series(out.LnP.data() + static_cast<long>(pieces - 1) * out.Terms, out.Terms, 1.0));
    FitInverse(out);
    return true;
}

std::string CurveFileName(const std::string& code) {
    return Identifier(code) + ".cpp";
}

std::string CurveSourceText(const TFittedCurve& c) {
    std::ostringstream s;
    char line[200];
    s << "// Generated by saturation_curve_generator from the equation of state of " << c.Code
      << "; do not edit.\n"
      << "// Regenerate: cmake --build --preset debug --target generate_saturation_curves\n"
      << "// Check:      cmake --build --preset debug --target verify_saturation_curves\n";
    std::snprintf(line, sizeof line,
                  "// %d pieces of %d Chebyshev terms in u = sqrt((Tcr - T) / Tcr); largest fit "
                  "residual at the test points: ln psat %.1e, ln rho %.1e; inverse in x %.1e.\n",
                  static_cast<int>(c.Breaks.size()) - 1, c.Terms, c.WorstLnP, c.WorstLnD,
                  c.WorstInverseX);
    s << line << "#include \"SaturationCurves.h\"\n\nnamespace {\n\n";
    WriteArray(s, "Breaks", c.Breaks);
    WriteArray(s, "LnPBreaks", c.LnPBreaks);
    WriteArray(s, "LnP", c.LnP);
    WriteArray(s, "LnDL", c.LnDL);
    WriteArray(s, "LnDV", c.LnDV);
    WriteArray(s, "InverseX", c.InverseX);
    s << "\n}  // namespace\n\n";
    const std::string id = Identifier(c.Code);
    s << "extern const TSaturationCurve " << id << ";\n";
    std::snprintf(line, sizeof line, "%.17g, %.17g, %.17g, %.17g, %d, %d,", c.TcrC, c.TcrK, c.UMin,
                  c.UMax, static_cast<int>(c.Breaks.size()) - 1, c.Terms);
    s << "const TSaturationCurve " << id << " = {\n    \"" << c.Code << "\", " << line
      << "\n    Breaks, LnPBreaks, LnP, LnDL, LnDV, " << c.InverseTerms << ", InverseX,\n};\n";
    return s.str();
}

std::string CurveIndexText(const std::vector<std::string>& codes) {
    std::ostringstream s;
    s << "// Generated by saturation_curve_generator; do not edit.\n"
      << "// Regenerate: cmake --build --preset debug --target generate_saturation_curves\n"
      << "#include \"SaturationCurves.h\"\n\n";
    for (const std::string& code : codes)
        s << "extern const TSaturationCurve " << Identifier(code) << ";\n";
    s << "\nconst TSaturationCurve* const SaturationCurveTable[] = {\n";
    for (const std::string& code : codes) s << "    &" << Identifier(code) << ",\n";
    s << "    nullptr,\n};\n";
    return s.str();
}

namespace {

// The differences of the curves from the equation at one temperature.
struct TDifferences {
    bool Failed = true;
    double P = 0.0, DL = 0.0, DV = 0.0, Tsat = 0.0;
};

TDifferences CompareAt(const TEquationSaturation& equation, const TSaturationCurve& curve,
                       double T) {
    double Ps = 0.0, DL = 0.0, DV = 0.0, cPs = 0.0, cDL = 0.0, cDV = 0.0, Ts = 0.0;
    if (!equation.At(T, Ps, DL, DV) || !CurveSaturationT(curve, T, cPs, cDL, cDV) ||
        !CurveTsatP(curve, Ps, Ts))
        return {};
    return {false, std::fabs(cPs / Ps - 1.0), std::fabs(cDL / DL - 1.0), std::fabs(cDV / DV - 1.0),
            std::fabs(Ts - T)};
}

void Add(TCurveBand& band, const TDifferences& d, double T) {
    ++band.Samples;
    if (d.Failed) {
        ++band.Failures;
        return;
    }
    auto worse = [T](double error, double& worst, double& at) {
        if (error > worst) {
            worst = error;
            at = T;
        }
    };
    worse(d.P, band.WorstP, band.AtP);
    worse(d.DL, band.WorstDL, band.AtDL);
    worse(d.DV, band.WorstDV, band.AtDV);
    worse(d.Tsat, band.WorstTsat, band.AtTsat);
}

}  // namespace

TCurveCheck CheckSaturationCurve(const THelmholzFluid& fluid, const TSaturationCurve& curve,
                                 int samples, unsigned seed) {
    const TEquationSaturation equation(fluid);
    TCurveCheck check;
    std::mt19937_64 random(seed);
    const double hot = equation.HotEnd(), Tc = equation.CriticalTemperature();
    std::uniform_real_distribution<double> uniform(fluid.Tt_, hot);
    for (int i = 0; i < samples; ++i) {
        const double T = uniform(random);
        Add(check.Whole, CompareAt(equation, curve, T), T);
    }
    // The last NearCriticalCheck K below the hot end, where random temperatures over the whole
    // range hardly fall, at distances from the critical temperature even in their logarithm;
    // also by decades of the distance.
    const double nearest = Tc - hot, farthest = nearest + NearCriticalCheck;
    std::uniform_real_distribution<double> logDistance(std::log(nearest), std::log(farthest));
    for (int i = 0; i < samples / 10; ++i) {
        const double T = std::fmin(hot, Tc - std::exp(logDistance(random)));
        const TDifferences d = CompareAt(equation, curve, T);
        Add(check.NearCritical, d, T);
        const int decade = static_cast<int>(std::floor(std::log10(Tc - T))) + 6;
        Add(check.ByDecade[std::clamp(decade, 0, CheckDecades - 1)], d, T);
    }
    return check;
}
