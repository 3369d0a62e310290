#pragma once
// The linear systems window: grids for A, b and the solution, the system size, determinant and
// rank figure. Growing the system grows the window up and to the left, so its bottom-right
// corner stays where the user put it.
#include "tools/linearsystem.h"

#include "ui/tool_window.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace tools {

class Tlinsys : public QDialog, public ui::ToolWindow {
    Q_OBJECT
public:
    explicit Tlinsys(platform::Services& services, QWidget* parent = nullptr);

    LinearSystem& engine() { return m_engine; }

    // ui::ToolWindow
    QWidget* widget() override { return this; }
    void popis(const ui::Language& language) override;
    const char* manualPage() const override { return "linear"; }

    // Controls under their design names.
    QTableWidget* aaa;
    QTableWidget* bbb;
    QTableWidget* xxx;
    QSpinBox* pocet;
    QLineEdit* determ;
    QLineEdit* hodnost;
    QLabel* determLabel;
    QLabel* hodnostLabel;
    QPushButton* VyrBut;
    QPushButton* ZavBut;

    void pocetChange(int count);
    void VyrButClick();
    void ZavButClick() { close(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void resizeGrids(int n);
    void setOuterSize(int width, int height);
    void pull();
    void showState();

    platform::Services& m_services;
    LinearSystem m_engine;
    int m_size = 0; // the size the window is laid out for
    std::string m_untrustedText; // the language's warning beside a solution not to be trusted
};

} // namespace tools
