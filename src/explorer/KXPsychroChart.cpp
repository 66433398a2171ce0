#include "KXPsychroChart.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

namespace {

// Points per line: the saturation and relative-humidity curves bend, the other lines hardly.
constexpr int CurvePoints = 80;
constexpr int LinePoints = 30;
// Humidity-ratio axis at standard pressure and the step it is rounded up to.
constexpr double StandardWMax = 0.030;
constexpr double WAxisStep = 0.002;

using TAnswerOf = std::function<std::optional<double>(double)>;

// Round values of a step that suits about `target` lines between lo and hi.
std::vector<double> NiceValues(double lo, double hi, int target);

// The same, round in the unit `units` shows key in; standard units in and out.
std::vector<double> NiceValuesIn(const TKXUnitChoice* units, const std::string& key, double lo,
                                 double hi, int target) {
    double shownLo = lo, shownHi = hi;
    if (!units || !units->FromStandard(key, lo, shownLo) || !units->FromStandard(key, hi, shownHi))
        return NiceValues(lo, hi, target);
    std::vector<double> values;
    for (double shown :
         NiceValues(std::min(shownLo, shownHi), std::max(shownLo, shownHi), target)) {
        double standard = shown;
        if (units->ToStandard(key, shown, standard)) values.push_back(standard);
    }
    return values;
}

std::vector<double> NiceValues(double lo, double hi, int target) {
    std::vector<double> values;
    if (!(hi > lo)) return values;
    const double step = NiceStep((hi - lo) / target);
    for (double k = std::ceil(lo / step); k * step <= hi; k += 1.0)
        values.push_back(std::fabs(k) < 1e-12 ? 0.0 : k * step);
    return values;
}

// Where holds turns false between a (holding) and b: the last x that holds and the first that
// does not, a few ulps apart (b itself when it holds): where a line leaves the region the
// library answers in, or crosses an edge. Bisection: the condition may be a failure.
std::pair<double, double> Turn(const std::function<bool(double)>& holds, double a, double b) {
    if (holds(b)) return {b, b};
    for (int i = 0; i < 100 && std::fabs(b - a) > 1e-13 * (1.0 + std::fabs(a)); ++i) {
        const double m = 0.5 * (a + b);
        (holds(m) ? a : b) = m;
    }
    return {a, b};
}
double LastHolding(const std::function<bool(double)>& holds, double a, double b) {
    return Turn(holds, a, b).first;
}
double FirstFailing(const std::function<bool(double)>& holds, double a, double b) {
    return Turn(holds, a, b).second;
}

// The x in [a, b] where f(x) = target, for f monotone there (Illinois false position: the
// library's smooth answers converge in a few calls); nothing when f fails or does not bracket.
std::optional<double> Invert(const TAnswerOf& f, double target, double a, double b) {
    std::optional<double> fa = f(a), fb = f(b);
    if (!fa || !fb) return std::nullopt;
    double ya = *fa - target, yb = *fb - target;
    if (ya == 0.0) return a;
    if (yb == 0.0) return b;
    if ((ya > 0) == (yb > 0)) return std::nullopt;
    int side = 0;
    for (int i = 0; i < 100; ++i) {
        const double x = (a * yb - b * ya) / (yb - ya);
        const std::optional<double> fx = f(x);
        if (!fx) return std::nullopt;
        const double y = *fx - target;
        if (y == 0.0 || std::fabs(b - a) < 1e-12 * (1.0 + std::fabs(x))) return x;
        if ((y > 0) == (yb > 0)) {
            b = x, yb = y;
            if (side == -1) ya *= 0.5;
            side = -1;
        } else {
            a = x, ya = y;
            if (side == 1) yb *= 0.5;
            side = 1;
        }
        if (std::fabs(y) <= 1e-13 * (1.0 + std::fabs(target))) return x;
    }
    return std::nullopt;
}

struct TChartBuilder {
    const TKXHumidAirFunctions& Air;
    TKXPsychroChart Chart;

    double P() const { return Chart.Pressure; }
    std::optional<double> Answer(const char* function, double x1, double x2, double x3 = 0.0) {
        const TKXAnswer a = Air.Call(function, x1, x2, x3);
        return a.Ok() ? std::optional(a.Value) : std::nullopt;
    }
    // The library holds (T, W) a humid-air state: not above saturation, inside its range.
    bool IsState(double t, double w) { return Air.Call("RPTW", P(), t, w).Ok(); }

