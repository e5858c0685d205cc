#pragma once

#include "platform/TextTable.h"
#include "platform/WindowFont.h"

#include <QFontDatabase>
#include <QWidget>

namespace tarvel {

// Gives a dialog the dialog font family (text DialogFont, else the first fallback for the language code
// that this machine has); the dialog keeps the platform's font when none is found. For the libraries
// that build dialogs.
inline void UseDialogFont(QWidget& dialog)
{
    const QString family = ChooseFontFamily(DialogFontName(), QFontDatabase::families(), LanguageCode());
    if (family.isEmpty())
        return;
    QFont font = dialog.font();
    font.setFamily(family);
    dialog.setFont(font);
}

} // namespace tarvel
