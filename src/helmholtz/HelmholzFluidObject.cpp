// The fluid base class: constants, default operations and the property relations that follow
// from the reduced Helmholtz energy phi(delta, tau) = phio + phir.
#include "HelmholzFluidObject.h"

#include <cmath>

#include "KX_Function_Types.h"

THelmholzFluid::THelmholzFluid(const THelmholzConstants& c)
    : Code(c.Code),
      dta(KelvinOffset),
      MM_(c.MM_),
      R_(c.R_),
      Ac_(c.Ac_),
      Tc_(c.Tc_),
      Tcr_(c.Tcr_),
      Tc_Max_(c.Tc_Max_),
      Pc_(c.Pc_),
      Hc_(c.Hc_),
      Pcr_(c.Pcr_),
      Dcr_(c.Dcr_),
      Tt_(c.Tt_),
      Pt_(c.Pt_),
      Pmin(c.Pmin),
      Pmax(c.Pmax),
      Tmax(c.Tmax),
      Dmax(c.Dmax),
      Pmax_Dmax(c.Pmax_Dmax),
      dH(c.dH),
      dS(c.dS),
      dH_XTH(c.dH_XTH),
      dS_XTS(c.dS_XTS) {}

double THelmholzFluid::Tmin(double) const {
    return Tt_;
}

double THelmholzFluid::Tmin_Dmax(double, int32_t) const {
    return 0.0;
}

void THelmholzFluid::PhirAll(double Delta, double Tau, THelmholzResidual& r) const {
    r.Phi = Phir(Delta, Tau);
    r.Phid = Phird(Delta, Tau);
    r.Phidd = Phirdd(Delta, Tau);
    r.Phit = Phirt(Delta, Tau);
    r.Phitt = Phirtt(Delta, Tau);
    r.Phidt = Phirdt(Delta, Tau);
}

void THelmholzFluid::PhirDeltaDerivatives(double Delta, double Tau, THelmholzResidual& r) const {
    PhirAll(Delta, Tau, r);
}

void THelmholzFluid::PhirAllExtended(long double Delta, long double Tau,
                                     THelmholzResidualExtended& r) const {
    THelmholzResidual d;
    PhirAll(static_cast<double>(Delta), static_cast<double>(Tau), d);
    r = {d.Phi, d.Phid, d.Phidd, d.Phit, d.Phitt, d.Phidt};
}

void THelmholzFluid::PhioAll(double Delta, double Tau, THelmholzIdeal& o) const {
    o.Phi = Phio(Delta, Tau);
    o.Phit = Phiot(Delta, Tau);
    o.Phitt = Phiott(Delta, Tau);
}

// ---- Property relations ----

double THelmholzFluid::PDT(double D, double T) const {
    const double delta = DeltaOf(D);
    const double tau = TauOf(T);
    return PressureFromPhird(D, T, Phird(delta, tau));
}

double THelmholzFluid::PressureFromPhird(double D, double T, double phird) const {
    // 100: kPa to bar.
    return (1.0 + DeltaOf(D) * phird) * D * R_ * (T + dta) / 100.0;
}

double THelmholzFluid::PTD(double T, double D) const {
    return PDT(D, T);
}

namespace {

// The enthalpy, entropy and heat capacity of one state from its residual and ideal parts; every
// function that gives them forms them here, so that they agree to the last bit.
double EnthalpyOf(const THelmholzFluid& fluid, double T, double delta, double tau,
                  const THelmholzResidual& r, const THelmholzIdeal& o) {
    return fluid.R_ * (T + fluid.dta) * (1.0 + tau * (o.Phit + r.Phit) + delta * r.Phid);
}

double EntropyOf(const THelmholzFluid& fluid, double tau, const THelmholzResidual& r,
                 const THelmholzIdeal& o) {
    return fluid.R_ * (tau * (o.Phit + r.Phit) - o.Phi - r.Phi);
}

}  // namespace

double THelmholzFluid::HDT(double D, double T) const {
    const double delta = DeltaOf(D);
    const double tau = TauOf(T);
    THelmholzResidual r;
    THelmholzIdeal o;
    PhirAll(delta, tau, r);
    PhioAll(delta, tau, o);
    return EnthalpyOf(*this, T, delta, tau, r, o);
}

