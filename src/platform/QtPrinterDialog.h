#pragma once

#include "platform/PrinterDialog.h"

namespace tarvel {

// ChoosePrinter on a modal QPrintDialog. The printout is always one page, so neither a selection
// nor a page range can be chosen.
class QtPrinterDialog : public PrinterDialog {
public:
    bool ChoosePrinter(QPrinter& printer, QWidget* parent) override;
};

} // namespace tarvel
