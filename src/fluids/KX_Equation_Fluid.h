#pragma once
// The base of every fluid equation of this folder: the residual part as term tables on the one
// evaluator of KX_Residual_Equation.h and the ideal-gas part in the one data-driven form of
// KX_Ideal_Gas.h. A fluid supplies its tables, constants and ancillary equations. Each single
// derivative is formed alone, without the others.
#include <span>

#include "KX_Ancillary_Equations.h"
#include "KX_Ideal_Gas.h"
#include "KX_PhiAll_Fluid.h"
#include "KX_Residual_Equation.h"

class TEquationFluid : public TPhiAllFluid {
  public:
    double Phir(double Delta, double Tau) const override;
    double Phirt(double Delta, double Tau) const override;
    double Phirtt(double Delta, double Tau) const override;
    double Phird(double Delta, double Tau) const override;
    double Phirdd(double Delta, double Tau) const override;
    double Phirdt(double Delta, double Tau) const override;
    void PhirAll(double Delta, double Tau, THelmholzResidual& r) const override;
    void PhirDeltaDerivatives(double Delta, double Tau, THelmholzResidual& r) const override;
    void PhioAll(double Delta, double Tau, THelmholzIdeal& o) const override;
    void PhirAllExtended(long double Delta, long double Tau,
                         THelmholzResidualExtended& r) const override;
    bool ResidualInExtendedPrecision() const override { return true; }

  protected:
    TEquationFluid(const THelmholzConstants& constants, const TResidualTables& residual,
                   const TIdealGasPart& ideal)
        : TPhiAllFluid(constants), residual_(residual), ideal_(ideal) {}

  private:
    // The one residual sum `part` (a ResidualPart bit) names, kept in `sum` of the result.
    double ResidualSum(double Delta, double Tau, unsigned part,
                       double THelmholzResidual::*sum) const;

    TResidualEquation residual_;
    TIdealGasPart ideal_;
};
