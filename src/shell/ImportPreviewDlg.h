#pragma once

#include "store/DayRecord.h"
#include "store/WeightUnit.h"

#include <QString>

#include <optional>
#include <vector>

class QWidget;

namespace tarvel {

class LocaleFormats;

// The two questions File > Import asks before it stores anything; tests answer them from a script.
class ImportQuestions {
public:
    virtual ~ImportQuestions() = default;
    // The unit of a file that names none, shown with its first weights as written; nothing on Cancel.
    virtual std::optional<WeightUnit> AskUnit(const std::vector<double>& firstValues) = 0;
    // The report and the first weighings as they will be stored; true when the user chose Import.
    virtual bool ConfirmImport(const QString& report, const std::vector<DayRecord>& days,
                               bool anyToImport) = 0;
};

// The questions as dialogs over the window: the unit with the first weights read both ways, and the
// preview with the report, a table of the first weighings in the user's locale, Import and Cancel.
class ImportPreviewDlg : public ImportQuestions {
public:
    ImportPreviewDlg(const LocaleFormats& formats, QWidget* parent) : m_formats(formats), m_parent(parent) {}

    std::optional<WeightUnit> AskUnit(const std::vector<double>& firstValues) override;
    bool ConfirmImport(const QString& report, const std::vector<DayRecord>& days, bool anyToImport) override;

private:
    const LocaleFormats& m_formats;
    QWidget* m_parent;
};

} // namespace tarvel
