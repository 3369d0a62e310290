#include "tools/linearsystem.h"

#include "platform/headless/headless_services.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using Matrix = std::vector<std::vector<std::string>>;
using Texts = std::vector<std::string>;

struct Solved {
    std::string determ;
    std::string hodnost;
    Texts xxx;
    std::vector<std::string> messages;
    bool untrusted;
};

Solved solve(const Matrix& a, const Texts& b, char sep = '.')
{
    platform::HeadlessServices services(sep);
    tools::LinearSystem system(services);
    system.pocetChange(static_cast<int>(b.size()));
    system.aaa = a;
    system.bbb = b;
    system.VyrButClick();
    Solved out{system.determ, system.hodnost, system.xxx, {}, system.untrusted};
    for (const auto& m : services.messages)
        out.messages.push_back(m.text);
    return out;
}

struct SystemCase {
    const char* name;
    Matrix a;
    Texts b;
    const char* determ;
    const char* rank;
    Texts x; // all empty when there is no solution
};

TEST(LinearSystem, SolvesAndReportsDeterminantAndRank)
{
    const SystemCase rows[] = {
        {"row exchange", {{"0", "1"}, {"1", "0"}}, {"2", "3"}, "-1", "2", {"3", "2"}},
        {"two by two", {{"2", "1"}, {"1", "3"}}, {"3", "5"}, "5", "2", {"0.8", "1.4"}},
        {"three by three", {{"2", "1", "-1"}, {"-3", "-1", "2"}, {"-2", "1", "2"}}, {"8", "-11", "-3"},
         "-1", "3", {"2", "3", "-1"}},
        {"upper triangular", {{"2", "3", "1"}, {"0", "4", "5"}, {"0", "0", "6"}}, {"6", "9", "6"}, "48", "3",
         {"1", "1", "1"}},
        {"pivot found below a zero", {{"0", "0", "1"}, {"0", "2", "0"}, {"3", "0", "0"}}, {"1", "2", "3"}, "-6",
         "3", {"1", "1", "1"}},
        {"fractions and negative values", {{"0.5", "-0.25"}, {"-1.5", "4"}}, {"0.25", "-1"}, "1.625", "2",
         {"0.461538461538462", "-0.0769230769230769"}},
        {"singular rows", {{"1", "2"}, {"2", "4"}}, {"3", "6"}, "0", "1", {"", ""}},
        {"zero first column", {{"0", "1"}, {"0", "2"}}, {"1", "1"}, "0", "1", {"", ""}},
        {"zero matrix", {{"0", "0"}, {"0", "0"}}, {"0", "0"}, "0", "0", {"", ""}},
        {"two equal rows of three", {{"1", "1", "1"}, {"1", "1", "1"}, {"1", "2", "3"}}, {"1", "1", "1"}, "0",
         "2", {"", "", ""}},
    };
    for (const auto& r : rows) {
        const Solved s = solve(r.a, r.b);
        EXPECT_EQ(s.determ, r.determ) << r.name;
        EXPECT_EQ(s.hodnost, r.rank) << r.name;
        EXPECT_EQ(s.xxx, r.x) << r.name;
        EXPECT_TRUE(s.messages.empty()) << r.name;
        EXPECT_FALSE(s.untrusted) << r.name;
    }
}

// The result is shown as computed, with a warning when it cannot be trusted to its digits.
TEST(LinearSystem, WarnsWhenTheSolutionCannotBeTrusted)
{
    struct Row {
        const char* name;
        Matrix a;
        Texts b;
        const char* rank;
        bool untrusted;
    } rows[] = {
        // Rank 4 in exact arithmetic (row 5 = row 1 + row 2 - row 3): the determinant is rounding noise.
        {"rank four of decimals",
         {{"0.1", "0.2", "0.3", "0.4", "0.5"}, {"0.7", "0.1", "0.9", "0.3", "0.6"}, {"0.3", "0.8", "0.2", "0.6", "0.1"},
          {"0.9", "0.4", "0.7", "0.2", "0.8"}, {"0.5", "-0.5", "1", "0.1", "1"}},
         {"1", "2", "3", "4", "5"}, "5", true},
        // The first non-zero pivot, 1e-18, makes entries of 1e18 out of entries of 1.
        {"tiny first pivot", {{"1e-18", "1"}, {"1", "1"}}, {"1", "2"}, "2", true},
        {"well conditioned", {{"4", "1"}, {"1", "3"}}, {"1", "2"}, "2", false},
    };
    for (const auto& r : rows) {
        const Solved s = solve(r.a, r.b);
        EXPECT_EQ(s.hodnost, r.rank) << r.name;
        EXPECT_EQ(s.untrusted, r.untrusted) << r.name;
        EXPECT_TRUE(s.messages.empty()) << r.name;
    }
}

