#include "SaturationCurveFit.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <sstream>

#include "HelmholzFluidObject.h"
#include "SaturationCurves.h"

namespace {

// Closest approach to the critical temperature (K): nearer, the phase equilibrium solved in
// double precision is no sharper than the curves (within 0.02 K the densities scatter by up
// to 1e-10 between neighbouring temperatures).
constexpr double CriticalExclusion = 0.1;
// Pieces the range starts with, and the narrowest piece that is still split, relative to u.
constexpr int InitialPieces = 4;
constexpr double NarrowestPiece = 1e-3;
// Newton steps that polish the solvers' saturation state; more pieces than MostPieces mean the
// equation's solution is too noisy to fit.
constexpr int PolishPasses = 20;
constexpr int MostPieces = 3000;
// Temperature step (K) of the points from which the critical temperature is extrapolated.
constexpr double CriticalProbeStep = 0.005;

struct TSaturationPoint {
    double LnP, LnDL, LnDV;
};

// Reduced pressure J = delta (1 + delta phir_d), Gibbs function K = delta phir_d + phir +
// ln delta and their delta derivatives of one phase, summed in extended precision.
struct TPhase {
    long double J, K, Jd, Kd;
};

TPhase PhaseAt(const THelmholzFluid& fluid, long double delta, double tau) {
    THelmholzResidual r;
    fluid.PhirAll(static_cast<double>(delta), tau, r);
    const long double d = static_cast<double>(delta);
    return {d * (1.0L + d * r.Phid), d * r.Phid + r.Phi + std::log(d),
            1.0L + 2.0L * d * r.Phid + d * d * r.Phidd, 2.0L * r.Phid + d * r.Phidd + 1.0L / d};
}

}  // namespace

bool SaturationByEquation(const THelmholzFluid& fluid, double T, double& Ps, double& DL,
                          double& DV) {
    std::string text;
    int32_t code = 0;
    fluid.SaturationFromTByEquation(T, Ps, DL, DV, text, code);
    if (code != 0 || !(Ps > 0.0) || !(DL > DV) || !(DV > 0.0)) return false;
    // The solvers stop at a relative step of 1e-12 or at a pressure change of 1e-10; the curves
    // need the solution to rounding: Newton steps on equal pressure and Gibbs energy, keeping
    // the pair with the smallest mismatch (near the critical point the steps wander at the
    // level of the rounding).
    const double tau = fluid.TauOf(T);
    double deltaL = DL / fluid.Dcr_, deltaV = DV / fluid.Dcr_;
    double bestL = deltaL, bestV = deltaV;
    long double bestMismatch = HUGE_VALL;
    for (int pass = 1; pass <= PolishPasses; ++pass) {
        const TPhase L = PhaseAt(fluid, deltaL, tau), V = PhaseAt(fluid, deltaV, tau);
        const long double mismatch = std::fabs((V.J - L.J) / V.J) + std::fabs(V.K - L.K);
        if (!std::isfinite(static_cast<double>(mismatch))) break;
        if (mismatch < bestMismatch) {
            bestMismatch = mismatch;
            bestL = deltaL;
            bestV = deltaV;
        }
        if (mismatch == 0.0L) break;
        const long double det = V.Jd * L.Kd - L.Jd * V.Kd;
        const long double stepL = ((V.K - L.K) * V.Jd - (V.J - L.J) * V.Kd) / det;
        const long double stepV = ((V.K - L.K) * L.Jd - (V.J - L.J) * L.Kd) / det;
        const double nextL = static_cast<double>(deltaL + stepL);
        const double nextV = static_cast<double>(deltaV + stepV);
        if (!std::isfinite(nextL) || !std::isfinite(nextV) || !(nextV > 0.0) || !(nextL > nextV))
            break;
        deltaL = nextL;
        deltaV = nextV;
    }
    deltaL = bestL;
    deltaV = bestV;
    DL = deltaL * fluid.Dcr_;
    DV = deltaV * fluid.Dcr_;
    Ps = static_cast<double>(PhaseAt(fluid, deltaV, tau).J * fluid.Dcr_ * fluid.R_ *
                             (T + fluid.dta) / 100.0L);
    return Ps > 0.0 && DL > DV && DV > 0.0 && std::isfinite(Ps);
}

