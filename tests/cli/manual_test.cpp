// The manual stays true: every built-in function, numerical operator, statement keyword and
// message of the language is described in each language's manual, and every example program in
// it prints, run by zoltcalc-cli, exactly the result the page shows.
#include "run_cli.h"

#include "textcalc/library/library_functions.h"
#include "textcalc/library/library_math.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <vector>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const fs::path kManual = fs::path(ZOLT_SOURCE_DIR) / "data" / "manual";
const fs::path kLanguageSources = fs::path(ZOLT_SOURCE_DIR) / "src" / "textcalc";

std::string readFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// The text a reader sees: tags dropped, entities decoded, runs of white space as one blank.
std::string visibleText(const std::string& html)
{
    std::string text;
    bool inTag = false;
    for (char c : html) {
        if (c == '<')
            inTag = true;
        else if (c == '>' && inTag)
            inTag = false;
        else if (!inTag)
            text += c;
    }
    for (const auto& [entity, character] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}})
        for (size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1))
            text.replace(at, std::string(entity).size(), character);
    std::string collapsed;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)) || (!collapsed.empty() && collapsed.back() != ' '))
            collapsed += std::isspace(static_cast<unsigned char>(c)) ? ' ' : c;
    return collapsed;
}

// The contents of every element `tag` in the page, as visible text.
std::vector<std::string> elements(const std::string& html, const std::string& tag)
{
    std::vector<std::string> found;
    const std::string close = "</" + tag + ">";
    for (size_t at = html.find("<" + tag); at != std::string::npos; at = html.find("<" + tag, at + 1)) {
        const size_t start = html.find('>', at);
        const size_t end = html.find(close, start);
        if (start == std::string::npos || end == std::string::npos)
            break;
        found.push_back(visibleText(html.substr(start + 1, end - start - 1)));
    }
    return found;
}

// ---- What the language knows, read from its tables and sources ---------------------------------

std::vector<std::string> builtinFunctions()
{
    std::vector<std::string> names;
    for (const auto group : {textcalc::library::severalArgumentFunctions(), textcalc::library::inputFunctions()})
        for (const auto& entry : group)
            names.emplace_back(entry.name);
    for (const auto& entry : textcalc::library::oneArgumentFunctions())
        names.emplace_back(entry.name);
    return names;
}

std::vector<std::string> numericalOperators()
{
    std::vector<std::string> names;
    for (const auto group : {textcalc::library::integerRangeOperators(), textcalc::library::realAxisOperators()})
        for (const auto& entry : group)
            names.emplace_back(entry.name);
    return names;
}

// The string literals of the language's sources (comments and #include lines skipped), with
// their escapes decoded, each with the code just before it on its line.
struct Literal {
    std::string text;
    std::string before;
};

std::vector<Literal> literalsOf(const std::string& source)
{
    std::vector<Literal> found;
    size_t lineStart = 0;
    for (size_t i = 0; i < source.size(); ++i) {
        const char c = source[i];
        if (c == '\n') {
            lineStart = i + 1;
        } else if (source.compare(i, 2, "//") == 0) {
            i = source.find('\n', i) - 1;
        } else if (source.compare(i, 2, "/*") == 0) {
            i = std::min(source.find("*/", i), source.size()) + 1;
        } else if (c == '\'') {
            i = std::min(source.find('\'', i + (source[i + 1] == '\\' ? 3 : 2)), source.size()); // unmatched: the end
        } else if (c == '"') {
            Literal literal{{}, source.substr(lineStart, i - lineStart)};
            for (++i; i < source.size() && source[i] != '"'; ++i) {
                if (source[i] == '\\' && source.compare(i, 6, "\\u00b4") == 0) {
                    literal.text += "\xC2\xB4";
                    i += 5;
                } else {
                    literal.text += source[i] == '\\' ? source[++i] : source[i];
                }
            }
            if (literal.before.find("#include") == std::string::npos)
                found.push_back(literal);
        }
    }
    return found;
}

std::vector<Literal> literalsOfFolders(std::initializer_list<const char*> folders)
{
    std::vector<Literal> all;
    for (const char* folder : folders)
        for (const auto& entry : fs::recursive_directory_iterator(kLanguageSources / folder)) {
            // C++ only: an apostrophe in a CMake comment would open a character literal.
            const std::string extension = entry.path().extension().string();
            if (!entry.is_regular_file() || (extension != ".cpp" && extension != ".h"))
                continue;
            const std::vector<Literal> found = literalsOf(readFile(entry.path()));
            all.insert(all.end(), found.begin(), found.end());
        }
    return all;
}

