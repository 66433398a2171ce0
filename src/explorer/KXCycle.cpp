#include "KXCycle.h"

#include <cmath>
#include <cstdio>
#include <limits>

const TKXCycleValue* TKXCycle::Value(const std::string& key) const {
    for (const TKXCycleValue& v : Values)
        if (v.Key == key) return &v;
    return nullptr;
}

const TKXCyclePoint* TKXCycle::Point(const std::string& label) const {
    for (const TKXCyclePoint& p : Points)
        if (p.Label == label) return &p;
    return nullptr;
}

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

std::string Number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", v);
    return text;
}

// Builds one cycle: calls the library, keeps the first failure with the state or input it
// belongs to, and gives NaN from then on so that no later number is used.
class TCycleBuilder {
  public:
    explicit TCycleBuilder(const TKXFluidFunctions& fluid) : fluid_(fluid) {}

    bool Failed() const { return !cycle_.ErrorText.empty(); }

    void Fail(const std::string& text) {
        if (!Failed()) cycle_.ErrorText = text;
    }

    // Checks an input; the message names it.
    void Require(bool condition, const std::string& message) {
        if (!condition) Fail(message);
    }

    double Call(const std::string& function, double x1, double x2, const std::string& what) {
        if (Failed()) return NaN;
        const TKXAnswer a = fluid_.Call(function, x1, x2);
        if (!a.Ok()) {
            Fail(what + ": " + a.Text);
            return NaN;
        }
        return a.Value;
    }

    bool Offers(const std::string& function) const { return fluid_.Offers(function); }

    // The state at pressure p (bar(a)) and enthalpy h (kJ/kg); x only on or inside the dome.
    TKXCyclePoint AtPH(const std::string& label, const std::string& name, double p, double h) {
        TKXCyclePoint point{label, name};
        const std::string what = "State " + label + " (" + name + ")";
        point.p = p;
        point.h = h;
        point.T = Call("TPH", p, h, what);
        point.s = Call("SPH", p, h, what);
        point.rho = Call("DPH", p, h, what);
        const double x = Call("XPH", p, h, what);
        point.HasX = x > 0.0 && x < 1.0;
        point.x = x;
        return point;
    }

    // The saturated liquid (x = 0) or vapour (x = 1) at pressure p.
    TKXCyclePoint Saturated(const std::string& label, const std::string& name, double p, double x) {
        TKXCyclePoint point =
            AtPH(label, name, p, Call("HPX", p, x, "State " + label + " (" + name + ")"));
        point.HasX = true;
        point.x = x;
        return point;
    }

    // The state at (p, T) (single phase).
    TKXCyclePoint AtPT(const std::string& label, const std::string& name, double p, double T) {
        TKXCyclePoint point =
            AtPH(label, name, p, Call("HPT", p, T, "State " + label + " (" + name + ")"));
        point.T = T;  // the state's own temperature, not its round trip through the enthalpy
        return point;
    }

    void Add(const TKXCyclePoint& point) {
        if (!Failed()) cycle_.Points.push_back(point);
    }
    void Result(const std::string& key, double value, const std::string& unit) {
        if (!Failed()) cycle_.Values.push_back({key, value, unit});
    }

    TKXCycle Finish() {
        if (Failed()) {
            cycle_.Points.clear();
            cycle_.Values.clear();
            cycle_.Ok = false;
        } else {
            cycle_.Ok = true;
        }
        return cycle_;
    }

  private:
    const TKXFluidFunctions& fluid_;
    TKXCycle cycle_;
};

// Mass flow (kg/s) from the size: the capacity over the specific effect, the given flow, or 1.
double MassFlow(TCycleBuilder& b, const TKXCycleSize& size, double specificEffect,
                const char* capacityName) {
    b.Require(!(size.CapacityKW > 0.0 && size.MassFlow > 0.0),
              std::string("Give either the ") + capacityName + " or the mass flow, not both.");
    b.Require(size.CapacityKW >= 0.0 && size.MassFlow >= 0.0,
              std::string("The ") + capacityName + " and the mass flow must not be negative.");
    if (size.CapacityKW > 0.0) return size.CapacityKW / specificEffect;
    if (size.MassFlow > 0.0) return size.MassFlow;
    return 1.0;
}

void CheckEfficiency(TCycleBuilder& b, double eta, const char* what) {
    b.Require(eta > 0.0 && eta <= 1.0,
              std::string("The ") + what + " must lie above 0 and at most 1.");
}

