#include "shell/HelpWindow.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QStringDecoder>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace tarvel;

namespace {

QStringList HelpPages()
{
    InitHelpResources();
    return QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}, QDir::Files);
}

QByteArray PageBytes(const QString& page)
{
    QFile file(QStringLiteral(":/help/") + page);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The help window, shown with the topics panel, and the controls a test works with.
struct TopicsWindow {
    HelpWindow window;
    QTextBrowser* browser = nullptr;
    QLineEdit* keyword = nullptr;
    QListWidget* topics = nullptr;

    TopicsWindow()
    {
        window.ShowTopics();
        browser = window.findChild<QTextBrowser*>();
        keyword = window.findChild<QLineEdit*>(QStringLiteral("keyword"));
        topics = window.findChild<QListWidget*>(QStringLiteral("topics"));
    }

    // The listed topics as "page#anchor" (or "page" for a page's opening), after typing a keyword.
    QStringList Search(const QString& word)
    {
        keyword->clear();
        QTest::keyClicks(keyword, word);
        QStringList found;
        for (int row = 0; row < topics->count(); ++row) {
            const QUrl url = topics->item(row)->data(Qt::UserRole).toUrl();
            found << url.fileName() + (url.hasFragment() ? QLatin1Char('#') + url.fragment() : QString());
        }
        found.sort();
        return found;
    }
};

} // namespace

TEST(HelpPages, EveryPageLoadsWithATitleAndEveryLinkLeadsToAPageAndAnchorThere)
{
    QMap<QString, QSet<QString>> anchors; // as the browser's own HTML reader finds them
    for (const QString& page : HelpPages()) {
        SCOPED_TRACE(page.toStdString());
        QStringDecoder utf8(QStringDecoder::Utf8);
        static_cast<void>(utf8.decode(PageBytes(page)));
        EXPECT_FALSE(utf8.hasError());
        QTextBrowser browser;
        browser.setSource(QUrl(QStringLiteral("qrc:/help/") + page));
        EXPECT_FALSE(browser.documentTitle().isEmpty());
        EXPECT_GT(browser.toPlainText().size(), 200);
        bool styledHeading = false; // the shared style sheet was found and read: headings take its colour
        for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
            styledHeading |= block.blockFormat().headingLevel() == 1 &&
                             block.charFormat().foreground().style() == Qt::SolidPattern;
            for (auto it = block.begin(); !it.atEnd(); ++it)
                for (const QString& name : it.fragment().charFormat().anchorNames())
                    anchors[page].insert(name);
        }
        EXPECT_TRUE(styledHeading);
    }
    static const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    QSet<QString> linkedFromIndex;
    for (const QString& page : HelpPages()) {
        const QUrl base(QStringLiteral("qrc:/help/") + page);
        for (const auto& match : link.globalMatch(QString::fromUtf8(PageBytes(page)))) {
            const QUrl target = base.resolved(QUrl(match.captured(1)));
            if (target.scheme() == QLatin1String("https"))
                continue;
            SCOPED_TRACE((page + QStringLiteral(" -> ") + match.captured(1)).toStdString());
            ASSERT_EQ(target.scheme(), QStringLiteral("qrc"));
            EXPECT_TRUE(QFile::exists(QLatin1Char(':') + target.path()));
            EXPECT_TRUE(!target.hasFragment() || anchors[target.fileName()].contains(target.fragment()));
            if (page == QLatin1String("index.html"))
                linkedFromIndex.insert(target.fileName());
        }
    }
    for (const QString& page : HelpPages())
        EXPECT_TRUE(page == QLatin1String("index.html") || linkedFromIndex.contains(page))
            << page.toStdString() << " is missing from the contents";
}

TEST(HelpWindow, TopicsHoldEveryWordOfTheKeywordInAnyCase)
{
    TopicsWindow w;
    const QStringList all = w.Search(QString());
    for (const QString& page : HelpPages())
        EXPECT_TRUE(all.contains(page)) << page.toStdString() << " has no topic";
    const struct {
        const char* keyword;
        const char* topics;
    } cases[] = {
        {"backup", "diary.html#buttons files.html#backup index.html#contents settings.html#files"},
        {"bACKu", "diary.html#buttons files.html#backup index.html#contents settings.html#files"},
        {"zoom", "index.html#contents trends.html#zoom"},
        {"noon", "diary.html#weighings scale.html#weighing"},
        {"noon  stable", "scale.html#weighing"},
        {"dialout", "scale.html#port-problems"},
        {"xylophone", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(w.Search(QLatin1String(c.keyword)).join(QLatin1Char(' ')).toStdString(), c.topics)
            << c.keyword;
}

TEST(HelpWindow, ActivatingATopicOpensItsPageAtTheHeadingAndContentsReturns)
{
    TopicsWindow w;
    w.Search(QStringLiteral("tarvel-diary"));
    const auto items = w.topics->findItems(QStringLiteral("The tarvel-diary command"), Qt::MatchStartsWith);
    ASSERT_EQ(items.size(), 1);
    w.topics->setCurrentItem(items.first());
    QTest::keyClick(w.topics, Qt::Key_Return);
    EXPECT_EQ(w.browser->source().toString().toStdString(), "qrc:/help/files.html#tarvel-diary");
    EXPECT_GT(w.browser->verticalScrollBar()->value(), 0); // the last section, scrolled into view

    w.Search(QStringLiteral("dialout"));
    QTest::keyClick(w.keyword, Qt::Key_Return); // Return in the keyword opens the first topic
    EXPECT_EQ(w.browser->source().fileName(), QStringLiteral("scale.html"));
    w.window.ShowContents();
    EXPECT_EQ(w.browser->source().toString().toStdString(), "qrc:/help/index.html");
    EXPECT_TRUE(w.window.isVisible());
}
