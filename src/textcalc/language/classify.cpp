// Statement forms: one prepared statement text becomes one instruction. An assignment is told
// by its "#" (":="), every other statement by how it begins, from one table of prefixes; a
// statement that begins with none is an expression. Reading a statement only fills the
// instruction's fields and says which table entry it names; that entry is found, or made,
// afterwards (entryIndex).
#include "textcalc/language/compile.h"
#include "textcalc/eval/eval_support.h"

namespace textcalc {

namespace {

// The table entry a statement names, found or made once the statement is read.
enum class Entry : uint8_t {
    None,
    Variable,    // made when new (assignment, Inc, Dec)
    Array,       // made when new (element assignment)
    NewTextFile, // made when new (Assign)
    TextFile,    // must exist (Reset, Rewrite, Append, Close, WriteLn)
};

// A statement being read: its text, the position after its prefix, and what it fills.
struct Reading {
    Reading(RunContext& context, const std::string& statement) : run(context), text(statement) {}

    RunContext& run;
    const std::string& text;
    size_t pos = 0;
    Instruction in;
    Entry entry = Entry::None;
    std::string name;

    // The next argument of the list (the evaluator's rule, scanArgument) and its stop.
    char next(std::string& into)
    {
        std::string_view view;
        const char stop = evaluation::scanArgument(text, pos, view);
        into = view;
        return stop;
    }
    void argument(std::string& into, char expected) { run.jetam(next(into), expected); }

    // What stands between the prefix and the last character, taken to be the ")"; not checked
    // further, so "inc(x)+1" names the variable "x)+", which the name rule refuses.
    std::string operand() const
    {
        return pos < text.size() ? text.substr(pos, text.size() - pos - 1) : std::string();
    }

