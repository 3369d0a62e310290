#include "headless_services.h"

namespace platform {

Answer HeadlessServices::message(MessageKind kind, const std::string& text, Buttons buttons, const std::string&)
{
    messages.push_back({kind, text, buttons});
    if (onMessage)
        onMessage(messages.back());
    if (!answers.empty()) {
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    if (defaultAnswer)
        return *defaultAnswer;
    return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
}

std::optional<std::string> HeadlessServices::inputBox(const std::string&, const std::string&, const std::string&)
{
    if (!inputs.empty()) {
        std::optional<std::string> v = inputs.front();
        inputs.pop_front();
        return v;
    }
    return defaultInput;
}

} // namespace platform
