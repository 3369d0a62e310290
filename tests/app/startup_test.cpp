// Start-up and shut-down of the program: the data-file check, settings applied to the windows
// and written back by vypni.
#include "app/program.h"
#include "app/startup_check.h"
#include "keypad/windows/utrail.h"
#include "textcalc/windows/utextm.h"
#include "platform/headless/headless_services.h"
#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include "app/uabout.h"
#include <QLabel>
#include <QMenu>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace {

std::vector<std::string> texts(const platform::HeadlessServices& s)
{
    std::vector<std::string> out;
    for (const auto& m : s.messages)
        out.push_back(m.text);
    return out;
}

// The text calculator window, once the program has made it.
textcalc::TTextm* textWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* t = qobject_cast<textcalc::TTextm*>(w))
            return t;
    return nullptr;
}

TEST(Check, WarnsAboutEachMissingDataFile)
{
    const struct {
        const char* name;
        std::vector<std::string> present;
        std::vector<std::string> messages;
        bool canRun;
    } rows[] = {
        {"AllPresent", {"settings.ini", "langs/", "skins/", "macro_tree.ini", "macro_engine.ini"}, {}, true},
        {"NoSettings", {"langs/", "skins/", "macro_tree.ini", "macro_engine.ini"},
         {"File \"settings.ini\" not found !"}, true},
        {"NoLangs", {"settings.ini", "skins/", "macro_tree.ini", "macro_engine.ini"},
         {"Directory \"langs\" not found !"}, false},
        {"NoSkins", {"settings.ini", "langs/", "macro_tree.ini", "macro_engine.ini"},
         {"Directory \"skins\" not found !"}, false},
        {"NothingInOrder", {},
         {"File \"settings.ini\" not found !", "Directory \"langs\" not found !", "Directory \"skins\" not found !",
          "File \"macro_tree.ini\" not found !", "File \"macro_engine.ini\" not found !"},
         false},
    };
    for (const auto& r : rows) {
        testsupport::ProgramDir dir;
        for (const std::string& p : r.present)
            p.back() == '/' ? dir.makeDir(p) : dir.writeFile(p, "");
        platform::HeadlessServices services;
        EXPECT_EQ(app::check(platform::DataFolders::portable(dir.path()), services), r.canRun) << r.name;
        EXPECT_EQ(texts(services), r.messages) << r.name;
        for (const auto& m : services.messages)
            EXPECT_EQ(m.kind, platform::MessageKind::Warning);
    }
}

struct Install {
    testsupport::ProgramDir dir;
    platform::HeadlessServices services{'.'};
    Install()
    {
        dir.writeSkin("alpha");
        dir.writeSkin("beta", "[main]\nwidth=300\nheight=260\n");
        dir.writeBitmaps("beta", 300, 260);
        dir.makeDir("langs");
        dir.writeFile("macro_tree.ini", "");
        dir.writeFile("macro_engine.ini", "");
    }
};

TEST(Program, MissingSkinsOrLangsEndsAfterTheWarning)
{
    for (const char* missing : {"skins", "langs"}) {
        Install in;
        in.dir.writeFile("settings.ini", "");
        std::filesystem::remove_all(in.dir.path() / missing);
        app::Program program(in.dir.path(), in.services);
        EXPECT_FALSE(program.canRun()) << missing;
        EXPECT_EQ(texts(in.services), std::vector<std::string>{std::string("Directory \"") + missing + "\" not found !"});
    }
}

TEST(Program, SkinsFolderWithoutSkinsEnds)
{
    Install in;
    in.dir.writeFile("settings.ini", "");
    std::filesystem::remove_all(in.dir.path() / "skins");
    in.dir.makeDir("skins");
    app::Program program(in.dir.path(), in.services);
    EXPECT_FALSE(program.canRun());
    EXPECT_EQ(texts(in.services), std::vector<std::string>{"Directory \"skins\" holds no skin !"});
}

