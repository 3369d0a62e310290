// zoltcalc-cli explains itself: the overview, every subcommand's help with a working example,
// and the messages of malformed command lines.
#include "run_cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <cstdio>
#include <sys/wait.h>

#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

// The indented lines under a heading such as "Options:", without their indentation.
std::vector<std::string> section(const std::string& text, const std::string& heading)
{
    std::vector<std::string> out;
    bool inside = false;
    for (const std::string& line : lines(text)) {
        if (line == heading)
            inside = true;
        else if (line.empty() || line[0] != ' ')
            inside = false;
        else if (inside)
            out.push_back(line.substr(2));
    }
    return out;
}

std::string firstWord(const std::string& line) { return line.substr(0, line.find(' ')); }

std::vector<std::string> subcommands()
{
    std::vector<std::string> names;
    for (const std::string& line : section(test_support::runCli("--help", "2>&1").out, "Subcommands:"))
        names.push_back(firstWord(line));
    return names;
}

TEST(Help, OverviewListsTheSubcommands)
{
    const test_support::CliResult r = test_support::runCli("--help", "2>&1");
    EXPECT_EQ(r.status, 0);
    const std::vector<std::string> names = subcommands();
    for (const char* name : {"base", "keys", "linsys", "macro", "run", "sheet", "stat"})
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
    EXPECT_EQ(test_support::runCli("help", "2>&1").out, r.out);
}

// Every subcommand: both ways of asking print the same help with the usage, the options (each
// option of the usage line described once) and examples that run as printed.
TEST(Help, EverySubcommandExplainsItself)
{
    for (const std::string& name : subcommands()) {
        SCOPED_TRACE(name);
        const test_support::CliResult help = test_support::runCli("help " + name, "2>&1");
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out.rfind("usage: zoltcalc-cli " + name + " ", 0), 0u) << help.out;
        const test_support::CliResult asked = test_support::runCli(name + " --help", "2>&1");
        EXPECT_EQ(asked.status, 0);
        EXPECT_EQ(asked.out, help.out);

        const std::string usage = help.out.substr(0, help.out.find("\n\n"));
        std::set<std::string> described;
        for (const std::string& line : section(help.out, "Options:"))
            EXPECT_TRUE(described.insert(firstWord(line)).second) << "described twice: " << line;
        const std::regex option("--[a-z-]+");
        for (auto it = std::sregex_iterator(usage.begin(), usage.end(), option); it != std::sregex_iterator(); ++it)
            EXPECT_TRUE(described.count(it->str())) << it->str() << " is not described";
        EXPECT_TRUE(described.count("--help"));
        EXPECT_TRUE(described.count("--decimal-separator"));

        const std::vector<std::string> examples = section(help.out, "Example:");
        ASSERT_FALSE(examples.empty());
        for (const std::string& example : examples) {
            const size_t at = example.find("zoltcalc-cli " + name);
            ASSERT_NE(at, std::string::npos) << example;
            // Run by the shell as printed (pipes included), with the program under test.
            const std::string command = example.substr(0, at) + "'" + ZOLT_CLI + "'" +
                                        example.substr(at + std::string("zoltcalc-cli").size());
            FILE* pipe = popen((command + " >/dev/null 2>&1").c_str(), "r");
            ASSERT_NE(pipe, nullptr);
            const int status = pclose(pipe);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << example;
        }
    }
}

// The overview names the manual in each language, beside the program that prints it.
TEST(Help, OverviewNamesTheManual)
{
    const std::string overview = test_support::runCli("--help", "2>&1").out;
    const std::vector<std::string> pages = section(overview, "The manual of the language and the calculators, in a web browser:");
    ASSERT_EQ(pages.size(), 2u) << overview;
    for (const std::string& line : pages) {
        const std::filesystem::path page = firstWord(line);
        EXPECT_TRUE(std::filesystem::is_regular_file(page)) << page;
        EXPECT_EQ(page.parent_path().parent_path().parent_path(), std::filesystem::path(ZOLT_CLI).parent_path());
    }
}

