#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace tarvel {

// Press-and-hold repetition of a paging button, by a single-shot timer instead of a waiting loop.
// A click shorter than the first delay takes one step, on the release. A longer hold starts
// repeating after 0.5 s: a step every 0.2 s, after 2 s of repeating every 0.1 s, after 5 s every
// 0.02 s, each wait measured from the end of the step; the release then adds no step.
class HoldRepeat : public QObject {
    Q_OBJECT

public:
    explicit HoldRepeat(QObject* parent = nullptr);

    // Milliseconds from any fixed moment; tests hand in their own.
    void SetTimeSource(std::function<qint64()> nowMs) { m_now = std::move(nowMs); }

    void Press(std::function<void()> step);
    void Release();
    // Ends a repetition without a step, now or on the release (the button went away under it).
    void Stop();

    enum class State { Idle, Waiting, Repeating }; // Waiting: pressed, the first delay runs
    State HoldState() const { return m_holdState; }
    const QTimer& Timer() const { return m_timer; }
    QTimer& Timer() { return m_timer; }
    // What the timer runs: the end of the first delay, then one step and the next wait.
    void Tick();

private:
    QTimer m_timer;
    std::function<qint64()> m_now;
    std::function<void()> m_step;
    State m_holdState = State::Idle;
    bool m_stopped = false;
    int m_interval = 200;
    qint64 m_t0 = 0;
};

} // namespace tarvel