// What vapour compression and the transcritical cycle share: from the evaporator exit through
// the compressor to the high pressure, and from the high-pressure exit state through the
// internal heat exchanger and the valve back. `highExit` is the condenser or gas-cooler exit.
struct TCompressionInput {
    double EvaporatingT, Superheat, IsentropicEff, IhxEffectiveness, SuctionDrop, DischargeDrop;
    TKXCycleSize Size;
};

void CheckCompressionInput(TCycleBuilder& b, const TCompressionInput& in) {
    b.Require(in.Superheat >= 0.0, "The superheat must not be negative.");
    CheckEfficiency(b, in.IsentropicEff, "compressor's isentropic efficiency");
    b.Require(in.IhxEffectiveness >= 0.0 && in.IhxEffectiveness < 1.0,
              "The internal heat exchanger's effectiveness must lie from 0 to below 1.");
    b.Require(in.SuctionDrop >= 0.0 && in.DischargeDrop >= 0.0,
              "The pressure drops must not be negative.");
}

TKXCycle Compression(TCycleBuilder& b, const TCompressionInput& in, double evaporatingP,
                     double highP, const TKXCyclePoint& highExit) {
    // Evaporator exit: the dew point plus the superheat.
    const double dewT =
        b.Call(b.Offers("TdewP") ? "TdewP" : "TsatP", evaporatingP, 0.0, "Evaporating pressure");
    const TKXCyclePoint exit =
        in.Superheat > 0.0 ? b.AtPT("1", "evaporator exit", evaporatingP, dewT + in.Superheat)
                           : b.Saturated("1", "evaporator exit", evaporatingP, 1.0);
    // The internal heat exchanger warms the suction vapour towards the high-pressure exit
    // temperature, by the effectiveness times the most it could take.
    const bool ihx = in.IhxEffectiveness > 0.0;
    double ihxHeat = 0.0;
    if (ihx) {
        const double hMost =
            b.Call("HPT", evaporatingP, highExit.T, "Internal heat exchanger (vapour side)");
        ihxHeat = in.IhxEffectiveness * (hMost - exit.h);
    }
    const double suctionP = evaporatingP - in.SuctionDrop;
    b.Require(suctionP > 0.0, "The suction pressure drop (" + Number(in.SuctionDrop) +
                                  " bar) must be smaller than the evaporating pressure (" +
                                  Number(evaporatingP) + " bar(a)).");
    const bool distinctSuction = ihx || in.SuctionDrop > 0.0;
    const TKXCyclePoint suction =
        distinctSuction ? b.AtPH("1'", "compressor suction", suctionP, exit.h + ihxHeat) : exit;
    // Compression to the high pressure plus the discharge drop, from the isentropic end.
    const double dischargeP = highP + in.DischargeDrop;
    const double hIsentropic = b.Call("HPS", dischargeP, suction.s, "Isentropic compression");
    const double hDischarge = suction.h + (hIsentropic - suction.h) / in.IsentropicEff;
    const TKXCyclePoint discharge = b.AtPH("2", "compressor discharge", dischargeP, hDischarge);
    const TKXCyclePoint liquid =
        ihx ? b.AtPH("3'", "valve inlet", highP, highExit.h - ihxHeat) : highExit;
    const TKXCyclePoint inlet = b.AtPH("4", "evaporator inlet", evaporatingP, liquid.h);

    b.Add(exit);
    if (distinctSuction) b.Add(suction);
    b.Add(discharge);
    b.Add(highExit);
    if (ihx) b.Add(liquid);
    b.Add(inlet);

    const double qEvap = exit.h - inlet.h;
    const double wComp = discharge.h - suction.h;
    const double qCond = discharge.h - highExit.h;
    b.Require(b.Failed() || (qEvap > 0.0 && wComp > 0.0),
              "These inputs give no refrigerating effect.");
    const double mDot = MassFlow(b, in.Size, qEvap, "refrigerating capacity");
    b.Result("q_evap", qEvap, "kJ/kg");
    b.Result("w_comp", wComp, "kJ/kg");
    b.Result("q_cond", qCond, "kJ/kg");
    b.Result("COP_cooling", qEvap / wComp, "-");
    b.Result("COP_heating", qCond / wComp, "-");
    b.Result("pressure_ratio", discharge.p / suction.p, "-");
    b.Result("T_discharge", discharge.T, "°C");
    b.Result("VRC", qEvap * suction.rho, "kJ/m3");
    b.Result("m_dot", mDot, "kg/s");
    b.Result("V_dot_suction", mDot / suction.rho, "m3/s");
    b.Result("P_comp", mDot * wComp, "kW");
    return b.Finish();
}

}  // namespace

