#include "shell/ToolbarIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <cmath>

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

// Renders the program's own SVG picture at whatever size and pixel ratio it is asked for, so the
// toolbar stays crisp at every scale (250 % asks for 60 device pixels of a 24-pixel icon).
class SvgIconEngine : public QIconEngine {
public:
    explicit SvgIconEngine(const QString& path) : m_path(path) {}

    QIconEngine* clone() const override { return new SvgIconEngine(m_path); }
    QString key() const override { return QStringLiteral("tarvel-svg"); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, ratio));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        const QSize pixels(static_cast<int>(std::ceil(size.width() * scale)),
                           static_cast<int>(std::ceil(size.height() * scale)));
        QPixmap pixmap(pixels);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        if (mode == QIcon::Disabled)
            painter.setOpacity(0.4);
        QSvgRenderer renderer(m_path);
        renderer.render(&painter);
        painter.end();
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

private:
    QString m_path;
};

} // namespace

QIcon ToolbarIcon(ToolbarPicture picture)
{
    static const bool registered = (RegisterToolbarPictures(), true);
    static_cast<void>(registered);
    const Names names = NamesOf(picture);
    const QIcon own(new SvgIconEngine(QStringLiteral(":/toolbar/%1.svg").arg(QLatin1String(names.own))));
    return QIcon::fromTheme(QLatin1String(names.theme), own);
}

} // namespace tarvel
