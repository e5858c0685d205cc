#pragma once

#include "store/DayRecord.h"

#include <span>
#include <vector>

namespace tarvel {

// The open diary's day records in date order, addressed by 1-based position. Records with the same
// day number keep the order in which they were added. Lookups by day number are binary searches,
// so the list and graph code may look up every day of a period.
class RecordStore {
public:
    void Clear()
    {
        m_records.clear();
        ++m_revision;
    }
    int Count() const { return static_cast<int>(m_records.size()); }
    bool IsEmpty() const { return m_records.empty(); }

    // Adds a record at its date's place (after any record of the same day); returns its position.
    int Add(DayRecord record);

    // Replaces the whole content; the records are sorted by day number, equal days keeping their
    // order. Used by the diary reader, which collects all lines first.
    void Assign(std::vector<DayRecord> records);

    // The first record (lowest position) of the given day, or 0 when there is none.
    int FindItem(qint64 dayNumber) const;
    // The first record of the given day, else of the nearest day that has one (the earlier of two
    // as near); 0 for an empty store.
    int NearestItem(qint64 dayNumber) const;
    // The records of the days firstDay..lastDay (both included), in their order.
    std::span<const DayRecord> RecordsBetween(qint64 firstDay, qint64 lastDay) const;

    // The record at a position, 1..Count().
    const DayRecord& Item(int position) const { return m_records.at(static_cast<std::size_t>(position - 1)); }
    // Replaces the two weighings of the record at a position, 1..Count().
    void SetSlots(int position, const std::array<Weighing, 2>& slots);

    // Removes the record at a position; later records move up one place.
    void Remove(int position);

    const std::vector<DayRecord>& Records() const { return m_records; }

    // Counts the changes of the content: every call that changes a record or the set of records
    // gives a new value. Caches of values computed from the records compare it.
    quint64 Revision() const { return m_revision; }

private:
    std::vector<DayRecord> m_records;
    quint64 m_revision = 0;
};

} // namespace tarvel
