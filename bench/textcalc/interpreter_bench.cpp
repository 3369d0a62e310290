// The interpreter on loops of 10^6 iterations: each iteration re-parses its statement text.
// Reports nanoseconds per iteration.
#include "textcalc/language/calculator.h"

#include "platform/headless/headless_services.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Iterations = 1000000;

void runLoop(benchmark::State& state, const char* program, const char* expectedLast)
{
    platform::HeadlessServices services;
    textcalc::Calculator calc(services);
    for (auto _ : state) {
        calc.run(program);
        if (calc.Outputs.back() != expectedLast) {
            state.SkipWithError(("unexpected output " + calc.Outputs.back()).c_str());
            return;
        }
    }
    state.counters["ns/iteration"] = benchmark::Counter(static_cast<double>(Iterations) * state.iterations(),
                                                        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Exact integers throughout.
void ForSumExact(benchmark::State& state)
{
    runLoop(state, "s:=0; for i:=1 to 1000000 do s:=s+i; s", "500000500000");
}
BENCHMARK(ForSumExact)->Unit(benchmark::kMillisecond);

// Exact fractions until the denominator overflows, then floating.
void ForHarmonic(benchmark::State& state)
{
    runLoop(state, "s:=0; for i:=1 to 1000000 do s:=s+1/i; s", "14.3927267228657234");
}
BENCHMARK(ForHarmonic)->Unit(benchmark::kMillisecond);

// A condition evaluated every iteration.
void WhileCondition(benchmark::State& state)
{
    runLoop(state, "i:=0; while i<1000000 do i:=i+1; i", "1000000");
}
BENCHMARK(WhileCondition)->Unit(benchmark::kMillisecond);

// A user-defined function called every iteration: argument scan, binding and body.
void UserFunctionCall(benchmark::State& state)
{
    runLoop(state, "f(x):=x*x+1; s:=0; for i:=1 to 1000000 do s:=s+f(i); s", "333333833334500000");
}
BENCHMARK(UserFunctionCall)->Unit(benchmark::kMillisecond);

} // namespace
