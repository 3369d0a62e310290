// The sheet on Qt's rich text behaves as the in-memory sheet does (the same tables run on
// both), and sheets go into a QTextDocument and come back out unchanged.
#include "document_cases.h"

#include "textcalc/sheet/qt/qt_content.h"
#include "textcalc/sheet/qt/qt_document.h"

#include "platform/errors.h"

#include <QTextDocument>

namespace textcalc::sheet {
namespace {

using testing_support::contentOf;
using testing_support::Input;
using testing_support::Lines;
using testing_support::linesOf;
using testing_support::OutputFont;

// A QtDocument that owns its QTextDocument.
class OwningQtDocument : public QtDocument {
public:
    explicit OwningQtDocument(std::unique_ptr<QTextDocument> document) : QtDocument(*document), m_document(std::move(document)) {}
    QTextDocument& document() { return *m_document; }

private:
    std::unique_ptr<QTextDocument> m_document;
};

std::unique_ptr<Document> makeQt(const SheetContent& content)
{
    auto document = std::make_unique<QTextDocument>();
    loadContent(*document, content);
    return std::make_unique<OwningQtDocument>(std::move(document));
}

TEST(QtDocument, ReplaceSelection) { testing_support::checkReplaceSelection(makeQt); }
TEST(QtDocument, SelectionIsOrderedWhateverTheDirection) { testing_support::checkSelectionOrder(makeQt); }
TEST(QtDocument, DeleteLine) { testing_support::checkDeleteLine(makeQt); }
TEST(QtDocument, CaretFollowsEdits) { testing_support::checkCaretFollowsEdits(makeQt); }
TEST(QtDocument, ReplaceAll) { testing_support::checkReplaceAll(makeQt); }
TEST(QtDocument, CalculTable) { testing_support::checkCalculTable(makeQt); }
TEST(QtDocument, CalculNothingToRun) { testing_support::checkNothingToRun(makeQt); }

const CharFormat Red{"Arial", 14, Colour{255, 0, 0}, true, false, true};
const CharFormat Navy{"DejaVu Sans", 9.5, Colour{0, 0, 128}, false, true, false};

TEST(QtContent, RoundTrip)
{
    const SheetContent cases[] = {
        SheetContent{{Paragraph{}}},
        SheetContent{{Paragraph{Alignment::Left, {{"x:=1/3; příliš", Input}}, Input},
                      Paragraph{Alignment::Center, {{"1/3 ", OutputFont}, {"žluťoučký", Red}}, Red},
                      Paragraph{Alignment::Left, {}, Navy}, Paragraph{Alignment::Right, {{"a\tb 😀", Navy}}, Navy}}},
    };
    for (const SheetContent& content : cases) {
        QTextDocument document;
        loadContent(document, content);
        EXPECT_EQ(sheet::contentOf(document), content);
        EXPECT_FALSE(document.isUndoAvailable());
    }
}

TEST(QtContent, Formats)
{
    for (const CharFormat& f : {Input, OutputFont, Red, Navy})
        EXPECT_EQ(fromQt(toQt(f)), f);
    for (Alignment a : {Alignment::Left, Alignment::Center, Alignment::Right})
        EXPECT_EQ(fromQt(toQt(a)), a);
    EXPECT_EQ(fromQt(Qt::AlignJustify), Alignment::Left);
}

// Outputs take the output font; the lines after them keep their own, also where a shorter
// run deleted old outputs before them (the user types on that line next).
TEST(QtDocument, CalculWritesTheOutputFontAndCannotBeUndone)
{
    const Paragraph one{Alignment::Center, {{"1", OutputFont}}, OutputFont};
    const Paragraph two{Alignment::Center, {{"2", OutputFont}}, OutputFont};
    const auto left = [](const char* text) {
        return Paragraph{Alignment::Left, text[0] ? std::vector<sheet::Run>{{text, Input}} : std::vector<sheet::Run>{}, Input};
    };
    struct Row {
        const char* name;
        Lines before;
        const char* rerun; // the first line's text for a second run, or null
        std::vector<Paragraph> after;
    };
    const Row rows[] = {
        {"more outputs", {"for i:=1 to 2 do i", "> old", "x"}, nullptr,
         {left("for i:=1 to 2 do i"), one, two, left("x")}},
        {"fewer outputs at the sheet's end", {"for i:=1 to 3 do i"}, "for i:=1 to 1 do i",
         {left("for i:=1 to 1 do i"), one, left("")}},
        {"fewer outputs before a line", {"for i:=1 to 3 do i", "x"}, "2",
         {left("2"), two, left("x")}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        auto document = std::make_unique<QTextDocument>();
        loadContent(*document, contentOf(r.before, Input));
        OwningQtDocument doc(std::move(document));
        platform::HeadlessServices services;
        Calculator calc(services);
        Calcul(doc, calc, RunMode::Line, OutputFont, false);
        if (r.rerun) {
            doc.replaceLineText(0, r.rerun);
            Calcul(doc, calc, RunMode::Line, OutputFont, false);
        }
        EXPECT_EQ(sheet::contentOf(doc.document()).paragraphs, r.after);
        EXPECT_FALSE(doc.document().isUndoAvailable());
    }
}

// Lines beyond what the editor lays out in time are refused, naming the first such line.
TEST(QtContent, EditorLimits)
{
    const auto runs = [](int count) {
        Paragraph p;
        for (int k = 0; k < count; ++k)
            p.runs.push_back({"x", k % 2 ? Input : OutputFont});
        return p;
    };
    const auto text = [](const std::string& repeated, int times) {
        std::string s;
        for (int k = 0; k < times; ++k)
            s += repeated;
        return Paragraph{Alignment::Left, {{s, Input}}, Input};
    };
    struct Row {
        const char* name;
        std::vector<Paragraph> lines;
        const char* message; // empty: accepted
    };
    const Row rows[] = {
        {"longest line", {text("x", MaxEditorLineLength)}, ""},
        {"letters, not bytes", {text("ž", MaxEditorLineLength)}, ""},
        {"one character more", {Paragraph{}, text("x", MaxEditorLineLength + 1)},
         "Error. Line 2 of file \" a.rtf \" has 20001 characters; the text calculator opens lines of up to 20000."},
        {"most formats", {runs(MaxEditorLineFormats)}, ""},
        {"one format more", {runs(MaxEditorLineFormats + 1)},
         "Error. Line 1 of file \" a.rtf \" changes its format 2001 times; the text calculator opens lines with up to "
         "2000."},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        std::string message;
        try {
            checkEditorLimits(SheetContent{r.lines}, "a.rtf");
        } catch (const platform::UserError& e) {
            message = e.what();
        }
        EXPECT_EQ(message, r.message);
    }
}

// Loading reports its progress in batches and stops when told to.
TEST(QtContent, LoadingStopsWhenProgressSaysSo)
{
    Lines lines(2500, "x:=1");
    std::vector<int> reported;
    QTextDocument document;
    EXPECT_FALSE(loadContent(document, contentOf(lines, Input), [&](int loaded, int total) {
        reported.push_back(loaded);
        EXPECT_EQ(total, 2500);
        return loaded < 2000;
    }));
    EXPECT_EQ(reported, (std::vector<int>{1000, 2000}));
    EXPECT_EQ(document.blockCount(), 2000);
    EXPECT_TRUE(loadContent(document, contentOf(lines, Input), [](int, int) { return true; }));
    EXPECT_EQ(document.blockCount(), 2500);
}

TEST(QtDocument, UpdateIsOneUndoStep)
{
    QTextDocument document;
    loadContent(document, contentOf({"a", "b"}, Input));
    QtDocument doc(document);
    doc.beginUpdate();
    doc.insertLine(1, "x");
    doc.beginUpdate();
    doc.replaceLineText(0, "y");
    doc.endUpdate();
    doc.deleteLine(2);
    doc.endUpdate();
    EXPECT_EQ(linesOf(doc), (Lines{"y", "x"}));
    document.undo();
    EXPECT_EQ(linesOf(doc), (Lines{"a", "b"}));
}

// A soft line break typed with Shift+Enter runs, finds and saves as the blank it looks like.
TEST(QtDocument, SoftLineBreakReadsAsABlank)
{
    QTextDocument document;
    QTextCursor(&document).insertText(QString("y:=2;") + QChar::LineSeparator + "y+1");
    QtDocument sheet(document);
    EXPECT_EQ(sheet.lineText(0), "y:=2; y+1");
    const SheetContent content = sheet::contentOf(document);
    ASSERT_EQ(content.paragraphs.size(), 1u);
    ASSERT_EQ(content.paragraphs[0].runs.size(), 1u);
    EXPECT_EQ(content.paragraphs[0].runs[0].text, "y:=2; y+1");
}

TEST(QtDocument, CaretOfTheEditor)
{
    // The window passes its editor's cursor; here a cursor standing in for it.
    QTextDocument document;
    loadContent(document, contentOf({"ab", "čd"}, Input));
    QTextCursor editor(&document);
    QtDocument doc(document, [&] { return editor; }, [&](const QTextCursor& c) { editor = c; });
    doc.setCaret({1, 1});
    EXPECT_EQ(editor.position(), 4);
    editor.setPosition(1);
    EXPECT_EQ(doc.caret(), (Position{0, 1}));
    doc.insertLine(0, "new");
    EXPECT_EQ(doc.caret(), (Position{1, 1}));
}

} // namespace
} // namespace textcalc::sheet