TKXCycle ComputeVapourCompression(const TKXFluidFunctions& fluid,
                                  const TKXVapourCompressionInput& in) {
    TCycleBuilder b(fluid);
    const TCompressionInput c{
        in.EvaporatingT, in.Superheat,     in.IsentropicEff, in.IhxEffectiveness,
        in.SuctionDrop,  in.DischargeDrop, in.Size};
    CheckCompressionInput(b, c);
    b.Require(in.Subcooling >= 0.0, "The subcooling must not be negative.");
    b.Require(in.EvaporatingT < in.CondensingT,
              "The evaporating temperature (" + Number(in.EvaporatingT) +
                  " °C) must lie below the condensing temperature (" + Number(in.CondensingT) +
                  " °C).");
    // A blend evaporates to its dew point and condenses to its bubble point.
    const double evaporatingP = b.Call(b.Offers("PdewT") ? "PdewT" : "PsatT", in.EvaporatingT, 0.0,
                                       "Evaporating temperature");
    const double condensingP = b.Call(b.Offers("PbubT") ? "PbubT" : "PsatT", in.CondensingT, 0.0,
                                      "Condensing temperature");
    const TKXCyclePoint condenserExit =
        in.Subcooling > 0.0
            ? b.AtPT("3", "condenser exit", condensingP, in.CondensingT - in.Subcooling)
            : b.Saturated("3", "condenser exit", condensingP, 0.0);
    return Compression(b, c, evaporatingP, condensingP, condenserExit);
}

TKXCycle ComputeTranscritical(const TKXFluidFunctions& fluid, const TKXTranscriticalInput& in) {
    TCycleBuilder b(fluid);
    const TCompressionInput c{
        in.EvaporatingT, in.Superheat,     in.IsentropicEff, in.IhxEffectiveness,
        in.SuctionDrop,  in.DischargeDrop, in.Size};
    CheckCompressionInput(b, c);
    const double pc = b.Call("Pc", 0.0, 0.0, "Critical pressure");
    b.Require(b.Failed() || in.GasCoolerP > pc,
              "The gas-cooler pressure (" + Number(in.GasCoolerP) +
                  " bar(a)) must lie above the critical pressure (" + Number(pc) + " bar(a)).");
    b.Require(in.EvaporatingT < in.GasCoolerT,
              "The evaporating temperature (" + Number(in.EvaporatingT) +
                  " °C) must lie below the gas-cooler exit temperature (" + Number(in.GasCoolerT) +
                  " °C).");
    const double evaporatingP = b.Call(b.Offers("PdewT") ? "PdewT" : "PsatT", in.EvaporatingT, 0.0,
                                       "Evaporating temperature");
    const TKXCyclePoint gasCoolerExit =
        b.AtPT("3", "gas-cooler exit", in.GasCoolerP, in.GasCoolerT);
    return Compression(b, c, evaporatingP, in.GasCoolerP, gasCoolerExit);
}

