#pragma once
// The find/replace window: finds the text of `findt` in the sheet, ignoring case, from the end
// of the selection on; replaces the next occurrence or every one in the selection (or the whole
// sheet). Always on top, fixed size, centred on the screen, no caption buttons; shown by the
// text calculator's AFind, hidden by "Zavřít" and when the text calculator closes.
#include "textcalc/sheet/document.h"

#include "platform/services.h"
#include "ui/language.h"
#include "ui/tool_window.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace textcalc {

class Tfind : public QDialog, public ui::ToolWindow {
    Q_OBJECT
public:
    explicit Tfind(platform::Services& services, QWidget* parent = nullptr);

    // The sheet the buttons work on; null: they do nothing.
    void setDocument(sheet::Document* document) { m_document = document; }

    // ui::ToolWindow. Always on top of the text calculator, whatever the switch says.
    QWidget* widget() override { return this; }
    void popis(const ui::Language& language) override;
    const char* manualPage() const override { return "find"; }
    bool followsAlwaysOnTop() const override { return false; }

    // ---- Controls under their design names -------------------------------------------------
    QLineEdit* findt;
    QLineEdit* replt;
    QLabel* findtLabel;
    QLabel* repltLabel;
    QPushButton* findbut;
    QPushButton* repbut;
    QPushButton* repallbut;
    QPushButton* ZavBut;

    // "Najít" (replace false) and "Nahradit" (replace true).
    void findrep(bool replace);
    void repallbutClick();
    void ZavButClick() { hide(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    platform::Services& m_services;
    sheet::Document* m_document = nullptr;
};

} // namespace textcalc
