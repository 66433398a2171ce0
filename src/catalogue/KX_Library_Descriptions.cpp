#include "KX_Library_Descriptions.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "HelmholzFluidObject.h"
#include "KX_Ar_FE_Lib.h"
#include "KX_Ar_FE_Lib_Root.h"
#include "KX_CO2_FE_Lib.h"
#include "KX_CO2_FE_Lib_Root.h"
#include "KX_Fluid_Objects.h"
#include "KX_H2_FE_Lib.h"
#include "KX_H2_FE_Lib_Root.h"
#include "KX_HA_Ideal.h"
#include "KX_HA_Lib.h"
#include "KX_HA_RP1485.h"
#include "KX_HA_RP1485_Model.h"
#include "KX_Mixture_Lib.h"
#include "KX_Mixture_Pairs.h"
#include "KX_N2_FE_Lib.h"
#include "KX_N2_FE_Lib_Root.h"
#include "KX_NH3_FE_Lib.h"
#include "KX_NH3_FE_Lib_Root.h"
#include "KX_O2_FE_Lib.h"
#include "KX_O2_FE_Lib_Root.h"
#include "KX_R1233zdE_FE_Lib.h"
#include "KX_R1233zdE_FE_Lib_Root.h"
#include "KX_R1234yf_FE_Lib.h"
#include "KX_R1234yf_FE_Lib_Root.h"
#include "KX_R1234zeE_FE_Lib.h"
#include "KX_R1234zeE_FE_Lib_Root.h"
#include "KX_R123_FE_Lib.h"
#include "KX_R123_FE_Lib_Root.h"
#include "KX_R125_FE_Lib.h"
#include "KX_R125_FE_Lib_Root.h"
#include "KX_R1336mzzZ_FE_Lib.h"
#include "KX_R1336mzzZ_FE_Lib_Root.h"
#include "KX_R134a_FE_Lib.h"
#include "KX_R134a_FE_Lib_Root.h"
#include "KX_R143a_FE_Lib.h"
#include "KX_R143a_FE_Lib_Root.h"
#include "KX_R152a_FE_Lib.h"
#include "KX_R152a_FE_Lib_Root.h"
#include "KX_R22_FE_Lib.h"
#include "KX_R22_FE_Lib_Root.h"
#include "KX_R245fa_FE_Lib.h"
#include "KX_R245fa_FE_Lib_Root.h"
#include "KX_R290_FE_Lib.h"
#include "KX_R290_FE_Lib_Root.h"
#include "KX_R32_FE_Lib.h"
#include "KX_R32_FE_Lib_Root.h"
#include "KX_R404A_FE_Lib.h"
#include "KX_R404A_FE_Lib_Root.h"
#include "KX_R407C_FE_Lib.h"
#include "KX_R407C_FE_Lib_Root.h"
#include "KX_R410A_FE_Lib.h"
#include "KX_R410A_FE_Lib_Root.h"
#include "KX_R507A_FE_Lib.h"
#include "KX_R507A_FE_Lib_Root.h"
#include "KX_R600a_FE_Lib.h"
#include "KX_R600a_FE_Lib_Root.h"
#include "KX_WS_IF97_Lib.h"

