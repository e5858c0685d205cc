#include "platform/WindowFont.h"

namespace tarvel {

QString ChooseFontFamily(const QString& wanted, const QStringList& available)
{
    const QString candidates[] = {wanted, QStringLiteral("Courier New"), QStringLiteral("Times New Roman"),
                                  QStringLiteral("Comic Sans MS")};
    for (const QString& name : candidates) {
        for (const QString& family : available) {
            if (!name.isEmpty() && family.compare(name, Qt::CaseInsensitive) == 0)
                return family;
        }
    }
    return QString();
}

} // namespace tarvel
