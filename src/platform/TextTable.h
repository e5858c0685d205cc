#pragma once

#include <QString>

namespace tarvel {

// The program's numbered texts: every caption, tooltip and message comes from here, looked up by
// id when it is shown. An id the table does not hold gives "" (726, the empty second line of the
// port messages, is such an id).
QString LoadText(int id);

// Text 2000 read as a number: 1 selects the Japanese layout variant, anything else the Western one.
int LanguageCode();

// Window and dialog font names (texts 160 and 161) and the picture base number (text 162).
QString WindowFontName();
QString DialogFontName();
int PictureBase();

} // namespace tarvel
