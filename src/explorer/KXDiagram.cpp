#include "KXDiagram.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <functional>
#include <map>
#include <thread>
#include <tuple>

#include "KXCycle.h"

namespace {

// Points of a blend's isotherm or isobar through the two-phase region.
constexpr int DomeSteps = 20;

using TMaybe = std::optional<double>;

// The range the diagram spans: the triple and critical point from the library's constants, the
// largest temperature and pressure from its information (the range of the single-phase
// functions at every pressure).
struct TLimits {
    double Tt = 0, Tc = 0, Pt = 0, Pc = 0, Tmin = 0, Tmax = 0, Pmax = 0;
    bool Ok = false;
    // A mixture: no critical or triple point. Tt, Pt are the lowest temperature of its range
    // and the dew pressure there; Tc, Pc the highest temperature at which both its bubble and
    // dew line answer and the bubble pressure there (a few kelvin below the critical point,
    // which the lines do not reach): the dome ends open, without a critical point.
    bool Mixture = false;
};

TMaybe Answer(const TKXAnswer& a) {
    return a.Ok() ? TMaybe(a.Value) : std::nullopt;
}

// Both lines of a mixture answer at t.
bool LinesAnswer(const TKXFluidFunctions& f, double t) {
    return f.Call("PbubT", t).Ok() && f.Call("PdewT", t).Ok();
}

TLimits MixtureLimitsOf(const TKXFluidFunctions& f) {
    TLimits l;
    l.Mixture = true;
    l.Tt = l.Tmin = f.Info().MinTemperature;
    l.Tmax = f.Info().MaxTemperature;
    l.Pmax = f.Info().MaxPressure;
    const TKXAnswer pt = f.Call("PdewT", l.Tt);
    if (!pt.Ok() || !LinesAnswer(f, l.Tt)) return l;
    l.Pt = pt.Value;
    // Up the lines in steps of 2 K to the first temperature where one fails, then halved to
    // 0.01 K.
    double ok = l.Tt, failed = l.Tt;
    for (double t = l.Tt + 2.0; t < l.Tmax; t += 2.0) {
        if (!LinesAnswer(f, t)) {
            failed = t;
            break;
        }
        ok = t;
    }
    while (failed > ok && failed - ok > 0.01) {
        const double mid = 0.5 * (ok + failed);
        (LinesAnswer(f, mid) ? ok : failed) = mid;
    }
    const TKXAnswer pc = f.Call("PbubT", ok);
    if (!pc.Ok() || !(ok > l.Tt)) return l;
    l.Tc = ok;
    l.Pc = pc.Value;
    l.Ok = l.Pt > 0 && l.Tmax > l.Tc && l.Pmax > l.Pc;
    return l;
}

TLimits LimitsOf(const TKXFluidFunctions& f) {
    TLimits l;
    const TKXAnswer tt = f.Call("Tt"), tc = f.Call("Tc"), pc = f.Call("Pc");
    if (!tt.Ok() && !tc.Ok() && f.Offers("PbubT") && f.Offers("PdewT")) return MixtureLimitsOf(f);
    if (!tt.Ok() || !tc.Ok() || !pc.Ok()) return l;
    l.Tt = tt.Value;
    l.Tc = tc.Value;
    l.Pc = pc.Value;
    const TKXAnswer pt = f.Call("PsatT", l.Tt);
    l.Pt = pt.Ok() && pt.Value > 0 ? pt.Value : f.Call("Pt").Value;
    l.Tmin = std::max(l.Tt, f.Info().MinTemperature);
    l.Tmax = f.Info().MaxTemperature;
    l.Pmax = f.Info().MaxPressure;
    l.Ok = l.Pt > 0 && l.Tmax > l.Tc && l.Pmax > l.Pc;
    return l;
}

// Multiples of step in [lo, hi]; k * step keeps a round step round (0.1 * 3 is 0.3 as printed).
std::vector<double> Multiples(double lo, double hi, double step) {
    std::vector<double> v;
    // A step below 1 that is the inverse of a whole number divides: 3 / 10, not 3 * 0.1.
    const double inverse = std::round(1.0 / step);
    const bool divide = step < 1 && std::fabs(inverse * step - 1.0) < 1e-12;
    for (double k = std::ceil(lo / step - 1e-9); k <= std::floor(hi / step + 1e-9); ++k)
        v.push_back(k == 0.0 ? 0.0 : divide ? k / inverse : k * step);
    return v;
}

double Count(double lo, double hi, double step) {
    return std::floor(hi / step + 1e-9) - std::ceil(lo / step - 1e-9) + 1.0;
}

// m times the powers of ten of every `every`-th decade in [lo, hi].
std::vector<double> DecadeValues(double lo, double hi, std::initializer_list<double> mantissas,
                                 int every) {
    std::vector<double> v;
    const int first = static_cast<int>(std::floor(std::log10(lo))) - 1;
    for (int e = first; e <= static_cast<int>(std::ceil(std::log10(hi))); ++e) {
        if (((e % every) + every) % every != 0) continue;
        // A negative power as a division: 3 / 10 is the double printed as 0.3.
        const double decade = std::pow(10.0, std::abs(e));
        for (double m : mantissas) {
            const double x = e < 0 ? m / decade : m * decade;
            if (x >= lo * (1 - 1e-12) && x <= hi * (1 + 1e-12)) v.push_back(x);
        }
    }
    return v;
}

// How far a count of lines is from a readable chart's: 0 for 8 to 16 lines.
double Crowding(std::size_t n) {
    const double c = static_cast<double>(n);
    return c < 8 ? std::log(8.0 / std::max(c, 0.5)) : c > 16 ? std::log(c / 16.0) : 0.0;
}

std::vector<double> LogSpaced(double lo, double hi, int n) {
    std::vector<double> v;
    for (int i = 0; i < n; ++i)
        v.push_back(lo * std::pow(hi / lo, static_cast<double>(i) / (n - 1)));
    v.front() = lo;
    v.back() = hi;
    return v;
}

std::vector<double> LinSpaced(double lo, double hi, int n) {
    std::vector<double> v;
    for (int i = 0; i < n; ++i) v.push_back(lo + (hi - lo) * i / (n - 1));
    v.back() = hi;
    return v;
}

// Saturation temperatures closer together towards the critical point, where the dome bends.
std::vector<double> DomeTemperatures(const TLimits& l, int n) {
    std::vector<double> v;
    for (int i = 0; i < n; ++i) {
        const double u = static_cast<double>(i) / (n - 1);
        v.push_back(l.Tt + (l.Tc - l.Tt) * (1.0 - (1.0 - u) * (1.0 - u)));
    }
    v.back() = l.Tc;
    return v;
}

struct TCurveBuilder {
    TKXCurve Curve;
    TCurveBuilder(TKXCurveKind kind, std::string key, double value) {
        Curve.Kind = kind;
        Curve.Key = std::move(key);
        Curve.Value = value;
        Curve.Segments.emplace_back();
    }
    void Add(std::optional<TKXPoint> p) {
        if (p) {
            Curve.Segments.back().push_back(*p);
        } else if (!Curve.Segments.back().empty()) {
            Curve.Segments.emplace_back();  // the library stopped answering: the line breaks
        }
    }
    TKXCurve Done() {
        std::erase_if(Curve.Segments, [](const auto& s) { return s.size() < 2; });
        return std::move(Curve);
    }
};

// (x, y) of a state given by whichever of p, T, h, s the kind needs.
struct TCoordinates {
    TKXDiagramKind Kind;
    std::optional<TKXPoint> operator()(TMaybe p, TMaybe t, TMaybe h, TMaybe s) const {
        switch (Kind) {
            case TKXDiagramKind::PH:
                if (h && p) return TKXPoint{*h, *p};
                break;
            case TKXDiagramKind::TS:
                if (s && t) return TKXPoint{*s, *t};
                break;
            case TKXDiagramKind::HS:
                if (s && h) return TKXPoint{*s, *h};
                break;
            case TKXDiagramKind::PT:
                if (t && p) return TKXPoint{*t, *p};
                break;
        }
        return std::nullopt;
    }
};

// The root in log p of f(p) = target between lo and hi (f answered and changing sign there),
// by the Illinois variant of regula falsi; nothing when there is no sign change.
TMaybe SolveLogP(const std::function<TMaybe(double)>& f, double target, double lo, double hi,
                 int scan) {
    std::vector<double> ps = LogSpaced(lo, hi, std::max(2, scan));
    std::optional<std::pair<double, double>> prev;  // (log p, f - target)
    for (double p : ps) {
        const TMaybe v = f(p);
        if (!v) {
            prev.reset();
            continue;
        }
        const std::pair<double, double> cur{std::log(p), *v - target};
        if (cur.second == 0.0) return p;
        if (prev && (prev->second < 0) != (cur.second < 0)) {
            double a = prev->first, fa = prev->second, b = cur.first, fb = cur.second;
            int side = 0;
            for (int i = 0; i < 60 && std::fabs(b - a) > 1e-13 * std::max(1.0, std::fabs(a)); ++i) {
                const double c = (a * fb - b * fa) / (fb - fa);
                const TMaybe fcv = f(std::exp(c));
                if (!fcv) return std::nullopt;
                const double fc = *fcv - target;
                if (fc == 0.0) return std::exp(c);
                if ((fc < 0) == (fb < 0)) {
                    b = c, fb = fc;
                    if (side == -1) fa *= 0.5;
                    side = -1;
                } else {
                    a = c, fa = fc;
                    if (side == 1) fb *= 0.5;
                    side = 1;
                }
            }
            return std::exp(std::fabs(fa) < std::fabs(fb) ? a : b);
        }
        prev = cur;
    }
    return std::nullopt;
}

class TDiagramBuilder {
  public:
    TDiagramBuilder(const TKXFluidFunctions& f, TKXDiagramKind kind, const TKXDiagramOptions& o)
        : F(f), L(LimitsOf(f)), At{kind}, O(o), N(std::max(10, o.PointsPerLine)) {
        D.Kind = kind;
    }

