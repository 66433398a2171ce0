// The C interface seen from a program that has nothing but varnexa.h and libvarnexa.so: the
// registry through handles, the exported names, reference values, array calls with strides and
// failures, unit conversion, and the neutral answers to invalid requests.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "KXTsv.h"
#include "varnexa.h"

namespace {

using TConstant = double (*)(char*, int32_t, int32_t*);
using TUnary = double (*)(double, char*, int32_t, int32_t*);
using TBinary = double (*)(double, double, char*, int32_t, int32_t*);
using TTernary = double (*)(double, double, double, char*, int32_t, int32_t*);

struct TReference {
    std::string Function;
    std::vector<double> Args;
    double Value;
    double Tolerance;
};

std::vector<TReference> ReadReferences() {
    std::vector<TReference> rows;
    for (const kxtsv::TFields& fields : kxtsv::ReadRows("capi_reference.tsv")) {
        TReference row{fields.at(0),
                       {std::stod(fields.at(1))},
                       std::stod(fields.at(3)),
                       std::stod(fields.at(4))};
        if (!fields.at(2).empty()) row.Args.push_back(std::stod(fields.at(2)));
        rows.push_back(row);
    }
    return rows;
}

// The number of libraries the golden list names, in registration order.
int GoldenLibraryCount() {
    return static_cast<int>(kxtsv::Read("golden_list_libraries.tsv", false).Lines.size());
}

// The number of functions the registry's golden lists name (one non-comment line each).
int GoldenFunctionCount() {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(VARNEXA_TEST_DATA_DIR)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("golden_list_KX_", 0) != 0) continue;
        count += static_cast<int>(kxtsv::Read(name, false).Lines.size());
    }
    return count;
}

TEST(CApiRegistry, CountsAndTheFirstFunction) {
    ASSERT_EQ(varnexa_library_count(), GoldenLibraryCount());
    EXPECT_EQ(varnexa_total_function_count(), GoldenFunctionCount());
    EXPECT_STREQ(varnexa_library_name(0), "KX_WS_IF97");
    EXPECT_EQ(varnexa_function_count(0), 40);
    const varnexa_function* f = varnexa_function_at(0, 0);
    ASSERT_NE(f, nullptr);
    EXPECT_STREQ(varnexa_function_name(f), "KX_WS_IF97_PsatT");
    EXPECT_EQ(varnexa_arity(f), 1);
    EXPECT_STREQ(varnexa_argument_name(f, 1), "Temperature");
    EXPECT_EQ(varnexa_argument_quantity(f, 1), 31);
    EXPECT_STREQ(varnexa_argument_quantity_name(f, 1), "Temperature");
    EXPECT_STREQ(varnexa_result_name(f), "Pressure");
    EXPECT_EQ(varnexa_result_quantity(f), 2);
    EXPECT_STREQ(varnexa_result_quantity_name(f), "Absolute Pressure");
}

TEST(CApiRegistry, InvalidRequestsGiveNeutralAnswers) {
    EXPECT_EQ(varnexa_library_name(-1), nullptr);
    EXPECT_EQ(varnexa_library_name(GoldenLibraryCount()), nullptr);
    EXPECT_EQ(varnexa_function_count(GoldenLibraryCount()), -1);
    EXPECT_EQ(varnexa_function_at(0, 40), nullptr);
    EXPECT_EQ(varnexa_function_at(0, -1), nullptr);
    EXPECT_EQ(varnexa_function_at(-1, 0), nullptr);
    EXPECT_EQ(varnexa_find_function("KX_WS_IF97_Nothing"), nullptr);
    EXPECT_EQ(varnexa_find_function(nullptr), nullptr);
    EXPECT_EQ(varnexa_arity(nullptr), -1);
    const varnexa_function* f = varnexa_find_function("KX_WS_IF97_PsatT");
    EXPECT_EQ(varnexa_argument_name(f, 0), nullptr);
    EXPECT_EQ(varnexa_argument_name(f, 2), nullptr);
    EXPECT_EQ(varnexa_argument_quantity(f, 2), 0);

    char text[VARNEXA_TEXT_CAPACITY + 1];
    int32_t code = 0;
    EXPECT_EQ(varnexa_call(nullptr, nullptr, text, VARNEXA_TEXT_CAPACITY, &code), 0.0);
    EXPECT_EQ(code, VARNEXA_INVALID_CALL);
    double value = 0;
    EXPECT_EQ(varnexa_call_array(f, -1, nullptr, nullptr, &value, &code, text, 255),
              VARNEXA_INVALID_CALL);
    EXPECT_EQ(varnexa_call_array(f, 1, nullptr, nullptr, &value, &code, text, 255),
              VARNEXA_INVALID_CALL);
}

