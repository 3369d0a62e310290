// The services every part of a run uses: the output list with its limits, the error report
// that ends the run, the expected-character check and the shared random generator.
#include "textcalc/language/interpreter.h"
#include "textcalc/eval/eval_code.h"

#include <ctime>
#include <new>

namespace textcalc {

Interpreter::Interpreter(Calculator& owner, platform::Services& s)
    : services(s),
      Precision(owner.settings.Precision),
      programDirectory(owner.settings.programDirectory),
      EchoOutputs(owner.settings.EchoOutputs),
      stoppedLine(owner.settings.stoppedLine),
      memoryLine(owner.settings.memoryLine),
      picture(owner.callbacks.picture),
      showTime(owner.callbacks.showTime),
      stopRequested(owner.callbacks.stopRequested),
      Variables(owner.Variables),
      Arrays(owner.Arrays),
      Functions(owner.Functions),
      TextFiles(owner.TextFiles),
      Outputs(owner.Outputs),
      randomGenerator(static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())),
      m_codes(std::make_unique<code::CodeCache>())
{
    m_arguments.reserve(64);
}

Interpreter::~Interpreter() = default;

// The compiled forms go with the tables: the entries their names were found at are gone.
void Interpreter::clearTables()
{
    m_codes->clear();
    ++m_functionGeneration;
    Variables.clear();
    Arrays.clear();
    Functions.clear();
    TextFiles.clear();
    BoundVariables.clear();
    ParamBindings.clear();
}

int64_t coarseMilliseconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

void Interpreter::pollStopNow(bool always)
{
    if (!m_running || !stopRequested)
        return;
    const int64_t now = coarseMilliseconds();
    if (!always && now < m_nextPoll)
        return;
    m_nextPoll = now + StopPollInterval.count();
    if (stopRequested()) {
        Outputs.push_back(stoppedLine);
        throw RunStopped{};
    }
}

size_t Interpreter::currentPictureBytes() const
{
    return picture ? static_cast<size_t>(picture->width() * picture->height()) * 4 : 0;
}

void Interpreter::checkMemory(size_t moreArrayBytes, size_t pictureBytes)
{
    if (m_arrayBytes + moreArrayBytes + pictureBytes > MaxRunMemory)
        throw std::bad_alloc(); // run() writes memoryLine
    m_arrayBytes += moreArrayBytes;
}

void Interpreter::chyb(const std::string& message)
{
    if (message == "break")
        Outputs.push_back("Execution terminated by \" Break \" statement.");
    else
        Outputs.push_back("Error. " + message);
    throw RunAbort{};
}

void Interpreter::jetam(char found, char expected)
{
    if (found != expected)
        chyb(std::string("\" ") + expected + " \" expected, but \" " + found + " \" found.");
}

void Interpreter::vyp(const std::string& text)
{
    Outputs.push_back(text);
    if (Outputs.size() == 100
        && services.message(platform::MessageKind::Confirmation,
                            "The number of outputs reached 100. Add further outputs?", platform::Buttons::YesNo)
               == platform::Answer::No)
        OutputsAccepted = false;
    if (Outputs.size() == 10000) {
        services.message(platform::MessageKind::Information,
                         "The number of outputs reached 10000. Further outputs won\u00b4t be added.",
                         platform::Buttons::Ok);
        OutputsAccepted = false;
    }
}

long double Interpreter::random()
{
    // 64 random bits scaled into [0, 1); the extended significand holds them all.
    return static_cast<long double>(randomGenerator()) * 0x1p-64L;
}

} // namespace textcalc
