// Numerical operators and drawing as programs run them: the body is evaluated from its text
// at every step. Instructions per step are measured with callgrind on zoltcalc-cli run (see
// the report); these give the wall time.
#include "textcalc/language/calculator.h"
#include "textcalc/picture/picture.h"

#include "platform/headless/headless_services.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void runProgram(benchmark::State& state, const std::string& program, int64_t steps)
{
    platform::HeadlessServices services;
    textcalc::Picture picture;
    textcalc::Calculator calc(services);
    calc.callbacks.picture = &picture;
    for (auto _ : state) {
        calc.run(program);
        benchmark::DoNotOptimize(calc.Outputs);
    }
    if (calc.Outputs.empty() || calc.Outputs.back().rfind("Error. ", 0) == 0)
        state.SkipWithError("the program failed");
    state.SetItemsProcessed(state.iterations() * steps);
}

// One trapezoid step of x^2 per item.
void integralOfSquare(benchmark::State& state)
{
    runProgram(state, "int(x^2, x=0..1, 0.000001)", 1000000);
}
BENCHMARK(integralOfSquare)->Unit(benchmark::kMillisecond);

// Exact fractions until the denominators overflow, then floating: one term per item.
void sumOfInverseSquares(benchmark::State& state)
{
    runProgram(state, "sum(1/n^2, n=1..1000000)", 1000000);
}
BENCHMARK(sumOfInverseSquares)->Unit(benchmark::kMillisecond);

void solveCubic(benchmark::State& state)
{
    runProgram(state, "solve(x^3-2, x=0..2)", 1);
}
BENCHMARK(solveCubic)->Unit(benchmark::kMicrosecond);

// One SetColor statement (a FOR iteration with three argument expressions) per item.
void setColorLoop(benchmark::State& state)
{
    runProgram(state, "for k:=1 to 100000 do SetColor(mod(k, 200), mod(div(k, 200), 200), k)", 100000);
}
BENCHMARK(setColorLoop)->Unit(benchmark::kMillisecond);

} // namespace
