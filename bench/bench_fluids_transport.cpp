// Transport functions of the Helmholtz fluids against the density from pressure and temperature
// they start from: "<library>_DPT", "<library>_DVPT" and "<library>_TCPT" over the same liquid,
// vapour and near- and supercritical states, so the ratios DVPT/DPT and TCPT/DPT (the
// conductivity with its critical enhancement) read off directly.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "KX_Ar_FE_Lib.h"
#include "KX_Ar_FE_Lib_Root.h"
#include "KX_CO2_FE_Lib.h"
#include "KX_CO2_FE_Lib_Root.h"
#include "KX_H2_FE_Lib.h"
#include "KX_H2_FE_Lib_Root.h"
#include "KX_N2_FE_Lib.h"
#include "KX_N2_FE_Lib_Root.h"
#include "KX_NH3_FE_Lib.h"
#include "KX_NH3_FE_Lib_Root.h"
#include "KX_O2_FE_Lib.h"
#include "KX_O2_FE_Lib_Root.h"
#include "KX_R123_FE_Lib.h"
#include "KX_R123_FE_Lib_Root.h"
#include "KX_R134a_FE_Lib.h"
#include "KX_R134a_FE_Lib_Root.h"
#include "KX_R152a_FE_Lib.h"
#include "KX_R152a_FE_Lib_Root.h"
#include "fluid_bench_support.h"

namespace {

using fluidbench::TArgs;

struct TTransportBench {
    const char* Library;
    std::span<const TKXLibraryEntry> Entries;
    const THelmholzFluid& (*Fluid)();
    double TminK = 0.0;  // lower bound of the correlation where above the triple point
    double TmaxK = 1e9;
};

template <class T, const T& (*Accessor)()>
const THelmholzFluid& Base() {
    return Accessor();
}

// Two liquid, two vapour, a near-critical and a supercritical state from the fluid's constants.
std::vector<TArgs> States(const TTransportBench& b) {
    const THelmholzFluid& f = b.Fluid();
    const double low = std::max(f.Tt_, b.TminK - f.dta);
    const double Tc = f.Tc_;
    const double high = std::min({f.Tmax, b.TmaxK - f.dta, Tc + 20.0});
    return {
        {0.5 * f.Pc_, low + 0.6 * (Tc - low)},   {2.0 * f.Pc_, low + 0.4 * (Tc - low)},
        {0.1 * f.Pc_, low + 0.7 * (Tc - low)},   {0.3 * f.Pc_, Tc + 20.0 > high ? high : Tc + 20.0},
        {1.5 * f.Pc_, std::min(Tc + 5.0, high)}, {2.0 * f.Pc_, high}};
}

const std::vector<TTransportBench>& Benches() {
    static const std::vector<TTransportBench> benches = {
        {"KX_NH3_FE", KX_NH3_FE_Entries(), Base<TNH3_FE, NH3Fluid>},
        {"KX_N2_FE", KX_N2_FE_Entries(), Base<TN2_FE, N2Fluid>, 70.0},
        {"KX_O2_FE", KX_O2_FE_Entries(), Base<TO2_FE, O2Fluid>},
        {"KX_CO2_FE", KX_CO2_FE_Entries(), Base<TCO2_FE, CO2Fluid>},
        {"KX_Ar_FE", KX_Ar_FE_Entries(), Base<TAr_FE, ArFluid>},
        {"KX_H2_FE", KX_H2_FE_Entries(), Base<TH2_FE, H2Fluid>},
        {"KX_H2p_FE", KX_H2p_FE_Entries(), Base<TH2p_FE, H2pFluid>},
        {"KX_R123_FE", KX_R123_FE_Entries(), Base<TR123_FE, R123Fluid>},
        {"KX_R134a_FE", KX_R134a_FE_Entries(), Base<TR134a_FE, R134aFluid>},
        {"KX_R152a_FE", KX_R152a_FE_Entries(), Base<TR152a_FE, R152aFluid>, 240.0, 430.0},
    };
    return benches;
}

TBinaryFunction Function(const TTransportBench& b, const char* name) {
    for (const TKXLibraryEntry& e : b.Entries)
        if (std::string(e.ShortName) == name) return e.Ptr.Binary;
    std::abort();  // a benchmark of a function the library does not have is a coding slip
}

bool Register() {
    CreateFluidObjects();
    for (const TTransportBench& b : Benches()) {
        const std::vector<TArgs> states = States(b);
        for (const char* fn : {"DPT", "DVPT", "TCPT"})
            benchmark::RegisterBenchmark((std::string(b.Library) + "_" + fn).c_str(),
                                         [f = Function(b, fn), states](benchmark::State& s) {
                                             fluidbench::RunBinary(s, f, states);
                                         });
    }
    return true;
}

const bool registered = Register();

}  // namespace
