#include "app/uabout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef ZOLT_VERSION
#define ZOLT_VERSION "1.0.0"
#endif

namespace app {

Tabout::Tabout(QWidget* parent) : QDialog(parent)
{
    setObjectName("about");
    setWindowTitle(" O programu");

    nazev = new QLabel("ZOLT CALC", this);
    nazev->setObjectName("nazev");
    QFont big = nazev->font();
    big.setPointSize(big.pointSize() + 8);
    big.setBold(true);
    nazev->setFont(big);
    verze = new QLabel(QString("Verze %1").arg(ZOLT_VERSION), this);
    verze->setObjectName("verze");
    auto* what = new QLabel("Vědecká kalkulačka s textovou kalkulačkou,\nstatistikou, soustavami rovnic a makry.", this);
    odkaz = new QLabel("<a href=\"Help.htm\">Nápověda ke kalkulačce</a>", this);
    odkaz->setObjectName("odkaz");
    odkaz->setTextInteractionFlags(Qt::TextBrowserInteraction);
    connect(odkaz, &QLabel::linkActivated, this, &Tabout::helpRequested);

    NapBut = new QPushButton("Nápověda", this);
    NapBut->setObjectName("NapBut");
    ZavBut = new QPushButton("Zavřít", this);
    ZavBut->setObjectName("ZavBut");
    ZavBut->setDefault(true);
    connect(NapBut, &QPushButton::clicked, this, &Tabout::helpRequested);
    connect(ZavBut, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    for (QLabel* l : {nazev, verze, what, odkaz}) {
        l->setAlignment(Qt::AlignCenter);
        layout->addWidget(l);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(NapBut);
    buttons->addWidget(ZavBut);
    layout->addLayout(buttons);
}

} // namespace app
