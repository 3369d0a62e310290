// zoltcalc-cli sheet: runs a sheet file top to bottom as a user would, writes the resulting
// sheet and prints it.
#include "cli/command.h"
#include "cli/run_picture.h"
#include "cli/run_services.h"

#include "platform/errors.h"
#include "textcalc/calculator.h"
#include "textcalc/sheet/calcul.h"
#include "textcalc/sheet/plain_document.h"
#include "textcalc/sheet/rtf_reader.h"
#include "textcalc/sheet/sheet_file.h"
#include "textcalc/textfile_io.h"

#include <iostream>
#include <sstream>

namespace {

using namespace textcalc::sheet;

// The window's fonts before settings.ini changes them: program lines of a plain-text sheet,
// and the outputs.
const CharFormat InputFont{"Times New Roman", 30, 0, false, false, false};
const CharFormat OutputFont{"Times New Roman", 10, 16711680, false, false, false};

bool isBlank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

// Runs every group of program lines once (every program line with byLine), each as F10 (F9)
// with the caret on its last line; groups of nothing but blanks are left as they are, as a
// user would not run them. True when any run ended with an error line.
bool runSheet(Document& doc, textcalc::Calculator& calc, bool byLine)
{
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
        const CalculResult result = Calcul(doc, calc, byLine ? RunMode::Line : RunMode::Group, OutputFont, true);
        failed = failed || result.endedWithError;
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

int runSheetFile(cli::Args& args)
{
    const bool byLine = args.takeFlag("line");
    cli::RunServices services(args.decimalSeparator());
    textcalc::Calculator calc(services);
    cli::takeRunOptions(args, calc);
    std::string file, out;
    const std::vector<std::string> positionals = args.positionals();
    for (size_t k = 0; k < positionals.size(); ++k) {
        if (positionals[k] == "-o" && k + 1 < positionals.size() && out.empty())
            out = positionals[++k];
        else if (file.empty() && positionals[k] != "-o")
            file = positionals[k];
        else
            throw cli::UsageError("give one FILE and at most one -o OUT");
    }
    if (file.empty())
        throw cli::UsageError("give one FILE");

    SheetContent content;
    try {
        if (file == "-") {
            std::ostringstream all;
            all << std::cin.rdbuf();
            content = readSheet(all.str(), InputFont);
        } else {
            content = loadSheet(file, InputFont);
        }
    } catch (const platform::UserError& e) {
        throw cli::UsageError(e.what());
    } catch (const TooManyLines&) {
        throw cli::UsageError("the sheet on standard input is too large");
    }
    PlainDocument doc(std::move(content));
    calc.EchoOutputs = false;
    const std::unique_ptr<textcalc::PictureAccess> picture = cli::openRunPicture();
    calc.picture = picture.get();
    calc.showTime = [](const std::string& text) { std::cerr << "status:" << text << std::endl; };

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

cli::Registrar reg{
    {"sheet", "sheet [--dir DIR] [--digits N] [--line] [-o OUT] FILE", &runSheetFile,
     {"run a sheet file as the text calculator does",
      "Runs a sheet file (RTF, or plain text; - is standard input) top to bottom as a user\n"
      "would: every group of program lines once, or every program line with --line, writing\n"
      "the outputs as centred lines below it and replacing older ones. Writes the resulting\n"
      "sheet to OUT (RTF when OUT ends in \".rtf\", else plain text) and prints it, output\n"
      "lines prefixed by \"> \". Exits 1 when any run ended with an error line.",
      {{"-o OUT", "write the resulting sheet to OUT"},
       {"--line", "run every program line on its own"},
       {"--digits N", "output precision, 1 to 18 (default 18)"},
       {"--dir DIR", "folder whose textfiles folder holds the program's text files"}},
      "printf 'x:=1/3;\\nx+1\\n' | zoltcalc-cli sheet -\n"
      "printf 'r:=2\\npi*r^2\\n' | zoltcalc-cli sheet --line --digits 6 -"}}};

} // namespace
