// What a printed chart states besides its lines: the title block's short citation of every
// library's equation of state, and a marked state's place and values from the library.
#include "KXCycle.h"
#include "KXDiagramMarks.h"
#include "KXExplorerState.h"
#include "explorer_support.h"

using namespace kxexplorertest;

// Authors and year where the citation starts with its authors, else its first part.
TEST(DiagramTitle, CitationsAreShortenedToAuthorsAndYear) {
    const std::pair<const char*, const char*> cases[] = {
        {"R. Tillner-Roth, H. D. Baehr, J. Phys. Chem. Ref. Data 23 (1994) 657",
         "Tillner-Roth & Baehr (1994)"},
        {"E. W. Lemmon, Int. J. Thermophys. 24 (2003) 991-1006 (pseudo-pure fluid equation, "
         "bubble and dew lines from its ancillaries)",
         "Lemmon (2003)"},
        {"Ch. Tegeler, R. Span, W. Wagner, J. Phys. Chem. Ref. Data 28 (1999) 779",
         "Tegeler et al. (1999)"},
        {"S. Herrmann, H.-J. Kretzschmar, D. P. Gatley, HVAC&R Research 15 (2009) 961 (ASHRAE "
         "RP-1485, real moist air)",
         "Herrmann et al. (2009)"},
        {"E. W. Lemmon, R. T Jacobsen, Int. J. Thermophys. 25 (2004) 21",
         "Lemmon & Jacobsen (2004)"},
        {"McLinden et al., Int. J. Refrig. 23 (2000) 43", "McLinden et al. (2000)"},
        {"IAPWS R7-97(2012), Industrial Formulation 1997 for the Thermodynamic Properties of Water "
         "and Steam",
         "IAPWS R7-97(2012)"},
        {"A. B. Author, Journal 1 (2001) 1; C. Other, Journal 2 (2002) 2", "Author (2001)"},
    };
    for (const auto& [citation, expected] : cases) EXPECT_EQ(ShortCitation(citation), expected);
}

// Every library's title names the fluid by its display name and its equation in a few words.
TEST(DiagramTitle, EveryLibraryHasAShortTitle) {
    for (int l = 0; l < Registry().Count(); ++l) {
        const TKXFluidFunctions fluid(Registry(), l);
        const TKXDiagramTitle title = DiagramTitle(fluid.Info());
        SCOPED_TRACE(fluid.LibraryName());
        EXPECT_EQ(title.Fluid, fluid.Info().DisplayName);
        EXPECT_FALSE(title.EquationOfState.empty());
        EXPECT_LE(title.EquationOfState.size(), 48u) << title.EquationOfState;
        EXPECT_FALSE(title.ReferenceState.empty());
    }
}

// A marked state lies where the state lies on each chart and carries its p, T, h, s; a failed
// state marks nothing. A cycle's marks are its points with their values, in order.
TEST(DiagramMarks, AMarkCarriesTheStateAndTheCycleItsPoints) {
    const TKXFluidFunctions fluid = Fluid("KX_R134a_FE");
    const TKXState state = ComputeState(fluid, TKXInputPair::PT, 2.0, 10.0);
    ASSERT_TRUE(state.Ok);
    for (TKXDiagramKind kind :
         {TKXDiagramKind::PH, TKXDiagramKind::TS, TKXDiagramKind::HS, TKXDiagramKind::PT}) {
        const auto mark = MarkState(state, kind, "7");
        ASSERT_TRUE(mark);
        const TKXPoint at = *StateInDiagram(state, kind);
        EXPECT_EQ(mark->At.X, at.X);
        EXPECT_EQ(mark->At.Y, at.Y);
        EXPECT_EQ(mark->Label, "7");
        EXPECT_EQ(mark->p, 2.0);
        EXPECT_EQ(mark->T, 10.0);
        EXPECT_EQ(mark->h, state.Row("h")->Mixture.Value);
        EXPECT_EQ(mark->s, state.Row("s")->Mixture.Value);
    }
    EXPECT_FALSE(
        MarkState(ComputeState(fluid, TKXInputPair::PT, 2.0, 900.0), TKXDiagramKind::PH, "1"));

    bool usage = false;
    const TKXCycle cycle =
        ComputeCycle(fluid, "vapour-compression", {{"evap", -10}, {"cond", 40}}, usage);
    ASSERT_TRUE(cycle.Ok) << cycle.ErrorText;
    const TKXCyclePath path = CycleInDiagram(fluid, cycle, TKXDiagramKind::PH);
    const std::vector<TKXMarkedState> marks = CycleMarks(cycle, path);
    ASSERT_EQ(marks.size(), cycle.Points.size());
    for (std::size_t k = 0; k < marks.size(); ++k) {
        EXPECT_EQ(marks[k].Label, cycle.Points[k].Label);
        EXPECT_EQ(marks[k].h, cycle.Points[k].h);
        EXPECT_EQ(marks[k].p, cycle.Points[k].p);
    }
}
