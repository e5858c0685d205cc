#include "shell/HelpWindow.h"

#include "platform/ScreenFit.h"
#include "platform/TextTable.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

// Q_INIT_RESOURCE declares the registration function of help.qrc, so it has to stand outside any
// namespace.
static void RegisterHelpResources()
{
    Q_INIT_RESOURCE(help);
}

namespace tarvel {

namespace {

// The folder of the pages in the program's language: text HelpLanguage names it ("de", "ja"), English
// stands at the top. A language without pages falls back to English.
QString HelpFolder()
{
    const QString language = LoadText(TextId::HelpLanguage);
    const QString folder = QStringLiteral(":/help/") + language + QLatin1Char('/');
    return language != QLatin1String("en") && QFile::exists(folder + QStringLiteral("index.html"))
               ? folder
               : QStringLiteral(":/help/");
}

// The anchor a heading carries (its id), or "" when it has none.
QString AnchorOf(const QTextBlock& block)
{
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QStringList names = it.fragment().charFormat().anchorNames();
        if (!names.isEmpty())
            return names.first();
    }
    return QString();
}

QToolButton* ToolButton(QStyle::StandardPixmap icon, const QString& text, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

} // namespace

void InitHelpResources()
{
    static const bool registered = (RegisterHelpResources(), true);
    static_cast<void>(registered);
}

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_folder((InitHelpResources(), HelpFolder())),
      m_browser(new QTextBrowser(this)), m_topicsPanel(new QWidget(this)),
      m_keyword(new QLineEdit(m_topicsPanel)), m_topicList(new QListWidget(m_topicsPanel)),
      m_topicsButton(ToolButton(QStyle::SP_FileDialogContentsView, LoadText(TextId::HelpTopics), this))
{
    m_topicIndex = ReadTopics(m_folder);
    setWindowTitle(LoadText(TextId::AppName) + QStringLiteral(" - ") + LoadText(TextId::HelpMenu));

    QToolButton* back = ToolButton(QStyle::SP_ArrowBack, tr("Back"), this);
    QToolButton* forward = ToolButton(QStyle::SP_ArrowForward, tr("Forward"), this);
    QToolButton* contents = ToolButton(QStyle::SP_DirHomeIcon, LoadText(TextId::HelpContents), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    m_topicsButton->setCheckable(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(contents);
    buttons->addWidget(m_topicsButton);
    buttons->addStretch();

    m_keyword->setObjectName(QStringLiteral("keyword"));
    m_keyword->setPlaceholderText(tr("Type a keyword"));
    m_keyword->setClearButtonEnabled(true);
    m_topicList->setObjectName(QStringLiteral("topics"));
    m_topicList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_topicList->setTextElideMode(Qt::ElideRight);
    auto* panelLayout = new QVBoxLayout(m_topicsPanel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(m_keyword);
    panelLayout->addWidget(m_topicList);
    m_topicsPanel->hide();

    m_browser->setOpenExternalLinks(true);
    m_browser->document()->setDocumentMargin(12);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_topicsPanel);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    splitter->setSizes({300, 620});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    connect(back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(contents, &QToolButton::clicked, this,
            [this]() { m_browser->setSource(HelpPage(QStringLiteral("index.html"))); });
    connect(m_topicsButton, &QToolButton::toggled, this, &HelpWindow::SetTopicsVisible);
    connect(m_keyword, &QLineEdit::textChanged, this, &HelpWindow::ListTopics);
    connect(m_keyword, &QLineEdit::returnPressed, this, [this]() { OpenTopic(m_topicList->currentItem()); });
    connect(m_topicList, &QListWidget::itemActivated, this, &HelpWindow::OpenTopic);

    ListTopics(QString());
    // Roomy where the screen allows, never larger than its free area.
    resize(FitToArea(QSize(920, 640), screen()->availableGeometry().size(), WindowFrame(*this)));
}

void HelpWindow::ShowContents()
{
    m_browser->setSource(HelpPage(QStringLiteral("index.html")));
    BringUp();
}

void HelpWindow::ShowTopics()
{
    SetTopicsVisible(true);
    if (m_browser->source().isEmpty())
        m_browser->setSource(HelpPage(QStringLiteral("index.html")));
    BringUp();
    m_keyword->setFocus();
    m_keyword->selectAll();
}

QUrl HelpWindow::HelpPage(const QString& fileName) const
{
    return QUrl(QStringLiteral("qrc") + m_folder + fileName);
}

// Reads every page of the folder and cuts it at its h1 and h2 headings. What comes before the
// first heading (the row of links to the other pages) is left out, or every page would match the
// name of every other page.
std::vector<HelpWindow::Topic> HelpWindow::ReadTopics(const QString& folder)
{
    std::vector<Topic> topics;
    const QStringList pages = QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files);
    for (const QString& page : pages) {
        QFile file(folder + page);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QTextDocument document;
        document.setHtml(QString::fromUtf8(file.readAll()));
        const QString title = document.metaInformation(QTextDocument::DocumentTitle);
        Topic* current = nullptr;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            const int level = block.blockFormat().headingLevel();
            if (level == 1 || level == 2) {
                Topic topic{title, QUrl(QStringLiteral("qrc") + folder + page),
                            title + QLatin1Char('\n') + block.text()};
                if (level == 2) {
                    topic.label = block.text() + QStringLiteral(" (") + title + QLatin1Char(')');
                    topic.url.setFragment(AnchorOf(block));
                }
                current = &topics.emplace_back(std::move(topic));
            } else if (current) {
                current->text += QLatin1Char('\n') + block.text();
            }
        }
    }
    // Alphabetical as in a book's index, where "The date" is found under D.
    const auto sortKey = [](const QString& label) {
        return label.startsWith(QLatin1String("The ")) ? QStringView(label).mid(4) : QStringView(label);
    };
    std::sort(topics.begin(), topics.end(), [&sortKey](const Topic& a, const Topic& b) {
        return sortKey(a.label).compare(sortKey(b.label), Qt::CaseInsensitive) < 0;
    });
    return topics;
}

// Lists the topics that hold every word of the keyword, in any case and as part of a longer word.
void HelpWindow::ListTopics(const QString& keyword)
{
    const QStringList words = keyword.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    m_topicList->clear();
    for (const Topic& topic : m_topicIndex) {
        const bool matches = std::all_of(words.begin(), words.end(), [&topic](const QString& word) {
            return topic.text.contains(word, Qt::CaseInsensitive);
        });
        if (!matches)
            continue;
        auto* item = new QListWidgetItem(topic.label, m_topicList);
        item->setToolTip(topic.label); // for labels cut short by a narrow panel
        item->setData(Qt::UserRole, topic.url);
    }
    m_topicList->setCurrentRow(0);
}

void HelpWindow::OpenTopic(QListWidgetItem* item)
{
    if (item)
        m_browser->setSource(item->data(Qt::UserRole).toUrl());
}

void HelpWindow::SetTopicsVisible(bool visible)
{
    m_topicsPanel->setVisible(visible);
    m_topicsButton->setChecked(visible);
}

void HelpWindow::BringUp()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

} // namespace tarvel