// Indices, counts and strides at the limits of their integer types: every entry point refuses
// them without arithmetic that overflows (a sum or product past the limit wraps to an index that
// passes the check) and without touching the caller's arrays.
TEST(CApiRegistry, IntegerLimitsAreRefused) {
    const int32_t last = varnexa_library_count() - 1;
    const varnexa_function* hpt = varnexa_find_function("KX_WS_IF97_HPT");
    struct TQuery {
        const char* Call;
        bool Refused;
    };
    const TQuery queries[] = {
        {"function_at(1, INT32_MAX)", varnexa_function_at(1, INT32_MAX) == nullptr},
        {"function_at(last, INT32_MAX)", varnexa_function_at(last, INT32_MAX) == nullptr},
        {"function_at(0, INT32_MAX)", varnexa_function_at(0, INT32_MAX) == nullptr},
        {"function_at(INT32_MAX, 0)", varnexa_function_at(INT32_MAX, 0) == nullptr},
        {"function_at(INT32_MIN, INT32_MIN)", varnexa_function_at(INT32_MIN, INT32_MIN) == nullptr},
        {"library_name(INT32_MIN)", varnexa_library_name(INT32_MIN) == nullptr},
        {"function_count(INT32_MAX)", varnexa_function_count(INT32_MAX) == -1},
        {"argument_name(INT32_MIN)", varnexa_argument_name(hpt, INT32_MIN) == nullptr},
        {"argument_quantity_name(INT32_MAX)",
         varnexa_argument_quantity_name(hpt, INT32_MAX) == nullptr},
        {"quantity_name(INT32_MAX)", varnexa_quantity_name(INT32_MAX) == nullptr},
        {"quantity_index(INT32_MIN)", varnexa_quantity_index(INT32_MIN) == -1},
        {"unit_name(INT32_MAX)", varnexa_unit_name("Temperature", INT32_MAX) == nullptr},
    };
    for (const TQuery& query : queries) EXPECT_TRUE(query.Refused) << query.Call;

    // Arrays: counts and strides whose element offsets pass the address space.
    const double p[2] = {10.0, 20.0}, t[2] = {200.0, 300.0};
    const double* args[2] = {p, t};
    struct TArrayCall {
        int64_t N;
        int64_t Strides[2];
    };
    const TArrayCall calls[] = {
        {2, {INT64_MAX, 1}}, {2, {1, INT64_MIN}},         {3, {INT64_MAX / 2 + 1, 0}},
        {INT64_MAX, {0, 0}}, {INT64_MAX / 8 + 1, {0, 0}},
    };
    for (const TArrayCall& call : calls) {
        double values[2] = {-1.0, -1.0};
        int32_t codes[2] = {-7, -7};
        char text[256];
        EXPECT_EQ(varnexa_call_array(hpt, call.N, args, call.Strides, values, codes, text, 255),
                  VARNEXA_INVALID_CALL)
            << call.N << " " << call.Strides[0] << " " << call.Strides[1];
        EXPECT_EQ(values[0], -1.0);
        EXPECT_EQ(codes[0], -7);
    }
    double results[2] = {-1.0, -1.0};
    for (const int64_t n : {INT64_MAX, INT64_MAX / 8 + 1}) {
        EXPECT_EQ(varnexa_convert_array("Temperature", "°C", "K", n, p, results),
                  VARNEXA_CONVERT_FAULT);
        EXPECT_EQ(results[0], -1.0);
    }
    // Negative strides walk back from the given element.
    const double* backwards[2] = {p + 1, t + 1};
    const int64_t negative[2] = {-1, -1};
    double values[2];
    int32_t codes[2];
    ASSERT_EQ(varnexa_call_array(hpt, 2, backwards, negative, values, codes, nullptr, 0), 0);
    const double first[2] = {20.0, 300.0};
    int32_t code = -1;
    EXPECT_EQ(values[0], varnexa_call(hpt, first, nullptr, 0, &code));
}

