#include "platform/qt/save_dialog.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace platform {

QString filterExtension(const QString& filter)
{
    static const QRegularExpression pattern(R"(\(\*\.(\w+)[ )])");
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

void addFilterExtension(QFileDialog& dialog, const QString& fallback)
{
    auto follow = [&dialog, fallback](const QString& filter) {
        const QString extension = filterExtension(filter);
        dialog.setDefaultSuffix(extension.isEmpty() ? fallback : extension);
    };
    follow(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
}

} // namespace platform
