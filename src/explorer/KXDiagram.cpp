#include "KXDiagram.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <functional>
#include <thread>

#include "KXCycle.h"

namespace {

// Points of a blend's isotherm or isobar through the two-phase region.
constexpr int DomeSteps = 20;

using TMaybe = std::optional<double>;

// The range the diagram spans: the triple and critical point from the library's constants, the
// largest temperature and pressure from its information (the range of the single-phase
// functions at every pressure).
struct TLimits {
    double Tt = 0, Tc = 0, Pt = 0, Pc = 0, Tmax = 0, Pmax = 0;
    bool Ok = false;
};

TMaybe Answer(const TKXAnswer& a) {
    return a.Ok() ? TMaybe(a.Value) : std::nullopt;
}

TLimits LimitsOf(const TKXFluidFunctions& f) {
    TLimits l;
    const TKXAnswer tt = f.Call("Tt"), tc = f.Call("Tc"), pc = f.Call("Pc");
    if (!tt.Ok() || !tc.Ok() || !pc.Ok()) return l;
    l.Tt = tt.Value;
    l.Tc = tc.Value;
    l.Pc = pc.Value;
    const TKXAnswer pt = f.Call("PsatT", l.Tt);
    l.Pt = pt.Ok() && pt.Value > 0 ? pt.Value : f.Call("Pt").Value;
    l.Tmax = f.Info().MaxTemperature;
    l.Pmax = f.Info().MaxPressure;
    l.Ok = l.Pt > 0 && l.Tmax > l.Tc && l.Pmax > l.Pc;
    return l;
}

double NiceStep(double raw) {
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double r = raw / magnitude;
    return magnitude * (r < 1.5 ? 1.0 : r < 3.0 ? 2.0 : r < 7.0 ? 5.0 : 10.0);
}

// Round values strictly inside (lo, hi), about `target` of them.
std::vector<double> NiceValues(double lo, double hi, int target) {
    std::vector<double> values;
    if (!(hi > lo)) return values;
    const double step = NiceStep((hi - lo) / target);
    for (double v = std::ceil(lo / step) * step; v < hi - 1e-9 * step; v += step)
        if (v > lo + 1e-9 * step) values.push_back(std::fabs(v) < 1e-9 * step ? 0.0 : v);
    return values;
}

// 1, 2, 5 times powers of ten inside (lo, hi); thinned to at most maxCount.
std::vector<double> NiceLogValues(double lo, double hi, std::size_t maxCount) {
    std::vector<double> values;
    for (int e = static_cast<int>(std::floor(std::log10(lo))); e <= std::ceil(std::log10(hi)); ++e)
        for (double m : {1.0, 2.0, 5.0}) {
            const double v = m * std::pow(10.0, e);
            if (v > lo && v < hi) values.push_back(v);
        }
    while (values.size() > maxCount) {
        std::vector<double> thinned;
        for (std::size_t i = 0; i < values.size(); i += 2) thinned.push_back(values[i]);
        values.swap(thinned);
    }
    return values;
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
    TDiagramBuilder(const TKXFluidFunctions& f, TKXDiagramKind kind, int n)
        : F(f), L(LimitsOf(f)), At{kind}, N(std::max(10, n)) {
        D.Kind = kind;
    }

    TKXDiagram Build() {
        static const char* const axes[][2] = {{"h", "p"}, {"s", "T"}, {"s", "h"}, {"T", "p"}};
        D.XKey = axes[static_cast<int>(D.Kind)][0];
        D.YKey = axes[static_cast<int>(D.Kind)][1];
        D.LogY = D.YKey == "p";
        if (!L.Ok) return D;
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
        View();
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

    void Dome() {
        const auto temps = DomeTemperatures(L, N);
        if (D.Kind == TKXDiagramKind::PT) {
            TCurveBuilder c(TKXCurveKind::VapourPressure, "", 0.0);
            for (double t : temps) c.Add(At(Call("PsatT", t), t, {}, {}));
            D.Curves.push_back(c.Done());
            if (Glide()) {
                TCurveBuilder dew(TKXCurveKind::VapourPressure, "", 1.0);
                for (double t : temps) dew.Add(At(Call("PdewT", t), t, {}, {}));
                D.Curves.push_back(dew.Done());
            }
            D.Critical = TKXPoint{L.Tc, L.Pc};
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
        if (!l.empty() && !v.empty()) {
            const TKXPoint a = l.back().back(), b = v.back().back();
            D.Critical = TKXPoint{0.5 * (a.X + b.X), 0.5 * (a.Y + b.Y)};
        }
    }

    void Fractions() {
        const auto temps = DomeTemperatures(L, N / 2);
        for (int i = 1; i <= 9; ++i)
            Jobs.push_back([this, temps, i] {
                const double x = i / 10.0;
                TCurveBuilder c(TKXCurveKind::VapourFraction, "x", x);
                for (double t : temps)
                    c.Add(At(PressureTX(t, x), t, Call("HTX", t, x), Call("STX", t, x)));
                return c.Done();
            });
    }

    // Isotherms along log p; below the critical temperature the dome is crossed at psat(T).
    void Isotherms() {
        // A few through the dome, the others above it: a cryogenic fluid's dome is narrow in T.
        std::vector<double> temps = NiceValues(L.Tt, L.Tc, 4);
        for (double t : NiceValues(L.Tc, L.Tmax, 7)) temps.push_back(t);
        for (double t : temps)
            Jobs.push_back([this, t] {
                TCurveBuilder c(TKXCurveKind::Isotherm, "T", t);
                const TMaybe psat = t < L.Tc ? Call("PsatT", t) : std::nullopt;
                const TMaybe pdew = t < L.Tc ? VapourPressure(t) : std::nullopt;
                bool crossed = !psat || !pdew;
                for (double p : LogSpaced(L.Pt, L.Pmax, N)) {
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
        for (double p : NiceLogValues(L.Pt, L.Pmax, 10))
            Jobs.push_back([this, p] {
                TCurveBuilder c(TKXCurveKind::Isobar, "p", p);
                const TMaybe tsat = p < L.Pc ? Call("TsatP", p) : std::nullopt;
                const TMaybe tdew = p < L.Pc ? Call(Glide() ? "TdewP" : "TsatP", p) : std::nullopt;
                bool crossed = !tsat || !tdew;
                for (double t : LinSpaced(L.Tt, L.Tmax, N)) {
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

    // Entropies and enthalpies of the isolines: round values across the dome at the triple point.
    std::pair<double, double> DomeSpan(const char* fn) const {
        const TMaybe a = Call(fn, L.Tt, 0.0), b = Call(fn, L.Tt, 1.0);
        return a && b ? std::pair{*a, *b} : std::pair{0.0, 0.0};
    }

    void Isentropes() {
        const auto [s0, s1] = DomeSpan("STX");
        for (double s : NiceValues(s0, s1 + 0.3 * (s1 - s0), 8))
            Jobs.push_back([this, s] {
                TCurveBuilder c(TKXCurveKind::Isentrope, "s", s);
                for (double p : LogSpaced(L.Pt, L.Pmax, N)) c.Add(At(p, {}, Call("HPS", p, s), s));
                return c.Done();
            });
    }

    void Isenthalps() {
        const auto [h0, h1] = DomeSpan("HTX");
        for (double h : NiceValues(h0, h1 + 0.3 * (h1 - h0), 8))
            Jobs.push_back([this, h] {
                TCurveBuilder c(TKXCurveKind::Isenthalp, "h", h);
                for (double p : LogSpaced(L.Pt, L.Pmax, N))
                    c.Add(At(p, Call("TPH", p, h), h, Call("SPH", p, h)));
                return c.Done();
            });
    }

    // Isochores on p-h: the pressure of each temperature whose density the (p, T) function gives
    // as the isochore's, searched on the liquid or vapour side of the dome.
    void Isochores() {
        const TMaybe rl = Call("DTX", L.Tt, 0.0), rv = Call("DTX", L.Tt, 1.0);
        if (!rl || !rv) return;
        const auto density = [this](double t) {
            return [this, t](double p) { return Call("DPT", p, t); };
        };
        for (double rho : NiceLogValues(*rv * 10.0, *rl * 0.9, 5))
            Jobs.push_back([this, rho, density] {
                TCurveBuilder c(TKXCurveKind::Isochore, "rho", rho);
                for (double t : LinSpaced(L.Tt, L.Tmax, N / 4)) {
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

    void View() {
        bool any = false;
        const auto y = [this](double v) { return D.LogY ? std::log10(v) : v; };
        TKXPoint lo{0, 0}, hi{0, 0};
        for (const TKXCurve& c : D.Curves)
            for (const auto& s : c.Segments)
                for (const TKXPoint& p : s) {
                    if (D.LogY && !(p.Y > 0)) continue;
                    if (!any) lo = hi = {p.X, y(p.Y)};
                    lo = {std::min(lo.X, p.X), std::min(lo.Y, y(p.Y))};
                    hi = {std::max(hi.X, p.X), std::max(hi.Y, y(p.Y))};
                    any = true;
                }
        const double mx = 0.03 * (hi.X - lo.X), my = 0.03 * (hi.Y - lo.Y);
        D.Min = {lo.X - mx, lo.Y - my};
        D.Max = {hi.X + mx, hi.Y + my};
        if (D.LogY) {
            D.Min.Y = std::pow(10.0, D.Min.Y);
            D.Max.Y = std::pow(10.0, D.Max.Y);
        }
    }

    const TKXFluidFunctions& F;
    TLimits L;
    TCoordinates At;
    int N;
    TKXDiagram D;
    std::vector<std::function<TKXCurve()>> Jobs;
};

}  // namespace

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
    return TDiagramBuilder(fluid, kind, pointsPerLine).Build();
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
