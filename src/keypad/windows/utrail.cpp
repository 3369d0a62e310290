#include "keypad/windows/utrail.h"

#include "platform/qt/fixed_window.h"
#include "ui/colors.h"

#include <QLineEdit>
#include <QVBoxLayout>

namespace keypad {

Ttrail::Ttrail(QWidget* parent)
    : QWidget(parent, Qt::Tool)
{
    platform::makeFixedWindow(this);
    setObjectName("trail");
    setWindowTitle(" Záznam výpočtu");
    paper = new QLineEdit(this);
    paper->setObjectName("paper");
    paper->setReadOnly(true);
    paper->setFrame(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(paper);
    applyLook(settings::FontSetting{}, 0xFFFFFF);
}

void Ttrail::setText(const std::string& text)
{
    paper->setText(QString::fromStdString(text));
    paper->end(false); // the newest entries are the ones to see
}

void Ttrail::setWidth(int width)
{
    resize(std::max(width, minimumSizeHint().width()), height());
}

void Ttrail::applyLook(const settings::FontSetting& font, unsigned background)
{
    QFont f(QString::fromStdString(font.name));
    f.setPointSize(font.size);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    paper->setFont(f);
    QPalette pal = paper->palette();
    pal.setColor(QPalette::Text, ui::toQColor(font.color));
    pal.setColor(QPalette::Base, ui::toQColor(background));
    paper->setPalette(pal);
    // The window has a fixed height: one line of the trail font.
    setFixedHeight(paper->sizeHint().height());
}

} // namespace keypad
