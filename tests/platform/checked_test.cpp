#include "platform/checked.h"

#include <cfloat>
#include <gtest/gtest.h>

using platform::FloatError;

static FloatError::Kind failureOf(long double (*f)())
{
    try {
        f();
    } catch (const FloatError& e) {
        return e.kind();
    }
    ADD_FAILURE() << "no failure";
    return FloatError::Kind::InvalidOperation;
}

TEST(Checked, FailuresHaveTheirKinds)
{
    EXPECT_EQ(failureOf([] { return platform::divide(1.0L, 0.0L); }), FloatError::Kind::DivisionByZero);
    EXPECT_EQ(failureOf([] { return platform::divide(0.0L, 0.0L); }), FloatError::Kind::InvalidOperation);
    EXPECT_EQ(failureOf([] { return platform::mul(LDBL_MAX, 2.0L); }), FloatError::Kind::Overflow);
    EXPECT_EQ(failureOf([] { return platform::checked(std::sqrt(-1.0L)); }), FloatError::Kind::InvalidOperation);
    EXPECT_EQ(failureOf([] { return platform::checked(std::log(0.0L)); }), FloatError::Kind::Overflow);
}

TEST(Checked, UnderflowGivesZeroAndInexactPasses)
{
    EXPECT_EQ(platform::mul(LDBL_MIN, 1e-10L), 0.0L);
    EXPECT_EQ(platform::divide(1.0L, 3.0L), 1.0L / 3.0L);
    EXPECT_EQ(platform::add(LDBL_MAX, -LDBL_MAX), 0.0L);
}
