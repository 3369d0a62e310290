// Tables: bound variables of the numerical operators and the name rule behind them.
#include "run_helper.h"

using namespace textcalc;
using namespace textcalc::testing_support;

namespace {

TEST(BoundVariables, StackOfRunningVariables)
{
    ContextSheet sheet;
    sheet.run("n:=100");
    EXPECT_EQ(sheet.context.regvar("n", exactInteger(7)), 0u);
    EXPECT_EQ(sheet.context.cistostr(sheet.context.eval("n*2")), "14"); // hides the program variable
    EXPECT_EQ(sheet.context.regvar("n", exactInteger(3)), 1u);
    EXPECT_EQ(sheet.context.cistostr(sheet.context.eval("n")), "3"); // the latest entry wins
    sheet.context.BoundVariables.resize(0);
    EXPECT_EQ(sheet.context.cistostr(sheet.context.eval("n")), "100");
}

TEST(BoundVariables, NameRule)
{
    ContextSheet sheet;
    EXPECT_EQ(sheet.errorLine([&] { sheet.context.regvar("x_1", exactInteger(0)); }),
              "Error. \" x_1 \" is not a valid identifier.");
    EXPECT_TRUE(sheet.context.BoundVariables.empty());
}

TEST(BoundVariables, AtMost128)
{
    ContextSheet sheet;
    for (int k = 0; k < 128; ++k)
        sheet.context.regvar("v", exactInteger(k));
    EXPECT_EQ(sheet.errorLine([&] { sheet.context.regvar("v", exactInteger(0)); }), "Error. General computation error");
    EXPECT_EQ(sheet.context.BoundVariables.size(), 128u);
}

TEST(BoundVariables, EmptiedAfterEveryRun)
{
    ContextSheet sheet;
    sheet.context.regvar("n", exactInteger(1));
    EXPECT_EQ(sheet.run("n"), Lines{"1"});
    EXPECT_EQ(sheet.run("n"), Lines{"Error. Unknown variable identifier \" n \"."});
}

TEST(Names, Rule)
{
    struct Row { const char* name; bool valid; };
    for (const Row& r : {Row{"x", true}, Row{"x1", true}, Row{"abcdefghijklmnopqrst", true}, Row{"", false},
                         Row{"1x", false}, Row{"abcdefghijklmnopqrstu", false}, Row{"X", false}, Row{"a-b", false}}) {
        SCOPED_TRACE(r.name);
        ContextSheet sheet;
        if (r.valid) {
            EXPECT_NO_THROW(sheet.context.jetonazev(r.name));
        } else {
            EXPECT_EQ(sheet.errorLine([&] { sheet.context.jetonazev(r.name); }),
                      "Error. \" " + std::string(r.name) + " \" is not a valid identifier.");
        }
    }
}

} // namespace
