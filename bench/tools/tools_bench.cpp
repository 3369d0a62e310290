// Throughput of the tool engines at the sizes a user reaches: a pasted column of many
// observations, the largest linear system, a long base conversion.
#include "platform/headless/headless_services.h"
#include "tools/baseconversion.h"
#include "tools/linearsystem.h"
#include "tools/statistics.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// Import and describe a column pasted from the clipboard: text splitting, cell parsing, moments.
void BM_StatisticsImportAndDescribe(benchmark::State& state)
{
    platform::HeadlessServices services('.');
    std::string clipboard;
    for (int i = 0; i < state.range(0); ++i)
        clipboard += std::to_string(i % 997) + "." + std::to_string(i % 89) + "\n";
    services.clipboard = clipboard;
    for (auto _ : state) {
        tools::Statistics stat(services);
        stat.import(tools::Column::X);
        benchmark::DoNotOptimize(stat.VypButClick());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_StatisticsImportAndDescribe)->Arg(1000)->Arg(100000);

void BM_SolveEightEquations(benchmark::State& state)
{
    platform::HeadlessServices services('.');
    tools::LinearSystem system(services);
    system.pocetChange(8);
    for (int i = 0; i < 8; ++i) {
        for (int j = 0; j < 8; ++j)
            system.aaa[i][j] = std::to_string(i == j ? 20 + i : (i * 7 + j * 3) % 11 - 5);
        system.bbb[i] = std::to_string(i + 1);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(system.VyrButClick());
}
BENCHMARK(BM_SolveEightEquations);

void BM_ConvertLongestNumber(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(tools::convertBase("7FFFFFFFFFFFFFFF,FFF", "16", "2", 15));
}
BENCHMARK(BM_ConvertLongestNumber);

} // namespace
