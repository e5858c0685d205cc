#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>

class QLabel;
class QPushButton;

namespace tarvel {

class MessageService;
class ToolRunner;

// Help > About: the program's title and version, the makers' line, the legal notice and the logo.
// OK closes the dialog; System info starts the desktop's system information tool.
class AboutDlg : public QDialog {
    Q_OBJECT

public:
    // logo: the about picture of the colour scheme; a null pixmap leaves its place empty.
    AboutDlg(const QPixmap& logo, ToolRunner& tools, MessageService& messages, QWidget* parent = nullptr);

    // Starts the first system information tool found on PATH; message CannotShowSystemInfo when there
    // is none.
    void ShowSystemInfo();

private:
    ToolRunner& m_tools;
    MessageService& m_messages;
    QLabel* m_title;
    QLabel* m_version;
    QLabel* m_description;
    QLabel* m_disclaimer;
    QLabel* m_logo;
    QPushButton* m_ok;
    QPushButton* m_systemInfo;
};

// The version as the dialog shows it: the major number, ".", the minor number with two digits.
QString VersionText(int major, int minor);

} // namespace tarvel
