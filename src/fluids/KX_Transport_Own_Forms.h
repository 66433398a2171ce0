#pragma once
// The transport correlations of ammonia, nitrogen and oxygen that keep a form of their own
// rather than the shared term types of transport/: each as a property of density D (kg/m3) and
// temperature T (°C) without checks, and the library functions of pressure and temperature with
// their ranges. The fluid passed is the one the correlation belongs to.
#include <cstdint>
#include <string>

class THelmholzFluid;

// ---- Ammonia: viscosity of Fenghour et al. (1995), surface tension σ = a ϑ^b ----

// Dynamic viscosity (Pa s).
double AmmoniaViscosity(const THelmholzFluid& ammonia, double D, double T);
// Surface tension (N/m) at a saturation temperature, triple point to critical point.
double AmmoniaSTT(const THelmholzFluid& ammonia, double T, std::string& ErrorText,
                  int32_t& ErrorCode);
// Dynamic (Pa s) and kinematic (m2/s) viscosity up to 500 bar and 600 K (680 K at or below
// atmospheric pressure).
double AmmoniaDVPT(const THelmholzFluid& ammonia, double P, double T, std::string& ErrorText,
                   int32_t& ErrorCode);
double AmmoniaKVPT(const THelmholzFluid& ammonia, double P, double T, std::string& ErrorText,
                   int32_t& ErrorCode);

// ---- Nitrogen: viscosity and thermal conductivity of Stephan, Krauss and Laesecke (1987) ----

// Limits of the nitrogen correlations.
struct TNitrogenTransportRange {
    static constexpr double Pmax = 1000.0;   // bar
    static constexpr double TminK = 70.0;    // K
    static constexpr double TmaxK = 1000.0;  // K
    static constexpr double Dmax = 830.0;    // kg/m3
};

// Dilute-gas viscosity (µPa s) at temperature T.
double NitrogenDiluteViscosity(double T);
// Dynamic viscosity (Pa s) and thermal conductivity (W/(m K)).
double NitrogenViscosity(double D, double T);
double NitrogenConductivity(double D, double T);
// Dynamic viscosity (Pa s), kinematic viscosity (m2/s) and thermal conductivity (W/(m K)) from
// pressure and temperature, within the range of the correlations.
double NitrogenDVPT(const THelmholzFluid& nitrogen, double P, double T, std::string& ErrorText,
                    int32_t& ErrorCode);
double NitrogenKVPT(const THelmholzFluid& nitrogen, double P, double T, std::string& ErrorText,
                    int32_t& ErrorCode);
double NitrogenTCPT(const THelmholzFluid& nitrogen, double P, double T, std::string& ErrorText,
                    int32_t& ErrorCode);

// ---- Oxygen: viscosity of Lemmon and Jacobsen (2004) ----

// Dilute-gas viscosity (µPa s) at temperature T.
double OxygenDiluteViscosity(const THelmholzFluid& oxygen, double T);
// Dynamic viscosity (Pa s).
double OxygenViscosity(const THelmholzFluid& oxygen, double D, double T);
// Dynamic viscosity (Pa s) from pressure and temperature, over the equation of state's range.
double OxygenDVPT(const THelmholzFluid& oxygen, double P, double T, std::string& ErrorText,
                  int32_t& ErrorCode);