    TKXDiagram Build() {
        std::tie(D.XKey, D.YKey) = DiagramAxisKeys(D.Kind);
        D.LogY = D.YKey == "p";
        if (!L.Ok) return D;
        Home();
        D.Min = D.HomeMin;
        D.Max = D.HomeMax;
        if (O.RangeX) std::tie(D.Min.X, D.Max.X) = *O.RangeX;
        if (O.RangeY) std::tie(D.Min.Y, D.Max.Y) = *O.RangeY;
        SampleView();
        Dome();
        switch (D.Kind) {
            case TKXDiagramKind::PH:
                Isotherms();
                Isentropes();
                Isochores();
                Fractions();
                break;
            case TKXDiagramKind::TS:
                Isobars();
                Isenthalps();
                Fractions();
                break;
            case TKXDiagramKind::HS:
                Isobars();
                Isotherms();
                Fractions();
                break;
            case TKXDiagramKind::PT:
                break;
        }
        RunJobs();
        return std::move(D);
    }

  private:
    TMaybe Call(const char* fn, double a, double b = 0.0) const { return Answer(F.Call(fn, a, b)); }

    // A blend: bubble and dew lines apart, and the pressure of a two-phase state (T, x).
    bool Glide() const { return F.Offers("PTX") && F.Offers("PdewT") && F.Offers("TdewP"); }
    // The saturated vapour's pressure at t: the dew pressure of a blend.
    TMaybe VapourPressure(double t) const { return Call(Glide() ? "PdewT" : "PsatT", t); }
    // The pressure of the two-phase state (t, x).
    TMaybe PressureTX(double t, double x) const {
        return Glide() ? Call("PTX", t, x) : Call("PsatT", t);
    }

