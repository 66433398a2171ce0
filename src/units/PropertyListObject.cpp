#include "PropertyListObject.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

struct TQuantityRow {
    const char* Name;
    int32_t Index;
    const char* StandardUnit;
    const char* SIUnit;
    const char* EngUnit;
};

// Quantities in the order shown to the user; index 48 follows 41 (42 to 47 are unused).
static constexpr TQuantityRow QuantityRows[] = {
    {"Undefined", 0, "-", "-", "-"},
    {"Pressure Differential", 1, "mbar", "bar", "mmHg"},
    {"Absolute Pressure", 2, "bar(a)", "bar(a)", "psi(a)"},
    {"Gauge Pressure", 3, "bar(g)", "bar(g)", "psi(g)"},
    {"Enthalpy", 4, "kJ/kg", "kJ/kg", "BTU/lb"},
    {"Entropy", 5, "kJ/kgK", "kJ/kgK", "BTU/lbF"},
    {"Energy", 6, "kJ", "kJ", "BTU"},
    {"Power", 7, "kW", "kW", "HP"},
    {"Heat Flow", 8, "kW", "kW", "BTU/h"},
    {"Heating Value", 9, "MJ/m3", "kJ/m3", "BTU/ft3"},
    {"Heat Rate", 10, "kJ/kWh", "kJ/kWh", "BTU/HPh"},
    {"Heat Capacity", 11, "kJ/kgK", "kJ/kgK", "BTU/lbF"},
    {"Heat Transfer Coefficient", 12, "kW/Km2", "W/Km2", "BTU/hft2F"},
    {"Mass", 13, "kg", "kg", "lb"},
    {"Mass Flow", 14, "kg/s", "kg/s", "lb/s"},
    {"Density", 15, "kg/m3", "kg/m3", "lb/ft3"},
    {"Specific Volume", 16, "m3/kg", "m3/kg", "ft3/lb"},
    {"Dynamic Viscosity", 17, "Pa.s", "Pa.s", "lbm/fts"},
    {"Kinematic Viscosity", 18, "m2/s", "m2/s", "lbm/fth"},
    {"Current", 19, "A", "A", "A"},
    {"Voltage", 20, "V", "V", "V"},
    {"Angle", 21, "°", "rad", "DEG"},
    {"Rotational Speed", 22, "rpm", "rad/s", "rpm"},
    {"Acceleration", 23, "m/s2", "m/s2", "ft/s2"},
    {"Length", 24, "m", "m", "inch"},
    {"Surface", 25, "m2", "m2", "ft2"},
    {"Volume", 26, "m3", "m3", "cf"},
    {"Velocity", 27, "m/s", "m/s", "ft/s"},
    {"Volume Flow", 28, "m3/s", "m3/s", "cf/s"},
    {"Normalized Volume", 29, "Norm.m3", "Norm.m3", "scf"},
    {"Gas Constant", 30, "kJ/kgK", "kJ/kgK", "BTU/lb°R"},
    {"Temperature", 31, "°C", "°C", "°F"},
    {"Torque", 32, "Nm", "Nm", "lbft"},
    {"Force", 33, "N", "N", "lb(force)"},
    {"Vapour Fraction", 34, "-", "-", "Dec"},
    {"Thermal Conductivity", 35, "W/mK", "W/mK", "BTU/hftF"},
    {"Prandtl Number", 36, "-", "-", "-"},
    {"Surface Tension", 37, "N/m", "N/m", "lb/ft"},
    {"Molar Mass", 38, "kg/kmol", "kg/kmol", "lb/kmol"},
    {"Electric Conductivity", 39, "mS/cm", "mS/cm", "mS/Inch"},
    {"Joule Thomson Coefficient", 40, "K/bar", "K/bar", "°F/psi"},
    {"Thermal Expansion", 41, "1/K", "1/K", "1/°F"},
    {"Compressibility", 48, "-", "-", "-"},
};

struct TUnitRow {
    const char* Name;
    int32_t Property;
    double Offset;
    double Factor;
    TUnitKind Kind = TUnitKind::Linear;
};

