#include "KX_Function_Shapes.h"

#include <string>

namespace {
// Quantity indices of the catalogue used by the library functions.
constexpr int32_t Undefined = 0, Pressure = 2, Enthalpy = 4, Entropy = 5, HeatCapacity = 11,
                  Density = 15, Volume = 16, DynVisc = 17, KinVisc = 18, Velocity = 27,
                  Temperature = 31, VapourFraction = 34, ThermalCond = 35, Prandtl = 36,
                  SurfaceTension = 37, MolarMass = 38, Compressibility = 48;

constexpr TKXFunctionShape Shapes[] = {
    {"PsatT", 1, "Pressure", Pressure, "Temperature", Temperature, "", 0},
    {"TsatP", 1, "Temperature", Temperature, "Pressure", Pressure, "", 0},
    {"DTX", 2, "Density", Density, "Temperature", Temperature, "Vapor Fraction", VapourFraction},
    {"VTX", 2, "Volume", Volume, "Temperature", Temperature, "Vapor Fraction", VapourFraction},
    {"HTX", 2, "Enthalpy", Enthalpy, "Temperature", Temperature, "Vapor Fraction", VapourFraction},
    {"STX", 2, "Entropy", Entropy, "Temperature", Temperature, "Vapor Fraction", VapourFraction},
    {"DPX", 2, "Density", Density, "Pressure", Pressure, "Vapor Fraction", VapourFraction},
    {"VPX", 2, "Volume", Volume, "Pressure", Pressure, "Vapor Fraction", VapourFraction},
    {"HPX", 2, "Enthalpy", Enthalpy, "Pressure", Pressure, "Vapor Fraction", VapourFraction},
    {"SPX", 2, "Entropy", Entropy, "Pressure", Pressure, "Vapor Fraction", VapourFraction},
    {"DPT", 2, "Density", Density, "Pressure", Pressure, "Temperature", Temperature},
    {"VPT", 2, "Volume", Volume, "Pressure", Pressure, "Temperature", Temperature},
    {"HPT", 2, "Enthalpy", Enthalpy, "Pressure", Pressure, "Temperature", Temperature},
    {"SPT", 2, "Entropy", Entropy, "Pressure", Pressure, "Temperature", Temperature},
    {"TPH", 2, "Temperature", Temperature, "Pressure", Pressure, "Enthalpy", Enthalpy},
    {"XPH", 2, "Vapor Fraction", VapourFraction, "Pressure", Pressure, "Enthalpy", Enthalpy},
    {"SPH", 2, "Entropy", Entropy, "Pressure", Pressure, "Enthalpy", Enthalpy},
    {"VPH", 2, "Volume", Volume, "Pressure", Pressure, "Enthalpy", Enthalpy},
    {"DPH", 2, "Density", Density, "Pressure", Pressure, "Enthalpy", Enthalpy},
    {"TPS", 2, "Temperature", Temperature, "Pressure", Pressure, "Entropy", Entropy},
    {"XPS", 2, "Vapor Fraction", VapourFraction, "Pressure", Pressure, "Entropy", Entropy},
    {"HPS", 2, "Enthalpy", Enthalpy, "Pressure", Pressure, "Entropy", Entropy},
    {"VPS", 2, "Volume", Volume, "Pressure", Pressure, "Entropy", Entropy},
    {"DPS", 2, "Density", Density, "Pressure", Pressure, "Entropy", Entropy},
    {"XTH", 2, "Vapor Fraction", VapourFraction, "Temperature", Temperature, "Enthalpy", Enthalpy},
    {"XTS", 2, "Vapor Fraction", VapourFraction, "Temperature", Temperature, "Entropy", Entropy},
    {"CpPT", 2, "IsobarHeatCap", HeatCapacity, "Pressure", Pressure, "Temperature", Temperature},
    {"CvPT", 2, "IsochorHeatCap", HeatCapacity, "Pressure", Pressure, "Temperature", Temperature},
    {"KPT", 2, "IsentrExp", Undefined, "Pressure", Pressure, "Temperature", Temperature},
    {"WPT", 2, "Sonic Velocity", Velocity, "Pressure", Pressure, "Temperature", Temperature},
    {"ZPT", 2, "Compressibility", Compressibility, "Pressure", Pressure, "Temperature",
     Temperature},
    {"STT", 1, "SurfaceTension", SurfaceTension, "Temperature", Temperature, "", 0},
    {"TCPT", 2, "ThermalCond", ThermalCond, "Pressure", Pressure, "Temperature", Temperature},
    {"DVPT", 2, "DynVisc", DynVisc, "Pressure", Pressure, "Temperature", Temperature},
    {"KVPT", 2, "KinVisc", KinVisc, "Pressure", Pressure, "Temperature", Temperature},
    {"PrPT", 2, "Prandtl", Prandtl, "Pressure", Pressure, "Temperature", Temperature},
    {"MM", 0, "Molar Mass", MolarMass, "", 0, "", 0},
    {"Pc", 0, "Pressure", Pressure, "", 0, "", 0},
    {"Tc", 0, "Temperature", Temperature, "", 0, "", 0},
    {"Pt", 0, "Pressure", Pressure, "", 0, "", 0},
    {"Tt", 0, "Temperature", Temperature, "", 0, "", 0},
};
}  // namespace

std::span<const TKXFunctionShape> KXFunctionShapes() { return Shapes; }

const TKXFunctionShape* FindFunctionShape(std::string_view shortName) {
    for (const auto& s : Shapes)
        if (shortName == s.ShortName) return &s;
    return nullptr;
}

bool RegisterLibraryEntries(TKXLibrary& library, std::span<const TKXLibraryEntry> entries) {
    for (const auto& e : entries) {
        const TKXFunctionShape* s = FindFunctionShape(e.ShortName);
        if (!s) return false;
        const std::string name = library.Library_Name + "_" + e.ShortName;
        if (s->Arity == 0 && e.Ptr.Constant) {
            library.AddConstantFunction(name, s->YName, s->YUnit, e.Ptr.Constant);
        } else if (s->Arity == 1 && e.Ptr.Unary) {
            library.AddUnairyFunction(name, s->YName, s->YUnit, s->X1Name, s->X1Unit, e.Ptr.Unary);
        } else if (s->Arity == 2 && e.Ptr.Binary) {
            library.AddBinairyFunction(name, s->YName, s->YUnit, s->X1Name, s->X1Unit, s->X2Name,
                                       s->X2Unit, e.Ptr.Binary);
        } else {
            return false;
        }
    }
    return true;
}