    // The region an engineer works in: from the triple point (or the lowest temperature of the
    // equation) to 1.5 times the critical temperature and 2.5 times the critical pressure; for
    // water the power-plant region, the whole range of the steam tables (800 °C, 1000 bar).
    void Home() {
        constexpr double Kelvin = 273.15;
        const bool water = F.Info().Kind == TKXLibraryKind::WaterIF97;
        const double tLo = L.Tmin, pLo = L.Pt;
        const double tHi = water ? L.Tmax : std::min(L.Tmax, 1.5 * (L.Tc + Kelvin) - Kelvin);
        const double pHi = water ? L.Pmax : std::min(L.Pmax, 2.5 * L.Pc);
        bool any = false;
        TKXPoint lo{}, hi{};
        const auto add = [&](std::optional<TKXPoint> p) {
            if (!p || (D.LogY && !(p->Y > 0))) return;
            const TKXPoint a{p->X, D.LogY ? std::log10(p->Y) : p->Y};
            lo = any ? TKXPoint{std::min(lo.X, a.X), std::min(lo.Y, a.Y)} : a;
            hi = any ? TKXPoint{std::max(hi.X, a.X), std::max(hi.Y, a.Y)} : a;
            any = true;
        };
        // Along the edges of the (p, T) region, and the saturated states at its lowest
        // temperature (where the two phases meet the edge).
        constexpr int Steps = 24;
        for (int i = 0; i <= Steps; ++i) {
            const double u = static_cast<double>(i) / Steps;
            const double t = tLo + u * (tHi - tLo), p = pLo * std::pow(pHi / pLo, u);
            for (double pe : {pLo, pHi}) add(At(pe, t, Call("HPT", pe, t), Call("SPT", pe, t)));
            for (double te : {tLo, tHi}) add(At(p, te, Call("HPT", p, te), Call("SPT", p, te)));
        }
        for (double x : {0.0, 1.0})
            add(At(PressureTX(tLo, x), tLo, Call("HTX", tLo, x), Call("STX", tLo, x)));
        if (!any) return;
        const double mx = 0.03 * (hi.X - lo.X), my = 0.03 * (hi.Y - lo.Y);
        D.HomeMin = {lo.X - mx, lo.Y - my};
        D.HomeMax = {hi.X + mx, hi.Y + my};
        if (D.LogY) {
            D.HomeMin.Y = std::pow(10.0, D.HomeMin.Y);
            D.HomeMax.Y = std::pow(10.0, D.HomeMax.Y);
        }
        // Never beyond the equation: temperature and pressure axes end at its limits.
        const auto clamp = [&](const std::string& key, double& a, double& b) {
            if (key == "T") a = std::max(a, tLo), b = std::min(b, tHi);
            if (key == "p") a = std::max(a, pLo), b = std::min(b, pHi);
        };
        clamp(D.XKey, D.HomeMin.X, D.HomeMax.X);
        clamp(D.YKey, D.HomeMin.Y, D.HomeMax.Y);
    }

