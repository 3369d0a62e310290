#include "cli/command.h"

#include "platform/services.h"

namespace cli {

Args::Args(std::vector<std::string> args) : m_args(std::move(args)), m_decimalSeparator(platform::localeDecimalSeparator())
{
    std::string sep;
    if (takeOption("decimal-separator", sep)) {
        if (sep.size() != 1)
            throw UsageError("--decimal-separator takes one character");
        m_decimalSeparator = sep[0];
    }
}

// The index of the first "--name" or "--name=VALUE" before "--", else the size.
size_t Args::find(const std::string& flag) const
{
    for (size_t i = 0; i < m_args.size(); ++i) {
        if (m_args[i] == "--")
            break;
        if (m_args[i] == flag || m_args[i].rfind(flag + "=", 0) == 0)
            return i;
    }
    return m_args.size();
}

// Removes the option at i and returns its value.
std::string Args::takeAt(size_t i, const std::string& flag, bool withValue)
{
    const auto at = m_args.begin() + static_cast<long>(i);
    if (m_args[i] != flag) {
        if (!withValue)
            throw UsageError(flag + " takes no value");
        std::string value = m_args[i].substr(flag.size() + 1);
        m_args.erase(at);
        return value;
    }
    if (!withValue) {
        m_args.erase(at);
        return {};
    }
    if (i + 1 >= m_args.size())
        throw UsageError(flag + " needs a value");
    std::string value = m_args[i + 1];
    m_args.erase(at, at + 2);
    return value;
}

bool Args::takeOption(const std::string& name, std::string& value)
{
    const std::string flag = "--" + name;
    const size_t i = find(flag);
    if (i == m_args.size())
        return false;
    value = takeAt(i, flag, true);
    if (find(flag) != m_args.size())
        throw UsageError(flag + " given twice");
    return true;
}

std::vector<std::string> Args::takeOptions(const std::string& name)
{
    const std::string flag = "--" + name;
    std::vector<std::string> values;
    for (size_t i = find(flag); i != m_args.size(); i = find(flag))
        values.push_back(takeAt(i, flag, true));
    return values;
}

bool Args::takeFlag(const std::string& name)
{
    const std::string flag = "--" + name;
    const size_t i = find(flag);
    if (i == m_args.size())
        return false;
    takeAt(i, flag, false);
    if (find(flag) != m_args.size())
        throw UsageError(flag + " given twice");
    return true;
}

std::vector<std::string> Args::positionals() const
{
    std::vector<std::string> out;
    bool afterDashes = false;
    for (size_t i = 0; i < m_args.size(); ++i) {
        const std::string& a = m_args[i];
        if (!afterDashes && a == "--") {
            afterDashes = true;
            continue;
        }
        // "-" (standard input) and negative numbers are positionals; "--x" is an unknown option,
        // except as the TEXT of "-e" (a program may start with "--").
        const bool text = i > 0 && m_args[i - 1] == "-e";
        if (!afterDashes && !text && a.size() > 2 && a[0] == '-' && a[1] == '-')
            throw UsageError("unknown option " + a);
        out.push_back(a);
    }
    return out;
}

} // namespace cli