    // A line of points (x(s), y(s)) for s from a to b; a point the library does not answer is
    // left out.
    void AddLine(TKXPsychroLineKind kind, const char* key, double value, double a, double b,
                 int count, const std::function<std::optional<TKXPoint>(double)>& at) {
        TKXPsychroLine line{kind, key, value, {}};
        for (int i = 0; i < count; ++i) {
            const double s = i + 1 == count ? b : a + (b - a) * i / (count - 1);
            if (const std::optional<TKXPoint> q = at(s)) line.Points.push_back(*q);
        }
        if (line.Points.size() > 1) Chart.Lines.push_back(std::move(line));
    }

    // A curve W(T) rising with T (saturation, relative humidity) from the left edge to where it
    // leaves the box at the top or right.
    void AddRisingCurve(TKXPsychroLineKind kind, const char* key, double value,
                        const TAnswerOf& w) {
        const double t0 = Chart.Min.X;
        if (!w(t0) || *w(t0) > Chart.Max.Y) return;
        const double t1 = LastHolding(
            [&](double t) {
                const std::optional<double> y = w(t);
                return y && *y <= Chart.Max.Y;
            },
            t0, Chart.Max.X);
        AddLine(kind, key, value, t0, t1, CurvePoints, [&](double t) -> std::optional<TKXPoint> {
            const std::optional<double> y = w(t);
            return y ? std::optional(TKXPoint{t, *y}) : std::nullopt;
        });
    }

    // A line T(W) falling with W (enthalpy, specific volume) from W = 0 to the saturation curve,
    // cut to the box.
    // forward is the property at (p, T, W), rising with T.
    void AddFallingLine(TKXPsychroLineKind kind, const char* key, double value, const char* forward,
                        const TAnswerOf& tOf) {
        // Right of the box at W = 0 (where T may be beyond the library's range, above the
        // boiling point): the line enters where it crosses the right edge. The property at the
        // edge says on which side the line is; above saturation there it is not right of it.
        const auto beyondRight = [&](double w) {
            const std::optional<double> atEdge = Answer(forward, P(), Chart.Max.X, w);
            return atEdge && *atEdge < value;
        };
        double w0 = 0.0;
        if (beyondRight(0.0)) {
            if (beyondRight(Chart.Max.Y)) return;
            w0 = FirstFailing(beyondRight, 0.0, Chart.Max.Y);
        }
        const auto holds = [&](double w) {
            const std::optional<double> t = tOf(w);
            return t && IsState(*t, w);
        };
        if (!holds(w0)) return;
        double w1 = LastHolding(holds, w0, Chart.Max.Y);  // the saturation curve or the top
        // Left of the box at its upper end: it leaves at the left edge.
        if (const std::optional<double> t = tOf(w1); t && *t < Chart.Min.X) {
            if (const std::optional<double> t0 = tOf(w0); !t0 || *t0 < Chart.Min.X) return;
            w1 = LastHolding(
                [&](double w) {
                    const std::optional<double> tw = tOf(w);
                    return tw && *tw >= Chart.Min.X;
                },
                w0, w1);
        }
        AddLine(kind, key, value, w0, w1, LinePoints, [&](double w) -> std::optional<TKXPoint> {
            const std::optional<double> t = tOf(w);
            return t ? std::optional(TKXPoint{*t, w}) : std::nullopt;
        });
    }

    // A wet-bulb line: from the saturation curve at T = Twb down to W = 0, cut to the box.
    void AddWetBulbLine(double twb) {
        const TAnswerOf w = [&](double t) { return Answer("WPTTwb", P(), t, twb); };
        if (!w(twb)) return;
        const double far = twb + 2.0 * (Chart.Max.X - Chart.Min.X);
        double t1 = LastHolding([&](double t) { return w(t).has_value(); }, twb, far);  // W = 0
        t1 = std::min(t1, Chart.Max.X);
        double t0 = std::max(twb, Chart.Min.X);
        if (t0 >= t1) return;
        if (*w(t0) > Chart.Max.Y) {
            if (!w(t1) || *w(t1) > Chart.Max.Y) return;
            t0 = FirstFailing(
                [&](double t) {
                    const std::optional<double> y = w(t);
                    return !y || *y > Chart.Max.Y;
                },
                t0, t1);
        }
        // At T = Twb the line starts on the saturation curve; where rounding puts that point a
        // hair above it, it starts at the first state the library holds.
        const auto isState = [&](double t) {
            const std::optional<double> y = w(t);
            return y && IsState(t, *y);
        };
        if (!isState(t0)) {
            if (!isState(t1)) return;
            t0 = FirstFailing([&](double t) { return !isState(t); }, t0, t1);
        }
        AddLine(TKXPsychroLineKind::WetBulb, "Twb", twb, t0, t1, LinePoints,
                [&](double t) -> std::optional<TKXPoint> {
                    const std::optional<double> y = w(t);
                    return y ? std::optional(TKXPoint{t, *y}) : std::nullopt;
                });
    }