    // The values of p, T, h, s, rho and x on a grid over the view, each from the library's
    // functions: the range of every family's key that the view shows.
    void SampleView() {
        constexpr int K = 8;
        for (int i = 0; i <= K; ++i)
            for (int j = 0; j <= K; ++j) {
                const double u = static_cast<double>(i) / K, w = static_cast<double>(j) / K;
                const double x = D.Min.X + u * (D.Max.X - D.Min.X);
                const double y = D.LogY ? D.Min.Y * std::pow(D.Max.Y / D.Min.Y, w)
                                        : D.Min.Y + w * (D.Max.Y - D.Min.Y);
                for (const auto& [key, v] : StateAt(x, y)) {
                    if (!v) continue;
                    auto [it, fresh] = Seen.try_emplace(key, *v, *v);
                    if (!fresh)
                        it->second = {std::min(it->second.first, *v),
                                      std::max(it->second.second, *v)};
                }
            }
    }

    std::vector<std::pair<std::string, TMaybe>> StateAt(double x, double y) const {
        switch (D.Kind) {
            case TKXDiagramKind::PH:
                return {{"p", y},
                        {"h", x},
                        {"T", Call("TPH", y, x)},
                        {"s", Call("SPH", y, x)},
                        {"rho", Call("DPH", y, x)},
                        {"x", Call("XPH", y, x)}};
            case TKXDiagramKind::TS: {
                const double t = y, s = x;
                if (t >= L.Tt && t <= L.Tc)
                    if (const TMaybe q = Call("XTS", t, s))
                        return {{"T", t},
                                {"s", s},
                                {"x", q},
                                {"p", PressureTX(t, *q)},
                                {"h", Call("HTX", t, *q)}};
                const TMaybe p =
                    SolveLogP([&](double p) { return Call("SPT", p, t); }, s, L.Pt, L.Pmax, 12);
                return {{"T", t}, {"s", s}, {"p", p}, {"h", p ? Call("HPT", *p, t) : p}};
            }
            case TKXDiagramKind::HS: {
                const double s = x, h = y;
                const TMaybe p =
                    SolveLogP([&](double p) { return Call("HPS", p, s); }, h, L.Pt, L.Pmax, 12);
                if (!p) return {{"s", s}, {"h", h}};
                return {{"s", s},
                        {"h", h},
                        {"p", p},
                        {"T", Call("TPS", *p, s)},
                        {"x", Call("XPS", *p, s)}};
            }
            case TKXDiagramKind::PT:
                return {{"T", x}, {"p", y}};
        }
        return {};
    }

    // The lines of a family across the view, in standard units: round values in the unit shown.
    std::vector<double> Values(const std::string& key) const {
        const auto seen = Seen.find(key);
        if (seen == Seen.end()) return {};
        const auto step = O.Steps.find(key);
        double a = seen->second.first, b = seen->second.second;
        if (O.Units && (!O.Units->FromStandard(key, a, a) || !O.Units->FromStandard(key, b, b)))
            return {};
        std::vector<double> values;
        for (double v : IsolineValues(std::min(a, b), std::max(a, b), key == "p" || key == "rho",
                                      step == O.Steps.end() ? -1.0 : step->second)) {
            if (O.Units && !O.Units->ToStandard(key, v, v)) continue;
            // The vapour fractions 0 and 1 are the dome itself.
            if (key == "x" && !(v > 1e-9 && v < 1 - 1e-9)) continue;
            values.push_back(v);
        }
        return values;
    }

