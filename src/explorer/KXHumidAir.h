#pragma once
// A humid-air state of the explorer: dry-bulb temperature with one humidity input (relative
// humidity, humidity ratio, dew point or wet bulb) at a pressure, and every property the library
// offers at (p, T, W). All values are in standard units (bar(a), °C, kg/kg, fraction, per kg of
// dry air); every number is the answer of a library function.
#include <string>
#include <unordered_map>
#include <vector>

#include "KXExplorerState.h"

// The functions of a humid-air library by their short names ("HPTW", "WsPT"), of up to three
// arguments.
class TKXHumidAirFunctions {
  public:
    TKXHumidAirFunctions(const TKXLibraries& libraries, int libraryIndex);

    const std::string& LibraryName() const { return Name; }
    bool Offers(const std::string& shortName) const;
    // As TKXFluidFunctions::Call, with a third argument.
    TKXAnswer Call(const std::string& shortName, double x1 = 0.0, double x2 = 0.0,
                   double x3 = 0.0) const;

  private:
    std::string Name;
    std::unordered_map<std::string, TKXFunctionPtr> Functions;
};

// True for a library whose information says humid air.
bool IsHumidAirLibrary(const TKXLibraries& libraries, int libraryIndex);

// The humidity given with the dry-bulb temperature.
enum class TKXHumidInput { RH, W, Td, Twb };

struct TKXHumidInputInfo {
    TKXHumidInput Input;
    const char* Key;        // "RH", "W", "Td", "Twb": the row key and the CLI's word
    const char* Name;       // "Relative humidity"
    const char* WFunction;  // the (p, T, x) function giving W; "" when x is W
};
const std::vector<TKXHumidInputInfo>& AllHumidInputs();
const TKXHumidInputInfo* FindHumidInput(const std::string& key);

// The rows of a humid-air state in order: T p RH W Td Twb h s v rho cp mu psi eta lambda; the
// function of each is its FromPT field ("RPTW"; "" for T, p and W). Keys beyond the fluid rows
// name their quantity here; z is the altitude of the pressure field.
const std::vector<TKXPropertyInfo>& HumidAirProperties();
const TKXPropertyInfo* FindHumidAirProperty(const std::string& key);
std::vector<TKXPropertyInfo> OfferedHumidAirProperties(const TKXHumidAirFunctions& air);

// The state (rows in Mixture cells, TwoPhase false). It fails with the library's text when the
// humidity input cannot give a humidity ratio or the library refuses (p, T, W), e.g. above
// saturation; a single property the library cannot give carries its text in its row.
TKXState ComputeHumidAirState(const TKXHumidAirFunctions& air, TKXHumidInput input, double p,
                              double t, double x);

// The standard-atmosphere pressure at an altitude in m.
TKXAnswer PressureAtAltitude(const TKXHumidAirFunctions& air, double altitude);