namespace {

const char* const AllPairs[] = {"pT", "ph", "ps", "Tx", "px", "Th", "Ts"};
constexpr const char* IirReference =
    "h = 200 kJ/kg and s = 1 kJ/kgK for saturated liquid at 0 °C (IIR)";
constexpr const char* BlendIirReference =
    "h = 200 kJ/kg and s = 1 kJ/kgK for saturated liquid (bubble point) at 0 °C (IIR)";
// A blend boils over a range of temperature at one pressure: what its saturation functions give.
constexpr const char* BlendFunctionNotes =
    "PsatT: bubble pressure; TsatP: bubble temperature; saturated liquid (x = 0): bubble point; "
    "saturated vapour (x = 1): dew point; two-phase states from (p, x) and (T, x): the mixture "
    "of the bubble and the dew state at one pressure, whose temperature at (T, x) is x Tdew + "
    "(1 - x) Tbub; PbubT, PdewT: bubble and dew pressure; TbubP, TdewP: bubble and dew "
    "temperature; TglideP: dew minus bubble temperature (K); PTX: pressure of the state (T, x)";
constexpr const char* MuleroSurfaceTension =
    "A. Mulero, I. Cachadiña, M. I. Parra, J. Phys. Chem. Ref. Data 41 (2012) 043105";

// The words of a fluid's text fields; the numbers come from its model object.
struct TFluidWords {
    const char* DisplayName;
    const char* ChemicalName;
    const char* Ashrae;
    const char* Cas;
    const char* ReferenceState;  // nullptr: the equation's own, stated by its triple-point values
    const char* EquationOfState;
    const char* Transport;
    const char* SurfaceTension;
    // A pseudo-pure blend's chemical-name field holds its composition.
    TKXLibraryKind Kind = TKXLibraryKind::PureFluidHelmholtz;
};

// Where the equation of state sets its own reference: the saturated liquid at the triple point.
std::string OwnReference(const THelmholzFluid& fluid) {
    std::string text;
    int32_t code = 0;
    const double h = fluid.HTX(fluid.Tt_, 0.0, text, code);
    const double s = fluid.STX(fluid.Tt_, 0.0, text, code);
    char words[200];
    std::snprintf(words, sizeof words,
                  "as the equation of state sets it: saturated liquid at the triple point "
                  "(%.6g °C) has h = %.6g kJ/kg and s = %.6g kJ/kgK",
                  fluid.Tt_, h, s);
    return words;
}

TKXLibraryInfo FluidInfo(const THelmholzFluid& fluid, const TFluidWords& w) {
    TKXLibraryInfo info;
    info.Kind = w.Kind;
    info.DisplayName = w.DisplayName;
    info.ChemicalName = w.ChemicalName;
    info.Ashrae = w.Ashrae;
    info.Cas = w.Cas;
    info.MolarMass = fluid.MM_;
    info.CriticalTemperature = fluid.Tc_;
    info.CriticalPressure = fluid.Pc_;
    info.TripleTemperature = fluid.Tt_;
    info.TriplePressure = fluid.Pt_;
    info.MinTemperature = fluid.Tt_;
    info.MaxTemperature = fluid.Tmax;
    info.MaxPressure = fluid.Pmax;
    info.MaxTemperatureLowPressure = fluid.Tmax;
    info.LowPressureLimit = fluid.Pmax;
    info.ReferenceState = w.ReferenceState ? w.ReferenceState : OwnReference(fluid);
    info.EquationOfState = w.EquationOfState;
    info.Transport = w.Transport;
    info.SurfaceTension = w.SurfaceTension;
    info.InputPairs.assign(std::begin(AllPairs), std::end(AllPairs));
    info.HasTransport = w.Transport[0] != '\0';
    if (w.Kind == TKXLibraryKind::Blend) info.FunctionNotes = BlendFunctionNotes;
    // Further names a person may type: the library name without its prefix and suffix (where
    // the display name has brackets, "R1234zeE"), the ASHRAE designation and the chemical name.
    std::string shortName = fluid.Code;
    if (shortName.rfind("KX_", 0) == 0) shortName.erase(0, 3);
    if (shortName.size() > 3 && shortName.compare(shortName.size() - 3, 3, "_FE") == 0)
        shortName.resize(shortName.size() - 3);
    for (const std::string& alias : {shortName, std::string(w.Ashrae), std::string(w.ChemicalName)})
        if (!alias.empty() && alias != info.DisplayName &&
            std::find(info.Aliases.begin(), info.Aliases.end(), alias) == info.Aliases.end())
            info.Aliases.push_back(alias);
    return info;
}

TKXLibraryInfo WaterInfo() {
    TKXLibraryInfo info;
    info.Kind = TKXLibraryKind::WaterIF97;
    info.DisplayName = "water";
    info.Aliases = {"IF97", "steam", "R718", "R-718"};
    info.ChemicalName = "water";
    info.Ashrae = "R-718";
    info.Cas = "7732-18-5";
    info.MolarMass = KX_WS_IF97_MM(nullptr, 0, nullptr);
    info.CriticalTemperature = KX_WS_IF97_Tc(nullptr, 0, nullptr);
    info.CriticalPressure = KX_WS_IF97_Pc(nullptr, 0, nullptr);
    info.TripleTemperature = 0.01;
    info.TriplePressure = KX_WS_IF97_Pt(nullptr, 0, nullptr);
    info.MinTemperature = 0.0;
    info.MaxTemperature = 800.0;
    info.MaxPressure = 1000.0;
    info.MaxTemperatureLowPressure = 2000.0;  // region 5
    info.LowPressureLimit = 100.0;
    info.ReferenceState = "u = 0 and s = 0 for saturated liquid at the triple point (IAPWS)";
    info.EquationOfState =
        "IAPWS R7-97(2012), Industrial Formulation 1997 for the Thermodynamic Properties of "
        "Water and Steam";
    info.Transport = "IAPWS R12-08 (viscosity), IAPWS R15-11 (thermal conductivity)";
    info.SurfaceTension = "IAPWS R1-76(2014), surface tension of ordinary water substance";
    info.InputPairs.assign(std::begin(AllPairs), std::end(AllPairs));
    info.HasTransport = true;
    return info;
}

// Humid air has no critical point and no saturation line of its own: the rows of the critical
// and triple point give those of its water (the saturation pressure turns from ice to liquid at
// the triple point), the molar mass is that of dry air, and every property is per kg of dry air.
// No explorer input pairs yet: the explorer's pairs are those of a pure fluid.
TKXLibraryInfo HumidAirInfo(double minT, double maxT, double maxP) {
    TKXLibraryInfo info;
    info.Kind = TKXLibraryKind::HumidAir;
    info.ChemicalName = "moist air (dry air and water vapour)";
    info.MolarMass = ha::rp1485::Ma * 1000.0;
    info.CriticalTemperature = KX_WS_IF97_Tc(nullptr, 0, nullptr);
    info.CriticalPressure = KX_WS_IF97_Pc(nullptr, 0, nullptr);
    info.TripleTemperature = 0.01;
    info.TriplePressure = KX_WS_IF97_Pt(nullptr, 0, nullptr);
    info.MinTemperature = minT;
    info.MaxTemperature = maxT;
    info.MaxPressure = maxP;
    info.MaxTemperatureLowPressure = maxT;
    info.LowPressureLimit = maxP;
    return info;
}

TKXLibraryInfo HumidAirRP1485Info() {
    namespace rp = ha::rp1485;
    TKXLibraryInfo info = HumidAirInfo(rp::kMinT, rp::kMaxT, rp::kMaxP);
    info.DisplayName = "humid air (RP-1485)";
    info.Aliases = {"RP1485", "humid air"};
    info.ReferenceState =
        "h = 0 and s = 0 for dry air at 0 °C and 101.325 kPa; water on the IAPWS-95 reference "
        "(u = 0 and s = 0 for saturated liquid at the triple point)";
    info.EquationOfState =
        "S. Herrmann, H.-J. Kretzschmar, D. P. Gatley, HVAC&R Research 15 (2009) 961 (ASHRAE "
        "RP-1485, real moist air)";
    info.Transport =
        "E. W. Lemmon, R. T Jacobsen, Int. J. Thermophys. 25 (2004) 21 (dry air); water vapour "
        "of the IF97 library; mixing rule of P. T. Tsilingiris, Energy Convers. Manage. 49 (2008) "
        "1098";
    info.HasTransport = true;
    return info;
}

TKXLibraryInfo HumidAirIdealInfo() {
    namespace id = ha::ideal;
    TKXLibraryInfo info = HumidAirInfo(id::kMinT, id::kMaxT, id::kMaxP);
    info.DisplayName = "humid air (ideal gas)";
    info.Aliases = {"HAIDEAL"};
    info.ReferenceState = "h = 0 for dry air at 0 °C and for liquid water at 0 °C";
    info.EquationOfState =
        "ASHRAE Handbook - Fundamentals (2017), chapter 1 Psychrometrics: perfect-gas relations "
        "with the saturation pressure of Hyland and Wexler (1983)";
    return info;
}

template <const THelmholzFluid& (*Accessor)(), const TFluidWords& Words>
TKXLibraryInfo InfoOf() {
    return FluidInfo(Accessor(), Words);
}

template <const THelmholzFluid& (*Accessor)()>
const THelmholzFluid* FluidOf() {
    return &Accessor();
}

const THelmholzFluid& Ammonia() {
    return NH3Fluid();
}
const THelmholzFluid& R22() {
    return R22Fluid();
}
const THelmholzFluid& R32() {
    return R32Fluid();
}
const THelmholzFluid& R123() {
    return R123Fluid();
}
const THelmholzFluid& R134a() {
    return R134aFluid();
}
const THelmholzFluid& R152a() {
    return R152aFluid();
}
const THelmholzFluid& Nitrogen() {
    return N2Fluid();
}
const THelmholzFluid& Oxygen() {
    return O2Fluid();
}
const THelmholzFluid& CarbonDioxide() {
    return CO2Fluid();
}
const THelmholzFluid& Argon() {
    return ArFluid();
}
const THelmholzFluid& Hydrogen() {
    return H2Fluid();
}
const THelmholzFluid& Orthohydrogen() {
    return H2oFluid();
}
const THelmholzFluid& Parahydrogen() {
    return H2pFluid();
}
const THelmholzFluid& R1234yf() {
    return R1234yfFluid();
}
const THelmholzFluid& R1234zeE() {
    return R1234zeEFluid();
}
const THelmholzFluid& R1233zdE() {
    return R1233zdEFluid();
}
const THelmholzFluid& R290() {
    return R290Fluid();
}
const THelmholzFluid& R600a() {
    return R600aFluid();
}
const THelmholzFluid& R125() {
    return R125Fluid();
}
const THelmholzFluid& R143a() {
    return R143aFluid();
}
const THelmholzFluid& R245fa() {
    return R245faFluid();
}
const THelmholzFluid& R1336mzzZ() {
    return R1336mzzZFluid();
}

const THelmholzFluid& R410A() {
    return R410AFluid();
}
const THelmholzFluid& R404A() {
    return R404AFluid();
}
const THelmholzFluid& R407C() {
    return R407CFluid();
}
const THelmholzFluid& R507A() {
    return R507AFluid();
}

constexpr TFluidWords AmmoniaWords{
    "ammonia",
    "ammonia",
    "R-717",
    "7664-41-7",
    IirReference,
    "R. Tillner-Roth, F. Harms-Watzenberg, H. D. Baehr, DKV-Tagungsbericht 20 (1993) 167",
    "A. Fenghour et al., J. Phys. Chem. Ref. Data 24 (1995) 1649 (viscosity); R. Tufeu et al., "
    "Ber. Bunsenges. Phys. Chem. 88 (1984) 422 (thermal conductivity)",
    MuleroSurfaceTension};
constexpr TFluidWords R22Words{
    "R22",
    "chlorodifluoromethane",
    "R-22",
    "75-45-6",
    IirReference,
    "R. Kamei, S. W. Beyerlein, R. T Jacobsen, Int. J. Thermophys. 16 (1995) 1155",
    "extended corresponding states on R134a: S. A. Klein et al. (1997) (viscosity), M. O. "
    "McLinden et al., Int. J. Refrig. 23 (2000) 43 (thermal conductivity)",
    MuleroSurfaceTension};
constexpr TFluidWords R32Words{
    "R32",
    "difluoromethane",
    "R-32",
    "75-10-5",
    IirReference,
    "R. Tillner-Roth, A. Yokozeki, J. Phys. Chem. Ref. Data 26 (1997) 1273",
    "extended corresponding states on propane: M. L. Huber, A. Laesecke, R. A. Perkins, Ind. "
    "Eng. Chem. Res. 42 (2003) 3163",
    MuleroSurfaceTension};
constexpr TFluidWords R123Words{
    "R123",
    "2,2-dichloro-1,1,1-trifluoroethane",
    "R-123",
    "306-83-2",
    IirReference,
    "B. A. Younglove, M. O. McLinden, J. Phys. Chem. Ref. Data 23 (1994) 731",
    "Y. Tanaka, T. Sotani, Int. J. Thermophys. 17 (1996) 293 (viscosity); A. Laesecke, R. A. "
    "Perkins, J. B. Howley, Int. J. Refrig. 19 (1996) 231 (thermal conductivity)",
    MuleroSurfaceTension};
constexpr TFluidWords R134aWords{
    "R134a",
    "1,1,1,2-tetrafluoroethane",
    "R-134a",
    "811-97-2",
    IirReference,
    "R. Tillner-Roth, H. D. Baehr, J. Phys. Chem. Ref. Data 23 (1994) 657",
    "M. L. Huber, A. Laesecke, R. A. Perkins, Ind. Eng. Chem. Res. 42 (2003) 3163 (viscosity); "
    "M. O. McLinden, S. A. Klein, R. A. Perkins, Int. J. Refrig. 23 (2000) 43 (thermal "
    "conductivity)",
    MuleroSurfaceTension};
constexpr TFluidWords R152aWords{
    "R152a",
    "1,1-difluoroethane",
    "R-152a",
    "75-37-6",
    IirReference,
    "R. Tillner-Roth, Int. J. Thermophys. 16 (1995) 91",
    "R. Krauss, V. C. Weiss, T. A. Edison, J. V. Sengers, K. Stephan, Int. J. Thermophys. 17 "
    "(1996) 731",
    MuleroSurfaceTension};
constexpr TFluidWords NitrogenWords{
    "nitrogen",
    "nitrogen",
    "R-728",
    "7727-37-9",
    nullptr,
    "R. Span, E. W. Lemmon, R. T Jacobsen, W. Wagner, A. Yokozeki, J. Phys. Chem. Ref. Data 29 "
    "(2000) 1361",
    "K. Stephan, R. Krauss, A. Laesecke, J. Phys. Chem. Ref. Data 16 (1987) 993",
    MuleroSurfaceTension};
constexpr TFluidWords OxygenWords{"oxygen",
                                  "oxygen",
                                  "R-732",
                                  "7782-44-7",
                                  nullptr,
                                  "R. Schmidt, W. Wagner, Fluid Phase Equilib. 19 (1985) 175",
                                  "E. W. Lemmon, R. T Jacobsen, Int. J. Thermophys. 25 (2004) 21",
                                  MuleroSurfaceTension};
constexpr TFluidWords CarbonDioxideWords{
    "carbon dioxide",
    "carbon dioxide",
    "R-744",
    "124-38-9",
    nullptr,
    "R. Span, W. Wagner, J. Phys. Chem. Ref. Data 25 (1996) 1509",
    "A. Laesecke, C. D. Muzny, J. Phys. Chem. Ref. Data 46 (2017) 013107 (viscosity); M. L. "
    "Huber, E. A. Sykioti, M. J. Assael, R. A. Perkins, J. Phys. Chem. Ref. Data 45 (2016) "
    "013102 (thermal conductivity)",
    MuleroSurfaceTension};
constexpr TFluidWords ArgonWords{
    "argon",
    "argon",
    "R-740",
    "7440-37-1",
    nullptr,
    "Ch. Tegeler, R. Span, W. Wagner, J. Phys. Chem. Ref. Data 28 (1999) 779",
    "E. W. Lemmon, R. T Jacobsen, Int. J. Thermophys. 25 (2004) 21",
    MuleroSurfaceTension};
constexpr TFluidWords HydrogenWords{
    "hydrogen",
    "normal hydrogen",
    "R-702",
    "1333-74-0",
    nullptr,
    "J. W. Leachman, R. T Jacobsen, S. G. Penoncello, E. W. Lemmon, J. Phys. Chem. Ref. Data 38 "
    "(2009) 721",
    "C. D. Muzny, M. L. Huber, A. F. Kazakov, J. Chem. Eng. Data 58 (2013) 969 (viscosity); M. "
    "J. Assael et al., J. Phys. Chem. Ref. Data 40 (2011) 033101 (thermal conductivity)",
    MuleroSurfaceTension};
constexpr TFluidWords OrthohydrogenWords{
    "orthohydrogen",
    "orthohydrogen",
    "",
    "",
    nullptr,
    "J. W. Leachman, R. T Jacobsen, S. G. Penoncello, E. W. Lemmon, J. Phys. Chem. Ref. Data 38 "
    "(2009) 721",
    "",
    ""};
constexpr TFluidWords ParahydrogenWords{
    "parahydrogen",
    "parahydrogen",
    "",
    "",
    nullptr,
    "J. W. Leachman, R. T Jacobsen, S. G. Penoncello, E. W. Lemmon, J. Phys. Chem. Ref. Data 38 "
    "(2009) 721",
    "C. D. Muzny, M. L. Huber, A. F. Kazakov, J. Chem. Eng. Data 58 (2013) 969 (viscosity); M. "
    "J. Assael et al., J. Phys. Chem. Ref. Data 40 (2011) 033101 (thermal conductivity)",
    MuleroSurfaceTension};

constexpr TFluidWords R1234yfWords{
    "R1234yf",
    "2,3,3,3-tetrafluoroprop-1-ene",
    "R-1234yf",
    "754-12-1",
    IirReference,
    "E. W. Lemmon, R. Akasaka, Int. J. Thermophys. 43 (2022) 119",
    "M. L. Huber, M. J. Assael, Int. J. Refrig. 71 (2016) 39 (viscosity); R. A. Perkins, M. L. "
    "Huber, J. Chem. Eng. Data 56 (2011) 4868 (thermal conductivity)",
    MuleroSurfaceTension};
constexpr TFluidWords R1234zeEWords{
    "R1234ze(E)",
    "trans-1,3,3,3-tetrafluoroprop-1-ene",
    "R-1234ze(E)",
    "29118-24-9",
    IirReference,
    "M. Thol, E. W. Lemmon, Int. J. Thermophys. 37 (2016) 28",
    "M. L. Huber, M. J. Assael, Int. J. Refrig. 71 (2016) 39 (viscosity); R. A. Perkins, M. L. "
    "Huber, J. Chem. Eng. Data 56 (2011) 4868 (thermal conductivity)",
    "A. Mulero, I. Cachadiña, J. Phys. Chem. Ref. Data 43 (2014) 023104"};
constexpr TFluidWords R1233zdEWords{
    "R1233zd(E)",
    "trans-1-chloro-3,3,3-trifluoroprop-1-ene",
    "R-1233zd(E)",
    "102687-65-0",
    IirReference,
    "R. Akasaka, E. W. Lemmon, J. Phys. Chem. Ref. Data 51 (2022) 023101",
    "extended corresponding states on R134a: M. L. Huber, NISTIR 8209 (2018) (viscosity); R. A. "
    "Perkins, M. L. Huber, J. Chem. Eng. Data 62 (2017) 2659 (thermal conductivity)",
    "C. Kondou, R. Nagata, N. Nii, S. Koyama, Y. Higashi, Int. J. Refrig. 53 (2015) 80"};
constexpr TFluidWords R290Words{
    "R290",
    "propane",
    "R-290",
    "74-98-6",
    IirReference,
    "E. W. Lemmon, M. O. McLinden, W. Wagner, J. Chem. Eng. Data 54 (2009) 3141-3180",
    "E. Vogel, C. Küchenmeister, E. Bich, A. Laesecke, J. Phys. Chem. Ref. Data 27 (1998) 947 "
    "(viscosity); K. N. Marsh, R. A. Perkins, M. L. V. Ramires, J. Chem. Eng. Data 47 (2002) 932 "
    "(thermal conductivity)",
    MuleroSurfaceTension};
constexpr TFluidWords R600aWords{
    "R600a",
    "isobutane",
    "R-600a",
    "75-28-5",
    IirReference,
    "D. Buecker, W. Wagner, J. Phys. Chem. Ref. Data 35 (2006) 929-1019",
    "E. Vogel, C. Küchenmeister, E. Bich, Int. J. Thermophys. 21 (2000) 343 (viscosity); R. A. "
    "Perkins, J. Chem. Eng. Data 47 (2002) 1272 (thermal conductivity)",
    MuleroSurfaceTension};
constexpr TFluidWords R125Words{
    "R125",
    "pentafluoroethane",
    "R-125",
    "354-33-6",
    IirReference,
    "E. W. Lemmon, R. T Jacobsen, J. Phys. Chem. Ref. Data 34 (2005) 69-108",
    "M. L. Huber, A. Laesecke, Ind. Eng. Chem. Res. 45 (2006) 4447 (viscosity); R. A. Perkins, M. "
    "L. "
    "Huber, J. Chem. Eng. Data 51 (2006) 898 (thermal conductivity)",
    MuleroSurfaceTension};
constexpr TFluidWords R143aWords{
    "R143a",
    "1,1,1-trifluoroethane",
    "R-143a",
    "420-46-2",
    IirReference,
    "E. W. Lemmon, R. T Jacobsen, J. Phys. Chem. Ref. Data 29 (2000) 521-552",
    "extended corresponding states on R134a: M. L. Huber, NISTIR 8209 (2018) (viscosity); M. L. "
    "Huber, NISTIR 8209 (2018) (thermal conductivity)",
    "A. Mulero, I. Cachadiña, J. Phys. Chem. Ref. Data 43 (2014) 023104"};
constexpr TFluidWords R245faWords{
    "R245fa",
    "1,1,1,3,3-pentafluoropropane",
    "R-245fa",
    "460-73-1",
    IirReference,
    "R. Akasaka, Y. Zhou, E. W. Lemmon, J. Phys. Chem. Ref. Data 44 (2015) 013104",
    "R. A. Perkins, M. L. Huber, M. J. Assael, J. Chem. Eng. Data 61 (2016) 3286",
    MuleroSurfaceTension};
constexpr TFluidWords R1336mzzZWords{
    "R1336mzz(Z)",
    "cis-1,1,1,4,4,4-hexafluorobut-2-ene",
    "R-1336mzz(Z)",
    "692-49-9",
    IirReference,
    "M. O. McLinden, R. Akasaka, J. Chem. Eng. Data 65 (2020) 4201-4214",
    "extended corresponding states on R134a: M. L. Huber, NISTIR 8209 (2018) (viscosity); R. A. "
    "Perkins, M. L. Huber, Int. J. Thermophys. 41 (2020) 103 (thermal conductivity)",
    "M. L. Huber, NISTIR 8209 (2018)"};

// The pseudo-pure blends: one equation of state of Lemmon (2003) each, the transport
// correlations of Geller et al. and the surface tension of Okada et al. (1999).
constexpr const char* BlendEquation =
    "E. W. Lemmon, Int. J. Thermophys. 24 (2003) 991-1006 (pseudo-pure fluid equation, bubble "
    "and dew lines from its ancillaries)";
constexpr const char* BlendTransport =
    "V. Z. Geller, M. E. Paulaitis, D. B. Bivens, A. Yokozeki, Proc. 8th Int. Refrigeration "
    "Conf., Purdue (2000) (viscosity); V. Z. Geller, B. V. Nemzer, U. V. Cheremnykh, Int. J. "
    "Thermophys. 22 (2001) 1035 (thermal conductivity)";
constexpr const char* BlendSurfaceTension =
    "M. Okada, T. Shibata, Y. Sato, Y. Higashi, Int. J. Thermophys. 20 (1999) 119";
constexpr TFluidWords R410AWords{"R-410A",
                                 "R32/R125 (50/50 % by mass)",
                                 "R-410A",
                                 "",
                                 BlendIirReference,
                                 BlendEquation,
                                 BlendTransport,
                                 BlendSurfaceTension,
                                 TKXLibraryKind::Blend};
constexpr TFluidWords R404AWords{"R-404A",
                                 "R125/R143a/R134a (44/52/4 % by mass)",
                                 "R-404A",
                                 "",
                                 BlendIirReference,
                                 BlendEquation,
                                 BlendTransport,
                                 BlendSurfaceTension,
                                 TKXLibraryKind::Blend};
constexpr TFluidWords R407CWords{"R-407C",
                                 "R32/R125/R134a (23/25/52 % by mass)",
                                 "R-407C",
                                 "",
                                 BlendIirReference,
                                 BlendEquation,
                                 BlendTransport,
                                 BlendSurfaceTension,
                                 TKXLibraryKind::Blend};
constexpr TFluidWords R507AWords{"R-507A",
                                 "R125/R143a (50/50 % by mass)",
                                 "R-507A",
                                 "",
                                 BlendIirReference,
                                 BlendEquation,
                                 BlendTransport,
                                 BlendSurfaceTension,
                                 TKXLibraryKind::Blend};

#define KX_FLUID_DESCRIPTION(LIB, ACCESSOR, WORDS) \
    { #LIB, LIB##_Entries, InfoOf < ACCESSOR, WORDS>, FluidOf < ACCESSOR> }

const TKXLibraryDescription Descriptions[] = {
    {"KX_WS_IF97", KX_WS_IF97_Entries, WaterInfo, nullptr},
    KX_FLUID_DESCRIPTION(KX_NH3_FE, Ammonia, AmmoniaWords),
    KX_FLUID_DESCRIPTION(KX_R22_FE, R22, R22Words),
    KX_FLUID_DESCRIPTION(KX_R32_FE, R32, R32Words),
    KX_FLUID_DESCRIPTION(KX_R123_FE, R123, R123Words),
    KX_FLUID_DESCRIPTION(KX_R134a_FE, R134a, R134aWords),
    KX_FLUID_DESCRIPTION(KX_R152a_FE, R152a, R152aWords),
    KX_FLUID_DESCRIPTION(KX_N2_FE, Nitrogen, NitrogenWords),
    KX_FLUID_DESCRIPTION(KX_O2_FE, Oxygen, OxygenWords),
    KX_FLUID_DESCRIPTION(KX_CO2_FE, CarbonDioxide, CarbonDioxideWords),
    KX_FLUID_DESCRIPTION(KX_Ar_FE, Argon, ArgonWords),
    KX_FLUID_DESCRIPTION(KX_H2_FE, Hydrogen, HydrogenWords),
    KX_FLUID_DESCRIPTION(KX_H2o_FE, Orthohydrogen, OrthohydrogenWords),
    KX_FLUID_DESCRIPTION(KX_H2p_FE, Parahydrogen, ParahydrogenWords),
    KX_FLUID_DESCRIPTION(KX_R1234yf_FE, R1234yf, R1234yfWords),
    KX_FLUID_DESCRIPTION(KX_R1234zeE_FE, R1234zeE, R1234zeEWords),
    KX_FLUID_DESCRIPTION(KX_R1233zdE_FE, R1233zdE, R1233zdEWords),
    KX_FLUID_DESCRIPTION(KX_R290_FE, R290, R290Words),
    KX_FLUID_DESCRIPTION(KX_R600a_FE, R600a, R600aWords),
    KX_FLUID_DESCRIPTION(KX_R125_FE, R125, R125Words),
    KX_FLUID_DESCRIPTION(KX_R143a_FE, R143a, R143aWords),
    KX_FLUID_DESCRIPTION(KX_R245fa_FE, R245fa, R245faWords),
    KX_FLUID_DESCRIPTION(KX_R1336mzzZ_FE, R1336mzzZ, R1336mzzZWords),
    KX_FLUID_DESCRIPTION(KX_R410A_FE, R410A, R410AWords),
    KX_FLUID_DESCRIPTION(KX_R404A_FE, R404A, R404AWords),
    KX_FLUID_DESCRIPTION(KX_R407C_FE, R407C, R407CWords),
    KX_FLUID_DESCRIPTION(KX_R507A_FE, R507A, R507AWords),
    {"KX_HA_RP1485", KX_HA_RP1485_Entries, HumidAirRP1485Info, nullptr},
    {"KX_HA_IDEAL", KX_HA_IDEAL_Entries, HumidAirIdealInfo, nullptr},
    // The blends as mixtures of fixed composition (KX_Mixture_Lib.h), after every other library.
    {"KX_R454B_MIX", MixtureLibraryEntriesOf<0>, MixtureLibraryInfoOf<0>, nullptr},
    {"KX_R513A_MIX", MixtureLibraryEntriesOf<1>, MixtureLibraryInfoOf<1>, nullptr},
    {"KX_R410A_MIX", MixtureLibraryEntriesOf<2>, MixtureLibraryInfoOf<2>, nullptr},
    {"KX_R407C_MIX", MixtureLibraryEntriesOf<3>, MixtureLibraryInfoOf<3>, nullptr},
    {"KX_R404A_MIX", MixtureLibraryEntriesOf<4>, MixtureLibraryInfoOf<4>, nullptr},
    {"KX_R507A_MIX", MixtureLibraryEntriesOf<5>, MixtureLibraryInfoOf<5>, nullptr},
    {"KX_R448A_MIX", MixtureLibraryEntriesOf<6>, MixtureLibraryInfoOf<6>, nullptr},
    {"KX_R449A_MIX", MixtureLibraryEntriesOf<7>, MixtureLibraryInfoOf<7>, nullptr},
    {"KX_R452B_MIX", MixtureLibraryEntriesOf<8>, MixtureLibraryInfoOf<8>, nullptr},
    {"KX_R454A_MIX", MixtureLibraryEntriesOf<9>, MixtureLibraryInfoOf<9>, nullptr},
    {"KX_R454C_MIX", MixtureLibraryEntriesOf<10>, MixtureLibraryInfoOf<10>, nullptr},
    // The binary pairs at a composition the caller gives (KX_Mixture_Pairs.h).
    {"KX_MIX_R32_R125", MixturePairLibraryEntriesOf<0>, MixturePairLibraryInfoOf<0>, nullptr},
    {"KX_MIX_R32_R134a", MixturePairLibraryEntriesOf<1>, MixturePairLibraryInfoOf<1>, nullptr},
    {"KX_MIX_R125_R134a", MixturePairLibraryEntriesOf<2>, MixturePairLibraryInfoOf<2>, nullptr},
    {"KX_MIX_R125_R143a", MixturePairLibraryEntriesOf<3>, MixturePairLibraryInfoOf<3>, nullptr},
    {"KX_MIX_R134a_R143a", MixturePairLibraryEntriesOf<4>, MixturePairLibraryInfoOf<4>, nullptr},
    {"KX_MIX_R32_R1234yf", MixturePairLibraryEntriesOf<5>, MixturePairLibraryInfoOf<5>, nullptr},
    {"KX_MIX_R32_R1234zeE", MixturePairLibraryEntriesOf<6>, MixturePairLibraryInfoOf<6>, nullptr},
    {"KX_MIX_R125_R1234yf", MixturePairLibraryEntriesOf<7>, MixturePairLibraryInfoOf<7>, nullptr},
    {"KX_MIX_R1234yf_R134a", MixturePairLibraryEntriesOf<8>, MixturePairLibraryInfoOf<8>, nullptr},
    {"KX_MIX_R1234yf_R1234zeE", MixturePairLibraryEntriesOf<9>, MixturePairLibraryInfoOf<9>,
     nullptr},
    {"KX_MIX_R134a_R1234zeE", MixturePairLibraryEntriesOf<10>, MixturePairLibraryInfoOf<10>,
     nullptr},
    {"KX_MIX_R125_R1234zeE", MixturePairLibraryEntriesOf<11>, MixturePairLibraryInfoOf<11>,
     nullptr},
};

#undef KX_FLUID_DESCRIPTION

}  // namespace

std::span<const TKXLibraryDescription> KXLibraryDescriptions() {
    return Descriptions;
}

std::span<const THelmholzFluid* const> KXHelmholtzFluids() {
    static const std::vector<const THelmholzFluid*> fluids = [] {
        std::vector<const THelmholzFluid*> all;
        for (const TKXLibraryDescription& d : Descriptions)
            if (d.Fluid) all.push_back(d.Fluid());
        return all;
    }();
    return fluids;
}

std::span<const THelmholzFluid* const> KXEquilibriumFluids() {
    static const std::vector<const THelmholzFluid*> fluids = [] {
        std::vector<const THelmholzFluid*> equilibrium;
        for (const TKXLibraryDescription& d : Descriptions)
            if (d.Fluid && d.Info().Kind != TKXLibraryKind::Blend) equilibrium.push_back(d.Fluid());
        return equilibrium;
    }();
    return fluids;
}
