#pragma once
// Tabout: the program's name and version, and a link to its help page.
#include "ui/language.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace app {

class Tabout : public QDialog {
    Q_OBJECT
public:
    explicit Tabout(QWidget* parent = nullptr);

    QLabel* nazev;
    QLabel* verze;
    QLabel* popisek;
    QLabel* odkaz;
    QPushButton* NapBut;
    QPushButton* ZavBut;

    // The language's texts: title, buttons, the version line, the description and the help link.
    void popis(const ui::Language& language);

signals:
    void helpRequested(); // the help button or the link: the program opens Help.htm
};

} // namespace app
