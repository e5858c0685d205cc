#include "platform/Translations.h"
#include "platform/TextTable.h"
#include "platform/WindowFont.h"
#include "shell/MainMenus.h"

#include <QAction>
#include <QMainWindow>

#include <gtest/gtest.h>

namespace tarvel {

// The first translated language of the desktop's list picks the captions, the messages, the
// language code and with it the font fallbacks; English first, or none translated, keeps the English
// texts. German captions mark a letter inside the word, so none keeps the "(&F)" suffix.
TEST(TranslationsTest, DesktopLanguagesPickTextsCaptionsAndFonts)
{
    const struct {
        QStringList languages;
        const char *newCaption, *message, *font;
    } cases[] = {{{}, "New(&N)", "Data file cannot be opened.", "Courier New"},
                 {{"en-GB", "de-DE"}, "New(&N)", "Data file cannot be opened.", "Courier New"},
                 {{"fr-FR", "de-DE"}, "&Neu", "Die Datendatei kann nicht geöffnet werden.", "Courier New"},
                 {{"ja_JP"}, "新規作成(&N)", "データファイルを開けません。", "ＭＳ　ゴシック"}};
    for (const auto& c : cases) {
        const Translations translations(c.languages);
        QMainWindow window;
        MainMenus menus(window);
        menus.ApplyTexts();
        EXPECT_EQ(menus.newDiary->text().toStdString(), c.newCaption);
        EXPECT_EQ(LoadText(700).toStdString(), c.message);
        EXPECT_EQ(ChooseFontFamily(QStringLiteral("Missing"),
                                   {QStringLiteral("Courier New"), QStringLiteral("ＭＳ　ゴシック")},
                                   LanguageCode())
                      .toStdString(),
                  c.font);
        for (const QAction* action : window.findChildren<QAction*>())
            EXPECT_FALSE(translations.Language() == QLatin1String("de") &&
                         action->text().contains(QLatin1String("(&")))
                << action->text().toStdString();
    }
}

} // namespace tarvel
