#include "KXExplorerState.h"

#include <cmath>
#include <deque>
#include <mutex>

#include "KX_Function_List.h"

namespace {

// "z_R1234zeE" for the feed's R1234ze(E): a key a shell takes unquoted.
std::string CompositionKey(const char* part, const std::string& component) {
    std::string key = part;
    for (const char c : component)
        if (c != '(' && c != ')') key += c;
    return key;
}

// The saturated liquid's and vapour's heat capacities, speed of sound and transport properties
// are the limits of the single-phase (p, T) functions at the saturation line. Exactly on the line
// a library picks a side by rounding (IF97 even picks differently per function), so each side is
// taken this relative pressure step into its phase: far beyond the rounding of the saturation
// pressure, far below the digits shown.
constexpr double SaturationSideStep = 1e-9;
// A side is used only when the library's density there is that phase's saturated density within
// this fraction of the liquid-vapour density gap; otherwise (close to the critical point, where
// the library may answer from the other branch) its cells stay empty.
constexpr double SaturatedDensityAgreement = 0.01;

// Boundary between regions 2 and 3 of IAPWS-IF97 (the B23 equation, Eq. 5 of the 2007 revised
// release): pressure in MPa from temperature in K. Only the region label uses it; every property
// still comes from the library. The registry names no region (no library function answers it),
// so the label keeps this copy of the boundary.
constexpr double B23N[3] = {0.34805185628969e3, -0.11671859879975e1, 0.10192970039326e-2};

double B23PressureBar(double tCelsius) {
    const double theta = tCelsius + 273.15;
    return 10.0 * (B23N[0] + B23N[1] * theta + B23N[2] * theta * theta);
}

int IF97Region(double p, double t, bool liquidSide) {
    if (t > 800.0) return 5;
    if (t <= 350.0) return liquidSide ? 1 : 2;
    return p >= B23PressureBar(t) ? 3 : 2;
}

// The region labels belong to the IF97 formulation, whichever library registers it.
bool IsIF97(const TKXFluidFunctions& fluid) {
    return fluid.Info().Kind == TKXLibraryKind::WaterIF97;
}

struct TStateBuilder {
    const TKXFluidFunctions& Fluid;
    TKXState State;

    explicit TStateBuilder(const TKXFluidFunctions& fluid) : Fluid(fluid) {
        for (const TKXPropertyInfo& p : OfferedProperties(fluid))
            State.Rows.push_back({p, {}, {}, {}});
    }

    TKXStateRow* Row(const char* key) {
        for (TKXStateRow& r : State.Rows)
            if (std::string(r.Property.Key) == key) return &r;
        return nullptr;
    }
    bool Unset(const char* key) {
        const TKXStateRow* r = Row(key);
        return r && r->Mixture.Empty();
    }
    void Set(const char* key, TKXCell cell) {
        if (TKXStateRow* r = Row(key)) r->Mixture = std::move(cell);
    }
    void Set(const char* key, double v) { Set(key, TKXCell::Number(v)); }
    // The library's answer, or its error text in the row.
    void Set(const char* key, const TKXAnswer& a) {
        Set(key, a.Ok() ? TKXCell::Number(a.Value) : TKXCell::Words(a.Text));
    }
    void SetSaturated(const char* key, const TKXAnswer& liquid, const TKXAnswer& vapour) {
        TKXStateRow* r = Row(key);
        if (!r) return;
        r->Liquid = liquid.Ok() ? TKXCell::Number(liquid.Value) : TKXCell::Words(liquid.Text);
        r->Vapour = vapour.Ok() ? TKXCell::Number(vapour.Value) : TKXCell::Words(vapour.Text);
    }
    TKXState Fail(const TKXAnswer& a) {
        TKXState failed;
        failed.ErrorText = a.Text;
        return failed;
    }
    TKXState Done() {
        State.Ok = true;
        // A mixture's feed, as its information states it.
        const TKXLibraryInfo& info = Fluid.Info();
        for (std::size_t i = 0; i < info.Components.size() && i < info.MoleFractions.size(); ++i)
            Set(CompositionKey("z_", info.Components[i]).c_str(), info.MoleFractions[i]);
        if (const TKXStateRow* r = Row("phase")) State.Phase = r->Mixture.Text;
        return std::move(State);
    }

