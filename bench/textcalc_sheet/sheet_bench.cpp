// Sheet files and runs on a sheet of 10,000 lines in memory: opening and saving as RTF and as
// plain text, and a run writing 100 output lines into the middle. Times per operation; the
// window's side (Qt rich text) is in qt_sheet_bench.cpp.
#include "big_sheet.h"

#include "textcalc/language/calculator.h"
#include "textcalc/sheet/calcul.h"
#include "textcalc/sheet/plain_document.h"
#include "textcalc/sheet/files/plain_text.h"
#include "textcalc/sheet/files/rtf_reader.h"
#include "textcalc/sheet/files/rtf_writer.h"

#include "platform/headless/headless_services.h"

#include <benchmark/benchmark.h>

#ifdef ZOLT_SHEET_QT
#include <QGuiApplication>
#endif

namespace {

using namespace sheet_bench;

void SaveRtf(benchmark::State& state)
{
    const SheetContent content = bigSheet();
    for (auto _ : state)
        benchmark::DoNotOptimize(writeRtf(content));
}
BENCHMARK(SaveRtf)->Unit(benchmark::kMillisecond);

void OpenRtf(benchmark::State& state)
{
    const std::string rtf = writeRtf(bigSheet());
    for (auto _ : state)
        benchmark::DoNotOptimize(readRtf(rtf));
    state.counters["MB/s"] = benchmark::Counter(static_cast<double>(rtf.size()) * state.iterations() / 1e6,
                                                benchmark::Counter::kIsRate);
}
BENCHMARK(OpenRtf)->Unit(benchmark::kMillisecond);

void SavePlainText(benchmark::State& state)
{
    const SheetContent content = bigSheet();
    for (auto _ : state)
        benchmark::DoNotOptimize(writePlainText(content));
}
BENCHMARK(SavePlainText)->Unit(benchmark::kMillisecond);

void OpenPlainText(benchmark::State& state)
{
    const std::string text = writePlainText(bigSheet());
    for (auto _ : state)
        benchmark::DoNotOptimize(readPlainText(text, Input));
}
BENCHMARK(OpenPlainText)->Unit(benchmark::kMillisecond);

// The first run inserts 100 lines; running again replaces them.
void RunHundredOutputsInMemory(benchmark::State& state)
{
    platform::HeadlessServices services;
    textcalc::Calculator calc(services);
    SheetContent content = bigSheet();
    content.paragraphs[Middle] = {Alignment::Left, {{HundredOutputs, Input}}, Input};
    for (auto _ : state) {
        state.PauseTiming();
        PlainDocument doc(content);
        doc.setCaret({Middle, 0});
        state.ResumeTiming();
        Calcul(doc, calc, RunMode::Line, Output, true);
        if (doc.lineCount() != Lines + 99) {
            state.SkipWithError("unexpected line count");
            return;
        }
    }
}
BENCHMARK(RunHundredOutputsInMemory)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
#ifdef ZOLT_SHEET_QT
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
