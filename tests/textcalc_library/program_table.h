#pragma once
// Runs program texts as the sheet does, with a picture and a program directory of their own,
// and compares the output lines.
#include "textcalc/calculator.h"
#include "textcalc/picture.h"

#include "platform/headless/headless_services.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>
#include <string>
#include <vector>

namespace textcalc::library_tests {

using Lines = std::vector<std::string>;

struct ProgramCase {
    const char* name;
    const char* program;
    Lines expected;
};

inline std::string rowName(const ::testing::TestParamInfo<ProgramCase>& info)
{
    return info.param.name;
}

// A calculator with a 200 × 200 picture; the program directory is a fresh temporary folder
// with an empty textfiles/, removed afterwards.
class Session {
public:
    explicit Session(char separator = '.') : services(separator), calc(services)
    {
        calc.callbacks.picture = &picture;
        directory = std::filesystem::temp_directory_path() /
                    ("zoltcalc-library-" + std::to_string(::getpid()) + "-" + std::to_string(++counter()));
        std::filesystem::create_directories(directory / "textfiles");
        calc.settings.programDirectory = directory;
    }
    ~Session()
    {
        std::error_code ignored;
        calc.TextFiles.clear();
        std::filesystem::remove_all(directory, ignored);
    }
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
    Picture picture;
    Calculator calc;
    std::filesystem::path directory;

private:
    static int& counter()
    {
        static int n = 0;
        return n;
    }
};

// Program tables run under both decimal separators: nothing may depend on it. Tables of
// floating results print them with fewer digits (12) to stay clear of the last bits.
class ProgramTable : public ::testing::TestWithParam<ProgramCase> {
protected:
    explicit ProgramTable(int precision = 0) : m_precision(precision) {}
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

} // namespace textcalc::library_tests