TKXCycle ComputeRankine(const TKXFluidFunctions& fluid, const TKXRankineInput& in) {
    TCycleBuilder b(fluid);
    CheckEfficiency(b, in.TurbineEff, "turbine's isentropic efficiency");
    CheckEfficiency(b, in.PumpEff, "pump's isentropic efficiency");
    b.Require(in.CondenserP > 0.0 && in.CondenserP < in.BoilerP,
              "The condenser pressure (" + Number(in.CondenserP) +
                  " bar(a)) must lie above 0 and below the boiler pressure (" + Number(in.BoilerP) +
                  " bar(a)).");
    const bool reheat = in.ReheatP > 0.0;
    if (reheat)
        b.Require(in.ReheatP > in.CondenserP && in.ReheatP < in.BoilerP,
                  "The reheat pressure (" + Number(in.ReheatP) +
                      " bar(a)) must lie between the condenser and the boiler pressure.");
    // Live steam above the saturation temperature where the boiler pressure has one.
    const double pc = b.Call("Pc", 0.0, 0.0, "Critical pressure");
    if (!b.Failed() && in.BoilerP < pc) {
        const double tSat = b.Call("TsatP", in.BoilerP, 0.0, "Boiler pressure");
        b.Require(b.Failed() || in.LiveT > tSat,
                  "The live-steam temperature (" + Number(in.LiveT) +
                      " °C) must lie above the saturation temperature at the boiler pressure (" +
                      Number(tSat) + " °C).");
    }

    const TKXCyclePoint pumpInlet = b.Saturated("1", "pump inlet", in.CondenserP, 0.0);
    const double hPumpIsentropic = b.Call("HPS", in.BoilerP, pumpInlet.s, "Isentropic pumping");
    const TKXCyclePoint pumpExit = b.AtPH(
        "2", "pump exit", in.BoilerP, pumpInlet.h + (hPumpIsentropic - pumpInlet.h) / in.PumpEff);
    const TKXCyclePoint live = b.AtPT("3", "turbine inlet", in.BoilerP, in.LiveT);
    // One expansion from `from` to pressure p with the turbine's efficiency.
    const auto expand = [&](const std::string& label, const std::string& name,
                            const TKXCyclePoint& from, double p) {
        const double hIsentropic = b.Call("HPS", p, from.s, "Isentropic expansion to " + label);
        return b.AtPH(label, name, p, from.h - in.TurbineEff * (from.h - hIsentropic));
    };
    b.Add(pumpInlet);
    b.Add(pumpExit);
    b.Add(live);
    double wTurbine = 0.0, qIn = live.h - pumpExit.h;
    TKXCyclePoint exhaust;
    if (reheat) {
        const TKXCyclePoint hpExit = expand("4", "high-pressure turbine exit", live, in.ReheatP);
        const TKXCyclePoint reheated = b.AtPT("5", "reheater exit", in.ReheatP, in.ReheatT);
        exhaust = expand("6", "turbine exhaust", reheated, in.CondenserP);
        b.Add(hpExit);
        b.Add(reheated);
        wTurbine = (live.h - hpExit.h) + (reheated.h - exhaust.h);
        qIn += reheated.h - hpExit.h;
    } else {
        exhaust = expand("4", "turbine exhaust", live, in.CondenserP);
        wTurbine = live.h - exhaust.h;
    }
    b.Add(exhaust);
    const double wPump = pumpExit.h - pumpInlet.h;
    const double wNet = wTurbine - wPump;
    b.Require(b.Failed() || wNet > 0.0, "These inputs give no net work.");
    b.Require(!(in.PowerKW > 0.0 && in.MassFlow > 0.0),
              "Give either the net power or the mass flow, not both.");
    b.Require(in.PowerKW >= 0.0 && in.MassFlow >= 0.0,
              "The net power and the mass flow must not be negative.");
    const double mDot = in.PowerKW > 0.0    ? in.PowerKW / wNet
                        : in.MassFlow > 0.0 ? in.MassFlow
                                            : 1.0;
    b.Result("w_turbine", wTurbine, "kJ/kg");
    b.Result("w_pump", wPump, "kJ/kg");
    b.Result("q_in", qIn, "kJ/kg");
    b.Result("eta_th", wNet / qIn, "-");
    b.Result("steam_rate", 3600.0 / wNet, "kg/kWh");
    b.Result("x_exhaust", exhaust.x, "-");
    b.Result("m_dot", mDot, "kg/s");
    b.Result("P_net", mDot * wNet, "kW");
    return b.Finish();
}

namespace {

using TInputSpec = TKXCycleInputInfo;

// The inputs each kind takes.
const std::vector<TInputSpec>& InputsOf(const std::string& kind) {
    static const std::vector<TInputSpec> none;
    static const TInputSpec evap{"evap", "Evaporating temperature (dew point)", "°C", true},
        superheat{"superheat", "Superheat", "K", false},
        etaS{"eta-s", "Compressor isentropic efficiency", "-", false},
        ihx{"ihx", "Internal heat exchanger effectiveness", "-", false},
        dpSuction{"dp-suction", "Suction pressure drop", "bar", false},
        dpDischarge{"dp-discharge", "Discharge pressure drop", "bar", false},
        capacity{"capacity", "Refrigerating capacity", "kW", false},
        massFlow{"mass-flow", "Mass flow", "kg/s", false};
    static const std::vector<TInputSpec> compression = {
        evap,      {"cond", "Condensing temperature (bubble point)", "°C", true},
        superheat, {"subcool", "Subcooling", "K", false},
        etaS,      ihx,
        dpSuction, dpDischarge,
        capacity,  massFlow};
    static const std::vector<TInputSpec> transcritical = {
        evap,
        {"p-gc", "Gas-cooler pressure", "bar(a)", true},
        {"T-gc", "Gas-cooler exit temperature", "°C", true},
        superheat,
        etaS,
        ihx,
        dpSuction,
        dpDischarge,
        capacity,
        massFlow};
    static const std::vector<TInputSpec> rankine = {
        {"p-boiler", "Boiler pressure", "bar(a)", true},
        {"T-live", "Live-steam temperature", "°C", true},
        {"p-reheat", "Reheat pressure", "bar(a)", false},
        {"T-reheat", "Reheat temperature", "°C", false},
        {"p-cond", "Condenser pressure", "bar(a)", true},
        {"eta-turbine", "Turbine isentropic efficiency", "-", false},
        {"eta-pump", "Pump isentropic efficiency", "-", false},
        {"power", "Net power", "kW", false},
        massFlow};
    if (kind == "vapour-compression") return compression;
    if (kind == "transcritical") return transcritical;
    if (kind == "rankine") return rankine;
    return none;
}

}  // namespace