    // Every (p, T) property not yet set, from the library's (p, T) functions.
    void FillFromPT(double p, double t) {
        for (TKXStateRow& r : State.Rows) {
            if (!r.Mixture.Empty() || *r.Property.FromPT == '\0') continue;
            if (std::string(r.Property.Key) == "sigma") continue;  // defined on the dome only
            Set(r.Property.Key, Fluid.Call(r.Property.FromPT, p, t));
        }
    }

    // A state on or inside the dome: the mixture's density, volume and entropy or enthalpy by
    // (T, x) or (p, x), and the saturated columns beside it.
    void FillTwoPhase(double p, double t, double x, bool byPressure) {
        State.TwoPhase = true;
        const double a = byPressure ? p : t;
        const char* d = byPressure ? "DPX" : "DTX";
        const char* v = byPressure ? "VPX" : "VTX";
        const char* h = byPressure ? "HPX" : "HTX";
        const char* s = byPressure ? "SPX" : "STX";
        if (Unset("rho")) Set("rho", Fluid.Call(d, a, x));
        if (Unset("v")) Set("v", Fluid.Call(v, a, x));
        if (Unset("h")) Set("h", Fluid.Call(h, a, x));
        if (Unset("s")) Set("s", Fluid.Call(s, a, x));
        SetSaturated("rho", Fluid.Call(d, a, 0.0), Fluid.Call(d, a, 1.0));
        SetSaturated("v", Fluid.Call(v, a, 0.0), Fluid.Call(v, a, 1.0));
        SetSaturated("h", Fluid.Call(h, a, 0.0), Fluid.Call(h, a, 1.0));
        SetSaturated("s", Fluid.Call(s, a, 0.0), Fluid.Call(s, a, 1.0));
        for (const char* key : {"T", "p"}) {
            TKXStateRow* r = Row(key);
            r->Liquid = r->Vapour = r->Mixture;
        }
        // A mixture's liquid and vapour in equilibrium at the state, of their own compositions.
        const std::vector<std::string>& components = Fluid.Info().Components;
        for (std::size_t i = 0; i < components.size(); ++i) {
            const double index = static_cast<double>(i + 1);
            const std::string liquid = CompositionKey("x_", components[i]);
            const std::string vapour = CompositionKey("y_", components[i]);
            if (Row(liquid.c_str())) Set(liquid.c_str(), Fluid.Call("XLPX", p, x, index));
            if (Row(vapour.c_str())) Set(vapour.c_str(), Fluid.Call("YVPX", p, x, index));
        }
        // A blend's liquid boils at the bubble and its vapour condenses at the dew temperature
        // of the state's pressure.
        double tLiquid = t, tVapour = t;
        if (Blend()) {
            const TKXAnswer bubble = Fluid.Call("TbubP", p);
            const TKXAnswer dew = Fluid.Call("TdewP", p);
            SetSaturated("T", bubble, dew);
            tLiquid = bubble.Ok() ? bubble.Value : NAN;
            tVapour = dew.Ok() ? dew.Value : NAN;
        }
        SetSaturated("x", TKXAnswer{0.0, 0, {}}, TKXAnswer{1.0, 0, {}});
        FillSaturatedSides(p, tLiquid, tVapour);
        if (Fluid.Offers("STT")) Set("sigma", Fluid.Call("STT", tLiquid));
        std::string words = x <= 0.0   ? "saturated liquid"
                            : x >= 1.0 ? "saturated vapour"
                                       : "two-phase";
        if (IsIF97(Fluid)) words += " (region 4)";
        Set("phase", TKXCell::Words(words));
    }