// Every registered function is exported under its name, the name finds the same handle, and
// the exported symbol computes what the handle computes.
TEST(CApiRegistry, EveryFunctionIsExportedAndFoundByName) {
    int checked = 0;
    for (int32_t l = 0; l < varnexa_library_count(); ++l) {
        for (int32_t i = 0; i < varnexa_function_count(l); ++i) {
            const varnexa_function* f = varnexa_function_at(l, i);
            const char* name = varnexa_function_name(f);
            SCOPED_TRACE(name);
            EXPECT_EQ(varnexa_find_function(name), f);
            EXPECT_EQ(varnexa_function_library(f), l);
            void* symbol = dlsym(RTLD_DEFAULT, name);
            ASSERT_NE(symbol, nullptr);
            const double args[3] = {10.0, 200.0, 0.5};
            char viaHandle[256], viaSymbol[256];
            int32_t handleCode = -5, symbolCode = -5;
            const double expected = varnexa_call(f, args, viaHandle, 255, &handleCode);
            double value = 0;
            switch (varnexa_arity(f)) {
                case 0:
                    value = reinterpret_cast<TConstant>(symbol)(viaSymbol, 255, &symbolCode);
                    break;
                case 1:
                    value = reinterpret_cast<TUnary>(symbol)(args[0], viaSymbol, 255, &symbolCode);
                    break;
                case 2:
                    value = reinterpret_cast<TBinary>(symbol)(args[0], args[1], viaSymbol, 255,
                                                              &symbolCode);
                    break;
                default:
                    ASSERT_EQ(varnexa_arity(f), 3);
                    value = reinterpret_cast<TTernary>(symbol)(args[0], args[1], args[2], viaSymbol,
                                                               255, &symbolCode);
            }
            EXPECT_EQ(std::memcmp(&value, &expected, sizeof value), 0);
            EXPECT_EQ(symbolCode, handleCode);
            EXPECT_STREQ(viaSymbol, viaHandle);
            ++checked;
        }
    }
    EXPECT_EQ(checked, GoldenFunctionCount());
}

TEST(CApiCall, ReferenceValuesThroughHandlesAndArrays) {
    for (const TReference& row : ReadReferences()) {
        SCOPED_TRACE(row.Function);
        const varnexa_function* f = varnexa_find_function(row.Function.c_str());
        ASSERT_NE(f, nullptr);
        char text[256];
        int32_t code = -1;
        const double value = varnexa_call(f, row.Args.data(), text, 255, &code);
        EXPECT_EQ(code, 0) << text;
        EXPECT_NEAR(value, row.Value, row.Tolerance * std::fabs(row.Value));

        const double* args[2] = {&row.Args[0], row.Args.size() > 1 ? &row.Args[1] : nullptr};
        double arrayValue = 0;
        int32_t arrayCode = -1;
        EXPECT_EQ(varnexa_call_array(f, 1, args, nullptr, &arrayValue, &arrayCode, nullptr, 0), 0);
        EXPECT_EQ(arrayValue, value);
    }
}

