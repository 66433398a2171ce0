// saturation_curve_generator: fits the saturation curves of every Helmholtz fluid to its
// equation of state and writes them as sources (--out DIR), or checks the built-in curves
// against the equations on random temperatures (--verify N). --fluid CODE limits either to one
// fluid.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "HelmholzFluidObject.h"
#include "KX_Ar_FE_Lib_Root.h"
#include "KX_CO2_FE_Lib_Root.h"
#include "KX_Fluid_Objects.h"
#include "KX_H2_FE_Lib_Root.h"
#include "KX_N2_FE_Lib_Root.h"
#include "KX_NH3_FE_Lib_Root.h"
#include "KX_O2_FE_Lib_Root.h"
#include "KX_R123_FE_Lib_Root.h"
#include "KX_R134a_FE_Lib_Root.h"
#include "KX_R152a_FE_Lib_Root.h"
#include "KX_R22_FE_Lib_Root.h"
#include "KX_R32_FE_Lib_Root.h"
#include "SaturationCurveFit.h"
#include "SaturationCurves.h"

namespace {

std::vector<const THelmholzFluid*> AllFluids() {
    CreateFluidObjects();
    return {&NH3Fluid(),   &R22Fluid(), &R32Fluid(), &R123Fluid(), &R134aFluid(),
            &R152aFluid(), &N2Fluid(),  &O2Fluid(),  &CO2Fluid(),  &ArFluid(),
            &H2Fluid(),    &H2pFluid(), &H2oFluid()};
}

bool WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

int Generate(const std::vector<const THelmholzFluid*>& fluids, const std::string& dir) {
    std::vector<std::string> codes;
    for (const THelmholzFluid* fluid : fluids) {
        TFittedCurve curve;
        std::string message;
        if (!FitSaturationCurve(*fluid, curve, message)) {
            std::fprintf(stderr, "saturation_curve_generator: %s\n", message.c_str());
            return 1;
        }
        if (!WriteFile(dir + "/" + CurveFileName(curve.Code), CurveSourceText(curve))) {
            std::fprintf(stderr, "saturation_curve_generator: cannot write into %s\n", dir.c_str());
            return 1;
        }
        std::printf("%-12s %3d pieces, fit residual ln psat %.1e, ln rho %.1e\n",
                    curve.Code.c_str(), static_cast<int>(curve.Breaks.size()) - 1, curve.WorstLnP,
                    curve.WorstLnD);
        codes.push_back(curve.Code);
    }
    // The index names every fluid, also when only one was refitted.
    std::vector<std::string> all;
    for (const THelmholzFluid* fluid : AllFluids()) all.push_back(fluid->Code);
    return WriteFile(dir + "/SaturationCurveIndex.cpp", CurveIndexText(all)) ? 0 : 1;
}

int Verify(const std::vector<const THelmholzFluid*>& fluids, int samples) {
    std::printf("%-12s %9s %9s %10s %9s %10s %9s %10s %9s %10s %s\n", "fluid", "samples", "psat",
                "at (°C)", "rho'", "at", "rho''", "at", "Tsat (K)", "at", "failures");
    int status = 0;
    for (const THelmholzFluid* fluid : fluids) {
        const TSaturationCurve* curve = FindSaturationCurve(fluid->Code);
        if (!curve) {
            std::printf("%-12s no built-in curves\n", fluid->Code.c_str());
            status = 1;
            continue;
        }
        const TCurveCheck c = CheckSaturationCurve(*fluid, *curve, samples, 20261209u);
        std::printf("%-12s %9d %9.2e %10.5f %9.2e %10.5f %9.2e %10.5f %9.2e %10.5f %d\n",
                    fluid->Code.c_str(), c.Samples, c.WorstP, c.AtP, c.WorstDL, c.AtDL, c.WorstDV,
                    c.AtDV, c.WorstTsat, c.AtTsat, c.Failures);
        if (c.Failures > 0 || c.WorstP > 1e-12 || c.WorstDL > 1e-11 || c.WorstDV > 1e-11 ||
            c.WorstTsat > 1e-10)
            status = 1;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    std::string out, only;
    int verify = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--out") == 0)
            out = argv[i + 1];
        else if (std::strcmp(argv[i], "--verify") == 0)
            verify = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--fluid") == 0)
            only = argv[i + 1];
    }
    if (out.empty() == (verify <= 0)) {
        std::fprintf(stderr,
                     "usage: saturation_curve_generator (--out DIR | --verify N) [--fluid CODE]\n");
        return 2;
    }
    std::vector<const THelmholzFluid*> fluids;
    for (const THelmholzFluid* fluid : AllFluids())
        if (only.empty() || fluid->Code == only) fluids.push_back(fluid);
    return verify > 0 ? Verify(fluids, verify) : Generate(fluids, out);
}
