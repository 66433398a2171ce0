#pragma once
// The base of the fluid models of this folder. Each has an ideal-gas part ln δ + f(τ), whose
// δ-derivatives are 1/δ, −1/δ² and 0, and evaluates its residual and ideal parts with all their
// derivatives at once (PhirAll, PhioAll): every single-derivative slot takes its value from that
// evaluation, so a model supplies its ancillary equations and the two evaluations. A model that
// forms one derivative more cheaply on its own overrides that slot.
#include "HelmholzFluidObject.h"

class TPhiAllFluid : public THelmholzFluid {
  public:
    double Phio(double Delta, double Tau) const override;
    double Phiot(double Delta, double Tau) const override;
    double Phiott(double Delta, double Tau) const override;
    double Phiod(double Delta, double Tau) const override;
    double Phiodd(double Delta, double Tau) const override;
    double Phiodt(double Delta, double Tau) const override;
    double Phir(double Delta, double Tau) const override;
    double Phirt(double Delta, double Tau) const override;
    double Phirtt(double Delta, double Tau) const override;
    double Phird(double Delta, double Tau) const override;
    double Phirdd(double Delta, double Tau) const override;
    double Phirdt(double Delta, double Tau) const override;

    void PhirAll(double Delta, double Tau, THelmholzResidual& r) const override = 0;
    void PhioAll(double Delta, double Tau, THelmholzIdeal& o) const override = 0;

  protected:
    // The fluid's constants with the flash margins and tolerances, the same for every fluid here.
    explicit TPhiAllFluid(const THelmholzConstants& constants);

  private:
    // One sum of the ideal or residual part, taken from the evaluation of all of them.
    double IdealPart(double Delta, double Tau, double THelmholzIdeal::*part) const;
    double ResidualPart(double Delta, double Tau, double THelmholzResidual::*part) const;
};
