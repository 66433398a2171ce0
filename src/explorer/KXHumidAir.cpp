#include "KXHumidAir.h"

#include "KX_Function_Call.h"

TKXHumidAirFunctions::TKXHumidAirFunctions(const TKXLibraries& libraries, int libraryIndex) {
    const TKXLibrary* library = libraries.Library(libraryIndex);
    if (!library) return;
    Name = library->Library_Name;
    const std::string prefix = Name + "_";
    for (int f = 0; f < library->Count(); ++f) {
        const TKXPropertyFunction* function = library->Function(f);
        if (function->FunctionName.compare(0, prefix.size(), prefix) != 0) continue;
        const TKXFunctionPtr ptr = function->GetFunctionPtr();
        if (KXArity(ptr) < 0) continue;
        Functions.emplace(function->FunctionName.substr(prefix.size()), ptr);
    }
}

bool TKXHumidAirFunctions::Offers(const std::string& shortName) const {
    return Functions.count(shortName) != 0;
}

TKXAnswer TKXHumidAirFunctions::Call(const std::string& shortName, double x1, double x2,
                                     double x3) const {
    return KXCallShortName(Functions, Name, shortName, x1, x2, x3);
}

bool IsHumidAirLibrary(const TKXLibraries& libraries, int libraryIndex) {
    const TKXLibrary* library = libraries.Library(libraryIndex);
    return library && library->Info.Kind == TKXLibraryKind::HumidAir;
}

const std::vector<TKXHumidInputInfo>& AllHumidInputs() {
    static const std::vector<TKXHumidInputInfo> inputs = {
        {TKXHumidInput::RH, "RH", "Relative humidity", "WPTR"},
        {TKXHumidInput::W, "W", "Humidity ratio", ""},
        {TKXHumidInput::Td, "Td", "Dew point", "WPTTd"},
        {TKXHumidInput::Twb, "Twb", "Wet bulb", "WPTTwb"},
    };
    return inputs;
}

const TKXHumidInputInfo* FindHumidInput(const std::string& key) {
    for (const TKXHumidInputInfo& i : AllHumidInputs())
        if (key == i.Key) return &i;
    return nullptr;
}

const std::vector<TKXPropertyInfo>& HumidAirProperties() {
    // Quantity indices of the unit catalogue; h, s, v and cp per kg of dry air.
    static const std::vector<TKXPropertyInfo> properties = {
        {"T", "Dry-bulb temperature", 31, ""},
        {"p", "Pressure", 2, ""},
        {"RH", "Relative humidity", 50, "RPTW"},
        {"W", "Humidity ratio", 49, ""},
        {"Td", "Dew point", 31, "TdPW"},
        {"Twb", "Wet-bulb temperature", 31, "TwbPTW"},
        {"h", "Enthalpy (per kg dry air)", 4, "HPTW"},
        {"s", "Entropy (per kg dry air)", 5, "SPTW"},
        {"v", "Specific volume (per kg dry air)", 16, "VPTW"},
        {"rho", "Density of the moist air", 15, "DPTW"},
        {"cp", "Isobaric heat capacity (per kg dry air)", 11, "CpPTW"},
        {"mu", "Degree of saturation", 50, "MuPTW"},
        {"psi", "Mole fraction of water", 51, "PsiPTW"},
        {"eta", "Dynamic viscosity", 17, "DVPTW"},
        {"lambda", "Thermal conductivity", 35, "TCPTW"},
    };
    return properties;
}

const TKXPropertyInfo* FindHumidAirProperty(const std::string& key) {
    static const TKXPropertyInfo altitude = {"z", "Altitude", 24, ""};
    if (key == altitude.Key) return &altitude;
    for (const TKXPropertyInfo& p : HumidAirProperties())
        if (key == p.Key) return &p;
    return nullptr;
}

std::vector<TKXPropertyInfo> OfferedHumidAirProperties(const TKXHumidAirFunctions& air) {
    std::vector<TKXPropertyInfo> offered;
    for (const TKXPropertyInfo& p : HumidAirProperties())
        if (*p.FromPT == '\0' || air.Offers(p.FromPT)) offered.push_back(p);
    return offered;
}

TKXState ComputeHumidAirState(const TKXHumidAirFunctions& air, TKXHumidInput input, double p,
                              double t, double x) {
    TKXState state;
    const TKXHumidInputInfo* info = nullptr;
    for (const TKXHumidInputInfo& i : AllHumidInputs())
        if (i.Input == input) info = &i;
    double w = x;
    if (*info->WFunction != '\0') {
        const TKXAnswer a = air.Call(info->WFunction, p, t, x);
        if (!a.Ok()) {
            state.ErrorText = a.Text;
            return state;
        }
        w = a.Value;
    }
    // The relative humidity is asked first: the library's checks of (p, T, W) as a whole (above
    // saturation, out of range) decide whether there is a state at all.
    const TKXAnswer rh = air.Call("RPTW", p, t, w);
    if (!rh.Ok()) {
        state.ErrorText = rh.Text;
        return state;
    }
    for (const TKXPropertyInfo& property : OfferedHumidAirProperties(air)) {
        const std::string key = property.Key;
        TKXCell cell;
        if (key == "T") {
            cell = TKXCell::Number(t);
        } else if (key == "p") {
            cell = TKXCell::Number(p);
        } else if (key == "W") {
            cell = TKXCell::Number(w);
        } else if (key == "RH") {
            cell = TKXCell::Number(rh.Value);
        } else {
            // The dew point depends on (p, W) alone.
            const TKXAnswer a =
                key == "Td" ? air.Call(property.FromPT, p, w) : air.Call(property.FromPT, p, t, w);
            cell = a.Ok() ? TKXCell::Number(a.Value) : TKXCell::Words(a.Text);
        }
        state.Rows.push_back({property, std::move(cell), {}, {}});
    }
    state.Ok = true;
    state.Phase = "humid air";
    return state;
}

TKXAnswer PressureAtAltitude(const TKXHumidAirFunctions& air, double altitude) {
    return air.Call("PZ", altitude);
}