// Strides 0 and 1, a state below the temperature range among good ones: each state matches
// its single call, the failure is counted, and its text is the first failure's.
TEST(CApiCall, ArrayCallWithStridesAndFailures) {
    const varnexa_function* hpt = varnexa_find_function("KX_WS_IF97_HPT");
    const double p[1] = {10.0};
    const double t[5] = {-50.0, 200.0, -60.0, 300.0, 400.0};
    const double* args[2] = {p, t};
    const int64_t strides[2] = {0, 1};
    double values[5];
    int32_t codes[5];
    char text[256] = "stale";
    EXPECT_EQ(varnexa_call_array(hpt, 5, args, strides, values, codes, text, 255), 2);
    for (int i = 0; i < 5; ++i) {
        const double single[2] = {10.0, t[i]};
        char singleText[256];
        int32_t singleCode = -1;
        const double expected = varnexa_call(hpt, single, singleText, 255, &singleCode);
        EXPECT_EQ(codes[i], singleCode) << i;
        EXPECT_EQ(values[i], singleCode == 0 ? expected : 0.0) << i;
        if (i == 0) {
            EXPECT_STREQ(text, singleText);
        }
    }
    EXPECT_EQ(codes[0], 2);
    EXPECT_EQ(std::string(text).rfind("KX_WS_IF97_HPT;", 0), 0u) << text;

    // A short capacity cuts the first failure's text; no failure leaves it empty.
    char shortText[8];
    varnexa_call_array(hpt, 5, args, strides, values, codes, shortText, 7);
    EXPECT_STREQ(shortText, "KX_WS_I");
    EXPECT_EQ(varnexa_call_array(hpt, 2, args, strides, values + 3, codes + 3, text, 255), 1);
    const double* goodArgs[2] = {p, t + 3};
    EXPECT_EQ(varnexa_call_array(hpt, 2, goodArgs, strides, values, codes, text, 255), 0);
    EXPECT_STREQ(text, "");
}

struct TConversionCase {
    const char* Quantity;
    const char* From;
    const char* To;
    double Value;
    int32_t Status;
    double Expected;
};

// Definitions: T(°F) = 1.8 T(°C) + 32, T(K) = T(°C) + 273.15, 1 psi = 0.0689475729 bar,
// 1 bar = 100 kPa.
const TConversionCase kConversions[] = {
    {"Temperature", "°C", "°F", 100.0, VARNEXA_CONVERT_OK, 212.0},
    {"", "°C", "°F", -40.0, VARNEXA_CONVERT_OK, -40.0},
    {nullptr, "°C", "K", 0.0, VARNEXA_CONVERT_OK, 273.15},
    {nullptr, "psi(a)", "bar(a)", 14.503773773, VARNEXA_CONVERT_OK, 1.0},
    {"Absolute Pressure", "bar(a)", "kPa(a)", 2.5, VARNEXA_CONVERT_OK, 250.0},
    {"Absolute Pressure", "°C", "K", 1.0, VARNEXA_CONVERT_UNKNOWN_UNIT, 0.0},
    {"No Such Quantity", "°C", "K", 1.0, VARNEXA_CONVERT_UNKNOWN_QUANTITY, 0.0},
    {nullptr, "°C", "bar(a)", 1.0, VARNEXA_CONVERT_UNKNOWN_UNIT, 0.0},
    {nullptr, "°C", "K", NAN, VARNEXA_CONVERT_FAULT, 0.0},
};

class CApiConvert : public testing::TestWithParam<TConversionCase> {};

TEST_P(CApiConvert, ConvertsOrSaysWhyNot) {
    const TConversionCase& c = GetParam();
    double result = -1;
    EXPECT_EQ(varnexa_convert(c.Quantity, c.From, c.To, c.Value, &result), c.Status);
    // 1e-6: the catalogue's psi factor carries fewer digits than the definition.
    EXPECT_NEAR(result, c.Expected, 1e-6 * std::fabs(c.Expected) + 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Units, CApiConvert, testing::ValuesIn(kConversions));

TEST(CApiUnits, QuantitiesAndTheirUnits) {
    EXPECT_EQ(varnexa_quantity_count(), 46);
    EXPECT_EQ(varnexa_quantity_index(42), 48);
    EXPECT_EQ(varnexa_quantity_index(43), 49);
    EXPECT_STREQ(varnexa_quantity_name_of_index(49), "Humidity Ratio");
    EXPECT_STREQ(varnexa_quantity_name_of_index(2), "Absolute Pressure");
    EXPECT_EQ(varnexa_quantity_name_of_index(42), nullptr);
    EXPECT_EQ(varnexa_unit_count("Undefined"), 1);
    EXPECT_STREQ(varnexa_unit_name("Undefined", 0), "-");
    EXPECT_EQ(varnexa_unit_count("No Such Quantity"), -1);
    EXPECT_EQ(varnexa_unit_name("Temperature", 99), nullptr);
    int units = 0;
    for (int32_t q = 0; q < varnexa_quantity_count(); ++q)
        units += varnexa_unit_count(varnexa_quantity_name(q));
    EXPECT_EQ(units, 216);
}

TEST(CApiUnits, ArrayConversionMarksTheFaultAndConvertsTheRest) {
    const double celsius[3] = {0.0, INFINITY, 100.0};
    double kelvin[3];
    EXPECT_EQ(varnexa_convert_array("Temperature", "°C", "K", 3, celsius, kelvin),
              VARNEXA_CONVERT_FAULT);
    EXPECT_DOUBLE_EQ(kelvin[0], 273.15);
    EXPECT_EQ(kelvin[1], 0.0);
    EXPECT_DOUBLE_EQ(kelvin[2], 373.15);
}

}  // namespace