bool allOf(const std::string& s, int (*test)(int), size_t from = 0, size_t to = std::string::npos)
{
    to = std::min(to, s.size());
    return from < to && std::all_of(s.begin() + from, s.begin() + to, [test](unsigned char c) { return test(c); });
}

// Keywords are written " begin " (blank-delimited) in the preparation's table; statements
// "writeln(" or a word ("break", "output+") in the statement forms.
std::vector<std::string> statementWords()
{
    std::set<std::string> words;
    for (const Literal& l : literalsOfFolders({"language"})) {
        const std::string& t = l.text;
        if (t.size() > 2 && t.front() == ' ' && t.back() == ' ' && allOf(t, std::islower, 1, t.size() - 1))
            words.insert(t.substr(1, t.size() - 2));
        else if (t.size() > 2 && t.back() == '(' && allOf(t, std::islower, 0, t.size() - 1))
            words.insert(t.substr(0, t.size() - 1));
        else if (t.size() > 3 && allOf(t, std::islower, 0, t.size() - 1) && (std::islower(t.back()) || t.back() == '+' || t.back() == '-'))
            words.insert(t);
    }
    return {words.begin(), words.end()};
}

// Every piece of a message: a literal with two words or more, trimmed of the blanks and quote
// marks that join it to the inserted parts. Texts of standard exceptions never reach the user
// (the run reports them as the general error line).
std::vector<std::string> messageParts()
{
    std::set<std::string> parts;
    for (const Literal& l : literalsOfFolders({"number", "language", "eval", "library"})) {
        if (l.before.size() >= 7 && l.before.compare(l.before.size() - 7, 7, "_error(") == 0)
            continue;
        int words = 0;
        for (size_t i = 0; i < l.text.size(); ++i)
            words += std::isalpha(static_cast<unsigned char>(l.text[i])) && std::isalpha(static_cast<unsigned char>(l.text[i + 1]))
                     && (i == 0 || !std::isalpha(static_cast<unsigned char>(l.text[i - 1])));
        if (words < 2)
            continue;
        const size_t first = l.text.find_first_not_of(" ");
        const size_t last = l.text.find_last_not_of(" ");
        parts.insert(l.text.substr(first, last - first + 1));
    }
    return {parts.begin(), parts.end()};
}

// ---- The manuals -------------------------------------------------------------------------------------

std::vector<std::string> manuals()
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kManual))
        if (entry.is_directory() && entry.path().filename() != "images")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Whether a code element of the pages names `word` on its own ("sin" in "Sin(x)", not in
// "ArcSin(x)"), followed by `after` when that is given.
bool codeNames(const std::vector<std::string>& codes, const std::string& word, char after = 0)
{
    for (const std::string& code : codes) {
        const std::string text = lower(code);
        for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
            const bool startsWord = at == 0 || !std::isalnum(static_cast<unsigned char>(text[at - 1]));
            const size_t end = at + word.size();
            const bool endsWord = after ? end < text.size() && text[end] == after
                                        : end == text.size() || !std::isalnum(static_cast<unsigned char>(text[end]));
            if (startsWord && endsWord)
                return true;
        }
    }
    return false;
}

struct Coverage {
    const char* name;
    std::function<std::vector<std::string>()> items;
    std::vector<const char*> pages;
    // How an item is found on the pages: as a name in code, or as text anywhere.
    enum { CodeCall, CodeWord, Text } how;
};

const Coverage kCoverage[] = {
    {"BuiltinFunctions", builtinFunctions, {"functions.html"}, Coverage::CodeCall},
    {"NumericalOperators", numericalOperators, {"numerical.html"}, Coverage::CodeCall},
    {"StatementKeywords", statementWords, {"statements.html", "textfiles.html", "drawing.html"}, Coverage::CodeWord},
    {"Messages", messageParts, {"errors.html"}, Coverage::Text},
};

void PrintTo(const Coverage& c, std::ostream* out) { *out << c.name; }

class ManualDescribes : public testing::TestWithParam<Coverage> {};

