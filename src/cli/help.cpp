#include "cli/help.h"

#include "cli/program_dir.h"

#include <algorithm>
#include <iomanip>

namespace cli {

namespace {

// Every subcommand takes these; printHelp adds them to each option list.
const Option CommonOptions[] = {
    {"--decimal-separator C", "decimal separator of numbers read and printed (default: the locale's)"},
    {"--help", "print this help and exit"},
};

// Each line of `text`, indented by two blanks.
void printIndented(std::ostream& out, const std::string& text)
{
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        out << "  " << text.substr(start, end - start) << "\n";
        start = end + 1;
    }
}

} // namespace

const Command* findCommand(const std::string& name)
{
    for (const Command& c : commands())
        if (name == c.name)
            return &c;
    return nullptr;
}

// Wrapped before 80 columns at blanks outside brackets, so no option is parted from its value.
void printUsage(std::ostream& out, const Command& command)
{
    const std::string indent = "       ";
    std::string line = "usage: zoltcalc-cli";
    std::string word;
    int depth = 0;
    auto flush = [&] {
        if (line.size() + 1 + word.size() > 79 && line != indent) {
            out << line << "\n";
            line = indent;
        }
        line += (line == indent ? "" : " ") + word;
        word.clear();
    };
    for (const char* p = command.usage; *p; ++p) {
        depth += (*p == '[' || *p == '(') - (*p == ']' || *p == ')');
        if (*p == ' ' && depth == 0)
            flush();
        else
            word += *p;
    }
    flush();
    out << line << "\n";
}

void printOverview(std::ostream& out)
{
    out << "usage: zoltcalc-cli SUBCOMMAND [OPTION...] [ARGUMENT...]\n"
           "       zoltcalc-cli help SUBCOMMAND\n"
           "       zoltcalc-cli --help | --version\n\n"
           "Drives the calculators of ZOLT CALC without a display and prints what their windows\n"
           "would show.\n\n"
           "Subcommands:\n";
    for (const Command& c : commands())
        out << "  " << std::left << std::setw(8) << c.name << c.help.summary << "\n";
    out << "\nEvery subcommand takes --decimal-separator C and --help; \"zoltcalc-cli help SUBCOMMAND\"\n"
           "describes one. Usage errors exit with status 2.\n"
           "\nThe manual of the language and the calculators, in a web browser:\n"
        << "  " << (programDirectory() / "manual" / "english" / "index.html").string() << "\n"
        << "  " << (programDirectory() / "manual" / "cestina" / "index.html").string() << " (in Czech)\n";
}

void printHelp(std::ostream& out, const Command& command)
{
    const Help& help = command.help;
    printUsage(out, command);
    out << "\n" << help.description << "\n\nOptions:\n";
    std::vector<Option> options = help.options;
    options.insert(options.end(), std::begin(CommonOptions), std::end(CommonOptions));
    size_t width = 0;
    for (const Option& o : options)
        width = std::max(width, std::string(o.flags).size());
    for (const Option& o : options)
        out << "  " << std::left << std::setw(static_cast<int>(width) + 2) << o.flags << o.description << "\n";
    if (help.more)
        out << "\n" << help.more();
    out << "\nExample:\n";
    printIndented(out, help.example);
}

void printUsages(std::ostream& out)
{
    for (const Command& c : commands())
        printUsage(out, c);
    out << "usage: zoltcalc-cli help SUBCOMMAND\n"
           "usage: zoltcalc-cli --help | --version\n";
}

bool asksForHelp(const std::vector<std::string>& args)
{
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--")
            return false;
        if (args[i] == "-e")
            ++i;
        else if (args[i] == "--help")
            return true;
    }
    return false;
}

} // namespace cli
