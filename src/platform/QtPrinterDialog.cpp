#include "platform/QtPrinterDialog.h"

#include <QPrintDialog>

namespace tarvel {

bool QtPrinterDialog::ChoosePrinter(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    // Qt's choice to print into a file is its PDF printer: on a machine without a printer queue it
    // is the only way to get the page, so it stays offered.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace tarvel
