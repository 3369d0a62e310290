#pragma once
// Services without a display, for tests and zoltcalc-cli: records every beep, message and
// clipboard write, and answers boxes from a script (queued answers, then a default).
#include "platform/services.h"

#include <deque>
#include <functional>
#include <vector>

namespace platform {

class HeadlessServices : public Services {
public:
    struct Message {
        MessageKind kind;
        std::string text;
        Buttons buttons;
    };

    explicit HeadlessServices(char decimalSeparator = '.') : m_decimalSeparator(decimalSeparator) {}

    void beep() override { ++beeps; }
    Answer message(MessageKind kind, const std::string& text, Buttons buttons,
                   const std::string& caption) override;
    std::optional<std::string> inputBox(const std::string& caption, const std::string& prompt,
                                        const std::string& initial) override;
    std::string clipboardText() override { return clipboard; }
    void setClipboardText(const std::string& text) override
    {
        clipboard = text;
        clipboardWritten = true;
    }
    void openDocument(const std::filesystem::path& path, std::function<void()> failed) override
    {
        openedDocuments.push_back(path);
        if (!viewerStarts)
            failed();
    }
    void setMessageTitles(const MessageTitles& titles) override { messageTitles = titles; }
    std::chrono::system_clock::time_point now() override { return fixedTime ? *fixedTime : std::chrono::system_clock::now(); }
    char decimalSeparator() const override { return m_decimalSeparator; }
    void setDecimalSeparator(char c) { m_decimalSeparator = c; }

    // Recorded effects.
    int beeps = 0;
    std::vector<Message> messages;
    std::string clipboard;
    bool clipboardWritten = false;
    std::vector<std::filesystem::path> openedDocuments;
    MessageTitles messageTitles{};

    // Script: answers used in order; when empty, `defaultAnswer` (or the first button's answer
    // for Ok/OkCancel boxes) and `defaultInput`.
    std::deque<Answer> answers;
    std::optional<Answer> defaultAnswer;
    std::deque<std::optional<std::string>> inputs;
    std::optional<std::string> defaultInput;
    std::optional<std::chrono::system_clock::time_point> fixedTime;
    bool viewerStarts = true; // what openDocument reports
    // Called as each message is shown (the CLI prints it at once).
    std::function<void(const Message&)> onMessage;

private:
    char m_decimalSeparator;
};

} // namespace platform
