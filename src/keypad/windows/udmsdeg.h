#pragma once
// Tdmsdeg: degrees, minutes and seconds typed into three fields; OK gives the keypad the angle
// in decimal degrees.
#include <QDialog>

#include <string>

class QLineEdit;
class QLabel;
class QPushButton;

namespace keypad {

class Tdmsdeg : public QDialog {
    Q_OBJECT
public:
    explicit Tdmsdeg(QWidget* parent = nullptr);

    QLineEdit* degr;
    QLineEdit* minu;
    QLineEdit* seco;
    QLabel* degrLabel;
    QLabel* minuLabel;
    QLabel* secoLabel;
    QPushButton* OKBut;
    QPushButton* StornoBut;

    std::string degrees() const;
    std::string minutes() const;
    std::string seconds() const;

protected:
    void showEvent(QShowEvent* e) override;
};

} // namespace keypad
