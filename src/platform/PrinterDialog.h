#pragma once

class QPrinter;
class QWidget;

namespace tarvel {

// The printer dialog of the Print command: the user picks the printer and its settings, which the
// dialog puts on the printer object it is given, a PDF file among the choices. There is no selection
// or page range to print: the printout is one page. Tests replace it with a double that accepts with a PDF file or cancels.
class PrinterDialog {
public:
    virtual ~PrinterDialog() = default;
    // True when the user chose to print; false when the dialog was cancelled or failed.
    virtual bool ChoosePrinter(QPrinter& printer, QWidget* parent) = 0;
};

} // namespace tarvel
