// The Help menu: the manual's pages about the text calculator (F1: the language reference),
// and the example sheets, which the File menu opens in the open dialog.
#include "textcalc/windows/utextm.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>

namespace textcalc {

namespace {

// ORDER: as the menu shows them; the object name is the language key.
struct HelpPage {
    const char* key;
    const char* czech;
    const char* page;
};
const HelpPage helpPages[] = {
    {"helplanguage", "Jazyk textové kalkulačky", "language"},
    {"helpsheet", "Práce s listem", "sheet"},
    {"helpfunctions", "Vestavěné funkce", "functions"},
    {"helpnumeric", "Numerické operátory", "numerical"},
    {"helperrors", "Chybová hlášení", "errors"},
    {"helpcontents", "Obsah příručky", "index"},
};

} // namespace

void TTextm::createHelpMenu()
{
    mihelp = menuBar()->addMenu(QString::fromUtf8("Nápověda"));
    mihelp->setObjectName("mihelp");
    for (const HelpPage& p : helpPages) {
        if (p.page == std::string_view("index"))
            mihelp->addSeparator();
        QAction* a = mihelp->addAction(QString::fromUtf8(p.czech));
        a->setObjectName(p.key);
        connect(a, &QAction::triggered, this, [this, page = p.page] {
            if (manual)
                manual->open(page);
        });
    }
    // F1 wherever the focus is in the window, the sheet included.
    findChild<QAction*>(helpPages[0].key)->setShortcut(Qt::Key_F1);

    AExamples = new QAction(QString::fromUtf8("Ukázkové listy..."), this);
    AExamples->setObjectName("AExamples");
    connect(AExamples, &QAction::triggered, this, &TTextm::openExampleSheet);
    misheet->insertAction(ASave, AExamples);
}

void TTextm::popisHelp(const ui::Language& lang)
{
    mihelp->setTitle(QString::fromStdString(lang.caption("mihelp", "Nápověda")));
    for (const HelpPage& p : helpPages)
        findChild<QAction*>(p.key)->setText(QString::fromStdString(lang.caption(p.key, p.czech)));
    AExamples->setText(QString::fromStdString(lang.caption("examples", "Ukázkové listy")) + "...");
    AExamples->setToolTip(QString::fromStdString(lang.text("examples", "Ukázkové listy")) + "...");
}

// The open dialog in the example sheets of the manual's language (the user's copies, in the
// sheets folder); when nothing is opened, Open starts where it did before.
void TTextm::openExampleSheet()
{
    const std::filesystem::path sheets = m_folders.data / "sheets";
    std::filesystem::path examples = ui::languageFolder(sheets, manual ? manual->language() : std::string());
    std::error_code error;
    if (!std::filesystem::is_directory(examples, error))
        examples = sheets;
    const QString previous = m_dialogFolder;
    const QString before = FileName;
    m_dialogFolder = QString::fromStdString(examples.string());
    aopenExecute();
    if (FileName == before)
        m_dialogFolder = previous;
}

} // namespace textcalc
