#include "shell/CsvCommands.h"

#include "entry/DiaryPage.h"
#include "platform/FileDialogs.h"
#include "platform/Folders.h"
#include "platform/MessageService.h"
#include "platform/SafeFile.h"
#include "platform/TextTable.h"
#include "shell/FileCommands.h"
#include "shell/ImportPreviewDlg.h"
#include "store/CsvExport.h"
#include "store/CsvImport.h"
#include "store/Diary.h"
#include "store/DiaryFile.h"

#include <QFile>

namespace tarvel {

namespace {

// Exports of other programs come as .csv, .tsv, .txt or Apple Health's export.xml.
QString ImportFilter()
{
    return LoadText(TextId::CsvFiles) + QStringLiteral(" (*.csv *.tsv *.txt *.xml);;") +
           LoadText(TextId::AllFiles) + QStringLiteral(" (*)");
}

QString CsvFilter()
{
    return LoadText(TextId::CsvFiles) + QStringLiteral(" (*.csv);;") + LoadText(TextId::AllFiles) +
           QStringLiteral(" (*)");
}

QString DialogFolder(const Diary& diary, const Folders& folders)
{
    return diary.IsUnnamed() ? folders.DocumentsFolder() : diary.fileFolder();
}

ImportQuestions* OwnQuestions(const CsvCommands::Parts& parts, std::unique_ptr<ImportQuestions>& own)
{
    if (parts.questions)
        return parts.questions;
    own = std::make_unique<ImportPreviewDlg>(parts.formats, parts.page);
    return own.get();
}

} // namespace

CsvCommands::CsvCommands(Parts parts) : m(std::move(parts)), m_questions(*OwnQuestions(m, m_dialogs)) {}

CsvCommands::~CsvCommands() = default;

void CsvCommands::ImportCsv()
{
    if (!m.page.AskSaveEntry())
        return;
    const QString path =
        m.dialogs.OpenFile(LoadText(TextId::ImportCsv), DialogFolder(m.diary, m.folders), ImportFilter());
    if (path.isEmpty())
        return;
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        m.messages.ShowMessage(LoadText(TextId::FileCannotBeOpened), ButtonsOk, IconCritical);
        return;
    }
    const QByteArray bytes = in.readAll();
    const QTimeZone local = QTimeZone::systemTimeZone();
    const auto read = [&](WeightUnit unit, QString* refusal) {
        return tarvel::ImportCsv(bytes, m.diary.records(), m.diary.owner().ProfileHeight, m.formats, local,
                                 unit, refusal);
    };
    QString refusal;
    std::optional<CsvImportCounts> counts = read(WeightUnit::Kilograms, &refusal);
    if (!counts) {
        m.messages.ShowMessage(refusal, ButtonsOk, IconInformation);
        return;
    }
    if (!counts->unitNamed) {
        const std::optional<WeightUnit> unit = m_questions.AskUnit(counts->firstValues);
        if (!unit)
            return;
        if (*unit != WeightUnit::Kilograms)
            counts = read(*unit, nullptr);
    }
    if (!counts)
        return;
    if (!m_questions.ConfirmImport(ImportReportText(*counts), counts->days, counts->imported > 0) ||
        counts->imported == 0)
        return;
    m.diary.addDays(std::move(counts->days));
    m.diary.markModified();
    WriteBackupOrSay(m.file, m.diary, m.messages);
}

void CsvCommands::ExportCsv()
{
    const QString path =
        m.dialogs.SaveFile(LoadText(TextId::ExportCsv), DialogFolder(m.diary, m.folders), CsvFilter());
    if (path.isEmpty())
        return;
    // In the unit the window shows; the header names it.
    const QByteArray bytes = tarvel::ExportCsv(m.diary.records(), m.page.Unit()).toUtf8();
    if (!WriteFileSafely(path,
                         [&bytes](QIODevice& out) { return WriteAll(out, bytes.constData(), bytes.size()); }))
        m.messages.ShowMessage(LoadText(TextId::CsvCannotBeWritten), ButtonsOk, IconCritical);
}

} // namespace tarvel
