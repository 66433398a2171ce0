#include "KX_Transport_PT.h"

#include <algorithm>

bool TransportDensity(const THelmholzFluid& fluid, const char* functionName, double P, double T,
                      double densityLimit, double& D, std::string& ErrorText, int32_t& ErrorCode) {
    D = fluid.DPT(P, T, ErrorText, ErrorCode);
    if (ErrorCode != KXErrorCode::Success || !ErrorText.empty()) {
        RewriteErrorMessage(ErrorText, static_cast<int32_t>(KXMaxTextLength),
                            fluid.Code + "_" + functionName);
        if (ErrorCode == KXErrorCode::Success) ErrorCode = KXErrorCode::Failure;
        return false;
    }
    if (densityLimit > 0.0) {
        // The correlation is fitted up to this density; beyond it it gives no valid number.
        const TKXRangeCheck check = {">",       D,       densityLimit,
                                     "Density", "kg/m3", KXErrorCode::DensityAboveRange};
        if (!KXCheckRange(fluid.Code, functionName, check, ErrorText, ErrorCode)) return false;
    }
    return true;
}

TTransportRange CommonRange(const TTransportRange& a, const TTransportRange& b) {
    TTransportRange r;
    r.PmaxBar = std::min(a.PmaxBar, b.PmaxBar);
    r.TminC = std::max(a.TminC, b.TminC);
    r.TmaxC = std::min(a.TmaxC, b.TmaxC);
    if (a.DmaxKgm3 > 0.0 && b.DmaxKgm3 > 0.0)
        r.DmaxKgm3 = std::min(a.DmaxKgm3, b.DmaxKgm3);
    else
        r.DmaxKgm3 = std::max(a.DmaxKgm3, b.DmaxKgm3);
    // The same temperature-dependent limit is shared (a conductivity that needs the viscosity).
    r.DmaxOfT = a.DmaxOfT ? a.DmaxOfT : b.DmaxOfT;
    // PminBar and the low-pressure extension stay with the correlation's own functions.
    return r;
}

namespace {

template <class Property>
double CheckedPT(const THelmholzFluid& fluid, const char* functionName,
                 const TTransportRange& range, double P, double T, std::string& ErrorText,
                 int32_t& ErrorCode, Property property) {
    ErrorText.clear();
    ErrorCode = KXErrorCode::Success;
    const TKXRangeCheck pressureChecks[] = {
        {"<", P, std::max(fluid.Pmin, range.PminBar), "Pressure", "bar(a)",
         KXErrorCode::PressureLow},
        {">", P, std::min(fluid.Pmax, range.PmaxBar), "Pressure", "bar(a)",
         KXErrorCode::PressureHigh},
    };
    if (!KXPassesRangeChecks(fluid.Code, functionName, pressureChecks, ErrorText, ErrorCode))
        return 0.0;
    // Tmin may depend on the pressure, so it is asked only for an admitted pressure.
    const double TmaxC = P <= range.LowPressureBar ? range.TmaxLowPressureC : range.TmaxC;
    const TKXRangeCheck temperatureChecks[] = {
        {"<", T, std::max(fluid.Tmin(P), range.TminC), "Temperature", "°C",
         KXErrorCode::TemperatureLow},
        {">", T, std::min(fluid.Tmax, TmaxC), "Temperature", "°C", KXErrorCode::TemperatureHigh},
    };
    if (!KXPassesRangeChecks(fluid.Code, functionName, temperatureChecks, ErrorText, ErrorCode))
        return 0.0;
    double D = 0.0;
    double densityLimit = range.DmaxKgm3;
    if (range.DmaxOfT) {
        const double limit = range.DmaxOfT(fluid, T);
        if (densityLimit <= 0.0 || limit < densityLimit) densityLimit = limit;
    }
    if (!TransportDensity(fluid, functionName, P, T, densityLimit, D, ErrorText, ErrorCode))
        return 0.0;
    return GuardedEvaluation(fluid, functionName, ErrorText, ErrorCode,
                             [&] { return property(D, T); });
}

// A fluid without the correlation: code 1, "<Code>_<function>; Not available for this fluid.".
double NotAvailable(const THelmholzFluid& fluid, const char* functionName, std::string& ErrorText,
                    int32_t& ErrorCode) {
    ErrorText = fluid.Code + "_" + functionName + "; Not available for this fluid.";
    ErrorCode = KXErrorCode::Failure;
    return 0.0;
}

}  // namespace

