#pragma once
// Runs program texts the way the sheet does and returns the output lines: one calculator with
// a program directory of its own (a fresh temporary folder with an empty textfiles/, removed
// afterwards) and a picture of the given type to draw on (NoPicture: none, as in the language
// core's tests, which do not link the picture).
#include "textcalc/language/calculator.h"

#include "platform/headless/headless_services.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <type_traits>
#include <unistd.h>
#include <vector>

namespace textcalc::testing_support {

using Lines = std::vector<std::string>;

struct ProgramCase {
    const char* name;
    const char* program;
    Lines expected;
};

inline std::string rowName(const ::testing::TestParamInfo<ProgramCase>& info) { return info.param.name; }

struct NoPicture {};

// One calculator per test; `separator` is the platform's decimal separator.
template <typename PictureType>
class BasicSession {
public:
    explicit BasicSession(char separator = '.') : services(separator), calc(services)
    {
        if constexpr (!std::is_same_v<PictureType, NoPicture>)
            calc.callbacks.picture = &picture;
        static int counter = 0;
        directory = std::filesystem::temp_directory_path() /
                    ("zoltcalc-programs-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(directory / "textfiles");
        calc.settings.programDirectory = directory;
    }
    ~BasicSession()
    {
        std::error_code ignored;
        calc.TextFiles.clear();
        std::filesystem::remove_all(directory, ignored);
    }
    BasicSession(const BasicSession&) = delete;
    BasicSession& operator=(const BasicSession&) = delete;

    Lines run(const std::string& program)
    {
        calc.run(program);
        return calc.Outputs;
    }
    // The single output line of an expression.
    std::string value(const std::string& expression)
    {
        const Lines lines = run(expression);
        return lines.size() == 1 ? lines[0] : "(" + std::to_string(lines.size()) + " lines)";
    }

    platform::HeadlessServices services;
    PictureType picture;
    Calculator calc;
    std::filesystem::path directory;
};

// Program tables run under both decimal separators: nothing may depend on it. Tables of
// floating results may print them with fewer digits (`precision`) to stay clear of the last
// bits.
template <typename Session>
class BasicProgramTable : public ::testing::TestWithParam<ProgramCase> {
protected:
    explicit BasicProgramTable(int precision = 0) : m_precision(precision) {}
    void check()
    {
        for (char separator : {'.', ','}) {
            SCOPED_TRACE(std::string("decimal separator ") + separator);
            Session session(separator);
            if (m_precision > 0)
                session.calc.settings.Precision = m_precision;
            EXPECT_EQ(session.run(GetParam().program), GetParam().expected);
        }
    }

private:
    int m_precision;
};

// The same with report lines on (Output+ as the window's button).
template <typename Session>
class BasicEchoTable : public ::testing::TestWithParam<ProgramCase> {
protected:
    void check()
    {
        Session session;
        session.calc.settings.EchoOutputs = true;
        EXPECT_EQ(session.run(GetParam().program), GetParam().expected);
    }
};

} // namespace textcalc::testing_support