TEST(Program, NoSettingsFileStartsWithTheDefaults)
{
    Install in;
    app::Program program(in.dir.path(), in.services);
    EXPECT_TRUE(program.canRun());
    EXPECT_EQ(texts(in.services), std::vector<std::string>{"File \"settings.ini\" not found !"});
    keypad::Tmain& m = program.main();
    EXPECT_EQ(m.pos(), QPoint(120, 50));
    EXPECT_EQ(m.deg->text().toStdString(), "DEG");
    EXPECT_EQ(m.display->text().toStdString(), "0");
    EXPECT_EQ(m.size(), QSize(260, 250)); // the first skin in the list
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(m.MRmenu->actions().at(i - 1)->text().toStdString(), "M" + std::to_string(i));
    EXPECT_EQ(m.engine().settings().format.digits, 14);
    EXPECT_EQ(m.engine().settings().format.separator, "");
}

// An installed program directory that the user cannot write: the user's copy of settings.ini
// is read at start-up and written at shut-down; the program directory's copy is left alone.
TEST(Program, PerUserSettingsAreReadAndWritten)
{
    Install in;
    in.dir.writeFile("settings.ini", "[settings_window]\nnumber_base=16\n");
    const std::filesystem::path home = in.dir.path() / "home";
    const platform::UserFolders user{home / "config", home / "data"};
    {
        app::Program program(platform::userDataFolders(in.dir.path(), user), in.services);
        EXPECT_EQ(program.main().engine().settings().format.base, 16); // seeded from the program's copy
        program.main().move(210, 220);
        program.main().action("AClose")->trigger();
    }
    EXPECT_EQ(texts(in.services), std::vector<std::string>{});
    EXPECT_EQ(in.dir.readFile("settings.ini"), "[settings_window]\nnumber_base=16\n");
    EXPECT_NE(in.dir.readFile("home/config/settings.ini").find("left=210"), std::string::npos);

    platform::HeadlessServices again('.');
    app::Program program(platform::userDataFolders(in.dir.path(), user), again);
    EXPECT_EQ(program.main().pos(), QPoint(210, 220));
    EXPECT_EQ(program.main().engine().settings().format.base, 16);
}

TEST(Program, SettingsSurviveShutDownAndTheNextStart)
{
    Install in;
    in.dir.writeFile("settings.ini", "[settings_window]\nskin=1\nnumber_base=16\norder_separator=. .\n"
                                     "[recorder]\nactive=1\n");
    {
        app::Program program(in.dir.path(), in.services);
        keypad::Tmain& m = program.main();
        EXPECT_EQ(m.size(), QSize(300, 260)); // skin 1: beta
        m.engine().click(keypad::Control::c3);
        m.engine().setShift(true);
        m.engine().click(keypad::Control::mr1); // store 3 in M1
        m.engine().click(keypad::Control::prepdrg);
        m.move(200, 210);
        m.trailWindow()->hide();
        m.action("AClose")->trigger();
    }
    EXPECT_EQ(texts(in.services), std::vector<std::string>{});
    const std::string ini = in.dir.readFile("settings.ini");
    EXPECT_NE(ini.find("number_base=16"), std::string::npos);

    platform::HeadlessServices again('.');
    app::Program program(in.dir.path(), again);
    keypad::Tmain& m = program.main();
    EXPECT_EQ(m.pos(), QPoint(200, 210));
    EXPECT_EQ(m.size(), QSize(300, 260));
    EXPECT_EQ(m.deg->text().toStdString(), "RAD");
    EXPECT_EQ(m.MRmenu->actions().at(0)->text().toStdString(), "M1 = 3");
    EXPECT_EQ(m.indicators[0]->toolTip().toStdString(), "M1 = 3");
    EXPECT_TRUE(m.indicators[0]->autoFillBackground());
    EXPECT_EQ(m.engine().settings().format.base, 16);
    EXPECT_EQ(m.engine().settings().format.separator, " ");
    program.show();
    EXPECT_FALSE(m.trailWindow()->isVisible());
    m.close();
}

TEST(Program, SettingsFileThatCannotBeWrittenIsReported)
{
    Install in;
    in.dir.writeFile("settings.ini", "");
    app::Program program(in.dir.path(), in.services);
    // A folder where the file must go: the rename over it fails.
    std::filesystem::remove(in.dir.path() / "settings.ini");
    in.dir.makeDir("settings.ini/blocker");
    program.vypni();
    ASSERT_EQ(in.services.messages.size(), 1u);
    EXPECT_EQ(in.services.messages[0].text,
              "The settings could not be saved to \"" + (in.dir.path() / "settings.ini").string() + "\".");
}

} // namespace

