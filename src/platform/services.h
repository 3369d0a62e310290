#pragma once
// Everything the engines need from the desktop: beeps, message and input boxes, the clipboard,
// opening documents, the clock and the locale. The program implements it with Qt
// (platform/qt), tests and zoltcalc-cli with a recording implementation (platform/headless).
#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace platform {

enum class MessageKind { Plain, Error, Warning, Information, Confirmation };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };
using MessageTitles = std::array<std::string, 5>;

class Services {
public:
    virtual ~Services() = default;

    virtual void beep() = 0;
    // A modal message box; returns the button the user chose.
    virtual Answer message(MessageKind kind, const std::string& text, Buttons buttons = Buttons::Ok,
                           const std::string& caption = {}) = 0;
    // A modal input box; nullopt when the user cancels.
    virtual std::optional<std::string> inputBox(const std::string& caption, const std::string& prompt,
                                                const std::string& initial) = 0;

    virtual std::string clipboardText() = 0;
    virtual void setClipboardText(const std::string& text) = 0;

    // Opens a document with the desktop's default application. `failed` runs when none could be
    // started: at once, or later, when the desktop's launcher gives up.
    virtual void openDocument(const std::filesystem::path& path, std::function<void()> failed) = 0;

    // The titles of message boxes without a caption of their own, by MessageKind, in the
    // user's language.
    virtual void setMessageTitles(const MessageTitles& titles) = 0;

    virtual std::chrono::system_clock::time_point now() = 0;
    virtual char decimalSeparator() const = 0;
};

// The decimal separator of the user's LC_NUMERIC locale, read without changing the process
// locale (engines format numbers themselves and rely on the "C" locale for the rest).
char localeDecimalSeparator();

// The language the user reads, as the two or three letters that start the messages locale
// ("cs" for cs_CZ.UTF-8): GNU's LANGUAGE list first, then LC_ALL, LC_MESSAGES and LANG. Empty
// for the "C" and "POSIX" locales and when nothing is set.
std::string messagesLanguage();

} // namespace platform
