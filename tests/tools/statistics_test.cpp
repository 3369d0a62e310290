#include "tools/statistics.h"

#include "platform/headless/headless_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;
using tools::Column;
using tools::Statistics;

// Fills the observation rows with the given X and Y texts.
void fill(Statistics& stat, const Lines& x, const Lines& y)
{
    stat.datar.resize(1);
    for (size_t i = 0; i < x.size(); ++i)
        stat.datar.push_back({std::to_string(i + 1), x[i], i < y.size() ? y[i] : ""});
}

Lines column(const Statistics& stat, Column c)
{
    Lines out;
    for (size_t r = 1; r < stat.datar.size(); ++r)
        out.push_back(stat.datar[r][static_cast<size_t>(c)]);
    return out;
}

struct DescribeCase {
    const char* name;
    Lines x;
    char sep;
    Lines expected;
};

TEST(StatisticsOfX, MomentsOfKnownSamples)
{
    const DescribeCase rows[] = {
        {"one to four", {"1", "2", "3", "4"}, '.',
         {"Characteristics of X:", "", "mean = 2.5", "maximum = 4", "minimum = 1", "variance = 1.25",
          "std dev. = 1.118034", "skew = 0", "kurtosis = 1.64"}},
        // Deviations -3 -1 -1 -1 0 0 2 4: M2 = 4, M3 = 42/8, M4 = 356/8.
        {"skewed sample", {"2", "4", "4", "4", "5", "5", "7", "9"}, '.',
         {"Characteristics of X:", "", "mean = 5", "maximum = 9", "minimum = 2", "variance = 4", "std dev. = 2",
          "skew = 0.65625", "kurtosis = 2.78125"}},
        // Deviations -1.5 0 1.5 scaled: M2 = 1.5, M3 = 0, M4 = 3.375 -> kurtosis 1.5.
        {"comma separator and order", {"1,5", "-1,5", "0"}, ',',
         {"Characteristics of X:", "", "mean = 0", "maximum = 1,5", "minimum = -1,5", "variance = 1,5",
          "std dev. = 1,2247449", "skew = 0", "kurtosis = 1,5"}},
        // Two points: skew 0 and kurtosis exactly 1 for any pair.
        {"two points in exponent form", {"1e20", "3e20"}, '.',
         {"Characteristics of X:", "", "mean = 2E20", "maximum = 3E20", "minimum = 1E20", "variance = 1E40",
          "std dev. = 1E20", "skew = 0", "kurtosis = 1"}},
        // Variance 2.5e-13 is below the display threshold and shown as 0; skew and kurtosis
        // are computed from the unrounded moments.
        {"tiny variance is shown as zero", {"0", "0.000001"}, '.',
         {"Characteristics of X:", "", "mean = 5E-7", "maximum = 1E-6", "minimum = 0", "variance = 0",
          "std dev. = 0", "skew = 0", "kurtosis = 1"}},
        // A large mean and a small spread: raw moments cancel (skew 96038388, kurtosis 0).
        {"large mean, small spread", {"1000000000", "1000000001", "1000000002", "1000000003"}, '.',
         {"Characteristics of X:", "", "mean = 1E9", "maximum = 1E9", "minimum = 1E9", "variance = 1.25",
          "std dev. = 1.118034", "skew = 0", "kurtosis = 1.64"}},
    };
    for (const auto& r : rows) {
        platform::HeadlessServices services(r.sep);
        Statistics stat(services);
        fill(stat, r.x, {});
        EXPECT_TRUE(stat.VypButClick()) << r.name;
        EXPECT_EQ(stat.vystup, r.expected) << r.name;
        EXPECT_TRUE(services.messages.empty()) << r.name;
    }
}

TEST(StatisticsOfX, InvalidDataKeepsOrEmptiesTheOutput)
{
    struct Row {
        const char* name;
        Lines x;
        bool outputKept; // a cell that cannot be read leaves the previous output
    } rows[] = {
        {"all values equal", {"3", "3", "3"}, false},
        // Equal values whose variance rounds to a residue instead of 0.
        {"all equal decimals", {"0.7", "0.7", "0.7"}, false},
        {"all equal, 9.95", {"9.95", "9.95", "9.95"}, false},
        {"all equal thirds", {"0.3333333333333333", "0.3333333333333333", "0.3333333333333333"}, false},
        {"ten square roots of two", Lines(10, "1.4142135623730951"), false},
        {"single observation", {"7"}, false},
        {"letters", {"1", "abc", "3"}, true},
        {"empty cell", {"1", "", "3"}, true},
        {"wrong separator", {"1,5", "2"}, true},
        {"beyond double", {"1e400", "1"}, true},
    };
    for (const auto& r : rows) {
        platform::HeadlessServices services('.');
        Statistics stat(services);
        fill(stat, {"1", "2"}, {});
        ASSERT_TRUE(stat.VypButClick());
        const Lines before = stat.vystup;
        fill(stat, r.x, {});
        EXPECT_FALSE(stat.VypButClick()) << r.name;
        EXPECT_EQ(stat.vystup, r.outputKept ? before : Lines{}) << r.name;
        EXPECT_EQ(services.beeps, 1) << r.name;
        ASSERT_EQ(services.messages.size(), 1u) << r.name;
        EXPECT_EQ(services.messages[0].text, "Invalid data.") << r.name;
    }
}

