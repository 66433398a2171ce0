#pragma once
// R-507A (R125 50 %, R143a 50 % by mass) as a pseudo-pure fluid: the Helmholtz equation of Lemmon
// (2003) with its bubble- and dew-pressure ancillaries, from 200 K to 500 K and up to 50 MPa.
#include "KX_Pseudo_Pure_Blend.h"

class TR507A_FE : public TPseudoPureBlend {
  public:
    TR507A_FE();
};