    // A literal's index, as preparation wrote it, and the literal.
    const std::string& literal(const std::string& index, const char* invalid) const
    {
        const std::vector<std::string>& literals = run.Literals;
        size_t k = 0;
        bool valid = !index.empty() && index.size() <= 9;
        for (char c : index) {
            valid = valid && c >= '0' && c <= '9';
            k = k * 10 + static_cast<size_t>(c - '0');
        }
        if (!valid || k >= literals.size())
            run.chyb(invalid);
        return literals[k];
    }
};

using Parse = void (*)(Reading&);

// A prefix that ends in "(" opens an argument list; any other is the whole statement. No
// prefix begins another, so the order of the table does not matter.
struct Form {
    std::string_view prefix;
    Kind kind;
    Parse parse;
};

bool matches(const std::string& s, std::string_view prefix)
{
    return prefix.back() == '(' ? s.compare(0, prefix.size(), prefix) == 0 : s == prefix;
}

void variableOperand(Reading& r)
{
    r.entry = Entry::Variable;
    r.name = r.operand();
}

void fileOperand(Reading& r)
{
    r.entry = Entry::TextFile;
    r.name = r.operand();
}

void expressionOperand(Reading& r)
{
    r.in.Text1 = r.operand();
}

// Text1, Text2, … up to the closing ")".
template <int count>
void arguments(Reading& r)
{
    std::string* texts[] = {&r.in.Text1, &r.in.Text2, &r.in.Text3};
    for (int k = 0; k < count; ++k)
        r.argument(*texts[k], k + 1 < count ? ',' : ')');
}

// "f(x)" or "f(x,y)": the second argument is `byDefault` when left out.
void optionalSecond(Reading& r, const char* byDefault)
{
    char stop = r.next(r.in.Text1);
    if (stop == ',')
        stop = r.next(r.in.Text2);
    else
        r.in.Text2 = byDefault;
    r.run.jetam(stop, ')');
}

// "writeln(f,e)": the file's name up to the first ",", the expression up to the last ")".
void writeLn(Reading& r)
{
    r.entry = Entry::TextFile;
    const size_t comma = r.text.find(',');
    if (comma == std::string::npos)
        return;
    r.name = r.text.substr(r.pos, comma - r.pos);
    r.in.Text1 = r.text.substr(comma + 1, r.text.size() - comma - 2);
}

// "assign(f,'name')": the file name is a literal.
void assign(Reading& r)
{
    r.entry = Entry::NewTextFile;
    r.argument(r.name, ',');
    std::string file;
    const char stop = r.next(file);
    r.in.Text1 = r.literal(file, "Invalid file name in \" Assign \" statement.");
    r.run.jetam(stop, ')');
}

constexpr Form forms[] = {
    {"writeln(", KindWriteLn, writeLn},
    {"assign(", KindAssign, assign},
    {"inc(", KindInc, variableOperand},
    {"dec(", KindDec, variableOperand},
    {"reset(", KindReset, fileOperand},
    {"rewrite(", KindRewrite, fileOperand},
    {"append(", KindAppend, fileOperand},
    {"close(", KindClose, fileOperand},
    {"showtext(", KindShowText,
     [](Reading& r) { r.in.Text1 = r.literal(r.operand(), "Invalid string in \" ShowText \" statement."); }},
    {"textlabel(", KindTextLabel,
     [](Reading& r) { r.in.Text1 = r.literal(r.operand(), "Invalid string in \" TextLabel \" statement."); }},
    {"numlabel(", KindNumLabel, expressionOperand},
    {"shownum(", KindShowNum, expressionOperand},
    {"pause(", KindPause, expressionOperand},
    {"setcolor(", KindSetColor, arguments<3>},
    {"floodfill(", KindFloodFill, arguments<2>},
    {"moveto(", KindMoveTo, arguments<2>},
    {"spot(", KindSpot, arguments<1>},
    {"setsize(", KindSetSize, arguments<2>},
    {"lineto(", KindLineTo, arguments<2>},
    {"rectto(", KindRectTo, arguments<2>},
    {"ellipto(", KindEllipTo, arguments<2>},
    {"setpen(", KindSetPen, [](Reading& r) { optionalSecond(r, "1"); }},
    {"setfont(", KindSetFont, [](Reading& r) { optionalSecond(r, "12"); }},
    {"setbrush(", KindSetBrush, [](Reading& r) { optionalSecond(r, "0"); }},
    {"output+", KindOutputOn, [](Reading&) {}},
    {"output-", KindOutputOff, [](Reading&) {}},
    {"break", KindBreak, [](Reading&) {}},
    {"showtime", KindShowTime, [](Reading&) {}},
    {"draw", KindDraw, [](Reading&) {}},
    {"clear", KindClear, [](Reading&) {}},
    {"beep", KindBeep, [](Reading&) {}},
};

bool readForm(Reading& r)
{
    for (const Form& form : forms)
        if (matches(r.text, form.prefix)) {
            r.in.kind = form.kind;
            r.pos = form.prefix.size();
            form.parse(r);
            return true;
        }
    return false;
}

// "f(x,y)#body" is a definition, "a[i]#e" an element assignment, "x#e" an assignment.
bool readAssignment(Reading& r)
{
    const std::string& s = r.text;
    if (s.find(")#") != std::string::npos) {
        r.in.kind = KindFunctionDefinition;
        r.in.Text1 = s;
    } else if (const size_t at = s.find("]#"); at != std::string::npos) {
        const size_t open = s.find('[');
        r.in.kind = KindArrayElement;
        r.in.Text1 = s.substr(open + 1, at - open - 1);
        r.in.Text2 = s.substr(at + 2);
        r.entry = Entry::Array;
        r.name = s.substr(0, open);
    } else if (const size_t hash = s.find('#'); hash != std::string::npos) {
        r.in.kind = KindAssignment;
        r.in.Text1 = s.substr(hash + 1);
        r.entry = Entry::Variable;
        r.name = s.substr(0, hash);
    } else {
        return false;
    }
    return true;
}

// The entry of `name` in `table`, made (the name rule applies) when there is none.
template <typename Table>
int findOrMake(RunContext& run, Table& table, const std::string& name)
{
    const int index = findByName(table, name);
    if (index >= 0)
        return index;
    run.jetonazev(name);
    table.emplace_back();
    table.back().Name = name;
    return static_cast<int>(table.size()) - 1;
}

int entryIndex(RunContext& run, Entry entry, const std::string& name)
{
    switch (entry) {
    case Entry::None:
        return -1;
    case Entry::Variable:
        return variableIndex(run, name);
    case Entry::Array:
        return findOrMake(run, run.arrays(), name);
    case Entry::NewTextFile:
        return findOrMake(run, run.textFiles(), name);
    case Entry::TextFile:
        break;
    }
    const int index = findByName(run.textFiles(), name);
    if (index < 0)
        run.chyb("Unknown text file identifier \" " + name + " \".");
    return index;
}

} // namespace

int variableIndex(RunContext& run, const std::string& name)
{
    return findOrMake(run, run.variables(), name); // a new variable is exact 0
}

Instruction classify(RunContext& run, const std::string& s)
{
    Reading r{run, s};
    if (!readAssignment(r) && !readForm(r)) {
        r.in.kind = KindExpression;
        r.in.Text1 = s;
    }
    r.in.Ref1 = entryIndex(run, r.entry, r.name);
    return r.in;
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
