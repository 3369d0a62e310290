#pragma once
// zoltcalc-cli subcommands. Each cmd_*.cpp registers one with a static Registrar; main()
// dispatches on the first argument. Subcommands never initialise Qt unless they draw.
#include <stdexcept>
#include <string>
#include <vector>

namespace cli {

// Thrown for malformed command lines: main() prints the command's usage line and exits 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The arguments after the subcommand name, with the option every subcommand shares.
class Args {
public:
    explicit Args(std::vector<std::string> args);

    // Removes "--name VALUE" (or "--name=VALUE") and returns VALUE; empty optional when absent.
    bool takeOption(const std::string& name, std::string& value);
    // Removes the flag "--name"; true when it was given.
    bool takeFlag(const std::string& name);
    // The `--decimal-separator C` option, else the locale's separator.
    char decimalSeparator() const { return m_decimalSeparator; }
    // What is left once the options are taken; an unknown "--option" left here is a usage error.
    std::vector<std::string> positionals() const;

private:
    std::vector<std::string> m_args;
    char m_decimalSeparator;
};

struct Command {
    const char* name;
    const char* usage; // the text after "zoltcalc-cli "
    int (*run)(Args& args);
};

const std::vector<Command>& commands();

struct Registrar {
    explicit Registrar(Command command);
};

} // namespace cli
