// Macro formulas are evaluated on every click and for every result of the macro window; the
// menu is built once at start-up from the shipped files.
#include "macros/evaluator.h"
#include "macros/menu_model.h"

#include <benchmark/benchmark.h>

namespace {

const macros::Registers inputs{1.0L, -3.0L, 2.0L, 0.0L, 0.0L, 0.0L};

void evalFormula(benchmark::State& state, const std::string& formula)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(macros::eval(formula, inputs));
}

void BM_QuadraticRoot(benchmark::State& state)
{
    evalFormula(state, "(-x2+sqrt(x2^2-4*x1*x3))/(2*x1)");
}
BENCHMARK(BM_QuadraticRoot);

void BM_Conversion(benchmark::State& state) { evalFormula(state, "x*9/5+32"); }
BENCHMARK(BM_Conversion);

// Nesting as deep as the evaluator allows: one recursion per bracket.
void BM_DeepBrackets(benchmark::State& state)
{
    evalFormula(state, std::string(256, '(') + "1" + std::string(256, ')'));
}
BENCHMARK(BM_DeepBrackets);

// A long formula: 1000 terms.
void BM_LongSum(benchmark::State& state)
{
    std::string formula = "1";
    for (int i = 0; i < 1000; ++i)
        formula += "+sin(x)*2^0.5";
    evalFormula(state, formula);
}
BENCHMARK(BM_LongSum);

// An integral exponent costs one multiplication per unit: the time grows with the exponent
// (the largest, 2147483647, takes seconds for a base just above 1).
void BM_IntegralPower(benchmark::State& state)
{
    evalFormula(state, "1.0000001^" + std::to_string(state.range(0)));
}
BENCHMARK(BM_IntegralPower)->RangeMultiplier(100)->Range(100, 1000000)->Unit(benchmark::kMicrosecond);

void BM_ShippedMenu(benchmark::State& state)
{
    const std::filesystem::path data = ZOLT_DATA_DIR;
    for (auto _ : state) {
        platform::IniFile tree(data / "macro_tree.ini");
        platform::IniFile engine(data / "macro_engine.ini");
        benchmark::DoNotOptimize(macros::buildMenu(tree, engine, data / "macropics"));
    }
}
BENCHMARK(BM_ShippedMenu)->Unit(benchmark::kMicrosecond);

} // namespace