TEST(LinearSystem, HilbertEightSolvesToOnes)
{
    // H8 · (1, …, 1) has row sums Σ 1/(i+j+1); the solution must come back close to ones and
    // the determinant close to 2.737050e-33.
    Matrix a(8, Texts(8));
    Texts b(8);
    for (int i = 0; i < 8; ++i) {
        long double sum = 0;
        for (int j = 0; j < 8; ++j) {
            const long double h = 1.0L / (i + j + 1);
            sum += h;
            char buf[64];
            std::snprintf(buf, sizeof buf, "%.21Le", h);
            a[i][j] = buf;
        }
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.21Le", sum);
        b[i] = buf;
    }
    const Solved s = solve(a, b);
    EXPECT_EQ(s.hodnost, "8");
    EXPECT_TRUE(s.untrusted); // its condition number is 3.4e10
    EXPECT_NEAR(std::stod(s.determ), 2.737050e-33, 1e-38);
    for (const std::string& x : s.xxx)
        EXPECT_NEAR(std::stod(x), 1.0, 1e-6) << x;
}

TEST(LinearSystem, StartsAsTheIdentityOfThree)
{
    platform::HeadlessServices services;
    tools::LinearSystem system(services);
    EXPECT_EQ(system.size(), 3);
    EXPECT_EQ(system.aaa, (Matrix{{"1", "0", "0"}, {"0", "1", "0"}, {"0", "0", "1"}}));
    EXPECT_EQ(system.bbb, (Texts{"0", "0", "0"}));
    ASSERT_TRUE(system.VyrButClick());
    EXPECT_EQ(system.determ, "1");
    EXPECT_EQ(system.hodnost, "3");
    EXPECT_EQ(system.xxx, (Texts{"0", "0", "0"}));
}

TEST(LinearSystem, ResizingKeepsCellsInsideBothSizes)
{
    platform::HeadlessServices services;
    tools::LinearSystem system(services);
    system.pocetChange(5);
    EXPECT_EQ(system.aaa[2][2], "1");
    EXPECT_EQ(system.aaa[4][4], "");
    EXPECT_EQ(system.bbb.size(), 5u);
    EXPECT_EQ(system.xxx.size(), 5u);
    system.pocetChange(2);
    EXPECT_EQ(system.aaa, (Matrix{{"1", "0"}, {"0", "1"}}));
    system.pocetChange(9);
    EXPECT_EQ(system.size(), 8);
    system.pocetChange(1);
    EXPECT_EQ(system.size(), 2);
}

TEST(LinearSystem, UsesTheDecimalSeparatorBothWays)
{
    const Solved comma = solve({{"2", "0"}, {"0", "4"}}, {"1,5", "1"}, ',');
    EXPECT_EQ(comma.xxx, (Texts{"0,75", "0,25"}));
    const Solved point = solve({{"2", "0"}, {"0", "4"}}, {"1,5", "1"}, '.');
    EXPECT_EQ(point.messages, (std::vector<std::string>{"Invalid coefficients."}));
}

TEST(LinearSystem, BadCellsAndFailuresGiveTheirMessageOnce)
{
    struct Row {
        const char* name;
        Matrix a;
        Texts b;
        const char* message;
    } rows[] = {
        {"empty coefficient", {{"1", ""}, {"0", "1"}}, {"1", "1"}, "Invalid coefficients."},
        {"empty right-hand side", {{"1", "0"}, {"0", "1"}}, {"1", ""}, "Invalid coefficients."},
        {"letters", {{"1", "x"}, {"0", "1"}}, {"1", "1"}, "Invalid coefficients."},
        {"overflow while eliminating", {{"1e-4000", "1"}, {"1e4000", "1e4000"}}, {"1", "1"},
         "Error while computing the solution of the system."},
        {"overflow of the determinant", {{"1e3000", "0"}, {"0", "1e3000"}}, {"1", "1"},
         "Error while computing the solution of the system."},
    };
    for (const auto& r : rows) {
        const Solved s = solve(r.a, r.b);
        EXPECT_EQ(s.messages, (std::vector<std::string>{r.message})) << r.name;
    }
}

TEST(LinearSystem, BadCellKeepsDeterminantAndRankButClearsEarlierSolutionCells)
{
    platform::HeadlessServices services;
    tools::LinearSystem system(services);
    system.bbb = {"1", "2", "3"};
    ASSERT_TRUE(system.VyrButClick());
    ASSERT_EQ(system.xxx, (Texts{"1", "2", "3"}));
    system.aaa[1][0] = "?";
    EXPECT_FALSE(system.VyrButClick());
    EXPECT_EQ(system.xxx, (Texts{"", "", "3"})); // rows 0 and 1 were read before the bad cell
    EXPECT_EQ(system.determ, "1");
    EXPECT_EQ(system.hodnost, "3");
    EXPECT_EQ(services.beeps, 1);
}

} // namespace
