// zoltcalc-cli run: runs a text calculator program and prints its output lines.
#include "cli/command.h"
#include "cli/lines.h"
#include "cli/run_picture.h"
#include "cli/run_services.h"

#include "platform/utf8.h"
#include "textcalc/calculator.h"
#include "textcalc/textfile_io.h"

#include <iostream>
#include <unistd.h>

namespace {

int runProgram(cli::Args& args)
{
    const bool echo = args.takeFlag("echo");
    const bool byLines = args.takeFlag("lines");
    cli::RunServices services(args.decimalSeparator());
    textcalc::Calculator calc(services);
    cli::takeRunOptions(args, calc);
    std::string picturePath;
    const bool hasPicture = args.takeOption("picture", picturePath);
    const std::vector<std::string> positionals = args.positionals();

    std::string source;
    if (positionals.size() == 2 && positionals[0] == "-e")
        source = positionals[1];
    else if (positionals.size() == 1 && positionals[0] != "-e")
        // Sheets and programs saved on older systems are Windows-1250.
        source = platform::toUtf8FromLegacy(cli::readInput(positionals[0]));
    else
        throw cli::UsageError("give one of FILE, - or -e TEXT");

    calc.EchoOutputs = echo;
    std::unique_ptr<textcalc::PictureAccess> picture = cli::openRunPicture();
    if (hasPicture && !picture)
        throw cli::UsageError("--picture: this build has no picture");
    calc.picture = picture.get();
    calc.showTime = [](const std::string& text) { std::cerr << "status:" << text << std::endl; };

    std::vector<std::string> programs;
    const std::vector<std::string> lines = cli::splitLines(source);
    if (byLines) {
        programs = lines;
    } else {
        std::string joined;
        for (size_t k = 0; k < lines.size(); ++k)
            joined += (k ? " " : "") + lines[k];
        programs.push_back(joined);
    }

    std::string last;
    for (const std::string& program : programs) {
        if (program.empty() || program == " ")
            continue;
        calc.run(program);
        for (const std::string& line : calc.Outputs)
            std::cout << line << "\n";
        std::cout.flush();
        last = calc.Outputs.back();
    }
    // Files the program left open for writing get their contents now.
    textcalc::textfiles::completeTextFiles(calc.TextFiles);
    if (hasPicture)
        cli::saveRunPicture(*picture, picturePath);
    const bool failed = last.rfind("Error. ", 0) == 0 || last == "Execution terminated by \" Break \" statement.";
    return failed ? 1 : 0;
}

cli::Registrar reg{{"run", "run [--echo] [--digits N] [--dir DIR] [--picture FILE] [--lines] (FILE | - | -e TEXT)",
                    &runProgram,
                    {"run a text calculator program",
                     "Runs a program of the text calculator from FILE, standard input (-) or TEXT and prints\n"
                     "its output lines as the sheet gets them. The lines are one run, joined with blanks,\n"
                     "unless --lines runs each on its own. Message boxes go to standard error; GetNum and\n"
                     "questions read standard input. Exits 1 when the last line is an error line.",
                     {{"-e TEXT", "run TEXT instead of a file"},
                      {"--echo", "start with report lines on"},
                      {"--digits N", "output precision, 1 to 18 (default 18)"},
                      {"--dir DIR", "folder whose textfiles folder holds the program's text files"},
                      {"--picture FILE", "save the picture afterwards (BMP, PNG or JPEG by extension)"},
                      {"--lines", "run every line on its own, keeping the variables"}},
                     "zoltcalc-cli run -e \"x:=1/3; x+1\"\n"
                     "printf 'r:=2\\npi*r^2\\n' | zoltcalc-cli run --lines --digits 6 -"}}};

} // namespace
