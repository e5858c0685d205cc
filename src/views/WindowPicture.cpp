#include "views/WindowPicture.h"

#include "platform/PrinterDialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMainWindow>
#include <QPainter>
#include <QPrinter>
#include <QTabWidget>

#include <algorithm>

namespace tarvel {

namespace {

// The printout is rendered at twice the window's pixels, so text and lines stay sharp on paper.
constexpr double kPrintPixelRatio = 2;
// Page margins of the printout, the default the printer dialog starts from.
constexpr double kPrintMarginMm = 15;

} // namespace

QRect InnerArea(const QMainWindow& window)
{
    const QWidget* menu = window.menuWidget();
    const int top = menu != nullptr && menu->isVisibleTo(&window) ? menu->geometry().bottom() + 1 : 0;
    return {0, top, window.width(), window.height() - top};
}

QImage CaptureForm(QMainWindow& window, QTabWidget& mainTab, std::optional<int> mainTabTop, double pixelRatio)
{
    const QRect inner = InnerArea(window);
    QImage picture(inner.size() * pixelRatio, QImage::Format_RGB32);
    if (picture.isNull())
        return picture;
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(window.palette().color(QPalette::Window));
    QPainter painter(&picture);
    // The window's own background alone: its children, the toolbar among them, are left out.
    window.render(&painter, QPoint(), QRegion(inner), QWidget::DrawWindowBackground);
    const QPoint tabAt = mainTab.mapTo(&window, QPoint()) - inner.topLeft();
    mainTab.render(&painter, QPoint(tabAt.x(), mainTabTop.value_or(tabAt.y())), QRegion(),
                   QWidget::DrawChildren);
    return picture;
}

void CopyView(QMainWindow& window, QTabWidget& mainTab)
{
    QGuiApplication::clipboard()->setImage(
        CaptureForm(window, mainTab, std::nullopt, window.devicePixelRatio()));
}

void PrintView(QMainWindow& window, QTabWidget& mainTab, PrinterDialog& dialog)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageMargins(QMarginsF(kPrintMarginMm, kPrintMarginMm, kPrintMarginMm, kPrintMarginMm),
                           QPageLayout::Millimeter);
    if (!dialog.ChoosePrinter(printer, &window))
        return;

    const int centredTop = (InnerArea(window).height() - mainTab.height()) / 2;
    const QImage picture = CaptureForm(window, mainTab, centredTop, kPrintPixelRatio);
    QPainter painter;
    if (picture.isNull() || !painter.begin(&printer))
        return;
    // The painter's origin is the printable area's corner.
    const QSizeF area = printer.pageRect(QPrinter::DevicePixel).size();
    const QSizeF size = picture.deviceIndependentSize();
    const double scale = std::min(area.width() / size.width(), area.height() / size.height());
    const QSizeF printed = size * scale;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF((area.width() - printed.width()) / 2, 0), printed), picture);
    painter.end();
}

} // namespace tarvel
