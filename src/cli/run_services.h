#pragma once
// What `run` and `sheet` share: the services of a run on the command line (message boxes go
// to stderr as "message: TEXT", input boxes and questions read standard input) and the
// options that set up the calculator.
#include "cli/command.h"

#include "platform/services.h"

#include <filesystem>

namespace textcalc {
class Calculator;
}

namespace cli {

class RunServices : public platform::Services {
public:
    explicit RunServices(char separator) : m_separator(separator) {}

    void beep() override {}
    // The question at 100 outputs is answered Yes; other questions read "y" or "n" from stdin
    // (No at end of input).
    platform::Answer message(platform::MessageKind, const std::string& text, platform::Buttons buttons,
                             const std::string&) override;
    // One line of stdin; "0" at end of input.
    std::optional<std::string> inputBox(const std::string&, const std::string&, const std::string&) override;
    std::string clipboardText() override { return m_clipboard; }
    void setClipboardText(const std::string& text) override { m_clipboard = text; }
    void openDocument(const std::filesystem::path&, std::function<void()> failed) override { failed(); }
    void setMessageTitles(const platform::MessageTitles&) override {}
    std::chrono::system_clock::time_point now() override { return std::chrono::system_clock::now(); }
    char decimalSeparator() const override { return m_separator; }

private:
    char m_separator;
    std::string m_clipboard;
};

// Takes --digits N (the output precision, 1 to 18) and --dir DIR (the program directory, by
// default the program's data folder) into the calculator.
void takeRunOptions(Args& args, textcalc::Calculator& calc);

} // namespace cli
