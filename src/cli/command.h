#pragma once
// zoltcalc-cli subcommands: what main.cpp's table holds for each (name, usage, help text,
// function), and the arguments a subcommand's function takes. main() dispatches on the first
// argument. Subcommands never initialise Qt unless they draw.
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace cli {

// Thrown for malformed command lines: main() prints the command's usage line and exits 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Thrown for a file that cannot be read or written: main() prints the message and exits 1.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The arguments after the subcommand name, with the option every subcommand shares.
class Args {
public:
    explicit Args(std::vector<std::string> args);

    // Removes "--name VALUE" (or "--name=VALUE") into `value`; false when absent. An option
    // given twice is a usage error.
    bool takeOption(const std::string& name, std::string& value);
    // Every "--name VALUE" of an option that may be repeated, in order.
    std::vector<std::string> takeOptions(const std::string& name);
    // Removes the flag "--name"; true when it was given. Given twice is a usage error.
    bool takeFlag(const std::string& name);
    // The `--decimal-separator C` option, else the locale's separator.
    char decimalSeparator() const { return m_decimalSeparator; }
    // What is left once the options are taken; an unknown "--option" left here is a usage error.
    std::vector<std::string> positionals() const;

private:
    size_t find(const std::string& flag) const;
    std::string takeAt(size_t i, const std::string& flag, bool withValue);

    std::vector<std::string> m_args;
    char m_decimalSeparator;
};

// One line of a help text's option list. The description starts in lower case: the shell
// completion reads an upper-case word after the option as the option's value.
struct Option {
    const char* flags;       // "--base B"
    const char* description; // "number base, 2 to 16 (default 10)"
};

// What `zoltcalc-cli help NAME` and `NAME --help` print besides the usage line.
struct Help {
    const char* summary = "";     // one line in the list of subcommands
    const char* description = ""; // what it does and prints, lines of at most 80 columns
    std::vector<Option> options;
    const char* example = "";     // command lines a user can paste, one a line
    std::string (*more)() = nullptr; // further sections (the key names of `keys`)
};

struct Command {
    const char* name;
    const char* usage; // the text after "zoltcalc-cli "
    Help help;
    int (*run)(Args& args);
};

// main.cpp's table, in the alphabetical order of --help.
std::span<const Command> commands();

} // namespace cli
