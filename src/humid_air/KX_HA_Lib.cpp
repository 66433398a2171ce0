#include "KX_HA_Lib.h"

#include <string>

#include "KX_Function_List.h"
#include "KX_HA_Ideal.h"
#include "KX_HA_RP1485.h"
#include "KX_Utils.h"

namespace {

// One entry point: the model's value, or its failure as code and text.
template <class Model>
double HAEntry(const char* library, const char* function, char* errorText, int32_t capacity,
               int32_t* errorCode, Model&& model) {
    return RunLibraryFunction(library, function, errorText, capacity, errorCode,
                              [&](std::string& text, int32_t& code) {
                                  const ha::THAValue v = model();
                                  if (v.Ok()) return v.Value;
                                  code = v.Status.Code;
                                  text = ha::HAErrorText(library, function, v.Status);
                                  return 0.0;
                              });
}

}  // namespace

// The functions of each library: short name, arity and the model function behind it, in the
// order of the humid-air shapes.
// clang-format off
#define KX_HA_RP1485_FUNCTIONS(F) \
    F(WPTR, 3, ha::rp1485::W_PTRH) F(WPTTd, 3, ha::rp1485::W_PTTdp) \
    F(WPTTwb, 3, ha::rp1485::W_PTTwb) F(RPTW, 3, ha::rp1485::RH_PTW) \
    F(TdPW, 2, ha::rp1485::Tdp_PW) F(TwbPTW, 3, ha::rp1485::Twb_PTW) \
    F(TPHW, 3, ha::rp1485::T_PHW) F(HPTW, 3, ha::rp1485::H_PTW) F(SPTW, 3, ha::rp1485::S_PTW) \
    F(VPTW, 3, ha::rp1485::V_PTW) F(DPTW, 3, ha::rp1485::Rho_PTW) \
    F(CpPTW, 3, ha::rp1485::Cp_PTW) F(WsPT, 2, ha::rp1485::Ws_PT) F(HsPT, 2, ha::rp1485::Hs_PT) \
    F(PwsT, 1, ha::rp1485::Pws_T) F(MuPTW, 3, ha::rp1485::Mu_PTW) \
    F(PsiPTW, 3, ha::rp1485::Psi_PTW) F(DVPTW, 3, ha::rp1485::Eta_PTW) \
    F(TCPTW, 3, ha::rp1485::Lambda_PTW) F(PZ, 1, ha::StandardAtmosphereP_Z)

#define KX_HA_IDEAL_FUNCTIONS(F) \
    F(WPTR, 3, ha::ideal::W_PTRH) F(WPTTd, 3, ha::ideal::W_PTTdp) \
    F(WPTTwb, 3, ha::ideal::W_PTTwb) F(RPTW, 3, ha::ideal::RH_PTW) \
    F(TdPW, 2, ha::ideal::Tdp_PW) F(TwbPTW, 3, ha::ideal::Twb_PTW) \
    F(TPHW, 3, ha::ideal::T_PHW) F(HPTW, 3, ha::ideal::H_PTW) \
    F(VPTW, 3, ha::ideal::V_PTW) F(DPTW, 3, ha::ideal::Rho_PTW) \
    F(CpPTW, 3, ha::ideal::Cp_PTW) F(WsPT, 2, ha::ideal::Ws_PT) F(HsPT, 2, ha::ideal::Hs_PT) \
    F(PwsT, 1, ha::ideal::Pws_T) F(MuPTW, 3, ha::ideal::Mu_PTW) \
    F(PsiPTW, 3, ha::ideal::Psi_PTW) F(PZ, 1, ha::StandardAtmosphereP_Z)
// clang-format on

#define KX_HA_DEFINE_1(LIB, NAME, MODEL)                                                        \
    double LIB##_##NAME(double x1, char* errorText, int32_t capacity, int32_t* errorCode) {     \
        return HAEntry(#LIB, #NAME, errorText, capacity, errorCode, [&] { return MODEL(x1); }); \
    }
#define KX_HA_DEFINE_2(LIB, NAME, MODEL)                                         \
    double LIB##_##NAME(double x1, double x2, char* errorText, int32_t capacity, \
                        int32_t* errorCode) {                                    \
        return HAEntry(#LIB, #NAME, errorText, capacity, errorCode,              \
                       [&] { return MODEL(x1, x2); });                           \
    }
#define KX_HA_DEFINE_3(LIB, NAME, MODEL)                                                    \
    double LIB##_##NAME(double x1, double x2, double x3, char* errorText, int32_t capacity, \
                        int32_t* errorCode) {                                               \
        return HAEntry(#LIB, #NAME, errorText, capacity, errorCode,                         \
                       [&] { return MODEL(x1, x2, x3); });                                  \
    }

#define KX_HA_DEFINE_RP1485(NAME, ARITY, MODEL) KX_HA_DEFINE_##ARITY(KX_HA_RP1485, NAME, MODEL)
#define KX_HA_DEFINE_IDEAL(NAME, ARITY, MODEL) KX_HA_DEFINE_##ARITY(KX_HA_IDEAL, NAME, MODEL)
#define KX_HA_ENTRY_RP1485(NAME, ARITY, MODEL) KX_FUNCTION_ENTRY_##ARITY(KX_HA_RP1485, NAME),
#define KX_HA_ENTRY_IDEAL(NAME, ARITY, MODEL) KX_FUNCTION_ENTRY_##ARITY(KX_HA_IDEAL, NAME),

// The entry points, under their registered names with C++ linkage (the C interface exports them
// from the registry).
KX_HA_RP1485_FUNCTIONS(KX_HA_DEFINE_RP1485)
KX_HA_IDEAL_FUNCTIONS(KX_HA_DEFINE_IDEAL)

std::span<const TKXLibraryEntry> KX_HA_RP1485_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_HA_RP1485_FUNCTIONS(KX_HA_ENTRY_RP1485)};
    return entries;
}

std::span<const TKXLibraryEntry> KX_HA_IDEAL_Entries() {
    static constexpr TKXLibraryEntry entries[] = {KX_HA_IDEAL_FUNCTIONS(KX_HA_ENTRY_IDEAL)};
    return entries;
}
