// The calculator controller driven as the window drives it, through the in-memory view, with a
// small library registered only here.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "KXCalculatorController.h"
#include "KXInMemoryView.h"
#include "KX_Utils.h"
#include "NumberText.h"

namespace {

using E = TKXElement;

// Saturation-pressure stand-in: 100 °C gives 1.01417978 bar; below 0.01 °C the range check fails.
double TestPsatT(double t, char* text, int32_t capacity, int32_t* code) {
    return RunLibraryFunction(
        "KX_TEST", "PsatT", text, capacity, code, [t](std::string& message, int32_t& c) {
            message = RangeCheck("<", "KX_TEST", "PsatT", t, 0.01, "Temperature", "°C");
            if (!message.empty()) {
                c = 2;
                return 0.0;
            }
            return 1.01417978 * t / 100.0;
        });
}

// Returns its two arguments combined so the tests can see what entered the call.
double TestDTX(double t, double x, char* text, int32_t capacity, int32_t* code) {
    return RunLibraryFunction("KX_TEST", "DTX", text, capacity, code,
                              [=](std::string&, int32_t&) { return 1000.0 * t + x; });
}

double TestMM(char* text, int32_t capacity, int32_t* code) {
    return RunLibraryFunction("KX_TEST", "MM", text, capacity, code,
                              [](std::string&, int32_t&) { return 18.015257; });
}

// A faulty library: a failure code without a text.
double TestSilentFailure(double, double, char* text, int32_t, int32_t* code) {
    text[0] = '\0';
    *code = 26;
    return 5.0;
}

// A result that overflows when shown in Pa(a).
double TestHuge(double, double, char* text, int32_t capacity, int32_t* code) {
    return RunLibraryFunction("KX_TEST", "HPT", text, capacity, code,
                              [](std::string&, int32_t&) { return 1e305; });
}

TKXLibraries TestRegistry() {
    TKXLibraries r;
    TKXLibrary& lib = r.AddLibrary("KX_TEST");
    lib.AddUnairyFunction("KX_TEST_PsatT", "Pressure", 2, "Temperature", 31, TestPsatT);
    lib.AddBinairyFunction("KX_TEST_DTX", "Density", 15, "Temperature", 31, "Vapor Fraction", 34,
                           TestDTX);
    lib.AddConstantFunction("KX_TEST_MM", "Molar Mass", 38, TestMM);
    lib.AddBinairyFunction("KX_TEST_Silent", "Density", 15, "Pressure", 2, "Temperature", 31,
                           TestSilentFailure);
    lib.AddBinairyFunction("KX_TEST_Huge", "Pressure", 2, "Pressure", 2, "Temperature", 31,
                           TestHuge);
    r.AddLibrary("KX_EMPTY");
    return r;
}

// Answers the memory dialog as a user would: a name and a value, or Cancel.
class ScriptedDialog : public IKXMemoryDialog {
  public:
    struct Answer {
        bool Confirm;
        std::string Name;
        double Value;
        bool KeepValue;  // confirm the value the dialog was opened with
    };
    std::vector<Answer> Answers;
    std::vector<TMemoryElement> Shown;

    bool Edit(TMemoryElement& element) override {
        Shown.push_back(element);
        if (Answers.empty()) return false;
        const Answer a = Answers.front();
        Answers.erase(Answers.begin());
        if (!a.Confirm) return false;
        element.Name = a.Name;
        if (!a.KeepValue) element.Value = a.Value;
        return true;
    }
};

class ControllerTest : public ::testing::Test {
  protected:
    explicit ControllerTest(TKXSettings settings = {}) : Settings(settings) {}

    void Start() {
        Controller = std::make_unique<TKXCalculatorController>(
            View, Registry, Memory, Dialog,
            TKXSettingsHooks{[this] { return Settings; },
                             [this](const TKXSettings& s) { Written.push_back(s); }});
        Controller->FormActivate();
    }

    void SelectFunction(int index) {
        View.SelectIndex(E::FunctionList, index);
        Controller->FunctionListChange();
    }

