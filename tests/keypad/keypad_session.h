#pragma once
// A keypad engine on headless services, driven by a line of keys as a user presses them.
#include "keypad/engine.h"
#include "platform/headless/headless_services.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace keypadtest {

struct Session {
    explicit Session(char decimalSeparator = ',', keypad::Settings settings = {}, std::string angle = "DEG")
        : services(decimalSeparator), engine(services)
    {
        engine.start(settings, angle, {});
    }

    // Space-separated tokens: a control name ("c1", "shift", "mr3", "ACopy"), a number typed
    // digit by digit ("12,5": digits and "," or "." for the decimal point key), or one of the
    // keyboard characters + - * / = ( ).
    void keys(const std::string& line)
    {
        std::istringstream in(line);
        std::string token;
        while (in >> token)
            pressToken(token);
    }

    void pressToken(const std::string& token)
    {
        static const std::pair<const char*, const char*> kSymbols[] = {
            {"+", "plus"}, {"-", "minus"}, {"*", "krat"}, {"/", "deleno"},
            {"=", "rovnase"}, {"(", "leva"}, {")", "prava"}};
        for (const auto& [symbol, name] : kSymbols)
            if (token == symbol)
                return press(name);
        if (token[0] >= '0' && token[0] <= '9') {
            for (char c : token)
                press(c == ',' || c == '.' ? "carka" : std::string("c") + c);
            return;
        }
        press(token);
    }

    void press(const std::string& name)
    {
        const std::optional<keypad::Control> control = keypad::controlFromName(name);
        ASSERT_TRUE(control.has_value()) << "no control " << name;
        engine.press(*control);
    }

    std::vector<std::string> messages() const
    {
        std::vector<std::string> out;
        for (const auto& m : services.messages)
            out.push_back(m.text);
        return out;
    }

    const keypad::Labels& labels() const { return engine.labels(); }
    // The trail without its leading space, for readable expectations.
    std::string trail() const { return engine.trail().empty() ? "" : engine.trail().substr(1); }

    platform::HeadlessServices services;
    keypad::Engine engine;
};

inline keypad::Settings withFormat(keypad::NumberFormat format, bool priority = true)
{
    keypad::Settings s;
    s.format = std::move(format);
    s.priority = priority;
    return s;
}

} // namespace keypadtest
