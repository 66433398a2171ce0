#pragma once
// The citations of the pair parameters of the mixture model (KX_Mixture_Blends.cpp), as the
// mixture libraries name them in their information.
namespace KXMixtureCitations {

inline constexpr const char* LemmonJacobsen =
    "E. W. Lemmon, R. T Jacobsen, J. Phys. Chem. Ref. Data 33 (2004) 593 (R32, R125, R134a, "
    "R143a pairs)";
inline constexpr const char* Bell2022 =
    "I. H. Bell, J. Phys. Chem. Ref. Data 51 (2022) 013103 (R1234yf/R134a, R1234yf/R1234ze(E), "
    "R134a/R1234ze(E))";
inline constexpr const char* Bell2023 =
    "I. H. Bell, J. Phys. Chem. Ref. Data 52 (2023) 013101 (R32/R1234yf, R32/R1234ze(E), "
    "R125/R1234yf)";
inline constexpr const char* Bell2025 =
    "I. H. Bell, J. Chem. Eng. Data (2025), doi 10.1021/acs.jced.4c00699 (R125/R1234ze(E))";
}  // namespace KXMixtureCitations