namespace {

bool EquationAt(const THelmholzFluid& fluid, double TcrC, double TcrK, double u,
                TSaturationPoint& p) {
    const double T = TcrC - TcrK * u * u;
    double Ps = 0.0, DL = 0.0, DV = 0.0;
    if (!SaturationByEquation(fluid, T, Ps, DL, DV)) return false;
    p = {std::log(Ps), std::log(DL), std::log(DV)};
    return std::isfinite(p.LnP) && std::isfinite(p.LnDL) && std::isfinite(p.LnDV);
}

double Series(const double* c, int terms, double x) {
    double b1 = 0.0, b2 = 0.0;
    for (int k = terms - 1; k >= 1; --k) {
        const double t = 2.0 * x * b1 - b2 + c[k];
        b2 = b1;
        b1 = t;
    }
    return x * b1 - b2 + c[0];
}

// Chebyshev coefficients from the values at the nodes x_k = cos(pi (k + 1/2) / n).
std::vector<double> Coefficients(const std::vector<double>& values) {
    const int n = static_cast<int>(values.size());
    std::vector<double> c(static_cast<std::size_t>(n));
    for (int j = 0; j < n; ++j) {
        long double sum = 0.0L;
        for (int k = 0; k < n; ++k)
            sum += values[static_cast<std::size_t>(k)] *
                   std::cos(3.14159265358979323846264338327950288L * j * (k + 0.5L) / n);
        c[static_cast<std::size_t>(j)] = static_cast<double>((j == 0 ? 1.0L : 2.0L) * sum / n);
    }
    return c;
}

class TFitter {
  public:
    TFitter(const THelmholzFluid& fluid, TFittedCurve& out, int maxPieces)
        : fluid_(fluid), out_(out), maxPieces_(maxPieces) {}

    // Fits [a, b], splitting it until every function meets its tolerance.
    bool Fit(double a, double b, std::string& message) {
        if (Full()) return true;
        const int n = out_.Terms;
        std::vector<double> p(n), dl(n), dv(n);
        for (int k = 0; k < n; ++k) {
            const double x = std::cos(3.14159265358979323846 * (k + 0.5) / n);
            TSaturationPoint s;
            if (!At(a, b, x, s, message)) return false;
            p[k] = s.LnP;
            dl[k] = s.LnDL;
            dv[k] = s.LnDV;
        }
        const std::vector<double> cp = Coefficients(p), cl = Coefficients(dl),
                                  cv = Coefficients(dv);
        double errP = 0.0, errD = 0.0;
        const int tests = 2 * n + 1;
        for (int j = 0; j < tests; ++j) {
            const double x = -1.0 + 2.0 * j / (tests - 1);
            TSaturationPoint s;
            if (!At(a, b, x, s, message)) return false;
            errP = std::fmax(errP, std::fabs(Series(cp.data(), n, x) - s.LnP));
            errD = std::fmax(errD, std::fabs(Series(cl.data(), n, x) - s.LnDL));
            errD = std::fmax(errD, std::fabs(Series(cv.data(), n, x) - s.LnDV));
        }
        const bool met = errP <= FitToleranceLnP && errD <= FitToleranceLnD;
        if (++tried_ > MostPieces) {
            char text[200];
            std::snprintf(text, sizeof text,
                          "%s: the fit does not converge (piece u %.9g..%.9g, T %.9g °C, ln psat "
                          "%.1e, ln rho %.1e)",
                          out_.Code.c_str(), a, b, out_.TcrC - out_.TcrK * a * a, errP, errD);
            message = text;
            return false;
        }
        // A piece narrow against its distance from the critical point that still misses the
        // tolerance meets the rounding noise of the equation's solution: splitting it further
        // only fits the noise. It is kept, and the check (--verify) reports what it reaches.
        if (!met && b - a > NarrowestPiece * b) {
            const double m = 0.5 * (a + b);
            return Fit(a, m, message) && Fit(m, b, message);
        }
        out_.WorstLnP = std::fmax(out_.WorstLnP, errP);
        out_.WorstLnD = std::fmax(out_.WorstLnD, errD);
        if (out_.Breaks.empty()) out_.Breaks.push_back(a);
        out_.Breaks.push_back(b);
        out_.LnP.insert(out_.LnP.end(), cp.begin(), cp.end());
        out_.LnDL.insert(out_.LnDL.end(), cl.begin(), cl.end());
        out_.LnDV.insert(out_.LnDV.end(), cv.begin(), cv.end());
        ++pieces_;
        return true;
    }

  private:
    bool Full() const { return maxPieces_ > 0 && pieces_ >= maxPieces_; }

    bool At(double a, double b, double x, TSaturationPoint& s, std::string& message) {
        const double u = 0.5 * (a + b) + 0.5 * (b - a) * x;
        if (EquationAt(fluid_, out_.TcrC, out_.TcrK, u, s)) return true;
        char text[160];
        std::snprintf(text, sizeof text, "%s: no saturation state from the equation at %.17g °C",
                      out_.Code.c_str(), out_.TcrC - out_.TcrK * u * u);
        message = text;
        return false;
    }

