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
const QString kReconnectTag = QStringLiteral("PortConnection-Reconnect 1");
constexpr int kRetryMs = 1000;

} // namespace

PortConnection::PortConnection(SerialPort& port, ScaleLink& link, const ErrorLog& log,
                               MessageService& messages, int& portNo)
    : m_port(port), m_link(link), m_log(log), m_messages(messages), m_portNo(portNo)
{
    QObject::connect(&m_port, &SerialPort::Received, &m_link, [this] { m_link.OnSerialData(); });
    QObject::connect(&m_port, &SerialPort::DeviceLost, &m_link,
                     [this](const PortResult& error) { OnDeviceLost(error); });
    m_retryTimer.setInterval(kRetryMs);
    QObject::connect(&m_retryTimer, &QTimer::timeout, &m_link, [this] { RetryLostPort(); });
}

bool PortConnection::Connected() const
{
    return m_state == PortState::Open && m_port.IsOpen();
}

void PortConnection::SetState(PortState state)
{
    m_state = state;
    if (Changed)
        Changed();
}

void PortConnection::Log(const PortResult& result, const QString& prefix, int tag) const
{
    if (!result.Ok())
        m_log.WriteErrLog(result.number, result.description, prefix + QLatin1Char(' ') + QString::number(tag),
                          m_portNo);
}

void PortConnection::RunLadder(const QString& prefix, int firstTag, OnFailure onFailure)
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
    Log(m_port.Close(), prefix, tag(8));
    if (onFailure == OnFailure::NoScale) {
        // A first start on a machine without the default port: the user has chosen nothing yet,
        // so no message; the status bar says there is no scale.
        m_fellBackFrom = m_portNo;
        m_state = PortState::NoScale;
        return;
    }
    if (onFailure == OnFailure::Message)
        m_messages.ShowMessage(LoadText(TextId::CannotOpenPort) + kCrLf + LoadText(TextId::EmptyLine),
                               ButtonsOk, IconCritical);
    // The port the user chose stays chosen: a scale plugged in later is found.
    WaitForDevice(false);
}

void PortConnection::WaitForDevice(bool wasOpen)
{
    m_lostWhileOpen = wasOpen;
    m_reconnected = false;
    m_state = PortState::Lost;
    m_retryTimer.start();
}

void PortConnection::OpenScalePort(bool portChosen)
{
    m_fellBackFrom = 0;
    if (m_portNo == 0) {
        SetState(PortState::NoScale);
        return;
    }
    m_state = PortState::Open;
    RunLadder(kStartUpTags, 1, portChosen ? OnFailure::Message : OnFailure::NoScale);
    if (m_fellBackFrom != 0)
        m_portNo = 0;
    SetState(m_state);
}

void PortConnection::ChangePort(const std::function<bool()>& runPortDialog)
{
    const PortState before = m_state;
    m_retryTimer.stop();
    Log(m_port.Close(), kPortCommandTags, 1);
    if (!runPortDialog()) {
        // Cancel: the port the dialog needed free is opened again, a device being waited for is
        // waited for again, and nothing is said.
        if (before == PortState::Open)
            RunLadder(kPortCommandTags, 2, OnFailure::Wait);
        else if (before == PortState::Lost)
            m_retryTimer.start();
        SetState(m_state);
        return;
    }
    m_fellBackFrom = 0;
    m_reconnected = false;
    if (m_portNo == 0) {
        SetState(PortState::NoScale);
        return;
    }
    m_state = PortState::Open;
    RunLadder(kPortCommandTags, 2, OnFailure::Message);
    SetState(m_state);
}

void PortConnection::StopQuietTimer()
{
    m_link.StopQuietTimer();
}

void PortConnection::ClosePort()
{
    m_retryTimer.stop();
    m_link.StopQuietTimer();
    m_port.Close();
}

void PortConnection::RetryLostPort()
{
    if (m_state != PortState::Lost) {
        m_retryTimer.stop();
        return;
    }
    // Failures are expected while the device is away and are not logged; the return is, once.
    m_port.SelectPort(m_portNo);
    const PortResult opened = m_port.Open();
    if (!opened.Ok())
        return;
    m_retryTimer.stop();
    m_log.WriteErrLog(0, m_lostWhileOpen ? QStringLiteral("Port open again") : QStringLiteral("Port open"),
                      kReconnectTag, m_portNo);
    m_link.Resynchronise();
    m_reconnected = m_lostWhileOpen;
    SetState(PortState::Open);
}

void PortConnection::OnDeviceLost(const PortResult& error)
{
    // The port is closed already; the program goes on without the scale until the device is back
    // or the next Port command, and the link waits for a line end.
    m_log.WriteErrLog(error.number, error.description, kDeviceLostTag, m_portNo);
    m_link.StopQuietTimer();
    m_link.Resynchronise();
    WaitForDevice(true);
    SetState(PortState::Lost);
}

} // namespace tarvel
