#pragma once

#include <QString>

namespace tarvel {

// The program's numbered texts: every caption, tooltip and message comes from here, looked up by
// id when it is shown. An id the table does not hold gives "" (726, the empty second line of the
// port messages, is such an id).
// The texts are translated for the desktop's language once a translator is installed (see
// Translations.h); without one they are the English texts.
QString LoadText(int id);
// A menu item's or button's caption: the text followed by its accelerator suffix ("File", "(&F)":
// "File(&F)"), translated as one piece so a language can mark a letter inside the word ("&Datei").
QString LoadCaption(int id, const char* suffix);
// The language code, text 2000 as a number; kJapaneseLanguage selects the Japanese layout and font
// fallbacks.
int LanguageCode();
inline constexpr int kJapaneseLanguage = 1;

// Texts that come in series, by position: the four tab captions (Diary, List, Weight trend, BMI
// trend) and the seven scheme names of the appearance dialog.
inline constexpr int kTabCaptionTexts[] = {201, 202, 203, 204};
inline constexpr int kSchemeNameTexts[] = {502, 503, 504, 505, 506, 507, 508};

// Window and dialog font names (texts 160 and 161).
QString WindowFontName();
QString DialogFontName();

} // namespace tarvel
