// Calls every function of every registered library on a fixed grid of arguments and prints one
// line per call: function name, arguments and result as hexadecimal floats (%a, so every bit
// shows), error code and error text, tab-separated. The grid is chosen per argument quantity and
// widened around each library's own triple and critical point, so both the states inside the
// ranges and the range checks just beside them are covered.
//
//   library_dump [LIBRARY]   (all libraries when none is named)
//   library_dump --models    the fluid models themselves (see model_dump.h)
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "KX_Function_Call.h"
#include "KX_Libraries_Catalogue.h"
#include "KX_Libraries_Object.h"
#include "model_dump.h"

namespace {

// Quantity indices of the catalogue that library functions take as arguments.
constexpr int32_t Pressure = 2, Enthalpy = 4, Entropy = 5, Temperature = 31, VapourFraction = 34;

const double Inf = std::numeric_limits<double>::infinity();
const double NaN = std::numeric_limits<double>::quiet_NaN();

struct TLibraryPoints {
    double Tt = NaN, Tc = NaN, Pt = NaN, Pc = NaN;
};

double CallConstant(const TKXLibrary& library, const std::string& shortName) {
    for (int i = 0; i < library.Count(); ++i) {
        const TKXPropertyFunction* f = library.Function(i);
        if (f->FunctionName == library.Library_Name + "_" + shortName && f->ConstantFunctionPtr) {
            char text[256] = "";
            int32_t code = 0;
            const double v = f->ConstantFunctionPtr(text, 255, &code);
            return code == 0 ? v : NaN;
        }
    }
    return NaN;
}

// Values beside a point: on it, just inside and just outside, and a little further.
void AddAround(std::vector<double>& grid, double x, double relative) {
    if (!std::isfinite(x)) return;
    const double step = std::fabs(x) * relative + relative;
    for (double d : {0.0, -step, step, -100 * step, 100 * step}) grid.push_back(x + d);
    grid.push_back(std::nextafter(x, -Inf));
    grid.push_back(std::nextafter(x, Inf));
}

std::vector<double> Grid(int32_t quantity, const TLibraryPoints& lp) {
    std::vector<double> g;
    switch (quantity) {
        case Temperature:
            g = {-273.15, -270,    -262, -259, -255, -250, -240, -230, -220, -210, -200, -190,
                 -180,    -160,    -140, -120, -100, -80,  -60,  -50,  -30,  -10,  0,    0.01,
                 10,      25,      31,   50,   75,   100,  125,  150,  200,  250,  300,  350,
                 370,     373.946, 400,  500,  600,  700,  800,  1000, 1500, 2000, 2500};
            AddAround(g, lp.Tt, 1e-4);
            AddAround(g, lp.Tc, 1e-4);
            break;
        case Pressure:
            g = {1e-6,   1e-4, 6e-3,    0.01, 0.03, 0.1,  0.3,  0.6112, 1,   2,
                 5,      10,   16.5292, 20,   30,   50,   70,   100,    165, 200,
                 220.64, 250,  300,     500,  700,  1000, 1500, 2000,   1e4};
            AddAround(g, lp.Pt, 1e-4);
            AddAround(g, lp.Pc, 1e-4);
            break;
        case Enthalpy:
            g = {-3000, -1000, -500, -300, -200, -100, -50,   0,     50,   100,  150,
                 200,   250,   300,  400,  500,  600,  800,   1000,  1500, 2000, 2500,
                 2800,  3000,  3500, 4000, 5000, 7000, 10000, 15000, 20000};
            break;
        case Entropy:
            g = {-10, -3,  -1, -0.5, 0, 0.1, 0.3, 0.5, 0.8, 1,  1.2, 1.5, 1.8, 2,  2.5, 3, 3.5,
                 4,   4.5, 5,  6,    7, 8,   9,   10,  12,  15, 20,  30,  40,  50, 60,  80};
            break;
        case VapourFraction:
            g = {-0.1, -1e-9, 0, 1e-9, 0.1, 0.25, 0.5, 0.75, 0.9, 1 - 1e-9, 1, 1 + 1e-9, 1.1};
            break;
        default:
            g = {-1, 0, 0.5, 1, 10, 100, 1000};
            break;
    }
    for (double odd : {-Inf, Inf, NaN, -0.0}) g.push_back(odd);
    return g;
}

void Print(const std::string& name, const std::vector<double>& args, double result,
           const char* text, int32_t code) {
    std::fputs(name.c_str(), stdout);
    for (double a : args) std::printf("\t%a", a);
    std::printf("\t=\t%a\t%d\t%s\n", result, static_cast<int>(code), text);
}

long long DumpLibrary(const TKXLibrary& library) {
    TLibraryPoints lp;
    lp.Tt = CallConstant(library, "Tt");
    lp.Tc = CallConstant(library, "Tc");
    lp.Pt = CallConstant(library, "Pt");
    lp.Pc = CallConstant(library, "Pc");
    long long calls = 0;
    char text[256];
    int32_t code;
    for (int i = 0; i < library.Count(); ++i) {
        const TKXPropertyFunction* f = library.Function(i);
        const std::string& name = f->FunctionName;
        // Preset the outputs with marks, so a function that leaves them untouched shows.
        auto preset = [&] {
            std::strcpy(text, "~");
            code = -12345;
        };
        const TKXFunctionPtr ptr = f->GetFunctionPtr();
        if (ptr.IsNone()) {
            std::printf("%s\tNO ADDRESS\n", name.c_str());
            continue;
        }
        // Every combination of the arguments' grids, the first argument outermost.
        const int arity = KXArity(ptr);
        std::vector<std::vector<double>> grids;
        for (int k = 1; k <= arity; ++k) grids.push_back(Grid(f->GetXUnitIndex(k), lp));
        std::vector<double> args(static_cast<std::size_t>(arity));
        auto call = [&](auto&& self, std::size_t k) -> void {
            if (k == args.size()) {
                preset();
                const double r = KXCallFunction(ptr, args.data(), text, 255, &code);
                Print(name, args, r, text, code);
                ++calls;
                return;
            }
            for (double x : grids[k]) {
                args[k] = x;
                self(self, k + 1);
            }
        };
        call(call, 0);
    }
    return calls;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--models") {
        std::fprintf(stderr, "library_dump: %lld model lines\n", DumpFluidModels());
        return 0;
    }
    const TKXLibraries& libraries = KXRegistry();
    long long calls = 0;
    for (int l = 0; l < libraries.Count(); ++l) {
        const TKXLibrary* library = libraries.Library(l);
        if (argc > 1 && library->Library_Name != argv[1]) continue;
        calls += DumpLibrary(*library);
    }
    std::fprintf(stderr, "library_dump: %lld calls\n", calls);
    return 0;
}
