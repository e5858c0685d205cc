#pragma once

#include <QImage>
#include <QRect>

#include <optional>

class QMainWindow;
class QTabWidget;

namespace tarvel {

class PrinterDialog;

// The window's inner area, in window coordinates: everything below the menu bar, where the toolbar
// and MainTab are.
QRect InnerArea(const QMainWindow& window);

// A picture of the window's inner area as printing and copying show it: the window's background
// with MainTab on it, at its place on screen or, with mainTabTop, at that height in the picture. The
// toolbar and any other child of the window are left out. The widgets are rendered, not grabbed from
// the screen, so nothing on screen changes and a covered window gives the same picture; the graphs
// and the list grid render themselves. pixelRatio above 1 renders finer, for the printer.
QImage CaptureForm(QMainWindow& window, QTabWidget& mainTab, std::optional<int> mainTabTop = std::nullopt,
                   double pixelRatio = 1);

// The Copy command: the picture of the inner area, in the screen's pixels, onto the clipboard.
void CopyView(QMainWindow& window, QTabWidget& mainTab);

// The Print command: after the printer dialog, one page with the picture of the inner area, MainTab
// centred vertically in it, scaled to the page's printable width (or height) with its proportions
// kept and centred across the page. A cancelled dialog prints nothing. A printer that fails is
// ignored; the window itself is never changed, so there is nothing to restore.
void PrintView(QMainWindow& window, QTabWidget& mainTab, PrinterDialog& dialog);

} // namespace tarvel
