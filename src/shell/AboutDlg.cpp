#include "shell/AboutDlg.h"

#include "platform/DialogFont.h"
#include "platform/FileTypeRegistry.h"
#include "platform/MessageService.h"
#include "platform/TextTable.h"
#include "shell/WebPages.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvel {

namespace {

// The desktops' system information and monitor programs, the most informative first.
constexpr const char* kSystemInfoTools[] = {
    "hardinfo",  "hardinfo2",         "gnome-system-monitor", "plasma-systemmonitor",
    "ksysguard", "xfce4-taskmanager", "mate-system-monitor"};

constexpr QSize kLogoSize(93, 44);

// The makers' line follows this.
const QString kDescriptionPrefix = QStringLiteral("Copyright (c) 2026 ");

} // namespace

QString VersionText(int major, int minor)
{
    return QString::number(major) + QLatin1Char('.') +
           QStringLiteral("%1").arg(minor, 2, 10, QLatin1Char('0'));
}

AboutDlg::AboutDlg(const QPixmap& logo, ToolRunner& tools, MessageService& messages, QWidget* parent)
    : QDialog(parent), m_tools(tools), m_messages(messages), lblTitle(new QLabel(LoadText(101), this)),
      lblVersion(new QLabel(this)), lblDescription(new QLabel(kDescriptionPrefix + LoadText(603), this)),
      lblDisclaimer(new QLabel(LoadText(604), this)), LogoPic(new QLabel(this)),
      cmdOK(new QPushButton(QStringLiteral("OK"), this)),
      cmdSysInfo(new QPushButton(LoadText(601) + QStringLiteral("(&S)..."), this))
{
    setWindowTitle(LoadText(600));
    UseDialogFont(*this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    LogoPic->setObjectName(QStringLiteral("LogoPic"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));

    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion->setText(LoadText(602) + QLatin1Char(' ') +
                        VersionText(TARVEL_VERSION_MAJOR, TARVEL_VERSION_MINOR));
    for (QLabel* label : {lblTitle, lblVersion, lblDescription, lblDisclaimer})
        label->setTextFormat(Qt::PlainText);
    lblDisclaimer->setWordWrap(true);
    LogoPic->setPixmap(logo);
    LogoPic->setFixedSize(logo.isNull() ? kLogoSize : logo.deviceIndependentSize().toSize());
    LogoPic->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    // Logo beside title, version and makers; a line; the notice beside the buttons, which the
    // column makes as wide as the longer caption.
    auto* texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addWidget(lblDescription);
    if (kHomePage[0] != '\0') {
        const QString page = QString::fromLatin1(kHomePage);
        auto* home = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(page.toHtmlEscaped()), this);
        home->setObjectName(QStringLiteral("lblHomePage"));
        home->setTextFormat(Qt::RichText);
        home->setOpenExternalLinks(true);
        texts->addWidget(home);
    }
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(LogoPic, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblDisclaimer, 1);
    bottom->addSpacing(12);
    bottom->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(line);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Wide enough that the notice wraps into a few lines rather than many.
    lblDisclaimer->setMinimumWidth(lblDisclaimer->fontMetrics().averageCharWidth() * 48);

    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &AboutDlg::cmdSysInfo_Click);
}

void AboutDlg::cmdSysInfo_Click()
{
    for (const char* name : kSystemInfoTools) {
        const QString program = m_tools.FindTool(QString::fromLatin1(name));
        if (!program.isEmpty() && m_tools.StartTool(program, {}))
            return;
    }
    m_messages.ShowMessage(LoadText(802), ButtonsOk, IconInformation);
}

} // namespace tarvel
