#pragma once
// The 40 functions of the water and steam library "KX_WS_IF97" (IAPWS-IF97), in registration
// order. Arguments and results are in the library's standard units: bar(a), °C, kJ/kg,
// kJ/kgK, kg/m3, m3/kg, m/s, Pa.s, m2/s, W/mK, N/m, kg/kmol, "-" for fractions and
// dimensionless numbers. Every function follows the library function contract of
// KX_Function_Types.h: errorText is a buffer of capacity + 1 bytes, *errorCode 0 on success.
#include <cstdint>
#include <span>

#include "KX_Function_Types.h"

double KX_WS_IF97_PsatT(double t, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_TsatP(double p, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_DTX(double t, double x, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_VTX(double t, double x, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_HTX(double t, double x, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_STX(double t, double x, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_DPX(double p, double x, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_VPX(double p, double x, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_HPX(double p, double x, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_SPX(double p, double x, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_DPT(double p, double t, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_VPT(double p, double t, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_HPT(double p, double t, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_SPT(double p, double t, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_TPH(double p, double h, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_XPH(double p, double h, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_SPH(double p, double h, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_VPH(double p, double h, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_DPH(double p, double h, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_TPS(double p, double s, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_XPS(double p, double s, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_HPS(double p, double s, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_VPS(double p, double s, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_DPS(double p, double s, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_XTH(double t, double h, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_XTS(double t, double s, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_CpPT(double p, double t, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_CvPT(double p, double t, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_KPT(double p, double t, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_WPT(double p, double t, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_STT(double t, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_TCPT(double p, double t, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_DVPT(double p, double t, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_KVPT(double p, double t, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_PrPT(double p, double t, char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_MM(char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_Pc(char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_Tc(char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_Pt(char* errorText, int32_t capacity, int32_t* errorCode);
double KX_WS_IF97_Tt(char* errorText, int32_t capacity, int32_t* errorCode);

// The 40 functions with their short names ("PsatT", ...), in registration order.
std::span<const TKXLibraryEntry> KX_WS_IF97_Entries();
