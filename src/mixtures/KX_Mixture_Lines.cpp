#include "KX_Mixture_Lines.h"

#include <algorithm>
#include <cmath>

#include "KX_FloatingPoint.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

// Σ c_j T_j(x) by Clenshaw's recurrence.
double Chebyshev(const std::vector<double>& c, double x) {
    double b1 = 0.0, b2 = 0.0;
    for (std::size_t j = c.size(); j-- > 1;) {
        const double b = 2.0 * x * b1 - b2 + c[j];
        b2 = b1;
        b1 = b;
    }
    return x * b1 - b2 + c[0];
}

}  // namespace

TMixtureLine::TMixtureLine(const TMixture& mixture, TSaturationKind kind, double Tlow, double Thigh,
                           const TLineTableSettings& settings) {
    const TEquilibrium start = SaturationAtT(mixture, kind, Tlow);
    ++solverCalls_;
    if (!start.Ok()) return;
    plow_ = start.P;
    double T0 = Tlow, lnP0 = std::log(start.P), width = settings.Width;
    // Narrower segments where a fit misses (towards the critical point, where the line's
    // curvature grows), until the solver itself no longer reaches the nodes or the width falls
    // below its least: there the table ends.
    while (T0 < Thigh && width >= settings.MinWidth) {
        const double T1 = std::min(T0 + width, Thigh);
        if (Fit(mixture, kind, T0, lnP0, T1, settings)) {
            T0 = T1;
            lnP0 = segments_.back().LnP1;
        } else {
            width /= 2.0;
        }
    }
}

bool TMixtureLine::Fit(const TMixture& mixture, TSaturationKind kind, double T0, double lnP0,
                       double T1, const TLineTableSettings& settings) {
    const int n = settings.Degree;
    TSegment s;
    s.T0 = T0;
    s.T1 = T1;
    s.USum = 1.0 / T0 + 1.0 / T1;
    s.UDiff = 1.0 / T1 - 1.0 / T0;
    // ln p at the Lobatto points x_m = cos(mπ/n): m = n is T0, known already.
    std::vector<double> g(n + 1);
    g[n] = lnP0;
    for (int m = 0; m < n; ++m) {
        const TEquilibrium e = SaturationAtT(mixture, kind, s.T(std::cos(m * Pi / n)));
        ++solverCalls_;
        if (!e.Ok()) return false;
        g[m] = std::log(e.P);
    }
    s.C.assign(n + 1, 0.0);
    for (int j = 0; j <= n; ++j) {
        double sum = 0.0;
        for (int m = 0; m <= n; ++m)
            sum += (m == 0 || m == n ? 0.5 : 1.0) * g[m] * std::cos(j * m * Pi / n);
        s.C[j] = (j == 0 || j == n ? 1.0 : 2.0) * sum / n;
    }
    // The slope's coefficients: d'_{j−1} = d'_{j+1} + 2j c_j.
    s.D.assign(n + 1, 0.0);
    for (int j = n; j >= 1; --j) s.D[j - 1] = (j + 1 <= n ? s.D[j + 1] : 0.0) + 2.0 * j * s.C[j];
    s.D[0] /= 2.0;
    s.LnP0 = lnP0;
    s.LnP1 = g[0];
    // Checked at the angle midpoints between the nodes, where the interpolation error peaks,
    // from the top down (a fit that misses does so first at its hot end).
    for (int m = 0; m < n; ++m) {
        const double x = std::cos((m + 0.5) * Pi / n), T = s.T(x);
        const TEquilibrium e = SaturationAtT(mixture, kind, T);
        ++solverCalls_;
        if (!e.Ok()) return false;
        const double error = std::fabs(Chebyshev(s.C, x) - std::log(e.P));
        // d ln p/dT = d ln p/dx · dx/dT, dx/dT = −2/(T² UDiff); the line must rise.
        const double slope = Chebyshev(s.D, x) * -2.0 / (T * T * s.UDiff);
        if (!(slope > 0.0) || !(error <= settings.LnPTolerance) ||
            !(error <= settings.TTolerance * slope))
            return false;
    }
    if (!(s.LnP1 > s.LnP0)) return false;
    segments_.push_back(std::move(s));
    return true;
}

const TMixtureLine::TSegment* TMixtureLine::SegmentAtT(double T) const {
    if (segments_.empty() || !(T >= segments_.front().T0 && T <= segments_.back().T1))
        return nullptr;
    return &*std::lower_bound(segments_.begin(), segments_.end(), T,
                              [](const TSegment& s, double t) { return s.T1 < t; });
}

const TMixtureLine::TSegment* TMixtureLine::SegmentAtLnP(double lnP) const {
    if (segments_.empty() || !(lnP >= segments_.front().LnP0 && lnP <= segments_.back().LnP1))
        return nullptr;
    return &*std::lower_bound(segments_.begin(), segments_.end(), lnP,
                              [](const TSegment& s, double l) { return s.LnP1 < l; });
}

std::optional<double> TMixtureLine::PressureAt(double T) const {
    const TSegment* s = SegmentAtT(T);
    if (!s) return std::nullopt;
    if (T == s->T0 && s == &segments_.front()) return plow_;
    return std::exp(Chebyshev(s->C, std::clamp(s->X(T), -1.0, 1.0)));
}

std::optional<double> TMixtureLine::TemperatureAt(double p) const {
    if (!segments_.empty() && p == plow_) return segments_.front().T0;
    const double lnP = std::log(p);
    const TSegment* s = SegmentAtLnP(lnP);
    if (!s) return std::nullopt;
    // Newton from the chord; the polynomial rises over the segment (checked when built), so
    // the root is unique.
    double x = -1.0 + 2.0 * (lnP - s->LnP0) / (s->LnP1 - s->LnP0);
    for (int it = 0; it < 12; ++it) {
        const double dx = (Chebyshev(s->C, x) - lnP) / Chebyshev(s->D, x);
        x = std::clamp(x - dx, -1.0, 1.0);
        if (!(std::fabs(dx) > 1e-15)) break;
    }
    return s->T(x);
}

double TMixtureLine::Tlow() const {
    return segments_.empty() ? 0.0 : segments_.front().T0;
}
double TMixtureLine::Ttop() const {
    return segments_.empty() ? 0.0 : segments_.back().T1;
}
double TMixtureLine::Plow() const {
    return segments_.empty() ? 0.0 : plow_;
}
double TMixtureLine::Ptop() const {
    return segments_.empty() ? 0.0 : std::exp(segments_.back().LnP1);
}

const TMixtureLine& TMixtureLines::Line(TSaturationKind kind) const {
    const int k = kind == TSaturationKind::Bubble ? 0 : 1;
    std::call_once(flags_[k], [this, kind, k] {
        // The build runs the solver up to where it fails, inside the first caller's call: its
        // faults are the table's business, not that caller's.
        const TFloatingPointSnapshot faults;
        lines_[k].emplace(mixture_, kind, tlow_, thigh_);
        faults.Restore();
    });
    return *lines_[k];
}
