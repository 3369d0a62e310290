// Statement forms: one prepared statement text becomes one instruction.
#include "textcalc/language/compile.h"
#include "textcalc/eval/eval_support.h"

namespace textcalc {

namespace {

bool startsWith(const std::string& s, std::string_view prefix) { return s.compare(0, prefix.size(), prefix) == 0; }

// The characters from 1-based position `from` up to, not including, the last character
// (the closing ")").
std::string inner(const std::string& s, size_t from)
{
    return from <= s.size() ? s.substr(from - 1, s.size() - from) : std::string();
}

// A literal reference: the decimal index of a string literal.
bool literalIndex(const std::string& text, size_t count, size_t& index)
{
    if (text.empty() || text.size() > 9)
        return false;
    index = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        index = index * 10 + static_cast<size_t>(c - '0');
    }
    return index < count;
}

// "name(operand)": the text between the prefix and the closing ")" names a variable (Inc, Dec),
// a text file (Reset, Rewrite, Append, Close), a string literal (ShowText, TextLabel) or is an
// expression (NumLabel, ShowNum, Pause). No prefix begins another, so the order does not matter.
enum class Operand { Variable, TextFile, Literal, Expression };
struct OperandStatement {
    std::string_view prefix;
    Kind kind;
    Operand operand;
    const char* invalidLiteral = nullptr; // the error of a Literal operand that is none
};
constexpr OperandStatement operandStatements[] = {
    {"inc(", KindInc, Operand::Variable},
    {"dec(", KindDec, Operand::Variable},
    {"reset(", KindReset, Operand::TextFile},
    {"rewrite(", KindRewrite, Operand::TextFile},
    {"append(", KindAppend, Operand::TextFile},
    {"close(", KindClose, Operand::TextFile},
    {"showtext(", KindShowText, Operand::Literal, "Invalid string in \" ShowText \" statement."},
    {"textlabel(", KindTextLabel, Operand::Literal, "Invalid string in \" TextLabel \" statement."},
    {"numlabel(", KindNumLabel, Operand::Expression},
    {"shownum(", KindShowNum, Operand::Expression},
    {"pause(", KindPause, Operand::Expression}};

// "writeln(f,e)" and "assign(f,'name')" read their two arguments themselves.
constexpr std::string_view WriteLnPrefix = "writeln(";
constexpr std::string_view AssignPrefix = "assign(";

struct CoordinateStatement {
    std::string_view prefix;
    Kind kind;
    int arguments;
};
constexpr CoordinateStatement coordinateStatements[] = {
    {"setcolor(", KindSetColor, 3}, {"floodfill(", KindFloodFill, 2}, {"moveto(", KindMoveTo, 2},
    {"spot(", KindSpot, 1},         {"setsize(", KindSetSize, 2},     {"lineto(", KindLineTo, 2},
    {"rectto(", KindRectTo, 2},     {"ellipto(", KindEllipTo, 2}};

struct OptionalSecondStatement {
    std::string_view prefix;
    Kind kind;
    const char* defaultSecond;
};
constexpr OptionalSecondStatement optionalSecondStatements[] = {
    {"setpen(", KindSetPen, "1"}, {"setfont(", KindSetFont, "12"}, {"setbrush(", KindSetBrush, "0"}};

struct WordStatement {
    std::string_view word;
    Kind kind;
};
constexpr WordStatement wordStatements[] = {{"output+", KindOutputOn}, {"output-", KindOutputOff}, {"break", KindBreak},
                                           {"showtime", KindShowTime}, {"draw", KindDraw},      {"clear", KindClear},
                                           {"beep", KindBeep}};

int textFileIndex(RunContext& run, const std::string& name)
{
    const int index = findByName(run.textFiles(), name);
    if (index < 0)
        run.chyb("Unknown text file identifier \" " + name + " \".");
    return index;
}

// One argument of a statement's list from `pos` (the evaluator's rule, scanArgument).
char readarg(const std::string& statement, size_t& pos, std::string& arg)
{
    std::string_view view;
    const char delimiter = evaluation::scanArgument(statement, pos, view);
    arg = view;
    return delimiter;
}

} // namespace

int variableIndex(RunContext& run, const std::string& name)
{
    std::vector<Variable>& variables = run.variables();
    int index = findByName(variables, name);
    if (index < 0) {
        run.jetonazev(name);
        variables.push_back({name, exactInteger(0)});
        index = static_cast<int>(variables.size()) - 1;
    }
    return index;
}