    // The (p, T) rows other than density, volume, enthalpy and entropy (those come from the
    // saturation functions) in the liquid and vapour columns: each single-phase function a step
    // into its phase, kept only when the library's density at that step is the phase's.
    void FillSaturatedSides(double p, double tLiquid, double tVapour) {
        const TKXStateRow* rho = Row("rho");
        if (!rho || !rho->Liquid.HasValue || !rho->Vapour.HasValue || !Fluid.Offers("DPT")) return;
        const double dl = rho->Liquid.Value;
        const double dv = rho->Vapour.Value;
        if (!(dl > dv)) return;
        for (const bool liquid : {true, false}) {
            const double side = p * (liquid ? 1.0 + SaturationSideStep : 1.0 - SaturationSideStep);
            const double t = liquid ? tLiquid : tVapour;
            if (std::isnan(t)) continue;
            // A failure there is shown as each function's own text; a density of the other
            // phase (or of neither) leaves the cells empty.
            const TKXAnswer d = Fluid.Call("DPT", side, t);
            const double own = liquid ? dl : dv;
            if (d.Ok() && !(std::fabs(d.Value - own) <= SaturatedDensityAgreement * (dl - dv)))
                continue;
            for (TKXStateRow& r : State.Rows) {
                const std::string key = r.Property.Key;
                if (*r.Property.FromPT == '\0' || key == "rho" || key == "v" || key == "h" ||
                    key == "s" || key == "sigma")
                    continue;
                const TKXAnswer a = Fluid.Call(r.Property.FromPT, side, t);
                (liquid ? r.Liquid : r.Vapour) =
                    a.Ok() ? TKXCell::Number(a.Value) : TKXCell::Words(a.Text);
            }
        }
    }

    // (p, h) or (p, s): temperature and vapour fraction by the flash, then either side.
    TKXState FromPressureAnd(char key, double p, double y) {
        const std::string k(1, key);
        const std::string upper(1, static_cast<char>(key == 'h' ? 'H' : 'S'));
        const TKXAnswer t = Fluid.Call("TP" + upper, p, y);
        if (!t.Ok()) return Fail(t);
        Set("p", p);
        Set("T", t.Value);
        Set(k.c_str(), y);
        const TKXAnswer x =
            Fluid.Offers("XP" + upper) ? Fluid.Call("XP" + upper, p, y) : TKXAnswer{0, -1, ""};
        const std::string other = key == 'h' ? "SP" + upper : "HP" + upper;
        Set(key == 'h' ? "s" : "h", Fluid.Call(other, p, y));
        Set("rho", Fluid.Call("DP" + upper, p, y));
        Set("v", Fluid.Call("VP" + upper, p, y));
        if (x.Ok() && x.Value > 0.0 && x.Value < 1.0) {
            Set("x", x.Value);
            FillTwoPhase(p, t.Value, x.Value, true);
            return Done();
        }
        FillFromPT(p, t.Value);
        const int side = x.Ok() ? (x.Value <= 0.0 ? -1 : 1) : 0;
        Set("phase", TKXCell::Words(SinglePhaseWordsSide(p, t.Value, side)));
        return Done();
    }

    // Two-phase states named by temperature (T, x), (T, h), (T, s) or pressure (p, x).
    TKXState OnDome(bool byPressure, double a, double x, const char* givenKey, double given) {
        if (Blend()) return OnBlendDome(byPressure, a, x, givenKey, given);
        const TKXAnswer other = Fluid.Call(byPressure ? "TsatP" : "PsatT", a);
        if (!other.Ok()) return Fail(other);
        const double p = byPressure ? a : other.Value;
        const double t = byPressure ? other.Value : a;
        // The mixture's own function answers first, so a fraction or value out of range shows
        // the library's text rather than a half-filled table.
        const TKXAnswer h = Fluid.Call(byPressure ? "HPX" : "HTX", a, x);
        if (!h.Ok()) return Fail(h);
        Set("T", t);
        Set("p", p);
        Set("x", x);
        if (givenKey) Set(givenKey, given);
        FillTwoPhase(p, t, x, byPressure);
        return Done();
    }

    // A blend (it has bubble and dew lines and the pressure of a (T, x) state): the state of
    // (T, x) is the state (p, x) of its pressure, whose temperature lies between the bubble and
    // the dew temperature; the saturated columns are the bubble and the dew state at p.
    bool Blend() const { return Fluid.Offers("PTX") && Fluid.Offers("TbubP"); }

    TKXState OnBlendDome(bool byPressure, double a, double x, const char* givenKey, double given) {
        double p = a, t = a;
        if (byPressure) {
            const TKXAnswer h = Fluid.Call("HPX", p, x);
            if (!h.Ok()) return Fail(h);
            const TKXAnswer temperature = Fluid.Call("TPH", p, h.Value);
            if (!temperature.Ok()) return Fail(temperature);
            t = temperature.Value;
        } else {
            const TKXAnswer pressure = Fluid.Call("PTX", t, x);
            if (!pressure.Ok()) return Fail(pressure);
            p = pressure.Value;
        }
        Set("T", t);
        Set("p", p);
        Set("x", x);
        if (givenKey) Set(givenKey, given);
        FillTwoPhase(p, t, x, true);
        return Done();
    }

