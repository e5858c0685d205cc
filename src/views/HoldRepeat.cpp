#include "views/HoldRepeat.h"

#include <QElapsedTimer>

#include <memory>

namespace tarvel {

namespace {
constexpr int kFirstDelayMs = 500;
constexpr int kSlowMs = 200;
constexpr int kMediumMs = 100;
constexpr int kFastMs = 20;
} // namespace

HoldRepeat::HoldRepeat(QObject* parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &HoldRepeat::Tick);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    m_now = [clock] { return clock->elapsed(); };
}

void HoldRepeat::Press(std::function<void()> step)
{
    m_step = std::move(step);
    m_holdState = State::Waiting;
    m_stopped = false;
    m_interval = kSlowMs;
    m_timer.start(kFirstDelayMs);
}

void HoldRepeat::Release()
{
    const State was = m_holdState;
    m_holdState = State::Idle;
    m_timer.stop();
    // A click ends before the repetition began: its one step is taken now.
    if (was != State::Repeating && m_step)
        m_step();
}

void HoldRepeat::Stop()
{
    if (m_holdState == State::Idle)
        return;
    m_holdState = State::Repeating; // the release that follows adds no step
    m_stopped = true;
    m_timer.stop();
}

void HoldRepeat::Tick()
{
    if (m_holdState == State::Idle || m_stopped || !m_step)
        return;
    if (m_holdState == State::Waiting) {
        m_holdState = State::Repeating;
        m_t0 = m_now();
    }
    m_step();
    if (m_holdState != State::Repeating || m_stopped)
        return;
    // The wait is measured from the end of the step; the speed-up applies from the next one.
    const int wait = m_interval;
    const qint64 now = m_now();
    if (m_interval == kSlowMs && now > m_t0 + 2000)
        m_interval = kMediumMs;
    else if (m_interval == kMediumMs && now > m_t0 + 5000)
        m_interval = kFastMs;
    m_timer.start(wait);
}

} // namespace tarvel
