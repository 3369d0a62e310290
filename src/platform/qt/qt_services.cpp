#include "qt_services.h"

#include "platform/qt/fixed_window.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QSpacerItem>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QWindow>

namespace platform {

namespace {

// A window manager cuts a title wider than its window: a box saying "Hi" was titled "ZO…C". The
// box gets room for its title beside the frame's icon and buttons (title fonts are often bold
// and larger than the text's).
void keepTitleWhole(QMessageBox& box)
{
    QFont font = box.font();
    font.setBold(true);
    const int frameButtons = 4 * QFontMetrics(font).height() * 2;
    const int width = QFontMetrics(font).horizontalAdvance(box.windowTitle()) * 5 / 4 + frameButtons;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

} // namespace

QtServices::QtServices(QWidget* (*parent)()) : m_parent(parent), m_tracker(std::make_unique<QObject>())
{
    if (!qApp)
        return;
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, m_tracker.get(), [this](QWindow* focused) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->windowHandle() != focused || !focused)
                continue;
            std::erase_if(m_recentlyActive, [w](const QPointer<QWidget>& p) { return !p || p == w; });
            m_recentlyActive.emplace_back(w);
            constexpr size_t kRemembered = 8;
            if (m_recentlyActive.size() > kRemembered)
                m_recentlyActive.erase(m_recentlyActive.begin());
        }
    });
}

QtServices::~QtServices() = default;

QWidget* QtServices::parentWidget() const
{
    if (m_parent)
        return m_parent();
    if (QWidget* w = QApplication::activeWindow())
        return w;
    for (auto it = m_recentlyActive.rbegin(); it != m_recentlyActive.rend(); ++it)
        if (*it && (*it)->isVisible())
            return *it;
    return nullptr;
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
    box.setWindowTitle(QString::fromStdString(caption.empty() ? m_titles[static_cast<size_t>(kind)] : caption));
    box.setText(QString::fromStdString(text));
    keepTitleWhole(box);
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
    QInputDialog dialog(parentWidget());
    makeFixedWindow(&dialog);
    dialog.setWindowTitle(QString::fromStdString(caption));
    dialog.setLabelText(QString::fromStdString(prompt));
    dialog.setTextValue(QString::fromStdString(initial));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue().toStdString();
}

std::string QtServices::clipboardText() { return QApplication::clipboard()->text().toStdString(); }

void QtServices::setClipboardText(const std::string& text)
{
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

// The launcher may start and still find no viewer (no browser, no application for the type),
// which it tells only by its exit status, maybe long after: it runs on its own, and a failure
// is reported whenever it ends.
void QtServices::openDocument(const std::filesystem::path& path, std::function<void()> failed)
{
    auto* launcher = new QProcess;
    launcher->setProgram(m_launcher);
    launcher->setArguments({QString::fromStdString(path.string())});
    launcher->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(launcher, &QProcess::finished, [launcher, failed](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || code != 0)
            failed();
        launcher->deleteLater();
    });
    QObject::connect(launcher, &QProcess::errorOccurred, [launcher, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        failed();
        launcher->deleteLater();
    });
    launcher->start();
}

char QtServices::decimalSeparator() const { return m_override ? m_override : localeDecimalSeparator(); }

} // namespace platform
