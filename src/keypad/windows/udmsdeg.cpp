#include "keypad/windows/udmsdeg.h"

#include "platform/qt/fixed_window.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace keypad {

Tdmsdeg::Tdmsdeg(QWidget* parent) : QDialog(parent)
{
    platform::makeFixedWindow(this);
    setObjectName("dmsdeg");
    setWindowTitle("DMS -> Deg");
    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    auto field = [&](const char* name, const char* caption, QLabel*& label, int row) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        edit->setText("0");
        label = new QLabel(caption, this);
        label->setBuddy(edit);
        grid->addWidget(edit, row, 0);
        grid->addWidget(label, row, 1);
        return edit;
    };
    degr = field("degr", "stupňů", degrLabel, 0);
    minu = field("minu", "minut", minuLabel, 1);
    seco = field("seco", "vteřin", secoLabel, 2);

    OKBut = new QPushButton("OK", this);
    OKBut->setObjectName("OKBut");
    OKBut->setDefault(true);
    StornoBut = new QPushButton("Storno", this);
    StornoBut->setObjectName("StornoBut");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBut);
    buttons->addWidget(StornoBut);
    grid->addLayout(buttons, 3, 0, 1, 2);
    connect(OKBut, &QPushButton::clicked, this, &QDialog::accept);
    connect(StornoBut, &QPushButton::clicked, this, &QDialog::reject);
}

// Each opening starts in the degrees field with its text selected, so typing replaces it.
void Tdmsdeg::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    degr->setFocus();
    degr->selectAll();
}

std::string Tdmsdeg::degrees() const { return degr->text().toStdString(); }
std::string Tdmsdeg::minutes() const { return minu->text().toStdString(); }
std::string Tdmsdeg::seconds() const { return seco->text().toStdString(); }

} // namespace keypad
