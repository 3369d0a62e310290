// Preparation of program text into keyword-marked statement blocks.
//
// Character codes of prepared statement texts (the evaluator and the interpreter read these):
//   "#" is ":=", "%" is "=" outside all brackets, "^" is "**", "_" is "..", and a string
//   literal is replaced by its decimal index in Literals. Keywords become markers (markers.h).
#include "textcalc/language/compile.h"
#include "textcalc/language/markers.h"

#include "platform/utf8.h"

#include <utility>

namespace textcalc {

namespace {

using platform::appendUtf8;
using platform::decodeUtf8;
using namespace markers;

void replaceAll(std::string& s, std::string_view from, std::string_view to)
{
    std::string out;
    out.reserve(s.size());
    size_t start = 0;
    for (size_t at; (at = s.find(from, start)) != std::string::npos; start = at + from.size()) {
        out.append(s, start, at - start);
        out += to;
    }
    out.append(s, start, std::string::npos);
    s = std::move(out);
}

// Removes "{...}" comments; an unclosed "{" removes the rest of the text.
std::string removeComments(const std::string& text)
{
    std::string out;
    bool inComment = false;
    for (char c : text) {
        if (inComment)
            inComment = c != '}';
        else if (c == '{')
            inComment = true;
        else
            out += c;
    }
    return out;
}

// Lower case of the capitals of the Central European code page (Latin-1 and Latin
// Extended-A letters); other characters stay.
char32_t toLower(char32_t cp)
{
    if (cp >= 'A' && cp <= 'Z')
        return cp + 32;
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7)
        return cp + 32;
    const bool evenUpper = (cp >= 0x100 && cp <= 0x137) || (cp >= 0x14A && cp <= 0x177);
    const bool oddUpper = (cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E);
    if ((evenUpper && cp % 2 == 0) || (oddUpper && cp % 2 == 1))
        return cp + 1;
    if (cp == 0x178)
        return 0xFF;
    return cp;
}

// The accented Czech letters that stand for plain ones; 0 for any other character.
char foldAccent(char32_t cp)
{
    switch (cp) {
    case 0x11B: case 0xE9: return 'e';
    case 0x161: return 's';
    case 0x10D: return 'c';
    case 0x159: return 'r';
    case 0x17E: return 'z';
    case 0xFD: return 'y';
    case 0xE1: return 'a';
    case 0xED: return 'i';
    case 0x16F: case 0xFA: return 'u';
    case 0xF3: return 'o';
    default: return 0;
    }
}

bool allowed(char c)
{
    return c == ' ' || (c >= 0x28 && c <= 0x3E) || c == '[' || c == ']' || c == '^' || c == '_'
        || (c >= 'a' && c <= 'z');
}

// String literals: every "'" toggles; the literal becomes its index in Literals.
std::string extractLiterals(RunContext& calc, const std::string& text)
{
    std::string code;
    std::string literal;
    bool inside = false;
    for (char c : text) {
        if (c == '\'') {
            if (inside) {
                code += std::to_string(calc.Literals.size());
                calc.Literals.push_back(literal);
                literal.clear();
            }
            inside = !inside;
        } else if (inside) {
            literal += c;
        } else {
            code += c;
        }
    }
    if (inside)
        calc.chyb("Unterminated string.");
    return code;
}

// Lower case, fold the Czech accents, and accept only the language's characters.
std::string lowerAndCheck(RunContext& calc, const std::string& code)
{
    std::string lowered;
    lowered.reserve(code.size());
    for (size_t i = 0; i < code.size();) {
        const char32_t cp = toLower(decodeUtf8(code, i));
        const char c = cp < 0x80 ? static_cast<char>(cp) : foldAccent(cp);
        if (c == 0 || !allowed(c)) {
            std::string shown;
            appendUtf8(shown, cp);
            calc.chyb("Invalid character \" " + shown + " \".");
        }
        lowered += c;
    }
    return lowered;
}

// Keywords are recognised between blanks, line joins, ";" and the ends of the text and become
// markers; blanks go and the two-character operators get their one-character codes.
std::string markKeywords(const std::string& lowered)
{
    std::string text = " " + lowered + " ";
    replaceAll(text, " ", "  ");
    replaceAll(text, ";", " ; ");
    static const std::pair<const char*, char> keywords[] = {
        {" begin ", Begin}, {" end ", End}, {" if ", If},       {" then ", Then},   {" else ", Else},
        {" while ", While}, {" do ", Do},   {" repeat ", Repeat}, {" until ", Until}, {" for ", For},
        {" to ", To},       {" try ", Try}};
    for (const auto& [word, letter] : keywords)
        replaceAll(text, word, std::string{Marker, letter});
    std::erase(text, ' ');
    replaceAll(text, std::string{Marker}, std::string{';', Marker});
    replaceAll(text, "**", "^");
    replaceAll(text, "..", "_");
    replaceAll(text, ":=", "#");
    return text;
}

// Items of block 0: statements split at ";", and markers.
std::vector<std::string> splitItems(const std::string& text)
{
    std::vector<std::string> items;
    std::string statement;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ';' || c == Marker) {
            if (!statement.empty())
                items.push_back(std::move(statement));
            statement.clear();
            if (c == Marker && i + 1 < text.size())
                items.push_back(std::string{Marker, text[++i]});
        } else {
            statement += c;
        }
    }
    if (!statement.empty())
        items.push_back(std::move(statement));
    return items;
}