    // Pressures and temperatures along lines that cross the view: its range, a tenth more on
    // either side, within the library's.
    std::pair<double, double> Span(const std::string& key) const {
        const bool p = key == "p";
        double lo = p ? L.Pt : L.Tmin, hi = p ? L.Pmax : L.Tmax;
        if (D.XKey == key) {
            lo = D.Min.X, hi = D.Max.X;
        } else if (D.YKey == key) {
            lo = D.Min.Y, hi = D.Max.Y;
        } else if (const auto seen = Seen.find(key); seen != Seen.end()) {
            std::tie(lo, hi) = seen->second;
        }
        if (p && lo > 0 && hi > lo) {
            const double r = std::pow(hi / lo, 0.1);
            lo /= r, hi *= r;
        } else {
            const double d = 0.1 * (hi - lo);
            lo -= d, hi += d;
        }
        return p ? std::pair{std::max(lo, L.Pt), std::min(hi, L.Pmax)}
                 : std::pair{std::max(lo, L.Tmin), std::min(hi, L.Tmax)};
    }

    // Saturation temperatures of the whole dome, and more of them across the view.
    std::vector<double> DomeTemps(int n) const {
        std::vector<double> temps = DomeTemperatures(L, n);
        const auto [lo, hi] = Span("T");
        const double a = std::max(lo, L.Tt), b = std::min(hi, L.Tc);
        if (b > a)
            for (double t : LinSpaced(a, b, n / 2)) temps.push_back(t);
        std::sort(temps.begin(), temps.end());
        temps.erase(std::unique(temps.begin(), temps.end()), temps.end());
        return temps;
    }

    void Dome() {
        const auto temps = DomeTemps(N);
        if (D.Kind == TKXDiagramKind::PT) {
            TCurveBuilder c(TKXCurveKind::VapourPressure, "", 0.0);
            for (double t : temps) c.Add(At(Call("PsatT", t), t, {}, {}));
            D.Curves.push_back(c.Done());
            if (Glide()) {
                TCurveBuilder dew(TKXCurveKind::VapourPressure, "", 1.0);
                for (double t : temps) dew.Add(At(Call("PdewT", t), t, {}, {}));
                D.Curves.push_back(dew.Done());
            }
            if (!L.Mixture) D.Critical = TKXPoint{L.Tc, L.Pc};
            return;
        }
        TCurveBuilder liquid(TKXCurveKind::SaturatedLiquid, "x", 0.0);
        TCurveBuilder vapour(TKXCurveKind::SaturatedVapour, "x", 1.0);
        for (double t : temps) {
            liquid.Add(At(Call("PsatT", t), t, Call("HTX", t, 0.0), Call("STX", t, 0.0)));
            vapour.Add(At(VapourPressure(t), t, Call("HTX", t, 1.0), Call("STX", t, 1.0)));
        }
        D.Curves.push_back(liquid.Done());
        D.Curves.push_back(vapour.Done());
        // The critical point: where the two lines meet, as the saturation functions give it.
        const auto& l = D.Curves[0].Segments;
        const auto& v = D.Curves[1].Segments;
        if (!l.empty() && !v.empty() && !L.Mixture) {
            const TKXPoint a = l.back().back(), b = v.back().back();
            D.Critical = TKXPoint{0.5 * (a.X + b.X), 0.5 * (a.Y + b.Y)};
        }
    }

    void Fractions() {
        const auto temps = DomeTemps(N / 2);
        for (double x : Values("x"))
            Jobs.push_back([this, temps, x] {
                TCurveBuilder c(TKXCurveKind::VapourFraction, "x", x);
                for (double t : temps)
                    c.Add(At(PressureTX(t, x), t, Call("HTX", t, x), Call("STX", t, x)));
                return c.Done();
            });
    }

    // Isotherms along log p; below the critical temperature the dome is crossed at psat(T).
    void Isotherms() {
        const auto [pLo, pHi] = Span("p");
        for (double t : Values("T"))
            Jobs.push_back([this, t, pLo, pHi] {
                TCurveBuilder c(TKXCurveKind::Isotherm, "T", t);
                const TMaybe psat = t < L.Tc ? Call("PsatT", t) : std::nullopt;
                const TMaybe pdew = t < L.Tc ? VapourPressure(t) : std::nullopt;
                bool crossed = !psat || !pdew;
                for (double p : LogSpaced(pLo, pHi, N)) {
                    if (!crossed && p > *pdew) {
                        // From the dew to the bubble point: a blend's isotherm climbs through
                        // the two-phase states of its temperature.
                        const int steps = Glide() ? DomeSteps : 1;
                        for (int k = steps; k >= 0; --k) {
                            const double x = static_cast<double>(k) / steps;
                            c.Add(At(PressureTX(t, x), t, Call("HTX", t, x), Call("STX", t, x)));
                        }
                        crossed = true;
                    }
                    if (crossed && psat && pdew && p <= *psat && p > *pdew)
                        continue;  // in the dome
                    c.Add(At(p, t, Call("HPT", p, t), Call("SPT", p, t)));
                }
                return c.Done();
            });
    }

