// The cycles of the explorer through the C interface: named inputs in, the text of
// `varnexa-cli cycle` out (17 significant digits). Apart from VarnexaCApi.cpp so that a C
// interface over a registry of its own (the tests') needs no explorer.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "CApiCall.h"
#include "CApiRegistry.h"
#include "KXCycle.h"
#include "varnexa.h"

extern "C" {

int32_t varnexa_cycle(const char* kind, const char* library, int32_t inputCount,
                      const char* const* inputNames, const double* inputValues, char* text,
                      int32_t capacity) {
    if (!text || capacity < 1) return VARNEXA_CYCLE_TEXT_TOO_SMALL;
    text[0] = '\0';
    const varnexa_capi::TCallerEnvironment environment;
    const auto finish = [&](const std::string& out, int32_t status) {
        if (out.size() + 1 > static_cast<std::size_t>(capacity))
            return VARNEXA_CYCLE_TEXT_TOO_SMALL;
        std::memcpy(text, out.c_str(), out.size() + 1);
        return status;
    };
    if (!kind || !library || inputCount < 0 || (inputCount > 0 && (!inputNames || !inputValues)))
        return finish("varnexa_cycle: a NULL argument or a negative input count",
                      VARNEXA_CYCLE_USAGE);
    const TKXLibraries& registry = CApiRegistry();
    const int index = registry.FindLibrary(library);
    if (index < 0) return finish(std::string("unknown library: ") + library, VARNEXA_CYCLE_USAGE);
    TKXCycleInputs inputs;
    for (int32_t i = 0; i < inputCount; ++i) {
        if (!inputNames[i]) return finish("varnexa_cycle: a NULL input name", VARNEXA_CYCLE_USAGE);
        inputs.emplace_back(inputNames[i], inputValues[i]);
    }
    bool usage = false;
    const TKXCycle cycle = ComputeCycle(TKXFluidFunctions(registry, index), kind, inputs, usage);
    if (usage) return finish(cycle.ErrorText, VARNEXA_CYCLE_USAGE);
    const std::string out = CycleText(cycle, [](double v) {
        char number[32];
        std::snprintf(number, sizeof number, "%.17g", v);
        return std::string(number);
    });
    return finish(out, cycle.Ok ? VARNEXA_CYCLE_OK : VARNEXA_CYCLE_REFUSED);
}

}  // extern "C"
