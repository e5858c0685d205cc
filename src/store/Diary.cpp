#include "store/Diary.h"

#include <QFileInfo>

#include <algorithm>

namespace tarvel {

ChangedFlag& ChangedFlag::operator=(bool changed)
{
    if (m_changed != changed) {
        m_changed = changed;
        Q_EMIT m_diary.DataChangedChanged(changed);
    }
    return *this;
}

void Diary::setFilePath(const QString& path)
{
    if (m_filePath == path)
        return;
    m_filePath = path;
    Q_EMIT filePathChanged(path);
}

QString Diary::fileFolder() const
{
    if (IsUnnamed())
        return QString();
    const QString folder = QFileInfo(m_filePath).path();
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString Diary::fileName() const
{
    return QFileInfo(m_filePath).fileName();
}

void Diary::setAppFolder(const QString& appFolder)
{
    m_backupPath = appFolder + QLatin1String(kBackupTitle);
}

void Diary::Reset()
{
    Records.Clear();
    CurrentIndex = 1;
    ListFirst = 1;
    ListLast = 1;
    Owner = Profile();
    DataChanged = false;
}

int Diary::StoreDay(DayRecord day)
{
    const int found = Records.FindItem(day.dayNumber());
    if (found != 0) {
        Records.SetSlots(found, day.slot);
        Q_EMIT RecordsChanged();
        return found;
    }
    const int position = Records.Add(std::move(day));
    if (ListLast == ListFirst + kListWindowSize - 1) {
        ++ListFirst;
        ++ListLast;
    } else if (ListLast < ListFirst + kListWindowSize - 1) {
        ++ListLast;
    }
    Q_EMIT RecordsChanged();
    return position;
}

void Diary::RemoveDay(int position)
{
    const int newEntry = NewEntryIndex();
    // The list shows kListWindowSize records from ListFirst; when the removed record leaves it short
    // at the end, it moves back by one.
    if (newEntry <= kListWindowSize) {
        ListLast = std::max(1, ListLast - 1);
    } else if (ListFirst + kListWindowSize - 2 == newEntry) {
        --ListLast;
        ListFirst = ListLast - (kListWindowSize - 1);
    }
    Records.Remove(position);
    Q_EMIT RecordsChanged();
}

} // namespace tarvel
