// zoltcalc: the calculator program.
#include "app/program.h"
#include "platform/data_folders.h"
#include "platform/qt/qt_services.h"

#include <QApplication>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <string_view>

int main(int argc, char** argv)
{
    // Answered before Qt starts, so it needs no display.
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::printf("zoltcalc %s\n", ZOLT_VERSION);
        return 0;
    }
    QApplication app(argc, argv);
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
