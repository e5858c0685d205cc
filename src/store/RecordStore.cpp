#include "store/RecordStore.h"

#include <algorithm>

namespace tarvel {

QString DayRecord::Column(int column) const
{
    if (column == 0)
        return Date;
    if (column >= 1 && column <= 8) {
        const Measurement& m = Slot[static_cast<std::size_t>((column - 1) / 4)];
        switch ((column - 1) % 4) {
        case 0:
            return m.Time;
        case 1:
            return m.Weight;
        case 2:
            return m.Bmi;
        default:
            return m.Memo;
        }
    }
    if (column == 9)
        return SortKey();
    return QString();
}

namespace {
bool DayLess(const DayRecord& a, const DayRecord& b)
{
    return a.DayNumber < b.DayNumber;
}
} // namespace

int RecordStore::Add(DayRecord record)
{
    const auto at = std::upper_bound(m_records.begin(), m_records.end(), record, DayLess);
    const auto inserted = m_records.insert(at, std::move(record));
    ++m_revision;
    return static_cast<int>(inserted - m_records.begin()) + 1;
}

void RecordStore::Assign(std::vector<DayRecord> records)
{
    m_records = std::move(records);
    if (!std::is_sorted(m_records.begin(), m_records.end(), DayLess))
        std::stable_sort(m_records.begin(), m_records.end(), DayLess);
    ++m_revision;
}

void RecordStore::SetSlots(int position, const std::array<Measurement, 2>& slots)
{
    m_records.at(static_cast<std::size_t>(position - 1)).Slot = slots;
    ++m_revision;
}

int RecordStore::FindItem(qint64 dayNumber) const
{
    const auto at = std::lower_bound(m_records.begin(), m_records.end(), dayNumber,
                                     [](const DayRecord& r, qint64 day) { return r.DayNumber < day; });
    if (at == m_records.end() || at->DayNumber != dayNumber)
        return 0;
    return static_cast<int>(at - m_records.begin()) + 1;
}

std::span<const DayRecord> RecordStore::RecordsBetween(qint64 firstDay, qint64 lastDay) const
{
    const auto before = [](const DayRecord& r, qint64 day) { return r.DayNumber < day; };
    const auto from = std::lower_bound(m_records.begin(), m_records.end(), firstDay, before);
    const auto to = std::lower_bound(from, m_records.end(), lastDay + 1, before);
    return {from, to};
}

int RecordStore::NearestItem(qint64 dayNumber) const
{
    if (m_records.empty())
        return 0;
    const auto at = std::lower_bound(m_records.begin(), m_records.end(), dayNumber,
                                     [](const DayRecord& r, qint64 day) { return r.DayNumber < day; });
    if (at == m_records.end())
        return Count();
    if (at != m_records.begin() && dayNumber - (at - 1)->DayNumber <= at->DayNumber - dayNumber) {
        // The earlier day is as near or nearer; take the first record of it.
        const qint64 earlier = (at - 1)->DayNumber;
        return FindItem(earlier);
    }
    return static_cast<int>(at - m_records.begin()) + 1;
}

void RecordStore::Remove(int position)
{
    if (position < 1 || position > Count())
        return;
    m_records.erase(m_records.begin() + (position - 1));
    ++m_revision;
}

} // namespace tarvel
