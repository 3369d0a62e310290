// Statement forms: one prepared statement text becomes one instruction.
#include "textcalc/interpreter.h"

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

struct FileStatement {
    std::string_view prefix;
    Kind kind;
};
constexpr FileStatement fileStatements[] = {
    {"reset(", KindReset}, {"rewrite(", KindRewrite}, {"append(", KindAppend}, {"close(", KindClose}};

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
constexpr WordStatement wordStatements[] = {
    {"break", KindBreak}, {"showtime", KindShowTime}, {"draw", KindDraw}, {"clear", KindClear}, {"beep", KindBeep}};

} // namespace

int Interpreter::variableIndex(const std::string& name)
{
    int index = findByName(Variables, name);
    if (index < 0) {
        jetonazev(name);
        Variables.push_back({name, exactInteger(0)});
        index = static_cast<int>(Variables.size()) - 1;
    }
    return index;
}

int Interpreter::textFileIndex(const std::string& name)
{
    const int index = findByName(TextFiles, name);
    if (index < 0)
        chyb("Unknown text file identifier \" " + name + " \".");
    return index;
}

char Interpreter::readarg(const std::string& statement, size_t& pos, std::string& arg)
{
    std::string_view view;
    const char delimiter = scanArgument(statement, pos, view);
    arg = view;
    return delimiter;
}

Instruction Interpreter::classify(const std::string& s)
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
        in.Ref1 = findByName(Arrays, name);
        if (in.Ref1 < 0) {
            jetonazev(name);
            Arrays.push_back({name, {}});
            in.Ref1 = static_cast<int>(Arrays.size()) - 1;
        }
        return in;
    }
    if (const size_t at = s.find('#'); at != std::string::npos) {
        in.kind = KindAssignment;
        in.Text1 = s.substr(at + 1);
        in.Ref1 = variableIndex(s.substr(0, at));
        return in;
    }
    if (startsWith(s, "inc(") || startsWith(s, "dec(")) {
        in.kind = s[0] == 'i' ? KindInc : KindDec;
        in.Ref1 = variableIndex(inner(s, 5));
        return in;
    }
    if (startsWith(s, "writeln(")) {
        in.kind = KindWriteLn;
        const size_t comma = s.find(',');
        const std::string name = comma == std::string::npos ? std::string() : s.substr(8, comma - 8);
        if (comma != std::string::npos)
            in.Text1 = s.substr(comma + 1, s.size() - comma - 2);
        in.Ref1 = textFileIndex(name);
        return in;
    }
    if (startsWith(s, "assign(")) {
        in.kind = KindAssign;
        size_t pos = 7;
        std::string name, file;
        jetam(readarg(s, pos, name), ',');
        const char end = readarg(s, pos, file);
        size_t literal;
        if (!literalIndex(file, Literals.size(), literal))
            chyb("Invalid file name in \" Assign \" statement.");
        in.Text1 = Literals[literal];
        jetam(end, ')');
        in.Ref1 = findByName(TextFiles, name);
        if (in.Ref1 < 0) {
            jetonazev(name);
            TextFiles.emplace_back();
            TextFiles.back().Name = name;
            in.Ref1 = static_cast<int>(TextFiles.size()) - 1;
        }
        return in;
    }
    for (const FileStatement& f : fileStatements)
        if (startsWith(s, f.prefix)) {
            in.kind = f.kind;
            in.Ref1 = textFileIndex(inner(s, f.prefix.size() + 1));
            return in;
        }
    if (s == "output+" || s == "output-") {
        in.kind = s.back() == '+' ? KindOutputOn : KindOutputOff;
        return in;
    }
    if (startsWith(s, "showtext(") || startsWith(s, "textlabel(")) {
        const bool show = s[0] == 's';
        in.kind = show ? KindShowText : KindTextLabel;
        size_t literal;
        if (!literalIndex(inner(s, show ? 10 : 11), Literals.size(), literal))
            chyb(show ? "Invalid string in \" ShowText \" statement." : "Invalid string in \" TextLabel \" statement.");
        in.Text1 = Literals[literal];
        return in;
    }
    if (startsWith(s, "numlabel(") || startsWith(s, "shownum(") || startsWith(s, "pause(")) {
        in.kind = s[0] == 'n' ? KindNumLabel : (s[1] == 'h' ? KindShowNum : KindPause);
        in.Text1 = inner(s, s.find('(') + 2);
        return in;
    }
    for (const CoordinateStatement& c : coordinateStatements)
        if (startsWith(s, c.prefix)) {
            in.kind = c.kind;
            size_t pos = c.prefix.size();
            std::string* texts[] = {&in.Text1, &in.Text2, &in.Text3};
            for (int k = 0; k < c.arguments; ++k)
                jetam(readarg(s, pos, *texts[k]), k + 1 < c.arguments ? ',' : ')');
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
            jetam(end, ')');
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

Condition Interpreter::splitcond(const std::string& text)
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
