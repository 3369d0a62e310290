#include "app/uabout.h"

#include "platform/qt/fixed_window.h"
#include "ui/window_texts.h"

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
    platform::makeFixedWindow(this);
    setObjectName("about");
    setWindowTitle(" O programu");

    nazev = new QLabel("ZOLT CALC", this);
    nazev->setObjectName("nazev");
    QFont big = nazev->font();
    big.setPointSize(big.pointSize() + 8);
    big.setBold(true);
    nazev->setFont(big);
    verze = new QLabel(this);
    verze->setObjectName("verze");
    popisek = new QLabel(this);
    popisek->setObjectName("popisek");
    popisek->setWordWrap(true);
    odkaz = new QLabel(this);
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
    for (QLabel* l : {nazev, verze, popisek, odkaz}) {
        l->setAlignment(Qt::AlignCenter);
        layout->addWidget(l);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(NapBut);
    buttons->addWidget(ZavBut);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Tabout::popis(const ui::Language& language)
{
    using ui::TextRole;
    ui::applyTexts(language, {
        {this, TextRole::Title, "about", "O programu"},
        {NapBut, TextRole::Text, "help", "Nápověda"},
        {ZavBut, TextRole::Text, "close", "Zavřít"},
        {popisek, TextRole::Text, "description",
         "Vědecká kalkulačka s textovou kalkulačkou, statistikou, soustavami rovnic a makry."},
    });
    auto text = [&](const char* key, const char* czech) { return QString::fromStdString(language.text(key, czech)); };
    verze->setText(text("version", "Verze") + " " + ZOLT_VERSION);
    odkaz->setText("<a href=\"Help.htm\">" + text("helplink", "Nápověda ke kalkulačce").toHtmlEscaped() + "</a>");
}

} // namespace app
