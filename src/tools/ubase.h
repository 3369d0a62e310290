#pragma once
// The base conversion window: a number typed in one base 2 … 36 and its text in another.
// Opened, not modally, from the main window (ABase, baseitem); lives hidden between uses.
#include "tools/baseconversion.h"

#include "ui/tool_window.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tools {

class Tbase : public QDialog, public ui::ToolWindow {
    Q_OBJECT
public:
    explicit Tbase(platform::Services& services, QWidget* parent = nullptr);

    BaseConversion& engine() { return m_engine; }

    // ui::ToolWindow
    QWidget* widget() override { return this; }
    void popis(const ui::Language& language) override;
    const char* manualPage() const override { return "base"; }

    // Controls under their design names.
    QLineEdit* vstup;
    QComboBox* puvod;
    QLineEdit* vystup;
    QComboBox* nova;
    QSpinBox* mista;
    QPushButton* PrevBut;
    QPushButton* ZamnBut;
    QPushButton* ZavBut;
    QLabel* vstupLabel;
    QLabel* puvodLabel;
    QLabel* vystupLabel;
    QLabel* novaLabel;
    QLabel* mistaLabel;

    void prevedClick();
    void ZamButClick();
    void mistaChange();
    void ZavButClick() { close(); }

private:
    void pull();
    void showState();

    BaseConversion m_engine;
};

} // namespace tools
