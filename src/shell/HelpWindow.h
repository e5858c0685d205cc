#pragma once

#include <QUrl>
#include <QWidget>

#include <vector>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTextBrowser;
class QToolButton;

namespace tarvel {

// Makes the help pages compiled into tarvel_shell readable under ":/help". Pages in a static
// library are only registered when asked for; HelpWindow does this itself. Safe to call again.
void InitHelpResources();

// The help pages in a window of their own, in the program's language (English under qrc:/help/, each
// translation in a folder of its own beneath it): a browser with back, forward and contents buttons,
// and a topics panel that searches page titles, headings and text. The main window keeps one
// instance and calls ShowContents or ShowTopics for the Help menu.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the window with the contents page, index.html.
    void ShowContents();

    // Shows the window with the topics panel and puts the cursor in its keyword field.
    void ShowTopics();

private:
    // One section of a page: the page's opening (up to its first subheading) or one subheading.
    struct Topic {
        QString label; // "Heading (Page title)", or the page title for the opening
        QUrl url;      // the page, with the heading's anchor as fragment
        QString text;  // title, heading and body text, searched for keywords
    };

    static std::vector<Topic> ReadTopics(const QString& folder);
    QUrl HelpPage(const QString& fileName) const;

    void ListTopics(const QString& keyword);
    void OpenTopic(QListWidgetItem* item);
    void SetTopicsVisible(bool visible);
    void BringUp();

    QString m_folder; // ":/help/" or ":/help/<language>/"
    std::vector<Topic> m_topicIndex;
    QTextBrowser* m_browser;
    QWidget* m_topicsPanel;
    QLineEdit* m_keyword;
    QListWidget* m_topicList;
    QToolButton* m_topicsButton;
};

} // namespace tarvel