    void Type(E field, const std::string& text) {
        View.SetText(field, text);
        Controller->Argument1EditChange();
    }

    void ChooseUnit(E list, const std::string& unit) {
        ASSERT_TRUE(View.SelectText(list, unit)) << unit;
        Controller->Argument1EditChange();
    }

    void ConversionMode(const std::string& quantity) {
        View.SelectIndex(E::ModeList, 1);
        Controller->ModeListChange();
        ASSERT_TRUE(View.SelectText(E::PropList, quantity));
        Controller->PropListChange();
    }

    std::string Error() const {
        return View.IsVisible(E::ErrorMsgLbl) ? View.GetText(E::ErrorMsgLbl) : "(hidden)";
    }

    TKXSettings Settings;
    std::vector<TKXSettings> Written;
    TKXLibraries Registry = TestRegistry();
    TKXInMemoryView View;
    TMemory Memory;
    ScriptedDialog Dialog;
    std::unique_ptr<TKXCalculatorController> Controller;
};

TEST_F(ControllerTest, FirstStartShowsTheFirstFunctionAskingForItsArgument) {
    Start();
    EXPECT_EQ(View.Items(E::ModeList), (std::vector<std::string>{"Properties", "Unit Conversion"}));
    EXPECT_EQ(View.GetSelectedIndex(E::ModeList), 0);
    EXPECT_EQ(View.GetSelectedText(E::LibraryList), "KX_TEST");
    EXPECT_EQ(View.GetSelectedText(E::FunctionList), "KX_TEST_PsatT");
    EXPECT_EQ(View.GetText(E::Argument1Lbl), "Temperature");
    EXPECT_EQ(View.GetText(E::ResultLbl), "Pressure");
    EXPECT_EQ(View.GetSelectedText(E::Argument1UnitList), "°C");
    EXPECT_EQ(View.GetSelectedText(E::ResultUnitList), "bar(a)");
    EXPECT_TRUE(View.IsVisible(E::Argument1Edit));
    EXPECT_FALSE(View.IsVisible(E::Argument2Edit));
    EXPECT_FALSE(View.IsVisible(E::PropList));
    EXPECT_EQ(Error(), "Invalid value for Temperature");
    EXPECT_EQ(View.Items(E::PropList).size(), 46u);
    EXPECT_FALSE(Controller->IsStarting());
}

TEST_F(ControllerTest, ResultsInTheChosenUnits) {
    Start();
    struct Case {
        const char* Argument;
        const char* ArgumentUnit;
        const char* ResultUnit;
        const char* Shown;
    };
    const Case cases[] = {
        {"100", "°C", "bar(a)", "1.0142"},     {"100", "°C", "kPa(a)", "101.42"},
        {"212", "°F", "bar(a)", "1.0142"},      // converted to 100 °C before the call
        {" 373.15 ", "K", "bar(a)", "1.0142"},  // blanks around a number are allowed
        {"1E4", "°C", "Pa(a)", "1.0142E0007"}, {"0.5", "°C", "Pa(a)", "507.09"},
    };
    for (const auto& c : cases) {
        ChooseUnit(E::Argument1UnitList, c.ArgumentUnit);
        ChooseUnit(E::ResultUnitList, c.ResultUnit);
        Type(E::Argument1Edit, c.Argument);
        EXPECT_EQ(View.GetText(E::ResultEdit), c.Shown) << c.Argument << " " << c.ArgumentUnit;
        EXPECT_EQ(Error(), "(hidden)");
    }
}

TEST_F(ControllerTest, FailuresEmptyTheResultAndShowTheMessageWithoutPrefix) {
    Start();
    Type(E::Argument1Edit, "100");
    ASSERT_EQ(View.GetText(E::ResultEdit), "1.0142");
    Type(E::Argument1Edit, "-5");
    EXPECT_EQ(View.GetText(E::ResultEdit), "");
    EXPECT_EQ(Error(), "Temperature lower than minimum value of 0.010 °C.");
    for (const char* text : {"", "abc", "1,5", "inf", "nan", "0x10", "+-1", "1e", "--1"}) {
        Type(E::Argument1Edit, "100");
        Type(E::Argument1Edit, text);
        EXPECT_EQ(View.GetText(E::ResultEdit), "") << text;
        EXPECT_EQ(Error(), "Invalid value for Temperature") << text;
    }
}

TEST_F(ControllerTest, TwoArgumentsTheFirstInvalidOneWinsAndUnitChangesRecompute) {
    Start();
    SelectFunction(1);
    EXPECT_TRUE(View.IsVisible(E::Argument2Edit));
    EXPECT_EQ(View.GetText(E::Argument2Lbl), "Vapor Fraction");
    EXPECT_EQ(View.LastPlacement.ArgumentRows, 2);
    Type(E::Argument1Edit, "x");
    Type(E::Argument2Edit, "y");
    EXPECT_EQ(Error(), "Invalid value for Temperature");
    Type(E::Argument1Edit, "1");
    EXPECT_EQ(Error(), "Invalid value for Vapor Fraction");
    Type(E::Argument2Edit, "0.5");
    EXPECT_EQ(View.GetText(E::ResultEdit), "1000.5");
    ChooseUnit(E::Argument2UnitList, "Dec [%]");  // only the second argument's unit changes
    EXPECT_EQ(View.GetText(E::ResultEdit), "1000");
}

TEST_F(ControllerTest, ArgumentTextsSurviveFunctionChangesWithTheirUnits) {
    Start();
    ChooseUnit(E::Argument1UnitList, "K");
    Type(E::Argument1Edit, "100");
    SelectFunction(1);
    EXPECT_EQ(View.GetText(E::Argument1Edit), "100");
    // The text keeps its unit: 100 K stays 100 K, it does not become 100 °C.
    EXPECT_EQ(View.GetSelectedText(E::Argument1UnitList), "K");
    EXPECT_EQ(View.GetSelectedText(E::ResultUnitList), "kg/m3");
    SelectFunction(2);  // a constant: no argument row, the result row placed at the top
    EXPECT_FALSE(View.IsVisible(E::Argument1Edit));
    EXPECT_EQ(View.LastPlacement.ArgumentRows, 0);
    EXPECT_EQ(View.GetText(E::ResultLbl), "Molar Mass");
    EXPECT_EQ(View.GetText(E::ResultEdit), "18.015");
}

// A typed value belongs to its quantity and the unit it was typed in: a function change moves it
// to the new row of the same quantity and empties rows of another quantity.
TEST_F(ControllerTest, FunctionChangesKeepTypedValuesOnlyForTheSameQuantity) {
    struct Row {
        const char* Text;
        const char* Unit;
    };
    struct Case {
        const char* Name;
        int From;
        Row Typed[2];  // rows of the first function, in order
        int To;
        Row Expected[2];  // rows of the second function; a third row is never shown
    };
    // Functions: 0 PsatT(T), 1 DTX(T, x), 2 MM(), 3 Silent(p, T), 4 Huge(p, T).
    const Case cases[] = {
        {"same row, same quantity", 0, {{"100", "K"}, {}}, 1, {{"100", "K"}, {"", "-"}}},
        {"temperature moves to row 2", 0, {{"100", "K"}, {}}, 3, {{"", "bar(a)"}, {"100", "K"}}},
        {"temperature moves to row 1",
         3,
         {{"10", "MPa(a)"}, {"180", "°F"}},
         0,
         {{"180", "°F"}, {}}},
        {"never into a pressure row",
         1,
         {{"180", "°C"}, {"0.5", "-"}},
         4,
         {{"", "bar(a)"}, {"180", "°C"}}},
        {"both rows kept",
         3,
         {{"10", "MPa(a)"}, {"180", "°F"}},
         4,
         {{"10", "MPa(a)"}, {"180", "°F"}}},
        {"nothing through a constant", 3, {{"10", "bar(a)"}, {"180", "°C"}}, 2, {{}, {}}},
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        SelectFunction(c.From);
        for (int n = 1; n <= 2; ++n) {
            const Row& r = c.Typed[n - 1];
            if (!r.Text) continue;
            ChooseUnit(ArgumentUnitList(n), r.Unit);
            Type(ArgumentEdit(n), r.Text);
        }
        SelectFunction(c.To);
        for (int n = 1; n <= 3; ++n) {
            const Row r = n <= 2 ? c.Expected[n - 1] : Row{};
            EXPECT_EQ(View.GetText(ArgumentEdit(n)), r.Text ? r.Text : "") << "row " << n;
            if (r.Text) {
                EXPECT_EQ(View.GetSelectedText(ArgumentUnitList(n)), r.Unit) << "row " << n;
            }
            EXPECT_EQ(View.IsVisible(ArgumentEdit(n)), r.Text != nullptr) << "row " << n;
        }
    }
    // The result unit is the result's own: no argument unit changes it, and it changes none.
    SelectFunction(1);
    ChooseUnit(E::ResultUnitList, "lb/ft3");
    ChooseUnit(E::Argument1UnitList, "°F");
    SelectFunction(0);
    EXPECT_EQ(View.GetSelectedText(E::ResultUnitList), "bar(a)");
    EXPECT_EQ(View.GetSelectedText(E::Argument1UnitList), "°F");
}

// Unit conversion and back: the properties panel is as the user left it, and its result is the
// one of the user's own values, not of another function fed with a left-over text.
TEST_F(ControllerTest, BackFromUnitConversionTheFunctionAndItsValuesReturn) {
    Start();
    SelectFunction(1);
    ChooseUnit(E::Argument1UnitList, "K");
    Type(E::Argument1Edit, "373.15");
    Type(E::Argument2Edit, "0.5");
    ChooseUnit(E::ResultUnitList, "lb/ft3");
    const std::string shown = View.GetText(E::ResultEdit);
    ASSERT_EQ(shown, "6242.8");  // 1000 x 100 °C + 0.5 = 100000.5 kg/m3

    ConversionMode("Temperature");
    ChooseUnit(E::UnitList, "°C");
    ChooseUnit(E::ConvertToList, "K");
    Type(E::ValueEdit, "25");
    View.SelectIndex(E::ModeList, 0);
    Controller->ModeListChange();

    EXPECT_EQ(View.GetSelectedText(E::LibraryList), "KX_TEST");
    EXPECT_EQ(View.GetSelectedText(E::FunctionList), "KX_TEST_DTX");
    EXPECT_EQ(View.GetText(E::Argument1Edit), "373.15");
    EXPECT_EQ(View.GetSelectedText(E::Argument1UnitList), "K");
    EXPECT_EQ(View.GetText(E::Argument2Edit), "0.5");
    EXPECT_EQ(View.GetText(E::ResultLbl), "Density");
    EXPECT_EQ(View.GetSelectedText(E::ResultUnitList), "lb/ft3");
    EXPECT_EQ(View.GetText(E::ResultEdit), shown);
    EXPECT_EQ(View.LastPlacement.ArgumentRows, 2);
    for (E e : {E::Argument1Edit, E::Argument2Edit, E::ResultUnitList, E::FunctionList})
        EXPECT_TRUE(View.IsVisible(e)) << static_cast<int>(e);
    for (E e : {E::Argument3Edit, E::ValueEdit, E::PropList, E::UnitList})
        EXPECT_FALSE(View.IsVisible(e)) << static_cast<int>(e);

    // An unfinished entry stays unfinished: no result appears by the trip.
    Type(E::Argument1Edit, "");
    ConversionMode("Temperature");
    View.SelectIndex(E::ModeList, 0);
    Controller->ModeListChange();
    EXPECT_EQ(View.GetText(E::ResultEdit), "");
    EXPECT_EQ(Error(), "Invalid value for Temperature");
    EXPECT_TRUE(View.Messages.empty());
}

TEST_F(ControllerTest, AFailureWithoutTextStillReplacesTheResult) {
    Start();
    SelectFunction(3);
    Type(E::Argument1Edit, "1");
    Type(E::Argument2Edit, "2");
    EXPECT_EQ(View.GetText(E::ResultEdit), "");
    EXPECT_EQ(Error(), "Unknown error.");
}

TEST_F(ControllerTest, ConversionsWithoutAFiniteResultAreNeverShownAsZero) {
    Start();
    SelectFunction(4);
    Type(E::Argument2Edit, "20");
    ChooseUnit(E::Argument1UnitList, "MPa(a)");
    Type(E::Argument1Edit, "1E308");  // 1E309 bar(a): not finite
    EXPECT_EQ(Error(), "Invalid value for Pressure");
    Type(E::Argument1Edit, "1");
    EXPECT_EQ(View.GetText(E::ResultEdit), "1E0305");
    ChooseUnit(E::ResultUnitList, "Pa(a)");  // 1E310 Pa(a)
    EXPECT_EQ(View.GetText(E::ResultEdit), "");
    EXPECT_EQ(Error(), "Invalid value for Pressure");
}

TEST_F(ControllerTest, LibraryWithoutFunctionsReportsANonExistentFunction) {
    Start();
    View.SelectIndex(E::LibraryList, 1);
    Controller->LibraryListChange();
    EXPECT_EQ(View.Messages, std::vector<std::string>{"Non existent function."});
    EXPECT_EQ(View.GetSelectedIndex(E::FunctionList), -1);
}

TEST_F(ControllerTest, UnitConversionMode) {
    Start();
    ConversionMode("Temperature");
    EXPECT_TRUE(View.IsVisible(E::ValueEdit));
    EXPECT_FALSE(View.IsVisible(E::ResultUnitList));
    EXPECT_FALSE(View.IsVisible(E::LibraryList));
    EXPECT_EQ(View.GetText(E::ResultLbl), "Result");
    EXPECT_EQ(View.GetSelectedIndex(E::UnitList), -1);  // nothing selected after a quantity change
    Type(E::ValueEdit, "25");
    EXPECT_EQ(View.GetText(E::ResultEdit), "");  // no units chosen yet
    ChooseUnit(E::UnitList, "°C");
    ChooseUnit(E::ConvertToList, "K");
    EXPECT_EQ(View.GetText(E::ResultEdit), "298.15");
    Type(E::ValueEdit, "abc");
    EXPECT_EQ(View.GetText(E::ResultEdit), "");
    EXPECT_EQ(Error(), "(hidden)");
    EXPECT_TRUE(View.Messages.empty());

    ConversionMode("Absolute Pressure");
    ChooseUnit(E::UnitList, "bar(a)");
    ChooseUnit(E::ConvertToList, "Pa(a)");
    Type(E::ValueEdit, "1E308");
    EXPECT_EQ(View.GetText(E::ResultEdit), "");  // overflows: empty, not 0
    Type(E::ValueEdit, "1");
    EXPECT_EQ(View.GetText(E::ResultEdit), "100000");

    ConversionMode("Compressibility");
    EXPECT_EQ(View.Items(E::UnitList), std::vector<std::string>{"-"});
    EXPECT_EQ(View.Items(E::ConvertToList), std::vector<std::string>{"-"});
}

TEST_F(ControllerTest, AnUnknownModeIsReported) {
    Start();
    View.SelectIndex(E::ModeList, 0);
    View.Messages.clear();
    // A list position outside the two modes cannot be selected in the view; force it.
    View.FillList(E::ModeList, {"Properties", "Unit Conversion", "Other"});
    View.SelectIndex(E::ModeList, 2);
    Controller->ModeListChange();
    EXPECT_EQ(View.Messages,
              (std::vector<std::string>{"Mode not recognized.", "Mode not recognized"}));
}

class EngineeringUnitsTest : public ControllerTest {
  protected:
    EngineeringUnitsTest() : ControllerTest(TKXSettings{1, 1}) {}
};

TEST_F(EngineeringUnitsTest, DefaultsAreEngineeringUnitsAndEveryListStartsWithOne) {
    Start();
    EXPECT_EQ(View.GetSelectedText(E::Argument1UnitList), "°F");
    EXPECT_EQ(View.GetSelectedText(E::ResultUnitList), "psi(a)");
    SelectFunction(1);
    // The vapour fraction, a decimal fraction, starts on "-": the call needs no unit choice.
    EXPECT_EQ(View.GetSelectedText(E::Argument2UnitList), "-");
    EXPECT_EQ(View.GetSelectedText(E::ResultUnitList), "lb/ft3");
    Type(E::Argument1Edit, "212");
    Type(E::Argument2Edit, "0.5");
    EXPECT_EQ(Error(), "(hidden)");
    // 1000 x 100 °C + 0.5 = 100000.5 kg/m3, in lb/ft3 (1 lb/ft3 = 16.018463373960138 kg/m3).
    EXPECT_EQ(View.GetText(E::ResultEdit), "6242.8");
}

class UnknownUnitSystemTest : public ControllerTest {
  protected:
    UnknownUnitSystemTest() : ControllerTest(TKXSettings{1, 7}) {}
};

TEST_F(UnknownUnitSystemTest, NothingIsSelectedAndTheResultAsksForUnits) {
    Start();
    EXPECT_EQ(View.GetSelectedIndex(E::Argument1UnitList), -1);
    EXPECT_EQ(View.GetSelectedIndex(E::ResultUnitList), -1);
    Type(E::Argument1Edit, "100");
    EXPECT_EQ(Error(), "Select a unit for Temperature");
    ChooseUnit(E::Argument1UnitList, "°C");
    EXPECT_EQ(Error(), "Select a unit for Pressure");
}

TEST_F(ControllerTest, SettingsAreReadAtFirstActivationAndWrittenOnClose) {
    Settings = {0, 0};
    Start();
    Controller->FormActivate();  // later activations do not read again
    Controller->FormClose();
    ASSERT_EQ(Written.size(), 1u);
    EXPECT_EQ(Written[0].SteamSelector, 0);
    EXPECT_EQ(Written[0].UnitSystem, 0);
}

TEST_F(ControllerTest, DisplayEvaluatesAndTheStoreButtonFollowsIt) {
    Start();
    struct Case {
        const char* Text;
        bool Enabled;
    };
    for (const Case c : {Case{"", false}, Case{"Error", false}, Case{"12.5", true},
                         Case{"1+2", false}, Case{" -3E2 ", true}}) {
        View.SetText(E::Display, c.Text);
        Controller->UpdateStoreButton();
        EXPECT_EQ(View.IsEnabled(E::StoreBtn), c.Enabled) << c.Text;
    }
    View.SetText(E::Display, "1/3");
    Controller->Execute();
    EXPECT_EQ(View.GetText(E::Display), "0.333333333333333");
    EXPECT_TRUE(View.IsEnabled(E::StoreBtn));
    Controller->ClearDisplay();
    EXPECT_EQ(View.GetText(E::Display), "");
    EXPECT_FALSE(View.IsEnabled(E::StoreBtn));
}

TEST_F(ControllerTest, MemoryStoreRestoreAndClear) {
    Start();
    EXPECT_FALSE(View.MemoryGridEnabled);
    View.SetText(E::Display, "3.5");
    Dialog.Answers = {{true, "a", 0, true}};
    Controller->StoreDisplay();
    ASSERT_EQ(View.MemoryRows.size(), 1u);
    EXPECT_EQ(View.MemoryRows[0].Index, "1");
    EXPECT_EQ(View.MemoryRows[0].Name, "a");
    EXPECT_EQ(View.MemoryRows[0].Value, "3.5");
    EXPECT_EQ(Dialog.Shown.back().Value, 3.5);
    EXPECT_TRUE(View.MemoryGridEnabled);

    Dialog.Answers = {{false, "", 0, false}};  // Cancel adds nothing
    Controller->AddMemory();
    EXPECT_EQ(Memory.Count(), 1);

    View.SetText(E::Display, "1/3");
    Controller->Execute();
    Dialog.Answers = {{true, "third", 0, true}};
    Controller->StoreDisplay();
    View.MemoryCurrentRow = 2;
    Controller->RestoreArgument(1);
    EXPECT_EQ(View.GetText(E::Argument1Edit), "0.333333333333333");
    EXPECT_EQ(View.GetText(E::ResultEdit), "0.0033806");  // restoring recomputes
    EXPECT_EQ(Controller->RestoreText(), std::optional<std::string>("0.333333333333333"));

    View.MemoryCurrentRow = 0;  // the header row: restore and clear do nothing
    Controller->RestoreArgument(1);
    EXPECT_EQ(View.GetText(E::Argument1Edit), "0.333333333333333");
    EXPECT_FALSE(Controller->RestoreText().has_value());
    Controller->ClearMemoryRow();
    EXPECT_EQ(Memory.Count(), 2);

    View.MemoryCurrentRow = 2;
    Controller->ClearMemoryRow();
    ASSERT_EQ(Memory.Count(), 1);
    EXPECT_EQ(Memory.Element(0).Name, "a");
    EXPECT_EQ(View.MemoryCurrentRow, 1);  // clamped to the last data row

    Controller->ClearAllMemory();
    EXPECT_EQ(Memory.Count(), 0);
    EXPECT_TRUE(View.MemoryRows.empty());
    EXPECT_FALSE(View.MemoryGridEnabled);
    // With an empty memory the restore buttons take the empty placeholder row.
    Controller->RestoreArgument(1);
    EXPECT_EQ(View.GetText(E::Argument1Edit), "");
    EXPECT_EQ(Error(), "Invalid value for Temperature");
}

TEST_F(ControllerTest, StoringAResultThatIsNotANumberIsReported) {
    Start();  // the result is empty: "Invalid value for Temperature"
    Controller->StoreResult();
    EXPECT_EQ(View.Messages, std::vector<std::string>{"'' is not a valid floating point value"});
    EXPECT_EQ(Memory.Count(), 0);
    EXPECT_TRUE(Dialog.Shown.empty());
    Type(E::Argument1Edit, "100");
    Dialog.Answers = {{true, "p", 0, true}};
    Controller->StoreResult();
    ASSERT_EQ(Memory.Count(), 1);
    EXPECT_EQ(Memory.Element(0).Value, 1.0142);
}

// The result row's store button, as the display's: enabled exactly when the result field holds
// a number, in both modes.
TEST_F(ControllerTest, TheResultStoreButtonFollowsTheResult) {
    Start();  // "Invalid value for Temperature": no result
    EXPECT_FALSE(View.IsEnabled(E::StoreResultBtn));
    Type(E::Argument1Edit, "100");
    EXPECT_TRUE(View.IsEnabled(E::StoreResultBtn));
    Type(E::Argument1Edit, "-5");  // below the limit
    EXPECT_FALSE(View.IsEnabled(E::StoreResultBtn));
    Type(E::Argument1Edit, "50");
    EXPECT_TRUE(View.IsEnabled(E::StoreResultBtn));
    ConversionMode("Temperature");  // no units chosen yet: no result
    EXPECT_FALSE(View.IsEnabled(E::StoreResultBtn));
    ChooseUnit(E::UnitList, "°C");
    ChooseUnit(E::ConvertToList, "K");
    Type(E::ValueEdit, "25");
    EXPECT_TRUE(View.IsEnabled(E::StoreResultBtn));
    Type(E::ValueEdit, "abc");
    EXPECT_FALSE(View.IsEnabled(E::StoreResultBtn));
}

// The result field shows 5 digits; its hint holds the value in the result unit with 17
// significant digits, enough to read back the very double.
TEST_F(ControllerTest, TheResultHintHoldsEveryDigit) {
    Start();
    EXPECT_EQ(View.GetHint(E::ResultEdit), "");
    Type(E::Argument1Edit, "33.3333333333333");
    const double returned = 1.01417978 * 33.3333333333333 / 100.0;  // the test function
    EXPECT_EQ(View.GetText(E::ResultEdit), "0.33806");
    double hinted = 0.0;
    ASSERT_TRUE(TryParseNumber(View.GetHint(E::ResultEdit), hinted)) << View.GetHint(E::ResultEdit);
    EXPECT_EQ(hinted, returned);
    EXPECT_EQ(View.GetHint(E::ResultEdit), "0.33805992666666634");
    ChooseUnit(E::ResultUnitList, "Pa(a)");
    ASSERT_TRUE(TryParseNumber(View.GetHint(E::ResultEdit), hinted));
    EXPECT_EQ(hinted, returned * 100000);
    Type(E::Argument1Edit, "-5");
    EXPECT_EQ(View.GetHint(E::ResultEdit), "");
}

TEST_F(ControllerTest, RestoreIntoTheConversionValue) {
    Start();
    Dialog.Answers = {{true, "t", 25, false}};
    Controller->AddMemory();
    ConversionMode("Temperature");
    ChooseUnit(E::UnitList, "°C");
    ChooseUnit(E::ConvertToList, "K");
    View.MemoryCurrentRow = 1;
    Controller->RestoreValue();
    EXPECT_EQ(View.GetText(E::ValueEdit), "25");
    EXPECT_EQ(View.GetText(E::ResultEdit), "298.15");
}

// A humid-air stand-in of three arguments: h = 100 p + t + w, so each argument's conversion shows.
double TestHPTW(double p, double t, double w, char* text, int32_t capacity, int32_t* code) {
    return RunLibraryFunction("KX_AIR", "HPTW", text, capacity, code,
                              [=](std::string&, int32_t&) { return 100.0 * p + t + w; });
}

// Three-argument functions: the third row shows only for them, every argument enters the call in
// its standard unit, the first invalid one wins; the library list's hint names the library.
TEST_F(ControllerTest, AThreeArgumentFunctionHasAThirdRowOfItsOwn) {
    TKXLibrary& air = Registry.AddLibrary("KX_AIR");
    air.Info.DisplayName = "humid air";
    air.Info.ChemicalName = "air and water vapour";
    air.AddTernaryFunction("KX_AIR_HPTW", "Enthalpy", 4,
                           {{"Pressure", 2}, {"Temperature", 31}, {"Humidity", 34}}, TestHPTW);
    air.AddUnairyFunction("KX_AIR_PsatT", "Pressure", 2, "Temperature", 31, TestPsatT);
    Start();
    EXPECT_EQ(View.GetHint(E::LibraryList), "KX_TEST");  // no information: the library name
    View.SelectIndex(E::LibraryList, 2);
    Controller->LibraryListChange();
    EXPECT_EQ(View.GetHint(E::LibraryList), "humid air (air and water vapour)");

    EXPECT_EQ(View.LastPlacement.ArgumentRows, 3);
    for (E e : {E::Argument3Lbl, E::Argument3UnitList, E::Argument3Edit, E::PasteArgument3Btn,
                E::RestoreArgument3Btn})
        EXPECT_TRUE(View.IsVisible(e)) << static_cast<int>(e);
    EXPECT_EQ(View.GetText(E::Argument3Lbl), "Humidity");
    Type(E::Argument1Edit, "2");
    Type(E::Argument2Edit, "30");
    EXPECT_EQ(Error(), "Invalid value for Humidity");
    Type(E::Argument3Edit, "0.5");
    EXPECT_EQ(View.GetText(E::ResultEdit), "230.5");
    ChooseUnit(E::Argument3UnitList, "Dec [%]");
    EXPECT_EQ(View.GetText(E::ResultEdit), "230");
    ChooseUnit(E::Argument1UnitList, "kPa(a)");  // 2 kPa(a) = 0.02 bar(a)
    EXPECT_EQ(View.GetText(E::ResultEdit), "32.005");
    Type(E::Argument1Edit, "x");
    EXPECT_EQ(Error(), "Invalid value for Pressure");

    SelectFunction(1);  // one argument: the second and third rows go
    EXPECT_EQ(View.LastPlacement.ArgumentRows, 1);
    EXPECT_FALSE(View.IsVisible(E::Argument3Edit));
    EXPECT_FALSE(View.IsVisible(E::Argument2Edit));
    EXPECT_EQ(View.GetText(E::Argument1Edit), "30");  // the temperature moved with its quantity
    EXPECT_EQ(View.GetText(E::ResultEdit), "0.30425");
    EXPECT_TRUE(View.Messages.empty());
}

}  // namespace
