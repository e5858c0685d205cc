#pragma once

#include "platform/SerialPort.h"

#include <QString>

#include <functional>

namespace tarvel {

class ErrorLog;
class MessageService;
class ScaleLink;

// The scale's port: opening it at start-up and after the Port command, with a fixed ladder of
// retries whose every failure goes to the error log, and one message when the port cannot be
// opened at all. It wires the port's notifications to the scale link.
class PortConnection {
public:
    // portNo is the setting the Port dialog changes.
    PortConnection(SerialPort& port, ScaleLink& link, const ErrorLog& log, MessageService& messages, int& portNo);

    // 0 not open, 1 an opening ran without the final failure, 2 the Port dialog found no port.
    int PortState = 0;

    // The last step of start-up.
    void OpenScalePort();
    // The Port command: closes the port, runs the dialog (which may change portNo or set
    // PortState to 2), then opens the port again.
    void Set_Com(const std::function<void()>& showPortDialog);
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
};

} // namespace tarvel
