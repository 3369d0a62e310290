#include "cli/run_services.h"

#include "cli/program_dir.h"
#include "platform/data_folders.h"
#include "textcalc/language/calculator.h"

#include <iostream>

namespace cli {

namespace {

const char* const OutputsQuestion = "The number of outputs reached 100. Add further outputs?";

} // namespace

platform::Answer RunServices::message(platform::MessageKind, const std::string& text, platform::Buttons buttons,
                                      const std::string&)
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

std::optional<std::string> RunServices::inputBox(const std::string&, const std::string&, const std::string&)
{
    std::string line;
    if (!std::getline(std::cin, line))
        return std::string("0");
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

void takeRunOptions(Args& args, textcalc::Calculator& calc)
{
    std::string digits, directory;
    if (args.takeOption("digits", digits)) {
        char* end = nullptr;
        const long n = std::strtol(digits.c_str(), &end, 10);
        if (digits.empty() || *end != '\0' || n < 1 || n > 18)
            throw UsageError("--digits takes a number from 1 to 18");
        calc.settings.Precision = static_cast<int>(n);
    }
    // Without --dir, text files are where the program's are: beside the executable, or in the
    // user's data folder when an installed program directory cannot be written.
    calc.settings.programDirectory = args.takeOption("dir", directory)
        ? std::filesystem::path(directory)
        : platform::locateDataFolders(programDirectory(), platform::UserFolders::fromEnvironment()).data;
}

} // namespace cli
