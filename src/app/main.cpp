// zoltcalc: the calculator program.
#include "app/program.h"
#include "platform/qt/qt_services.h"

#include <QApplication>

#include <clocale>
#include <filesystem>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Qt set the C library's locale from the environment; engines format numbers themselves
    // and read the decimal separator through the services.
    std::setlocale(LC_NUMERIC, "C");

    platform::QtServices services([] { return QApplication::activeWindow(); });
    // The program directory: every data file lies beside the executable.
    const std::filesystem::path programDir = QCoreApplication::applicationDirPath().toStdString();
    app::Program program(programDir, services);
    if (!program.canRun())
        return 0;
    QObject::connect(&program, &app::Program::finished, &app, &QApplication::quit, Qt::QueuedConnection);
    program.show();
    return app.exec();
}
