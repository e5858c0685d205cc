#include "scale/CommDlg.h"

#include "platform/DialogFont.h"
#include "platform/MessageService.h"
#include "platform/ScreenFit.h"
#include "platform/SerialPort.h"
#include "platform/TextTable.h"
#include "scale/ErrorLog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace tarvel {

namespace {

QLabel* Label(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

CommDlg::CommDlg(SerialPort& testPort, const ErrorLog& log, MessageService& messages,
                 std::function<QString(int)> deviceName, QWidget* parent)
    : QDialog(parent), m_testPort(testPort), m_log(log), m_messages(messages),
      m_deviceName(std::move(deviceName))
{
    BuildControls();
    FitToScreen(*this);
}

CommDlg::~CommDlg()
{
    m_testPort.Close();
}

void CommDlg::BuildControls()
{
    setWindowTitle(LoadText(TextId::PortSettingTitle));
    UseDialogFont(*this);

    auto* grid = new QGridLayout;
    const TextId captions[] = {TextId::PortLabel, TextId::BaudRate, TextId::DataBits, TextId::Parity,
                               TextId::StopBits};
    for (int row = 0; row < 5; ++row) {
        grid->addWidget(Label(LoadText(captions[row]), this), row, 0);
        grid->addWidget(Label(QStringLiteral(":"), this), row, 1);
    }
    m_portCombo = new QComboBox(this);
    m_portCombo->setObjectName(QStringLiteral("portList"));
    m_portCombo->setToolTip(LoadText(TextId::SelectPortTip));
    grid->addWidget(m_portCombo, 0, 2, 1, 2);
    const char* values[][2] = {{"2400", "bps"}, {"7", "bit"}};
    for (int i = 0; i < 2; ++i) {
        grid->addWidget(Label(QString::fromLatin1(values[i][0]), this), 1 + i, 2);
        grid->addWidget(Label(QString::fromLatin1(values[i][1]), this), 1 + i, 3);
    }
    grid->addWidget(Label(tr("EVEN") + LoadText(TextId::ParityPad), this), 3, 2);
    grid->addWidget(Label(QStringLiteral("1"), this), 4, 2);
    grid->addWidget(Label(QStringLiteral("bit"), this), 4, 3);
    grid->setColumnStretch(2, 1);

    m_ok = new QPushButton(tr("OK"), this);
    m_cancel = new QPushButton(LoadText(TextId::Cancel), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    // Only the user's picks: filling and preselecting the list raise no activated().
    connect(m_portCombo, &QComboBox::activated, this, &CommDlg::OnPortPicked);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int CommDlg::EntryPort(int index) const
{
    return m_portCombo->itemData(index).toInt();
}

void CommDlg::SelectEntryOf(int portNumber)
{
    const int index = m_portCombo->findData(portNumber);
    if (index >= 0)
        m_portCombo->setCurrentIndex(index);
}

bool CommDlg::LoadPorts(int currentPort)
{
    m_portCombo->clear();
    for (int n = 1; n <= 16; ++n) {
        m_testPort.SelectPort(n);
        const PortResult opened = m_testPort.Open();
        bool usable = opened.Ok();
        if (!opened.Ok()) {
            m_log.WriteErrLog(opened.number, opened.description, QStringLiteral("CommDlg-Form_Load 1"), n);
            // A port another program holds is there; it may be free when the scale is used.
            usable = opened.number == kPortAlreadyOpen;
        }
        if (usable) {
            const QString device = m_deviceName ? m_deviceName(n) : QString();
            m_portCombo->addItem(QStringLiteral("Com%1").arg(n) +
                                     (device.isEmpty() ? QString() : QStringLiteral("   ") + device),
                                 n);
        }
        const PortResult closed = m_testPort.Close();
        if (!closed.Ok())
            m_log.WriteErrLog(closed.number, closed.description, QStringLiteral("CommDlg-Form_Load 2"), n);
    }
    const bool any = m_portCombo->count() > 0;
    // "No scale" is always there: nothing is opened with it.
    m_portCombo->addItem(LoadText(TextId::NoScale), 0);
    // The port in use is preselected; when it has gone, the first entry.
    const int current = m_portCombo->findData(currentPort);
    m_portCombo->setCurrentIndex(current >= 0 ? current : 0);
    m_selectedPort = EntryPort(m_portCombo->currentIndex());
    return any;
}

bool CommDlg::Run(int& portNo)
{
    // Without a usable port the dialog says so and still offers "No scale".
    if (!LoadPorts(portNo))
        m_messages.ShowMessage(LoadText(TextId::NoOpenPort) + kCrLf + LoadText(TextId::EmptyLine), ButtonsOk,
                               IconInformation);
    const bool accepted = exec() == QDialog::Accepted;
    if (accepted)
        portNo = m_selectedPort;
    return accepted;
}

void CommDlg::OnPortPicked(int index)
{
    const int old = m_selectedPort;
    int picked = EntryPort(index);
    if (picked == old || picked == 0) {
        m_selectedPort = picked;
        return;
    }
    m_testPort.SelectPort(picked);
    const PortResult opened = m_testPort.Open();
    if (!opened.Ok()) {
        m_log.WriteErrLog(opened.number, opened.description, QStringLiteral("CommDlg-PortCombo_Click 1"),
                          picked);
        if (opened.number != kPortAlreadyOpen) {
            m_messages.ShowMessage(LoadText(TextId::PortUnusable), ButtonsOk, IconInformation);
            SelectEntryOf(old);
            picked = old;
        }
    }
    const PortResult closed = m_testPort.Close();
    if (!closed.Ok())
        m_log.WriteErrLog(closed.number, closed.description, QStringLiteral("CommDlg-PortCombo_Click 2"),
                          m_testPort.SelectedPort());
    m_selectedPort = picked;
}

void CommDlg::done(int result)
{
    // Every way of closing lets go of the test port.
    m_testPort.Close();
    QDialog::done(result);
}

} // namespace tarvel