const std::vector<TKXCycleInputInfo>& CycleInputs(const std::string& kind) {
    return InputsOf(kind);
}

TKXCycle ComputeCycle(const TKXFluidFunctions& fluid, const std::string& kind,
                      const TKXCycleInputs& inputs, bool& usageError) {
    usageError = true;
    TKXCycle refused;
    const std::vector<TInputSpec>& specs = InputsOf(kind);
    if (specs.empty()) {
        refused.ErrorText =
            "unknown cycle: " + kind + " (vapour-compression, transcritical, rankine)";
        return refused;
    }
    std::vector<std::pair<std::string, double>> given;
    for (const auto& [name, value] : inputs) {
        bool known = false;
        for (const TInputSpec& spec : specs) known = known || name == spec.Name;
        if (!known) {
            refused.ErrorText = "the " + kind + " cycle takes no input " + name;
            return refused;
        }
        given.emplace_back(name, value);
    }
    const auto has = [&](const char* name) {
        for (const auto& g : given)
            if (g.first == name) return true;
        return false;
    };
    const auto value = [&](const char* name, double otherwise) {
        for (const auto& g : given)
            if (g.first == name) return g.second;
        return otherwise;
    };
    for (const TInputSpec& spec : specs)
        if (spec.Required && !has(spec.Name)) {
            refused.ErrorText = std::string("the ") + kind + " cycle needs " + spec.Name;
            return refused;
        }
    if (has("p-reheat") != has("T-reheat")) {
        refused.ErrorText = "p-reheat and T-reheat go together";
        return refused;
    }
    usageError = false;
    const TKXCycleSize size{value("capacity", 0.0), value("mass-flow", 0.0)};
    if (kind == "vapour-compression") {
        TKXVapourCompressionInput in;
        in.EvaporatingT = value("evap", 0.0);
        in.CondensingT = value("cond", 0.0);
        in.Superheat = value("superheat", 0.0);
        in.Subcooling = value("subcool", 0.0);
        in.IsentropicEff = value("eta-s", 1.0);
        in.IhxEffectiveness = value("ihx", 0.0);
        in.SuctionDrop = value("dp-suction", 0.0);
        in.DischargeDrop = value("dp-discharge", 0.0);
        in.Size = size;
        return ComputeVapourCompression(fluid, in);
    }
    if (kind == "transcritical") {
        TKXTranscriticalInput in;
        in.EvaporatingT = value("evap", 0.0);
        in.GasCoolerP = value("p-gc", 0.0);
        in.GasCoolerT = value("T-gc", 0.0);
        in.Superheat = value("superheat", 0.0);
        in.IsentropicEff = value("eta-s", 1.0);
        in.IhxEffectiveness = value("ihx", 0.0);
        in.SuctionDrop = value("dp-suction", 0.0);
        in.DischargeDrop = value("dp-discharge", 0.0);
        in.Size = size;
        return ComputeTranscritical(fluid, in);
    }
    TKXRankineInput in;
    in.BoilerP = value("p-boiler", 0.0);
    in.LiveT = value("T-live", 0.0);
    in.ReheatP = value("p-reheat", 0.0);
    in.ReheatT = value("T-reheat", 0.0);
    in.CondenserP = value("p-cond", 0.0);
    in.TurbineEff = value("eta-turbine", 1.0);
    in.PumpEff = value("eta-pump", 1.0);
    in.PowerKW = value("power", 0.0);
    in.MassFlow = value("mass-flow", 0.0);
    return ComputeRankine(fluid, in);
}

std::string CycleText(const TKXCycle& cycle, const std::function<std::string(double)>& number) {
    if (!cycle.Ok) return "error\t" + cycle.ErrorText + "\n";
    std::string text = "point\tT [°C]\tp [bar(a)]\th [kJ/kg]\ts [kJ/kgK]\trho [kg/m3]\tx [-]\n";
    for (const TKXCyclePoint& p : cycle.Points)
        text += p.Label + "\t" + number(p.T) + "\t" + number(p.p) + "\t" + number(p.h) + "\t" +
                number(p.s) + "\t" + number(p.rho) + "\t" + (p.HasX ? number(p.x) : "") + "\n";
    for (const TKXCycleValue& v : cycle.Values)
        text += v.Key + "\t" + number(v.Value) + "\t" + v.Unit + "\n";
    return text;
}
