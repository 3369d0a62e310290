// Random programs and expressions run twice, once evaluating each expression from its compiled
// form and once reading its text every time (text_reader.h): the output lines must be the
// same, errors and their moment included. Besides program texts the runs read answers to
// GetNum and lines of a text file, which may hold ";" and any bracket, brackets nested a few
// hundred deep, and runs that evaluate more distinct texts than the compiled forms kept for
// one run.
//
// ZOLT_DIFFERENTIAL_CASES sets the number of cases and ZOLT_DIFFERENTIAL_SEED the first case
// for a long run by hand (the default keeps CI quick).
#include "run_helper.h"
#include "text_reader.h"

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <utility>

using namespace textcalc::testing_support;

namespace {

// A program with what it reads: the answers to GetNum in order (none left, or nullopt: the
// dialog is cancelled) and the lines of the text file "in".
struct Case {
    std::string program;
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> lines;
};

// Makes program texts in the language as a user types them: names, literals (some
// malformed), operators with signs after them, brackets of both kinds, implicit
// multiplication, arrays, user functions with dynamic scope, built-ins and numerical operators,
// and now and then a character that does not belong. Answers and file lines are made the same
// way, unprepared, with ";" in them and brackets that need not match.
class ProgramMaker {
public:
    explicit ProgramMaker(uint32_t seed) : m_random(seed) {}

    // Half the programs first give most names a meaning, and a third of the statements are
    // tried, so that runs go on past the first unknown name or error.
    Case program()
    {
        if (chance(2))
            m_case.program = "a:=3; b:=1/2; x:=0.5; y:=2; s:=0; n:=1; k:=2; q:=1+i; v[5]:=7; f(x):=x^2+a; "
                             "g(x,y):=x-y*f(y); h(x):=2*x; ";
        const int statements = 1 + static_cast<int>(below(7));
        for (int k = 0; k < statements; ++k) {
            if (k > 0)
                m_case.program += "; ";
            m_case.program += (chance(3) ? "try " : "") + statement();
        }
        return take();
    }

    // `prefix` and then one expression.
    Case expressionAfter(const std::string& prefix)
    {
        m_case.program = prefix + expression();
        return take();
    }

    // A run of 4,100 to 4,600 distinct texts: statements, lines of the file or answers. A TRY
    // before each keeps an error from ending the run early.
    Case manyTexts()
    {
        const int count = 4100 + static_cast<int>(below(500));
        const uint32_t source = below(3);
        if (source == 1)
            m_case.program = "Assign(f, 'in'); Reset(f); while eof(f)=0 do try readln(f)";
        else if (source == 2)
            m_case.program = "for k:=1 to " + std::to_string(count) + " do try getnum('?')";
        for (int k = 0; k < count; ++k) {
            const std::string distinct = "+" + std::to_string(k);
            if (source == 0) {
                m_damage = false; // an unmatched bracket would end the run before it starts
                m_case.program += (k ? "; try " : "try ") + expression() + distinct;
                m_damage = true;
            } else if (source == 1) {
                m_case.lines.push_back(foreignText(false) + distinct);
            } else {
                m_case.answers.push_back(foreignText(false) + distinct);
            }
        }
        return take();
    }

private:
    std::string expression(int depth = 0)
    {
        std::string e = (chance(8) ? pick({"-", "+", "--"}) : "") + operand(depth);
        const int operators = static_cast<int>(below(depth > 2 ? 2 : 4));
        for (int k = 0; k < operators; ++k) {
            if (chance(12)) { // implicit multiplication
                e += operand(depth);
                continue;
            }
            e += pick({"+", "-", "*", "/", "^", "*", "+", "**"});
            if (chance(10))
                e += pick({"-", "+", "--", "-+"});
            e += operand(depth);
        }
        // Program text with an unmatched bracket fails as a whole before it runs: a few such
        // programs are enough, while answers and lines reach the evaluator as they are.
        if (m_damage && chance(m_unprepared ? 30 : 60 * (depth + 1)))
            e = damage(e);
        return e;
    }

    bool chance(uint32_t oneIn) { return below(oneIn) == 0; }
    uint32_t below(uint32_t n) { return static_cast<uint32_t>(m_random() % n); }
    std::string pick(std::initializer_list<const char*> options)
    {
        return *(options.begin() + below(static_cast<uint32_t>(options.size())));
    }
    Case take() { return std::exchange(m_case, Case{}); }

