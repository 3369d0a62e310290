#pragma once
// Services for the program: Qt message boxes, input dialogs, the system clipboard.
#include "platform/services.h"

class QWidget;

namespace platform {

class QtServices : public Services {
public:
    // Boxes are parented to the window returned by `parent` (may return nullptr).
    explicit QtServices(QWidget* (*parent)() = nullptr) : m_parent(parent) {}

    void beep() override;
    Answer message(MessageKind kind, const std::string& text, Buttons buttons,
                   const std::string& caption) override;
    std::optional<std::string> inputBox(const std::string& caption, const std::string& prompt,
                                        const std::string& initial) override;
    std::string clipboardText() override;
    void setClipboardText(const std::string& text) override;
    bool openDocument(const std::filesystem::path& path) override;
    std::chrono::system_clock::time_point now() override { return std::chrono::system_clock::now(); }
    char decimalSeparator() const override;
    void setDecimalSeparatorOverride(char c) { m_override = c; }

private:
    QWidget* parentWidget() const;
    QWidget* (*m_parent)();
    char m_override = 0;
};

} // namespace platform
