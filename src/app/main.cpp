// zoltcalc: the calculator program.
#include "app/program.h"
#include "platform/data_folders.h"
#include "platform/errors.h"
#include "platform/qt/qt_services.h"

#include <QApplication>
#include <QFileInfo>
#include <QStringList>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <string_view>

namespace {

constexpr const char* usage =
    "usage: zoltcalc [--help | --version] [--text-calculator] [FILE]\n"
    "                [Qt options, such as -platform NAME or -style NAME]\n"
    "Shows the keypad calculator; its menu opens the text calculator, the statistics,\n"
    "linear systems and base conversion windows and the macros. --text-calculator\n"
    "shows the text calculator too; FILE (a sheet, RTF or plain text) opens in it.\n"
    "zoltcalc-cli runs the same engines from the command line.\n";

int refuse(const char* why)
{
    std::fprintf(stderr, "zoltcalc: %s\n%s", why, usage);
    return 2;
}

struct StartRequest {
    bool textCalculator = false;
    QString sheet; // absolute, so that saving does not depend on the working folder
};

// The arguments Qt left: the start option and at most one sheet (a desktop entry's %F may give
// more, but the text calculator holds one).
StartRequest readRequest(const QStringList& arguments)
{
    StartRequest request;
    for (const QString& argument : arguments.mid(1)) {
        if (argument == "--text-calculator") {
            request.textCalculator = true;
        } else if (argument.startsWith('-')) {
            throw platform::UserError("unknown argument '" + argument.toStdString() + "'");
        } else if (!request.sheet.isEmpty()) {
            throw platform::UserError("one FILE at a time, '" + argument.toStdString() + "' is a second one");
        } else {
            request.sheet = QFileInfo(argument).absoluteFilePath();
            request.textCalculator = true;
        }
    }
    return request;
}

} // namespace

int main(int argc, char** argv)
{
    // Answered before Qt starts, so they need no display.
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::fputs(usage, stdout);
            return 0;
        }
        if (argument == "--version") {
            std::printf("zoltcalc %s\n", ZOLT_VERSION);
            return 0;
        }
    }
    QApplication app(argc, argv);
    // The desktop entry's name: docks and task bars match the windows to it.
    QGuiApplication::setDesktopFileName("org.zoltcalc.ZoltCalc");
    // Qt took the options it knows out of the arguments.
    StartRequest request;
    try {
        request = readRequest(QCoreApplication::arguments());
    } catch (const platform::UserError& e) {
        return refuse(e.what());
    }
    // Qt set the C library's locale from the environment; engines format numbers themselves
    // and read the decimal separator through the services.
    std::setlocale(LC_NUMERIC, "C");

    platform::QtServices services;
    // The program directory holds every data file; what the user changes moves to the user's
    // folders when that directory cannot be written.
    const std::filesystem::path programDir = QCoreApplication::applicationDirPath().toStdString();
    app::Program program(platform::locateDataFolders(programDir, platform::UserFolders::fromEnvironment()), services);
    if (!program.canRun())
        return 0;
    QObject::connect(&program, &app::Program::finished, &app, &QApplication::quit, Qt::QueuedConnection);
    program.show();
    if (request.textCalculator)
        program.showTextCalculator(request.sheet);
    return app.exec();
}