    std::string SinglePhaseWordsSide(double p, double t, int side) const {
        std::string words;
        const TKXAnswer pc = Fluid.Call("Pc");
        const TKXAnswer tc = Fluid.Call("Tc");
        const bool aboveP = pc.Ok() && p >= pc.Value;
        const bool aboveT = tc.Ok() && t >= tc.Value;
        if (aboveP && aboveT)
            words = "supercritical";
        else if (aboveP)
            words = "compressed liquid";
        else if (aboveT)
            words = "superheated vapour";
        else if (side != 0)
            words = side < 0 ? "compressed liquid" : "superheated vapour";
        else {
            const TKXAnswer ts = Fluid.Call("TsatP", p);
            words = ts.Ok() && t < ts.Value ? "compressed liquid" : "superheated vapour";
        }
        if (IsIF97(Fluid)) {
            const bool liquidSide = words == "compressed liquid";
            words += " (region " + std::to_string(IF97Region(p, t, liquidSide)) + ")";
        }
        return words;
    }
};

}  // namespace

const std::vector<TKXPairInfo>& AllInputPairs() {
    static const std::vector<TKXPairInfo> pairs = {
        {TKXInputPair::PT, "pT", "p", "T"}, {TKXInputPair::PH, "ph", "p", "h"},
        {TKXInputPair::PS, "ps", "p", "s"}, {TKXInputPair::TX, "Tx", "T", "x"},
        {TKXInputPair::PX, "px", "p", "x"}, {TKXInputPair::TH, "Th", "T", "h"},
        {TKXInputPair::TS, "Ts", "T", "s"},
    };
    return pairs;
}

const TKXPairInfo* FindInputPair(const std::string& key) {
    for (const TKXPairInfo& p : AllInputPairs())
        if (key == p.Key) return &p;
    return nullptr;
}

std::vector<TKXPairInfo> OfferedInputPairs(const TKXFluidFunctions& fluid) {
    std::vector<TKXPairInfo> offered;
    for (const std::string& key : fluid.Info().InputPairs)
        if (const TKXPairInfo* p = FindInputPair(key)) offered.push_back(*p);
    return offered;
}

const std::vector<TKXPropertyInfo>& AllProperties() {
    static const std::vector<TKXPropertyInfo> properties = {
        {"T", "Temperature", 31, ""},
        {"p", "Pressure", 2, ""},
        {"rho", "Density", 15, "DPT"},
        {"v", "Specific volume", 16, "VPT"},
        {"h", "Enthalpy", 4, "HPT"},
        {"s", "Entropy", 5, "SPT"},
        {"cp", "Isobaric heat capacity", 11, "CpPT"},
        {"cv", "Isochoric heat capacity", 11, "CvPT"},
        {"w", "Speed of sound", 27, "WPT"},
        {"x", "Vapour fraction", 34, ""},
        {"phase", "Phase", -1, ""},
        {"eta", "Dynamic viscosity", 17, "DVPT"},
        {"nu", "Kinematic viscosity", 18, "KVPT"},
        {"lambda", "Thermal conductivity", 35, "TCPT"},
        {"Pr", "Prandtl number", 36, "PrPT"},
        {"sigma", "Surface tension", 37, "STT"},
    };
    return properties;
}

namespace {

// The composition rows made so far: their keys and names are kept for the program's life, as
// the fixed rows' are, so that a row's pointers stay valid wherever it is copied.
struct TCompositionRows {
    std::mutex Lock;
    std::deque<std::string> Texts;
    std::deque<TKXPropertyInfo> Rows;
};
TCompositionRows& CompositionRows() {
    static TCompositionRows rows;
    return rows;
}

const TKXPropertyInfo* FindCompositionRow(const std::string& key) {
    TCompositionRows& all = CompositionRows();
    const std::lock_guard<std::mutex> lock(all.Lock);
    for (const TKXPropertyInfo& p : all.Rows)
        if (key == p.Key) return &p;
    return nullptr;
}

const TKXPropertyInfo& CompositionRow(const std::string& key, const std::string& name) {
    if (const TKXPropertyInfo* p = FindCompositionRow(key)) return *p;
    TCompositionRows& all = CompositionRows();
    const std::lock_guard<std::mutex> lock(all.Lock);
    const char* k = all.Texts.emplace_back(key).c_str();
    const char* n = all.Texts.emplace_back(name).c_str();
    all.Rows.push_back({k, n, KXFunctionQuantity::MoleFraction, ""});
    return all.Rows.back();
}

}  // namespace

