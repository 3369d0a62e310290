// Random programs and expressions run twice, once evaluating each expression from its compiled
// form and once reading its text every time: the output lines must be the same, errors and
// their moment included. ZOLT_DIFFERENTIAL_CASES sets the number of cases for a long run by
// hand (the default keeps CI quick).
#include "run_helper.h"

#include <cstdlib>
#include <random>

using namespace textcalc::testing_support;

namespace {

// Makes program texts in the language as a user types them: names, literals (some
// malformed), operators with signs after them, brackets of both kinds, implicit
// multiplication, arrays, user functions with dynamic scope, built-ins and numerical operators,
// and now and then a character that does not belong.
class ProgramMaker {
public:
    explicit ProgramMaker(uint32_t seed) : m_random(seed) {}

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
        if (chance(60))
            e = damage(e);
        return e;
    }

    std::string program()
    {
        std::string p;
        const int statements = 1 + static_cast<int>(below(7));
        for (int k = 0; k < statements; ++k) {
            if (k > 0)
                p += "; ";
            p += statement();
        }
        return p;
    }

private:
    bool chance(uint32_t oneIn) { return below(oneIn) == 0; }
    uint32_t below(uint32_t n) { return static_cast<uint32_t>(m_random() % n); }
    std::string pick(std::initializer_list<const char*> options)
    {
        return *(options.begin() + below(static_cast<uint32_t>(options.size())));
    }

    std::string statement()
    {
        switch (below(12)) {
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
        default:
            return expression();
        }
    }

    // Function bodies draw nothing at random: how deep an endless recursion gets before it
    // fails depends on the stack frames of the evaluator that runs it.
    std::string body()
    {
        m_inBody = true;
        std::string e = expression(1);
        m_inBody = false;
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
            return "(" + expression(depth + 1) + pick({")", ")", ")", "]"});
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
            if (!m_inBody && chance(3))
                return pick({"random", "randomn(6)", "alter(0.5)"});
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

    std::mt19937 m_random;
    bool m_inBody = false;
};

// The clock stands still and the generator starts alike, so that time and random draws
// read the same on both sides.
void setUp(ContextSheet& sheet, bool compiled, uint64_t seed)
{
    sheet.services.fixedTime = std::chrono::system_clock::time_point(std::chrono::seconds(1000));
    sheet.interpreter.compiledEvaluation = compiled;
    sheet.context.randomGenerator.seed(seed);
}

Lines runWith(bool compiled, const std::string& program, uint64_t seed)
{
    ContextSheet sheet;
    setUp(sheet, compiled, seed);
    return sheet.run(program);
}

int caseCount(int byDefault)
{
    const char* n = std::getenv("ZOLT_DIFFERENTIAL_CASES");
    return n ? std::atoi(n) : byDefault;
}

TEST(Differential, RandomProgramsGiveTheSameLines)
{
    const int cases = caseCount(3000);
    for (int c = 0; c < cases; ++c) {
        ProgramMaker maker(static_cast<uint32_t>(c));
        const std::string program = maker.program();
        ASSERT_EQ(runWith(true, program, c), runWith(false, program, c)) << "case " << c << ": " << program;
    }
}

// One calculator per side keeps its tables from line to line, as the sheet does: the
// compiled forms must follow names that change meaning between runs.
TEST(Differential, LinesOfOneSheetGiveTheSameLines)
{
    const int cases = caseCount(3000) / 10;
    for (int c = 0; c < cases; ++c) {
        ContextSheet compiled, read;
        setUp(compiled, true, c);
        setUp(read, false, c);
        ProgramMaker maker(static_cast<uint32_t>(1000000 + c));
        for (int line = 0; line < 10; ++line) {
            const std::string program = maker.program();
            ASSERT_EQ(compiled.run(program), read.run(program)) << "case " << c << " line " << line << ": " << program;
        }
    }
}

TEST(Differential, ExpressionsGiveTheSameLines)
{
    const int cases = caseCount(3000);
    for (int c = 0; c < cases; ++c) {
        ProgramMaker maker(static_cast<uint32_t>(2000000 + c));
        const std::string program = "a:=3; b:=1/2; x:=0.5; v[3]:=7; f(x):=x^2+a; g(x,y):=x-y*f(y); " + maker.expression();
        ASSERT_EQ(runWith(true, program, c), runWith(false, program, c)) << "case " << c << ": " << program;
    }
}

} // namespace
