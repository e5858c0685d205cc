#pragma once

#include <QAbstractTableModel>
#include <QDate>

#include "store/WeightUnit.h"

namespace tarvel {

class Diary;
class LocaleFormats;

// What the data list shows of the diary, as a transposed table: one row per field (row 0 the record
// numbers, then the date, the slot "(1)" or "(2)", time, weight, BMI and memo), column 0 the field
// names and two columns (morning and night) for each record of a window first..last. A record past
// the stored days (the blank new-entry record) or without a readable date shows its number only. The
// headers are what screen readers say with a cell: the field of a row, the day and weighing of a
// column. The model follows the diary's changes itself; the window is set by the list.
class DayListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kRows = 7;
    static constexpr int kMemoRow = 6;

    DayListModel(const Diary& diary, const LocaleFormats& formats, QObject* parent = nullptr);

    // Shows the records first..last (1 <= first <= last); a different window resets the model.
    void setWindow(int first, int last);
    int windowFirst() const { return m_first; }
    int windowLast() const { return m_last; }
    // The unit of the weight row; a change shows every weight anew.
    void setUnit(WeightUnit unit);

    // The record number a column shows; 0 for the field names' column and past the last column.
    int recordAt(int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // The texts (DisplayRole) and their alignment (TextAlignmentRole).
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString cellText(int row, int column) const;
    // A day stored or removed: the window's columns of that day change, and when the day came or went
    // also those of every later record, the blank new-entry record among them.
    void followDay(const QDate& day);
    void resetDays();

    const Diary& m_diary;
    const LocaleFormats& m_formats;
    int m_first = 1;
    int m_last = 1;
    int m_count = 0;
    WeightUnit m_unit = WeightUnit::Kilograms; // the diary's records when the model last followed it
};

} // namespace tarvel