    std::string statement()
    {
        switch (below(16)) {
        case 0:
            return "f(x):=" + body();
        case 1:
            return "g(x,y):=" + body();
        case 2:
            return pick({"a", "b", "s", "x"}) + std::string(":=") + expression();
        case 3:
            return "v[" + std::to_string(below(5)) + "]:=" + expression();
        case 4:
            return "for k:=1 to " + std::to_string(below(6)) + " do s:=s+" + expression();
        case 5:
            return "if " + expression() + pick({"<", ">", "=", "<>", "<="}) + expression() + " then " + expression() +
                   " else " + expression();
        case 6:
            return "try " + expression();
        case 7:
            return "n:=0; while n<3 do begin n:=n+1; b:=b+" + expression() + " end; b";
        case 8:
            return readFile();
        case 9:
            return pick({"a", "x"}) + std::string(":=") + nested();
        case 10: // call sites that see their names change meaning between two of their runs
            return "for k:=1 to 2 do begin s:=s+" + expression() + "; " + pick({"f(x)", "g(x,y)", "sin(x)", "abs(x)"}) +
                   ":=" + body() + " end; s";
        default:
            return expression();
        }
    }

    // Function bodies draw nothing at random and ask nothing: how deep an endless recursion
    // gets before it fails depends on the stack frames of the evaluator that runs it, and a
    // TRY around it would go on with different draws or answers.
    std::string body()
    {
        m_quiet = true;
        std::string e = expression(1);
        m_quiet = false;
        return e;
    }

    std::string operand(int depth)
    {
        const uint32_t kind = below(depth > 3 ? 3 : 12);
        switch (kind) {
        case 0:
            return literal();
        case 1:
            return pick({"a", "b", "s", "x", "y", "n", "k", "q", "pi", "i", "clred", "time", "picwidth"});
        case 2:
            return pick({"a", "x", "s", "2", "12"});
        case 3:
            return "(" + expression(depth + 1) + (m_unprepared && m_damage && chance(4) ? "]" : ")");
        case 4:
            return "[" + expression(depth + 1) + "]";
        case 5:
            return "v[" + expression(depth + 1) + "]";
        case 6:
            return pick({"f", "g", "x", "h", "sin"}) + std::string("(") + arguments(depth, 1 + below(2)) + ")";
        case 7:
            return pick({"sin", "abs", "sqrt", "floor", "frac", "conj", "re", "im", "sqr", "exp", "ln", "fact",
                         "sgn", "cos", "arctan", "trunc"}) +
                   std::string("(") + expression(depth + 1) + ")";
        case 8:
            return pick({"max", "min", "mod", "div", "power", "gcd", "round", "comb", "logn"}) + std::string("(") +
                   arguments(depth, 1 + below(3)) + ")";
        case 9:
            if (!m_quiet && chance(3))
                return pick({"random", "randomn(6)", "alter(0.5)"});
            if (!m_quiet && chance(2))
                return ask();
            return literal();
        case 10:
            return numericalOperator(depth);
        default:
            return pick({"a", "b", "x", "s"}) + std::string("^") + literal();
        }
    }

    std::string arguments(int depth, uint32_t count)
    {
        std::string list;
        for (uint32_t k = 0; k < count; ++k)
            list += (k ? "," : "") + expression(depth + 1);
        return list;
    }

    std::string numericalOperator(int depth)
    {
        const std::string body = expression(depth + 1);
        const std::string to = std::to_string(below(5));
        switch (below(7)) {
        case 0:
            return "sum(" + body + ", n=1.." + to + ")";
        case 1:
            return "product(" + body + ", k=0.." + to + ")";
        case 2:
            return "iter(x=1, " + body + ", n=1.." + to + ")";
        case 3:
            return "imax(" + body + ", n=" + to + "..4)";
        case 4:
            return "int(" + body + ", x=0..1, 0.25)";
        case 5:
            return "dif(" + body + ", x=" + literal() + ")";
        default:
            return "argmin(" + body + ", n=1.." + to + ")";
        }
    }

