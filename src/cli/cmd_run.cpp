// zoltcalc-cli run: runs a text calculator program and prints its output lines.
#include "cli/command.h"
#include "cli/lines.h"
#include "cli/run_picture.h"
#include "cli/run_services.h"
#include "cli/run_source.h"
#include "cli/run_stop.h"
#include "cli/subcommands.h"

#include "platform/utf8.h"
#include "textcalc/language/calculator.h"
#include "textcalc/language/textfile_io.h"

#include <iostream>

namespace cli {

int runProgram(Args& args)
{
    const bool echo = args.takeFlag("echo");
    const bool byLines = args.takeFlag("lines");
    RunServices services(args.decimalSeparator());
    textcalc::Calculator calc(services);
    takeRunOptions(args, calc);
    RunStop stop(args);
    std::string picturePath;
    const bool hasPicture = args.takeOption("picture", picturePath);
    const std::vector<std::string> positionals = args.positionals();

    const bool fromOption = positionals.size() == 2 && positionals[0] == "-e";
    if (!fromOption && (positionals.size() != 1 || positionals[0] == "-e"))
        throw UsageError("give one of FILE, - or -e TEXT");
    // The time counts from here: a file that never ends (a FIFO nobody writes) is stopped too.
    stop.start();
    std::string source = positionals.back();
    try {
        if (!fromOption)
            // Sheets and programs saved on older systems are Windows-1250.
            source = platform::toUtf8FromLegacy(readInput(positionals[0]));
    } catch (const FileError&) {
        if (!stop.stopRequested())
            throw;
        std::cout << calc.settings.stoppedLine << std::endl;
        return 1;
    }

    calc.settings.EchoOutputs = echo;
    std::unique_ptr<textcalc::PictureAccess> picture = openRunPicture();
    if (hasPicture && !picture)
        throw UsageError("--picture: this build has no picture");
    calc.callbacks.picture = picture.get();
    calc.callbacks.showTime = [](const std::string& text) { std::cerr << "status:" << text << std::endl; };
    calc.callbacks.stopRequested = [&stop] { return stop.stopRequested(); };

    const bool failed = runSource(calc, source, byLines, [](const std::string& line) { std::cout << line << std::endl; });
    // Files the program left open for writing get their contents now.
    textcalc::textfiles::completeTextFiles(calc.TextFiles);
    if (hasPicture)
        saveRunPicture(*picture, picturePath);
    return failed ? 1 : 0;
}

} // namespace cli
