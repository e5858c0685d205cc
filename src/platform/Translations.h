#pragma once

#include <QStringList>
#include <QTranslator>

namespace tarvel {

// Puts the program in the desktop's language: for the first of the given UI languages ("de-DE",
// "ja", ... as QLocale::uiLanguages gives them, most wanted first) that Tarvel is translated into,
// installs Tarvel's translation and Qt's own (qtbase_<language>.qm from Qt's translations folder),
// so the standard dialogs and buttons speak the same language. English, or a list without any
// translated language, installs nothing. The translators are removed again when this goes.
class Translations {
public:
    explicit Translations(const QStringList& uiLanguages);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

private:
    QTranslator m_own;
    QTranslator m_qt;
};

} // namespace tarvel