    std::string literal()
    {
        switch (below(10)) {
        case 0:
            return pick({"1.5", "0.25", "2e3", ".5", "1e-3", "3.0"});
        case 1:
            return pick({"1.2.3", "2e", "9223372036854775807", "9223372036854775808", "123456789012345678901",
                         "1e+5", "."});
        default:
            return std::to_string(below(13));
        }
    }

    // A character in, out or swapped: the error must come at the same moment.
    std::string damage(std::string e)
    {
        const size_t at = below(static_cast<uint32_t>(e.size() + 1));
        switch (below(3)) {
        case 0:
            return e.insert(at, pick({",", "=", "..", ":", "(", ")", "]", "*", "^", "_", "'t'"}));
        case 1:
            return at < e.size() ? e.erase(at, 1) : e;
        default:
            return e.substr(0, at);
        }
    }

    // GetNum with an answer queued for it (a loop may ask more often: then the dialog is
    // cancelled, which answers 0).
    std::string ask()
    {
        m_case.answers.push_back(chance(10) ? std::nullopt : std::optional<std::string>(foreignText()));
        return "getnum('?')";
    }

    // Lines of the file "in", read by one of the ways a program reads them.
    std::string readFile()
    {
        const uint32_t count = 1 + below(5);
        for (uint32_t k = 0; k < count; ++k)
            m_case.lines.push_back(chance(10) ? "" : foreignText());
        return "Assign(f, 'in'); Reset(f); " +
               pick({"readln(f)", "readln(f)*2+readln(f)", "while eof(f)=0 do try readln(f)",
                     "s:=0; while eof(f)=0 do s:=s+readln(f); s"});
    }

    // An answer or a line as a user might type it: ";" ends every level it meets (the rest of
    // the text is read no further, but an argument list goes on past it), and brackets may be
    // nested past the depth that compiled forms take (`deep`: an error unwinding from deep
    // inside is slow, too slow for thousands of lines).
    std::string foreignText(bool deep = true)
    {
        m_unprepared = m_quiet = true;
        std::string t;
        switch (below(deep ? 6 : 5)) {
        case 0:
            t = expression();
            t.insert(below(static_cast<uint32_t>(t.size() + 1)), ";");
            break;
        case 1:
            t = expression() + ";" + expression();
            break;
        case 5:
            t = nested();
            break;
        default:
            t = expression();
        }
        m_unprepared = m_quiet = false;
        return t;
    }

    // An expression inside 190 to 259 brackets and calls, deep but far from where the stack
    // runs out, even with a sanitizer's larger frames: where that is depends on the
    // evaluator's frames. Now and then 10,001
    // brackets, past the depth at which every evaluation fails. Calls have their arguments
    // scanned again at every level, which would make the deepest texts slow: those nest plain
    // brackets only. Nothing inside asks, so that a deep answer is never read deep inside a
    // deep text.
    std::string nested()
    {
        static const std::pair<const char*, const char*> brackets[] = {
            {"(", ")"}, {"[", "]"}, {"-(", ")"}, {"1+[", "]"}, {"abs(", ")"}, {"max(0,", ")"}, {"conj(", ")"}};
        const bool past = chance(10);
        const uint32_t levels = past ? 10001 : 190 + below(70);
        const bool quiet = std::exchange(m_quiet, true);
        const std::string inner = expression(2);
        m_quiet = quiet;
        std::string open, close;
        for (uint32_t k = 0; k < levels; ++k) {
            const auto& [opener, closer] = brackets[below(past ? 2 : std::size(brackets))];
            open += opener;
            close += closer;
        }
        std::reverse(close.begin(), close.end());
        return open + inner + close;
    }

    std::mt19937 m_random;
    bool m_quiet = false;      // no random draws, no GetNum
    bool m_unprepared = false; // an answer or a line: not checked for matching brackets
    bool m_damage = true;
    Case m_case;
};

// Two calculators that run every case alike, one evaluating compiled forms and one reading
// the texts. They are made once (each makes a folder on disk, which is slow) and emptied
// before a case as the window's clear-all empties them. The clock stands still and the random
// generators are seeded alike, so that time and random draws read the same on both sides.
class Sides {
public:
    Sides()
    {
        for (Sheet* sheet : {static_cast<Sheet*>(&m_compiled), static_cast<Sheet*>(&m_read)})
            sheet->services.fixedTime = std::chrono::system_clock::time_point(std::chrono::seconds(1000));
    }

