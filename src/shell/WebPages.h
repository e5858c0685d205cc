#pragma once

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace tarvel {

// The web pages the Help menu opens: the product page and the maker's page.
inline constexpr char kProductPage[] = "https://example.org/tarvel/weight";
inline constexpr char kMakerPage[] = "https://example.org/tarvel/";

// Opens a web page in the user's browser. A machine without a browser simply shows nothing: there
// is nothing the user could do about it from here.
inline void OpenWebPage(const QString& url)
{
    static_cast<void>(QDesktopServices::openUrl(QUrl(url)));
}

} // namespace tarvel
