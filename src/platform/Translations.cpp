#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace tarvel {

Translations::Translations(const QStringList& uiLanguages)
{
    QString chosen;
    for (const QString& name : uiLanguages) {
        // "de-DE" and "de_DE" alike: the language is the part before the region.
        const QString language = name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en") || language == QLatin1String("C"))
            return; // the program's own language
        if (m_own.load(QStringLiteral(":/i18n/tarvel_") + language + QStringLiteral(".qm"))) {
            chosen = language;
            break;
        }
    }
    if (chosen.isEmpty())
        return;
    QCoreApplication::installTranslator(&m_own);
    if (m_qt.load(QStringLiteral("qtbase_") + chosen, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_own);
}

} // namespace tarvel
