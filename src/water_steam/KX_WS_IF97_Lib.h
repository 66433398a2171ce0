#pragma once
// The 40 functions of the water and steam library "KX_WS_IF97" (IAPWS-IF97), in registration
// order. Arguments and results are in the library's standard units: bar(a), °C, kJ/kg,
// kJ/kgK, kg/m3, m3/kg, m/s, Pa.s, m2/s, W/mK, N/m, kg/kmol, "-" for fractions and
// dimensionless numbers. Every function follows the library function contract of
// KX_Function_Types.h: errorText is a buffer of capacity + 1 bytes, *errorCode 0 on success.
#include <cstdint>
#include <span>

#include "KX_Function_List.h"
#include "KX_Function_Types.h"

// PsatT ... WPT, then STT, TCPT, DVPT, KVPT, PrPT, then MM, Pc, Tc, Pt, Tt (KX_Function_List.h):
// double KX_WS_IF97_PsatT(double x1, char* errorText, int32_t capacity, int32_t* errorCode); ...
KX_DECLARE_FUNCTIONS(KX_FUNCTIONS_SHARED, KX_WS_IF97)
KX_DECLARE_FUNCTIONS(KX_FUNCTIONS_TRANSPORT, KX_WS_IF97)
KX_DECLARE_FUNCTIONS(KX_FUNCTIONS_CONSTANTS, KX_WS_IF97)

// The 40 functions with their short names ("PsatT", ...), in registration order.
std::span<const TKXLibraryEntry> KX_WS_IF97_Entries();
