#include "shell/CsvCommands.h"

#include "entry/DiaryPage.h"
#include "platform/FileDialogs.h"
#include "platform/Folders.h"
#include "platform/MessageService.h"
#include "platform/SafeFile.h"
#include "platform/TextTable.h"
#include "shell/FileCommands.h"
#include "store/CsvExport.h"
#include "store/CsvImport.h"
#include "store/Diary.h"
#include "store/DiaryFile.h"

#include <QFile>

namespace tarvel {

namespace {

QString CsvFilter()
{
    return LoadText(TextId::CsvFiles) + QStringLiteral(" (*.csv);;") + LoadText(TextId::AllFiles) +
           QStringLiteral(" (*)");
}

QString DialogFolder(const Diary& diary, const Folders& folders)
{
    return diary.IsUnnamed() ? folders.DocumentsFolder() : diary.fileFolder();
}

} // namespace

void CsvCommands::ImportCsv()
{
    if (!m.page.AskSaveEntry())
        return;
    const QString path =
        m.dialogs.OpenFile(LoadText(TextId::ImportCsv), DialogFolder(m.diary, m.folders), CsvFilter());
    if (path.isEmpty())
        return;
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        m.messages.ShowMessage(LoadText(TextId::FileCannotBeOpened), ButtonsOk, IconCritical);
        return;
    }
    QString refusal;
    std::optional<CsvImportCounts> counts = tarvel::ImportCsv(
        in.readAll(), m.diary.records(), m.diary.owner().ProfileHeight, m.formats, &refusal);
    if (!counts) {
        m.messages.ShowMessage(refusal, ButtonsOk, IconInformation);
        return;
    }
    if (counts->imported > 0) {
        m.diary.addDays(std::move(counts->days));
        m.diary.markModified();
        WriteBackupOrSay(m.file, m.diary, m.messages);
    }
    m.messages.ShowMessage(LoadText(TextId::RowsImported).arg(counts->imported) + kCrLf +
                               LoadText(TextId::RowsSkipped).arg(counts->skipped) + kCrLf +
                               LoadText(TextId::RowsUnreadable).arg(counts->unreadable),
                           ButtonsOk, IconInformation);
}

void CsvCommands::ExportCsv()
{
    const QString path =
        m.dialogs.SaveFile(LoadText(TextId::ExportCsv), DialogFolder(m.diary, m.folders), CsvFilter());
    if (path.isEmpty())
        return;
    const QByteArray bytes = tarvel::ExportCsv(m.diary.records()).toUtf8();
    if (!WriteFileSafely(path,
                         [&bytes](QIODevice& out) { return WriteAll(out, bytes.constData(), bytes.size()); }))
        m.messages.ShowMessage(LoadText(TextId::CsvCannotBeWritten), ButtonsOk, IconCritical);
}

} // namespace tarvel