// Units of every quantity, standard unit first: value_in_unit = Factor * value + Offset
// (Factor / value for the reciprocal kind).
// Factors derive from the customary base constants ft = 0.3048 m, in = 0.0254 m (international
// yard and pound, 1959), lb = 0.4535924 kg, g = 9.80665 m/s2 (standard gravity, CGPM 1901),
// psi = 0.06894757749178498 bar, BTU = 1.055056 kJ (International Table), HP = 0.7456999 kW,
// UKgal = 0.00454609 m3, USgal = 0.003785412 m3; the comment gives the expression, evaluated
// left to right and rounded to double once. The name "kip " ends in a blank that belongs to it.
static constexpr TUnitRow UnitRows[] = {
    {"-", 0, 0, 1},
    {"mbar", 1, 0, 1},
    {"bar", 1, 0, 0.001},
    {"psi", 1, 0, 0.014503772813760552},             // 0.001/psi
    {"lb/ft2", 1, 0, 2.0885432851815193},            // (144/psi)*0.001
    {"inch Hg@(32°F)", 1, 0, 0.029530068897637797},  // (0.75006375/in)*0.001
    {"mm Hg(@0°C)", 1, 0, 0.75006375},
    {"ft H2O(@39.2°F)", 1, 0, 0.03345525633129686},    // ((100/g)/ft)*0.001
    {"inch H2O(@39.2°F)", 1, 0, 0.40146307597556236},  // ((100/g)/in)*0.001
    {"mm H2O(@4°C)", 1, 0, 10.197162129779283},        // (100000/g)*0.001
    {"Pa", 1, 0, 100},
    {"kPa", 1, 0, 0.1},
    {"MPa", 1, 0, 0.0001},
    {"atm", 1, 0, 0.0009869232667160128},
    {"Torr", 1, 0, 0.75006375},
    {"kg/cm2", 1, 0, 0.0010197162129779282},  // (10/g)*0.001
    {"at", 1, 0, 0.0010197162129779282},      // (10/g)*0.001
    {"bar(a)", 2, 0, 1},
    {"psi(a)", 2, 0, 14.503772813760552},             // 1/psi
    {"lb/ft2(a)", 2, 0, 2088.5432851815194},          // 144/psi
    {"inch Hg@(a)(32°F)", 2, 0, 29.530068897637797},  // 0.75006375/in
    {"mm Hg(a)(@0°C)", 2, 0, 750.06375},
    {"ft H2O(a)(@39.2°F)", 2, 0, 33.45525633129686},     // (100/g)/ft
    {"inch H2O(a)(@39.2°F)", 2, 0, 401.46307597556233},  // (100/g)/in
    {"mm H2O(a)(@4°C)", 2, 0, 10197.162129779283},       // 100000/g
    {"Pa(a)", 2, 0, 100000},
    {"kPa(a)", 2, 0, 100},
    {"MPa(a)", 2, 0, 0.1},
    {"mbar(a)", 2, 0, 1000},
    {"atm(a)", 2, 0, 0.9869232667160128},
    {"Torr(a)", 2, 0, 750.06375},
    {"kg/cm2(a)", 2, 0, 1.0197162129779282},  // 10/g
    {"ata", 2, 0, 1.0197162129779282},        // 10/g
    {"bar(g)", 3, 0, 1},
    {"psi(g)", 3, 0, 14.503772813760552},             // 1/psi
    {"lb/ft2(g)", 3, 0, 2088.5432851815194},          // 144/psi
    {"inch Hg@(g)(32°F)", 3, 0, 29.530068897637797},  // 0.75006375/in
    {"mm Hg(g)(@0°C)", 3, 0, 750.06375},
    {"ft H2O(g)(@39.2°F)", 3, 0, 33.45525633129686},     // (100/g)/ft
    {"inch H2O(g)(@39.2°F)", 3, 0, 401.46307597556233},  // (100/g)/in
    {"mm H2O(g)(@0°C)", 3, 0, 10197.162129779283},       // 100000/g
    {"Pa(g)", 3, 0, 100000},
    {"kPa(g)", 3, 0, 100},
    {"MPa(g)", 3, 0, 0.1},
    {"mbar(g)", 3, 0, 1000},
    {"atm(g)", 3, 0, 0.9869232667160128},
    {"Torr(g)", 3, 0, 750.06375},
    {"kg/cm2(g)", 3, 0, 1.0197162129779282},  // 10/g
    {"ato", 3, 0, 1.0197162129779282},        // 10/g
    {"kJ/kg", 4, 0, 1},
    {"BTU/lb", 4, 0, 0.4299225823084272},    // lb/BTU
    {"ft (Head)", 4, 0, 334.5525633129686},  // (1000/g)/ft
    {"m (Head)", 4, 0, 101.97162129779284},  // 1000/g
    {"kJ/kgK", 5, 0, 1},
    {"BTU/lbF", 5, 0, 0.23884587906023735},  // (lb/1.8)/BTU
    {"kJ", 6, 0, 1},
    {"MJ", 6, 0, 0.001},
    {"kWh", 6, 0, 0.0002777777777777778},
    {"BTU", 6, 0, 0.9478169879134378},     // 1/BTU
    {"HPh", 6, 0, 0.0003725061218028563},  // (1/HP)/3600
    {"kcal", 6, 0, 0.23884589662749595},
    {"kW", 7, 0, 1},
    {"HP", 7, 0, 1.341022038490283},  // 1/HP
    {"pk", 7, 0, 1.3596211551613258},
    {"ft.lb(force)/s", 7, 0, 737.5621004958826},  // 1000/((ft*g)*lb)
    {"ft.lb(force)/m", 7, 0, 44253.72602975296},  // 60000/((ft*g)*lb)
    {"kW", 8, 0, 1},
    {"MW", 8, 0, 0.001},
    {"BTU/s", 8, 0, 0.9478169879134378},  // 1/BTU
    {"BTU/m", 8, 0, 56.86901927480627},   // 60/BTU
    {"BTU/h", 8, 0, 3412.141156488376},   // 3600/BTU
    {"BoilerHP", 8, 0, 0.1019367991845056},
    {"MJ/m3", 9, 0, 1},
    {"BTU/ft3", 9, 0, 26.83918824403634},  // (((1000*ft)*ft)*ft)/BTU
    {"kJ/kWh", 10, 0, 1},
    {"BTU/kWh", 10, 0, 0.9478169879134378},          // 1/BTU
    {"BTU/HPh", 10, 0, 0.7067870331053517},          // HP/BTU
    {"eff%", 10, 0, 360000, TUnitKind::Reciprocal},  // efficiency % = 360000 / heat rate
    {"kJ/kgK", 11, 0, 1},
    {"BTU/lbF", 11, 0, 0.23884587906023735},  // (lb/1.8)/BTU
    {"kW/m2K", 12, 0, 1},
    {"BTU/ft2°Fh", 12, 0, 176.11015908160326},  // (((3600*ft)*ft)/1.8)/BTU
    {"kg", 13, 0, 1},
    {"lb", 13, 0, 2.2046224760379585},  // 1/lb
    {"gr", 13, 0, 15432.358},
    {"oz", 13, 0, 35.274},
    {"stone", 13, 0, 0.157473},
    {"metric ton", 13, 0, 0.001},
    {"long(UK) ton", 13, 0, 0.0009842064392690496},
    {"short(US) ton", 13, 0, 0.001102311359527999},
    {"kg/s", 14, 0, 1},
    {"kg/h", 14, 0, 3600},
    {"lb/s", 14, 0, 2.2046224760379585},  // 1/lb
    {"oz/s", 14, 0, 35.274},
    {"Ton/day", 14, 0, 86.4},
    {"kg/m3", 15, 0, 1},
    {"lb/in3", 15, 0, 3.612728961067248e-05},  // ((in*in)*in)/lb
    {"lb/ft3", 15, 0, 0.06242795644724207},    // ((ft*ft)*ft)/lb
    {"oz/in3", 15, 0, 0.00057797174728},       // ((35.27*in)*in)*in
    {"oz/ft3", 15, 0, 0.9987351792998401},     // ((35.27*ft)*ft)*ft
    {"m3/kg", 16, 0, 1},
    {"ft3/lb", 16, 0, 16.01846443340014},    // ((lb/ft)/ft)/ft
    {"USgal/lb", 16, 0, 119.8264284046228},  // lb/USgal
    {"UKgal/lb", 16, 0, 99.77637926217915},  // lb/UKgal
    {"Pa.s", 17, 0, 1},
    {"lb/(ft.s)", 17, 0, 0.6719689306963698},         // ft/lb
    {"lb/(ft.h)", 17, 0, 2419.088150506931},          // (3600*ft)/lb
    {"lb(force)s/ft2", 17, 0, 0.020885432851815197},  // (ft*ft)/(g*lb)
    {"P", 17, 0, 10},
    {"cP", 17, 0, 1000},
    {"kg/m.s", 17, 0, 1},
    {"m2/s", 18, 0, 1},
    {"ft2/s", 18, 0, 10.763910416709722},  // (1/ft)/ft
    {"St", 18, 0, 10000},
    {"cSt", 18, 0, 1000000},
    {"A", 19, 0, 1},
    {"kA", 19, 0, 0.001},
    {"V", 20, 0, 1},
    {"kV", 20, 0, 0.001},
    {"°", 21, 0, 1},
    {"deg(angle)", 21, 0, 1},
    {"rad", 21, 0, 0.01745329237161969},
    {"grad(dec)", 21, 0, 1.1111111111111112},
    {"rpm", 22, 0, 1},
    {"rad/sec", 22, 0, 0.10471975511965978},
    {"Hz", 22, 0, 0.016666666666666666},
    {"m/s2", 23, 0, 1},
    {"inch/s2", 23, 0, 39.37007874015748},  // 1/in
    {"ft/s2", 23, 0, 3.280839895013123},    // 1/ft
    {"m", 24, 0, 1},
    {"mm", 24, 0, 1000},
    {"inch", 24, 0, 39.37007874015748},  // 1/in
    {"ft", 24, 0, 3.280839895013123},    // 1/ft
    {"yard", 24, 0, 1.0936},
    {"mile", 24, 0, 0.0006213711922373339},
    {"NauticMile", 24, 0, 0.0005396654074473826},
    {"Rod", 24, 0, 0.19883878151594686},
    {"m2", 25, 0, 1},
    {"inch2", 25, 0, 1550.0031000062002},  // (1/in)/in
    {"ft2", 25, 0, 10.763910416709722},    // (1/ft)/ft
    {"m3", 26, 0, 1},
    {"inch3", 26, 0, 61023.74409473229},      // ((1/in)/in)/in
    {"ft3", 26, 0, 35.314666721488585},       // ((1/ft)/ft)/ft
    {"UKgal", 26, 0, 219.96924829908778},     // 1/UKgal
    {"USgal", 26, 0, 264.1720372841846},      // 1/USgal
    {"quart", 26, 0, 1056.6881491367385},     // 4/USgal
    {"Imp Pint", 26, 0, 1759.7539863927022},  // 8/UKgal
    {"UK Barrel", 26, 0, 6.110601894286587},  // barrels per m3
    {"US Barrel", 26, 0, 8.386447500838645},
    {"PetrBarrel", 26, 0, 6.298934850116845},
    {"bbl", 26, 0, 6.289822438312567},
    {"m/s", 27, 0, 1},
    {"inch/s", 27, 0, 39.37007874015748},  // 1/in
    {"ft/s", 27, 0, 3.280839895013123},    // 1/ft
    {"yard/s", 27, 0, 1.0936},
    {"mile/h", 27, 0, 2.2369362920544025},
    {"knots", 27, 0, 1.9440124416796267},
    {"Mach(0°C)", 27, 0, 0.002998824460811362},
    {"km/h", 27, 0, 3.6},
    {"m3/s", 28, 0, 1},
    {"m3/h", 28, 0, 3600},
    {"inch3/s", 28, 0, 61023.74409473229},        // ((1/in)/in)/in
    {"ft3/s", 28, 0, 35.314666721488585},         // ((1/ft)/ft)/ft
    {"CFM (ft3/min)", 28, 0, 2118.880003289315},  // ((60/ft)/ft)/ft
    {"CFH (ft3/h)", 28, 0, 127132.80019735891},   // ((3600/ft)/ft)/ft
    {"UKgal/h", 28, 0, 791889.293876716},         // 3600/UKgal
    {"USgal/h", 28, 0, 951019.3342230647},        // 3600/USgal
    {"UKgal/min", 28, 0, 13198.154897945267},     // 60/UKgal
    {"USgal/min", 28, 0, 15850.32223705108},      // 60/USgal
    {"MIGD", 28, 0, 19.005343053041184},          // (86400/UKgal)/1000000
    {"Nm3", 29, 0, 1},
    {"scf", 29, 0, 37.32579},
    {"Sm3", 29, 0, 1.06871201928},  // Sm3 per Nm3
    {"kJ/kgK", 30, 0, 1},
    {"BTU/lbR", 30, 0, 0.23884587906023735},  // (lb/1.8)/BTU
    // (((((lb/1.8)/psi)/ft)/ft)/ft)/100: one bar m3 is 100 kJ
    {"psi.ft3/lbR", 30, 0, 1.2907120498185515},
    {"ft.lb(force)/lbR", 30, 0, 185.86253517387144},  // (555.5555555555555/ft)/g
    {"°C", 31, 0, 1},
    {"°F", 31, 32, 1.8},
    {"K", 31, 273.15, 1},
    {"°R", 31, 491.67, 1.8},
    {"°Reaumur", 31, 0, 0.8},
    {"Nm", 32, 0, 1},
    {"ft.lb(force)", 32, 0, 0.7375621004958826},  // (1/(g*lb))/ft
    {"in.lb(force)", 32, 0, 8.850745205950592},   // (1/(g*lb))/in
    {"N", 33, 0, 1},
    {"lb(force)", 33, 0, 0.22480892823114504},  // 1/(g*lb)
    {"kg(force)", 33, 0, 0.10197162129779283},  // 1/g
    {"kip ", 33, 0, 0.00022480892823114503},    // 1/((1000*g)*lb)
    {"-", 34, 0, 1},
    {"Dec [%]", 34, 0, 100},
    {"W/mK", 35, 0, 1},
    {"BTU/hFft", 35, 0, 0.5777892358320317},  // (((3600*ft)/1.8)/BTU)/1000
    {"-", 36, 0, 1},
    {"N/m", 37, 0, 1},
    {"lb(force)/inch", 37, 0, 0.005710146777071084},  // in/(g*lb)
    {"lb(force)/ft", 37, 0, 0.068521761324853},       // ft/(g*lb)
    {"kg/kmol", 38, 0, 1},
    {"lb/kmol", 38, 0, 2.2046224760379585},  // 1/lb
    {"mS/cm", 39, 0, 1},
    {"mS/Inch", 39, 0, 2.54},  // mS per inch from mS per cm: 1 mS/cm = 2.54 mS/inch
    {"K/bar", 40, 0, 1},
    {"K/MPa", 40, 0, 10},
    {"°F/psi", 40, 0, 0.12410563948521297},  // 1.8*psi
    {"1/K", 41, 0, 1},
    {"1/°F", 41, 0, 0.5555555555555556},
    {"-", 48, 0, 1},
};

