#pragma once

#include <functional>
#include <memory>

namespace tarvel {

class Diary;
class DiaryFile;
class DiaryPage;
class FileDialogs;
class Folders;
class ImportQuestions;
class LocaleFormats;
class MessageService;

// File > Import and File > Export: weighings from another program's export into the open diary, and
// the diary out as the CSV that `tarvel-diary export` writes. The file dialogs start in the diary's
// folder.
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
        // The unit question and the preview; the dialogs over the Diary page's window when none.
        ImportQuestions* questions = nullptr;
    };

    explicit CsvCommands(Parts parts);
    ~CsvCommands();

    // Asks about the Diary page's edits first; reads the file, asks for the unit of weights it does
    // not name, shows the report and the first weighings as they will be stored and, on Import, adds
    // them to the days the diary lacks and writes the backup.
    void ImportCsv();
    // Writes the CSV; a failed write is reported and leaves any previous file whole.
    void ExportCsv();

private:
    Parts m;
    std::unique_ptr<ImportQuestions> m_dialogs; // when the parts bring no questions
    ImportQuestions& m_questions;
};

} // namespace tarvel
