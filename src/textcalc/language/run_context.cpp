// The services every part of a run uses: the output list with its limits, the error report
// that ends the run, the stop poll, the nesting count and the shared random generator.
#include "textcalc/language/run_context.h"
#include "textcalc/number/numtext.h"

#include "platform/stack_budget.h"

#include <ctime>
#include <new>

namespace textcalc {

RunContext::RunContext(Calculator& owner, platform::Services& s)
    : services(s),
      randomGenerator(static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())),
      m_owner(owner)
{
}

RunContext::~RunContext() = default;

void RunContext::showTime(const std::string& text)
{
    if (m_owner.callbacks.showTime)
        m_owner.callbacks.showTime(text);
}

void RunContext::jetonazev(std::string_view name)
{
    bool valid = !name.empty() && name.size() <= MaxNameLength && name[0] >= 'a' && name[0] <= 'z';
    for (char c : name)
        valid = valid && ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'));
    if (!valid)
        chyb("\" " + std::string(name) + " \" is not a valid identifier.");
}

size_t RunContext::regvar(std::string_view name, const Number& value)
{
    jetonazev(name);
    if (BoundVariables.size() >= MaxBoundVariables)
        throw RunError(); // the general error line
    BoundVariables.push_back({std::string(name), value});
    return BoundVariables.size() - 1;
}

void RunContext::beginRun()
{
    outputs().clear();
    m_outputsAccepted = true;
    StartTime = services.now();
    m_depth = 0;
    m_arrayBytes = 0;
    for (const Array& a : arrays())
        m_arrayBytes += a.Elements.capacity() * sizeof(Number);
    startStopPoll();
    picture().setStopHook([this] { pollStop(); }); // flood fills and new sizes take long
}

void RunContext::startStopPoll()
{
    m_running = true;
    m_nextPoll = coarseMilliseconds() + StopPollInterval.count();
}

void RunContext::endRun()
{
    m_running = false;
    picture().setStopHook({});
}

void RunContext::vyp(const std::string& text)
{
    std::vector<std::string>& lines = outputs();
    lines.push_back(text);
    if (lines.size() == 100
        && services.message(platform::MessageKind::Confirmation,
                            "The number of outputs reached 100. Add further outputs?", platform::Buttons::YesNo)
               == platform::Answer::No)
        m_outputsAccepted = false;
    if (lines.size() == 10000) {
        services.message(platform::MessageKind::Information,
                         "The number of outputs reached 10000. Further outputs won\u00b4t be added.",
                         platform::Buttons::Ok);
        m_outputsAccepted = false;
    }
}

std::string RunContext::cistostr(const Number& x) const
{
    return textcalc::cistostr(x, m_owner.settings.Precision, services.decimalSeparator());
}

void RunContext::chyb(const std::string& message)
{
    throw RunError(message);
}

void RunContext::writeErrorLine(const RunError& failure)
{
    const std::string& message = failure.message();
    if (message == "break")
        outputs().push_back("Execution terminated by \" Break \" statement.");
    else if (!message.empty())
        outputs().push_back("Error. " + message);
}

void RunContext::report(const RunError& failure)
{
    if (failure.message().empty())
        vyp("Error. General computation error");
    else
        writeErrorLine(failure);
}

void RunContext::jetam(char found, char expected)
{
    if (found != expected)
        chyb(std::string("\" ") + expected + " \" expected, but \" " + found + " \" found.");
}

void RunContext::pollStopNow(bool always)
{
    const std::function<bool()>& stopRequested = m_owner.callbacks.stopRequested;
    if (!m_running || !stopRequested)
        return;
    const int64_t now = coarseMilliseconds();
    if (!always && now < m_nextPoll)
        return;
    m_nextPoll = now + StopPollInterval.count();
    if (stopRequested()) {
        outputs().push_back(m_owner.settings.stoppedLine);
        throw RunStopped{};
    }
}

int64_t coarseMilliseconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

size_t RunContext::currentPictureBytes()
{
    return static_cast<size_t>(picture().width() * picture().height()) * 4;
}

void RunContext::checkMemory(size_t moreArrayBytes, size_t pictureBytes)
{
    if (m_arrayBytes + moreArrayBytes + pictureBytes > MaxRunMemory)
        throw std::bad_alloc(); // the run writes the memory line
    m_arrayBytes += moreArrayBytes;
}

void RunContext::beginNesting(const char* frame)
{
    m_stackBase = frame;
    m_stackBudget = platform::stackBudget();
}

void RunContext::tooDeep()
{
    --m_depth;
    chyb("Recursion too deep.");
}

long double RunContext::random()
{
    // 64 random bits scaled into [0, 1); the extended significand holds them all.
    return static_cast<long double>(randomGenerator()) * 0x1p-64L;
}

} // namespace textcalc
