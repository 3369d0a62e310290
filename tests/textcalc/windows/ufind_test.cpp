// The find/replace window on the in-memory sheet: its buttons, messages and window kind.
#include "textcalc/windows/ufind.h"

#include "textcalc/sheet/plain_document.h"

#include "platform/headless/headless_services.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

#include <fstream>

namespace {

using textcalc::sheet::PlainDocument;
using textcalc::sheet::Position;

PlainDocument sheetOf(const std::vector<std::string>& lines)
{
    textcalc::sheet::SheetContent content;
    for (const std::string& line : lines) {
        textcalc::sheet::Paragraph p;
        if (!line.empty())
            p.runs.push_back({line, {}});
        content.paragraphs.push_back(p);
    }
    return PlainDocument(content);
}

struct FindFixture {
    explicit FindFixture(const std::vector<std::string>& lines) : doc(sheetOf(lines)) { window.setDocument(&doc); }
    std::vector<std::string> messages() const
    {
        std::vector<std::string> texts;
        for (const auto& m : services.messages)
            texts.push_back(m.text);
        return texts;
    }
    std::vector<std::string> lines() const
    {
        std::vector<std::string> out;
        for (int k = 0; k < doc.lineCount(); ++k)
            out.push_back(doc.lineText(k));
        return out;
    }
    platform::HeadlessServices services;
    PlainDocument doc;
    textcalc::Tfind window{services};
};

TEST(Tfind, FindButtonSelectsTheNextOccurrence)
{
    FindFixture f({"AB ab", "xab"});
    f.window.findt->setText("ab");
    f.window.findbut->click();
    EXPECT_EQ(f.doc.selectionStart(), (Position{0, 0}));
    EXPECT_EQ(f.doc.selectionEnd(), (Position{0, 2}));
    f.window.findbut->click();
    EXPECT_EQ(f.doc.selectionStart(), (Position{0, 3}));
    f.window.findbut->click();
    EXPECT_EQ(f.doc.selectionStart(), (Position{1, 1}));
    int wrapped = 0;
    QObject::connect(&f.window, &textcalc::Tfind::searchWrapped, [&] { ++wrapped; });
    f.window.findbut->click();
    EXPECT_EQ(f.doc.selectionStart(), (Position{0, 0})) << "on from the top";
    EXPECT_EQ(wrapped, 1);
    EXPECT_TRUE(f.messages().empty());
    f.window.findt->setText("abc");
    f.window.findbut->click();
    EXPECT_EQ(f.messages(), std::vector<std::string>{"String not found."});
    EXPECT_EQ(f.doc.selectionStart(), (Position{0, 0})) << "the last occurrence stays selected";
    EXPECT_EQ(f.doc.selectionEnd(), (Position{0, 2}));
    EXPECT_EQ(wrapped, 1);
}

TEST(Tfind, ReplaceButtonWalksThroughTheSheet)
{
    FindFixture f({"ab ab", "ab"});
    f.window.findt->setText("AB");
    f.window.replt->setText("xyz");
    f.doc.setCaret({0, 1}); // the first occurrence comes last, from the top
    for (int k = 0; k < 3; ++k)
        f.window.repbut->click();
    EXPECT_EQ(f.lines(), (std::vector<std::string>{"xyz xyz", "xyz"}));
    EXPECT_EQ(f.doc.selectionStart(), (Position{0, 0}));
    EXPECT_EQ(f.doc.selectionEnd(), (Position{0, 3}));
    EXPECT_TRUE(f.messages().empty());
    f.window.repbut->click();
    EXPECT_EQ(f.messages(), std::vector<std::string>{"String not found."});
}

// A selection that Find left on an occurrence is no range: Replace all takes the whole sheet.
TEST(Tfind, ReplaceAllCountsAndRestoresTheSelection)
{
    struct Row {
        const char* name;
        const char* find;
        Position start, end;
        std::vector<std::string> after;
        const char* message;
        Position startAfter; // the old start as an offset into the new text
    };
    const Row rows[] = {
        {"WholeSheet", "ab", {0, 0}, {0, 0}, {"Q Q", "cQ"}, "String replaced 3 times.", {0, 0}},
        {"InsideTheSelection", "ab", {0, 2}, {1, 0}, {"ab Q", "cab"}, "String replaced 1 times.", {0, 2}},
        {"SelectionIsAnOccurrence", "ab", {0, 3}, {0, 5}, {"Q Q", "cQ"}, "String replaced 3 times.", {0, 3}},
        {"LastOccurrenceSelected", "ab", {1, 1}, {1, 3}, {"Q Q", "cQ"}, "String replaced 3 times.", {1, 2}},
        {"SelectionHoldsMore", "ab", {1, 0}, {1, 3}, {"ab AB", "cQ"}, "String replaced 1 times.", {1, 0}},
        {"NotFound", "zz", {0, 1}, {0, 4}, {"ab AB", "cab"}, "String not found.", {0, 1}},
        {"EmptySearchText", "", {0, 0}, {0, 0}, {"ab AB", "cab"}, "String not found.", {0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FindFixture f({"ab AB", "cab"});
        f.doc.select(row.start, row.end);
        f.window.findt->setText(row.find);
        f.window.replt->setText("Q");
        f.window.repallbut->click();
        EXPECT_EQ(f.lines(), row.after);
        EXPECT_EQ(f.messages(), std::vector<std::string>{row.message});
        EXPECT_EQ(f.doc.selectionStart(), row.startAfter);
    }
}

TEST(Tfind, WindowKindAndCloseButton)
{
    FindFixture f({"ab"});
    const Qt::WindowFlags flags = f.window.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinMaxButtonsHint);
    EXPECT_TRUE(f.window.findbut->isDefault());
    EXPECT_EQ(f.window.windowTitle(), QString::fromUtf8(" Najít, nahradit"));
    f.window.show();
    const QSize size = f.window.size();
    EXPECT_EQ(f.window.minimumSize(), size);
    EXPECT_EQ(f.window.maximumSize(), size) << "fixed size";
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((f.window.frameGeometry().center() - screen.center()).manhattanLength(), 8) << "centred";
    f.window.ZavBut->click();
    EXPECT_FALSE(f.window.isVisible());
}

TEST(Tfind, WithoutASheetTheButtonsDoNothing)
{
    platform::HeadlessServices services;
    textcalc::Tfind window(services);
    window.findt->setText("a");
    window.findbut->click();
    window.repallbut->click();
    EXPECT_TRUE(services.messages.empty());
}

TEST(Tfind, LanguageTexts)
{
    FindFixture f({"ab"});
    const auto file = std::filesystem::temp_directory_path() / ("tfind-" + std::to_string(::getpid()) + ".ini");
    std::ofstream(file) << "[lang]\nfindrepl=Find, replace\nfindt=Find:\nreplt=Replace with:\nfind=Find\n"
                           "replace=Replace\nreplaceall=Replace all\nclose=Close\n";
    f.window.popis(ui::Language(file));
    std::filesystem::remove(file);
    EXPECT_EQ(f.window.windowTitle(), " Find, replace");
    EXPECT_EQ(f.window.findtLabel->text(), "Find:");
    EXPECT_EQ(f.window.repltLabel->text(), "Replace with:");
    EXPECT_EQ(f.window.findbut->text(), "Find");
    EXPECT_EQ(f.window.repbut->text(), "Replace");
    EXPECT_EQ(f.window.repallbut->text(), "Replace all");
    EXPECT_EQ(f.window.ZavBut->text(), "Close");
    f.window.popis(ui::Language());
    EXPECT_EQ(f.window.repallbut->text(), QString::fromUtf8("Nahradit vše"));
}

} // namespace
