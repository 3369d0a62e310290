#pragma once
// Runs program texts the way the sheet does and returns the output lines.
#include "textcalc/calculator.h"
#include "textcalc/interpreter.h"

#include "platform/headless/headless_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace textcalc::testing_support {

using Lines = std::vector<std::string>;

struct ProgramCase {
    const char* name;
    const char* program;
    Lines expected;
};

inline std::string rowName(const ::testing::TestParamInfo<ProgramCase>& info) { return info.param.name; }

// One calculator per test; `separator` is the platform's decimal separator.
class Sheet {
public:
    explicit Sheet(char separator = '.') : services(separator), calc(services), internals(calc.interpreter()) {}
    Lines run(const std::string& program)
    {
        calc.run(program);
        return calc.Outputs;
    }
    platform::HeadlessServices services;
    Calculator calc;
    // The run's inside, for tests of preparation, compilation and evaluation on their own.
    Interpreter& internals;
};

// Program tables run under both decimal separators: number conversion must not depend on it.
class ProgramTable : public ::testing::TestWithParam<ProgramCase> {
protected:
    void check()
    {
        for (char separator : {'.', ','}) {
            SCOPED_TRACE(std::string("decimal separator ") + separator);
            Sheet sheet(separator);
            EXPECT_EQ(sheet.run(GetParam().program), GetParam().expected);
        }
    }
};

// The same with report lines on (Output+ as the window's button).
class EchoTable : public ::testing::TestWithParam<ProgramCase> {
protected:
    void check()
    {
        Sheet sheet;
        sheet.calc.settings.EchoOutputs = true;
        EXPECT_EQ(sheet.run(GetParam().program), GetParam().expected);
    }
};

} // namespace textcalc::testing_support
