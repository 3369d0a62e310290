// zoltcalc: the calculator program.
#include "app/command_line.h"
#include "app/instance_link.h"
#include "app/program.h"
#include "platform/data_folders.h"
#include "platform/errors.h"
#include "platform/qt/qt_services.h"

#include <QApplication>

#include <clocale>
#include <cstdio>
#include <filesystem>

int main(int argc, char** argv)
{
    // Answered before Qt starts, so they need no display.
    app::StartRequest request;
    try {
        request = app::readCommandLine(argc, argv);
    } catch (const platform::UserError& e) {
        std::fprintf(stderr, "zoltcalc: %s\n%s", e.what(), app::usage);
        return 2;
    }
    if (request.kind == app::StartRequest::Kind::Help) {
        std::fputs(app::usage, stdout);
        return 0;
    }
    if (request.kind == app::StartRequest::Kind::Version) {
        std::printf("zoltcalc %s\n", ZOLT_VERSION);
        return 0;
    }
    QApplication app(argc, argv);
    // The desktop entry's name: docks and task bars match the windows to it.
    QGuiApplication::setDesktopFileName("org.zoltcalc.ZoltCalc");
    // Qt set the C library's locale from the environment; engines format numbers themselves
    // and read the decimal separator through the services.
    std::setlocale(LC_NUMERIC, "C");

    // The program directory holds every data file; what the user changes moves to the user's
    // folders when that directory cannot be written.
    const std::filesystem::path programDir = QCoreApplication::applicationDirPath().toStdString();
    platform::DataFolders folders = platform::locateDataFolders(programDir, platform::UserFolders::fromEnvironment());
    // A program already running on the same settings takes the request; two would overwrite
    // each other's settings at shut-down.
    app::InstanceLink link(app::instanceFolder(), folders.settingsFile);
    if (link.handOverOrListen(request))
        return 0;

    platform::QtServices services;
    app::Program program(std::move(folders), services);
    if (!program.canRun())
        return 0;
    QObject::connect(&program, &app::Program::finished, &app, &QApplication::quit, Qt::QueuedConnection);
    program.show();
    program.take(request);
    link.setHandler([&program](const app::StartRequest& r) { program.take(r); });
    return app.exec();
}
