// zoltcalc-cli keys, run as a user runs it: the output lines and the exit status.
#include "run_cli.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Both output streams: messages go to stderr, the labels to stdout.
test_support::CliResult runCli(const std::string& arguments)
{
    return test_support::runCli(arguments, "2>&1");
}

struct CliCase {
    const char* name;
    const char* arguments;
    const char* output;
};

const CliCase kCliCases[] = {
    {"Sum", "keys c2 plus c3 rovnase",
     "display: 5\nexpon: \nzavorky: \ndeg: DEG\ntrail: 2 + 3 =\nmemories: M1 | M2 | M3 | M4 | M5\n"},
    {"OpenBracketAndAngle", "keys --angle GRA leva c1 plus",
     "display: 1\nexpon: \nzavorky: ( \ndeg: GRA\ntrail: ( 1 +\nmemories: M1 | M2 | M3 | M4 | M5\n"},
    {"MessageThenLabelsAndClipboard",
     "keys --decimal-separator , --separator ' ' c1 c2 c3 c4 carka c5 rovnase ACopy c7 shift znamenko",
     "message: prvočíslo\ndisplay: 7\nexpon: \nzavorky: \ndeg: DEG\ntrail: 1234,5 = 7\n"
     "memories: M1 | M2 | M3 | M4 | M5\nclipboard: 1234,5\n"},
    {"OperationErrorResets", "keys c5 deleno c0 rovnase",
     "message: Operation error.\ndisplay: 0\nexpon: \nzavorky: \ndeg: DEG\ntrail:\n"
     "memories: M1 | M2 | M3 | M4 | M5\n"},
    {"MemoriesAndPaste", "keys --decimal-separator , --memory 2=0.5 --memory 5=-3 --clipboard 1.5e-7 APaste pmem",
     "display: 1,5\nexpon: -007\nzavorky: \ndeg: DEG\ntrail: 1,5e-7\n"
     "memories: M1 = 1,5E-7 | M2 = 0,5 | M3 | M4 | M5 = -3\n"},
    {"FormatOptions", "keys --decimal-separator , --base 16 --digits 4 --no-rounding --scientific c1 c2 c3 c4 c5 rovnase",
     "display: 1,234\nexpon: 003\nzavorky: \ndeg: DEG\ntrail: 1234 =\nmemories: M1 | M2 | M3 | M4 | M5\n"},
    {"NoPriorityAndDecimals", "keys --decimal-separator , --no-priority --decimals 2 --leading-zeros 0 c1 plus c2 krat c3 deleno c7 rovnase",
     "display: 1,29\nexpon: \nzavorky: \ndeg: DEG\ntrail: 1 + 2 * 3 / 7 =\nmemories: M1 | M2 | M3 | M4 | M5\n"},
    {"DmsDialogFields", "keys --decimal-separator , --dms '10;30;3,6' stmivt",
     "display: 10,501\nexpon: \nzavorky: \ndeg: DEG\ntrail:\nmemories: M1 | M2 | M3 | M4 | M5\n"},
};

class Cli : public testing::TestWithParam<CliCase> {};

TEST_P(Cli, PrintsLabels)
{
    const test_support::CliResult r = runCli(GetParam().arguments);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(Keys, Cli, testing::ValuesIn(kCliCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct UsageCase {
    const char* name;
    const char* arguments;
    const char* complaint;
};

const UsageCase kUsageCases[] = {
    {"UnknownKey", "keys c1 plusminus", "unknown key plusminus"},
    {"BaseTooLarge", "keys --base 17 c1", "--base takes 2 to 16"},
    {"DigitsTooFew", "keys --digits 2 c1", "--digits takes 3 to 18"},
    {"LongSeparator", "keys --separator ab c1", "--separator takes one character or nothing"},
    {"BadAngle", "keys --angle deg c1", "--angle takes DEG, RAD or GRA"},
    {"BadMemoryRegister", "keys --memory 6=1 c1", "--memory takes I=VALUE with I from 1 to 5"},
    {"BadMemoryValue", "keys --memory 1=x c1", "--memory: x is not a number"},
    {"BadDms", "keys --dms 1,2 stmivt", "--dms takes D,M,S (or D;M;S)"},
    {"UnknownOption", "keys --fast c1", "unknown option --fast"},
};

class CliUsage : public testing::TestWithParam<UsageCase> {};

TEST_P(CliUsage, ExitsTwoWithUsageLine)
{
    const test_support::CliResult r = runCli(GetParam().arguments);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find(std::string("zoltcalc-cli keys: ") + GetParam().complaint + "\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("usage: zoltcalc-cli keys [--base B]"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("display:"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Keys, CliUsage, testing::ValuesIn(kUsageCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