    void restart(uint64_t seed)
    {
        using textcalc::Interpreter;
        for (Interpreter* interpreter : {static_cast<Interpreter*>(&m_compiled.interpreter), static_cast<Interpreter*>(&m_read.interpreter)}) {
            interpreter->clearTables();
            interpreter->randomGenerator.seed(seed);
        }
    }

    ::testing::AssertionResult sameLines(const Case& c)
    {
        const Lines compiled = run(m_compiled, c);
        const Lines read = run(m_read, c);
        if (compiled == read)
            return ::testing::AssertionSuccess();
        auto failure = ::testing::AssertionFailure() << c.program;
        for (const auto& answer : c.answers)
            failure << "\n  answer: " << answer.value_or("(cancelled)");
        for (const auto& line : c.lines)
            failure << "\n  line: " << line;
        failure << "\n  compiled:";
        for (const auto& line : compiled)
            failure << "\n    " << line;
        failure << "\n  read:";
        for (const auto& line : read)
            failure << "\n    " << line;
        return failure;
    }

private:
    template <typename Side>
    static Lines run(Side& sheet, const Case& c)
    {
        sheet.services.inputs.assign(c.answers.begin(), c.answers.end());
        // Removed rather than cut short: a file system may write a truncated file's blocks out
        // at once, which would make the test slow.
        const std::filesystem::path file = sheet.directory / "textfiles" / "in.txt";
        std::filesystem::remove(file);
        if (!c.lines.empty()) {
            std::ofstream out(file, std::ios::binary);
            for (const std::string& line : c.lines)
                out << line << '\n';
        }
        return sheet.run(c.program);
    }

    ContextSheet m_compiled;
    BasicContextSheet<TextReader> m_read;
};

int fromEnvironment(const char* name, int byDefault)
{
    const char* value = std::getenv(name);
    return value ? std::atoi(value) : byDefault;
}

// The cases to run: `share` of ZOLT_DIFFERENTIAL_CASES (by default 3000 / share), at least
// one, counted from ZOLT_DIFFERENTIAL_SEED.
struct CaseRange {
    explicit CaseRange(int share)
        : first(fromEnvironment("ZOLT_DIFFERENTIAL_SEED", 0)),
          end(first + std::max(1, fromEnvironment("ZOLT_DIFFERENTIAL_CASES", 3000) / share))
    {
    }
    int first;
    int end;
};

TEST(Differential, RandomProgramsGiveTheSameLines)
{
    Sides sides;
    const CaseRange range(1);
    for (int c = range.first; c < range.end; ++c) {
        sides.restart(c);
        ASSERT_TRUE(sides.sameLines(ProgramMaker(static_cast<uint32_t>(c)).program())) << "case " << c;
    }
}

// One calculator per side keeps its tables from line to line, as the sheet does: the
// compiled forms must follow names that change meaning between runs.
TEST(Differential, LinesOfOneSheetGiveTheSameLines)
{
    Sides sides;
    const CaseRange range(10);
    for (int c = range.first; c < range.end; ++c) {
        sides.restart(c);
        ProgramMaker maker(static_cast<uint32_t>(1000000 + c));
        for (int line = 0; line < 10; ++line)
            ASSERT_TRUE(sides.sameLines(maker.program())) << "case " << c << " line " << line;
    }
}

TEST(Differential, ExpressionsGiveTheSameLines)
{
    Sides sides;
    const CaseRange range(1);
    for (int c = range.first; c < range.end; ++c) {
        sides.restart(c);
        ProgramMaker maker(static_cast<uint32_t>(2000000 + c));
        ASSERT_TRUE(sides.sameLines(
            maker.expressionAfter("a:=3; b:=1/2; x:=0.5; v[3]:=7; f(x):=x^2+a; g(x,y):=x-y*f(y); ")))
            << "case " << c;
    }
}

TEST(Differential, RunsOfManyDistinctTextsGiveTheSameLines)
{
    Sides sides;
    const CaseRange range(1000);
    for (int c = range.first; c < range.end; ++c) {
        sides.restart(c);
        ASSERT_TRUE(sides.sameLines(ProgramMaker(static_cast<uint32_t>(3000000 + c)).manyTexts())) << "case " << c;
    }
}

} // namespace