namespace {

// A pressure just above zero (subnormal) is below every library's lowest pressure: each (p, T)
// and (p, x) function rejects it with the lower-pressure-limit text, never "Unknown error".
TEST(CApiPressureLimits, SubnormalPressureIsBelowTheLowerLimit) {
    int checked = 0;
    for (int32_t l = 0; l < varnexa_library_count(); ++l) {
        for (int32_t i = 0; i < varnexa_function_count(l); ++i) {
            const varnexa_function* f = varnexa_function_at(l, i);
            if (varnexa_arity(f) != 2 ||
                std::string(varnexa_argument_quantity_name(f, 1)) != "Absolute Pressure")
                continue;
            const std::string second = varnexa_argument_name(f, 2);
            double args[2] = {1e-320, 0.0};
            if (second == "Temperature")
                args[1] = 25.0;
            else if (second == "Vapour Fraction")
                args[1] = 0.5;
            else
                continue;
            SCOPED_TRACE(varnexa_function_name(f));
            char text[VARNEXA_TEXT_CAPACITY + 1];
            int32_t code = 0;
            varnexa_call(f, args, text, VARNEXA_TEXT_CAPACITY, &code);
            EXPECT_EQ(code, 4) << text;
            EXPECT_NE(std::string(text).find("; Pressure lower than"), std::string::npos) << text;
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
}

// A cycle's text through the C interface: the command line's lines with 17 digits, its status
// for a refused cycle and a bad request, and nothing written where the text does not fit.
TEST(CApiCycle, TextStatusAndCapacity) {
    const char* names[] = {"p-boiler", "T-live", "p-cond"};
    const double values[] = {30.0, 350.0, 0.75};
    char text[4096];
    ASSERT_EQ(varnexa_cycle("rankine", "water", 3, names, values, text, sizeof text),
              VARNEXA_CYCLE_OK)
        << text;
    const std::string out = text;
    EXPECT_EQ(out.rfind("point\tT [°C]", 0), 0u);
    // The turbine inlet's enthalpy with every digit of the library's HPT.
    char libraryText[256];
    int32_t code = -1;
    const double h3 = KX_WS_IF97_HPT(30.0, 350.0, libraryText, 255, &code);
    ASSERT_EQ(code, 0);
    char number[32];
    std::snprintf(number, sizeof number, "%.17g", h3);
    EXPECT_NE(out.find("\n3\t350\t30\t" + std::string(number) + "\t"), std::string::npos) << out;
    EXPECT_NE(out.find("\neta_th\t0.26"), std::string::npos);

    const double wet[] = {80.0, 250.0, 0.1};
    EXPECT_EQ(varnexa_cycle("rankine", "water", 3, names, wet, text, sizeof text),
              VARNEXA_CYCLE_REFUSED);
    EXPECT_EQ(std::string(text).rfind("error\tThe live-steam temperature", 0), 0u) << text;
    EXPECT_EQ(varnexa_cycle("stirling", "water", 3, names, values, text, sizeof text),
              VARNEXA_CYCLE_USAGE);
    EXPECT_EQ(varnexa_cycle("rankine", "water", 2, names, values, text, sizeof text),
              VARNEXA_CYCLE_USAGE);  // no condenser pressure
    EXPECT_EQ(varnexa_cycle("rankine", nullptr, 3, names, values, text, sizeof text),
              VARNEXA_CYCLE_USAGE);
    char small[16] = "untouched";
    EXPECT_EQ(varnexa_cycle("rankine", "water", 3, names, values, small, sizeof small),
              VARNEXA_CYCLE_TEXT_TOO_SMALL);
    EXPECT_STREQ(small, "");
}

}  // namespace