    // Isobars along T; below the critical pressure the dome is crossed at Tsat(p).
    void Isobars() {
        const auto [tLo, tHi] = Span("T");
        for (double p : Values("p"))
            Jobs.push_back([this, p, tLo, tHi] {
                TCurveBuilder c(TKXCurveKind::Isobar, "p", p);
                const TMaybe tsat = p < L.Pc ? Call("TsatP", p) : std::nullopt;
                const TMaybe tdew = p < L.Pc ? Call(Glide() ? "TdewP" : "TsatP", p) : std::nullopt;
                bool crossed = !tsat || !tdew;
                for (double t : LinSpaced(tLo, tHi, N)) {
                    if (!crossed && t > *tsat) {
                        // From the bubble to the dew point: a blend's isobar warms through the
                        // two-phase states of its pressure.
                        const int steps = Glide() ? DomeSteps : 1;
                        for (int k = 0; k <= steps; ++k) {
                            const double x = static_cast<double>(k) / steps;
                            const TMaybe h = Call("HPX", p, x);
                            const TMaybe tx = !Glide() ? tsat : h ? Call("TPH", p, *h) : h;
                            c.Add(At(p, tx, h, Call("SPX", p, x)));
                        }
                        crossed = true;
                    }
                    if (crossed && t > *tsat && t <= *tdew) continue;  // inside the dome
                    c.Add(At(p, t, Call("HPT", p, t), Call("SPT", p, t)));
                }
                return c.Done();
            });
    }

    void Isentropes() {
        const auto [pLo, pHi] = Span("p");
        for (double s : Values("s"))
            Jobs.push_back([this, s, pLo, pHi] {
                TCurveBuilder c(TKXCurveKind::Isentrope, "s", s);
                for (double p : LogSpaced(pLo, pHi, N)) c.Add(At(p, {}, Call("HPS", p, s), s));
                return c.Done();
            });
    }

    void Isenthalps() {
        const auto [pLo, pHi] = Span("p");
        for (double h : Values("h"))
            Jobs.push_back([this, h, pLo, pHi] {
                TCurveBuilder c(TKXCurveKind::Isenthalp, "h", h);
                for (double p : LogSpaced(pLo, pHi, N))
                    c.Add(At(p, Call("TPH", p, h), h, Call("SPH", p, h)));
                return c.Done();
            });
    }

    // Isochores on p-h: the pressure of each temperature whose density the (p, T) function gives
    // as the isochore's, searched on the liquid or vapour side of the dome.
    void Isochores() {
        const auto [tLo, tHi] = Span("T");
        const auto density = [this](double t) {
            return [this, t](double p) { return Call("DPT", p, t); };
        };
        for (double rho : Values("rho"))
            Jobs.push_back([this, rho, density, tLo, tHi] {
                TCurveBuilder c(TKXCurveKind::Isochore, "rho", rho);
                for (double t : LinSpaced(tLo, tHi, N / 4)) {
                    double lo = L.Pt, hi = L.Pmax;
                    if (t < L.Tc) {
                        const TMaybe psat = Call("PsatT", t), pdew = VapourPressure(t);
                        const TMaybe dl = Call("DTX", t, 0.0), dv = Call("DTX", t, 1.0);
                        if (!psat || !pdew || !dl || !dv || (rho >= *dv && rho <= *dl)) {
                            c.Add(std::nullopt);  // inside the dome at this temperature
                            continue;
                        }
                        // Just off the saturation pressure (the dew pressure on the vapour
                        // side), where the (p, T) functions answer.
                        if (rho < *dv)
                            hi = *pdew * (1.0 - 1e-6);
                        else
                            lo = *psat * (1.0 + 1e-6);
                    }
                    const TMaybe p = SolveLogP(density(t), rho, lo, hi, 4);
                    c.Add(p ? At(p, t, Call("HPT", *p, t), {}) : std::nullopt);
                }
                return c.Done();
            });
    }

