// The sheet on Qt's rich text behaves as the in-memory sheet does (the same tables run on
// both), and sheets go into a QTextDocument and come back out unchanged.
#include "document_cases.h"

#include "textcalc/sheet/qt/qt_content.h"
#include "textcalc/sheet/qt/qt_document.h"

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

TEST(QtDocument, CalculWritesTheOutputFontAndCannotBeUndone)
{
    auto document = std::make_unique<QTextDocument>();
    loadContent(*document, contentOf({"for i:=1 to 2 do i", "> old", "x"}, Input));
    OwningQtDocument doc(std::move(document));
    platform::HeadlessServices services;
    Calculator calc(services);
    Calcul(doc, calc, RunMode::Line, OutputFont, true);
    const SheetContent after = sheet::contentOf(doc.document());
    ASSERT_EQ(after.paragraphs.size(), 4u);
    EXPECT_EQ(after.paragraphs[0], (Paragraph{Alignment::Left, {{"for i:=1 to 2 do i", Input}}, Input}));
    EXPECT_EQ(after.paragraphs[1], (Paragraph{Alignment::Center, {{"1", OutputFont}}, OutputFont}));
    EXPECT_EQ(after.paragraphs[2], (Paragraph{Alignment::Center, {{"2", OutputFont}}, OutputFont}));
    EXPECT_EQ(after.paragraphs[3].runs, (std::vector<sheet::Run>{{"x", Input}}));
    EXPECT_FALSE(doc.document().isUndoAvailable());
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
