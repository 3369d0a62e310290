#include "textcalc/language/expression_syntax.h"
#include "textcalc/eval/eval_support.h"
#include "textcalc/library/library.h"
#include "textcalc/number/value.h"

#include <vector>

namespace textcalc {

namespace {

using namespace evaluation;

// Deeper texts are left to the run, which ends them with its own depth error.
constexpr int MaxCheckedDepth = 2000;

std::string unexpectedMessage(char c)
{
    const char shown = c == '%' ? '=' : (c == '#' ? ':' : c);
    return std::string("Unexpected character \" ") + shown + " \".";
}

class SyntaxReader {
public:
    explicit SyntaxReader(std::string_view text) : m_text(text) {}

    // One level from `pos` up to its ")", "]" or the end; pos ends after it.
    void level(size_t& pos, int depth);
    // An argument list from just after "(": each argument a whole expression.
    void list(size_t& pos, int depth);

    std::optional<SyntaxError> error;

private:
    char at(size_t pos) const { return pos < m_text.size() ? m_text[pos] : ';'; }
    void fail(size_t pos, std::string message)
    {
        if (!error)
            error = SyntaxError{pos, std::move(message)};
    }
    void operand(size_t& pos, int depth);

    std::string_view m_text;
};

void SyntaxReader::level(size_t& pos, int depth)
{
    if (depth > MaxCheckedDepth) {
        pos = m_text.size();
        return;
    }
    bool afterOperand = false, pending = false;
    while (!error) {
        const char c = at(pos);
        if (c == ')' || c == ']' || c == ';') {
            if (!afterOperand && pending)
                fail(pos, unexpectedMessage(c));
            if (pos < m_text.size())
                ++pos;
            return;
        }
        if (c == '*' || c == '/' || c == '^' || c == '+' || c == '-') {
            if (!afterOperand && c != '+' && c != '-')
                fail(pos, unexpectedMessage(c));
            ++pos;
            readSigns(m_text, pos);
            afterOperand = false;
            pending = true;
        } else if (c == '(' || c == '[' || isDigit(c) || c == '.' || isLetter(c)) {
            operand(pos, depth);
            afterOperand = true;
        } else {
            fail(pos, unexpectedMessage(c));
        }
    }
}

void SyntaxReader::operand(size_t& pos, int depth)
{
    const size_t start = pos;
    const char c = m_text[pos];
    if (c == '(' || c == '[') {
        level(++pos, depth + 1);
    } else if (isDigit(c) || c == '.') {
        pos = literalEnd(m_text, pos);
        const std::string_view literal = m_text.substr(start, pos - start);
        Number value;
        if (!literalValue(literal, '.', value))
            fail(start, invalidLiteral(literal));
    } else {
        pos = nameEnd(m_text, pos);
        const char next = at(pos);
        if (next == '[') {
            level(++pos, depth + 1);
        } else if (next == '(') {
            // A one-argument built-in reads a level; anything else may be a call.
            if (library::find(m_text.substr(start, pos - start)).oneArgument)
                level(++pos, depth + 1);
            else
                list(++pos, depth + 1);
        }
    }
}

void SyntaxReader::list(size_t& pos, int depth)
{
    for (;;) {
        std::string_view argument;
        const size_t start = pos;
        const char stop = scanArgument(m_text, pos, argument);
        SyntaxReader inner(argument);
        size_t innerPos = 0;
        inner.level(innerPos, depth);
        if (inner.error)
            fail(start + inner.error->at, inner.error->message);
        if (error || stop == ')' || stop == ']' || stop == ';')
            return;
    }
}

} // namespace

std::optional<SyntaxError> expressionError(std::string_view text)
{
    SyntaxReader reader(text);
    size_t pos = 0;
    reader.level(pos, 0);
    return reader.error;
}

} // namespace textcalc
