#pragma once
// What the pseudo-pure refrigerant blends (R-410A, R-404A, R-407C, R-507A) share: one Helmholtz
// equation for the blend at its nominal composition (Lemmon 2003) plus two separate ancillaries
// for the bubble and the dew pressure. The ancillaries are the blend's saturation line: the
// equal-area condition of the pseudo-pure equation gives a pressure with no meaning for a
// mixture, so phase equilibrium is never solved here. The saturated liquid is the liquid root of
// the equation at the bubble pressure, the saturated vapour its vapour root at the dew pressure.
//
// Range of every blend: 200 K to 500 K, up to 50 MPa (the equation is fitted from 200 K to 450 K
// and extrapolates sensibly to 500 K and 50 MPa). Each saturation line runs from 200 K up to the
// reducing temperature, where its ancillary reaches the reducing pressure, or, where the pressure
// passes a maximum before that (the bubble lines of R-404A and R-407C, 0.002 K and 0.1 K below
// it), up to that maximum: the line is the part on which pressure and temperature rise together,
// so that each pressure has one bubble and one dew temperature.
#include <cstdint>
#include <span>
#include <string>

#include "KX_Equation_Fluid.h"

// ln(p/p_red) = (T_red/T) Σ N θ^t with θ = 1 − T/T_red (bubble or dew pressure), and the density
// start values of the same form: ρ'/ρ_red = 1 + Σ N θ^t (liquid), ln(ρ''/ρ_red) = (T_red/T) Σ N θ^t
// (vapour).
struct TBlendAncillary {
    std::span<const double> N, t;
};

// A blend's constants in the units of its paper (SI, molar) and its ancillaries.
struct TPseudoPureBlendData {
    const char* code;                          // library name, "KX_R410A_FE"
    double M;                                  // molar mass, g/mol
    double R;                                  // molar gas constant, J/(mol K)
    double Tred;                               // reducing temperature, K
    double rhoRed;                             // reducing density, mol/m3
    double pRed;                               // reducing pressure of the ancillaries, Pa
    double acentric;                           // acentric factor (start-density estimate only)
    TBlendAncillary bubble, dew;               // pressure ancillaries
    TBlendAncillary liquidStart, vapourStart;  // density start values (not published)
};

// Range of the pseudo-pure blend equations in program units: 200 K and 500 K as a user types them
// in °C (200 K − 273.15 rounds to a value above −73.15).
inline constexpr double BlendTminC = -73.15;
inline constexpr double BlendTmaxC = 226.85;
inline constexpr double BlendPmaxBar = 500.0;

// Value of a pressure ancillary (ln(p/p_red), reduced) at T (K), and its derivative in T.
double BlendAncillaryLogPressure(const TBlendAncillary& a, double Tred, double T);
double BlendAncillaryLogPressureSlope(const TBlendAncillary& a, double Tred, double T);

class TPseudoPureBlend : public TEquationFluid {
  public:
    // Program units: T in °C, P in bar(a), densities in kg/m3.
    // The ancillary slots: the bubble pressure and temperature, and the density start values.
    double Pse(double t) const override;
    double tse(double p) const override;
    double dsle(double t) const override;
    double dsve(double t) const override;

    // Bubble and dew pressure at T from Tt_ to the line's top (codes 2/3 outside).
    double BubblePressure(double T, std::string& ErrorText, int32_t& ErrorCode) const;
    double DewPressure(double T, std::string& ErrorText, int32_t& ErrorCode) const;
    // Bubble and dew temperature at P by Newton iteration on ln p, from the line's pressure at
    // Tt_ to its top (codes 4/5 outside); the ends of the lines are met exactly.
    double BubbleTemperature(double P, std::string& ErrorText, int32_t& ErrorCode) const;
    double DewTemperature(double P, std::string& ErrorText, int32_t& ErrorCode) const;
    // The saturated liquid at the bubble point and the saturated vapour at the dew point at T:
    // the root of the equation at that pressure from the start value of its phase.
    double BubbleLiquidDensity(double T, std::string& ErrorText, int32_t& ErrorCode) const;
    double DewVapourDensity(double T, std::string& ErrorText, int32_t& ErrorCode) const;
    // Temperature glide at P: dew temperature minus bubble temperature (K), where both exist.
    double Glide(double P, std::string& ErrorText, int32_t& ErrorCode) const;