    const THelmholzFluid& fluid_;
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

double CurveHotEnd(const THelmholzFluid& fluid) {
    return std::fmin(fluid.Tc_Max_, CriticalTemperatureOfEquation(fluid) - CriticalExclusion);
}

double CriticalTemperatureOfEquation(const THelmholzFluid& fluid) {
    const double hot = std::fmin(fluid.Tc_Max_, fluid.Tcr_ - 1e-6);
    // Curves that reach to within a few 1e-6 K of the reducing temperature: the equation's
    // critical point is its reducing point, as close as the solution can tell.
    if (fluid.Tcr_ - hot <= 1e-5) return fluid.Tcr_;
    // Otherwise the curves end short of the critical point, which need not lie at the reducing
    // temperature: there (delta' - delta'')^2 falls to zero, close to linearly in T; the
    // parabola through three points next to the hot end gives its zero.
    double y[3];
    for (int i = 0; i < 3; ++i) {
        double Ps = 0.0, DL = 0.0, DV = 0.0;
        if (!SaturationByEquation(fluid, hot - i * CriticalProbeStep, Ps, DL, DV))
            return fluid.Tcr_;
        const double d = (DL - DV) / fluid.Dcr_;
        y[i] = d * d;
    }
    // y(s) with s = (hot - T) / step: y0 + b s + c s^2, zero at s < 0.
    const double c = 0.5 * (y[2] - 2.0 * y[1] + y[0]);
    const double b = y[1] - y[0] - c;
    double s = -y[0] / b;
    for (int pass = 0; pass < 20; ++pass) s -= (y[0] + b * s + c * s * s) / (b + 2.0 * c * s);
    const double Tc = hot - s * CriticalProbeStep;
    return std::isfinite(Tc) && Tc > hot ? Tc : fluid.Tcr_;
}

bool FitSaturationCurve(const THelmholzFluid& fluid, TFittedCurve& out, std::string& message,
                        int maxPieces) {
    out = TFittedCurve{};
    out.Code = fluid.Code;
    out.TcrC = CriticalTemperatureOfEquation(fluid);
    out.TcrK = out.TcrC + fluid.dta;
    out.Terms = FitTerms;
    out.UMin = std::sqrt((out.TcrC - CurveHotEnd(fluid)) / out.TcrK);
    out.UMax = std::sqrt((out.TcrC - fluid.Tt_) / out.TcrK);
    TFitter fitter(fluid, out, maxPieces);
    const double width = (out.UMax - out.UMin) / InitialPieces;
    for (int i = 0; i < InitialPieces; ++i) {
        const double a = i == 0 ? out.UMin : out.UMin + i * width;
        const double b = i + 1 == InitialPieces ? out.UMax : out.UMin + (i + 1) * width;
        if (!fitter.Fit(a, b, message)) return false;
    }
    // ln psat at the breaks as the series give it, for the search of the saturation temperature.
    const int pieces = static_cast<int>(out.Breaks.size()) - 1;
    for (int i = 0; i < pieces; ++i)
        out.LnPBreaks.push_back(
            Series(out.LnP.data() + static_cast<long>(i) * out.Terms, out.Terms, -1.0));
    out.LnPBreaks.push_back(
        Series(out.LnP.data() + static_cast<long>(pieces - 1) * out.Terms, out.Terms, 1.0));
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
                  "residual at the test points: ln psat %.1e, ln rho %.1e.\n",
                  static_cast<int>(c.Breaks.size()) - 1, c.Terms, c.WorstLnP, c.WorstLnD);
    s << line << "#include \"SaturationCurves.h\"\n\nnamespace {\n\n";
    WriteArray(s, "Breaks", c.Breaks);
    WriteArray(s, "LnPBreaks", c.LnPBreaks);
    WriteArray(s, "LnP", c.LnP);
    WriteArray(s, "LnDL", c.LnDL);
    WriteArray(s, "LnDV", c.LnDV);
    s << "\n}  // namespace\n\n";
    const std::string id = Identifier(c.Code);
    s << "extern const TSaturationCurve " << id << ";\n";
    std::snprintf(line, sizeof line, "%.17g, %.17g, %.17g, %.17g, %d, %d,", c.TcrC, c.TcrK, c.UMin,
                  c.UMax, static_cast<int>(c.Breaks.size()) - 1, c.Terms);
    s << "const TSaturationCurve " << id << " = {\n    \"" << c.Code << "\", " << line
      << "\n    Breaks, LnPBreaks, LnP, LnDL, LnDV,\n};\n";
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

TCurveCheck CheckSaturationCurve(const THelmholzFluid& fluid, const TSaturationCurve& curve,
                                 int samples, unsigned seed) {
    TCurveCheck check;
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> uniform(fluid.Tt_, CurveHotEnd(fluid));
    for (int i = 0; i < samples; ++i) {
        const double T = uniform(random);
        double Ps = 0.0, DL = 0.0, DV = 0.0, cPs = 0.0, cDL = 0.0, cDV = 0.0, Ts = 0.0;
        ++check.Samples;
        if (!SaturationByEquation(fluid, T, Ps, DL, DV) ||
            !CurveSaturationT(curve, T, cPs, cDL, cDV) || !CurveTsatP(curve, Ps, Ts)) {
            ++check.Failures;
            continue;
        }
        auto worse = [T](double error, double& worst, double& at) {
            if (error > worst) {
                worst = error;
                at = T;
            }
        };
        worse(std::fabs(cPs / Ps - 1.0), check.WorstP, check.AtP);
        worse(std::fabs(cDL / DL - 1.0), check.WorstDL, check.AtDL);
        worse(std::fabs(cDV / DV - 1.0), check.WorstDV, check.AtDV);
        worse(std::fabs(Ts - T), check.WorstTsat, check.AtTsat);
    }
    return check;
}
