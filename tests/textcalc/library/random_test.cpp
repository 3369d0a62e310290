// The random functions over many draws. Each mean must lie within 5.5 standard errors of the
// distribution's mean: a correct generator misses that less than once in 10^7 runs.
#include "program_table.h"

#include <cmath>
#include <string>

using namespace textcalc::library_tests;

namespace {

constexpr int draws = 20000;

struct Distribution {
    const char* name;
    const char* sample; // an expression of one draw
    double mean;
    double variance;
};

// The mean of `draws` samples, computed by the program itself (in floating form, since the
// sum of integer samples is an exact fraction).
double sampleMean(Session& session, const std::string& sample)
{
    const std::string line =
        session.value("sum(" + sample + ", k=1.." + std::to_string(draws) + ")/" + std::to_string(draws) + "+0.0");
    return std::stod(line);
}

TEST(RandomFunctions, MeansOfManyDraws)
{
    const Distribution rows[] = {
        {"Uniform", "random", 0.5, 1.0 / 12},
        {"DieRandomn", "randomn(6)", 3.5, 35.0 / 12},
        {"Alternative", "alter(0.3)", 0.3, 0.21},
        {"Binomial", "binom(10, 0.25)", 2.5, 1.875},
        {"Gauss", "gauss(2, 9)", 2.0, 9.0},
        {"StandardGauss", "gauss(0-1)", -1.0, 1.0},
        {"Exponential", "expon(4)", 0.25, 1.0 / 16},
        {"ChiSquare", "chi2(3)", 3.0, 6.0},
        {"Student", "student(5)", 0.0, 5.0 / 3},
        {"Fisher", "fisher(4, 10)", 10.0 / 8, 2.0 * 100 * 12 / (4.0 * 64 * 6)},
        {"Geometric", "geom(0.25)", 3.0, 12.0},
        {"Poisson", "poisson(3.5)", 3.5, 3.5},
    };
    Session session;
    for (const Distribution& row : rows) {
        SCOPED_TRACE(row.name);
        const double tolerance = 5.5 * std::sqrt(row.variance / draws);
        EXPECT_NEAR(sampleMean(session, row.sample), row.mean, tolerance);
    }
}

// A die must show every face: the chance that one of six faces is missing from 20000 throws
// is below 10^-1500.
TEST(RandomFunctions, RandomnCoversItsRange)
{
    Session session;
    for (int face = 1; face <= 6; ++face) {
        SCOPED_TRACE(face);
        const std::string count = session.value("sum(1-sgn(abs(randomn(6)-" + std::to_string(face) +
                                                ")), k=1.." + std::to_string(draws) + ")");
        EXPECT_GT(std::stoi(count), 0);
    }
    EXPECT_EQ(session.value("sum(sgn(randomn(6)-6.5)+sgn(randomn(6)-0.5), k=1..1000)"), "0");
}

class RandomLimits : public ProgramTable {};
TEST_P(RandomLimits, WriteLines) { check(); }

INSTANTIATE_TEST_SUITE_P(Counters, RandomLimits, testing::Values(
    ProgramCase{"IntegerResults", "frac(randomn(10))+frac(binom(5, 0.5))+frac(poisson(2))+frac(geom(0.5))", {"0"}},
    ProgramCase{"CertainEvents", "alter(0); binom(7, 0); binom(7, 1); geom(0.999999999)", {"0", "0", "0", "0"}},
    ProgramCase{"CountAboveLimit", "binom(40000, 0.5)", {"Error. General computation error"}},
    ProgramCase{"GeomNeverSucceeds", "geom(0)", {"Error. General computation error"}},
    ProgramCase{"PoissonOfHugeRate", "poisson(100000)", {"Error. General computation error"}},
    ProgramCase{"ChiSquareAboveLimit", "chi2(32768)", {"Error. General computation error"}},
    ProgramCase{"ExponOfZeroRate", "expon(0)", {"Error. General computation error"}},
    ProgramCase{"GaussOfNegativeVariance", "gauss(0, 0-1)", {"Error. General computation error"}}), rowName);

} // namespace
