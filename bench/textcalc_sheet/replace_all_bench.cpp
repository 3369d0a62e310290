// Replace-all on one long line with a hit every eight characters, in the in-memory sheet and
// (where Qt is built) in the window's rich text: the time grows with the line's length, not with
// its square.
#include "textcalc/sheet/find.h"
#include "textcalc/sheet/plain_document.h"
#ifdef ZOLT_SHEET_QT
#include "textcalc/sheet/qt/qt_content.h"
#include "textcalc/sheet/qt/qt_document.h"

#include <QTextDocument>
#endif

#include <benchmark/benchmark.h>

namespace {

using namespace textcalc::sheet;

SheetContent longLine(int64_t bytes)
{
    std::string line;
    while (static_cast<int64_t>(line.size()) < bytes)
        line += "x:=Ab; ";
    return {{Paragraph{Alignment::Left, {{line, CharFormat{}}}, CharFormat{}}}};
}

void ReplaceAllPlain(benchmark::State& state)
{
    const SheetContent content = longLine(state.range(0));
    for (auto _ : state) {
        PlainDocument doc(content);
        benchmark::DoNotOptimize(replaceAll(doc, "ab", "cde"));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ReplaceAllPlain)->Arg(32 << 10)->Arg(256 << 10)->Unit(benchmark::kMillisecond);

#ifdef ZOLT_SHEET_QT
void ReplaceAllQt(benchmark::State& state)
{
    const SheetContent content = longLine(state.range(0));
    QTextDocument document;
    for (auto _ : state) {
        state.PauseTiming();
        loadContent(document, content);
        QtDocument doc(document);
        state.ResumeTiming();
        benchmark::DoNotOptimize(replaceAll(doc, "ab", "cde"));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ReplaceAllQt)->Arg(32 << 10)->Arg(256 << 10)->Unit(benchmark::kMillisecond);
#endif

} // namespace