// The neutral quantity returned for a position outside the list.
const TPropertyObject& EmptyProperty() {
    static const TPropertyObject empty;
    return empty;
}

}  // namespace

TPropertyObject::TPropertyObject(std::string propertyName, int32_t propertyIndex,
                                 std::string standardUnit, std::string siUnit, std::string engUnit)
    : PropertyName_(std::move(propertyName)),
      PropertyIndex_(propertyIndex),
      StandardUnit_(std::move(standardUnit)),
      SIUnit_(std::move(siUnit)),
      EngUnit_(std::move(engUnit)) {}

TPropertyList::TPropertyList() {
    Properties_.reserve(std::size(QuantityRows));
    for (const TQuantityRow& row : QuantityRows) {
        AddProperty(row.Name, row.Index, row.StandardUnit, row.SIUnit, row.EngUnit);
    }
    for (const TUnitRow& row : UnitRows) {
        if (row.Kind == TUnitKind::Reciprocal) {
            AddReciprocalUnit(row.Name, row.Property, row.Factor);
        } else {
            AddUnit(row.Name, row.Property, row.Offset, row.Factor);
        }
    }
}

void TPropertyList::AddProperty(const std::string& propertyName, int32_t propertyIndex,
                                const std::string& standardUnit, const std::string& siUnit,
                                const std::string& engUnit) {
    Properties_.emplace_back(propertyName, propertyIndex, standardUnit, siUnit, engUnit);
}

