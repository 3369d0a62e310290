#include "textcalc/windows/ufind.h"

#include "textcalc/sheet/find.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace textcalc {

namespace {

constexpr int editWidth = 260;

QPushButton* button(const char* name, const char* caption)
{
    auto* b = new QPushButton(QString::fromUtf8(caption));
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

Tfind::Tfind(platform::Services& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      m_services(services)
{
    setObjectName("find");
    setWindowTitle(QString::fromUtf8(" Najít, nahradit"));

    findt = new QLineEdit;
    findt->setObjectName("findt");
    findt->setMinimumWidth(editWidth);
    replt = new QLineEdit;
    replt->setObjectName("replt");
    findtLabel = new QLabel(QString::fromUtf8("Najít :"));
    findtLabel->setBuddy(findt);
    repltLabel = new QLabel(QString::fromUtf8("Nahradit za :"));
    repltLabel->setBuddy(replt);
    findbut = button("findbut", "Najít");
    findbut->setDefault(true);
    repbut = button("repbut", "Nahradit");
    repallbut = button("repallbut", "Nahradit vše");
    ZavBut = button("ZavBut", "Zavřít");

    auto* edits = new QGridLayout;
    edits->addWidget(findtLabel, 0, 0);
    edits->addWidget(findt, 0, 1);
    edits->addWidget(repltLabel, 1, 0);
    edits->addWidget(replt, 1, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {findbut, repbut, repallbut, ZavBut})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(edits);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(findbut, &QPushButton::clicked, this, [this] { findrep(false); });
    connect(repbut, &QPushButton::clicked, this, [this] { findrep(true); });
    connect(repallbut, &QPushButton::clicked, this, &Tfind::repallbutClick);
    connect(ZavBut, &QPushButton::clicked, this, &Tfind::ZavButClick);
}

void Tfind::popis(const ui::Language& lang)
{
    auto t = [&](const char* key, const char* czech) { return QString::fromStdString(lang.text(key, czech)); };
    // Labels and buttons keep the file's mnemonics; a label's takes the focus to its field.
    auto c = [&](const char* key, const char* czech) { return QString::fromStdString(lang.caption(key, czech)); };
    setWindowTitle(" " + t("findrepl", "Najít, nahradit"));
    findtLabel->setText(c("findt", "Najít :"));
    repltLabel->setText(c("replt", "Nahradit za :"));
    findbut->setText(c("find", "Najít"));
    repbut->setText(c("replace", "Nahradit"));
    repallbut->setText(c("replaceall", "Nahradit vše"));
    ZavBut->setText(c("close", "Zavřít"));
}

void Tfind::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void Tfind::setReplaceEnabled(bool on)
{
    repbut->setEnabled(on);
    repallbut->setEnabled(on);
}

void Tfind::findrep(bool replace)
{
    if (!m_document || (replace && !repbut->isEnabled()))
        return;
    sheet::Document& doc = *m_document;
    const std::string text = findt->text().toStdString();
    const auto step = [&] {
        return replace ? sheet::replaceNext(doc, text, replt->text().toStdString()) : sheet::findNext(doc, text);
    };
    if (step())
        return;
    const sheet::Position start = doc.selectionStart(), end = doc.selectionEnd();
    doc.setCaret({});
    if (step()) {
        emit searchWrapped();
        return;
    }
    doc.select(start, end);
    m_services.message(platform::MessageKind::Plain, "String not found.");
}

void Tfind::repallbutClick()
{
    if (!m_document || !repallbut->isEnabled())
        return;
    const std::string text = findt->text().toStdString();
    if (sheet::selectionIsOccurrence(*m_document, text))
        m_document->setCaret(m_document->selectionStart());
    const int count = sheet::replaceAll(*m_document, text, replt->text().toStdString());
    m_services.message(platform::MessageKind::Plain,
                       count > 0 ? "String replaced " + std::to_string(count) + " times." : "String not found.");
}

} // namespace textcalc
