#pragma once
// Temporary experiment (see ExtendedPrecisionExperiment.cpp): nitrogen with its residual part
// in long double.
#include "HelmholzFluidObject.h"
#include "KX_N2_FE_Lib_Root.h"

class TN2InLongDouble : public TN2_FE {
  public:
    void PhirAllExtended(long double delta, long double tau,
                         THelmholzResidualExtended& r) const override;
    bool ResidualInExtendedPrecision() const override { return true; }
};