void TPropertyList::AddUnit(const std::string& name, int32_t baseProperty, double offset,
                            double factor) {
    AddUnitObject(TUnitObject(name, baseProperty, offset, factor, TUnitKind::Linear));
}

void TPropertyList::AddReciprocalUnit(const std::string& name, int32_t baseProperty,
                                      double factor) {
    AddUnitObject(TUnitObject(name, baseProperty, 0.0, factor, TUnitKind::Reciprocal));
}

void TPropertyList::AddUnitObject(TUnitObject unit) {
    if (unit.Factor() == 0.0 || !std::isfinite(unit.Factor()) || !std::isfinite(unit.Offset())) {
        return;
    }
    const int property = GetIndexFromPropertyIndex(unit.BaseProperty());
    if (property < 0) return;
    TUnitList& units = Properties_[property].UnitList();
    // Only the first unit of a name within a quantity can be found by name.
    const bool firstInQuantity = units.GetUnitIndex(unit.Name()) < 0;
    const int position = units.Count();
    const std::string name = unit.Name();
    units.Add(std::move(unit));
    if (!firstInQuantity) return;
    std::vector<TUnitPlace>& places = UnitPlaces_[name];
    const auto after =
        std::upper_bound(places.begin(), places.end(), property,
                         [](int value, const TUnitPlace& place) { return value < place.Property; });
    places.insert(after, TUnitPlace{property, position});
}

