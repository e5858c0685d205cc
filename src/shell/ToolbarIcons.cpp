#include "shell/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tarvel {

namespace {

const QColor kInk(0x30, 0x3a, 0x48);
const QColor kPaper(0xfb, 0xfb, 0xf8);
const QColor kAccent(0x2e, 0x7d, 0xc8);

// Draws on a 24 × 24 grid, scaled to the pixmap's size.
void DrawPicture(QPainter& p, ToolbarPicture picture)
{
    QPen pen(kInk, 1.4);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    switch (picture) {
    case ToolbarPicture::New: {
        QPainterPath page;
        page.moveTo(5, 2.5);
        page.lineTo(14, 2.5);
        page.lineTo(19, 7.5);
        page.lineTo(19, 21.5);
        page.lineTo(5, 21.5);
        page.closeSubpath();
        p.setBrush(kPaper);
        p.drawPath(page);
        p.drawPolyline(QPolygonF{QPointF(14, 2.5), QPointF(14, 7.5), QPointF(19, 7.5)});
        p.setPen(QPen(kAccent, 2));
        p.drawLine(QPointF(9, 14), QPointF(15, 14));
        p.drawLine(QPointF(12, 11), QPointF(12, 17));
        break;
    }
    case ToolbarPicture::Open: {
        p.setBrush(QColor(0xe8, 0xc0, 0x6a));
        QPainterPath back;
        back.moveTo(2.5, 5);
        back.lineTo(9, 5);
        back.lineTo(11, 7);
        back.lineTo(20.5, 7);
        back.lineTo(20.5, 19.5);
        back.lineTo(2.5, 19.5);
        back.closeSubpath();
        p.drawPath(back);
        p.setBrush(QColor(0xf6, 0xd8, 0x8c));
        p.drawPolygon(QPolygonF{QPointF(2.5, 19.5), QPointF(5.5, 10.5), QPointF(22.5, 10.5),
                                QPointF(20.5, 19.5)});
        break;
    }
    case ToolbarPicture::Save: {
        p.setBrush(kAccent);
        p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(6.5, 3, 11, 7));
        p.drawRect(QRectF(6, 14, 12, 7));
        p.setBrush(kInk);
        p.drawRect(QRectF(13.5, 4.5, 2, 4));
        break;
    }
    case ToolbarPicture::Print: {
        p.setBrush(kPaper);
        p.drawRect(QRectF(7, 2.5, 10, 7));
        p.setBrush(QColor(0x9a, 0xa6, 0xb4));
        p.drawRoundedRect(QRectF(2.5, 9, 19, 8.5), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(7, 14, 10, 7.5));
        p.setPen(QPen(kInk, 1));
        p.drawLine(QPointF(9, 17), QPointF(15, 17));
        p.drawLine(QPointF(9, 19), QPointF(14, 19));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x4c, 0xaf, 0x50));
        p.drawEllipse(QPointF(18.5, 11.5), 1, 1);
        break;
    }
    case ToolbarPicture::Port: {
        // A serial connector: a trapezoid with two rows of pins and a cable.
        p.setBrush(QColor(0x9a, 0xa6, 0xb4));
        p.drawPolygon(QPolygonF{QPointF(2.5, 6), QPointF(21.5, 6), QPointF(19, 14), QPointF(5, 14)});
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        for (int i = 0; i < 5; ++i)
            p.drawEllipse(QPointF(6 + i * 3, 8.5), 0.9, 0.9);
        for (int i = 0; i < 4; ++i)
            p.drawEllipse(QPointF(7.5 + i * 3, 11.5), 0.9, 0.9);
        p.setPen(QPen(kAccent, 2));
        p.drawLine(QPointF(12, 14), QPointF(12, 21.5));
        break;
    }
    case ToolbarPicture::Range: {
        // A chart axis with a double arrow: the graph's range.
        p.drawLine(QPointF(4, 3), QPointF(4, 20));
        p.drawLine(QPointF(4, 20), QPointF(21, 20));
        p.setPen(QPen(kAccent, 1.8));
        p.drawPolyline(QPolygonF{QPointF(6, 15), QPointF(10, 11), QPointF(13, 13), QPointF(19, 6)});
        p.setPen(QPen(kInk, 1.4));
        p.drawLine(QPointF(16.5, 10), QPointF(16.5, 18));
        p.drawPolyline(QPolygonF{QPointF(14.5, 12), QPointF(16.5, 10), QPointF(18.5, 12)});
        p.drawPolyline(QPolygonF{QPointF(14.5, 16), QPointF(16.5, 18), QPointF(18.5, 16)});
        break;
    }
    case ToolbarPicture::Appearance: {
        p.setBrush(kPaper);
        p.drawEllipse(QRectF(2.5, 3.5, 19, 17));
        const QColor dabs[] = {QColor(0xe5, 0x39, 0x35), QColor(0x43, 0xa0, 0x47), QColor(0x1e, 0x88, 0xe5),
                               QColor(0xfb, 0x8c, 0x00)};
        const QPointF spots[] = {QPointF(8, 8.5), QPointF(13, 7.5), QPointF(17, 11), QPointF(7.5, 13.5)};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            p.setBrush(dabs[i]);
            p.drawEllipse(spots[i], 2, 2);
        }
        p.setBrush(kInk);
        p.drawEllipse(QPointF(14, 16), 2, 2);
        break;
    }
    case ToolbarPicture::Copy: {
        p.setBrush(QColor(0xdd, 0xe3, 0xea));
        p.drawRect(QRectF(3.5, 2.5, 11, 14));
        p.setBrush(kPaper);
        p.drawRect(QRectF(9.5, 7.5, 11, 14));
        p.setPen(QPen(kAccent, 1));
        for (int y = 11; y <= 18; y += 3)
            p.drawLine(QPointF(12, y), QPointF(18, y));
        break;
    }
    case ToolbarPicture::Help: {
        p.setBrush(kAccent);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
        QFont font = p.font();
        font.setPixelSize(15);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(2.5, 2.5, 19, 19), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    }
}

QPixmap DrawnPixmap(ToolbarPicture picture, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 24.0, size / 24.0);
    DrawPicture(painter, picture);
    return pixmap;
}

const char* ThemeName(ToolbarPicture picture)
{
    switch (picture) {
    case ToolbarPicture::New: return "document-new";
    case ToolbarPicture::Open: return "document-open";
    case ToolbarPicture::Save: return "document-save";
    case ToolbarPicture::Print: return "document-print";
    case ToolbarPicture::Port: return "network-wired";
    case ToolbarPicture::Range: return "zoom-fit-best";
    case ToolbarPicture::Appearance: return "preferences-desktop-theme";
    case ToolbarPicture::Copy: return "edit-copy";
    case ToolbarPicture::Help: return "help-contents";
    }
    return "";
}

} // namespace

QIcon DrawnToolbarIcon(ToolbarPicture picture)
{
    QIcon icon;
    for (int size : {24, 48})
        icon.addPixmap(DrawnPixmap(picture, size));
    return icon;
}

QIcon ToolbarIcon(ToolbarPicture picture)
{
    return QIcon::fromTheme(QString::fromLatin1(ThemeName(picture)), DrawnToolbarIcon(picture));
}

} // namespace tarvel
