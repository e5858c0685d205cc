#pragma once

#include "platform/SerialPort.h"

#include <QString>
#include <QTimer>

#include <functional>

namespace tarvel {

class ErrorLog;
class MessageService;
class ScaleLink;

// Whether the scale's port is in use: Open once an opening ran without giving up (a port another
// program holds counts), Closed before the first opening, Lost while the chosen port's device is away
// (it could not be opened, or went away while open) and is tried every second, NoScale when port 0
// ("No scale") is chosen.
enum class PortState { Closed, Open, Lost, NoScale };

// The scale's port: opening it at start-up and after the Port command, with a fixed ladder of
// retries whose every failure goes to the error log, and one message when the port cannot be
// opened at all. It wires the port's notifications to the scale link. Port 0 is no scale: nothing is
// opened. A chosen port whose device is missing or went away is tried again every second until it
// opens, so a scale plugged in later is found.
class PortConnection {
public:
    // portNo is the setting the Port dialog changes.
    PortConnection(SerialPort& port, ScaleLink& link, const ErrorLog& log, MessageService& messages,
                   int& portNo);

    PortState State() const { return m_state; }
    int PortNo() const { return m_portNo; }
    // Open and the port really open (a port another program holds is not).
    bool Connected() const;
    // The port the start-up found unusable and replaced by no scale without saying so; 0 when none.
    int FellBackFrom() const { return m_fellBackFrom; }
    // The port opened again after its device went away while open.
    bool Reconnected() const { return m_reconnected; }

    // The last step of start-up. Without a port of the user's choosing (the very first start) a
    // port that cannot be opened silently becomes no scale; otherwise it gets the message.
    void OpenScalePort(bool portChosen = true);
    // The Port command: closes the port, runs the dialog (which may change portNo and returns
    // false when it was cancelled), then opens the chosen port. Cancel changes nothing: the port is
    // left as it was before the command, without a message.
    void ChangePort(const std::function<bool()>& runPortDialog);
    // Shut-down and the file commands: the quiet timer stops; shut-down also closes the port.
    void StopQuietTimer();
    void ClosePort();

    // One try at the port whose device is away; the retry timer runs it every second.
    void RetryLostPort();
    QTimer& RetryTimer() { return m_retryTimer; }

    // Called after every change of State() and of the flags above.
    std::function<void()> Changed;

private:
    // What a final failure of the opening ladder leads to: message CannotOpenPort and waiting for the device,
    // no scale without a word (a first start), or waiting without a word (a cancelled Port command).
    enum class OnFailure { Message, NoScale, Wait };
    // The opening ladder; firstTag is the number of its first logging point ("<prefix> <n>").
    void RunLadder(const QString& prefix, int firstTag, OnFailure onFailure);
    // Tries the port every second from now on.
    void WaitForDevice(bool wasOpen);
    void SetState(PortState state);
    // Writes the failure of the operation just tried to the error log.
    void Log(const PortResult& result, const QString& prefix, int tag) const;
    void OnDeviceLost(const PortResult& error);

    SerialPort& m_port;
    ScaleLink& m_link;
    const ErrorLog& m_log;
    MessageService& m_messages;
    int& m_portNo;
    PortState m_state = PortState::Closed;
    int m_fellBackFrom = 0;
    bool m_reconnected = false;
    // The port being waited for was open before (its device went away).
    bool m_lostWhileOpen = false;
    QTimer m_retryTimer;
};

} // namespace tarvel