// The bases the help promises are the bases the command takes.
TEST(Help, BaseTakesTheBasesItsHelpStates)
{
    const std::string help = test_support::runCli("help base", "2>&1").out;
    std::smatch range;
    ASSERT_TRUE(std::regex_search(help, range, std::regex("\\(2 to ([0-9]+)\\)"))) << help;
    const int highest = std::stoi(range[1]);
    EXPECT_EQ(test_support::runCli("base 1 10 " + std::to_string(highest), "2>&1").status, 0);
    EXPECT_EQ(test_support::runCli("base 1 10 " + std::to_string(highest + 1), "2>&1").status, 1);
    EXPECT_EQ(test_support::runCli("base 255,75 10 16", "2>&1").out, "FF,C0000\n");
}

TEST(Help, KeysListsEveryKeyName)
{
    const std::string help = test_support::runCli("help keys", "2>&1").out;
    std::vector<std::string> names;
    for (const std::string& line : section(help, "Keys:")) {
        std::istringstream words(line);
        for (std::string w; words >> w;)
            names.push_back(w);
    }
    ASSERT_EQ(names.size(), 56u);
    // Each listed name is a key the subcommand takes.
    for (const std::string& name : names)
        EXPECT_NE(test_support::runCli("keys " + name, "2>&1").status, 2) << name;
}

struct UsageCase {
    const char* name;
    const char* arguments;
    const char* message; // the first line on standard error
    const char* usage;   // the start of the second line
    int status;
};

const UsageCase kUsageCases[] = {
    {"UnknownOption", "stat --bogus -", "zoltcalc-cli stat: unknown option --bogus", "usage: zoltcalc-cli stat ", 2},
    {"OptionTwice", "keys --base 3 --base=4 c1", "zoltcalc-cli keys: --base given twice", "usage: zoltcalc-cli keys ", 2},
    {"FlagTwice", "run --echo --echo -e 1", "zoltcalc-cli run: --echo given twice", "usage: zoltcalc-cli run ", 2},
    {"SharedOptionTwice", "macro --decimal-separator , --decimal-separator . 1",
     "zoltcalc-cli macro: --decimal-separator given twice", "usage: zoltcalc-cli macro ", 2},
    {"FlagWithValue", "stat --relation=1 -", "zoltcalc-cli stat: --relation takes no value", "usage: zoltcalc-cli stat ",
     2},
    {"HelpOfUnknownSubcommand", "help nope", "zoltcalc-cli help: unknown subcommand nope",
     "usage: zoltcalc-cli help SUBCOMMAND", 2},
    {"UnknownSubcommand", "nope", "zoltcalc-cli: unknown subcommand nope", "usage: zoltcalc-cli ", 2},
};

TEST(Help, MalformedCommandLines)
{
    for (const UsageCase& c : kUsageCases) {
        SCOPED_TRACE(c.name);
        const test_support::CliResult r = test_support::runCli(c.arguments, "2>&1 >/dev/null");
        const std::vector<std::string> err = lines(r.out);
        ASSERT_GE(err.size(), 2u) << r.out;
        EXPECT_EQ(err[0], c.message);
        EXPECT_EQ(err[1].rfind(c.usage, 0), 0u) << err[1];
        EXPECT_EQ(r.status, c.status);
    }
}

// A repeatable option stays repeatable; "--help" as a program's text is the text.
TEST(Help, NotMistakenForHelpOrRepetition)
{
    EXPECT_NE(test_support::runCli("keys --memory 1=2 --memory 2=3 c0", "2>&1").out.find("M1 = 2 | M2 = 3"),
              std::string::npos);
    const test_support::CliResult text = test_support::runCli("run -e --help", "2>&1");
    EXPECT_EQ(text.out.find("usage:"), std::string::npos) << text.out;
}

TEST(Help, Version)
{
    const test_support::CliResult r = test_support::runCli("--version", "2>&1");
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(std::regex_match(r.out, std::regex("zoltcalc-cli [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << r.out;
}

} // namespace