    // The same as the library functions of a blend (their names in the error texts).
    double PbubT(double T, std::string& ErrorText, int32_t& ErrorCode) const;
    double PdewT(double T, std::string& ErrorText, int32_t& ErrorCode) const;
    double TbubP(double P, std::string& ErrorText, int32_t& ErrorCode) const;
    double TdewP(double P, std::string& ErrorText, int32_t& ErrorCode) const;
    double TglideP(double P, std::string& ErrorText, int32_t& ErrorCode) const;
    // The pressure of the two-phase state at T with vapour fraction X (the state DTX, HTX, ...
    // describe): the bubble pressure at X = 0, the dew pressure at X = 1.
    double PTX(double T, double X, std::string& ErrorText, int32_t& ErrorCode) const;

    // The saturation of the shared routines (PsatT, TsatP, the saturated and two-phase states,
    // the flashes): at T the bubble pressure, the saturated liquid at the bubble point and the
    // saturated vapour at the dew point; at P the bubble temperature, and as the ends of the
    // two-phase range the bubble and the dew state, each at its own temperature.
    void SaturationFromT(double T, double& Ps, double& DL, double& DV, std::string& ErrorText,
                         int32_t& ErrorCode) const override;
    void SaturationFromP(double P, double& Ts, double& DL, double& DV, std::string& ErrorText,
                         int32_t& ErrorCode) const override;
    void SaturatedEndsFromP(double P, double& TL, double& DL, double& TV, double& DV,
                            std::string& ErrorText, int32_t& ErrorCode) const override;
    // The two-phase state at T with vapour fraction X is the state (P, X) whose temperature,
    // the mixture X Tdew(P) + (1 − X) Tbub(P) of the line temperatures, is T: P is solved for,
    // so that (T, X) -> (P, X) -> (P, H) -> ... closes. The bubble pressure at X = 0, the dew
    // pressure at X = 1. Where no P of the two-phase range gives T (next to the bottom and top
    // of the lines for 0 < X < 1) the range codes 2/3 with the limit at that X.
    void SaturatedEndsFromTX(double T, double X, double& TL, double& DL, double& TV, double& DV,
                             std::string& ErrorText, int32_t& ErrorCode) const override;
    bool HasTemperatureGlide() const override { return true; }
    // The pressure of that state (bar), NaN where none.
    double TwoPhasePressure(double T, double X) const;

    // The ends of a saturation line: at Tt_ and at its top (°C, bar).
    struct TLineEnds {
        double Tbottom, Pbottom, Ttop, Ptop;
    };
    const TLineEnds BubbleLine, DewLine;

  protected:
    TPseudoPureBlend(const TPseudoPureBlendData& data, const TResidualTables& residual,
                     const TIdealGasPart& ideal);

  private:
    enum class TLine { Bubble, Dew };
    const TLineEnds& Ends(TLine line) const { return line == TLine::Bubble ? BubbleLine : DewLine; }
    double AncillaryPressure(TLine line, double T) const;
    double LinePressure(TLine line, const char* function, double T, std::string& ErrorText,
                        int32_t& ErrorCode) const;
    double LineTemperature(TLine line, const char* function, double P, std::string& ErrorText,
                           int32_t& ErrorCode) const;
    double GlideOf(const char* function, double P, std::string& ErrorText,
                   int32_t& ErrorCode) const;
    // X Tdew(P) + (1 − X) Tbub(P) (°C) and, where asked, its slope in ln P; NaN where a line
    // has no T.
    double MixedLineTemperature(double P, double X, double* slope = nullptr) const;
    // The same without range checks: NaN where the iteration does not converge.
    double LineTemperatureOf(TLine line, double P) const;
    // The root of the equation at P and T from the start value of the line's phase; 0 where it
    // is none (no convergence, or pressure falling with density).
    double RootDensity(TLine line, double P, double T) const;
    double PhaseDensity(TLine line, const char* function, double T, std::string& ErrorText,
                        int32_t& ErrorCode) const;

    TPseudoPureBlendData data_;
};
