#include "KX_Transport_PT.h"

bool PassesRangeChecks(const THelmholzFluid& fluid, const char* functionName,
                       std::span<const TRangeCheck> checks, std::string& ErrorText,
                       int32_t& ErrorCode) {
    for (const TRangeCheck& check : checks) {
        ErrorText = RangeCheck(check.comparator, fluid.Code, functionName, check.value, check.limit,
                               check.quantity, check.unit);
        if (!ErrorText.empty()) {
            ErrorCode = check.code;
            return false;
        }
    }
    return true;
}

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
        ErrorText = RangeCheck(">", fluid.Code, functionName, D, densityLimit, "Density", "kg/m3");
        if (!ErrorText.empty()) {
            ErrorCode = KXErrorCode::DensityAboveRange;
            return false;
        }
    }
    return true;
}
