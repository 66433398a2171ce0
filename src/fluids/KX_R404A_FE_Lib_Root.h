#pragma once
// R-404A (R125 44 %, R143a 52 %, R134a 4 % by mass) as a pseudo-pure fluid: the Helmholtz equation
// of Lemmon (2003) with its bubble- and dew-pressure ancillaries, from 200 K to 500 K and up to 50
// MPa.
#include "KX_Pseudo_Pure_Blend.h"

class TR404A_FE : public TPseudoPureBlend {
  public:
    TR404A_FE();
};
