#pragma once

#include <QElapsedTimer>

#include <ctime>
#include <string>

namespace tarvel::testing {

// Wall-clock and process CPU time of the steps of a test, for reporting how long big inputs take
// (the CPU time stays meaningful on a busy machine).
class Stopwatch {
public:
    Stopwatch() { Restart(); }

    // The time since the last lap (or the start) as "W ms wall, C ms CPU", and a new lap begins.
    std::string Lap()
    {
        const qint64 wall = m_wall.restart();
        const std::clock_t cpu = std::clock();
        const long long cpuMs = static_cast<long long>((cpu - m_cpu) * 1000.0 / CLOCKS_PER_SEC);
        m_cpu = cpu;
        return std::to_string(wall) + " ms wall, " + std::to_string(cpuMs) + " ms CPU";
    }

    void Restart()
    {
        m_wall.start();
        m_cpu = std::clock();
    }

private:
    QElapsedTimer m_wall;
    std::clock_t m_cpu = 0;
};

} // namespace tarvel::testing
