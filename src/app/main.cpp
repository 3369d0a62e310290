// zoltcalc: the calculator program.
#include "app/program.h"
#include "platform/data_folders.h"
#include "platform/qt/qt_services.h"

#include <QApplication>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <string_view>

namespace {

constexpr const char* usage =
    "usage: zoltcalc [--help | --version] [Qt options, such as -platform NAME or -style NAME]\n"
    "Shows the keypad calculator; its menu opens the text calculator, the statistics, linear\n"
    "systems and base conversion windows and the macros. zoltcalc-cli runs the same engines\n"
    "from the command line.\n";

int unknownArgument(const char* argument)
{
    std::fprintf(stderr, "zoltcalc: unknown argument '%s'\n%s", argument, usage);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    // Answered before Qt starts, so they need no display. Qt's own options all begin with "-".
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
        if (!argument.starts_with('-') && (i == 1 || !std::string_view(argv[i - 1]).starts_with('-')))
            return unknownArgument(argv[i]);
    }
    QApplication app(argc, argv);
    // Qt took the options it knows out of the arguments; anything left is not an option.
    if (argc > 1)
        return unknownArgument(argv[1]);
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
    return app.exec();
}