    // The isolines are independent of one another: they are computed on every core, each from
    // the library's functions, which keep no state; the order of the list stays as queued.
    void RunJobs() {
        std::vector<TKXCurve> curves(Jobs.size());
        std::atomic<std::size_t> next{0};
        const auto work = [&] {
            for (std::size_t i; (i = next++) < Jobs.size();) curves[i] = Jobs[i]();
        };
        const unsigned cores = std::max(1u, std::min(4u, std::thread::hardware_concurrency()));
        std::vector<std::thread> helpers;
        for (unsigned k = 1; k < cores && k < Jobs.size(); ++k) helpers.emplace_back(work);
        work();
        for (std::thread& t : helpers) t.join();
        for (TKXCurve& c : curves) D.Curves.push_back(std::move(c));
        Jobs.clear();
    }

    const TKXFluidFunctions& F;
    TLimits L;
    TCoordinates At;
    const TKXDiagramOptions& O;
    int N;
    std::map<std::string, std::pair<double, double>> Seen;  // each key's range in the view
    TKXDiagram D;
    std::vector<std::function<TKXCurve()>> Jobs;
};

}  // namespace

std::pair<std::string, std::string> DiagramAxisKeys(TKXDiagramKind kind) {
    static const char* const axes[][2] = {{"h", "p"}, {"s", "T"}, {"s", "h"}, {"T", "p"}};
    return {axes[static_cast<int>(kind)][0], axes[static_cast<int>(kind)][1]};
}

const char* DiagramKindKey(TKXDiagramKind kind) {
    static const char* const keys[] = {"ph", "ts", "hs", "pT"};
    return keys[static_cast<int>(kind)];
}

std::optional<TKXDiagramKind> FindDiagramKind(const std::string& key) {
    for (TKXDiagramKind k :
         {TKXDiagramKind::PH, TKXDiagramKind::TS, TKXDiagramKind::HS, TKXDiagramKind::PT})
        if (key == DiagramKindKey(k)) return k;
    return std::nullopt;
}

std::size_t TKXCurve::PointCount() const {
    std::size_t n = 0;
    for (const auto& s : Segments) n += s.size();
    return n;
}

TKXDiagram ComputeDiagram(const TKXFluidFunctions& fluid, TKXDiagramKind kind, int pointsPerLine) {
    TKXDiagramOptions options;
    options.PointsPerLine = pointsPerLine;
    return ComputeDiagram(fluid, kind, options);
}

TKXDiagram ComputeDiagram(const TKXFluidFunctions& fluid, TKXDiagramKind kind,
                          const TKXDiagramOptions& options) {
    return TDiagramBuilder(fluid, kind, options).Build();
}

std::optional<TKXPoint> StateInDiagram(const TKXState& state, TKXDiagramKind kind) {
    if (!state.Ok) return std::nullopt;
    const auto value = [&state](const char* key) -> TMaybe {
        const TKXStateRow* r = state.Row(key);
        return r && r->Mixture.HasValue ? TMaybe(r->Mixture.Value) : std::nullopt;
    };
    return TCoordinates{kind}(value("p"), value("T"), value("h"), value("s"));
}

std::optional<TKXDiagramInput> StateAtPoint(const TKXFluidFunctions& fluid, TKXDiagramKind kind,
                                            TKXPoint point) {
    const TLimits l = LimitsOf(fluid);
    if (!l.Ok) return std::nullopt;
    switch (kind) {
        case TKXDiagramKind::PH:
            return TKXDiagramInput{TKXInputPair::PH, point.Y, point.X};
        case TKXDiagramKind::PT:
            return TKXDiagramInput{TKXInputPair::PT, point.Y, point.X};
        case TKXDiagramKind::TS: {
            const double t = point.Y, s = point.X;
            if (t >= l.Tt && t <= l.Tc) {
                const TKXAnswer x = fluid.Call("XTS", t, s);
                if (x.Ok()) return TKXDiagramInput{TKXInputPair::TS, t, s};
            }
            const TMaybe p = SolveLogP([&](double p) { return Answer(fluid.Call("SPT", p, t)); }, s,
                                       l.Pt, l.Pmax, 24);
            if (!p) return std::nullopt;
            return TKXDiagramInput{TKXInputPair::PT, *p, t};
        }
        case TKXDiagramKind::HS: {
            const double s = point.X, h = point.Y;
            const TMaybe p = SolveLogP([&](double p) { return Answer(fluid.Call("HPS", p, s)); }, h,
                                       l.Pt, l.Pmax, 24);
            if (!p) return std::nullopt;
            return TKXDiagramInput{TKXInputPair::PS, *p, s};
        }
    }
    return std::nullopt;
}

