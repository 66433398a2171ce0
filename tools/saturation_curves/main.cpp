// saturation_curve_generator: fits the saturation curves of every Helmholtz fluid whose saturation
// is its phase equilibrium (not the blends: their lines are their ancillaries) to its
// equation of state and writes them as sources (--out DIR), or checks the built-in curves
// against the equations on random temperatures (--verify N). --fluid CODE limits either to one
// fluid. Both evaluate each fluid's residual in long double.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "HelmholzFluidObject.h"
#include "KX_Library_Descriptions.h"
#include "SaturationCurveFit.h"
#include "SaturationCurves.h"

namespace {

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
        std::printf("%-12s %3d pieces, fit residual ln psat %.1e, ln rho %.1e, inverse x %.1e\n",
                    curve.Code.c_str(), static_cast<int>(curve.Breaks.size()) - 1, curve.WorstLnP,
                    curve.WorstLnD, curve.WorstInverseX);
        codes.push_back(curve.Code);
    }
    // The index names every fluid, also when only one was refitted.
    std::vector<std::string> all;
    for (const THelmholzFluid* fluid : KXEquilibriumFluids()) all.push_back(fluid->Code);
    return WriteFile(dir + "/SaturationCurveIndex.cpp", CurveIndexText(all)) ? 0 : 1;
}

// One line of the check: the worst differences in one band and where they were found.
bool PrintBand(const char* fluid, const char* band, const TCurveBand& c) {
    std::printf("%-12s %-6s %8d %9.2e %11.6f %9.2e %11.6f %9.2e %11.6f %9.2e %11.6f %d\n", fluid,
                band, c.Samples, c.WorstP, c.AtP, c.WorstDL, c.AtDL, c.WorstDV, c.AtDV, c.WorstTsat,
                c.AtTsat, c.Failures);
    return c.Failures == 0 && c.WorstP <= 1e-12 && c.WorstDL <= 1e-11 && c.WorstDV <= 1e-11 &&
           c.WorstTsat <= 1e-10;
}

// The near-critical band by decades of the distance from the critical temperature.
void PrintDecades(const char* fluid, const TCurveCheck& c) {
    for (int k = 0; k < CheckDecades; ++k) {
        if (c.ByDecade[k].Samples == 0) continue;
        char band[16];
        std::snprintf(band, sizeof band, "<1e%d", k - 5);
        PrintBand(fluid, band, c.ByDecade[k]);
    }
}

int Verify(const std::vector<const THelmholzFluid*>& fluids, int samples) {
    std::printf("%-12s %-6s %8s %9s %11s %9s %11s %9s %11s %9s %11s %s\n", "fluid", "band",
                "samples", "psat", "at (°C)", "rho'", "at", "rho''", "at", "Tsat (K)", "at",
                "failures");
    int status = 0;
    for (const THelmholzFluid* fluid : fluids) {
        const TSaturationCurve* curve = FindSaturationCurve(fluid->Code);
        if (!curve) {
            std::printf("%-12s no built-in curves\n", fluid->Code.c_str());
            status = 1;
            continue;
        }
        const TEquationSaturation equation(*fluid);
        std::printf("%-12s critical temperature of the equation %.12f °C, curves to %.12f °C%s\n",
                    fluid->Code.c_str(), equation.CriticalTemperature(), equation.HotEnd(),
                    fluid->ResidualInExtendedPrecision() ? "" : " (residual in double)");
        const TCurveCheck c = CheckSaturationCurve(*fluid, *curve, samples, 20261209u);
        if (!PrintBand(fluid->Code.c_str(), "whole", c.Whole)) status = 1;
        // The last 0.1 K are reported, not judged: closer to the critical point the densities of
        // the equal-area solution, the reference, scatter with the rounding of the residual over
        // the cube of u (in long double by 1e-11 at 1e-3 K, 1e-8 at 1e-6 K).
        PrintBand(fluid->Code.c_str(), "near", c.NearCritical);
        PrintDecades(fluid->Code.c_str(), c);
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
    for (const THelmholzFluid* fluid : KXEquilibriumFluids())
        if (only.empty() || fluid->Code == only) fluids.push_back(fluid);
    return verify > 0 ? Verify(fluids, verify) : Generate(fluids, out);
}
