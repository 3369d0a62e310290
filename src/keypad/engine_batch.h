#pragma once
// Every public handler opens a Batch. When the outermost one closes, the Listener hears what
// that call changed: handlers call one another (AC runs C, an operator error runs AC), and a
// window wants one repaint per user action.
#include "keypad/engine.h"

namespace keypad {

class Batch {
public:
    explicit Batch(Engine& engine) : m_engine(engine)
    {
        if (m_engine.m_batchDepth++ == 0) {
            m_labels = engine.m_labels;
            m_trailVersion = engine.m_trailVersion;
            m_memory = engine.m_rec.memory;
        }
    }
    ~Batch()
    {
        if (--m_engine.m_batchDepth != 0 || m_engine.m_listener == nullptr)
            return;
        Listener& listener = *m_engine.m_listener;
        const Labels& now = m_engine.m_labels;
        if (now != m_labels)
            listener.labelsChanged();
        if (m_engine.m_trailVersion != m_trailVersion)
            listener.trailChanged();
        for (int i = 0; i < kMemories; ++i)
            if (m_engine.m_rec.memory[static_cast<size_t>(i)] != m_memory[static_cast<size_t>(i)])
                listener.memoryChanged(i + 1);
    }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

private:
    Engine& m_engine;
    Labels m_labels;
    std::uint64_t m_trailVersion = 0;
    std::array<long double, kMemories> m_memory{};
};

} // namespace keypad
