// The keypad's costly paths: formatting a value for the display, a typed calculation, and the
// factorisation of the largest prime it accepts (the longest trial division).
#include "keypad/engine.h"
#include "keypad/keypad_math.h"
#include "keypad/number_format.h"
#include "platform/headless/headless_services.h"

#include <benchmark/benchmark.h>

namespace {

void formatDecimal(benchmark::State& state)
{
    keypad::NumberFormat format;
    format.separator = " ";
    long double v = 2.0L / 3.0L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(keypad::displayText(v, format, ','));
        v += 1.0L;
    }
}
BENCHMARK(formatDecimal);

void formatBinary(benchmark::State& state)
{
    keypad::NumberFormat format;
    format.base = 2;
    format.digits = 18;
    long double v = 1e300L;
    for (auto _ : state)
        benchmark::DoNotOptimize(keypad::displayText(v, format, '.'));
}
BENCHMARK(formatBinary);

void typedCalculation(benchmark::State& state)
{
    using keypad::Control;
    platform::HeadlessServices services(',');
    keypad::Engine engine(services);
    const Control keys[] = {Control::resetitko, Control::c1, Control::c2, Control::carka, Control::c5,
                            Control::krat, Control::leva, Control::c3, Control::plus, Control::c4,
                            Control::prava, Control::sinus, Control::rovnase};
    for (auto _ : state)
        for (Control key : keys)
            engine.press(key);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(std::size(keys)));
}
BENCHMARK(typedCalculation);

void factoriseLargestPrime(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(keypad::factorText(99999999999973LL));
}
BENCHMARK(factoriseLargestPrime)->Unit(benchmark::kMillisecond);

} // namespace
