// The sampling algorithms on scripted uniform draws: what each draw decides.
#include "textcalc/number/distributions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <string>
#include <vector>

using namespace textcalc;

namespace {

// Gives the scripted draws in order; running out is a test failure.
class Script {
public:
    explicit Script(std::vector<long double> draws) : m_draws(draws.begin(), draws.end()) {}
    RandomSource source()
    {
        return RandomSource([this] {
            if (m_draws.empty()) {
                ADD_FAILURE() << "more draws than scripted";
                return 0.5L;
            }
            const long double u = m_draws.front();
            m_draws.pop_front();
            return u;
        });
    }
    size_t left() const { return m_draws.size(); }

private:
    std::deque<long double> m_draws;
};

struct CountCase {
    const char* name;
    std::vector<long double> draws;
    int64_t (*sample)(RandomSource&);
    int64_t expected;
};

TEST(Distributions, CountsOfScriptedDraws)
{
    const CountCase rows[] = {
        {"BinomCountsDrawsBelowP", {0.1L, 0.6L, 0.29L, 0.3L}, [](RandomSource& r) { return distributions::binom(r, 4, 0.3L); }, 2},
        {"BinomOfNoDraws", {}, [](RandomSource& r) { return distributions::binom(r, 0, 0.3L); }, 0},
        {"RandomnRoundsUp", {0.5L}, [](RandomSource& r) { return distributions::randomn(r, 6); }, 3},
        {"RandomnOfTheTopDraw", {0.99L}, [](RandomSource& r) { return distributions::randomn(r, 6); }, 6},
        {"RandomnOfZero", {0.0L}, [](RandomSource& r) { return distributions::randomn(r, 6); }, 0},
        {"AlterBelow", {0.2L}, [](RandomSource& r) { return distributions::alter(r, 0.3L); }, 1},
        {"AlterEqualIsNo", {0.3L}, [](RandomSource& r) { return distributions::alter(r, 0.3L); }, 0},
        {"GeomCountsFailures", {0.9L, 0.8L, 0.25L}, [](RandomSource& r) { return distributions::geom(r, 0.25L); }, 2},
        {"GeomAtOnce", {0.1L}, [](RandomSource& r) { return distributions::geom(r, 0.25L); }, 0},
        {"PoissonFirstCell", {0.3L}, [](RandomSource& r) { return distributions::poisson(r, 1.0L); }, 0},
        {"PoissonSecondCell", {0.5L}, [](RandomSource& r) { return distributions::poisson(r, 1.0L); }, 1},
        {"PoissonNegativeRate", {0.9L}, [](RandomSource& r) { return distributions::poisson(r, -1.0L); }, 2},
    };
    for (const CountCase& row : rows) {
        SCOPED_TRACE(row.name);
        Script script(row.draws);
        RandomSource source = script.source();
        EXPECT_EQ(row.sample(source), row.expected);
        EXPECT_EQ(script.left(), 0u) << "every scripted draw used";
    }
}

// The polar method rejects pairs outside the unit circle and maps the first accepted pair.
TEST(Distributions, NormalFromThePolarMethod)
{
    Script script({0.99L, 0.99L, 0.75L, 0.5L});
    RandomSource source = script.source();
    // u = 0.5, v = 0: s = 0.25, u·sqrt(−2 ln s / s) = sqrt(2 ln 4).
    EXPECT_NEAR(static_cast<double>(source.normal()), std::sqrt(2 * std::log(4.0)), 1e-15);
    EXPECT_EQ(script.left(), 0u);
}

TEST(Distributions, ExponentialByInversion)
{
    Script script({0.75L});
    RandomSource source = script.source();
    EXPECT_NEAR(static_cast<double>(distributions::expon(source, -2.0L)), std::log(4.0) / 2, 1e-15);
}

TEST(Distributions, CountersStopAtTheirLimit)
{
    RandomSource high([] { return 0.9L; });
    EXPECT_THROW(distributions::geom(high, 0.5L), RangeError);
    EXPECT_THROW(distributions::binom(high, distributions::maxCount + 1, 0.5L), RangeError);
    EXPECT_EQ(distributions::binom(high, distributions::maxCount, 0.95L), distributions::maxCount);
}

} // namespace