const std::vector<TPropertyList::TUnitPlace>* TPropertyList::PlacesOf(
    const std::string& unitName) const {
    const auto found = UnitPlaces_.find(unitName);
    if (found == UnitPlaces_.end() || found->second.empty()) return nullptr;
    return &found->second;
}

const TUnitObject& TPropertyList::UnitAt(const TUnitPlace& place) const {
    return Properties_[place.Property].UnitList().Units()[place.Unit];
}

const TUnitObject* TPropertyList::FirstUnitNamed(const std::string& unitName) const {
    const std::vector<TUnitPlace>* places = PlacesOf(unitName);
    return places ? &UnitAt(places->front()) : nullptr;
}

void TPropertyList::CreatePropertyList(std::vector<std::string>& list) const {
    list.clear();
    for (const TPropertyObject& property : Properties_) list.push_back(property.PropertyName());
}

int TPropertyList::GetIndexFromPropertyIndex(int32_t propertyIndex) const {
    for (std::size_t i = 0; i < Properties_.size(); ++i) {
        if (Properties_[i].PropertyIndex() == propertyIndex) return static_cast<int>(i);
    }
    return -1;
}

int TPropertyList::GetIndexFromPropertyName(const std::string& propertyName) const {
    for (std::size_t i = 0; i < Properties_.size(); ++i) {
        if (Properties_[i].PropertyName() == propertyName) return static_cast<int>(i);
    }
    return -1;
}

