#pragma once

#include "platform/PrinterDialog.h"

#include <QPrinter>

namespace tarvel::testing {

// The printer dialog double: accepts with the printer writing a PDF file, or cancels while no file
// is scripted. Counts how often it was shown. Header only: its users link Qt's print support.
class ScriptedPrinterDialog : public PrinterDialog {
public:
    bool ChoosePrinter(QPrinter& printer, QWidget*) override
    {
        ++shown;
        if (m_pdfPath.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_pdfPath);
        return true;
    }
    // The PDF file the next prints go to; "" cancels.
    void Script(const QString& pdfPath) { m_pdfPath = pdfPath; }
    int shown = 0;

private:
    QString m_pdfPath;
};

} // namespace tarvel::testing
