// One line per library family for the README's table: through the registry, the saturation
// pressure from temperature, the density from (p, T) and the temperature from (p, h) in the
// vapour, for water and every Helmholtz library (pure fluids and pseudo-pure blends). The states
// are those of bench_saturation: temperatures from the triple point to the top of the iterated
// saturation; vapour pressures from the saturation pressure at 0.7 Tc to 0.7 pc at temperatures
// 9 K to 69 K above the critical temperature (water: 1 to 150 bar, 400 to 600 °C). The mixture
// libraries: the bubble pressure from temperature (PsatT) and the bubble temperature from
// pressure (TsatP) over 230 to 320 K, from the tables of their lines.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "HelmholzFluidObject.h"
#include "KX_Libraries_Catalogue.h"
#include "KX_Libraries_Object.h"
#include "KX_Library_Descriptions.h"
#include "KX_Mixture_Lib.h"

namespace {

constexpr int StateCount = 20000;

TKXFunctionPtr Function(const std::string& name) {
    int library = -1, function = -1;
    if (!KXRegistry().FindFunction(name, library, function)) std::abort();
    return KXRegistry().GetFunctionPtr(library, function);
}

std::vector<double> Uniform(double low, double high, unsigned seed) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> u(low, high);
    std::vector<double> out(StateCount);
    for (double& x : out) x = u(random);
    return out;
}

struct TPair {
    double a, b;
};

// Calls fn over the states in turn; failures are counted (a benchmark state should have none).
template <class TFunction, class TArgs>
void Run(benchmark::State& state, TFunction fn, const std::vector<TArgs>& args) {
    char text[256];
    int32_t code = 0;
    std::size_t i = 0;
    int64_t failures = 0;
    for (auto _ : state) {
        if constexpr (std::is_same_v<TArgs, double>)
            benchmark::DoNotOptimize(fn(args[i], text, 255, &code));
        else
            benchmark::DoNotOptimize(fn(args[i].a, args[i].b, text, 255, &code));
        failures += code != 0;
        i = i + 1 == args.size() ? 0 : i + 1;
    }
    state.counters["failures"] = static_cast<double>(failures);
}

// The three benchmarks of one library over saturation temperatures t and vapour states (p, T).
void RegisterFamily(const std::string& lib, const std::vector<double>& t,
                    const std::vector<double>& p, const std::vector<double>& tv) {
    const TUnaryFunction psat = Function(lib + "_PsatT").Unary;
    const TBinaryFunction dpt = Function(lib + "_DPT").Binary;
    const TBinaryFunction hpt = Function(lib + "_HPT").Binary;
    const TBinaryFunction tph = Function(lib + "_TPH").Binary;
    std::vector<TPair> pt, ph;
    char text[256];
    int32_t code = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        pt.push_back({p[i], tv[i]});
        ph.push_back({p[i], hpt(p[i], tv[i], text, 255, &code)});
    }
    benchmark::RegisterBenchmark(("Family/" + lib + "/PsatT").c_str(),
                                 [psat, t](benchmark::State& s) { Run(s, psat, t); });
    benchmark::RegisterBenchmark(("Family/" + lib + "/DPT_vapour").c_str(),
                                 [dpt, pt](benchmark::State& s) { Run(s, dpt, pt); });
    benchmark::RegisterBenchmark(("Family/" + lib + "/TPH_vapour").c_str(),
                                 [tph, ph](benchmark::State& s) { Run(s, tph, ph); });
}

void RegisterAll() {
    RegisterFamily("KX_WS_IF97", Uniform(0.01, 373.9, 5), Uniform(1.0, 150.0, 21),
                   Uniform(400.0, 600.0, 23));
    for (const TKXLibraryDescription& d : KXLibraryDescriptions()) {
        if (!d.Fluid) continue;
        const THelmholzFluid& f = *d.Fluid();
        const std::string lib = d.Name;
        const TUnaryFunction psat = Function(lib + "_PsatT").Unary;
        char text[256];
        int32_t code = 0;
        const double tr07 = 0.7 * (f.Tc_ + f.dta) - f.dta;
        const double pLow = psat(std::max(tr07, f.Tt_), text, 255, &code);
        RegisterFamily(lib, Uniform(f.Tt_, std::min(f.Tc_Max_, f.Tc_ - 1e-3), 7),
                       Uniform(pLow, 0.7 * f.Pc_, 19),
                       Uniform(f.Tc_ + 9.0, std::min(f.Tc_ + 69.0, f.Tmax), 20));
    }
    for (std::size_t m = 0; m < MixtureLibraryCount; ++m) {
        const std::string lib = MixtureLibraryName(m);
        const TUnaryFunction psat = Function(lib + "_PsatT").Unary;
        const TUnaryFunction tsat = Function(lib + "_TsatP").Unary;
        const std::vector<double> t = Uniform(230.0 - 273.15, 320.0 - 273.15, 29);
        std::vector<double> p;
        char text[256];
        int32_t code = 0;
        // Also builds the bubble line's table before the timing.
        for (const double x : t) p.push_back(psat(x, text, 255, &code));
        tsat(p[0], text, 255, &code);
        benchmark::RegisterBenchmark(("Family/" + lib + "/PsatT").c_str(),
                                     [psat, t](benchmark::State& s) { Run(s, psat, t); });
        benchmark::RegisterBenchmark(("Family/" + lib + "/TsatP").c_str(),
                                     [tsat, p](benchmark::State& s) { Run(s, tsat, p); });
    }
}

}  // namespace

// The benchmarks are registered from main, not from a static initializer: building the registry
// reaches the mixture libraries, whose blend tables are initialized dynamically in another
// translation unit and may not be ready before main.
int main(int argc, char** argv) {
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