struct RelationCase {
    const char* name;
    Lines x, y;
    Lines expected;
};

TEST(RelationOfXAndY, RegressionAndDetermination)
{
    const RelationCase rows[] = {
        {"exact line", {"1", "2", "3", "4"}, {"3", "5", "7", "9"},
         {"Single characteristics:", "mean of X = 2.5", "variance of X = 1.25", "mean of Y = 6", "variance of Y = 5",
          "", "Relation between X and Y:", "covariance = 2.5", "correlation = 1", "", "Regression Y ~ b0 + b1*X :",
          "b0 = 1", "b1 = 2", "determ. coeff. = 100.00 %"}},
        // Sx 15, Sy 20, Sxx 55, Syy 86, Sxy 66: r = 6/sqrt(60), b1 = 0.6, b0 = 2.2, D = 60.
        {"scattered points", {"1", "2", "3", "4", "5"}, {"2", "4", "5", "4", "5"},
         {"Single characteristics:", "mean of X = 3", "variance of X = 2", "mean of Y = 4", "variance of Y = 1.2",
          "", "Relation between X and Y:", "covariance = 1.2", "correlation = 0.77459667", "",
          "Regression Y ~ b0 + b1*X :", "b0 = 2.2", "b1 = 0.6", "determ. coeff. = 60.00 %"}},
        // y = 2x + 3e-12: the intercept falls under the threshold and is shown as 0.
        {"tiny intercept", {"1", "2", "3"}, {"2.000000000003", "4.000000000003", "6.000000000003"},
         {"Single characteristics:", "mean of X = 2", "variance of X = 0.66666667", "mean of Y = 4",
          "variance of Y = 2.6666667", "", "Relation between X and Y:", "covariance = 1.3333333",
          "correlation = 1", "", "Regression Y ~ b0 + b1*X :", "b0 = 0", "b1 = 2",
          "determ. coeff. = 100.00 %"}},
        // Sx 6, Sy 6, Sxx 14, Syy 14, Sxy 10 (n = 3): r = -1/2 -> D = 25.
        {"negative correlation", {"1", "2", "3"}, {"2", "3", "1"},
         {"Single characteristics:", "mean of X = 2", "variance of X = 0.66666667", "mean of Y = 2",
          "variance of Y = 0.66666667", "", "Relation between X and Y:", "covariance = -0.33333333",
          "correlation = -0.5", "", "Regression Y ~ b0 + b1*X :", "b0 = 3", "b1 = -0.5",
          "determ. coeff. = 25.00 %"}},
    };
    for (const auto& r : rows) {
        platform::HeadlessServices services('.');
        Statistics stat(services);
        fill(stat, r.x, r.y);
        EXPECT_TRUE(stat.VztahButClick()) << r.name;
        EXPECT_EQ(stat.vystup, r.expected) << r.name;
    }
}

TEST(RelationOfXAndY, ZeroSpreadStopsAfterTheLinesAlreadyWritten)
{
    const RelationCase rows[] = {
        {"X constant", {"2", "2", "2"}, {"1", "2", "3"},
         {"mean of X = 2", "variance of X = 0", "mean of Y = 2", "variance of Y = 0.66666667", "",
          "Relation between X and Y:", "covariance = 0"}},
        // The covariance takes (Sx / n)·Sy before the last division by n; the product of
        // the two means would leave a residue of -1.0842022E-19 here.
        {"covariance of a constant X cancels exactly", {"0.84", "0.84", "0.84", "0.84", "0.84", "0.84"},
         {"0.03", "-0.66", "1.59", "7.37", "1.85", "-0.03"},
         {"mean of X = 0.84", "variance of X = 0", "mean of Y = 1.6916667", "variance of Y = 7.2557472", "",
          "Relation between X and Y:", "covariance = 0"}},
        // A constant Y of decimals: its variance came out 2.7e-20 and the correlation 0.
        {"Y constant decimals", {"1", "2", "3"}, {"0.7", "0.7", "0.7"},
         {"mean of X = 2", "variance of X = 0.66666667", "mean of Y = 0.7", "variance of Y = 0", "",
          "Relation between X and Y:", "covariance = 0"}},
    };
    for (const auto& r : rows) {
        platform::HeadlessServices services('.');
        Statistics stat(services);
        fill(stat, r.x, r.y);
        EXPECT_FALSE(stat.VztahButClick()) << r.name;
        EXPECT_EQ(stat.vystup, r.expected) << r.name;
        ASSERT_EQ(services.messages.size(), 1u) << r.name;
        EXPECT_EQ(services.messages[0].text, "Invalid data.") << r.name;
    }
}

