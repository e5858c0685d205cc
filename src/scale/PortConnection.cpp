#include "scale/PortConnection.h"

#include "platform/MessageService.h"
#include "platform/TextTable.h"
#include "scale/ErrorLog.h"
#include "scale/ScaleLink.h"

namespace tarvel {

namespace {

const QString kStartUpTags = QStringLiteral("MainForm-Form_Load");
const QString kPortCommandTags = QStringLiteral("MainForm-Set_Com");
const QString kDeviceLostTag = QStringLiteral("MainForm-MSComm_OnComm 1");

} // namespace

PortConnection::PortConnection(SerialPort& port, ScaleLink& link, const ErrorLog& log, MessageService& messages,
                               int& portNo)
    : m_port(port), m_link(link), m_log(log), m_messages(messages), m_portNo(portNo)
{
    QObject::connect(&m_port, &SerialPort::Received, &m_link, [this] { m_link.OnSerialData(); });
    QObject::connect(&m_port, &SerialPort::DeviceLost, &m_link,
                     [this](const PortResult& error) { OnDeviceLost(error); });
}

void PortConnection::Log(const PortResult& result, const QString& prefix, int tag) const
{
    if (!result.Ok())
        m_log.WriteErrLog(result.number, result.description, prefix + QLatin1Char(' ') + QString::number(tag),
                          m_portNo);
}

void PortConnection::RunLadder(const QString& prefix, int firstTag)
{
    const auto tag = [firstTag](int step) { return firstTag + step - 1; };
    m_port.SelectPort(m_portNo);
    PortResult opened = m_port.Open();
    if (opened.Ok())
        return;
    Log(opened, prefix, tag(1));
    if (opened.number == kPortAlreadyOpen) {
        Log(m_port.Close(), prefix, tag(2));
        Log(m_port.Open(), prefix, tag(3));
        return;
    }
    Log(m_port.Close(), prefix, tag(4));
    opened = m_port.Open();
    if (opened.Ok())
        return;
    Log(opened, prefix, tag(5));
    if (opened.number == kPortAlreadyOpen) {
        Log(m_port.Close(), prefix, tag(6));
        Log(m_port.Open(), prefix, tag(7));
        return;
    }
    m_state = PortState::Closed;
    Log(m_port.Close(), prefix, tag(8));
    m_messages.ShowMessage(LoadText(725) + kCrLf + LoadText(726), ButtonsOk, IconCritical);
}

void PortConnection::OpenScalePort()
{
    m_state = PortState::Open;
    RunLadder(kStartUpTags, 1);
}

void PortConnection::ChangePort(const std::function<bool()>& runPortDialog)
{
    Log(m_port.Close(), kPortCommandTags, 1);
    if (!runPortDialog()) {
        m_state = PortState::Closed;
        return;
    }
    m_state = PortState::Open;
    RunLadder(kPortCommandTags, 2);
}

void PortConnection::StopQuietTimer()
{
    m_link.StopQuietTimer();
}

void PortConnection::ClosePort()
{
    m_link.StopQuietTimer();
    m_port.Close();
}

void PortConnection::OnDeviceLost(const PortResult& error)
{
    // The port is closed already; the program goes on without the scale until the next Port
    // command, and the link waits for a line end when it is back.
    m_log.WriteErrLog(error.number, error.description, kDeviceLostTag, m_portNo);
    m_state = PortState::Closed;
    m_link.StopQuietTimer();
    m_link.Resynchronise();
}

} // namespace tarvel
