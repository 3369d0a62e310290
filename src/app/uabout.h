#pragma once
// Tabout: the program's name and version, and a link to its help page.
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
    QLabel* odkaz;
    QPushButton* NapBut;
    QPushButton* ZavBut;

signals:
    void helpRequested(); // the help button or the link: the program opens Help.htm
};

} // namespace app