namespace {

TEST(Program, LanguageFileReachesTheOtherCalculatorsWindows)
{
    Install in;
    in.dir.writeFile("settings.ini", "[settings_window]\nlanguage=0\n");
    in.dir.writeFile("langs/english.ini", "[lang]\nstat=Statistics\nlinea=Linear systems\nclose=Close\n");
    app::Program program(in.dir.path(), in.services);
    program.show();
    // The statistics window is made when it is first opened, as start-up would have made it.
    auto statistics = [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "statm")
                return w;
        return static_cast<QWidget*>(nullptr);
    };
    EXPECT_EQ(statistics(), nullptr);
    program.openWindow("AStat");
    ASSERT_NE(statistics(), nullptr);
    EXPECT_EQ(statistics()->windowTitle().toStdString(), " Statistics");
    EXPECT_TRUE(statistics()->isVisible());
    EXPECT_TRUE(statistics()->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(program.main().action("ALinear")->text().toStdString(), "Linear systems...");
    EXPECT_EQ(program.about()->ZavBut->text().toStdString(), "Close");
    program.main().close();
}

} // namespace

namespace {

// The main menu offers only windows this build has: the text calculator's item and its
// shortcut stay hidden until that window exists, the tool windows' items are there.
TEST(Program, MainMenuOffersOnlyWindowsThatExist)
{
    Install in;
    app::Program program(in.dir.path(), in.services);
    program.show();
    keypad::Tmain& m = program.main();
    ASSERT_NE(m.findChild<QAction*>("textitem"), nullptr);
    EXPECT_TRUE(m.findChild<QAction*>("textitem")->isVisible());
    EXPECT_TRUE(m.action("AText")->isVisible());
    EXPECT_TRUE(m.findChild<QAction*>("statitem")->isVisible());
    EXPECT_TRUE(m.action("AStat")->isVisible());
    m.close();
}

// The keypad's AText shows the text calculator; a modified sheet, even hidden and untitled, is asked about
// at shut-down, and Cancel keeps the program running.
TEST(Program, TextCalculatorSheetIsNotLostAtShutDown)
{
    Install in;
    app::Program program(in.dir.path(), in.services);
    program.show();
    keypad::Tmain& m = program.main();
    program.openWindow("AText");
    QWidget* text = textWindow();
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->isVisible());
    text->findChild<QTextEdit*>("kalkul")->insertPlainText("x:=1");
    text->close();
    EXPECT_FALSE(text->isVisible());

    in.services.messages.clear();
    in.services.answers = {platform::Answer::Cancel};
    program.vypni();
    EXPECT_EQ(texts(in.services), std::vector<std::string>{"Save changes in file \" Nový soubor \" ?"});
    EXPECT_TRUE(m.isVisible());

    in.services.answers = {platform::Answer::No};
    program.vypni();
    EXPECT_FALSE(m.isVisible());
}

