#pragma once
// The library functions, written once: short name, arity, result name and quantity, then the
// name and quantity of each argument. Everything else is derived from these rows: the shape
// table of the registry (KX_Function_Shapes.cpp), the declarations, entry points and
// registration entries of the water and steam library and of every fluid library.
//
// Each group is a list macro ROW(LIB, NAME, ARITY, YNAME, YQ, X1NAME, X1Q, X2NAME, X2Q) with SEP()
// between rows, so one list gives declarations (SEP empty) and initialiser lists (SEP a comma).
// Quantities are the names of KXFunctionQuantity below. The humid-air group has rows of eleven
// columns (a third argument). A library registers a subset of the
// groups, each in the order written here; the groups follow one another in the order of the
// shape table: shared, compressibility, transport, constants, blend.
#include <cstdint>

#include "KX_Function_Types.h"

// Quantity indices of the catalogue used by the library functions.
namespace KXFunctionQuantity {
inline constexpr int32_t Undefined = 0, Pressure = 2, Enthalpy = 4, Entropy = 5, HeatCapacity = 11,
                         Density = 15, Volume = 16, DynVisc = 17, KinVisc = 18, Velocity = 27,
                         Temperature = 31, VapourFraction = 34, ThermalCond = 35, Prandtl = 36,
                         SurfaceTension = 37, MolarMass = 38, Compressibility = 48, Length = 24,
                         HumidityRatio = 49, RelativeHumidity = 50, MoleFraction = 51;
}  // namespace KXFunctionQuantity

// clang-format off
// The functions every library has, registered first: saturation, two-phase, (p,T), flashes and
// the caloric properties.
#define KX_FUNCTIONS_SHARED(ROW, LIB, SEP) \
    ROW(LIB, PsatT, 1, "Pressure", Pressure, "Temperature", Temperature, "", Undefined) SEP() \
    ROW(LIB, TsatP, 1, "Temperature", Temperature, "Pressure", Pressure, "", Undefined) SEP() \
    ROW(LIB, DTX, 2, "Density", Density, "Temperature", Temperature, "Vapor Fraction", VapourFraction) SEP() \
    ROW(LIB, VTX, 2, "Volume", Volume, "Temperature", Temperature, "Vapor Fraction", VapourFraction) SEP() \
    ROW(LIB, HTX, 2, "Enthalpy", Enthalpy, "Temperature", Temperature, "Vapor Fraction", VapourFraction) SEP() \
    ROW(LIB, STX, 2, "Entropy", Entropy, "Temperature", Temperature, "Vapor Fraction", VapourFraction) SEP() \
    ROW(LIB, DPX, 2, "Density", Density, "Pressure", Pressure, "Vapor Fraction", VapourFraction) SEP() \
    ROW(LIB, VPX, 2, "Volume", Volume, "Pressure", Pressure, "Vapor Fraction", VapourFraction) SEP() \
    ROW(LIB, HPX, 2, "Enthalpy", Enthalpy, "Pressure", Pressure, "Vapor Fraction", VapourFraction) SEP() \
    ROW(LIB, SPX, 2, "Entropy", Entropy, "Pressure", Pressure, "Vapor Fraction", VapourFraction) SEP() \
    ROW(LIB, DPT, 2, "Density", Density, "Pressure", Pressure, "Temperature", Temperature) SEP() \
    ROW(LIB, VPT, 2, "Volume", Volume, "Pressure", Pressure, "Temperature", Temperature) SEP() \
    ROW(LIB, HPT, 2, "Enthalpy", Enthalpy, "Pressure", Pressure, "Temperature", Temperature) SEP() \
    ROW(LIB, SPT, 2, "Entropy", Entropy, "Pressure", Pressure, "Temperature", Temperature) SEP() \
    ROW(LIB, TPH, 2, "Temperature", Temperature, "Pressure", Pressure, "Enthalpy", Enthalpy) SEP() \
    ROW(LIB, XPH, 2, "Vapor Fraction", VapourFraction, "Pressure", Pressure, "Enthalpy", Enthalpy) SEP() \
    ROW(LIB, SPH, 2, "Entropy", Entropy, "Pressure", Pressure, "Enthalpy", Enthalpy) SEP() \
    ROW(LIB, VPH, 2, "Volume", Volume, "Pressure", Pressure, "Enthalpy", Enthalpy) SEP() \
    ROW(LIB, DPH, 2, "Density", Density, "Pressure", Pressure, "Enthalpy", Enthalpy) SEP() \
    ROW(LIB, TPS, 2, "Temperature", Temperature, "Pressure", Pressure, "Entropy", Entropy) SEP() \
    ROW(LIB, XPS, 2, "Vapor Fraction", VapourFraction, "Pressure", Pressure, "Entropy", Entropy) SEP() \
    ROW(LIB, HPS, 2, "Enthalpy", Enthalpy, "Pressure", Pressure, "Entropy", Entropy) SEP() \
    ROW(LIB, VPS, 2, "Volume", Volume, "Pressure", Pressure, "Entropy", Entropy) SEP() \
    ROW(LIB, DPS, 2, "Density", Density, "Pressure", Pressure, "Entropy", Entropy) SEP() \
    ROW(LIB, XTH, 2, "Vapor Fraction", VapourFraction, "Temperature", Temperature, "Enthalpy", Enthalpy) SEP() \
    ROW(LIB, XTS, 2, "Vapor Fraction", VapourFraction, "Temperature", Temperature, "Entropy", Entropy) SEP() \
    ROW(LIB, CpPT, 2, "IsobarHeatCap", HeatCapacity, "Pressure", Pressure, "Temperature", Temperature) SEP() \
    ROW(LIB, CvPT, 2, "IsochorHeatCap", HeatCapacity, "Pressure", Pressure, "Temperature", Temperature) SEP() \
    ROW(LIB, KPT, 2, "IsentrExp", Undefined, "Pressure", Pressure, "Temperature", Temperature) SEP() \
    ROW(LIB, WPT, 2, "Sonic Velocity", Velocity, "Pressure", Pressure, "Temperature", Temperature)

