#pragma once

#include <QString>
#include <QStringList>

namespace tarvel {

// The window's font family: the wanted name when the machine has it, else the first of the
// fallbacks for the language variant that it has (Japanese gothic faces for language code 1,
// "Courier New", "Times New Roman", "Comic Sans MS" otherwise), else "" for the platform default.
// Names are compared without regard to case, as font matching does.
QString ChooseFontFamily(const QString& wanted, int languageCode, const QStringList& available);

} // namespace tarvel
