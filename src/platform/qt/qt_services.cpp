#include "qt_services.h"

#include "platform/qt/fixed_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace platform {

QWidget* QtServices::parentWidget() const
{
    return m_parent ? m_parent() : QApplication::activeWindow();
}

void QtServices::beep() { QApplication::beep(); }

Answer QtServices::message(MessageKind kind, const std::string& text, Buttons buttons, const std::string& caption)
{
    QMessageBox box(parentWidget());
    makeFixedWindow(&box);
    switch (kind) {
    case MessageKind::Plain: box.setIcon(QMessageBox::NoIcon); break;
    case MessageKind::Error: box.setIcon(QMessageBox::Critical); break;
    case MessageKind::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageKind::Information: box.setIcon(QMessageBox::Information); break;
    case MessageKind::Confirmation: box.setIcon(QMessageBox::Question); break;
    }
    static const char* const titles[] = {"ZOLT CALC", "Error", "Warning", "Information", "Confirm"};
    box.setWindowTitle(caption.empty() ? QString::fromUtf8(titles[static_cast<int>(kind)]) : QString::fromStdString(caption));
    box.setText(QString::fromStdString(text));
    switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: return Answer::Cancel;
    }
}

std::optional<std::string> QtServices::inputBox(const std::string& caption, const std::string& prompt,
                                                const std::string& initial)
{
    bool ok = false;
    QString s = QInputDialog::getText(parentWidget(), QString::fromStdString(caption), QString::fromStdString(prompt),
                                      QLineEdit::Normal, QString::fromStdString(initial), &ok);
    if (!ok)
        return std::nullopt;
    return s.toStdString();
}

std::string QtServices::clipboardText() { return QApplication::clipboard()->text().toStdString(); }

void QtServices::setClipboardText(const std::string& text)
{
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

bool QtServices::openDocument(const std::filesystem::path& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path.string())));
}

char QtServices::decimalSeparator() const { return m_override ? m_override : localeDecimalSeparator(); }

} // namespace platform
