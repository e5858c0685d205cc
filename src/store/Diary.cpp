#include "store/Diary.h"

#include <QFileInfo>

#include <algorithm>

namespace tarvel {

void Diary::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    Q_EMIT modifiedChanged(modified);
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

void Diary::reset(DiaryContent content)
{
    if (content.Owner)
        m_owner = *content.Owner;
    m_records.Assign(std::move(content.Records));
    m_currentIndex = m_records.IsEmpty() ? 1 : m_records.Count();
    Q_EMIT daysReset();
}

void Diary::clear()
{
    m_records.Clear();
    m_owner = Profile();
    m_currentIndex = 1;
    markClean();
    Q_EMIT daysReset();
}

int Diary::storeDay(DayRecord day)
{
    const QDate date = day.date;
    int position = m_records.FindItem(day.dayNumber());
    if (position != 0)
        m_records.SetSlots(position, day.slot);
    else
        position = m_records.Add(std::move(day));
    Q_EMIT dayStored(date);
    return position;
}

bool Diary::slotTaken(int position, const std::array<Weighing, 2>& slots) const
{
    const DayRecord& day = m_records.Item(position);
    for (std::size_t i = 0; i < 2; ++i) {
        if (slots[i].hasWeight() && day.slot[i].hasWeight())
            return true;
    }
    return false;
}

int Diary::mergeIntoDay(int position, const std::array<Weighing, 2>& slots)
{
    DayRecord merged = m_records.Item(position);
    for (std::size_t i = 0; i < 2; ++i) {
        if (slots[i].hasWeight())
            merged.slot[i] = slots[i];
    }
    return storeDay(std::move(merged));
}

void Diary::addDays(std::vector<DayRecord> days)
{
    if (days.empty())
        return;
    const bool onNewEntry = m_currentIndex >= newEntryIndex();
    const qint64 shownDay = onNewEntry ? 0 : m_records.Item(m_currentIndex).dayNumber();
    std::vector<DayRecord> all = m_records.Records();
    all.insert(all.end(), std::make_move_iterator(days.begin()), std::make_move_iterator(days.end()));
    m_records.Assign(std::move(all));
    m_currentIndex = onNewEntry ? newEntryIndex() : m_records.FindItem(shownDay);
    Q_EMIT daysAdded();
}

void Diary::removeDay(int position)
{
    if (position < 1 || position > m_records.Count())
        return;
    const QDate date = m_records.Item(position).date;
    m_records.Remove(position);
    Q_EMIT dayRemoved(date);
}

} // namespace tarvel
