#pragma once
// A keypad engine, macro files in a temporary directory and the macro window over them.
#include "keypad/engine.h"
#include "macros/macro_host.h"
#include "macros/umacros.h"
#include "platform/headless/headless_services.h"
#include "temp_dir.h"

#include <QTableWidget>

class WindowFixture {
public:
    WindowFixture(const std::string& tree, const std::string& engineIni, char sep = '.')
        : services(sep), engine(services), host(write(tree, engineIni), services), window(host, engine)
    {
        engine.start({}, "DEG", {});
    }

    static QString cell(const QTableWidget* grid, int row, int column)
    {
        const QTableWidgetItem* item = grid->item(row, column);
        return item ? item->text() : QStringLiteral("<none>");
    }

    TempDir dir;
    platform::HeadlessServices services;
    keypad::Engine engine;
    macros::MacroHost host;
    Tmacros window;

private:
    std::filesystem::path write(const std::string& tree, const std::string& engineIni)
    {
        dir.write("macro_tree.ini", tree);
        dir.write("macro_engine.ini", engineIni);
        return dir.path();
    }
};
