#pragma once
// Bubble and dew lines of a mixture of fixed composition as tables: ln p as piecewise Chebyshev
// polynomials in 1/T, interpolated at the Chebyshev-Lobatto points of each segment from the
// equilibrium solver, from the lowest temperature upwards. Every segment is checked against the
// solver between its nodes when it is built; a segment that misses it by more than the
// tolerances below (or where the solver fails) ends the table, and above its top the caller runs
// the solver as before. The temperature at a pressure is the root of the same polynomial (Newton
// steps), so that T(p(T)) = T to rounding.
//
// Accuracy reached (all eleven blends, dense sweeps against SaturationAtT and SaturationAtP):
// p within 2e-12 (relative) of the solver, T within 1.5e-10 K, T(p(T)) = T within 1e-12 K; the
// tables end 0 to 0.8 K below the top of the line the solver reaches (339.5 to 363.5 K). Each
// line costs 217 to 330 solver calls (about 12 ms for R-410A, 60 ms for R-448A).
#include <cstddef>
#include <mutex>
#include <optional>
#include <vector>

#include "KX_Mixture.h"
#include "KX_Mixture_Equilibrium.h"

struct TLineTableSettings {
    int Degree = 14;              // of each segment's polynomial
    double Width = 24.0;          // K, the first segments' width (halved where a fit misses)
    double MinWidth = 0.5;        // K, no segment narrower: the table ends there
    double LnPTolerance = 2e-12;  // largest |ln p_fit − ln p_solver| at a check point
    double TTolerance = 2e-10;    // K, the same as a temperature (through the slope)
};

class TMixtureLine {
  public:
    // Traces the line of the given kind from Tlow up to at most Thigh (K).
    TMixtureLine(const TMixture& mixture, TSaturationKind kind, double Tlow, double Thigh,
                 const TLineTableSettings& settings = {});

    // The pressure (Pa) at T (K), or nothing outside the table.
    std::optional<double> PressureAt(double T) const;
    // The temperature (K) at p (Pa), or nothing outside the table.
    std::optional<double> TemperatureAt(double p) const;

    bool Empty() const { return segments_.empty(); }
    // The table's ends: temperatures (K) and pressures (Pa); 0 for an empty table.
    double Tlow() const;
    double Ttop() const;
    double Plow() const;
    double Ptop() const;
    std::size_t Segments() const { return segments_.size(); }
    int SolverCalls() const { return solverCalls_; }

  private:
    struct TSegment {
        double T0 = 0.0, T1 = 0.0;       // K, the ends
        double LnP0 = 0.0, LnP1 = 0.0;   // ln(p/Pa) at the ends
        double USum = 0.0, UDiff = 0.0;  // x = (2/T − USum)/UDiff maps [T0, T1] onto [−1, 1]
        std::vector<double> C, D;        // Chebyshev coefficients of ln p(x) and of its slope
        double X(double T) const { return (2.0 / T - USum) / UDiff; }
        double T(double x) const { return 2.0 / (x * UDiff + USum); }
    };
    bool Fit(const TMixture& mixture, TSaturationKind kind, double T0, double lnP0, double T1,
             const TLineTableSettings& settings);
    const TSegment* SegmentAtT(double T) const;
    const TSegment* SegmentAtLnP(double lnP) const;

    std::vector<TSegment> segments_;
    // The solver's own pressure (Pa) at the lowest temperature: the end of the range of the
    // functions at p, given back exactly there.
    double plow_ = 0.0;
    int solverCalls_ = 0;
};

// Both lines of one mixture, each built at its first use (once, whichever thread asks first).
class TMixtureLines {
  public:
    TMixtureLines(const TMixture& mixture, double Tlow, double Thigh)
        : mixture_(mixture), tlow_(Tlow), thigh_(Thigh) {}
    const TMixtureLine& Line(TSaturationKind kind) const;

  private:
    const TMixture& mixture_;
    double tlow_, thigh_;
    mutable std::once_flag flags_[2];
    mutable std::optional<TMixtureLine> lines_[2];
};
