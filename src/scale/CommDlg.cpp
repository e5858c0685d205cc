#include "scale/CommDlg.h"

#include "platform/DialogFont.h"
#include "platform/MessageService.h"
#include "platform/PlainLabel.h"
#include "platform/ScreenFit.h"
#include "platform/SerialPort.h"
#include "platform/TextTable.h"
#include "scale/BluetoothLink.h"
#include "scale/ErrorLog.h"
#include "store/Settings.h"

#include <QBluetoothDeviceDiscoveryAgent>
#include <QBluetoothLocalDevice>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace tarvel {

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
        grid->addWidget(PlainLabel(LoadText(captions[row]), this), row, 0);
        grid->addWidget(PlainLabel(QStringLiteral(":"), this), row, 1);
    }
    m_portCombo = new QComboBox(this);
    m_portCombo->setObjectName(QStringLiteral("portList"));
    m_portCombo->setToolTip(LoadText(TextId::SelectPortTip));
    grid->addWidget(m_portCombo, 0, 2, 1, 2);
    const char* values[][2] = {{"2400", "bps"}, {"7", "bit"}};
    for (int i = 0; i < 2; ++i) {
        grid->addWidget(PlainLabel(QString::fromLatin1(values[i][0]), this), 1 + i, 2);
        grid->addWidget(PlainLabel(QString::fromLatin1(values[i][1]), this), 1 + i, 3);
    }
    grid->addWidget(PlainLabel(tr("EVEN") + LoadText(TextId::ParityPad), this), 3, 2);
    grid->addWidget(PlainLabel(QStringLiteral("1"), this), 4, 2);
    grid->addWidget(PlainLabel(QStringLiteral("bit"), this), 4, 3);
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
    m_bluetoothPart = BuildBluetoothPart();
    layout->addWidget(m_bluetoothPart);
    layout->addLayout(buttons);

    // Only the user's picks: filling and preselecting the list raise no activated().
    connect(m_portCombo, &QComboBox::activated, this, &CommDlg::OnPortPicked);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* CommDlg::BuildBluetoothPart()
{
    auto* box = new QGroupBox(LoadText(TextId::BluetoothScale), this);
    auto* grid = new QGridLayout(box);
    m_bluetoothCombo = new QComboBox(box);
    m_bluetoothCombo->setObjectName(QStringLiteral("bluetoothList"));
    m_search = new QPushButton(LoadText(TextId::SearchScales), box);
    m_search->setObjectName(QStringLiteral("bluetoothSearch"));
    m_searchState = PlainLabel(QString(), box);
    m_userCombo = new QComboBox(box);
    m_userCombo->setObjectName(QStringLiteral("bluetoothUser"));
    grid->addWidget(m_bluetoothCombo, 0, 0);
    grid->addWidget(m_search, 0, 1);
    grid->addWidget(m_searchState, 1, 0, 1, 2);
    // Screen readers name each list: the scale by the part's title, the user by its label.
    m_bluetoothCombo->setAccessibleName(LoadText(TextId::BluetoothScale));
    QLabel* userLabel = PlainLabel(LoadText(TextId::ScaleUser), box);
    userLabel->setBuddy(m_userCombo);
    m_userCombo->setAccessibleName(userLabel->text());
    grid->addWidget(userLabel, 2, 0);
    grid->addWidget(m_userCombo, 3, 0);
    grid->setColumnStretch(0, 1);
    connect(m_search, &QPushButton::clicked, this, &CommDlg::SearchScales);
    box->hide(); // shown by the Run that chooses a Bluetooth scale
    return box;
}

void CommDlg::LoadBluetooth(const QString& address, int user)
{
    m_bluetoothCombo->clear();
    m_bluetoothCombo->addItem(LoadText(TextId::NoBluetoothScale), QString());
    if (!address.isEmpty())
        m_bluetoothCombo->addItem(address, address);
    m_bluetoothCombo->setCurrentIndex(m_bluetoothCombo->count() - 1);
    // Scales keep a handful of users; one stored beyond them is offered too.
    m_userCombo->clear();
    m_userCombo->addItem(LoadText(TextId::EveryScaleUser), Settings::kEveryUser);
    constexpr int kOfferedUsers = 8;
    for (int n = 1; n <= std::max(kOfferedUsers, user); ++n) {
        if (n <= kOfferedUsers || n == user)
            m_userCombo->addItem(LoadText(TextId::ScaleUserNumber).arg(n), n);
    }
    if (user == 0)
        m_userCombo->addItem(LoadText(TextId::ScaleUserNumber).arg(0), 0);
    m_userCombo->setCurrentIndex(std::max(0, m_userCombo->findData(user)));
}

void CommDlg::SearchScales()
{
    QBluetoothLocalDevice adapter;
    if (!adapter.isValid() || adapter.hostMode() == QBluetoothLocalDevice::HostPoweredOff) {
        m_searchState->setText(LoadText(TextId::BluetoothOff));
        return;
    }
    m_searchAgent = std::make_unique<QBluetoothDeviceDiscoveryAgent>();
    m_searchAgent->setLowEnergyDiscoveryTimeout(10000);
    connect(m_searchAgent.get(), &QBluetoothDeviceDiscoveryAgent::deviceDiscovered, this,
            &CommDlg::OnScaleFound);
    connect(m_searchAgent.get(), &QBluetoothDeviceDiscoveryAgent::deviceUpdated, this,
            [this](const QBluetoothDeviceInfo& device) { OnScaleFound(device); });
    const auto finished = [this] {
        m_search->setEnabled(true);
        // Only "None" and the stored scale: nothing new was found.
        m_searchState->setText(m_bluetoothCombo->count() > 1 ? QString() : LoadText(TextId::NoScaleFound));
    };
    connect(m_searchAgent.get(), &QBluetoothDeviceDiscoveryAgent::finished, this, finished);
    connect(m_searchAgent.get(), &QBluetoothDeviceDiscoveryAgent::errorOccurred, this, finished);
    m_search->setEnabled(false);
    m_searchState->setText(LoadText(TextId::SearchingScales));
    m_searchAgent->start(QBluetoothDeviceDiscoveryAgent::LowEnergyMethod);
}

void CommDlg::OnScaleFound(const QBluetoothDeviceInfo& device)
{
    if (!IsScale(device))
        return;
    const QString address = device.address().toString();
    const QString shown =
        device.name().isEmpty() ? address : QStringLiteral("%1 (%2)").arg(device.name(), address);
    const int index = m_bluetoothCombo->findData(address);
    if (index >= 0)
        m_bluetoothCombo->setItemText(index, shown);
    else
        m_bluetoothCombo->addItem(shown, address);
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

bool CommDlg::Run(int& portNo, QString& bluetooth, int& bluetoothUser)
{
    LoadBluetooth(bluetooth, bluetoothUser);
    m_bluetoothPart->show();
    FitToScreen(*this);
    if (!Run(portNo))
        return false;
    bluetooth = m_bluetoothCombo->currentData().toString();
    bluetoothUser = m_userCombo->currentData().toInt();
    return true;
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
    // Every way of closing lets go of the test port and ends a search.
    m_testPort.Close();
    m_searchAgent.reset();
    QDialog::done(result);
}

} // namespace tarvel