std::string TPropertyList::GetPropertyNameFromIndex(int32_t propertyIndex) const {
    const int position = GetIndexFromPropertyIndex(propertyIndex);
    return position < 0 ? std::string() : Properties_[position].PropertyName();
}

std::string TPropertyList::GetPropertyStandardUnit(int32_t propertyIndex, int unitSystem) const {
    const int position = GetIndexFromPropertyIndex(propertyIndex);
    if (position < 0) return std::string();
    if (unitSystem == KXUnitSystemSI) return Properties_[position].SIUnit();
    if (unitSystem == KXUnitSystemEngineering) return Properties_[position].EngUnit();
    return std::string();
}

namespace {

void FillUnitNames(std::vector<std::string>& list, const TUnitList& units) {
    for (const TUnitObject& unit : units.Units()) list.push_back(unit.Name());
}

}  // namespace

void TPropertyList::CreateUnitListFromPropertyIndex(std::vector<std::string>& list,
                                                    int32_t propertyIndex) const {
    list.clear();
    const int position = GetIndexFromPropertyIndex(propertyIndex);
    if (position >= 0) FillUnitNames(list, Properties_[position].UnitList());
}

void TPropertyList::CreateUnitListFromPropertyName(std::vector<std::string>& list,
                                                   const std::string& propertyName) const {
    list.clear();
    const int position = GetIndexFromPropertyName(propertyName);
    if (position >= 0) FillUnitNames(list, Properties_[position].UnitList());
}

