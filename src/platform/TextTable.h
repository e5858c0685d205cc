#pragma once

#include <QString>

namespace tarvel {

// The program's numbered texts: every caption, tooltip and message comes from here, looked up by
// id when it is shown. An id the table does not hold gives "" (726, the empty second line of the
// port messages, is such an id).
QString LoadText(int id);

// Texts that come in series, by position: the four tab captions (Diary, List, Weight trend, BMI
// trend) and the seven scheme names of the appearance dialog.
inline constexpr int kTabCaptionTexts[] = {201, 202, 203, 204};
inline constexpr int kSchemeNameTexts[] = {502, 503, 504, 505, 506, 507, 508};

// Window and dialog font names (texts 160 and 161).
QString WindowFontName();
QString DialogFontName();

} // namespace tarvel
