#pragma once

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace tarvel {

// The program's web page, set when the build is configured (TARVEL_HOMEPAGE); "" when none is set.
// Both web items of the Help menu open it; without it they are hidden.
inline constexpr char kHomePage[] = TARVEL_HOMEPAGE;

// Opens a web page in the user's browser. A machine without a browser simply shows nothing: there
// is nothing the user could do about it from here.
inline void OpenWebPage(const QString& url)
{
    static_cast<void>(QDesktopServices::openUrl(QUrl(url)));
}

} // namespace tarvel
