#pragma once

#include <QString>

namespace tarvel {

// The program's numbered texts: every caption, tooltip and message comes from here, looked up by
// id when it is shown. An id the table does not hold gives "" (726, the empty second line of the
// port messages, is such an id).
QString LoadText(int id);

// Window and dialog font names (texts 160 and 161).
QString WindowFontName();
QString DialogFontName();

} // namespace tarvel
