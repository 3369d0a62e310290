#pragma once
// The macro window: inputs on the left, results on the right, "Vypočti" computes the results of
// the macro it was opened for. Not modal; it stays open while the keypad is used. A dialog so
// that Enter presses the default button.
#include "ui/tool_window.h"

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace keypad {
class Engine;
}
namespace macros {
class MacroHost;
}

class Tmacros : public QDialog, public ui::ToolWindow {
    Q_OBJECT
public:
    // `engine` reports "Macro error." (chyba) for inputs that are not numbers.
    Tmacros(macros::MacroHost& host, keypad::Engine& engine, QWidget* parent = nullptr);

    // Shows the macro that the host's macroclick prepared: caption, rows and sizes.
    void showMacro();
    // ui::ToolWindow. The language also gives the captions the window shows (none yet: the
    // macro files' texts); it must outlive the window.
    QWidget* widget() override { return this; }
    void popis(const ui::Language& language) override;
    const char* manualPage() const override { return "macros"; }

    QTableWidget* inpdata;
    QTableWidget* results;
    QPushButton* VypBut;
    QPushButton* ZavBut;

private slots:
    void Macrize();

private:
    void fill(QTableWidget* grid, bool valuesEditable, bool inputs);

    std::string rowCaption(const std::string& key, const std::string& fileCaption) const;

    const ui::Language* m_language = nullptr;
    macros::MacroHost& m_host;
    keypad::Engine& m_engine;
};
