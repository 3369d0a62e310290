// The window's side of a sheet of 10,000 lines: opening an RTF file into Qt's rich text (read
// and load), saving it (read back and write), and runs writing 100 output lines into the middle
// of it through the Qt document adapter, inserting them and replacing them.
#include "big_sheet.h"

#include "textcalc/language/calculator.h"
#include "textcalc/sheet/calcul.h"
#include "textcalc/sheet/qt/qt_content.h"
#include "textcalc/sheet/qt/qt_document.h"
#include "textcalc/sheet/files/rtf_reader.h"
#include "textcalc/sheet/files/rtf_writer.h"

#include "platform/headless/headless_services.h"

#include <QTextDocument>

#include <benchmark/benchmark.h>

namespace {

using namespace sheet_bench;

void QtOpenRtf(benchmark::State& state)
{
    const std::string rtf = writeRtf(bigSheet());
    QTextDocument document;
    for (auto _ : state)
        loadContent(document, readRtf(rtf));
}
BENCHMARK(QtOpenRtf)->Unit(benchmark::kMillisecond);

void QtSaveRtf(benchmark::State& state)
{
    QTextDocument document;
    loadContent(document, bigSheet());
    for (auto _ : state)
        benchmark::DoNotOptimize(writeRtf(contentOf(document)));
}
BENCHMARK(QtSaveRtf)->Unit(benchmark::kMillisecond);

SheetContent sheetWithLoop()
{
    SheetContent content = bigSheet();
    content.paragraphs[Middle] = {Alignment::Left, {{HundredOutputs, Input}}, Input};
    return content;
}

void QtRunInsertingHundredOutputs(benchmark::State& state)
{
    platform::HeadlessServices services;
    textcalc::Calculator calc(services);
    const SheetContent content = sheetWithLoop();
    QTextDocument document;
    for (auto _ : state) {
        state.PauseTiming();
        loadContent(document, content);
        QtDocument doc(document);
        doc.setCaret({Middle, 0});
        state.ResumeTiming();
        Calcul(doc, calc, RunMode::Line, Output, false);
        if (doc.lineCount() != Lines + 99) {
            state.SkipWithError("unexpected line count");
            return;
        }
    }
}
BENCHMARK(QtRunInsertingHundredOutputs)->Unit(benchmark::kMillisecond);

void QtRunReplacingHundredOutputs(benchmark::State& state)
{
    platform::HeadlessServices services;
    textcalc::Calculator calc(services);
    QTextDocument document;
    loadContent(document, sheetWithLoop());
    QtDocument doc(document);
    doc.setCaret({Middle, 0});
    Calcul(doc, calc, RunMode::Line, Output, false);
    for (auto _ : state)
        Calcul(doc, calc, RunMode::Line, Output, false);
    if (doc.lineCount() != Lines + 99)
        state.SkipWithError("unexpected line count");
}
BENCHMARK(QtRunReplacingHundredOutputs)->Unit(benchmark::kMillisecond);

} // namespace
