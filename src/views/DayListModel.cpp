#include "views/DayListModel.h"

#include "platform/LocaleFormats.h"
#include "platform/TextTable.h"
#include "store/Diary.h"
#include "store/WeighingText.h"

namespace tarvel {

DayListModel::DayListModel(const Diary& diary, const LocaleFormats& formats, QObject* parent)
    : QAbstractTableModel(parent), m_diary(diary), m_formats(formats), m_count(diary.records().Count())
{
    connect(&m_diary, &Diary::daysReset, this, &DayListModel::resetDays);
    connect(&m_diary, &Diary::daysAdded, this, &DayListModel::resetDays);
    connect(&m_diary, &Diary::dayStored, this, &DayListModel::followDay);
    connect(&m_diary, &Diary::dayRemoved, this, &DayListModel::followDay);
}

void DayListModel::setWindow(int first, int last)
{
    if (first == m_first && last == m_last)
        return;
    beginResetModel();
    m_first = first;
    m_last = last;
    endResetModel();
}

int DayListModel::recordAt(int column) const
{
    return column >= 1 && column < columnCount() ? m_first + (column - 1) / 2 : 0;
}

int DayListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kRows;
}

int DayListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1 + 2 * (m_last - m_first + 1);
}

QVariant DayListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return cellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) {
        const bool memo = index.row() == kMemoRow && index.column() >= 1;
        return QVariant::fromValue(memo ? Qt::AlignLeft | Qt::AlignVCenter : Qt::Alignment(Qt::AlignCenter));
    }
    return {};
}

QString DayListModel::cellText(int row, int column) const
{
    if (column == 0) {
        switch (row) {
        case 1:
            return LoadText(TextId::DateLabel);
        case 3:
            return LoadText(TextId::TimeLabel);
        case 4:
            // Kilograms go without saying, as they always have.
            return m_unit == WeightUnit::Kilograms
                       ? LoadText(TextId::WeightLabel)
                       : QStringLiteral("%1 (%2)").arg(LoadText(TextId::WeightLabel), UnitSymbol(m_unit));
        case 5:
            return QStringLiteral("BMI");
        case kMemoRow:
            return LoadText(TextId::MemoLabel);
        default:
            return {};
        }
    }
    const int record = recordAt(column);
    if (row == 0)
        return QString::number(record);
    if (record < 1 || record > m_diary.records().Count())
        return {};
    const DayRecord& day = m_diary.records().Item(record);
    if (!day.date.isValid())
        return {};
    const int slot = (column - 1) % 2;
    const Weighing& w = day.slot[static_cast<std::size_t>(slot)];
    switch (row) {
    case 1:
        return m_formats.FormatDate(day.date, m_formats.ShortDateFormat);
    case 2:
        return QStringLiteral("(%1)").arg(slot + 1);
    case 3:
        return w.time ? m_formats.FormatTime(*w.time, m_formats.ShortTimeFormat) : QString();
    case 4:
        // The row's name says "(st lb)": "11 st 6.9" fits a column where "11 st 6.9 lb" wraps.
        if (m_unit == WeightUnit::StonesPounds && w.weight && w.weight->grams / 10 != 0)
            return StonesText(*w.weight, m_formats.DecimalSep);
        return WeightText(w, m_unit, m_formats);
    case 5:
        return BmiText(w, m_formats);
    default:
        return w.memo;
    }
}

QVariant DayListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || section < 0)
        return {};
    if (orientation == Qt::Vertical) {
        // Rows 0 and 2 show no field name of their own.
        if (section >= kRows)
            return {};
        return section == 0   ? LoadText(TextId::RecordNumber)
               : section == 2 ? LoadText(TextId::Weighing)
                              : cellText(section, 0);
    }
    if (section == 0 || section >= columnCount())
        return QString();
    // "12/6, morning": the record's date, or its number where it has none (the blank new-entry record).
    const QString date = cellText(1, section);
    const TextId slot = section % 2 == 1 ? TextId::DayMorning : TextId::DayNight;
    return LoadText(slot).arg(date.isEmpty() ? cellText(0, section) : date);
}

void DayListModel::setUnit(WeightUnit unit)
{
    if (unit == m_unit)
        return;
    m_unit = unit;
    resetDays();
}

void DayListModel::resetDays()
{
    beginResetModel();
    m_count = m_diary.records().Count();
    endResetModel();
}

void DayListModel::followDay(const QDate& day)
{
    const int count = m_diary.records().Count();
    const bool moved = count != m_count;
    m_count = count;
    int from = 0;
    int to = 0;
    for (int record = m_first; record <= m_last; ++record) {
        const QDate date = record <= count ? m_diary.records().Item(record).date : QDate();
        // Records are in date order, so those after a day that came or went have a later date or none.
        if (moved ? (record > count || date >= day) : date == day) {
            from = from == 0 ? record : from;
            to = record;
        }
    }
    if (from == 0)
        return;
    const int left = 1 + 2 * (from - m_first);
    const int right = 2 + 2 * (to - m_first);
    Q_EMIT dataChanged(index(0, left), index(kRows - 1, right), {Qt::DisplayRole});
    Q_EMIT headerDataChanged(Qt::Horizontal, left, right);
}

} // namespace tarvel
