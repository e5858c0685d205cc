#pragma once

#include <functional>

namespace tarvel {

class Diary;
class DiaryFile;
class DiaryPage;
class FileDialogs;
class Folders;
class LocaleFormats;
class MessageService;

// File > Import and File > Export: weighings from a CSV file into the open diary, and the diary out
// as the CSV that `tarvel-diary export` writes. The file dialogs start in the diary's folder.
class CsvCommands {
public:
    struct Parts {
        Diary& diary;
        const LocaleFormats& formats;
        const DiaryFile& file;
        FileDialogs& dialogs;
        const Folders& folders;
        MessageService& messages;
        DiaryPage& page;
    };

    explicit CsvCommands(Parts parts) : m(std::move(parts)) {}

    // Asks about the Diary page's edits first; adds the file's weighings to the days the diary
    // lacks, writes the backup and reports the counts of rows imported, skipped and unreadable.
    void ImportCsv();
    // Writes the CSV; a failed write is reported and leaves any previous file whole.
    void ExportCsv();

private:
    Parts m;
};

} // namespace tarvel
