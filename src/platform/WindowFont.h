#pragma once

#include <QString>
#include <QStringList>

namespace tarvel {

// The window's font family: the wanted name when the machine has it, else the first fallback it
// has, else "" for the platform default. The fallbacks follow the language code: for Japanese the
// system gothic font (its name spelled with a half-width, then a full-width space), for any other
// language "Courier New", "Times New Roman", "Comic Sans MS". Names are compared without regard to
// case, as font matching does.
QString ChooseFontFamily(const QString& wanted, const QStringList& available, int languageCode);

} // namespace tarvel
