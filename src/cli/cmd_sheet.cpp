// zoltcalc-cli sheet: runs a sheet file top to bottom as a user would, writes the resulting
// sheet and prints it.
#include "cli/command.h"
#include "cli/lines.h"
#include "cli/run_picture.h"
#include "cli/run_services.h"
#include "cli/run_source.h"
#include "cli/run_stop.h"
#include "cli/subcommands.h"

#include "platform/errors.h"
#include "textcalc/language/calculator.h"
#include "textcalc/sheet/calcul.h"
#include "textcalc/sheet/plain_document.h"
#include "textcalc/sheet/files/rtf_reader.h"
#include "textcalc/sheet/files/sheet_file.h"
#include "textcalc/language/textfile_io.h"

#include <iostream>

namespace {

using namespace textcalc::sheet;

// The window's fonts before settings.ini changes them: program lines of a plain-text sheet,
// and the outputs.
const CharFormat InputFont{"Times New Roman", 30, {}, false, false, false};
const CharFormat OutputFont{"Times New Roman", 10, textcalc::Colour{0, 0, 255}, false, false, false};

bool isBlank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

// Runs every group of program lines once (every program line with byLine), each as F10 (F9)
// with the caret on its last line; groups of nothing but blanks are left as they are, as a
// user would not run them. True when any run ended with an error line. A stop asked for ends
// the sheet: the run under way writes the stopped line as its outputs, and so does the next
// program when the stop came between two runs.
bool runSheet(Document& doc, textcalc::Calculator& calc, bool byLine)
{
    const RunMode mode = byLine ? RunMode::Line : RunMode::Group;
    bool failed = false;
    int line = 0;
    while (line < doc.lineCount()) {
        if (isOutputAlignment(doc.alignment(line))) {
            ++line;
            continue;
        }
        int last = line;
        bool blank = isBlank(doc.lineText(line));
        while (!byLine && last + 1 < doc.lineCount() && !isOutputAlignment(doc.alignment(last + 1))) {
            ++last;
            blank = blank && isBlank(doc.lineText(last));
        }
        if (blank) {
            line = last + 1;
            continue;
        }
        doc.setCaret({last, 0});
        if (cli::stopAsked(calc)) {
            if (const std::optional<RunPlan> plan = findProgram(doc, mode))
                writeOutputs(doc, *plan, {calc.settings.stoppedLine}, OutputFont, true);
            return true;
        }
        const CalculResult result = Calcul(doc, calc, mode, OutputFont, true);
        failed = failed || result.endedWithError;
        if (result.ran && cli::lastRunStopped(calc))
            return true;
        // The caret stands on the line after the outputs (the last output when they end the sheet).
        line = std::max(doc.caret().line, last + 1);
    }
    return failed;
}

void printSheet(const Document& doc)
{
    for (int k = 0; k < doc.lineCount(); ++k)
        std::cout << (isOutputAlignment(doc.alignment(k)) ? "> " : "") << doc.lineText(k) << "\n";
}

} // namespace

namespace cli {

int runSheetFile(Args& args)
{
    const bool byLine = args.takeFlag("line");
    RunServices services(args.decimalSeparator());
    textcalc::Calculator calc(services);
    takeRunOptions(args, calc);
    RunStop stop(args);
    std::string file, out;
    const std::vector<std::string> positionals = args.positionals();
    for (size_t k = 0; k < positionals.size(); ++k) {
        if (positionals[k] == "-o" && k + 1 < positionals.size() && out.empty())
            out = positionals[++k];
        else if (file.empty() && positionals[k] != "-o")
            file = positionals[k];
        else
            throw UsageError("give one FILE and at most one -o OUT");
    }
    if (file.empty())
        throw UsageError("give one FILE");

    // The time counts from here: a file that never ends (a FIFO nobody writes) is stopped too.
    stop.start();
    SheetContent content;
    try {
        content = file == "-" ? readSheet(readInput(file), InputFont) : loadSheet(file, InputFont);
    } catch (const TooManyLines&) {
        throw FileError("the sheet on standard input is too large");
    } catch (const std::runtime_error& e) {
        // A read the stop interrupted is a stopped run, not a file that cannot be read.
        if (stop.stopRequested()) {
            std::cout << calc.settings.stoppedLine << "\n";
            return 1;
        }
        throw FileError(e.what());
    }
    PlainDocument doc(std::move(content));
    calc.settings.EchoOutputs = false;
    const std::unique_ptr<textcalc::PictureAccess> picture = openRunPicture();
    calc.callbacks.picture = picture.get();
    calc.callbacks.showTime = [](const std::string& text) { std::cerr << "status:" << text << std::endl; };
    calc.callbacks.stopRequested = [&stop] { return stop.stopRequested(); };

    const bool failed = runSheet(doc, calc, byLine);
    textcalc::textfiles::completeTextFiles(calc.TextFiles);
    printSheet(doc);
    if (!out.empty()) {
        try {
            saveSheet(out, doc.content());
        } catch (const platform::UserError& e) {
            std::cerr << e.what() << "\n";
            return 1;
        }
    }
    return failed ? 1 : 0;
}

} // namespace cli
