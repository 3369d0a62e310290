// A key on the biggest sheets the text calculator opens, as the user presses it: the key event
// to the sheet, then everything the window does with it up to the idle event loop (the repaint
// of the offscreen window). The sheets: the most lines it opens (200,000 short program lines),
// and the most lines of 118 characters without a blank in the input font (Times New Roman 30),
// which Qt lays out about four screen lines each. Each sheet is opened through the open action
// and laid out whole first, as the window does while it idles after opening.
#include "textcalc/sheet/files/rtf_reader.h"
#include "textcalc/sheet/files/rtf_writer.h"
#include "textcalc/windows/utextm.h"

#include "platform/headless/headless_services.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using namespace textcalc::sheet;

const CharFormat Input{"Times New Roman", 30, {}, false, false, false};
const CharFormat Small{"Courier New", 10, {}, false, false, false};

SheetContent sheetOf(int lines, const std::string& text, const CharFormat& format)
{
    SheetContent content;
    content.paragraphs.assign(size_t(lines), Paragraph{Alignment::Left, {{text, format}}, format});
    return content;
}

class Window {
public:
    Window() : m_dir(std::filesystem::temp_directory_path() / ("zolt-key-bench-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(m_dir / "sheets");
        m_window = std::make_unique<textcalc::TTextm>(m_services, m_settings, platform::DataFolders::portable(m_dir));
        m_window->applySettings();
        m_window->resize(900, 700);
        m_window->show();
        QApplication::processEvents();
    }
    ~Window()
    {
        m_window.reset();
        std::filesystem::remove_all(m_dir);
    }
    // True when the window opened the sheet; with `laidOut` the whole sheet is then laid out.
    bool open(const SheetContent& content, bool laidOut = true)
    {
        const auto file = m_dir / "sheets" / "big.rtf";
        std::ofstream(file, std::ios::binary) << writeRtf(content);
        m_window->fileDialog = [&](bool) { return std::optional(QString::fromStdString(file.string())); };
        m_window->AOpen->trigger();
        QTextDocument* document = m_window->kalkul->document();
        if (document->blockCount() != int(content.paragraphs.size()))
            return false;
        if (laidOut)
            document->documentLayout()->blockBoundingRect(document->lastBlock());
        QApplication::processEvents();
        m_window->kalkul->setFocus();
        return true;
    }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {})
    {
        QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(m_window->kalkul, &down);
        QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(m_window->kalkul, &up);
        QApplication::processEvents();
    }
    textcalc::TTextm& window() { return *m_window; }

private:
    std::filesystem::path m_dir;
    platform::HeadlessServices m_services;
    settings::Settings m_settings;
    std::unique_ptr<textcalc::TTextm> m_window;
};

// The most lines of `text` in `format` the window opens, to a step of `step`.
int mostLinesOpened(Window& w, const std::string& text, const CharFormat& format, int from, int step)
{
    for (int lines = from; lines > step; lines -= step)
        if (w.open(sheetOf(lines, text, format)))
            return lines;
    return 0;
}

void keys(benchmark::State& state, Window& w, int lines)
{
    state.counters["lines"] = lines;
    for (auto _ : state) {
        w.press(Qt::Key_End, Qt::ControlModifier);
        w.press(Qt::Key_X, Qt::NoModifier, "x");
        w.press(Qt::Key_Backspace);
        w.press(Qt::Key_Home, Qt::ControlModifier);
        w.press(Qt::Key_X, Qt::NoModifier, "x");
        w.press(Qt::Key_Backspace);
    }
    state.SetItemsProcessed(state.iterations() * 6);
    state.SetLabel("per iteration: Ctrl+End, x, Backspace, Ctrl+Home, x, Backspace");
}

void KeysOnTheMostLines(benchmark::State& state)
{
    Window w;
    const int lines = MaxSheetLines;
    if (!w.open(sheetOf(lines, "x:=x+1; y:=sin(x)/7", Small))) {
        state.SkipWithError("the sheet did not open");
        return;
    }
    keys(state, w, lines);
}
BENCHMARK(KeysOnTheMostLines)->Unit(benchmark::kMillisecond)->Iterations(5);

void KeysOnTheMostLongLines(benchmark::State& state)
{
    Window w;
    const int lines = mostLinesOpened(w, std::string(118, 'a'), Input, 90000, 5000);
    if (lines == 0) {
        state.SkipWithError("no sheet opened");
        return;
    }
    keys(state, w, lines);
}
BENCHMARK(KeysOnTheMostLongLines)->Unit(benchmark::kMillisecond)->Iterations(5);

// Ctrl+End at once after the open, before the window has laid the sheet out while idle: the
// key waits for the layout of every line.
void CtrlEndRightAfterOpening(benchmark::State& state)
{
    Window w;
    const int lines = mostLinesOpened(w, std::string(118, 'a'), Input, 90000, 5000);
    state.counters["lines"] = lines;
    for (auto _ : state) {
        state.PauseTiming();
        w.window().anewExecute();
        const bool opened = w.open(sheetOf(lines, std::string(118, 'a'), Input), false);
        state.ResumeTiming();
        if (!opened) {
            state.SkipWithError("the sheet did not open");
            return;
        }
        w.press(Qt::Key_End, Qt::ControlModifier);
    }
}
BENCHMARK(CtrlEndRightAfterOpening)->Unit(benchmark::kMillisecond)->Iterations(3);

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
