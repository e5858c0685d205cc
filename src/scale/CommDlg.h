#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>

class QBluetoothDeviceDiscoveryAgent;
class QBluetoothDeviceInfo;
class QComboBox;
class QLabel;
class QPushButton;

namespace tarvel {

class ErrorLog;
class MessageService;
class SerialPort;

// The Port dialog: lists the ports 1..16 that can be used (those that open, and those another
// program holds) and "No scale" (port 0) after them, preselects the one in use, tries every port the
// user picks before accepting it, and shows the fixed line settings. It tries ports with a test port
// of its own, so the main connection is not disturbed. Its Bluetooth part chooses a Bluetooth scale
// ("bluetoothList": "None" or an address; "bluetoothSearch" lists the devices nearby that advertise
// the Weight Scale or Body Composition service) and which of its users to take ("bluetoothUser").
// Its other controls are named "portList", "okButton" and "cancelButton".
class CommDlg : public QDialog {
    Q_OBJECT

public:
    // deviceName gives the device shown beside "Com n".
    CommDlg(SerialPort& testPort, const ErrorLog& log, MessageService& messages,
            std::function<QString(int)> deviceName, QWidget* parent = nullptr);
    ~CommDlg() override;

    // Lists the ports and shows the dialog modally; OK puts the chosen port into portNo and gives
    // true, Cancel, Escape and the close button give false. With no usable port the dialog says so
    // first and offers "No scale" alone.
    bool Run(int& portNo);
    // The same with the Bluetooth part: OK also puts the chosen address ("" for none) and user
    // (Settings::kEveryUser for every one) into the two.
    bool Run(int& portNo, QString& bluetooth, int& bluetoothUser);

protected:
    void done(int result) override;

private:
    void BuildControls();
    QWidget* BuildBluetoothPart();
    void LoadBluetooth(const QString& address, int user);
    void SearchScales();
    void OnScaleFound(const QBluetoothDeviceInfo& device);
    // Fills the list; false when no port but "No scale" can be used.
    bool LoadPorts(int currentPort);
    // Tries the port the user picked; one that cannot be opened gives way to the previous pick.
    void OnPortPicked(int index);
    void SelectEntryOf(int portNumber);
    // The port number of a list entry.
    int EntryPort(int index) const;

    SerialPort& m_testPort;
    const ErrorLog& m_log;
    MessageService& m_messages;
    std::function<QString(int)> m_deviceName;
    QComboBox* m_portCombo = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QWidget* m_bluetoothPart = nullptr;
    QComboBox* m_bluetoothCombo = nullptr;
    QComboBox* m_userCombo = nullptr;
    QPushButton* m_search = nullptr;
    QLabel* m_searchState = nullptr;
    std::unique_ptr<QBluetoothDeviceDiscoveryAgent> m_searchAgent;
    // The port number chosen so far.
    int m_selectedPort = 0;
};

} // namespace tarvel
