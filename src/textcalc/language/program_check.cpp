// Calculator::check: a program's errors found without running it. The text is prepared and
// compiled as a run would (on a calculator of its own, so nothing of this one changes), with
// a map from the prepared items back to the text; every statement's expressions are read for
// the errors that need no tables. A line that preparation refuses is blanked and the rest
// prepared again, so that each line in error gets its first error.
#include "textcalc/language/calculator.h"
#include "textcalc/language/compile.h"
#include "textcalc/language/expression_syntax.h"
#include "textcalc/language/interpreter.h"
#include "textcalc/language/markers.h"

#include <algorithm>
#include <map>

namespace textcalc {

namespace {

using markers::isMarker;

// An expression of an item: where it starts in the item, and its text.
struct Part {
    size_t offset;
    std::string text;
};

// The two sides of a condition (splitcond), each where it stands in the item.
std::vector<Part> conditionParts(const std::string& item)
{
    const Condition c = splitcond(item);
    if (c.Right.empty() && c.relation == RelPositive)
        return {{0, c.Left}};
    const bool leftFirst = item.compare(0, c.Left.size(), c.Left) == 0 &&
                           item.size() >= c.Right.size() &&
                           item.compare(item.size() - c.Right.size(), c.Right.size(), c.Right) == 0;
    const std::string& first = leftFirst ? c.Left : c.Right;
    const std::string& second = leftFirst ? c.Right : c.Left;
    return {{0, first}, {item.size() - second.size(), second}};
}

// The expressions of a classified statement, found in its item.
std::vector<Part> statementParts(const std::string& item, const Instruction& in)
{
    switch (in.kind) {
    case KindExpression:
        return {{0, item}};
    case KindAssignment:
        return {{item.find('#') + 1, in.Text1}};
    case KindFunctionDefinition:
        return {{item.find(")#") + 2, item.substr(item.find(")#") + 2)}};
    case KindArrayElement:
        return {{item.find('[') + 1, in.Text1}, {item.find("]#") + 2, in.Text2}};
    case KindShowText:
    case KindTextLabel:
    case KindAssign: // their texts are literals
        return {};
    default:
        break;
    }
    std::vector<Part> parts;
    size_t from = item.find('(');
    if (from == std::string::npos)
        return parts;
    for (const std::string* text : {&in.Text1, &in.Text2, &in.Text3}) {
        const size_t at = text->empty() ? std::string::npos : item.find(*text, from + 1);
        if (at == std::string::npos)
            continue; // nothing, or a default the statement left out
        parts.push_back({at, *text});
        from = at + text->size();
    }
    return parts;
}

class Checker {
public:
    Checker(Interpreter& run, const std::string& text) : m_run(run), m_source(text), m_text(text)
    {
        for (char& c : m_text) // lines run as one group, joined with blanks
            if (c == '\n' || c == '\r')
                c = ' ';
    }

    ProgramCheck check();

private:
    // What a run meets first: preparation, then the statements' forms, then expressions.
    enum Stage { Preparation, Compilation, Evaluation };
    // Records the error at byte `at` of the text unless its line has one that a run would
    // meet before it.
    void report(size_t at, std::string message, Stage stage);
    // Runs `work`; a failure is reported at `at`.
    template <typename Work>
    bool reportFailure(size_t at, Work work);
    // Blanks the line of byte `at`; false when it was blank already.
    bool blankLineAt(size_t at);
    void checkItems(std::vector<Block>& blocks, const SourceMap& map);
    void checkExpression(const Part& part, const std::vector<uint32_t>& origins);
    void defineFunction(const std::string& item);

