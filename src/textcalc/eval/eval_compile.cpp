// Reads an expression text into its compiled form: one pass over the text that cuts it where
// the evaluator reads it (characters, literals, names, operators with their signs) and takes
// every decision that does not depend on the tables. The pass does not nest, so any depth of
// brackets compiles; how deep a run may go is the run's own limit.
#include "textcalc/eval/eval_code.h"
#include "textcalc/language/tables.h"

#include <algorithm>

namespace textcalc::code {

using namespace evaluation;

namespace {

class Compiler {
public:
    Compiler(Code& code, char separator) : m_code(code), m_text(code.text), m_separator(separator) {}

    void steps();
    // A lone name or integer, which eval reads without a level.
    void plain();

private:
    void add(StepKind kind, char c, size_t at, uint32_t index = 0, bool negate = false)
    {
        m_code.steps.push_back({kind, c, negate, index, static_cast<uint32_t>(at)});
    }
    uint32_t name(std::string_view text);
    void literal(size_t start);
    void identifier(size_t start);
    bool plainSumAt(size_t k, bool brackets) const;
    void markPlainSums();

    Code& m_code;
    const std::string_view m_text;
    char m_separator;
    size_t m_pos = 0;
    std::vector<size_t> m_listEnds; // per call site: where its argument list ends
};

uint32_t Compiler::name(std::string_view text)
{
    NameRef ref;
    ref.name = text;
    ref.constant = findConstant(text);
    m_code.names.push_back(ref);
    return static_cast<uint32_t>(m_code.names.size() - 1);
}

void Compiler::literal(size_t start)
{
    const std::string_view text = m_text.substr(start, m_pos - start);
    Number value;
    if (literalValue(text, m_separator, value)) {
        m_code.literals.push_back(value);
        add(StepKind::Literal, m_text[start], start, static_cast<uint32_t>(m_code.literals.size() - 1));
    } else {
        m_code.messages.push_back(invalidLiteral(text));
        add(StepKind::BadLiteral, m_text[start], start, static_cast<uint32_t>(m_code.messages.size() - 1));
    }
}

// A name, and the bracket after it when there is one.
void Compiler::identifier(size_t start)
{
    m_pos = nameEnd(m_text, m_pos);
    const uint32_t ref = name(m_text.substr(start, m_pos - start));
    const char next = m_pos < m_text.size() ? m_text[m_pos] : ';';
    if (next == '[') {
        ++m_pos;
        add(StepKind::Element, m_text[start], start, ref);
    } else if (next == '(') {
        // The bracket is an argument list, or a level when the name turns out to be a
        // variable (x(2) multiplies) or a one-argument built-in.
        CallSite site;
        site.name = ref;
        site.builtin = library::find(m_code.names[ref].name);
        site.argumentsAt = ++m_pos;
        size_t listEnd = m_pos;
        scanArguments(m_text, listEnd, site.arguments);
        m_listEnds.push_back(listEnd);
        m_code.calls.push_back(std::move(site));
        add(StepKind::Call, m_text[start], start, static_cast<uint32_t>(m_code.calls.size() - 1));
    } else {
        add(StepKind::Name, m_text[start], start, ref);
    }
}

void Compiler::steps()
{
    while (m_pos < m_text.size()) {
        const size_t start = m_pos;
        const char c = m_text[m_pos];
        if (c == '(' || c == '[') {
            ++m_pos;
            add(StepKind::Open, c, start);
        } else if (c == ')' || c == ']' || c == ';') {
            ++m_pos;
            add(StepKind::Close, c, start);
        } else if (c == '*' || c == '/' || c == '+' || c == '-' || c == '^') {
            ++m_pos;
            const bool negate = readSigns(m_text, m_pos);
            const StepKind kind = c == '^' ? StepKind::Power : (c == '*' || c == '/' ? StepKind::Multiply : StepKind::Add);
            add(kind, c, start, 0, negate);
        } else if (isDigit(c) || c == '.') {
            m_pos = literalEnd(m_text, m_pos);
            literal(start);
        } else if (isLetter(c)) {
            identifier(start);
        } else {
            ++m_pos;
            add(StepKind::Unexpected, c, start);
        }
    }
    add(StepKind::End, ';', m_text.size());
    for (size_t k = 0; k < m_listEnds.size(); ++k)
        m_code.calls[k].afterList = m_code.stepAt(m_listEnds[k]);
    markPlainSums();
}

// Whether the level that starts at step k is [sign] operand, then operator and operand any
// number of times, with only "+", "-", "*" and "/", up to its end. A bracket's level, an
// element or a call is an operand where its end is known before it runs: not in a text with
// ";", which ends a bracket's level early (and a built-in's reading of it with it).
bool Compiler::plainSumAt(size_t k, bool brackets) const
{
    const std::vector<Step>& steps = m_code.steps;
    const auto next = [&](size_t i) -> size_t {
        const Step& step = steps[i];
        switch (step.kind) {
        case StepKind::Name:
        case StepKind::Literal:
            return i + 1;
        case StepKind::Call:
        case StepKind::Open:
        case StepKind::Element:
            return brackets ? step.after : 0;
        default:
            return 0;
        }
    };
    if (steps[k].kind == StepKind::Add)
        ++k;
    for (;;) {
        const size_t after = next(k);
        if (after == 0)
            return false;
        const StepKind kind = steps[after].kind;
        if (kind == StepKind::Close || kind == StepKind::End)
            return true;
        if (kind != StepKind::Add && kind != StepKind::Multiply)
            return false;
        k = after + 1;
    }
}

void Compiler::markPlainSums()
{
    std::vector<Step>& steps = m_code.steps;
    const bool brackets = m_text.find(';') == std::string_view::npos;
    if (brackets) {
        // Brackets pair by depth alone, as closingBracket() pairs them; one left open ends
        // where the text ends.
        std::vector<size_t> open;
        for (size_t k = 0; k < steps.size(); ++k) {
            const StepKind kind = steps[k].kind;
            if (kind == StepKind::Open || kind == StepKind::Element || kind == StepKind::Call) {
                open.push_back(k);
            } else if (kind == StepKind::Close && !open.empty()) {
                steps[open.back()].after = static_cast<uint32_t>(k + 1);
                open.pop_back();
            }
        }
        for (size_t k : open)
            steps[k].after = static_cast<uint32_t>(steps.size() - 1);
    }
    m_code.plainSums.assign(steps.size(), 0);
    for (size_t k = 0; k < steps.size(); ++k)
        if (k == 0 || steps[k - 1].kind == StepKind::Open || steps[k - 1].kind == StepKind::Call
            || steps[k - 1].kind == StepKind::Element)
            m_code.plainSums[k] = plainSumAt(k, brackets);
}

void Compiler::plain()
{
    m_code.plain = true;
    if (isLetter(m_text[0])) {
        add(StepKind::Name, m_text[0], 0, name(m_text));
    } else {
        m_pos = m_text.size();
        literal(0);
    }
}

// Whether eval reads the text as one operand without a level: a name, or an integer of at
// most 18 digits (a longer one might overflow the quick conversion).
bool isPlain(std::string_view text)
{
    if (text.empty() || text.size() > MaxNameLength || nameEnd(text, 0) != text.size())
        return false;
    if (isLetter(text[0]))
        return true;
    for (size_t k = 0; k < text.size(); ++k)
        if (!isDigit(text[k]) || k >= 18)
            return false;
    return true;
}

} // namespace

uint32_t Code::stepAt(size_t pos) const
{
    // An argument list ends just after ")" or "]", which is a step of its own, or at the end.
    const auto at = std::lower_bound(steps.begin(), steps.end(), pos,
                                     [](const Step& step, size_t p) { return step.pos < p; });
    return static_cast<uint32_t>(at - steps.begin());
}

void scanArguments(std::string_view text, size_t& pos, std::vector<Argument>& arguments)
{
    for (;;) {
        Argument a;
        a.stop = scanArgument(text, pos, a.text);
        arguments.push_back(a);
        if (a.stop == ')' || a.stop == ']' || a.stop == ';')
            return;
    }
}

std::unique_ptr<Code> compile(std::string_view text, char separator)
{
    auto code = std::make_unique<Code>();
    code->text = text;
    Compiler compiler(*code, separator);
    if (isPlain(text))
        compiler.plain();
    else
        compiler.steps();
    return code;
}

Code* CodeCache::lookUp(std::string_view text, char separator)
{
    Code* code;
    if (const auto at = m_codes.find(text); at != m_codes.end()) {
        code = at->second.get();
    } else {
        if (m_codes.size() >= capacity)
            return nullptr;
        std::unique_ptr<Code> compiled = compile(text, separator);
        code = compiled.get();
        m_codes.emplace(std::string_view(code->text), std::move(compiled));
    }
    m_recent[(reinterpret_cast<uintptr_t>(text.data()) >> 4) % m_recent.size()] = {text.data(), code};
    return code;
}

} // namespace textcalc::code