    // The highest value of a property at (T, W) in the box: at its top right corner, or where the
    // saturation curve leaves it.
    std::optional<double> TopRight(const char* function) {
        const double t = Chart.Max.X;
        const double w = LastHolding([&](double y) { return IsState(t, y); }, 0.0, Chart.Max.Y);
        return Answer(function, P(), t, w);
    }
};

}  // namespace

TKXPsychroChart ComputePsychroChart(const TKXHumidAirFunctions& air, double p,
                                    const TKXUnitChoice* units, double tMin, double tMax) {
    TChartBuilder b{air, {}};
    TKXPsychroChart& chart = b.Chart;
    chart.Pressure = p;
    chart.Min = {tMin, 0.0};
    // The state of dry air at the chart's corner says whether there is a chart at all (the
    // pressure and temperatures in the library's range).
    for (double t : {tMin, tMax}) {
        const TKXAnswer dry = air.Call("RPTW", p, t, 0.0);
        if (!dry.Ok()) {
            chart.Error = dry.Text;
            return chart;
        }
    }
    // Humidity ratios grow as the pressure falls: the axis grows with them.
    const double wMax = std::ceil(StandardWMax * KXStandardPressure / p / WAxisStep) * WAxisStep;
    chart.Max = {tMax, wMax};

    const double P = p;
    b.AddRisingCurve(TKXPsychroLineKind::Saturation, "", 1.0,
                     [&](double t) { return b.Answer("WsPT", P, t); });
    for (int percent = 10; percent <= 90; percent += 10) {
        const double rh = percent / 100.0;
        b.AddRisingCurve(TKXPsychroLineKind::RelativeHumidity, "RH", rh,
                         [&](double t) { return b.Answer("WPTR", P, t, rh); });
    }
    if (const auto hMin = b.Answer("HPTW", P, tMin, 0.0), hMax = b.TopRight("HPTW"); hMin && hMax)
        for (double h : NiceValuesIn(units, "h", *hMin, *hMax, 12))
            b.AddFallingLine(TKXPsychroLineKind::Enthalpy, "h", h, "HPTW",
                             [&](double w) { return b.Answer("TPHW", P, h, w); });
    for (double twb : NiceValuesIn(units, "T", tMin, tMax, 12)) b.AddWetBulbLine(twb);
    if (const auto vMin = b.Answer("VPTW", P, tMin, 0.0), vMax = b.TopRight("VPTW"); vMin && vMax)
        for (double v : NiceValuesIn(units, "v", *vMin, *vMax, 10)) {
            // T at (v, W): the volume rises with T at any W, from the dew point on (dry air,
            // and air too dry for a dew point in the library's range, from far below the box).
            const double lo = tMin - (tMax - tMin), hi = tMax + (tMax - tMin);
            b.AddFallingLine(TKXPsychroLineKind::Volume, "v", v, "VPTW", [&](double w) {
                const std::optional<double> dew = w > 0.0 ? b.Answer("TdPW", P, w) : std::nullopt;
                // A hair above the dew point, which rounding may put above saturation.
                return Invert([&](double t) { return b.Answer("VPTW", P, t, w); }, v,
                              dew ? std::max(*dew + 1e-6, lo) : lo, hi);
            });
        }
    return chart;
}

std::optional<TKXPoint> HumidStateInChart(const TKXState& state) {
    if (!state.Ok) return std::nullopt;
    const TKXStateRow* t = state.Row("T");
    const TKXStateRow* w = state.Row("W");
    if (!t || !w || !t->Mixture.HasValue || !w->Mixture.HasValue) return std::nullopt;
    return TKXPoint{t->Mixture.Value, w->Mixture.Value};
}