Instruction classify(RunContext& run, const std::string& s)
{
    Instruction in;
    in.kind = KindExpression;

    if (s.find(")#") != std::string::npos) {
        in.kind = KindFunctionDefinition;
        in.Text1 = s;
        return in;
    }
    if (const size_t at = s.find("]#"); at != std::string::npos) {
        const size_t open = s.find('[');
        const std::string name = s.substr(0, open);
        in.kind = KindArrayElement;
        in.Text1 = s.substr(open + 1, at - open - 1);
        in.Text2 = s.substr(at + 2);
        in.Ref1 = findByName(run.arrays(), name);
        if (in.Ref1 < 0) {
            run.jetonazev(name);
            run.arrays().push_back({name, {}});
            in.Ref1 = static_cast<int>(run.arrays().size()) - 1;
        }
        return in;
    }
    if (const size_t at = s.find('#'); at != std::string::npos) {
        in.kind = KindAssignment;
        in.Text1 = s.substr(at + 1);
        in.Ref1 = variableIndex(run, s.substr(0, at));
        return in;
    }
    if (startsWith(s, WriteLnPrefix)) {
        in.kind = KindWriteLn;
        const size_t comma = s.find(',');
        const size_t from = WriteLnPrefix.size();
        const std::string name = comma == std::string::npos ? std::string() : s.substr(from, comma - from);
        if (comma != std::string::npos)
            in.Text1 = s.substr(comma + 1, s.size() - comma - 2);
        in.Ref1 = textFileIndex(run, name);
        return in;
    }
    if (startsWith(s, AssignPrefix)) {
        in.kind = KindAssign;
        size_t pos = AssignPrefix.size();
        std::string name, file;
        run.jetam(readarg(s, pos, name), ',');
        const char end = readarg(s, pos, file);
        size_t literal;
        if (!literalIndex(file, run.Literals.size(), literal))
            run.chyb("Invalid file name in \" Assign \" statement.");
        in.Text1 = run.Literals[literal];
        run.jetam(end, ')');
        in.Ref1 = findByName(run.textFiles(), name);
        if (in.Ref1 < 0) {
            run.jetonazev(name);
            run.textFiles().emplace_back();
            run.textFiles().back().Name = name;
            in.Ref1 = static_cast<int>(run.textFiles().size()) - 1;
        }
        return in;
    }
    for (const OperandStatement& o : operandStatements)
        if (startsWith(s, o.prefix)) {
            in.kind = o.kind;
            const std::string operand = inner(s, o.prefix.size() + 1);
            size_t literal;
            switch (o.operand) {
            case Operand::Variable:
                in.Ref1 = variableIndex(run, operand);
                break;
            case Operand::TextFile:
                in.Ref1 = textFileIndex(run, operand);
                break;
            case Operand::Literal:
                if (!literalIndex(operand, run.Literals.size(), literal))
                    run.chyb(o.invalidLiteral);
                in.Text1 = run.Literals[literal];
                break;
            case Operand::Expression:
                in.Text1 = operand;
                break;
            }
            return in;
        }
    for (const CoordinateStatement& c : coordinateStatements)
        if (startsWith(s, c.prefix)) {
            in.kind = c.kind;
            size_t pos = c.prefix.size();
            std::string* texts[] = {&in.Text1, &in.Text2, &in.Text3};
            for (int k = 0; k < c.arguments; ++k)
                run.jetam(readarg(s, pos, *texts[k]), k + 1 < c.arguments ? ',' : ')');
            return in;
        }
    for (const OptionalSecondStatement& o : optionalSecondStatements)
        if (startsWith(s, o.prefix)) {
            in.kind = o.kind;
            size_t pos = o.prefix.size();
            char end = readarg(s, pos, in.Text1);
            if (end == ',')
                end = readarg(s, pos, in.Text2);
            else
                in.Text2 = o.defaultSecond;
            run.jetam(end, ')');
            return in;
        }
    for (const WordStatement& w : wordStatements)
        if (s == w.word) {
            in.kind = w.kind;
            return in;
        }
    in.Text1 = s;
    return in;
}

Condition splitcond(const std::string& text)
{
    struct Pattern {
        std::string_view text;
        Relation relation;
        bool swapped; // ">" and ">=" compare the other way round
    };
    static constexpr Pattern patterns[] = {{"<%", RelLessEqual, false}, {"<>", RelNotEqual, false},
                                           {">%", RelLessEqual, true},  {"<", RelLess, false},
                                           {">", RelLess, true},        {"%", RelEqual, false}};
    Condition c;
    for (const Pattern& p : patterns) {
        const size_t at = text.find(p.text);
        if (at == std::string::npos)
            continue;
        std::string before = text.substr(0, at), after = text.substr(at + p.text.size());
        c.relation = p.relation;
        c.Left = p.swapped ? after : before;
        c.Right = p.swapped ? before : after;
        return c;
    }
    c.relation = RelPositive;
    c.Left = text;
    return c;
}

} // namespace textcalc