// BEGIN/END and REPEAT/UNTIL balance.
void checkBalance(RunContext& calc, const std::vector<std::string>& items)
{
    std::string stack;
    for (const std::string& item : items) {
        if (!isMarker(item, Begin) && !isMarker(item, End) && !isMarker(item, Repeat) && !isMarker(item, Until))
            continue;
        const char letter = item[1];
        const char below = stack.empty() ? 0 : stack.back();
        if ((below == Begin && letter == End) || (below == Repeat && letter == Until))
            stack.pop_back();
        else if (below == Repeat && letter == End)
            calc.chyb("UNTIL expected but END found.");
        else if (below == Begin && letter == Until)
            calc.chyb("END expected but UNTIL found.");
        else if (letter == End)
            calc.chyb("Recorded END with no corresponding BEGIN.");
        else if (letter == Until)
            calc.chyb("Recorded UNTIL with no corresponding REPEAT.");
        else
            stack += letter;
    }
    if (!stack.empty())
        calc.chyb(stack.back() == Begin ? "Recorded BEGIN with no corresponding END."
                                      : "Recorded REPEAT with no corresponding UNTIL.");
}

// Bracket check of one statement; "=" outside brackets becomes "%".
void checkbrackets(RunContext& calc, std::string& statement)
{
    std::string open;
    for (char& c : statement) {
        if (c == '(' || c == '[') {
            open += c;
        } else if (c == ')' || c == ']') {
            const char opener = c == ')' ? '(' : '[';
            if (open.empty())
                calc.chyb(std::string("Recorded \" ") + c + " \" with no corresponding \" " + opener + " \".");
            if (open.back() != opener)
                calc.chyb(c == ')' ? "\" ] \" expected but \" ) \" found." : "\" ) \" expected but \" ] \" found.");
            open.pop_back();
        } else if ((c == '<' || c == '>') && !open.empty()) {
            calc.chyb(std::string("\" ") + c + " \" not allowed in parentheses.");
        } else if (c == '=' && open.empty()) {
            c = '%';
        }
    }
    if (!open.empty())
        calc.chyb(open.back() == '(' ? "Recorded \" ( \" with no corresponding \" ) \"."
                                     : "Recorded \" [ \" with no corresponding \" ] \".");
}

// Moves items from `pos` into block `target` up to the closer of that block (consumed) or
// the end; each BEGIN…END and REPEAT…UNTIL body gets a block of its own, filled recursively.
// Blocks are numbered in the order their openers appear, outer before inner.
void nestInto(RunContext& calc, std::vector<Block>& blocks, size_t target, std::vector<std::string>& items,
              size_t& pos)
{
    DepthGuard guard(calc);
    while (pos < items.size()) {
        std::string& item = items[pos++];
        if (isMarker(item, End) || isMarker(item, Until))
            return;
        const bool opener = isMarker(item, Begin) || isMarker(item, Repeat);
        if (opener)
            item += std::to_string(blocks.size());
        blocks[target].push_back(std::move(item));
        if (opener) {
            blocks.emplace_back();
            nestInto(calc, blocks, blocks.size() - 1, items, pos);
        }
    }
}

} // namespace

std::vector<Block> prepare(RunContext& calc, const std::string& source)
{
    calc.Literals.clear();
    std::string text = source;
    for (char& c : text)
        if (c == '\t')
            c = ' ';
    const std::string code = extractLiterals(calc, removeComments(text));
    std::vector<std::string> items = splitItems(markKeywords(lowerAndCheck(calc, code)));
    checkBalance(calc, items);
    for (std::string& item : items)
        if (!isMarker(item))
            checkbrackets(calc, item);
    std::vector<Block> blocks(1);
    size_t pos = 0;
    nestInto(calc, blocks, 0, items, pos);
    return blocks;
}

} // namespace textcalc
