// Opening a big sheet in the text calculator window as the user does: the open action with the
// file dialog answered, up to the new caption (the window is shown, offscreen), and up to the
// whole sheet laid out, which Qt finishes while the window idles. The sheet is 10,000 lines in
// 1,000 groups: eight program lines, then two centred outputs.
#include "big_sheet.h"

#include "textcalc/sheet/files/rtf_writer.h"
#include "textcalc/windows/utextm.h"

#include "platform/headless/headless_services.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextCursor>
#include <QTextEdit>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

using namespace sheet_bench;

SheetContent groupedSheet()
{
    SheetContent content;
    for (int group = 0; group < Lines / 10; ++group) {
        const std::string g = std::to_string(group);
        for (int k = 0; k < 8; ++k)
            content.paragraphs.push_back(
                {Alignment::Left, {{"a" + std::to_string(k) + ":=" + g + "/7; {součet} b:=a*2+" + g, Input}}, Input});
        for (int k = 0; k < 2; ++k)
            content.paragraphs.push_back({Alignment::Center, {{g + "/7 žluťoučký", Output}}, Output});
    }
    return content;
}

class Folder {
public:
    Folder() : m_path(std::filesystem::temp_directory_path() / ("zolt-open-bench-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(m_path / "sheets");
    }
    ~Folder() { std::filesystem::remove_all(m_path); }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// `laidOut`: the timing goes on until the last line is laid out.
void openBigSheet(benchmark::State& state, bool laidOut)
{
    Folder folder;
    const std::filesystem::path file = folder.path() / "sheets" / "big.rtf";
    std::ofstream(file, std::ios::binary) << writeRtf(groupedSheet());
    platform::HeadlessServices services;
    settings::Settings settings;
    textcalc::TTextm window(services, settings, platform::DataFolders::portable(folder.path()));
    window.applySettings();
    window.resize(700, 500);
    window.show();
    QApplication::processEvents();
    window.fileDialog = [&](bool) { return std::optional(QString::fromStdString(file.string())); };
    for (auto _ : state) {
        window.AOpen->trigger();
        QTextDocument* document = window.kalkul->document();
        if (laidOut)
            benchmark::DoNotOptimize(document->documentLayout()->blockBoundingRect(document->lastBlock()));
        state.PauseTiming();
        if (document->blockCount() != Lines || !window.windowTitle().startsWith("big - ")) {
            state.SkipWithError("the sheet did not open");
            return;
        }
        QApplication::processEvents(); // what the window does after the caption is not timed
        window.anewExecute();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void OpenBigSheetToTheCaption(benchmark::State& state) { openBigSheet(state, false); }
BENCHMARK(OpenBigSheetToTheCaption)->Unit(benchmark::kMillisecond)->MinTime(2);

void OpenBigSheetAllLaidOut(benchmark::State& state) { openBigSheet(state, true); }
BENCHMARK(OpenBigSheetAllLaidOut)->Unit(benchmark::kMillisecond)->MinTime(2);

// The recovery copy written when typing pauses: the sheet read out of the editor, written as
// RTF and made durable (two small files and the copy). What a pause in typing costs.
void RecoveryCopyOfBigSheet(benchmark::State& state)
{
    Folder folder;
    const std::filesystem::path file = folder.path() / "sheets" / "big.rtf";
    std::ofstream(file, std::ios::binary) << writeRtf(groupedSheet());
    platform::HeadlessServices services;
    settings::Settings settings;
    textcalc::TTextm window(services, settings, platform::DataFolders::portable(folder.path()));
    window.applySettings();
    window.fileDialog = [&](bool) { return std::optional(QString::fromStdString(file.string())); };
    window.AOpen->trigger();
    for (auto _ : state) {
        state.PauseTiming();
        window.kalkul->textCursor().insertText("x");
        state.ResumeTiming();
        window.writeRecovery();
    }
}
BENCHMARK(RecoveryCopyOfBigSheet)->Unit(benchmark::kMillisecond)->MinTime(2);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
