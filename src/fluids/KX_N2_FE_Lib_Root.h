#pragma once
// Nitrogen: the reference equation of state of Span, Lemmon, Jacobsen, Wagner and Yokozeki
// (2000) with its ancillary saturation equations, and the viscosity and thermal conductivity
// correlations of Stephan, Krauss and Laesecke (1987).
#include <cstdint>
#include <string>

#include "KX_Equation_Fluid.h"

class TN2_FE : public TEquationFluid {
  public:
    TN2_FE();

    double Pse(double t) const override;
    double tse(double p) const override;
    double dsle(double t) const override;
    double dsve(double t) const override;

    // Dilute-gas viscosity (µPa s) at temperature T.
    double DV0(double T) const;
    // Dynamic viscosity (Pa s) and thermal conductivity (W/(m K)) from density and
    // temperature; no checks.
    double DVDT(double D, double T) const;
    double TCDT(double D, double T) const;
    // Dynamic viscosity (Pa s), kinematic viscosity (m2/s) and thermal conductivity (W/(m K))
    // from pressure and temperature, within the range of the transport correlations.
    double DVPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const;
    double KVPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const;
    double TCPT(double P, double T, std::string& ErrorText, int32_t& ErrorCode) const;

    // Limits of the transport correlations.
    static constexpr double TransportPmax = 1000.0;   // bar
    static constexpr double TransportTminK = 70.0;    // K
    static constexpr double TransportTmaxK = 1000.0;  // K
    static constexpr double TransportDmax = 830.0;    // kg/m3

  private:
    // Checks the transport range, finds the density at (P, T) and evaluates property(D, T);
    // functionName names the caller in the error texts.
    template <class Property>
    double TransportPT(const char* functionName, double P, double T, std::string& ErrorText,
                       int32_t& ErrorCode, Property property) const;
};
