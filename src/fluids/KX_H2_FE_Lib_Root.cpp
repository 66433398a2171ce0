#include "KX_H2_FE_Lib_Root.h"

#include <cmath>

#include "HelmholtzMath.h"
#include "KX_Ancillary_Equations.h"

namespace {

// ---- Coefficient tables ----

// Coefficients of normal hydrogen: the equation of state of Leachman et al., J. Phys. Chem. Ref.
// Data 38 (2009) 721, and its ancillary saturation equations.
constexpr THydrogenTables NormalHydrogenTables = {
    .a1 = -1.4579856475,
    .a2 = 1.888076782,
    .K = 5,
    .planck = {{1.616, 16.0205159149},
               {-0.4117, 22.6580178006},
               {-0.792, 60.0090511389},
               {0.758, 74.9434303817},
               {1.217, 206.9392065168}},
    .terms =
        {
            {-6.93643, 0.6844, 1.0, 0},  // 1
            {0.01, 1.0, 4.0, 0},         // 2
            {2.1101, 0.989, 1.0, 0},     // 3
            {4.52059, 0.489, 1.0, 0},    // 4
            {0.732564, 0.803, 2.0, 0},   // 5
            {-1.34086, 1.1444, 2.0, 0},  // 6
            {0.130985, 1.409, 3.0, 0},   // 7
            {-0.777414, 1.754, 1.0, 1},  // 8
            {0.351944, 1.311, 3.0, 1},   // 9
        },
    .gaussians =
        {
            {-0.0211716, 4.187, 2.0, 1.685, 0.171, 0.7164, 1.506},  // 10
            {0.0226312, 5.646, 1.0, 0.489, 0.2245, 1.3444, 0.156},  // 11
            {0.032187, 0.791, 3.0, 0.103, 0.1304, 1.4517, 1.736},   // 12
            {-0.0231752, 7.249, 1.0, 2.506, 0.2785, 0.7204, 0.67},  // 13
            {0.0557346, 2.986, 1.0, 1.607, 0.3967, 1.5445, 1.662},  // 14
        },
    .pseN = {-4.89789, 0.988558, 0.349689, 0.499356},
    .k3 = 2.0,
    .k4 = 2.85,
    .c = {-0.0001357, 0.211, 0.02754, 0.001621},
    .ThresholdK = 31.0,
    .liquidQuadratic = {-2151.6, 144.07, -2.355},
    .e = {1.0354, -0.9035, 2.5524},
    .vapourQuadratic = {2161.5, -139.93, 2.278},
    .g = {-0.1645, -11.009, 19.385, -28.114},
};

// Coefficients of parahydrogen: the equation of state of Leachman et al., J. Phys. Chem. Ref.
// Data 38 (2009) 721, and its ancillary saturation equations.
constexpr THydrogenTables ParahydrogenTables = {
    .a1 = -1.4485891134,
    .a2 = 1.884521239,
    .K = 7,
    .planck = {{4.30256, 15.1496751472},
               {13.0289, 25.0925982148},
               {-47.7365, 29.4735563787},
               {50.0013, 35.4059141417},
               {-18.6261, 40.724998482},
               {0.993973, 163.7925799988},
               {0.536078, 309.2173173842}},
    .terms =
        {
            {-7.33375, 0.6855, 1.0, 0},  // 1
            {0.01, 1.0, 4.0, 0},         // 2
            {2.60375, 1.0, 1.0, 0},      // 3
            {4.66279, 0.489, 1.0, 0},    // 4
            {0.68239, 0.774, 2.0, 0},    // 5
            {-1.47078, 1.133, 2.0, 0},   // 6
            {0.135801, 1.386, 3.0, 0},   // 7
            {-1.05327, 1.619, 1.0, 1},   // 8
            {0.328239, 1.162, 3.0, 1},   // 9
        },
    .gaussians =
        {
            {-0.0577833, 3.96, 2.0, 1.7437, 0.194, 0.8048, 1.5487},    // 10
            {0.0449743, 5.276, 1.0, 0.5516, 0.2019, 1.5248, 0.1785},   // 11
            {0.0703464, 0.99, 3.0, 0.0634, 0.0301, 0.6648, 1.28},      // 12
            {-0.0401766, 6.791, 1.0, 2.1341, 0.2383, 0.6832, 0.6319},  // 13
            {0.11951, 3.19, 1.0, 1.777, 0.3253, 1.493, 1.7104},        // 14
        },
    .pseN = {-4.87767, 1.03359, 0.82668, -0.129412},
    .k3 = 2.65,
    .k4 = 7.4,
    .c = {-0.0003585, 0.2109, 0.02753, 0.001625},
    .ThresholdK = 30.0,
    .liquidQuadratic = {-484.9, 38.587, -0.6875},
    .e = {1.0256, -0.9394, 2.5835},
    .vapourQuadratic = {558.12, -38.446, 0.6735},
    .g = {-0.1617, -11.05, 19.449, -28.126},
};

// Coefficients of orthohydrogen: the equation of state of Leachman et al., J. Phys. Chem. Ref.
// Data 38 (2009) 721, and its ancillary saturation equations.
constexpr THydrogenTables OrthohydrogenTables = {
    .a1 = -1.4675442336,
    .a2 = 1.8845068862,
    .K = 4,
    .planck = {{2.54151, 25.7676098736},
               {-2.3661, 43.4677904877},
               {1.00365, 66.044551475},
               {1.22447, 209.7531607465}},
    .terms =
        {
            {-6.83148, 0.7333, 1.0, 0},  // 1
            {0.01, 1.0, 4.0, 0},         // 2
            {2.11505, 1.1372, 1.0, 0},   // 3
            {4.38353, 0.5136, 1.0, 0},   // 4
            {0.211292, 0.5638, 2.0, 0},  // 5
            {-1.00939, 1.6248, 2.0, 0},  // 6
            {0.142086, 1.829, 3.0, 0},   // 7
            {-0.87696, 2.404, 1.0, 1},   // 8
            {0.804927, 2.105, 3.0, 1},   // 9
        },
    .gaussians =
        {
            {-0.710775, 4.1, 2.0, 1.169, 0.4555, 1.5444, 0.6366},    // 10
            {0.0639688, 7.658, 1.0, 0.894, 0.4046, 0.6627, 0.3876},  // 11
            {0.0710858, 1.259, 3.0, 0.04, 0.0869, 0.763, 0.9437},    // 12
            {-0.087654, 7.589, 1.0, 2.072, 0.4415, 0.6587, 0.3976},  // 13
            {0.647088, 3.946, 1.0, 1.306, 0.5743, 1.4327, 0.9626},   // 14
        },
    .pseN = {-4.88684, 1.0531, 0.856947, -0.185355},
    .k3 = 2.7,
    .k4 = 6.2,
    .c = {-0.0002898, 0.211, 0.0276, 0.001638},
    .ThresholdK = 31.0,
    .liquidQuadratic = {-1795.8, 121.46, -1.996},
    .e = {1.028, -0.9242, 2.5892},
    .vapourQuadratic = {1765.4, -114.73, 1.8775},
    .g = {-0.1566, -10.851, 18.706, -27.382},
};

}  // namespace

