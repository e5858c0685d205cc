#include "shell/ToolbarIcons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// Q_INIT_RESOURCE declares the registration function of toolbar.qrc (the pictures live in a static
// library), so it has to stand outside any namespace.
static void RegisterToolbarPictures()
{
    Q_INIT_RESOURCE(toolbar);
}

namespace tarvel {

namespace {

struct Names {
    const char* theme;
    const char* own;
};

Names NamesOf(ToolbarPicture picture)
{
    switch (picture) {
    case ToolbarPicture::New:
        return {"document-new", "new"};
    case ToolbarPicture::Open:
        return {"document-open", "open"};
    case ToolbarPicture::Save:
        return {"document-save", "save"};
    case ToolbarPicture::Print:
        return {"document-print", "print"};
    case ToolbarPicture::Port:
        return {"network-wired", "port"};
    case ToolbarPicture::Range:
        return {"zoom-fit-best", "range"};
    case ToolbarPicture::Appearance:
        return {"preferences-desktop-theme", "appearance"};
    case ToolbarPicture::Copy:
        return {"edit-copy", "copy"};
    case ToolbarPicture::Help:
        return {"help-contents", "help"};
    }
    return {"", ""};
}

} // namespace

QIcon ToolbarIcon(ToolbarPicture picture)
{
    static const bool registered = (RegisterToolbarPictures(), true);
    static_cast<void>(registered);
    const Names names = NamesOf(picture);
    QIcon own;
    // Rendered here rather than through an image plugin, so the program needs nothing loaded at run time.
    QSvgRenderer renderer(QStringLiteral(":/toolbar/%1.svg").arg(QLatin1String(names.own)));
    for (int size : {24, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        own.addPixmap(pixmap);
    }
    return QIcon::fromTheme(QLatin1String(names.theme), own);
}

} // namespace tarvel