// A changed sheet with a name, its window shown, closed by the keypad's AClose (Esc): the
// question comes once, whatever the answer, and the program ends only when it may (the
// keypad's actions are off while another window is active: vypni is what AClose runs).
TEST(Program, ShutDownAsksAboutANamedSheetOnce)
{
    struct Row {
        const char* name;
        platform::Answer answer;
        bool ends;
    };
    const Row rows[] = {
        {"no", platform::Answer::No, true},
        {"cancel", platform::Answer::Cancel, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Install in;
        in.dir.writeFile("sheets/named.txt", "x:=1");
        app::Program program(in.dir.path(), in.services);
        program.show();
        program.openWindow("AText");
        textcalc::TTextm* text = textWindow();
        ASSERT_NE(text, nullptr);
        text->fileDialog = [&](bool) { return std::optional(QString::fromStdString((in.dir.path() / "sheets/named.txt").string())); };
        text->AOpen->trigger();
        text->kalkul->insertPlainText("y");
        in.services.messages.clear();
        in.services.answers = {r.answer};
        bool ended = false;
        QObject row; // a late queued call dies with the row instead of reaching its locals
        QObject::connect(&program, &app::Program::finished, &row, [&] { ended = true; QApplication::quit(); },
                         Qt::QueuedConnection);
        QTimer::singleShot(0, &program, [&] { program.vypni(); });
        QTimer::singleShot(300, &program, [&] {
            text->kalkul->document()->setModified(false); // the test's own end asks nothing
            QApplication::quit();
        });
        QApplication::exec();
        EXPECT_EQ(texts(in.services), std::vector<std::string>{"Save changes in file \" named.txt \" ?"});
        EXPECT_EQ(ended, r.ends);
    }
}

// `zoltcalc FILE...` and the "Text calculator" start option, at this start or handed over by a
// later one: the text calculator is shown over the keypad, the first FILE read as the open
// action reads it (after the save question for a modified sheet), or refused with that
// action's message; further files are named in a box. A start without either brings the keypad
// forward.
TEST(Program, TakesWhatAStartAsksFor)
{
    const struct {
        const char* name;
        const char* file; // written into the program directory, then given as the sheet
        const char* content;
        std::vector<const char*> sheets; // the arguments
        bool textCalculator;
        const char* typed; // into the sheet before: a modified sheet
        std::deque<platform::Answer> answers;
        std::string title;
        std::string text;
        std::vector<std::string> messages;
    } rows[] = {
        {"StartOptionAlone", nullptr, nullptr, {}, true, "", {}, "Nový soubor - Textová kalkulačka", "", {}},
        {"RtfSheet", "notes.rtf", "{\\rtf1\\ansi x:=1\\par 2*x\\par}", {"notes.rtf"}, true, "", {},
         "notes - Textová kalkulačka", "x:=1\n2*x", {}},
        {"PlainSheet", "plan.txt", "a:=2\na+1", {"plan.txt"}, true, "", {}, "plan - Textová kalkulačka", "a:=2\na+1", {}},
        {"MissingFile", nullptr, nullptr, {"gone.rtf"}, true, "", {}, "Nový soubor - Textová kalkulačka", "",
         {"Error. File \" gone.rtf \" does not exist."}},
        {"Folder", nullptr, nullptr, {"sheets"}, true, "", {}, "Nový soubor - Textová kalkulačka", "",
         {"Error. File \" sheets \" cannot be read."}},
        {"SecondAndThirdNamed", "plan.txt", "a:=2", {"plan.txt", "b.rtf", "c.txt"}, true, "", {},
         "plan - Textová kalkulačka", "a:=2",
         {"The text calculator holds one sheet at a time; not opened: \"b.rtf\", \"c.txt\"."}},
        {"ModifiedSheetKeptOnCancel", "plan.txt", "a:=2", {"plan.txt"}, true, "mine", {platform::Answer::Cancel},
         "*Nový soubor - Textová kalkulačka", "mine", {"Save changes in file \" Nový soubor \" ?"}},
        {"ModifiedSheetDroppedOnNo", "plan.txt", "a:=2", {"plan.txt"}, true, "mine", {platform::Answer::No},
         "plan - Textová kalkulačka", "a:=2", {"Save changes in file \" Nový soubor \" ?"}},
        {"KeypadOnly", nullptr, nullptr, {}, false, "", {}, "Nový soubor - Textová kalkulačka", "", {}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        Install in;
        in.dir.writeFile("settings.ini", "");
        in.dir.makeDir("sheets");
        if (r.file)
            in.dir.writeFile(r.file, r.content);
        app::Program program(in.dir.path(), in.services);
        program.show();
        auto* text = textWindow();
        ASSERT_NE(text, nullptr);
        text->findChild<QTextEdit*>("kalkul")->insertPlainText(r.typed);
        program.main().showMinimized();
        in.services.messages.clear();
        in.services.answers = r.answers;
        app::StartRequest request;
        request.textCalculator = r.textCalculator;
        for (const char* sheet : r.sheets)
            request.sheets.push_back((in.dir.path() / sheet).string());
        program.take(request);
        EXPECT_EQ(text->isVisible(), r.textCalculator);
        EXPECT_TRUE(program.main().isVisible());
        EXPECT_EQ(program.main().isMinimized(), r.textCalculator);
        EXPECT_EQ(text->windowTitle().toStdString(), r.title);
        EXPECT_EQ(text->findChild<QTextEdit*>("kalkul")->toPlainText().toStdString(), r.text);
        EXPECT_EQ(texts(in.services), r.messages);
        text->findChild<QTextEdit*>("kalkul")->document()->setModified(false);
        program.main().close();
    }
}

} // namespace
