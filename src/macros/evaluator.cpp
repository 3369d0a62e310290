#include "evaluator.h"

#include "formula_math.h"
#include "platform/checked.h"
#include "platform/floattext.h"
#include "platform/stack_budget.h"

#include <numbers>

namespace macros {

namespace {

// Each bracket is one recursion of parseLevel; deeper nesting than this, or than the stack
// allows, fails instead of exhausting the stack.
constexpr int maxDepth = 256;

// Lower case, no blanks or ";", "e-" marked as "f" so that the exponent's minus is not read as
// an operator, and one ";" as the end mark.
std::string prepare(const std::string& text)
{
    std::string s;
    s.reserve(text.size() + 1);
    for (char c : text) {
        if (c == ' ' || c == ';')
            continue;
        s += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    std::string out;
    out.reserve(s.size() + 1);
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == 'e' && i + 1 < s.size() && s[i + 1] == '-') {
            out += 'f';
            ++i;
        } else {
            out += s[i];
        }
    }
    out += ';';
    return out;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isNameChar(char c) { return (c >= 'a' && c <= 'z') || isDigit(c); }

class Parser {
public:
    Parser(std::string text, const Registers& x)
        : m_text(std::move(text)), m_x(x), m_stackBase(__builtin_frame_address(0)), m_stackBudget(platform::stackBudget())
    {
    }

    // One nesting level, up to and including its ")" or the end mark.
    long double parseLevel(int depth);

private:
    struct Token {
        char op; // 0 for an operand
        long double value;
    };

    // The parse state of one level and its three finishing steps.
    struct Level {
        long double sum = 0.0L, product = 1.0L, power = 1.0L, operand = 0.0L;
        char additive = '+', multiplicative = '*';
        bool powerPending = false;

        void finishPower()
        {
            power = powerPending ? raise(power, operand) : operand;
        }
        void finishProduct()
        {
            product = multiplicative == '*' ? platform::mul(product, power) : platform::divide(product, power);
            power = 1.0L;
            powerPending = false;
        }
        void finishSum()
        {
            sum = additive == '+' ? platform::add(sum, product) : platform::sub(sum, product);
            product = 1.0L;
            multiplicative = '*';
        }
    };

    Token next(int depth);
    long double number();
    long double named(int depth);

    std::string m_text;
    size_t m_pos = 0;
    const Registers& m_x;
    const void* m_stackBase;
    size_t m_stackBudget;
};

long double Parser::parseLevel(int depth)
{
    if (depth > maxDepth || platform::stackUsed(m_stackBase) > m_stackBudget)
        throw EvalError();
    Level level;
    for (;;) {
        const Token t = next(depth);
        switch (t.op) {
        case 0:
            // The last operand is never cleared: "2*-3" reuses 2 before the minus.
            level.operand = t.value;
            break;
        case '^':
            level.finishPower();
            level.powerPending = true;
            break;
        case '*':
        case '/':
            level.finishPower();
            level.finishProduct();
            level.multiplicative = t.op;
            break;
        case '+':
        case '-':
            level.finishPower();
            level.finishProduct();
            level.finishSum();
            level.additive = t.op;
            break;
        default: // ")" or the end mark
            level.finishPower();
            level.finishProduct();
            level.finishSum();
            return level.sum;
        }
    }
}

Parser::Token Parser::next(int depth)
{
    // The end mark of a level is consumed by an inner level when a ")" is missing; reading on
    // past the end is a failure, never an access beyond the text.
    if (m_pos >= m_text.size())
        throw EvalError();
    const char c = m_text[m_pos];
    switch (c) {
    case ')':
    case '*':
    case '+':
    case '-':
    case '/':
    case ';':
    case '^':
        ++m_pos;
        return {c, 0.0L};
    default:
        break;
    }
    if (isDigit(c))
        return {0, number()};
    return {0, named(depth)};
}

// A run of ".", digits, "e" and "f" ("f" standing for "e-"); "." is the point in any locale.
long double Parser::number()
{
    std::string run;
    while (isDigit(m_text[m_pos]) || m_text[m_pos] == '.' || m_text[m_pos] == 'e' || m_text[m_pos] == 'f') {
        if (m_text[m_pos] == 'f')
            run += "e-";
        else
            run += m_text[m_pos];
        ++m_pos;
    }
    long double value = 0.0L;
    if (!platform::parseFloat(run, '.', value))
        throw EvalError();
    return value;
}

// A name (possibly empty): pi, a register, or a function (the empty name being a plain
// bracket) applied to the level in its brackets.
long double Parser::named(int depth)
{
    const size_t start = m_pos;
    while (isNameChar(m_text[m_pos]))
        ++m_pos;
    const std::string name = m_text.substr(start, m_pos - start);
    if (name == "pi")
        return std::numbers::pi_v<long double>;
    if (name.size() == 1 && name.find_first_of("aiknxt") == 0)
        return m_x[0];
    if (name.size() == 2 && name[0] == 'x' && name[1] >= '1' && name[1] <= '6')
        return m_x[static_cast<size_t>(name[1] - '1')];
    if (m_text[m_pos] != '(')
        throw EvalError();
    ++m_pos;
    const long double argument = parseLevel(depth + 1);
    return name.empty() ? argument : applyFunction(name, argument);
}

} // namespace

long double eval(const std::string& text, const Registers& x)
{
    try {
        Parser parser(prepare(text), x);
        return parser.parseLevel(0);
    } catch (const platform::FloatError&) {
        throw EvalError();
    }
}

} // namespace macros
