#include "shell/HelpWindow.h"

#include "platform/Translations.h"

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
using namespace Qt::StringLiterals;

namespace {

// The English pages stand at the top of the help, each translation in the folder of its language.
const QStringList kLanguageFolders{u""_s, u"de/"_s, u"ja/"_s};

QStringList HelpPages(const QString& folder = {})
{
    InitHelpResources();
    return QDir(u":/help/"_s + folder).entryList({u"*.html"_s}, QDir::Files);
}

QByteArray PageBytes(const QString& page)
{
    QFile file(u":/help/"_s + page);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every page is UTF-8 and loads with a title and the shared style sheet; every link leads to a page
// and an anchor there; every page is linked from the contents. A translation has the pages, anchors
// and links of the English help, so a page added or changed in English fails here until it is
// translated.
TEST(HelpPages, EveryLinkLeadsToAPageAndAnchorThereInEveryLanguage)
{
    static const QRegularExpression link(u"(?:href|src)=\"([^\"]*)\""_s);
    QMap<QString, QMap<QString, QStringList>> shape; // folder -> page -> its anchors, then its links
    for (const QString& folder : kLanguageFolders) {
        QMap<QString, QSet<QString>> anchors; // as the browser's own HTML reader finds them
        for (const QString& page : HelpPages(folder)) {
            SCOPED_TRACE((folder + page).toStdString());
            QStringDecoder utf8(QStringDecoder::Utf8);
            const QString text = utf8.decode(PageBytes(folder + page));
            EXPECT_FALSE(utf8.hasError());
            const QString lang = folder.isEmpty() ? u"en"_s : folder.chopped(1);
            EXPECT_TRUE(text.contains(u"<html lang=\""_s + lang + u"\">"_s));
            QTextBrowser browser;
            browser.setSource(QUrl(u"qrc:/help/"_s + folder + page));
            EXPECT_FALSE(browser.documentTitle().isEmpty());
            bool styledHeading = false; // the style sheet was found and read: headings take its colour
            for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
                styledHeading |= block.blockFormat().headingLevel() == 1 &&
                                 block.charFormat().foreground().style() == Qt::SolidPattern;
                for (auto it = block.begin(); !it.atEnd(); ++it)
                    for (const QString& name : it.fragment().charFormat().anchorNames())
                        anchors[page].insert(name);
            }
            EXPECT_TRUE(styledHeading);
            QStringList sorted = anchors[page].values();
            sorted.sort();
            shape[folder][page] = sorted;
        }
        QSet<QString> linkedFromIndex{u"index.html"_s};
        for (const QString& page : HelpPages(folder)) {
            const QUrl base(u"qrc:/help/"_s + folder + page);
            for (const auto& match : link.globalMatch(QString::fromUtf8(PageBytes(folder + page)))) {
                const QUrl target = base.resolved(QUrl(match.captured(1)));
                shape[folder][page] << target.fileName() + u'#' + target.fragment();
                if (target.scheme() == "https"_L1)
                    continue;
                SCOPED_TRACE((folder + page + u" -> "_s + match.captured(1)).toStdString());
                ASSERT_EQ(target.scheme(), u"qrc"_s);
                EXPECT_TRUE(QFile::exists(u':' + target.path()));
                EXPECT_TRUE(!target.hasFragment() || anchors[target.fileName()].contains(target.fragment()));
                if (page == "index.html"_L1)
                    linkedFromIndex.insert(target.fileName());
            }
        }
        for (const QString& page : HelpPages(folder))
            EXPECT_TRUE(linkedFromIndex.contains(page))
                << (folder + page).toStdString() << " is not in the contents";
    }
    for (const QString& folder : kLanguageFolders) {
        EXPECT_EQ(shape[folder].keys(), shape[QString()].keys()) << folder.toStdString() << ": other pages";
        for (const QString& page : shape[QString()].keys())
            EXPECT_EQ(shape[folder][page], shape[QString()][page])
                << (folder + page).toStdString() << ": other anchors or links than the English page";
    }
}

// The help speaks the program's language, as its texts do, and falls back to English; its topics come
// from the pages of that language. Return in the keyword opens the first topic, and Contents returns to
// the index.
TEST(HelpWindow, ShowsThePagesOfTheProgramsLanguage)
{
    for (const auto& [uiLanguage, folder] :
         {std::pair{"de-DE", "qrc:/help/de/"}, std::pair{"ja-JP", "qrc:/help/ja/"},
          std::pair{"fr-FR", "qrc:/help/"}}) {
        const Translations translations({QString::fromLatin1(uiLanguage)});
        HelpWindow window;
        window.ShowTopics();
        auto* keyword = window.findChild<QLineEdit*>(u"keyword"_s);
        QTest::keyClicks(keyword, u"dialout"_s);
        ASSERT_EQ(window.findChild<QListWidget*>(u"topics"_s)->count(), 1) << uiLanguage;
        QTest::keyClick(keyword, Qt::Key_Return);
        const auto* browser = window.findChild<QTextBrowser*>();
        EXPECT_EQ(browser->source().toString(), folder + u"scale.html#port-problems"_s);
        window.ShowContents();
        EXPECT_EQ(browser->source().toString(), folder + u"index.html"_s);
    }
}

// The topics hold every word of the keyword in any case; Return opens a topic's page at its heading.
TEST(HelpWindow, TopicsFindEveryWordOfTheKeywordAndOpenAtTheHeading)
{
    HelpWindow window;
    window.ShowTopics();
    auto* browser = window.findChild<QTextBrowser*>();
    auto* keyword = window.findChild<QLineEdit*>(u"keyword"_s);
    auto* topics = window.findChild<QListWidget*>(u"topics"_s);
    // The listed topics as "page#anchor" (or "page" for a page's opening), after typing a keyword.
    const auto search = [&](const char* word) {
        keyword->clear();
        QTest::keyClicks(keyword, QString::fromUtf8(word));
        QStringList found;
        for (int row = 0; row < topics->count(); ++row) {
            const QUrl url = topics->item(row)->data(Qt::UserRole).toUrl();
            found << url.fileName() + (url.hasFragment() ? u'#' + url.fragment() : QString());
        }
        found.sort();
        return found;
    };
    const QStringList all = search("");
    for (const QString& page : HelpPages())
        EXPECT_TRUE(all.contains(page)) << page.toStdString() << " has no topic";
    const struct {
        const char* keyword;
        const char* topics;
    } cases[] = {
        {"bACKu", "diary.html#buttons files.html#backup files.html#changed-on-disk index.html#contents "
                  "settings.html#files"},
        {"noon", "diary.html#weighings files.html#file-menu scale.html#weighing"},
        {"noon  stable", "scale.html#weighing"},
        {"xylophone", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(search(c.keyword).join(u' ').toStdString(), c.topics) << c.keyword;

    search("tarvel-diary");
    topics->setCurrentItem(topics->findItems(u"The tarvel-diary command"_s, Qt::MatchStartsWith).value(0));
    QTest::keyClick(topics, Qt::Key_Return);
    EXPECT_EQ(browser->source().toString().toStdString(), "qrc:/help/files.html#tarvel-diary");
    EXPECT_GT(browser->verticalScrollBar()->value(), 0); // the last section, scrolled into view
}

} // namespace
