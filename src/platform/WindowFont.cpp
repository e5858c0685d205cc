#include "platform/WindowFont.h"

#include "platform/TextTable.h"

namespace tarvel {

QString ChooseFontFamily(const QString& wanted, const QStringList& available, int languageCode)
{
    QStringList candidates{wanted};
    if (languageCode == kJapaneseLanguage)
        candidates << QStringLiteral("ＭＳ ゴシック") << QStringLiteral("ＭＳ　ゴシック");
    else
        candidates << QStringLiteral("Courier New") << QStringLiteral("Times New Roman")
                   << QStringLiteral("Comic Sans MS");
    for (const QString& name : candidates) {
        for (const QString& family : available) {
            if (!name.isEmpty() && family.compare(name, Qt::CaseInsensitive) == 0)
                return family;
        }
    }
    return QString();
}

} // namespace tarvel