// The compressibility factor (the hydrogen libraries register it after WPT).
#define KX_FUNCTIONS_COMPRESSIBILITY(ROW, LIB, SEP) \
    ROW(LIB, ZPT, 2, "Compressibility", Compressibility, "Pressure", Pressure, "Temperature", Temperature)

// Surface tension and the transport properties, in the order of the water and steam library.
#define KX_FUNCTIONS_TRANSPORT(ROW, LIB, SEP) \
    ROW(LIB, STT, 1, "SurfaceTension", SurfaceTension, "Temperature", Temperature, "", Undefined) SEP() \
    ROW(LIB, TCPT, 2, "ThermalCond", ThermalCond, "Pressure", Pressure, "Temperature", Temperature) SEP() \
    ROW(LIB, DVPT, 2, "DynVisc", DynVisc, "Pressure", Pressure, "Temperature", Temperature) SEP() \
    ROW(LIB, KVPT, 2, "KinVisc", KinVisc, "Pressure", Pressure, "Temperature", Temperature) SEP() \
    ROW(LIB, PrPT, 2, "Prandtl", Prandtl, "Pressure", Pressure, "Temperature", Temperature)

// The bubble and dew lines of a refrigerant blend, appended by the blend libraries after the
// functions every fluid library has: bubble and dew pressure from temperature, bubble and dew
// temperature from pressure, and the temperature glide (dew minus bubble temperature, K) at a
// pressure. The catalogue has no quantity of a temperature difference, so the glide is a
// temperature.
#define KX_FUNCTIONS_BLEND(ROW, LIB, SEP) \
    ROW(LIB, PbubT, 1, "Bubble Pressure", Pressure, "Temperature", Temperature, "", Undefined) SEP() \
    ROW(LIB, PdewT, 1, "Dew Pressure", Pressure, "Temperature", Temperature, "", Undefined) SEP() \
    ROW(LIB, TbubP, 1, "Bubble Temperature", Temperature, "Pressure", Pressure, "", Undefined) SEP() \
    ROW(LIB, TdewP, 1, "Dew Temperature", Temperature, "Pressure", Pressure, "", Undefined) SEP() \
    ROW(LIB, TglideP, 1, "Temperature Glide (K)", Undefined, "Pressure", Pressure, "", Undefined) SEP() \
    ROW(LIB, PTX, 2, "Pressure", Pressure, "Temperature", Temperature, "Vapor Fraction", VapourFraction)

