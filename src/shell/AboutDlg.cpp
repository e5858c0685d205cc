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
    : QDialog(parent), m_tools(tools), m_messages(messages),
      m_title(new QLabel(LoadText(TextId::AppName), this)), m_version(new QLabel(this)),
      m_description(new QLabel(kDescriptionPrefix + LoadText(TextId::Developers), this)),
      m_disclaimer(new QLabel(LoadText(TextId::License), this)), m_logo(new QLabel(this)),
      m_ok(new QPushButton(tr("OK"), this)),
      m_systemInfo(new QPushButton(LoadCaption(TextId::SystemInfo, "(&S)..."), this))
{
    setWindowTitle(LoadText(TextId::VersionInfoTitle));
    UseDialogFont(*this);
    m_title->setObjectName(QStringLiteral("title"));
    m_version->setObjectName(QStringLiteral("version"));
    m_description->setObjectName(QStringLiteral("description"));
    m_disclaimer->setObjectName(QStringLiteral("disclaimer"));
    m_logo->setObjectName(QStringLiteral("logo"));
    m_ok->setObjectName(QStringLiteral("ok"));
    m_systemInfo->setObjectName(QStringLiteral("systemInfo"));

    QFont titleFont = m_title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_version->setText(LoadText(TextId::Version) + QLatin1Char(' ') +
                       VersionText(TARVEL_VERSION_MAJOR, TARVEL_VERSION_MINOR));
    for (QLabel* label : {m_title, m_version, m_description, m_disclaimer})
        label->setTextFormat(Qt::PlainText);
    m_disclaimer->setWordWrap(true);
    m_logo->setPixmap(logo);
    m_logo->setFixedSize(logo.isNull() ? kLogoSize : logo.deviceIndependentSize().toSize());
    m_logo->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    // Logo beside title, version and makers; a line; the notice beside the buttons, which the
    // column makes as wide as the longer caption.
    auto* texts = new QVBoxLayout;
    texts->addWidget(m_title);
    texts->addWidget(m_version);
    texts->addWidget(m_description);
    if (kHomePage[0] != '\0') {
        const QString page = QString::fromLatin1(kHomePage);
        auto* home = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(page.toHtmlEscaped()), this);
        home->setObjectName(QStringLiteral("homePage"));
        home->setTextFormat(Qt::RichText);
        home->setOpenExternalLinks(true);
        texts->addWidget(home);
    }
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(m_logo, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_ok);
    buttons->addWidget(m_systemInfo);
    buttons->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_disclaimer, 1);
    bottom->addSpacing(12);
    bottom->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(line);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Wide enough that the notice wraps into a few lines rather than many.
    m_disclaimer->setMinimumWidth(m_disclaimer->fontMetrics().averageCharWidth() * 48);

    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_systemInfo, &QPushButton::clicked, this, &AboutDlg::ShowSystemInfo);
}

void AboutDlg::ShowSystemInfo()
{
    for (const char* name : kSystemInfoTools) {
        const QString program = m_tools.FindTool(QString::fromLatin1(name));
        if (!program.isEmpty() && m_tools.StartTool(program, {}))
            return;
    }
    m_messages.ShowMessage(LoadText(TextId::CannotShowSystemInfo), ButtonsOk, IconInformation);
}

} // namespace tarvel