TEST(RelationOfXAndY, BadYCellKeepsThePreviousOutput)
{
    platform::HeadlessServices services('.');
    Statistics stat(services);
    fill(stat, {"1", "2"}, {"1", "3"});
    ASSERT_TRUE(stat.VztahButClick());
    const Lines before = stat.vystup;
    stat.datar[2][2] = "";
    EXPECT_FALSE(stat.VztahButClick());
    EXPECT_EQ(stat.vystup, before);
}

TEST(PercentForm, TwoDecimalsAtMostFourDigits)
{
    struct Row {
        const char* name;
        long double value;
        char sep;
        const char* expected;
    } rows[] = {
        {"hundred", 100.0L, ',', "100,00"},
        {"rounded to two decimals", 12.345678L, '.', "12.35"},
        {"just under hundred rounds up", 99.996L, '.', "100.00"},
        {"small", 0.004L, '.', "0.00"},
        {"tiny negative is zero", -1e-15L, '.', "0.00"},
        {"negative", -3.14159L, '.', "-3.14"},
        {"three integer digits keep one decimal", 123.456L, '.', "123.50"},
        {"four integer digits keep none", 1234.56L, '.', "1235.00"},
        {"beyond four digits", 123456.0L, '.', "1.235E5"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(tools::formatPercent(r.value, r.sep), r.expected) << r.name;
}

TEST(ObservationTable, RowsAddRemoveAndReset)
{
    platform::HeadlessServices services;
    Statistics stat(services);
    EXPECT_EQ(stat.datar, (std::vector<Statistics::Row>{{"", "  X", "  Y"}, {"1", "1", "1"}}));
    for (int i = 0; i < 4; ++i)
        stat.PridButClick();
    EXPECT_EQ(stat.datar.back(), (Statistics::Row{"5", "5", "5"}));
    for (int i = 0; i < 10; ++i)
        stat.UberButClick();
    EXPECT_EQ(stat.observations(), 1);
    stat.datar[1] = {"7", "a", "b"};
    stat.PridButClick();
    stat.VymButClick();
    EXPECT_EQ(stat.datar, (std::vector<Statistics::Row>{{"", "  X", "  Y"}, {"7", "1", "1"}}));
}

TEST(ObservationTable, ColumnMoveSwapsDataAndRepairsHeaders)
{
    platform::HeadlessServices services;
    Statistics stat(services);
    fill(stat, {"1", "2"}, {"10", "20"});
    stat.datarColumnMoved(2, 1);
    EXPECT_EQ(stat.datar[0], (Statistics::Row{"", "  X", "  Y"}));
    EXPECT_EQ(column(stat, Column::X), (Lines{"10", "20"}));
    EXPECT_EQ(column(stat, Column::Y), (Lines{"1", "2"}));
}

TEST(ObservationTable, RowMoveCarriesTheWholeRow)
{
    platform::HeadlessServices services;
    Statistics stat(services);
    fill(stat, {"1", "2", "3"}, {"a", "b", "c"});
    stat.datarRowMoved(3, 1);
    EXPECT_EQ(stat.datar[1], (Statistics::Row{"3", "3", "c"}));
    EXPECT_EQ(stat.datar[3], (Statistics::Row{"2", "2", "b"}));
    stat.datarRowMoved(0, 2); // the header never moves
    EXPECT_EQ(stat.datar[0][1], "  X");
}

TEST(ObservationTable, ImportFillsOneColumnFromClipboardLines)
{
    struct Row {
        const char* name;
        char sep;
        std::string clipboard;
        Column target;
        Lines x, y;
    } rows[] = {
        {"comma locale", ',', "1.5\n2\n3", Column::X, {"1,5", "2", "3"}, {"20", "30", ""}},
        {"point locale, into Y", '.', "1.5\r\n-2\r\n", Column::Y, {"2", "3"}, {"1.5", "-2"}},
        {"fewer lines than rows", '.', "9", Column::X, {"9"}, {"20"}},
        {"empty lines stay cells", '.', "1\n\n3\n", Column::X, {"1", "", "3"}, {"20", "30", ""}},
        {"no text keeps the table", '.', "", Column::X, {"2", "3"}, {"20", "30"}},
    };
    for (const auto& r : rows) {
        platform::HeadlessServices services(r.sep);
        services.clipboard = r.clipboard;
        Statistics stat(services);
        fill(stat, {"2", "3"}, {"20", "30"});
        stat.import(r.target);
        EXPECT_EQ(column(stat, Column::X), r.x) << r.name;
        EXPECT_EQ(column(stat, Column::Y), r.y) << r.name;
        for (size_t i = 1; i < stat.datar.size(); ++i)
            EXPECT_EQ(stat.datar[i][0], std::to_string(i)) << r.name;
    }
}

} // namespace
