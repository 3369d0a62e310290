// Reads an expression text into its compiled form: one pass that takes the same decisions as
// Interpreter::evalLevel at every character and records them as steps.
#include "textcalc/eval/eval_code.h"
#include "textcalc/language/tables.h"

#include "platform/stack_budget.h"

namespace textcalc::code {

using namespace evaluation;

namespace {

// Brackets nested deeper than this, or than the stack holds, are read as text (and end the
// run there as too deep).
constexpr int maxNesting = 200;

struct Unsupported {};

class Compiler {
public:
    Compiler(Code& code, char separator)
        : m_code(code), m_separator(separator), m_stackBase(__builtin_frame_address(0))
    {
    }

    // Reads one level from `pos` (just after its opening bracket) into a new level and
    // returns its number; `reached` tells whether its end can be reached (no step that always
    // fails stands before it), and pos ends after the level's closing character.
    uint32_t level(size_t& pos, int nesting, bool& reached);
    // A lone name or integer, which eval reads without a level.
    void plain();

private:
    void add(uint32_t k, Step step) { m_code.levels[k].push_back(step); }
    uint32_t name(std::string_view text);
    uint32_t literal(std::string_view literal, bool& valid);

    Code& m_code;
    char m_separator;
    // The compiler runs inside a run that may already use most of its stack budget, so it
    // keeps to a quarter of that budget on top.
    const void* m_stackBase;
    size_t m_stackBudget = platform::stackBudget() / 4;
};

uint32_t Compiler::name(std::string_view text)
{
    NameRef ref;
    ref.name = text;
    ref.constant = findConstant(text);
    m_code.names.push_back(ref);
    return static_cast<uint32_t>(m_code.names.size() - 1);
}

uint32_t Compiler::literal(std::string_view text, bool& valid)
{
    Number value;
    valid = literalValue(text, m_separator, value);
    if (!valid) {
        m_code.messages.push_back(invalidLiteral(text));
        return static_cast<uint32_t>(m_code.messages.size() - 1);
    }
    m_code.literals.push_back(value);
    return static_cast<uint32_t>(m_code.literals.size() - 1);
}

uint32_t Compiler::level(size_t& pos, int nesting, bool& reached)
{
    if (nesting > maxNesting || platform::stackUsed(m_stackBase) > m_stackBudget)
        throw Unsupported();
    const std::string_view text = m_code.text;
    const uint32_t k = static_cast<uint32_t>(m_code.levels.size());
    m_code.levels.emplace_back();
    reached = true;
    for (;;) {
        const char c = pos < text.size() ? text[pos] : ';';
        if (c == '(' || c == '[') {
            ++pos;
            const uint32_t child = level(pos, nesting + 1, reached);
            add(k, {StepKind::Bracket, c, false, 0, child});
            if (!reached)
                return k;
        } else if (c == ')' || c == ']' || c == ';') {
            add(k, {StepKind::Close, c});
            if (pos < text.size())
                ++pos;
            return k;
        } else if (c == '*' || c == '/' || c == '+' || c == '-' || c == '^') {
            ++pos;
            const bool negate = readSigns(text, pos);
            const StepKind kind = c == '^' ? StepKind::Power : (c == '*' || c == '/' ? StepKind::Multiply : StepKind::Add);
            add(k, {kind, c, negate});
        } else if (isDigit(c) || c == '.') {
            const size_t start = pos;
            pos = literalEnd(text, pos);
            bool valid;
            const uint32_t index = literal(text.substr(start, pos - start), valid);
            add(k, {valid ? StepKind::Literal : StepKind::BadLiteral, c, false, index});
            if (!valid) {
                reached = false;
                return k;
            }
        } else if (isLetter(c)) {
            const size_t start = pos;
            pos = nameEnd(text, pos);
            const uint32_t ref = name(text.substr(start, pos - start));
            const char next = pos < text.size() ? text[pos] : ';';
            if (next == '[') {
                ++pos;
                const uint32_t child = level(pos, nesting + 1, reached);
                add(k, {StepKind::Element, c, false, ref, child});
                if (!reached)
                    return k;
            } else if (next == '(') {
                // The bracket is an argument list, or a level when the name turns out to be
                // a variable (x(2) multiplies) or a one-argument built-in: either way the call
                // ends at the bracket's closing character.
                CallSite site;
                site.name = ref;
                site.builtin = library::find(m_code.names[ref].name);
                site.argumentsAt = pos + 1;
                size_t scan = site.argumentsAt;
                scanArguments(text, scan, site.arguments);
                size_t inner = site.argumentsAt;
                bool innerReached;
                site.child = level(inner, nesting + 1, innerReached);
                m_code.calls.push_back(std::move(site));
                add(k, {StepKind::Call, c, false, static_cast<uint32_t>(m_code.calls.size() - 1)});
                pos = closingBracket(text, pos + 1);
                if (pos < text.size())
                    ++pos;
            } else {
                add(k, {StepKind::Name, c, false, ref});
            }
        } else {
            add(k, {StepKind::Unexpected, c, false, static_cast<uint32_t>(pos)});
            reached = false;
            return k;
        }
    }
}

void Compiler::plain()
{
    const std::string_view text = m_code.text;
    m_code.plain = true;
    m_code.levels.emplace_back();
    if (isLetter(text[0])) {
        add(0, {StepKind::Name, text[0], false, name(text)});
    } else {
        bool valid;
        add(0, {StepKind::Literal, text[0], false, literal(text, valid)});
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
    // A ";" ends every level it meets, which argument lists do not see: such texts (only
    // lines read from files can hold one) keep being read as text.
    if (text.find(';') != std::string_view::npos) {
        code->fallback = true;
        return code;
    }
    Compiler compiler(*code, separator);
    if (isPlain(text)) {
        compiler.plain();
        return code;
    }
    try {
        size_t pos = 0;
        bool reached;
        compiler.level(pos, 0, reached);
    } catch (const Unsupported&) {
        auto fallback = std::make_unique<Code>();
        fallback->text = text;
        fallback->fallback = true;
        return fallback;
    }
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
    return code->fallback ? nullptr : code;
}

} // namespace textcalc::code