double THelmholzFluid::SDT(double D, double T) const {
    const double delta = DeltaOf(D);
    const double tau = TauOf(T);
    THelmholzResidual r;
    THelmholzIdeal o;
    PhirAll(delta, tau, r);
    PhioAll(delta, tau, o);
    return EntropyOf(*this, tau, r, o);
}

double THelmholzFluid::CvDT(double D, double T) const {
    const double delta = DeltaOf(D);
    const double tau = TauOf(T);
    return -R_ * tau * tau * (Phiott(delta, tau) + Phirtt(delta, tau));
}

namespace {

// The two pressure-derivative groups of the heat capacity and the speed of sound:
// A = 1 + delta phir_d - delta tau phir_dt, B = 1 + 2 delta phir_d + delta^2 phir_dd.
struct TDerivativeGroups {
    double A;
    double B;
    double Cv;  // over R
};

TDerivativeGroups GroupsOf(double delta, double tau, const THelmholzResidual& r,
                           const THelmholzIdeal& o) {
    TDerivativeGroups g;
    g.A = 1.0 + delta * r.Phid - delta * tau * r.Phidt;
    g.B = 1.0 + 2.0 * delta * r.Phid + delta * delta * r.Phidd;
    g.Cv = -tau * tau * (o.Phitt + r.Phitt);
    return g;
}

double CpOf(const THelmholzFluid& fluid, const TDerivativeGroups& g) {
    return fluid.R_ * g.Cv + fluid.R_ * g.A * g.A / g.B;
}

TDerivativeGroups Groups(const THelmholzFluid& fluid, double D, double T) {
    const double delta = fluid.DeltaOf(D);
    const double tau = fluid.TauOf(T);
    THelmholzResidual r;
    THelmholzIdeal o;
    fluid.PhirAll(delta, tau, r);
    fluid.PhioAll(delta, tau, o);
    return GroupsOf(delta, tau, r, o);
}

}  // namespace

double THelmholzFluid::CpDT(double D, double T) const {
    return CpOf(*this, Groups(*this, D, T));
}

void THelmholzFluid::ValueAndCpDT(bool enthalpy, double D, double T, double& value,
                                  double& cp) const {
    const double delta = DeltaOf(D);
    const double tau = TauOf(T);
    THelmholzResidual r;
    THelmholzIdeal o;
    PhirAll(delta, tau, r);
    PhioAll(delta, tau, o);
    value = enthalpy ? EnthalpyOf(*this, T, delta, tau, r, o) : EntropyOf(*this, tau, r, o);
    cp = CpOf(*this, GroupsOf(delta, tau, r, o));
}

double THelmholzFluid::WDT(double D, double T) const {
    const TDerivativeGroups g = Groups(*this, D, T);
    // 1000: kJ to J.
    return std::sqrt(1000.0 * R_ * (T + dta) * (g.B + g.A * g.A / g.Cv));
}

double THelmholzFluid::Rdelta(double ps, double tau, double delta) const {
    return 1.0 + delta * Phird(delta, tau) - 100.0 * ps * tau / (R_ * (Tcr_ + dta) * delta * Dcr_);
}

double THelmholzFluid::Rdeltad(double ps, double tau, double delta) const {
    return delta * Phirdd(delta, tau) + Phird(delta, tau) +
           100.0 * ps * tau / (R_ * (Tcr_ + dta) * delta * delta * Dcr_);
}

// ---- Constants ----

namespace {
double Constant(double value, std::string& ErrorText, int32_t& ErrorCode) {
    ErrorText.clear();
    ErrorCode = KXErrorCode::Success;
    return value;
}
}  // namespace

double THelmholzFluid::MM(std::string& ErrorText, int32_t& ErrorCode) const {
    return Constant(MM_, ErrorText, ErrorCode);
}
double THelmholzFluid::Tc(std::string& ErrorText, int32_t& ErrorCode) const {
    return Constant(Tc_, ErrorText, ErrorCode);
}
double THelmholzFluid::Pc(std::string& ErrorText, int32_t& ErrorCode) const {
    return Constant(Pc_, ErrorText, ErrorCode);
}
double THelmholzFluid::Tt(std::string& ErrorText, int32_t& ErrorCode) const {
    return Constant(Tt_, ErrorText, ErrorCode);
}
double THelmholzFluid::Pt(std::string& ErrorText, int32_t& ErrorCode) const {
    return Constant(Pt_, ErrorText, ErrorCode);
}