// The mixture libraries' own functions, rows of three arguments as the humid-air rows: the
// compositions of the incipient phases (the mole fraction of one component, its index, 1 for the
// first component of the library's information, as the last argument; Y: the vapour at the
// bubble point, X: the liquid at the dew point, at a temperature or a pressure), the temperature
// of the two-phase state (p, x), and the compositions of its liquid (XL) and vapour (YV) at (p, x)
// and at (T, x); the vapour fraction of the feed at (p, T).
#define KX_FUNCTIONS_MIXTURE(ROW, LIB, SEP) \
    ROW(LIB, YbubT, 2, "Vapour Mole Fraction", MoleFraction, "Temperature", Temperature, "Component", Undefined, "", Undefined) SEP() \
    ROW(LIB, XdewT, 2, "Liquid Mole Fraction", MoleFraction, "Temperature", Temperature, "Component", Undefined, "", Undefined) SEP() \
    ROW(LIB, YbubP, 2, "Vapour Mole Fraction", MoleFraction, "Pressure", Pressure, "Component", Undefined, "", Undefined) SEP() \
    ROW(LIB, XdewP, 2, "Liquid Mole Fraction", MoleFraction, "Pressure", Pressure, "Component", Undefined, "", Undefined) SEP() \
    ROW(LIB, TPX, 2, "Temperature", Temperature, "Pressure", Pressure, "Vapor Fraction", VapourFraction, "", Undefined) SEP() \
    ROW(LIB, XLPX, 3, "Liquid Mole Fraction", MoleFraction, "Pressure", Pressure, "Vapor Fraction", VapourFraction, "Component", Undefined) SEP() \
    ROW(LIB, YVPX, 3, "Vapour Mole Fraction", MoleFraction, "Pressure", Pressure, "Vapor Fraction", VapourFraction, "Component", Undefined) SEP() \
    ROW(LIB, XLTX, 3, "Liquid Mole Fraction", MoleFraction, "Temperature", Temperature, "Vapor Fraction", VapourFraction, "Component", Undefined) SEP() \
    ROW(LIB, YVTX, 3, "Vapour Mole Fraction", MoleFraction, "Temperature", Temperature, "Vapor Fraction", VapourFraction, "Component", Undefined) SEP() \
    ROW(LIB, XPT, 2, "Vapor Fraction", VapourFraction, "Pressure", Pressure, "Temperature", Temperature, "", Undefined)

// The binary-pair mixture libraries, one per pair of components at a composition the caller
// chooses: every function takes the mole fraction of the first component as its last argument.
// The bubble and dew lines and their glide, the first component's mole fraction in the incipient
// phase (Y: the vapour at the bubble point, X: the liquid at the dew point), the single-phase
// properties at (p, T) and the molar mass. Rows of three arguments as the humid-air rows.
#define KX_FUNCTIONS_MIXTURE_PAIR(ROW, LIB, SEP) \
    ROW(LIB, PbubT, 2, "Bubble Pressure", Pressure, "Temperature", Temperature, "Mole Fraction", MoleFraction, "", Undefined) SEP() \
    ROW(LIB, PdewT, 2, "Dew Pressure", Pressure, "Temperature", Temperature, "Mole Fraction", MoleFraction, "", Undefined) SEP() \
    ROW(LIB, TbubP, 2, "Bubble Temperature", Temperature, "Pressure", Pressure, "Mole Fraction", MoleFraction, "", Undefined) SEP() \
    ROW(LIB, TdewP, 2, "Dew Temperature", Temperature, "Pressure", Pressure, "Mole Fraction", MoleFraction, "", Undefined) SEP() \
    ROW(LIB, TglideP, 2, "Temperature Glide (K)", Undefined, "Pressure", Pressure, "Mole Fraction", MoleFraction, "", Undefined) SEP() \
    ROW(LIB, YbubT, 2, "Vapour Mole Fraction", MoleFraction, "Temperature", Temperature, "Mole Fraction", MoleFraction, "", Undefined) SEP() \
    ROW(LIB, YbubP, 2, "Vapour Mole Fraction", MoleFraction, "Pressure", Pressure, "Mole Fraction", MoleFraction, "", Undefined) SEP() \
    ROW(LIB, XdewT, 2, "Liquid Mole Fraction", MoleFraction, "Temperature", Temperature, "Mole Fraction", MoleFraction, "", Undefined) SEP() \
    ROW(LIB, XdewP, 2, "Liquid Mole Fraction", MoleFraction, "Pressure", Pressure, "Mole Fraction", MoleFraction, "", Undefined) SEP() \
    ROW(LIB, DPT, 3, "Density", Density, "Pressure", Pressure, "Temperature", Temperature, "Mole Fraction", MoleFraction) SEP() \
    ROW(LIB, HPT, 3, "Enthalpy", Enthalpy, "Pressure", Pressure, "Temperature", Temperature, "Mole Fraction", MoleFraction) SEP() \
    ROW(LIB, SPT, 3, "Entropy", Entropy, "Pressure", Pressure, "Temperature", Temperature, "Mole Fraction", MoleFraction) SEP() \
    ROW(LIB, CpPT, 3, "IsobarHeatCap", HeatCapacity, "Pressure", Pressure, "Temperature", Temperature, "Mole Fraction", MoleFraction) SEP() \
    ROW(LIB, CvPT, 3, "IsochorHeatCap", HeatCapacity, "Pressure", Pressure, "Temperature", Temperature, "Mole Fraction", MoleFraction) SEP() \
    ROW(LIB, WPT, 3, "Sonic Velocity", Velocity, "Pressure", Pressure, "Temperature", Temperature, "Mole Fraction", MoleFraction) SEP() \
    ROW(LIB, MM, 1, "Molar Mass", MolarMass, "Mole Fraction", MoleFraction, "", Undefined, "", Undefined)

