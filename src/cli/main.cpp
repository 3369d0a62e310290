#include "command.h"

#include "platform/services.h"

#include <algorithm>
#include <iostream>

namespace cli {

namespace {
std::vector<Command>& registry()
{
    static std::vector<Command> list;
    return list;
}
} // namespace

const std::vector<Command>& commands() { return registry(); }

Registrar::Registrar(Command command) { registry().push_back(command); }

Args::Args(std::vector<std::string> args) : m_args(std::move(args)), m_decimalSeparator(platform::localeDecimalSeparator())
{
    std::string sep;
    if (takeOption("decimal-separator", sep)) {
        if (sep.size() != 1)
            throw UsageError("--decimal-separator takes one character");
        m_decimalSeparator = sep[0];
    }
}

bool Args::takeOption(const std::string& name, std::string& value)
{
    const std::string flag = "--" + name;
    for (size_t i = 0; i < m_args.size(); ++i) {
        if (m_args[i] == "--")
            break;
        if (m_args[i] == flag) {
            if (i + 1 >= m_args.size())
                throw UsageError(flag + " needs a value");
            value = m_args[i + 1];
            m_args.erase(m_args.begin() + static_cast<long>(i), m_args.begin() + static_cast<long>(i) + 2);
            return true;
        }
        if (m_args[i].rfind(flag + "=", 0) == 0) {
            value = m_args[i].substr(flag.size() + 1);
            m_args.erase(m_args.begin() + static_cast<long>(i));
            return true;
        }
    }
    return false;
}

bool Args::takeFlag(const std::string& name)
{
    const std::string flag = "--" + name;
    for (size_t i = 0; i < m_args.size(); ++i) {
        if (m_args[i] == "--")
            break;
        if (m_args[i] == flag) {
            m_args.erase(m_args.begin() + static_cast<long>(i));
            return true;
        }
    }
    return false;
}

std::vector<std::string> Args::positionals() const
{
    std::vector<std::string> out;
    bool afterDashes = false;
    for (const std::string& a : m_args) {
        if (!afterDashes && a == "--") {
            afterDashes = true;
            continue;
        }
        // "-" (standard input) and negative numbers are positionals; "--x" is an unknown option.
        if (!afterDashes && a.size() > 2 && a[0] == '-' && a[1] == '-')
            throw UsageError("unknown option " + a);
        out.push_back(a);
    }
    return out;
}

} // namespace cli

static void printUsage(std::ostream& out)
{
    std::vector<cli::Command> list = cli::commands();
    std::sort(list.begin(), list.end(), [](const cli::Command& a, const cli::Command& b) {
        return std::string(a.name) < b.name;
    });
    for (const cli::Command& c : list)
        out << "usage: zoltcalc-cli " << c.usage << "\n";
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        printUsage(std::cerr);
        return 2;
    }
    const std::string name = argv[1];
    for (const cli::Command& c : cli::commands()) {
        if (name != c.name)
            continue;
        try {
            cli::Args args(std::vector<std::string>(argv + 2, argv + argc));
            return c.run(args);
        } catch (const cli::UsageError& e) {
            std::cerr << "zoltcalc-cli " << c.name << ": " << e.what() << "\n";
            std::cerr << "usage: zoltcalc-cli " << c.usage << "\n";
            return 2;
        }
    }
    std::cerr << "zoltcalc-cli: unknown command " << name << "\n";
    printUsage(std::cerr);
    return 2;
}
