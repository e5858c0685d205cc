#pragma once

#include <QString>
#include <QStringList>

namespace tarvel {

// The window's font family: the wanted name when the machine has it, else the first of the
// fallbacks "Courier New", "Times New Roman", "Comic Sans MS" that it has, else "" for the platform
// default. Names are compared without regard to case, as font matching does.
QString ChooseFontFamily(const QString& wanted, const QStringList& available);

} // namespace tarvel
