// The output font dialog: the desktop's font dialog with a colour button below it, since output
// lines take their colour from the output font too.
#include "textcalc/windows/utextm.h"

#include "ui/language.h"

#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace textcalc {

namespace {

QIcon swatch(const QColor& colour)
{
    QPixmap p(24, 14);
    p.fill(colour);
    return QIcon(p);
}

} // namespace

std::optional<TTextm::OutputFont> TTextm::chooseOutputFont(const OutputFont& initial)
{
    QDialog dialog(this);
    dialog.setWindowTitle(QString::fromStdString(ui::withoutMnemonic(FontBut->text().toStdString())));
    auto* fonts = new QFontDialog(initial.font, &dialog);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setOptions(QFontDialog::NoButtons);
    QColor colour = initial.colour;
    auto* colourButton = new QPushButton(swatch(colour), ColButton->toolTip() + "...");
    connect(colourButton, &QPushButton::clicked, &dialog, [&] {
        if (const auto c = colourDialog(colour)) {
            colour = *c;
            colourButton->setIcon(swatch(colour));
        }
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(colourButton);
    bottom->addStretch();
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(bottom);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return OutputFont{fonts->currentFont(), colour};
}

} // namespace textcalc
