// zoltcalc-cli keys: presses keypad controls by name and prints the messages and labels.
#include "cli/command.h"
#include "cli/subcommands.h"

#include "keypad/controls.h"
#include "keypad/engine.h"
#include "keypad/engine_text.h"
#include "platform/floattext.h"
#include "platform/headless/headless_services.h"

#include <array>
#include <iostream>
#include <optional>

namespace {

int intOption(cli::Args& args, const char* name, int low, int high, int fallback)
{
    std::string text;
    if (!args.takeOption(name, text))
        return fallback;
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos
        || std::stoi(text) < low || std::stoi(text) > high)
        throw cli::UsageError("--" + std::string(name) + " takes " + std::to_string(low) + " to "
                              + std::to_string(high));
    return std::stoi(text);
}

// A number in the locale's form; "." is accepted too so that scripts work in any locale.
long double numberOption(const std::string& text, char sep, const std::string& what)
{
    long double value = 0.0L;
    if (!platform::parseFloat(text, sep, value) && !platform::parseFloat(text, '.', value))
        throw cli::UsageError(what + ": " + text + " is not a number");
    return value;
}

struct DmsFields {
    std::string degrees, minutes, seconds;
};

// "D,M,S", or "D;M;S" when the fields themselves hold decimal commas.
DmsFields dmsOption(const std::string& text)
{
    const char delimiter = text.find(';') != std::string::npos ? ';' : ',';
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == delimiter)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    if (parts.size() != 3)
        throw cli::UsageError("--dms takes D,M,S (or D;M;S)");
    return {parts[0], parts[1], parts[2]};
}

// Answers the DMS dialog with the --dms fields; without them the dialog is cancelled.
class DmsAnswer : public keypad::Listener {
public:
    DmsAnswer(keypad::Engine& engine, std::optional<DmsFields> fields) : m_engine(engine), m_fields(std::move(fields)) {}
    void dmsDialogRequested() override
    {
        if (m_fields)
            m_engine.dmsEntry(m_fields->degrees, m_fields->minutes, m_fields->seconds);
    }

private:
    keypad::Engine& m_engine;
    std::optional<DmsFields> m_fields;
};

} // namespace

namespace cli {

int runKeys(Args& args)
{
    const char sep = args.decimalSeparator();
    keypad::Settings settings;
    keypad::NumberFormat& format = settings.format;
    format.base = intOption(args, "base", keypad::baseLimit.min, keypad::baseLimit.max, format.base);
    format.digits = intOption(args, "digits", keypad::digitsLimit.min, keypad::digitsLimit.max, format.digits);
    format.decimals = intOption(args, "decimals", keypad::decimalsLimit.min, keypad::decimalsLimit.max, format.decimals);
    format.leadingZeros =
        intOption(args, "leading-zeros", keypad::leadingZerosLimit.min, keypad::leadingZerosLimit.max, format.leadingZeros);
    format.scientific = args.takeFlag("scientific");
    format.rounding = !args.takeFlag("no-rounding");
    if (args.takeOption("separator", format.separator) && keypad::characterCount(format.separator) > 1)
        throw UsageError("--separator takes one character or nothing");
    settings.priority = !args.takeFlag("no-priority");

    std::string angle = "DEG";
    if (args.takeOption("angle", angle) && angle != "DEG" && angle != "RAD" && angle != "GRA")
        throw UsageError("--angle takes DEG, RAD or GRA");

    platform::HeadlessServices services(sep);
    args.takeOption("clipboard", services.clipboard);

    keypad::Engine engine(services);
    std::array<long double, keypad::kMemories> memories{};
    for (const std::string& memory : args.takeOptions("memory")) {
        const size_t eq = memory.find('=');
        if (eq != 1 || memory[0] < '1' || memory[0] > '0' + keypad::kMemories)
            throw UsageError("--memory takes I=VALUE with I from 1 to " + std::to_string(keypad::kMemories));
        memories[static_cast<size_t>(memory[0] - '1')] = numberOption(memory.substr(2), sep, "--memory");
    }
    std::optional<DmsFields> dms;
    std::string dmsText;
    if (args.takeOption("dms", dmsText))
        dms = dmsOption(dmsText);

    std::vector<keypad::Control> keys;
    for (const std::string& name : args.positionals()) {
        const std::optional<keypad::Control> control = keypad::controlFromName(name);
        if (!control)
            throw UsageError("unknown key " + name);
        keys.push_back(*control);
    }

    services.onMessage = [](const platform::HeadlessServices::Message& m) {
        std::cout << "message: " << m.text << "\n";
    };
    DmsAnswer dmsAnswer(engine, dms);
    engine.setListener(&dmsAnswer);
    engine.start(settings, angle, memories);

    for (keypad::Control key : keys)
        engine.press(key);

    const keypad::Labels& labels = engine.labels();
    std::cout << "display: " << labels.display << "\n"
              << "expon: " << labels.expon << "\n"
              << "zavorky: " << labels.zavorky << "\n"
              << "deg: " << labels.deg << "\n"
              << "trail:" << engine.trail() << "\n"
              << "memories: ";
    for (int i = 1; i <= keypad::kMemories; ++i)
        std::cout << (i > 1 ? " | " : "") << engine.memoryCaption(i);
    std::cout << "\n";
    if (services.clipboardWritten)
        std::cout << "clipboard: " << services.clipboard << "\n";
    return 0;
}

// The key names, eight a line, from the keypad's own table.
std::string keyNames()
{
    std::string text = "Keys:\n";
    for (int i = 0; i <= static_cast<int>(keypad::Control::AUndo); ++i)
        text += std::string(i % 8 ? " " : (i ? "\n  " : "  ")) + std::string(keypad::controlName(keypad::Control(i)));
    return text + "\n";
}

} // namespace cli
