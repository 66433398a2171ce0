// Every library function on four threads at once gives bit for bit what one thread gives: values,
// codes and texts. The threads start together on a cold library, so the first use of the registry
// and of the fluid objects is contended too; the single-thread reference runs afterwards.
#include <gtest/gtest.h>

#include <barrier>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "varnexa.h"

namespace {

// Argument values per quantity index, in and out of the ranges of the libraries.
std::vector<double> ValuesFor(int32_t quantity) {
    switch (quantity) {
        case 2:
            return {0.05, 1.0, 10.0, 60.0, 300.0, 2e4};  // pressure, bar(a)
        case 31:
            return {-260.0, -150.0, -30.0, 25.0, 180.0, 420.0, 900.0};  // temperature, °C
        case 34:
            return {-0.1, 0.0, 0.4, 1.0};  // vapour fraction
        case 4:
            return {-50.0, 250.0, 1200.0, 2900.0};  // enthalpy, kJ/kg
        case 5:
            return {-0.5, 1.0, 4.0, 7.5};  // entropy, kJ/kgK
        case 15:
            return {0.5, 50.0, 800.0};  // density, kg/m3
        case 51:
            return {0.2, 0.6};  // mole fraction: a composition of a binary pair
        default:
            return {0.5, 100.0};
    }
}

struct TState {
    const varnexa_function* Function;
    double Args[3];  // as many as the function takes; up to three
};

struct TOutcome {
    double Value;
    int32_t Code;
    std::string Text;

    bool operator==(const TOutcome& o) const {
        return std::memcmp(&Value, &o.Value, sizeof Value) == 0 && Code == o.Code && Text == o.Text;
    }
};

std::vector<TState> AllStates() {
    std::vector<TState> states;
    for (int32_t l = 0; l < varnexa_library_count(); ++l) {
        for (int32_t i = 0; i < varnexa_function_count(l); ++i) {
            const varnexa_function* f = varnexa_function_at(l, i);
            const int arity = varnexa_arity(f);
            const auto values = [&](int argument) {
                return arity >= argument ? ValuesFor(varnexa_argument_quantity(f, argument))
                                         : std::vector<double>{0.0};
            };
            for (double x1 : values(1))
                for (double x2 : values(2))
                    for (double x3 : values(3)) states.push_back({f, {x1, x2, x3}});
        }
    }
    return states;
}

TOutcome CallState(const TState& state) {
    char text[VARNEXA_TEXT_CAPACITY + 1] = "stale";
    int32_t code = -99;
    const double value =
        varnexa_call(state.Function, state.Args, text, VARNEXA_TEXT_CAPACITY, &code);
    return {value, code, text};
}

TEST(CApiThreads, FourThreadsAgreeWithOneThreadOnEveryFunction) {
    constexpr int kThreads = 4;
    std::barrier start(kThreads);
    std::vector<std::vector<TState>> threadStates(kThreads);
    std::vector<std::vector<TOutcome>> threadOutcomes(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            start.arrive_and_wait();
            // Each thread builds the registry view itself and walks the states from its own
            // offset, so the threads call different functions and the same ones at once.
            std::vector<TState> states = AllStates();
            std::vector<TOutcome> outcomes(states.size());
            const std::size_t n = states.size(), offset = t * n / kThreads;
            for (std::size_t k = 0; k < n; ++k) {
                const std::size_t i = (offset + k) % n;
                outcomes[i] = CallState(states[i]);
            }
            threadStates[t] = std::move(states);
            threadOutcomes[t] = std::move(outcomes);
        });
    }
    for (std::thread& thread : threads) thread.join();

    const std::vector<TState> states = AllStates();
    ASSERT_GT(states.size(), 5000u);
    int succeeded = 0;
    for (std::size_t i = 0; i < states.size(); ++i) {
        const TOutcome reference = CallState(states[i]);
        succeeded += reference.Code == 0;
        for (int t = 0; t < kThreads; ++t) {
            ASSERT_EQ(threadStates[t][i].Function, states[i].Function);
            EXPECT_TRUE(threadOutcomes[t][i] == reference)
                << varnexa_function_name(states[i].Function) << "(" << states[i].Args[0] << ", "
                << states[i].Args[1] << ", " << states[i].Args[2] << ") on thread " << t << ": "
                << threadOutcomes[t][i].Value << " code " << threadOutcomes[t][i].Code
                << " against " << reference.Value << " code " << reference.Code;
        }
    }
    // The states must exercise the computations, not only the range checks.
    EXPECT_GT(succeeded, static_cast<int>(states.size() / 4));
}

// Array calls of one handle from four threads into separate outputs.
TEST(CApiThreads, ArrayCallsOfOneHandleInParallel) {
    const varnexa_function* f = varnexa_find_function("KX_CO2_FE_DPT");
    ASSERT_NE(f, nullptr);
    constexpr int kStates = 2000;
    std::vector<double> p(kStates), t(kStates);
    for (int i = 0; i < kStates; ++i) {
        p[i] = 1.0 + 0.1 * i;
        t[i] = -50.0 + 0.15 * i;
    }
    const double* args[2] = {p.data(), t.data()};
    std::vector<double> reference(kStates);
    std::vector<int32_t> referenceCodes(kStates);
    varnexa_call_array(f, kStates, args, nullptr, reference.data(), referenceCodes.data(), nullptr,
                       0);

    std::vector<std::vector<double>> values(4, std::vector<double>(kStates));
    std::vector<std::vector<int32_t>> codes(4, std::vector<int32_t>(kStates));
    std::vector<std::thread> threads;
    for (int k = 0; k < 4; ++k)
        threads.emplace_back([&, k] {
            varnexa_call_array(f, kStates, args, nullptr, values[k].data(), codes[k].data(),
                               nullptr, 0);
        });
    for (std::thread& thread : threads) thread.join();
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(values[k], reference);
        EXPECT_EQ(codes[k], referenceCodes);
    }
}

}  // namespace
