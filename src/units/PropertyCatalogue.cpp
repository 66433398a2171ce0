#include "PropertyCatalogue.h"

namespace {

// Quantities in the order shown to the user; index 48 follows 41 (42 to 47 are unused), and the
// humid-air quantities (49 to 51) follow it. Every
// default unit (SI and engineering) is the name of one of the quantity's units, so every unit
// list starts with a selection; kinematic viscosity uses ft2/s in the engineering system.
static constexpr TQuantityRow QuantityRows[] = {
    {"Undefined", 0, "-", "-", "-"},
    {"Pressure Differential", 1, "mbar", "bar", "mm Hg(@0°C)"},
    {"Absolute Pressure", 2, "bar(a)", "bar(a)", "psi(a)"},
    {"Gauge Pressure", 3, "bar(g)", "bar(g)", "psi(g)"},
    {"Enthalpy", 4, "kJ/kg", "kJ/kg", "BTU/lb"},
    {"Entropy", 5, "kJ/kgK", "kJ/kgK", "BTU/lbF"},
    {"Energy", 6, "kJ", "kJ", "BTU"},
    {"Power", 7, "kW", "kW", "HP"},
    {"Heat Flow", 8, "kW", "kW", "BTU/h"},
    {"Heating Value", 9, "MJ/m3", "MJ/m3", "BTU/ft3"},
    {"Heat Rate", 10, "kJ/kWh", "kJ/kWh", "BTU/HPh"},
    {"Heat Capacity", 11, "kJ/kgK", "kJ/kgK", "BTU/lbF"},
    {"Heat Transfer Coefficient", 12, "kW/m2K", "kW/m2K", "BTU/ft2°Fh"},
    {"Mass", 13, "kg", "kg", "lb"},
    {"Mass Flow", 14, "kg/s", "kg/s", "lb/s"},
    {"Density", 15, "kg/m3", "kg/m3", "lb/ft3"},
    {"Specific Volume", 16, "m3/kg", "m3/kg", "ft3/lb"},
    {"Dynamic Viscosity", 17, "Pa.s", "Pa.s", "lb/(ft.s)"},
    {"Kinematic Viscosity", 18, "m2/s", "m2/s", "ft2/s"},
    {"Current", 19, "A", "A", "A"},
    {"Voltage", 20, "V", "V", "V"},
    {"Angle", 21, "°", "rad", "°"},
    {"Rotational Speed", 22, "rpm", "rad/sec", "rpm"},
    {"Acceleration", 23, "m/s2", "m/s2", "ft/s2"},
    {"Length", 24, "m", "m", "inch"},
    {"Surface", 25, "m2", "m2", "ft2"},
    {"Volume", 26, "m3", "m3", "ft3"},
    {"Velocity", 27, "m/s", "m/s", "ft/s"},
    {"Volume Flow", 28, "m3/s", "m3/s", "ft3/s"},
    {"Normalized Volume", 29, "Nm3", "Nm3", "scf"},
    {"Gas Constant", 30, "kJ/kgK", "kJ/kgK", "BTU/lbR"},
    {"Temperature", 31, "°C", "°C", "°F"},
    {"Torque", 32, "Nm", "Nm", "ft.lb(force)"},
    {"Force", 33, "N", "N", "lb(force)"},
    {"Vapour Fraction", 34, "-", "-", "-"},
    {"Thermal Conductivity", 35, "W/mK", "W/mK", "BTU/hFft"},
    {"Prandtl Number", 36, "-", "-", "-"},
    {"Surface Tension", 37, "N/m", "N/m", "lb(force)/ft"},
    {"Molar Mass", 38, "kg/kmol", "kg/kmol", "lb/kmol"},
    {"Electric Conductivity", 39, "mS/cm", "mS/cm", "mS/Inch"},
    {"Joule Thomson Coefficient", 40, "K/bar", "K/bar", "°F/psi"},
    {"Thermal Expansion", 41, "1/K", "1/K", "1/°F"},
    {"Compressibility", 48, "-", "-", "-"},
    {"Humidity Ratio", 49, "kg/kg", "g/kg", "gr/lb"},
    {"Relative Humidity", 50, "-", "%", "%"},
    {"Mole Fraction", 51, "-", "-", "-"},
};

// Definitions the factors are built from, each exact unless its comment says otherwise:
// NIST Special Publication 811 (2008), Appendix B; the international yard and pound (1959).
constexpr double Pi = 3.14159265358979323846;
constexpr double Inch = 0.0254;                         // m
constexpr double Foot = 0.3048;                         // m
constexpr double Yard = 0.9144;                         // m
constexpr double Rod = 16.5 * Foot;                     // m
constexpr double Mile = 1609.344;                       // m, statute mile
constexpr double NauticalMile = 1852.0;                 // m
constexpr double CubicInch = Inch * Inch * Inch;        // m3
constexpr double CubicFoot = Foot * Foot * Foot;        // m3
constexpr double Pound = 0.45359237;                    // kg, avoirdupois
constexpr double Ounce = Pound / 16;                    // kg
constexpr double Grain = Pound / 7000;                  // kg
constexpr double StandardGravity = 9.80665;             // m/s2
constexpr double PoundForce = Pound * StandardGravity;  // N
constexpr double Psi = PoundForce / (Inch * Inch);      // Pa
constexpr double Atmosphere = 101325.0;                 // Pa
constexpr double Torr = Atmosphere / 760;               // Pa
constexpr double MillimetreOfMercury = 133.322387415;   // Pa, conventional (13595.1 kg/m3 x g)
constexpr double InchOfMercury = 25.4 * MillimetreOfMercury;  // Pa, conventional
// Water columns: density of water at 4 °C (39.2 °F), the value behind NIST's inch and foot of
// water (39.2 °F) and millimetre of water (4 °C), and at 0 °C.
constexpr double WaterDensity4C = 999.972;                     // kg/m3
constexpr double WaterDensity0C = 999.84;                      // kg/m3
constexpr double BtuIT = 1.05505585262;                        // kJ, International Table
constexpr double CalorieIT = 4.1868;                           // kJ per kcal, International Table
constexpr double Horsepower = 550 * Foot * PoundForce / 1000;  // kW, 550 ft lbf/s
constexpr double MetricHorsepower = 0.73549875;                // kW, 75 kgf m/s
constexpr double BoilerHorsepower = 9.80950;                   // kW, NIST SP 811 (not exact)
constexpr double UKGallon = 0.00454609;                        // m3
constexpr double USGallon = 231 * CubicInch;                   // m3
// Square root by Newton's iteration, for constants (std::sqrt is not constexpr before C++26).
constexpr double ConstSqrt(double x) {
    double root = x;
    for (int pass = 0; pass < 100; ++pass) root = 0.5 * (root + x / root);
    return root;
}
// Speed of sound of dry air at 0 °C as an ideal gas with the ISO 2533 constants: ratio of
// heat capacities 1.4, universal gas constant 8314.32 J/(kmol K), molar mass 28.96442 kg/kmol.
constexpr double SpeedOfSound0C = ConstSqrt(1.4 * 8314.32 / 28.96442 * 273.15);  // m/s
// Gas volumes of one amount of an ideal gas at 1 atm: normal (0 °C), standard (15 °C,
// ISO 13443) and the standard cubic foot (60 °F).
constexpr double NormalTemperature = 273.15;            // K
constexpr double StandardTemperature = 288.15;          // K
constexpr double ScfTemperature = (60 + 459.67) / 1.8;  // K
constexpr double Millibar = 100.0;                      // Pa
constexpr double Bar = 100000.0;                        // Pa

// The factor of a unit of which one is `standardUnits` of the quantity's standard unit.
constexpr double OneIs(double standardUnits) {
    return 1.0 / standardUnits;
}

// Units of every quantity, standard unit first: value_in_unit = Factor * value + Offset
// (Factor / value for the reciprocal kind). The name "kip " ends in a blank that belongs to it.
static constexpr TUnitRow UnitRows[] = {
    {"-", 0, 0, 1},
    {"mbar", 1, 0, 1},
    {"bar", 1, 0, 0.001},
    {"psi", 1, 0, OneIs(Psi / Millibar)},
    {"lb/ft2", 1, 0, OneIs(PoundForce / (Foot * Foot) / Millibar)},
    {"inch Hg@(32°F)", 1, 0, OneIs(InchOfMercury / Millibar)},
    {"mm Hg(@0°C)", 1, 0, OneIs(MillimetreOfMercury / Millibar)},
    {"ft H2O(@39.2°F)", 1, 0, OneIs(WaterDensity4C* StandardGravity* Foot / Millibar)},
    {"inch H2O(@39.2°F)", 1, 0, OneIs(WaterDensity4C* StandardGravity* Inch / Millibar)},
    {"mm H2O(@4°C)", 1, 0, OneIs(WaterDensity4C* StandardGravity * 0.001 / Millibar)},
    {"Pa", 1, 0, 100},
    {"kPa", 1, 0, 0.1},
    {"MPa", 1, 0, 0.0001},
    {"atm", 1, 0, OneIs(Atmosphere / Millibar)},
    {"Torr", 1, 0, OneIs(Torr / Millibar)},
    {"kg/cm2", 1, 0, OneIs(StandardGravity * 1e4 / Millibar)},
    {"at", 1, 0, OneIs(StandardGravity * 1e4 / Millibar)},
    {"bar(a)", 2, 0, 1},
    {"psi(a)", 2, 0, OneIs(Psi / Bar)},
    {"lb/ft2(a)", 2, 0, OneIs(PoundForce / (Foot * Foot) / Bar)},
    {"inch Hg@(a)(32°F)", 2, 0, OneIs(InchOfMercury / Bar)},
    {"mm Hg(a)(@0°C)", 2, 0, OneIs(MillimetreOfMercury / Bar)},
    {"ft H2O(a)(@39.2°F)", 2, 0, OneIs(WaterDensity4C* StandardGravity* Foot / Bar)},
    {"inch H2O(a)(@39.2°F)", 2, 0, OneIs(WaterDensity4C* StandardGravity* Inch / Bar)},
    {"mm H2O(a)(@4°C)", 2, 0, OneIs(WaterDensity4C* StandardGravity * 0.001 / Bar)},
    {"Pa(a)", 2, 0, 100000},
    {"kPa(a)", 2, 0, 100},
    {"MPa(a)", 2, 0, 0.1},
    {"mbar(a)", 2, 0, 1000},
    {"atm(a)", 2, 0, OneIs(Atmosphere / Bar)},
    {"Torr(a)", 2, 0, OneIs(Torr / Bar)},
    {"kg/cm2(a)", 2, 0, OneIs(StandardGravity * 1e4 / Bar)},
    {"ata", 2, 0, OneIs(StandardGravity * 1e4 / Bar)},
    {"bar(g)", 3, 0, 1},
    {"psi(g)", 3, 0, OneIs(Psi / Bar)},
    {"lb/ft2(g)", 3, 0, OneIs(PoundForce / (Foot * Foot) / Bar)},
    {"inch Hg@(g)(32°F)", 3, 0, OneIs(InchOfMercury / Bar)},
    {"mm Hg(g)(@0°C)", 3, 0, OneIs(MillimetreOfMercury / Bar)},
    {"ft H2O(g)(@39.2°F)", 3, 0, OneIs(WaterDensity4C* StandardGravity* Foot / Bar)},
    {"inch H2O(g)(@39.2°F)", 3, 0, OneIs(WaterDensity4C* StandardGravity* Inch / Bar)},
    {"mm H2O(g)(@0°C)", 3, 0, OneIs(WaterDensity0C* StandardGravity * 0.001 / Bar)},
    {"Pa(g)", 3, 0, 100000},
    {"kPa(g)", 3, 0, 100},
    {"MPa(g)", 3, 0, 0.1},
    {"mbar(g)", 3, 0, 1000},
    {"atm(g)", 3, 0, OneIs(Atmosphere / Bar)},
    {"Torr(g)", 3, 0, OneIs(Torr / Bar)},
    {"kg/cm2(g)", 3, 0, OneIs(StandardGravity * 1e4 / Bar)},
    {"ato", 3, 0, OneIs(StandardGravity * 1e4 / Bar)},
    {"kJ/kg", 4, 0, 1},
    {"BTU/lb", 4, 0, OneIs(BtuIT / Pound)},
    {"ft (Head)", 4, 0, OneIs(StandardGravity* Foot / 1000)},
    {"m (Head)", 4, 0, OneIs(StandardGravity / 1000)},
    {"kJ/kgK", 5, 0, 1},
    {"BTU/lbF", 5, 0, OneIs(BtuIT * 1.8 / Pound)},
    {"kJ", 6, 0, 1},
    {"MJ", 6, 0, 0.001},
    {"kWh", 6, 0, OneIs(3600)},
    {"BTU", 6, 0, OneIs(BtuIT)},
    {"HPh", 6, 0, OneIs(Horsepower * 3600)},
    {"kcal", 6, 0, OneIs(CalorieIT)},
    {"kW", 7, 0, 1},
    {"HP", 7, 0, OneIs(Horsepower)},
    {"pk", 7, 0, OneIs(MetricHorsepower)},
    {"ft.lb(force)/s", 7, 0, OneIs(Foot* PoundForce / 1000)},
    {"ft.lb(force)/m", 7, 0, OneIs(Foot* PoundForce / 1000 / 60)},
    {"kW", 8, 0, 1},
    {"MW", 8, 0, 0.001},
    {"BTU/s", 8, 0, OneIs(BtuIT)},
    {"BTU/m", 8, 0, OneIs(BtuIT / 60)},
    {"BTU/h", 8, 0, OneIs(BtuIT / 3600)},
    {"BoilerHP", 8, 0, OneIs(BoilerHorsepower)},
    {"MJ/m3", 9, 0, 1},
    {"BTU/ft3", 9, 0, OneIs(BtuIT / 1000 / CubicFoot)},
    {"kJ/kWh", 10, 0, 1},
    {"BTU/kWh", 10, 0, OneIs(BtuIT)},
    {"BTU/HPh", 10, 0, OneIs(BtuIT / Horsepower)},
    {"eff%", 10, 0, 360000, TUnitKind::Reciprocal},  // efficiency % = 360000 / heat rate
    {"kJ/kgK", 11, 0, 1},
    {"BTU/lbF", 11, 0, OneIs(BtuIT * 1.8 / Pound)},
    {"kW/m2K", 12, 0, 1},
    {"BTU/ft2°Fh", 12, 0, OneIs(BtuIT * 1.8 / (Foot * Foot * 3600))},
    {"kg", 13, 0, 1},
    {"lb", 13, 0, OneIs(Pound)},
    {"gr", 13, 0, OneIs(Grain)},
    {"oz", 13, 0, OneIs(Ounce)},
    {"stone", 13, 0, OneIs(14 * Pound)},
    {"metric ton", 13, 0, 0.001},
    {"long(UK) ton", 13, 0, OneIs(2240 * Pound)},
    {"short(US) ton", 13, 0, OneIs(2000 * Pound)},
    {"kg/s", 14, 0, 1},
    {"kg/h", 14, 0, 3600},
    {"lb/s", 14, 0, OneIs(Pound)},
    {"oz/s", 14, 0, OneIs(Ounce)},
    {"Ton/day", 14, 0, 86.4},  // metric tons a day
    {"kg/m3", 15, 0, 1},
    {"lb/in3", 15, 0, OneIs(Pound / CubicInch)},
    {"lb/ft3", 15, 0, OneIs(Pound / CubicFoot)},
    {"oz/in3", 15, 0, OneIs(Ounce / CubicInch)},
    {"oz/ft3", 15, 0, OneIs(Ounce / CubicFoot)},
    {"m3/kg", 16, 0, 1},
    {"ft3/lb", 16, 0, OneIs(CubicFoot / Pound)},
    {"USgal/lb", 16, 0, OneIs(USGallon / Pound)},
    {"UKgal/lb", 16, 0, OneIs(UKGallon / Pound)},
    {"Pa.s", 17, 0, 1},
    {"lb/(ft.s)", 17, 0, OneIs(Pound / Foot)},
    {"lb/(ft.h)", 17, 0, OneIs(Pound / Foot / 3600)},
    {"lb(force)s/ft2", 17, 0, OneIs(PoundForce / (Foot * Foot))},
    {"P", 17, 0, 10},
    {"cP", 17, 0, 1000},
    {"kg/m.s", 17, 0, 1},
    {"m2/s", 18, 0, 1},
    {"ft2/s", 18, 0, OneIs(Foot* Foot)},
    {"St", 18, 0, 10000},
    {"cSt", 18, 0, 1000000},
    {"A", 19, 0, 1},
    {"kA", 19, 0, 0.001},
    {"V", 20, 0, 1},
    {"kV", 20, 0, 0.001},
    {"°", 21, 0, 1},
    {"deg(angle)", 21, 0, 1},
    {"rad", 21, 0, OneIs(180 / Pi)},
    {"grad(dec)", 21, 0, OneIs(0.9)},
    {"rpm", 22, 0, 1},
    {"rad/sec", 22, 0, OneIs(60 / (2 * Pi))},
    {"Hz", 22, 0, OneIs(60)},
    {"m/s2", 23, 0, 1},
    {"inch/s2", 23, 0, OneIs(Inch)},
    {"ft/s2", 23, 0, OneIs(Foot)},
    {"m", 24, 0, 1},
    {"mm", 24, 0, 1000},
    {"inch", 24, 0, OneIs(Inch)},
    {"ft", 24, 0, OneIs(Foot)},
    {"yard", 24, 0, OneIs(Yard)},
    {"mile", 24, 0, OneIs(Mile)},
    {"NauticMile", 24, 0, OneIs(NauticalMile)},
    {"Rod", 24, 0, OneIs(Rod)},
    {"m2", 25, 0, 1},
    {"inch2", 25, 0, OneIs(Inch* Inch)},
    {"ft2", 25, 0, OneIs(Foot* Foot)},
    {"m3", 26, 0, 1},
    {"inch3", 26, 0, OneIs(CubicInch)},
    {"ft3", 26, 0, OneIs(CubicFoot)},
    {"UKgal", 26, 0, OneIs(UKGallon)},
    {"USgal", 26, 0, OneIs(USGallon)},
    {"quart", 26, 0, OneIs(USGallon / 4)},
    {"Imp Pint", 26, 0, OneIs(UKGallon / 8)},
    {"UK Barrel", 26, 0, OneIs(36 * UKGallon)},
    {"US Barrel", 26, 0, OneIs(31.5 * USGallon)},
    {"PetrBarrel", 26, 0, OneIs(42 * USGallon)},
    {"bbl", 26, 0, OneIs(42 * USGallon)},
    {"m/s", 27, 0, 1},
    {"inch/s", 27, 0, OneIs(Inch)},
    {"ft/s", 27, 0, OneIs(Foot)},
    {"yard/s", 27, 0, OneIs(Yard)},
    {"mile/h", 27, 0, OneIs(Mile / 3600)},
    {"knots", 27, 0, OneIs(NauticalMile / 3600)},
    {"Mach(0°C)", 27, 0, OneIs(SpeedOfSound0C)},
    {"km/h", 27, 0, 3.6},
    {"m3/s", 28, 0, 1},
    {"m3/h", 28, 0, 3600},
    {"inch3/s", 28, 0, OneIs(CubicInch)},
    {"ft3/s", 28, 0, OneIs(CubicFoot)},
    {"CFM (ft3/min)", 28, 0, OneIs(CubicFoot / 60)},
    {"CFH (ft3/h)", 28, 0, OneIs(CubicFoot / 3600)},
    {"UKgal/h", 28, 0, OneIs(UKGallon / 3600)},
    {"USgal/h", 28, 0, OneIs(USGallon / 3600)},
    {"UKgal/min", 28, 0, OneIs(UKGallon / 60)},
    {"USgal/min", 28, 0, OneIs(USGallon / 60)},
    {"MIGD", 28, 0, OneIs(1e6 * UKGallon / 86400)},  // million imperial gallons a day
    {"Nm3", 29, 0, 1},
    {"scf", 29, 0, OneIs(CubicFoot* NormalTemperature / ScfTemperature)},
    {"Sm3", 29, 0, OneIs(NormalTemperature / StandardTemperature)},
    {"kJ/kgK", 30, 0, 1},
    {"BTU/lbR", 30, 0, OneIs(BtuIT * 1.8 / Pound)},
    {"psi.ft3/lbR", 30, 0, OneIs(Psi* CubicFoot * 1.8 / Pound / 1000)},
    {"ft.lb(force)/lbR", 30, 0, OneIs(Foot* PoundForce * 1.8 / Pound / 1000)},
    {"°C", 31, 0, 1},
    {"°F", 31, 32, 1.8},
    {"K", 31, 273.15, 1},
    {"°R", 31, 491.67, 1.8},
    {"°Reaumur", 31, 0, 0.8},
    {"Nm", 32, 0, 1},
    {"ft.lb(force)", 32, 0, OneIs(Foot* PoundForce)},
    {"in.lb(force)", 32, 0, OneIs(Inch* PoundForce)},
    {"N", 33, 0, 1},
    {"lb(force)", 33, 0, OneIs(PoundForce)},
    {"kg(force)", 33, 0, OneIs(StandardGravity)},
    {"kip ", 33, 0, OneIs(1000 * PoundForce)},
    {"-", 34, 0, 1},
    {"Dec [%]", 34, 0, 100},
    {"W/mK", 35, 0, 1},
    {"BTU/hFft", 35, 0, OneIs(BtuIT * 1000 * 1.8 / (3600 * Foot))},
    {"-", 36, 0, 1},
    {"N/m", 37, 0, 1},
    {"lb(force)/inch", 37, 0, OneIs(PoundForce / Inch)},
    {"lb(force)/ft", 37, 0, OneIs(PoundForce / Foot)},
    {"kg/kmol", 38, 0, 1},
    {"lb/kmol", 38, 0, OneIs(Pound)},
    {"mS/cm", 39, 0, 1},
    {"mS/Inch", 39, 0, 2.54},  // mS per inch from mS per cm: 1 mS/cm = 2.54 mS/inch
    {"K/bar", 40, 0, 1},
    {"K/MPa", 40, 0, 10},
    {"°F/psi", 40, 0, 1.8 * Psi / Bar},  // (°F per K) x (bar per psi)
    {"1/K", 41, 0, 1},
    {"1/°F", 41, 0, OneIs(1.8)},
    {"-", 48, 0, 1},
    // Humidity ratio: mass of water per mass of dry air, so kg/kg and lb/lb are the same unit.
    {"kg/kg", 49, 0, 1},
    {"g/kg", 49, 0, 1000},
    {"lb/lb", 49, 0, 1},
    {"gr/lb", 49, 0, OneIs(Grain / Pound)},
    {"-", 50, 0, 1},
    {"%", 50, 0, 100},
    {"-", 51, 0, 1},
    {"%", 51, 0, 100},
    {"ppm", 51, 0, 1e6},
};

}  // namespace

std::span<const TQuantityRow> QuantityCatalogue() {
    return QuantityRows;
}

std::span<const TUnitRow> UnitCatalogue() {
    return UnitRows;
}
