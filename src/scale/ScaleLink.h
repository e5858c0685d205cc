#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

namespace tarvel {

class CharacterSource;
class Clock;
class LocaleFormats;

// Turns the scale's characters into weights. The scale sends 14-character messages such as
// "ST,+065.40kg" CR LF; the link cuts them out of whatever characters arrive (in any fragments),
// keeps in step with the line ends, accepts stable readings of at least 2 kg, and then ignores the
// scale for five one-second ticks, so one weighing gives one value. An accepted weight goes to
// WeightAccepted laid out "##0.00" with the locale's decimal separator, with the clock's time of the
// weighing; where it goes from there is not the link's business.
class ScaleLink : public QObject {
    Q_OBJECT

public:
    ScaleLink(CharacterSource& source, const LocaleFormats& formats, const Clock& clock,
              QObject* parent = nullptr);

    // The port says characters arrived: takes every message they complete.
    void OnSerialData();
    // One tick of the quiet timer; the fifth ends the quiet period.
    void OnQuietTick();
    // Checks RecvBuf and, when it holds an accepted reading, hands the weight over.
    void ParseScaleMessage();

    // Start-up, and whenever the link is to wait for the next line end: resynchronising, both texts
    // empty.
    void Resynchronise();
    // The file commands and the shut-down stop the quiet timer; the link then resynchronises, so the
    // next weighing is taken.
    void StopQuietTimer();

    QTimer& QuietTimer() { return m_quietTimer; }

    // The link's state, as the rest of the program and the tests see it.
    int RecvState = -1; // -1 resynchronising, 0 ready, 1..5 quiet period
    QString RecvBuf;
    QString LastMsg;

    std::function<void(const QString& weightText, const QDateTime& weighed)> WeightAccepted;

private:
    CharacterSource& m_source;
    const LocaleFormats& m_formats;
    const Clock& m_clock;
    QTimer m_quietTimer;
};

} // namespace tarvel
