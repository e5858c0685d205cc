#pragma once

#include <QDialog>

#include <functional>

class QComboBox;
class QPushButton;

namespace tarvel {

class ErrorLog;
class MessageService;
class SerialPort;

// The Port dialog: lists the ports 1..16 that can be used (those that open, and those another
// program holds) and "No scale" (port 0) after them, preselects the one in use, tries every port the
// user picks before accepting it, and shows the fixed line settings. It tries ports with a test port
// of its own, so the main connection is not disturbed. Its controls are named "portList",
// "okButton" and "cancelButton".
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

protected:
    void done(int result) override;

private:
    void BuildControls();
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
    // The port number chosen so far.
    int m_selectedPort = 0;
};

} // namespace tarvel