const TKXPropertyInfo* FindProperty(const std::string& key) {
    for (const TKXPropertyInfo& p : AllProperties())
        if (key == p.Key) return &p;
    return FindCompositionRow(key);
}

bool IsCompositionKey(const std::string& key) {
    return FindCompositionRow(key) != nullptr;
}

std::vector<TKXPropertyInfo> OfferedProperties(const TKXFluidFunctions& fluid) {
    std::vector<TKXPropertyInfo> offered;
    for (const TKXPropertyInfo& p : AllProperties())
        if (*p.FromPT == '\0' || fluid.Offers(p.FromPT)) offered.push_back(p);
    const TKXLibraryInfo& info = fluid.Info();
    if (fluid.Offers("XLPX") && fluid.Offers("YVPX") &&
        info.MoleFractions.size() == info.Components.size())
        for (const char* part : {"z_", "x_", "y_"})
            for (const std::string& c : info.Components) {
                const std::string which = *part == 'z'   ? "feed"
                                          : *part == 'x' ? "liquid"
                                                         : "vapour";
                offered.push_back(CompositionRow(CompositionKey(part, c), c + " in " + which));
            }
    return offered;
}

const TKXStateRow* TKXState::Row(const std::string& key) const {
    for (const TKXStateRow& r : Rows)
        if (key == r.Property.Key) return &r;
    return nullptr;
}

TKXState ComputeState(const TKXFluidFunctions& fluid, TKXInputPair pair, double x1, double x2) {
    TStateBuilder b(fluid);
    switch (pair) {
        case TKXInputPair::PT: {
            // A mixture's (p, T) inside its glide is a two-phase state: its vapour fraction.
            if (fluid.Offers("XPT")) {
                const TKXAnswer x = fluid.Call("XPT", x1, x2);
                if (!x.Ok()) return b.Fail(x);
                if (x.Value > 0.0 && x.Value < 1.0) return b.OnDome(true, x1, x.Value, "T", x2);
            }
            const TKXAnswer h = fluid.Call("HPT", x1, x2);
            if (!h.Ok()) return b.Fail(h);
            b.Set("p", x1);
            b.Set("T", x2);
            b.Set("h", h.Value);
            b.FillFromPT(x1, x2);
            b.Set("phase", TKXCell::Words(b.SinglePhaseWordsSide(x1, x2, 0)));
            return b.Done();
        }
        case TKXInputPair::PH:
            return b.FromPressureAnd('h', x1, x2);
        case TKXInputPair::PS:
            return b.FromPressureAnd('s', x1, x2);
        case TKXInputPair::TX:
            return b.OnDome(false, x1, x2, nullptr, 0.0);
        case TKXInputPair::PX:
            return b.OnDome(true, x1, x2, nullptr, 0.0);
        case TKXInputPair::TH:
        case TKXInputPair::TS: {
            const bool byH = pair == TKXInputPair::TH;
            const TKXAnswer x = fluid.Call(byH ? "XTH" : "XTS", x1, x2);
            if (!x.Ok()) return b.Fail(x);
            return b.OnDome(false, x1, x.Value, byH ? "h" : "s", x2);
        }
    }
    return b.Fail({0.0, -1, "unknown input pair"});
}

std::string SinglePhaseWords(const TKXFluidFunctions& fluid, double p, double t) {
    return TStateBuilder(fluid).SinglePhaseWordsSide(p, t, 0);
}

std::string ReferenceStateNote(const TKXFluidFunctions& fluid) {
    const std::string& words = fluid.Info().ReferenceState;
    if (words.empty()) return "Reference state: as this library's equation of state sets it.";
    return "Reference state: " + words + ".";
}