// The constants, registered last by the water and steam library.
#define KX_FUNCTIONS_CONSTANTS(ROW, LIB, SEP) \
    ROW(LIB, MM, 0, "Molar Mass", MolarMass, "", Undefined, "", Undefined) SEP() \
    ROW(LIB, Pc, 0, "Pressure", Pressure, "", Undefined, "", Undefined) SEP() \
    ROW(LIB, Tc, 0, "Temperature", Temperature, "", Undefined, "", Undefined) SEP() \
    ROW(LIB, Pt, 0, "Pressure", Pressure, "", Undefined, "", Undefined) SEP() \
    ROW(LIB, Tt, 0, "Temperature", Temperature, "", Undefined, "", Undefined)

// Humid air, per kg of dry air (W kg water/kg dry air, h kJ/kg dry air, s and cp kJ/(kg dry air
// K), v m3/kg dry air; the density is of the moist air). Rows of three arguments:
// ROW(LIB, NAME, ARITY, YNAME, YQ, X1NAME, X1Q, X2NAME, X2Q, X3NAME, X3Q). The humid-air
// libraries register their own subsets, in this order.
#define KX_FUNCTIONS_HUMID_AIR(ROW, LIB, SEP) \
    ROW(LIB, WPTR, 3, "Humidity Ratio", HumidityRatio, "Pressure", Pressure, "Temperature", Temperature, "Relative Humidity", RelativeHumidity) SEP() \
    ROW(LIB, WPTTd, 3, "Humidity Ratio", HumidityRatio, "Pressure", Pressure, "Temperature", Temperature, "Dew Point", Temperature) SEP() \
    ROW(LIB, WPTTwb, 3, "Humidity Ratio", HumidityRatio, "Pressure", Pressure, "Temperature", Temperature, "Wet Bulb", Temperature) SEP() \
    ROW(LIB, RPTW, 3, "Relative Humidity", RelativeHumidity, "Pressure", Pressure, "Temperature", Temperature, "Humidity Ratio", HumidityRatio) SEP() \
    ROW(LIB, TdPW, 2, "Dew Point", Temperature, "Pressure", Pressure, "Humidity Ratio", HumidityRatio, "", Undefined) SEP() \
    ROW(LIB, TwbPTW, 3, "Wet Bulb", Temperature, "Pressure", Pressure, "Temperature", Temperature, "Humidity Ratio", HumidityRatio) SEP() \
    ROW(LIB, TPHW, 3, "Temperature", Temperature, "Pressure", Pressure, "Enthalpy", Enthalpy, "Humidity Ratio", HumidityRatio) SEP() \
    ROW(LIB, HPTW, 3, "Enthalpy", Enthalpy, "Pressure", Pressure, "Temperature", Temperature, "Humidity Ratio", HumidityRatio) SEP() \
    ROW(LIB, SPTW, 3, "Entropy", Entropy, "Pressure", Pressure, "Temperature", Temperature, "Humidity Ratio", HumidityRatio) SEP() \
    ROW(LIB, VPTW, 3, "Volume", Volume, "Pressure", Pressure, "Temperature", Temperature, "Humidity Ratio", HumidityRatio) SEP() \
    ROW(LIB, DPTW, 3, "Density", Density, "Pressure", Pressure, "Temperature", Temperature, "Humidity Ratio", HumidityRatio) SEP() \
    ROW(LIB, CpPTW, 3, "IsobarHeatCap", HeatCapacity, "Pressure", Pressure, "Temperature", Temperature, "Humidity Ratio", HumidityRatio) SEP() \
    ROW(LIB, WsPT, 2, "Humidity Ratio", HumidityRatio, "Pressure", Pressure, "Temperature", Temperature, "", Undefined) SEP() \
    ROW(LIB, HsPT, 2, "Enthalpy", Enthalpy, "Pressure", Pressure, "Temperature", Temperature, "", Undefined) SEP() \
    ROW(LIB, PwsT, 1, "Pressure", Pressure, "Temperature", Temperature, "", Undefined, "", Undefined) SEP() \
    ROW(LIB, MuPTW, 3, "Degree of Saturation", RelativeHumidity, "Pressure", Pressure, "Temperature", Temperature, "Humidity Ratio", HumidityRatio) SEP() \
    ROW(LIB, PsiPTW, 3, "Mole Fraction", MoleFraction, "Pressure", Pressure, "Temperature", Temperature, "Humidity Ratio", HumidityRatio) SEP() \
    ROW(LIB, DVPTW, 3, "DynVisc", DynVisc, "Pressure", Pressure, "Temperature", Temperature, "Humidity Ratio", HumidityRatio) SEP() \
    ROW(LIB, TCPTW, 3, "ThermalCond", ThermalCond, "Pressure", Pressure, "Temperature", Temperature, "Humidity Ratio", HumidityRatio) SEP() \
    ROW(LIB, PZ, 1, "Pressure", Pressure, "Altitude", Length, "", Undefined, "", Undefined)