TEST_P(ManualDescribes, EveryItemInEveryLanguage)
{
    const Coverage& c = GetParam();
    const std::vector<std::string> items = c.items();
    ASSERT_GT(items.size(), 5u) << "the language's table was not found";
    for (const std::string& manual : manuals()) {
        std::vector<std::string> codes;
        std::string text;
        for (const char* page : c.pages) {
            const std::string html = readFile(kManual / manual / page);
            ASSERT_FALSE(html.empty()) << manual << "/" << page;
            for (const char* tag : {"code", "pre"}) {
                const std::vector<std::string> found = elements(html, tag);
                codes.insert(codes.end(), found.begin(), found.end());
            }
            text += visibleText(html);
        }
        for (const std::string& item : items) {
            const bool described = c.how == Coverage::Text       ? text.find(item) != std::string::npos
                                   : c.how == Coverage::CodeCall ? codeNames(codes, item, '(')
                                                                 : codeNames(codes, item);
            EXPECT_TRUE(described) << manual << " does not describe \"" << item << "\"";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Manual, ManualDescribes, testing::ValuesIn(kCoverage),
                         [](const auto& info) { return std::string(info.param.name); });

// Each shipped language has a manual with the pages of the English one.
TEST(Manual, EveryLanguageHasEveryPage)
{
    std::set<std::string> english;
    for (const auto& entry : fs::directory_iterator(kManual / "english"))
        english.insert(entry.path().filename().string());
    ASSERT_TRUE(english.count("index.html"));
    for (const auto& entry : fs::directory_iterator(fs::path(ZOLT_SOURCE_DIR) / "data" / "langs")) {
        const fs::path manual = kManual / entry.path().stem();
        std::set<std::string> pages;
        for (const auto& page : fs::directory_iterator(manual))
            pages.insert(page.path().filename().string());
        EXPECT_EQ(pages, english) << manual;
    }
}

// ---- Examples ------------------------------------------------------------------------------------------

// An example: the programs of one sheet box so far, joined into one run, and the results they
// printed so far.
struct Example {
    std::string page;
    std::string program;
    std::string result;
};

// A result belongs to the program before it. In a box that looks like the sheet
// (<div class="sheet">), later programs run after the earlier ones, as groups of one sheet do.
std::vector<Example> examplesOf(const std::string& page, const std::string& html)
{
    std::vector<Example> examples;
    std::vector<std::string> programs, results;
    std::string pending;
    bool inSheet = false;
    const auto next = [&](size_t from, const char* what) { return html.find(what, from); };
    for (size_t at = 0; at < html.size();) {
        const size_t sheet = next(at, "<div class=\"sheet\">");
        const size_t close = next(at, "</div>");
        const size_t program = next(at, "class=\"program\"");
        const size_t result = next(at, "class=\"result\"");
        const size_t first = std::min({sheet, close, program, result});
        if (first == std::string::npos)
            break;
        if (first == sheet || first == close) {
            inSheet = first == sheet;
            programs.clear();
            results.clear();
            pending.clear();
            at = first + 1;
            continue;
        }
        const size_t start = html.find('>', first) + 1;
        const size_t end = std::min(html.find("</pre>", start), html.find("</code>", start));
        std::string content = html.substr(start, end - start);
        while (!content.empty() && content.back() == '\n')
            content.pop_back();
        for (const auto& [entity, character] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}})
            for (size_t e = content.find(entity); e != std::string::npos; e = content.find(entity, e + 1))
                content.replace(e, std::string(entity).size(), character);
        at = end;
        if (first == program) {
            if (!inSheet) {
                programs.clear();
                results.clear();
            }
            pending = content;
            continue;
        }
        programs.push_back(pending);
        results.push_back(content);
        Example e{page, {}, {}};
        for (size_t k = 0; k < programs.size(); ++k) {
            e.program += (k ? "\n;\n" : "") + programs[k];
            e.result += (k ? "\n" : "") + results[k];
        }
        examples.push_back(e);
    }
    return examples;
}

TEST(Manual, ExamplesPrintWhatThePagesShow)
{
    const fs::path dir = fs::temp_directory_path() / ("zoltcalc-manual-" + std::to_string(::getpid()));
    int count = 0;
    for (const std::string& manual : manuals())
        for (const auto& entry : fs::directory_iterator(kManual / manual))
            for (const Example& e : examplesOf(manual + "/" + entry.path().filename().string(), readFile(entry.path()))) {
                fs::remove_all(dir);
                fs::create_directories(dir);
                std::ofstream(dir / "program.txt", std::ios::binary) << e.program;
                const test_support::CliResult r =
                    test_support::runCli("run --dir '" + dir.string() + "' '" + (dir / "program.txt").string() + "'", "2>/dev/null");
                std::string printed = r.out;
                while (!printed.empty() && printed.back() == '\n')
                    printed.pop_back();
                EXPECT_EQ(printed, e.result) << e.page << ":\n" << e.program;
                ++count;
            }
    fs::remove_all(dir);
    EXPECT_GT(count, 100);
}

} // namespace
