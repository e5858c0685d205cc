#include "views/DayListModel.h"

#include "store/DiaryFixture.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tarvel;
using tarvel::testing::DiaryFixture;
using tarvel::testing::MakeWeighing;
using namespace Qt::StringLiterals;

namespace {

// The texts down a column (row -1: the column headers across), joined by "|".
QString Texts(const QAbstractItemModel& model, int column, int row = 0)
{
    QStringList texts;
    for (int i = 0; i < (column < 0 ? model.columnCount() : model.rowCount()); ++i)
        texts << (column < 0 ? model.index(row, i).data() : model.index(i, column).data()).toString();
    return texts.join(u'|');
}

// A record's two slots and the blank new-entry record in a day-first locale (ListViewTest shows them
// year first), and what a screen reader says with each column.
TEST(DayListModelTest, ShowsTheRecordsTextsInTheUsersLocale)
{
    DiaryFixture f("de_DE");
    f.AddDay(QDate(2004, 5, 1), MakeWeighing("07:30", "65.40", "22.6", "a\nb"), MakeWeighing("21:05", "0"));
    DayListModel model(f.diary, f.formats);
    model.setWindow(1, 2);
    QStringList headers;
    for (int column = 0; column < model.columnCount(); ++column)
        headers << model.headerData(column, Qt::Horizontal).toString();
    EXPECT_EQ(QStringList({Texts(model, 1), Texts(model, 2), Texts(model, 4), headers.join(u'|')}),
              QStringList({u"1|1.5.2004|(1)|7:30|65,40|22,6|a\nb"_s, u"1|1.5.2004|(2)|21:05|0||"_s,
                           u"2||||||"_s, u"|1.5.2004, morning|1.5.2004, night|2, morning|2, night"_s}));
    // 65.40 kg = 144.18 lb = 10 st 4.2 lb, its "lb" said by the row's name; 0 stays 0.
    model.setUnit(WeightUnit::StonesPounds);
    EXPECT_EQ(QStringList({Texts(model, 0), Texts(model, 1), Texts(model, 2)}).join(u'#').section(u'|', 4, 4),
              u"Weight (st lb)"_s);
    EXPECT_EQ(model.index(4, 1).data().toString() + u'/' + model.index(4, 2).data().toString(),
              u"10 st 4,2/0"_s);
}

// A day stored over another changes the window's columns of that day; one stored anew or removed
// also those of every later record; a day outside the window none.
TEST(DayListModelTest, FollowsStoredAndRemovedDays)
{
    DiaryFixture f;
    for (int day = 1; day <= 3; ++day)
        f.AddDay(QDate(2004, 5, day), MakeWeighing("07:30", "65.40"));
    DayListModel model(f.diary, f.formats);
    model.setWindow(2, 4); // records 2, 3 and the blank record 4
    QSignalSpy changed(&model, &DayListModel::dataChanged);
    // Day stored (a removal when none), its morning weight, record removed; the columns said to change
    // and the morning weights shown.
    const std::tuple<QDate, const char*, int, const char*, const char*> steps[] = {
        {QDate(2004, 5, 3), "70", 0, "3-4", "Weight|65.40||70.00|||"},
        {QDate(2004, 5, 1), "60", 0, "", "Weight|65.40||70.00|||"},
        {QDate(2004, 4, 30), "", 0, "1-6", "Weight|60.00||65.40||70.00|"},
        {QDate(), "", 3, "3-6", "Weight|60.00||70.00|||"},
    };
    for (const auto& [day, kg, removed, columns, weights] : steps) {
        changed.clear();
        day.isValid() ? f.AddDay(day, MakeWeighing("07:30", kg)) : f.diary.removeDay(removed);
        QString said;
        for (const QList<QVariant>& signal : changed)
            said += QStringLiteral("%1-%2")
                        .arg(signal[0].toModelIndex().column())
                        .arg(signal[1].toModelIndex().column());
        EXPECT_EQ(QStringList({said, Texts(model, -1, 4)}),
                  QStringList({QString::fromUtf8(columns), QString::fromUtf8(weights)}));
    }
}

} // namespace
