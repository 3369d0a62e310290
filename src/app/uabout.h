#pragma once
// Tabout: the program's name and version, and a link to its help page.
#include <QDialog>

#include <filesystem>

class QLabel;
class QPushButton;

namespace app {

class Tabout : public QDialog {
    Q_OBJECT
public:
    explicit Tabout(const std::filesystem::path& programDir, QWidget* parent = nullptr);

    QLabel* nazev;
    QLabel* verze;
    QLabel* odkaz;
    QPushButton* NapBut;
    QPushButton* ZavBut;
};

} // namespace app
