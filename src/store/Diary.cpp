#include "store/Diary.h"

namespace tarvel {

void Diary::SetAppFolder(const QString& appFolder)
{
    BackupFolder = appFolder;
    BackupTitle = QString::fromLatin1(kBackupTitle);
    BackupPath = BackupFolder + BackupTitle;
    DiaryFolder.clear();
    DiaryTitle.clear();
    DiaryPath.clear();
}

void Diary::Reset()
{
    Records.Clear();
    NewEntryIndex = 1;
    CurrentIndex = 1;
    ListFirst = 1;
    ListLast = 1;
    Owner = Profile();
    DataChanged = false;
}

} // namespace tarvel
