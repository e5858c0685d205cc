#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace tarvel {

// Local wall-clock time. Tests hand in a fixed clock so no result depends on the day they run.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const = 0;
    QDate Today() const { return Now().date(); }
    QTime TimeOfDay() const { return Now().time(); }
};

class SystemClock : public Clock {
public:
    QDateTime Now() const override;
};

// A clock that stands still at the time it is given until moved.
class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime now) : m_now(std::move(now)) {}
    QDateTime Now() const override { return m_now; }
    void Set(QDateTime now) { m_now = std::move(now); }

private:
    QDateTime m_now;
};

} // namespace tarvel
