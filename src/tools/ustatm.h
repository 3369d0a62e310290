#pragma once
// The statistics window: the observation table `datar`, a tool bar of its handlers and the
// read-only output box `vystup`.
#include "tools/statistics.h"

#include "ui/tool_window.h"

#include <QDialog>

class QAction;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QToolBar;

namespace tools {

class Tstatm : public QDialog, public ui::ToolWindow {
    Q_OBJECT
public:
    explicit Tstatm(platform::Services& services, QWidget* parent = nullptr);

    Statistics& engine() { return m_engine; }

    // ui::ToolWindow
    QWidget* widget() override { return this; }
    void popis(const ui::Language& language) override;
    const char* manualPage() const override { return "statistics"; }

    // Controls under their design names (tool buttons are actions).
    QToolBar* toolBar;
    QAction* ImpxBut;
    QAction* ImpyBut;
    QAction* PridBut;
    QAction* UberBut;
    QAction* VymBut;
    QAction* VypBut;
    QAction* VztahBut;
    QTableWidget* datar;
    QPlainTextEdit* vystup;
    QPushButton* ZavBut;

    void import(Column target);
    void PridButClick();
    void UberButClick();
    void VymButClick();
    void VypButClick();
    void VztahButClick();
    void ZavButClick() { close(); }

private:
    void datarColumnMoved(int logical, int oldVisual, int newVisual);
    void datarRowMoved(int logical, int oldVisual, int newVisual);
    void cellEdited(int row, int column);
    void showTable();
    void showOutput();

    Statistics m_engine;
};

} // namespace tools