int TPropertyList::GetIndexFromUnitName(const std::string& unitName) const {
    const std::vector<TUnitPlace>* places = PlacesOf(unitName);
    return places ? places->front().Property : -1;
}

bool TPropertyList::TryConvert(const std::string& unitName, const std::string& convertTo,
                               double value, double& result) const {
    result = 0.0;
    const std::vector<TUnitPlace>* fromPlaces = PlacesOf(unitName);
    const std::vector<TUnitPlace>* toPlaces = PlacesOf(convertTo);
    if (!fromPlaces || !toPlaces) return false;
    // A name shared by several quantities ("kW", "-", "kJ/kgK") must be read in the quantity
    // of the target unit, not merely the first quantity that has it: both lists are sorted by
    // quantity position, so walk them together to the first common quantity.
    auto from = fromPlaces->begin();
    auto to = toPlaces->begin();
    while (from != fromPlaces->end() && to != toPlaces->end()) {
        if (from->Property < to->Property) {
            ++from;
        } else if (to->Property < from->Property) {
            ++to;
        } else {
            return TryConvertBetweenUnits(UnitAt(*from), UnitAt(*to), value, result);
        }
    }
    return false;
}

bool TPropertyList::TryConvertToStandard(const std::string& unitName, double value,
                                         double& result) const {
    result = 0.0;
    const TUnitObject* unit = FirstUnitNamed(unitName);
    return unit && unit->TryConvertToBaseUnit(value, result);
}

bool TPropertyList::TryConvertFromStandard(const std::string& unitName, double value,
                                           double& result) const {
    result = 0.0;
    const TUnitObject* unit = FirstUnitNamed(unitName);
    return unit && unit->TryConvertFromBaseUnit(value, result);
}

double TPropertyList::Convert(const std::string& unitName, const std::string& convertTo,
                              double value) const {
    double result = 0.0;
    TryConvert(unitName, convertTo, value, result);  // leaves 0 on a fault
    return result;
}

double TPropertyList::ConvertToStandard(const std::string& unitName, double value) const {
    double result = 0.0;
    TryConvertToStandard(unitName, value, result);  // leaves 0 on a fault
    return result;
}

double TPropertyList::ConvertFromStandard(const std::string& unitName, double value) const {
    double result = 0.0;
    TryConvertFromStandard(unitName, value, result);  // leaves 0 on a fault
    return result;
}

int TPropertyList::PropertyIndexForUnit(const std::string& unitName) const {
    return GetIndexFromUnitName(unitName);
}

int32_t TPropertyList::BasePropertyForUnit(const std::string& unitName) const {
    const TUnitObject* unit = FirstUnitNamed(unitName);
    return unit ? unit->BaseProperty() : -1;
}

bool TPropertyList::IsValidUnitForBaseProperty(const std::string& unitStr,
                                               int32_t propertyIndex) const {
    const int position = GetIndexFromPropertyIndex(propertyIndex);
    return position >= 0 && Properties_[position].UnitList().GetUnitIndex(unitStr) >= 0;
}

bool TPropertyList::UnitExists(const std::string& unitName) const {
    return PlacesOf(unitName) != nullptr;
}

const TPropertyObject& TPropertyList::Property(int position) const {
    if (position < 0 || position >= Count()) return EmptyProperty();
    return Properties_[position];
}

int TPropertyList::UnitCount() const {
    int count = 0;
    for (const TPropertyObject& property : Properties_) count += property.UnitList().Count();
    return count;
}
