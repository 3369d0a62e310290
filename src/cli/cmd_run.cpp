// zoltcalc-cli run: runs a text calculator program and prints its output lines.
#include "cli/command.h"
#include "cli/run_picture.h"

#include "platform/data_folders.h"
#include "platform/utf8.h"
#include "textcalc/calculator.h"
#include "textcalc/textfile_io.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <unistd.h>

namespace {

const char* const OutputsQuestion = "The number of outputs reached 100. Add further outputs?";

// Message boxes go to stderr; input boxes and questions read standard input.
class RunServices : public platform::Services {
public:
    explicit RunServices(char separator) : m_separator(separator) {}

    void beep() override {}
    platform::Answer message(platform::MessageKind, const std::string& text, platform::Buttons buttons,
                             const std::string&) override
    {
        std::cout.flush();
        std::cerr << "message: " << text << std::endl;
        if (buttons == platform::Buttons::Ok || buttons == platform::Buttons::OkCancel)
            return platform::Answer::Ok;
        if (text == OutputsQuestion)
            return platform::Answer::Yes;
        std::string line;
        if (!std::getline(std::cin, line))
            return platform::Answer::No;
        const size_t first = line.find_first_not_of(" \t");
        return first != std::string::npos && (line[first] == 'y' || line[first] == 'Y') ? platform::Answer::Yes
                                                                                         : platform::Answer::No;
    }
    std::optional<std::string> inputBox(const std::string&, const std::string&, const std::string&) override
    {
        std::string line;
        if (!std::getline(std::cin, line))
            return std::string("0");
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        return line;
    }
    std::string clipboardText() override { return m_clipboard; }
    void setClipboardText(const std::string& text) override { m_clipboard = text; }
    bool openDocument(const std::filesystem::path&) override { return false; }
    std::chrono::system_clock::time_point now() override { return std::chrono::system_clock::now(); }
    char decimalSeparator() const override { return m_separator; }

private:
    char m_separator;
    std::string m_clipboard;
};

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::filesystem::path executableDirectory()
{
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : exe.parent_path();
}

int runProgram(cli::Args& args)
{
    const bool echo = args.takeFlag("echo");
    const bool byLines = args.takeFlag("lines");
    std::string digits, directory, picturePath;
    const bool hasDigits = args.takeOption("digits", digits);
    const bool hasDirectory = args.takeOption("dir", directory);
    const bool hasPicture = args.takeOption("picture", picturePath);
    const std::vector<std::string> positionals = args.positionals();

    std::string source;
    if (positionals.size() == 2 && positionals[0] == "-e") {
        source = positionals[1];
    } else if (positionals.size() == 1 && positionals[0] == "-") {
        std::ostringstream all;
        all << std::cin.rdbuf();
        source = platform::toUtf8FromLegacy(all.str());
    } else if (positionals.size() == 1 && positionals[0] != "-e") {
        std::ifstream file(positionals[0], std::ios::binary);
        if (!file)
            throw cli::UsageError("cannot read " + positionals[0]);
        std::ostringstream all;
        all << file.rdbuf();
        // Sheets and programs saved on older systems are Windows-1250.
        source = platform::toUtf8FromLegacy(all.str());
    } else {
        throw cli::UsageError("give one of FILE, - or -e TEXT");
    }

    RunServices services(args.decimalSeparator());
    textcalc::Calculator calc(services);
    if (hasDigits) {
        char* end = nullptr;
        const long n = std::strtol(digits.c_str(), &end, 10);
        if (digits.empty() || *end != '\0' || n < 1 || n > 18)
            throw cli::UsageError("--digits takes a number from 1 to 18");
        calc.Precision = static_cast<int>(n);
    }
    // Without --dir, text files are where the program's are: beside the executable, or in the
    // user's data folder when an installed program directory cannot be written.
    calc.programDirectory = hasDirectory ? std::filesystem::path(directory)
                                         : platform::locateDataFolders(executableDirectory(),
                                                                       platform::UserFolders::fromEnvironment())
                                               .data;
    calc.EchoOutputs = echo;
    std::unique_ptr<textcalc::PictureAccess> picture = cli::openRunPicture();
    if (hasPicture && !picture)
        throw cli::UsageError("--picture: this build has no picture");
    calc.picture = picture.get();
    calc.showTime = [](const std::string& text) { std::cerr << "status:" << text << std::endl; };

    std::vector<std::string> programs;
    const std::vector<std::string> lines = splitLines(source);
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