double TransportPT(const THelmholzFluid& fluid, const char* functionName,
                   const TTransportRange& range, double P, double T, std::string& ErrorText,
                   int32_t& ErrorCode, TTransportOfDT property) {
    return CheckedPT(fluid, functionName, range, P, T, ErrorText, ErrorCode,
                     [&](double D, double t) { return property(fluid, D, t); });
}

double TransportDVPT(const TFluidTransport& model, const THelmholzFluid& fluid, double P, double T,
                     std::string& ErrorText, int32_t& ErrorCode) {
    if (!model.viscosity.evaluate) return NotAvailable(fluid, "DVPT", ErrorText, ErrorCode);
    return TransportPT(fluid, "DVPT", model.viscosity.range, P, T, ErrorText, ErrorCode,
                       model.viscosity.evaluate);
}

double TransportKVPT(const TFluidTransport& model, const THelmholzFluid& fluid, double P, double T,
                     std::string& ErrorText, int32_t& ErrorCode) {
    if (!model.viscosity.evaluate) return NotAvailable(fluid, "KVPT", ErrorText, ErrorCode);
    return CheckedPT(fluid, "KVPT", model.viscosity.range, P, T, ErrorText, ErrorCode,
                     [&](double D, double t) { return model.viscosity.evaluate(fluid, D, t) / D; });
}

double TransportTCPT(const TFluidTransport& model, const THelmholzFluid& fluid, double P, double T,
                     std::string& ErrorText, int32_t& ErrorCode) {
    if (!model.conductivity.evaluate) return NotAvailable(fluid, "TCPT", ErrorText, ErrorCode);
    return TransportPT(fluid, "TCPT", model.conductivity.range, P, T, ErrorText, ErrorCode,
                       model.conductivity.evaluate);
}

double TransportPrPT(const TFluidTransport& model, const THelmholzFluid& fluid, double P, double T,
                     std::string& ErrorText, int32_t& ErrorCode) {
    if (!model.viscosity.evaluate || !model.conductivity.evaluate)
        return NotAvailable(fluid, "PrPT", ErrorText, ErrorCode);
    const TTransportRange range = CommonRange(model.viscosity.range, model.conductivity.range);
    if (model.prandtl)
        return PositivePrandtl(
            fluid, TransportPT(fluid, "PrPT", range, P, T, ErrorText, ErrorCode, model.prandtl),
            ErrorText, ErrorCode);
    return PositivePrandtl(fluid,
                           CheckedPT(fluid, "PrPT", range, P, T, ErrorText, ErrorCode,
                                     [&](double D, double t) {
                                         // CpDT is in kJ/(kg K).
                                         return 1000.0 * fluid.CpDT(D, t) *
                                                model.viscosity.evaluate(fluid, D, t) /
                                                model.conductivity.evaluate(fluid, D, t);
                                     }),
                           ErrorText, ErrorCode);
}

double PositivePrandtl(const THelmholzFluid& fluid, double Pr, std::string& ErrorText,
                       int32_t& ErrorCode) {
    if (ErrorCode != KXErrorCode::Success || Pr > 0.0) return Pr;
    ErrorCode = KXErrorCode::Failure;
    ErrorText = CutUtf8(fluid.Code + "_PrPT; " + TooCloseToCriticalText, KXMaxTextLength);
    return 0.0;
}

double TransportSTT(const TFluidTransport& model, const THelmholzFluid& fluid, double T,
                    std::string& ErrorText, int32_t& ErrorCode) {
    ErrorText.clear();
    ErrorCode = KXErrorCode::Success;
    if (!model.surfaceTension) return NotAvailable(fluid, "STT", ErrorText, ErrorCode);
    const kxtransport::TSurfaceTensionSum& sigma = *model.surfaceTension;
    const TKXRangeCheck checks[] = {
        {"<", T, fluid.Tt_, "Temperature", "°C", KXErrorCode::TemperatureLow},
        {">", T, sigma.Tc - fluid.dta, "Temperature", "°C", KXErrorCode::TemperatureHigh},
    };
    if (!KXPassesRangeChecks(fluid.Code, "STT", checks, ErrorText, ErrorCode)) return 0.0;
    // At the limit itself the conversion to kelvin may round below Tc: it is 0 by definition.
    if (T >= checks[1].Limit) return 0.0;
    return GuardedEvaluation(fluid, "STT", ErrorText, ErrorCode,
                             [&] { return kxtransport::Evaluate(sigma, T + fluid.dta); });
}