    Interpreter& m_run;
    const std::string& m_source;
    std::string m_text;
    struct Found {
        Stage stage;
        ProgramError error;
    };
    std::map<int, Found> m_errors; // by line
    ProgramCheck m_result;
};

void Checker::report(size_t at, std::string message, Stage stage)
{
    at = std::min(at, m_source.size());
    int line = 1;
    size_t lineStart = 0;
    for (size_t k = 0; k < at; ++k)
        if (m_source[k] == '\n') {
            ++line;
            lineStart = k + 1;
        }
    int column = 1;
    for (size_t k = lineStart; k < at; ++k)
        column += (static_cast<unsigned char>(m_source[k]) & 0xC0) != 0x80; // characters, not bytes
    const auto known = m_errors.find(line);
    if (known == m_errors.end())
        m_errors.emplace(line, Found{stage, {line, column, std::move(message)}});
    else if (std::pair(stage, column) < std::pair(known->second.stage, known->second.error.column))
        known->second = Found{stage, {line, column, std::move(message)}};
}

template <typename Work>
bool Checker::reportFailure(size_t at, Work work)
{
    try {
        work();
        return true;
    } catch (const RunError& failure) {
        report(at, failure.message(), Compilation);
    }
    return false;
}

bool Checker::blankLineAt(size_t at)
{
    bool blanked = false;
    for (size_t k = at == 0 ? 0 : m_source.rfind('\n', at - 1) + 1; k < m_text.size() && m_source[k] != '\n'; ++k) {
        blanked = blanked || m_text[k] != ' ';
        m_text[k] = ' ';
    }
    return blanked;
}

void Checker::checkExpression(const Part& part, const std::vector<uint32_t>& origins)
{
    const std::optional<SyntaxError> error = expressionError(part.text);
    if (!error)
        return;
    const size_t k = part.offset + error->at;
    // An error at the end of the item lies just after its last character.
    report(k < origins.size() ? origins[k] : origins.back() + 1, error->message, Evaluation);
}

void Checker::defineFunction(const std::string& item)
{
    DefinedFunction f;
    f.name = item.substr(0, item.find('('));
    const size_t open = item.find('(') + 1;
    std::string parameters = item.substr(open, item.find(")#") - open);
    for (size_t start = 0; start <= parameters.size();) {
        const size_t comma = std::min(parameters.find(',', start), parameters.size());
        if (comma > start)
            f.parameters.push_back(parameters.substr(start, comma - start));
        start = comma + 1;
    }
    for (DefinedFunction& known : m_result.functions)
        if (known.name == f.name) {
            known = f;
            return;
        }
    m_result.functions.push_back(std::move(f));
}

// Each statement on its own, in the order a compilation meets them: its form (a statement that
// fails is replaced by an empty expression, so that compiling the blocks afterwards finds the
// errors of their structure), then its expressions.
void Checker::checkItems(std::vector<Block>& blocks, const SourceMap& map)
{
    for (size_t b = 0; b < blocks.size(); ++b) {
        for (size_t p = 0; p < blocks[b].size(); ++p) {
            std::string& item = blocks[b][p];
            const std::vector<uint32_t>& origins = map.items[b][p];
            if (isMarker(item))
                continue;
            const std::string& before = p > 0 ? blocks[b][p - 1] : std::string();
            std::vector<Part> parts;
            if (isMarker(before, markers::If) || isMarker(before, markers::While) || isMarker(before, markers::Repeat)) {
                parts = conditionParts(item);
            } else if (isMarker(before, markers::For)) {
                const size_t hash = item.find('#');
                if (hash != std::string::npos) {
                    reportFailure(origins[0], [&] { variableIndex(m_run, item.substr(0, std::min(hash, MaxNameLength))); });
                    parts = {{hash + 1, item.substr(hash + 1)}};
                }
            } else if (isMarker(before, markers::To)) {
                parts = {{0, item}};
            } else {
                Instruction in;
                if (!reportFailure(origins[0], [&] { in = classify(m_run, item); })) {
                    item.assign(1, '0');
                    continue;
                }
                if (in.kind == KindFunctionDefinition)
                    defineFunction(item);
                parts = statementParts(item, in);
            }
            for (const Part& part : parts)
                checkExpression(part, origins);
        }
    }
}

ProgramCheck Checker::check()
{
    for (;;) {
        SourceMap map;
        std::vector<Block> blocks;
        try {
            blocks = prepare(m_run, m_text, &map);
        } catch (const RunError& failure) {
            const size_t at = map.errorAt == SourceMap::None ? 0 : map.errorAt;
            report(at, failure.message(), Preparation);
            if (blankLineAt(at))
                continue;
            break;
        }
        checkItems(blocks, map);
        try {
            compile(m_run, blocks, &map);
        } catch (const RunError& failure) {
            const size_t block = map.failedBlock, item = map.failedItem;
            report(block == SourceMap::None ? 0 : map.items[block][item][0], failure.message(), Compilation);
        }
        break;
    }
    for (const Variable& v : m_run.variables())
        m_result.variables.push_back(v.Name);
    for (const Array& a : m_run.arrays())
        m_result.arrays.push_back(a.Name);
    for (auto& [line, found] : m_errors)
        m_result.errors.push_back(std::move(found.error));
    return std::move(m_result);
}

} // namespace

ProgramCheck Calculator::check(const std::string& text) const
{
    // A calculator of its own: compiling makes table entries. It knows this one's text
    // files, which statements may name without assigning them again.
    Calculator scratch(m_interpreter->services);
    for (const TextFile& file : TextFiles)
        scratch.TextFiles.emplace_back().Name = file.Name;
    return Checker(*scratch.m_interpreter, text).check();
}

} // namespace textcalc
