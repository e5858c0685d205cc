#pragma once

#include "platform/SerialPort.h"

#include <QString>

#include <functional>

namespace tarvel {

class ErrorLog;
class MessageService;
class ScaleLink;

// Whether the scale's port is in use: Open once an opening ran without giving up (a port another
// program holds counts), Closed before that, after giving up and after the device went away.
enum class PortState { Closed, Open };

// The scale's port: opening it at start-up and after the Port command, with a fixed ladder of
// retries whose every failure goes to the error log, and one message when the port cannot be
// opened at all. It wires the port's notifications to the scale link.
class PortConnection {
public:
    // portNo is the setting the Port dialog changes.
    PortConnection(SerialPort& port, ScaleLink& link, const ErrorLog& log, MessageService& messages, int& portNo);

    PortState State() const { return m_state; }

    // The last step of start-up.
    void OpenScalePort();
    // The Port command: closes the port, runs the dialog (which may change portNo and returns
    // false when no port can be used), then opens the port again unless none could be used.
    void ChangePort(const std::function<bool()>& runPortDialog);
    // Shut-down and the file commands: the quiet timer stops; shut-down also closes the port.
    void StopQuietTimer();
    void ClosePort();

private:
    // The opening ladder; firstTag is the number of its first logging point ("<prefix> <n>").
    void RunLadder(const QString& prefix, int firstTag);
    // Writes the failure of the operation just tried to the error log.
    void Log(const PortResult& result, const QString& prefix, int tag) const;
    void OnDeviceLost(const PortResult& error);

    SerialPort& m_port;
    ScaleLink& m_link;
    const ErrorLog& m_log;
    MessageService& m_messages;
    int& m_portNo;
    PortState m_state = PortState::Closed;
};

} // namespace tarvel
