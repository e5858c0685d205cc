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
// program holds), preselects the one in use, tries every port the user picks before accepting it,
// and shows the fixed line settings. It tries ports with a test port of its own, so the main
// connection is not disturbed.
class CommDlg : public QDialog {
    Q_OBJECT

public:
    // deviceName gives the device shown beside "Com n".
    CommDlg(SerialPort& testPort, const ErrorLog& log, MessageService& messages,
            std::function<QString(int)> deviceName, QWidget* parent = nullptr);
    ~CommDlg() override;

    // Lists the ports and shows the dialog modally. OK puts the chosen port into portNo; with no
    // usable port the dialog says so and sets portState to 2 without showing itself.
    void Run(int& portNo, int& portState);

    // The port number chosen so far.
    int SelPort = 0;
    // 0 while the dialog loads, 1 once it is shown: only then do picks count.
    int DlgActive = 0;

    QComboBox* PortCombo() const { return m_portCombo; }
    QPushButton* OKBtn() const { return m_ok; }
    QPushButton* CancelBtn() const { return m_cancel; }
    // The port number of a list entry.
    int EntryPort(int index) const;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void BuildControls();
    // Fills the list; false when no port can be used.
    bool Form_Load(int currentPort);
    void PortCombo_Click(int index);
    void SelectEntryOf(int portNumber);

    SerialPort& m_testPort;
    const ErrorLog& m_log;
    MessageService& m_messages;
    std::function<QString(int)> m_deviceName;
    QComboBox* m_portCombo = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace tarvel
