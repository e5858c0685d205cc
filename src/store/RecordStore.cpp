#include "store/RecordStore.h"

#include <algorithm>

namespace tarvel {

namespace {
bool DayLess(const DayRecord& a, const DayRecord& b)
{
    return a.dayNumber() < b.dayNumber();
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

void RecordStore::SetSlots(int position, const std::array<Weighing, 2>& slots)
{
    m_records.at(static_cast<std::size_t>(position - 1)).slot = slots;
    ++m_revision;
}

int RecordStore::FindItem(qint64 dayNumber) const
{
    const auto at = std::lower_bound(m_records.begin(), m_records.end(), dayNumber,
                                     [](const DayRecord& r, qint64 day) { return r.dayNumber() < day; });
    if (at == m_records.end() || at->dayNumber() != dayNumber)
        return 0;
    return static_cast<int>(at - m_records.begin()) + 1;
}

std::span<const DayRecord> RecordStore::RecordsBetween(qint64 firstDay, qint64 lastDay) const
{
    const auto before = [](const DayRecord& r, qint64 day) { return r.dayNumber() < day; };
    const auto from = std::lower_bound(m_records.begin(), m_records.end(), firstDay, before);
    const auto to = std::lower_bound(from, m_records.end(), lastDay + 1, before);
    return {from, to};
}

int RecordStore::NearestItem(qint64 dayNumber) const
{
    if (m_records.empty())
        return 0;
    const auto at = std::lower_bound(m_records.begin(), m_records.end(), dayNumber,
                                     [](const DayRecord& r, qint64 day) { return r.dayNumber() < day; });
    if (at == m_records.end())
        return Count();
    if (at != m_records.begin() && dayNumber - (at - 1)->dayNumber() <= at->dayNumber() - dayNumber) {
        // The earlier day is as near or nearer; take the first record of it.
        const qint64 earlier = (at - 1)->dayNumber();
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