namespace {

// The constants every form of hydrogen shares, added to those of one form.
THelmholzConstants WithHydrogenConstants(THelmholzConstants form) {
    form.MM_ = 2.01588;
    form.R_ = 4.124488;
    form.Ac_ = -0.218;
    form.Tmax = 1000.0 - KelvinOffset;
    form.Pmax = 20000.0;
    return form;
}

}  // namespace

THydrogen_FE::THydrogen_FE(const THelmholzConstants& form, const THydrogenTables& tables)
    : TEquationFluid(WithHydrogenConstants(form), {tables.terms, tables.gaussians},
                     {tables.a1,
                      tables.a2,
                      1.5,
                      {},
                      std::span(tables.planck, static_cast<std::size_t>(tables.K))}),
      tables_(tables) {}

TH2_FE::TH2_FE()
    : THydrogen_FE({.Code = "KX_H2_FE",
                    .Tc_ = -240.005,
                    .Tcr_ = -240.005,
                    .Tc_Max_ = -241.005,
                    .Pc_ = 12.964,
                    .Hc_ = 298.16,
                    .Pcr_ = 12.964,
                    .Dcr_ = 31.262,
                    .Tt_ = -259.193,
                    .Pt_ = 0.073577660610577786,
                    .Pmin = 0.073577660610577786},
                   NormalHydrogenTables) {}

TH2p_FE::TH2p_FE()
    : THydrogen_FE({.Code = "KX_H2p_FE",
                    .Tc_ = -240.212,
                    .Tcr_ = -240.212,
                    .Tc_Max_ = -241.5,
                    .Pc_ = 12.858,
                    .Hc_ = 295.63,
                    .Pcr_ = 12.858,
                    .Dcr_ = 31.323,
                    .Tt_ = -259.347,
                    .Pt_ = 0.070399151717546973,
                    .Pmin = 0.070399151717546973},
                   ParahydrogenTables) {}

TH2o_FE::TH2o_FE()
    : THydrogen_FE({.Code = "KX_H2o_FE",
                    .Tc_ = -239.93,
                    .Tcr_ = -239.93,
                    .Tc_Max_ = -241.005,
                    .Pc_ = 13.1065,
                    .Hc_ = 299.97,
                    .Pcr_ = 13.1065,
                    .Dcr_ = 31.136,
                    .Tt_ = -259.142,
                    .Pt_ = 0.075602862219878011,
                    .Pmin = 0.07461},
                   OrthohydrogenTables) {}

// ---- Ancillary equations ----

double THydrogen_FE::Pse(double t) const {
    const double theta = AncillaryTheta(t, Tcr_, dta);
    // Written out rather than summed over a table: k3 and k4 differ by form, and constant
    // exponents for the first two terms keep this start value cheap.
    const double* n = tables_.pseN;
    const double sum = n[0] * theta + n[1] * PowerOf(theta, 1.5) +
                       n[2] * PowerOf(theta, tables_.k3) + n[3] * PowerOf(theta, tables_.k4);
    return Pcr_ * std::exp(sum / (1.0 - theta));
}

double THydrogen_FE::tse(double p) const {
    const double y = std::log(p / Pcr_);
    const double* c = tables_.c;
    return (Tcr_ + dta) * (1.0 + c[0] + y * (c[1] + y * (c[2] + y * c[3]))) - 273.15;
}

double THydrogen_FE::dsle(double t) const {
    const double tk = t + dta;
    if (tk > tables_.ThresholdK) {
        const double* q = tables_.liquidQuadratic;
        return q[0] + tk * (q[1] + tk * q[2]);
    }
    const double theta = AncillaryTheta(t, Tcr_, dta);
    const double* e = tables_.e;
    return Dcr_ * (e[0] + e[1] * theta + e[2] * PowerOf(theta, 0.5));
}

double THydrogen_FE::dsve(double t) const {
    const double tk = t + dta;
    if (tk > tables_.ThresholdK) {
        const double* q = tables_.vapourQuadratic;
        return q[0] + tk * (q[1] + tk * q[2]);
    }
    const double theta = AncillaryTheta(t, Tcr_, dta);
    const double* g = tables_.g;
    return Dcr_ * std::exp(g[0] + theta * (g[1] + theta * (g[2] + theta * g[3])));
}
