#pragma once
// Services for the program: Qt message boxes, input dialogs, the system clipboard.
#include "platform/services.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

namespace platform {

class QtServices : public Services {
public:
    // Boxes are parented to the window returned by `parent`; by default to the active window or,
    // while none is active, the window that was active last.
    explicit QtServices(QWidget* (*parent)() = nullptr);
    ~QtServices() override;

    void beep() override;
    Answer message(MessageKind kind, const std::string& text, Buttons buttons,
                   const std::string& caption) override;
    std::optional<std::string> inputBox(const std::string& caption, const std::string& prompt,
                                        const std::string& initial) override;
    std::string clipboardText() override;
    void setClipboardText(const std::string& text) override;
    void openDocument(const std::filesystem::path& path, std::function<void()> failed) override;
    void setMessageTitles(const MessageTitles& titles) override { m_titles = titles; }
    // The desktop's launcher, given the document's path; tests replace it.
    void setLauncher(const QString& program) { m_launcher = program; }
    std::chrono::system_clock::time_point now() override { return std::chrono::system_clock::now(); }
    char decimalSeparator() const override;
    void setDecimalSeparatorOverride(char c) { m_override = c; }

private:
    QWidget* parentWidget() const;
    QWidget* (*m_parent)();
    // Between a dialog closing and the window manager activating the window under it no window
    // is active; a box without an owner then opens behind the window the user works in.
    // The last active windows, most recent last: the dialog that just closed was one of them.
    std::unique_ptr<QObject> m_tracker;
    std::vector<QPointer<QWidget>> m_recentlyActive;
    char m_override = 0;
    QString m_launcher = "xdg-open";
    MessageTitles m_titles{"ZOLT CALC", "Error", "Warning", "Information", "Confirm"};
};

} // namespace platform
