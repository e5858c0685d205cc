#include "platform/WindowFont.h"

namespace tarvel {

QString ChooseFontFamily(const QString& wanted, int languageCode, const QStringList& available)
{
    QStringList candidates{wanted};
    if (languageCode == 1) {
        // The gothic face, spelled with a half-width blank, then a full-width one, then the names
        // the free Japanese fonts carry on Linux.
        candidates << QString::fromUtf8("ＭＳ ゴシック") << QString::fromUtf8("ＭＳ　ゴシック")
                   << QStringLiteral("IPAGothic") << QStringLiteral("Noto Sans CJK JP");
    } else {
        candidates << QStringLiteral("Courier New") << QStringLiteral("Times New Roman")
                   << QStringLiteral("Comic Sans MS");
    }
    for (const QString& name : candidates) {
        for (const QString& family : available) {
            if (!name.isEmpty() && family.compare(name, Qt::CaseInsensitive) == 0)
                return family;
        }
    }
    return QString();
}

} // namespace tarvel
