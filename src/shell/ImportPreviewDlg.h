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
class DiaryPage;

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
    // Over the Diary page, whose unit the preview's weights are shown in.
    ImportPreviewDlg(const LocaleFormats& formats, DiaryPage& page) : m_formats(formats), m_page(page) {}

    std::optional<WeightUnit> AskUnit(const std::vector<double>& firstValues) override;
    bool ConfirmImport(const QString& report, const std::vector<DayRecord>& days, bool anyToImport) override;

private:
    const LocaleFormats& m_formats;
    DiaryPage& m_page;
};

} // namespace tarvel