// clang-format on

// Separators between rows.
#define KX_FUNCTION_SEP_NONE()
#define KX_FUNCTION_SEP_COMMA() ,

// ---- Rows to declarations: double LIB_NAME(arguments..., errorText, capacity, errorCode); ----
#define KX_FUNCTION_DECLARE_0(LIB, NAME) \
    double LIB##_##NAME(char* errorText, int32_t capacity, int32_t* errorCode);
#define KX_FUNCTION_DECLARE_1(LIB, NAME) \
    double LIB##_##NAME(double x1, char* errorText, int32_t capacity, int32_t* errorCode);
#define KX_FUNCTION_DECLARE_2(LIB, NAME)                                         \
    double LIB##_##NAME(double x1, double x2, char* errorText, int32_t capacity, \
                        int32_t* errorCode);
#define KX_FUNCTION_DECLARE_3(LIB, NAME)                                                    \
    double LIB##_##NAME(double x1, double x2, double x3, char* errorText, int32_t capacity, \
                        int32_t* errorCode);
#define KX_FUNCTION_DECLARE_ROW(LIB, NAME, ARITY, ...) KX_FUNCTION_DECLARE_##ARITY(LIB, NAME)

// ---- Rows to registration entries: {"NAME", {.Unary = &LIB_NAME}} ----
// One line each: the formatter would split the braced initialisers over five lines.
// clang-format off
#define KX_FUNCTION_ENTRY_0(LIB, NAME) TKXLibraryEntry{#NAME, TKXFunctionPtr{.Constant = &LIB##_##NAME}}
#define KX_FUNCTION_ENTRY_1(LIB, NAME) TKXLibraryEntry{#NAME, TKXFunctionPtr{.Unary = &LIB##_##NAME}}
#define KX_FUNCTION_ENTRY_2(LIB, NAME) TKXLibraryEntry{#NAME, TKXFunctionPtr{.Binary = &LIB##_##NAME}}
#define KX_FUNCTION_ENTRY_3(LIB, NAME) TKXLibraryEntry{#NAME, TKXFunctionPtr{.Ternary = &LIB##_##NAME}}
// clang-format on
#define KX_FUNCTION_ENTRY_ROW(LIB, NAME, ARITY, ...) KX_FUNCTION_ENTRY_##ARITY(LIB, NAME)

// Declarations and entries of one group for one library.
#define KX_DECLARE_FUNCTIONS(GROUP, LIB) GROUP(KX_FUNCTION_DECLARE_ROW, LIB, KX_FUNCTION_SEP_NONE)
#define KX_FUNCTION_ENTRIES(GROUP, LIB) GROUP(KX_FUNCTION_ENTRY_ROW, LIB, KX_FUNCTION_SEP_COMMA)
