#include "model_dump.h"

#include <cstdio>
#include <string>
#include <vector>

#include "HelmholzFluidObject.h"
#include "KX_Library_Descriptions.h"

namespace {

void Line(const std::string& fluid, const char* what, std::initializer_list<double> args,
          std::initializer_list<double> results) {
    std::printf("%s.%s", fluid.c_str(), what);
    for (double a : args) std::printf("\t%a", a);
    std::printf("\t=");
    for (double r : results) std::printf("\t%a", r);
    std::printf("\n");
}

long long DumpModel(const THelmholzFluid& f) {
    long long n = 0;
    const std::string& c = f.Code;
    // Temperatures from below the triple point to above the critical point, in 1/97 steps of
    // the span so that no step lands on a round number twice.
    const double tLow = f.Tt_ - 5.0, tHigh = f.Tc_ + 2.0;
    for (int i = 0; i <= 97; ++i) {
        const double t = tLow + (tHigh - tLow) * i / 97.0;
        Line(c, "anc", {t}, {f.Pse(t), f.dsle(t), f.dsve(t)});
        ++n;
    }
    for (double t : {f.Tt_, f.Tc_, f.Tcr_, f.Tc_Max_}) {
        Line(c, "anc", {t}, {f.Pse(t), f.dsle(t), f.dsve(t)});
        ++n;
    }
    for (int i = 0; i <= 97; ++i) {
        const double p = f.Pt_ + (f.Pc_ * 1.01 - f.Pt_) * i / 97.0;
        Line(c, "tse", {p}, {f.tse(p)});
        ++n;
    }
    const std::vector<double> deltas = {0.0, 1e-6, 0.01, 0.1, 0.37, 0.5, 0.9,
                                        1.0, 1.13, 1.5,  2.0, 2.6,  3.1, 3.7};
    const std::vector<double> taus = {0.2,  0.35, 0.5, 0.73, 0.9, 0.99, 1.0,
                                      1.01, 1.1,  1.3, 1.7,  2.2, 3.0,  4.5};
    for (double d : deltas)
        for (double tau : taus) {
            THelmholzResidual r;
            f.PhirAll(d, tau, r);
            Line(c, "phir", {d, tau},
                 {f.Phir(d, tau), f.Phird(d, tau), f.Phirdd(d, tau), f.Phirt(d, tau),
                  f.Phirtt(d, tau), f.Phirdt(d, tau)});
            Line(c, "phirall", {d, tau}, {r.Phi, r.Phid, r.Phidd, r.Phit, r.Phitt, r.Phidt});
            if (d > 0.0) {
                THelmholzIdeal o;
                f.PhioAll(d, tau, o);
                Line(c, "phio", {d, tau},
                     {f.Phio(d, tau), f.Phiot(d, tau), f.Phiott(d, tau), f.Phiod(d, tau),
                      f.Phiodd(d, tau), f.Phiodt(d, tau)});
                Line(c, "phioall", {d, tau}, {o.Phi, o.Phit, o.Phitt});
                n += 2;
            }
            n += 2;
        }
    return n;
}

}  // namespace

long long DumpFluidModels() {
    long long n = 0;
    for (const THelmholzFluid* f : KXHelmholtzFluids()) n += DumpModel(*f);
    return n;
}