TKXCyclePath CycleInDiagram(const TKXFluidFunctions& fluid, const TKXCycle& cycle,
                            TKXDiagramKind kind) {
    TKXCyclePath path;
    if (!cycle.Ok || cycle.Points.empty()) return path;
    const TCoordinates at{kind};
    const auto answer = [&fluid](const char* fn, double a, double b) {
        return Answer(fluid.Call(fn, a, b));
    };
    // A state of the path from its pressure and enthalpy.
    const auto byPH = [&](double p, double h) {
        return at(p, answer("TPH", p, h), h, answer("SPH", p, h));
    };
    constexpr int Steps = 24;
    std::vector<TKXPoint> segment;
    const auto add = [&](std::optional<TKXPoint> point) {
        if (point) {
            segment.push_back(*point);
        } else if (!segment.empty()) {
            path.Segments.push_back(std::move(segment));
            segment.clear();
        }
    };
    const std::size_t n = cycle.Points.size();
    for (std::size_t i = 0; i < n; ++i) {
        const TKXCyclePoint& a = cycle.Points[i];
        const TKXCyclePoint& b = cycle.Points[(i + 1) % n];
        const auto point = at(a.p, a.T, a.h, a.s);
        if (point) path.Labels.emplace_back(a.Label, *point);
        add(point);
        const bool isobar = std::fabs(a.p - b.p) <= 1e-12 * std::max(a.p, b.p);
        const bool isenthalp = std::fabs(a.h - b.h) <= 1e-12 * std::max(1.0, std::fabs(a.h));
        if (!isobar && !isenthalp) continue;  // a straight line to the next point
        for (int k = 1; k < Steps; ++k) {
            const double f = static_cast<double>(k) / Steps;
            if (isobar)
                add(byPH(a.p, a.h + f * (b.h - a.h)));
            else
                add(byPH(a.p * std::pow(b.p / a.p, f), a.h));
        }
    }
    const TKXCyclePoint& first = cycle.Points.front();
    add(at(first.p, first.T, first.h, first.s));
    add(std::nullopt);
    return path;
}

double NiceStep(double raw) {
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double r = raw / magnitude;
    return magnitude * (r < 1.5 ? 1.0 : r < 3.0 ? 2.0 : r < 7.0 ? 5.0 : 10.0);
}

std::vector<double> IsolineValues(double lo, double hi, bool logarithmic, double step) {
    constexpr double MostLines = 60;
    if (!(hi > lo) || !std::isfinite(lo) || !std::isfinite(hi) || step == 0.0 ||
        !std::isfinite(step))
        return {};
    if (step > 0) {
        // A set step stays a multiple of itself: 2, 5, 10 ... times when it would crowd the chart
        // (first the power of ten that comes close, then 2, 5, 10 times that).
        const double crowd = (hi - lo) / (step * MostLines);
        if (crowd > 10) step *= std::pow(10.0, std::floor(std::log10(crowd)));
        for (int i = 0; Count(lo, hi, step) > MostLines && i < 8; ++i)
            step *= i % 3 == 1 ? 2.5 : 2.0;
        if (!std::isfinite(step) || !(Count(lo, hi, step) <= MostLines + 1)) return {};
        return Multiples(lo, hi, step);
    }
    std::vector<std::vector<double>> candidates;
    if (logarithmic && lo > 0 && hi / lo >= 10) {
        // A pressure over decades: 1-2-5 in each, or 1-3, or whole decades (every one, two or
        // three), or 1-1.5-2-3-5-7 when only a decade or two are in view.
        candidates.push_back(DecadeValues(lo, hi, {1, 2, 5}, 1));
        candidates.push_back(DecadeValues(lo, hi, {1, 3}, 1));
        for (int every : {1, 2, 3}) candidates.push_back(DecadeValues(lo, hi, {1}, every));
        candidates.push_back(DecadeValues(lo, hi, {1, 1.5, 2, 3, 5, 7}, 1));
    } else {
        // 1-2-5 steps around a dozen lines across the range.
        const double e = std::floor(std::log10((hi - lo) / 11.0));
        for (double k = e - 1; k <= e + 1; ++k)
            for (double m : {1.0, 2.0, 5.0})
                candidates.push_back(Multiples(lo, hi, m * std::pow(10.0, k)));
    }
    // The first of the least crowded.
    std::size_t best = 0;
    for (std::size_t i = 1; i < candidates.size(); ++i)
        if (Crowding(candidates[i].size()) < Crowding(candidates[best].size())) best = i;
    return candidates[best];
}

std::vector<std::string> IsolineFamilies(TKXDiagramKind kind) {
    switch (kind) {
        case TKXDiagramKind::PH:
            return {"T", "s", "rho", "x"};
        case TKXDiagramKind::TS:
            return {"p", "h", "x"};
        case TKXDiagramKind::HS:
            return {"p", "T", "x"};
        case TKXDiagramKind::PT:
            break;
    }
    return {};
}
