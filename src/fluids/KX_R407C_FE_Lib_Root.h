#pragma once
// R-407C (R32 23 %, R125 25 %, R134a 52 % by mass) as a pseudo-pure fluid: the Helmholtz equation
// of Lemmon (2003) with its bubble- and dew-pressure ancillaries, from 200 K to 500 K and up to 50
// MPa.
#include "KX_Pseudo_Pure_Blend.h"

class TR407C_FE : public TPseudoPureBlend {
  public:
    TR407C_FE();
};
