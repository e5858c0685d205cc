#include "entry/DiaryPage.h"
#include "entry/TrendSummary.h"
#include "platform/PictureButton.h"

#include "platform/TextTable.h"
#include "store/DiaryFixture.h"
#include "support/PageControls.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <map>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

using namespace tarvel;
using tarvel::testing::DiaryFixture;
using tarvel::testing::PageControls;

namespace {

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

// A shown, active Diary page over a fixture diary whose window title starts as "Tarvel". With
// records, the diary holds 2004-05-01, 2004-05-06 (a morning weighing, a two-line memo) and
// 2004-05-09, and the page shows record `current` of them with name and height filled in.
struct Page {
    explicit Page(const char* locale = "ja_JP", bool records = false, int current = 1)
        : f(locale), page(f.diary, f.formats, f.clock, f.messages), c(page)
    {
        page.show();
        QApplication::setActiveWindow(&page);
        QObject::connect(&page, &DiaryPage::BackupNeeded, [this] { ++backups; });
        if (!records)
            return;
        for (int day : {1, 6, 9})
            f.AddDay(QDate(2004, 5, day),
                     day == 6 ? tarvel::testing::MakeWeighing("07:30", "65.4", "22.6", "after the run\ntired")
                              : Weighing{});
        f.diary.setCurrentIndex(current);
        page.SetStarting(false);
        c.name->setText(U("Ann"));
        c.height->setText(U("170"));
        page.ShowCurrentEntry();
    }

    // The calendar while it is open.
    QCalendarWidget* Calendar() const
    {
        auto* calendar = page.findChild<QCalendarWidget*>(QStringLiteral("calendar"));
        return calendar != nullptr && calendar->isVisible() ? calendar : nullptr;
    }
    int Count() const { return static_cast<int>(f.messages.Texts().size()); }
    QString Last() const { return f.messages.Texts().value(Count() - 1); }
    int LastIcon() const { return f.messages.Messages().back().iconKind; }

    DiaryFixture f;
    DiaryPage page;
    PageControls c;
    int backups = 0;
};

TEST(DiaryPageTest, LimitsAcceptOrRestoreSelected)
{
    const struct {
        const char* locale;
        int field; // -2 name, -1 height, else the weight of that slot
        const char *accepted, *tried;
        std::optional<TextId> message; // none: the tried text is accepted
    } cases[] = {
        {"ja_JP", -1, "170", "300", std::nullopt},
        {"ja_JP", -1, "170", "301cm", TextId::MaximumHeight},
        {"de_DE", -1, "170", "300,1", TextId::MaximumHeight},
        {"ja_JP", 0, "65", "150", std::nullopt},
        {"ja_JP", 1, "70.5", "150.01", TextId::MaximumWeight},
        {"de_DE", 0, "65,5", "150,01", TextId::MaximumWeight},
        {"ja_JP", -2, "Ann", "Ann,", TextId::NoCommaInName},
        {"ja_JP", -2, "Ann", "", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.tried);
        Page p(c.locale);
        QString announced;
        QObject::connect(&p.page, &DiaryPage::OwnerNameChanged,
                         [&](const QString& name) { announced = name; });
        p.c.height->setText(U("170"));
        QLineEdit* input = c.field == -2 ? p.c.name
                           : c.field < 0 ? p.c.height
                                         : p.c.weight[static_cast<std::size_t>(c.field)];
        input->setText(U(c.accepted));
        input->setText(U(c.tried));

        EXPECT_TRUE(p.page.IsEdited());
        if (c.field == -2) { // an emptied name keeps the old one for the profile and the tab titles
            EXPECT_EQ(p.f.diary.owner().ProfileName, U("Ann"));
            EXPECT_EQ(announced, U("Ann"));
        }
        if (!c.message) {
            EXPECT_EQ(input->text(), U(c.tried));
            EXPECT_EQ(p.Count(), 0);
            continue;
        }
        ASSERT_EQ(p.Count(), 1);
        EXPECT_EQ(p.Last(), LoadText(*c.message));
        EXPECT_EQ(p.LastIcon(), IconInformation);
        EXPECT_EQ(input->text(), U(c.accepted));
        EXPECT_EQ(input->selectedText(), U(c.accepted));
        EXPECT_EQ(QApplication::focusWidget(), input);
        if (c.field == -1) {
            EXPECT_EQ(p.f.diary.owner().ProfileHeight, U(c.accepted));
        }
    }
}

TEST(DiaryPageTest, BmiButton)
{
    const struct {
        const char *locale, *height, *weight;
        std::optional<TextId> message;
        const char* after; // BMI, height and weight after the button; "" when nothing changes
    } cases[] = {
        {"ja_JP", "170", "65", std::nullopt, "22.5 170.0 65.00"},
        {"ja_JP", "170", "0", std::nullopt, ""},
        {"ja_JP", "170", "0.01", std::nullopt, ""},
        {"ja_JP", "", "65", TextId::InputHeight, ""},
        {"ja_JP", "", "", TextId::InputHeightAndWeight, ""},
        {"de_DE", "170", "65,5", std::nullopt, "22,7 170,0 65,50"},
        {"de_DE", "170", "65.5", std::nullopt, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.height + " / " + c.weight);
        Page p(c.locale);
        // A BMI button follows the height typed after its weight, and the weight typed after the height.
        p.c.weight[1]->setText(U(c.weight));
        p.c.height->setText(U(c.height));
        p.c.weight[0]->setText(U(c.weight));
        const bool ready = *c.height && *c.weight;
        EXPECT_EQ(std::pair(p.c.bmiButton[0]->isEnabled(), p.c.bmiButton[1]->isEnabled()),
                  std::pair(ready, ready));
        if (p.c.bmiButton[1]->isEnabled())
            QTest::mouseClick(p.c.bmiButton[1], Qt::LeftButton);
        else
            Q_EMIT p.c.bmiButton[1]->Released(); // what the button does, though none can press it now

        EXPECT_EQ(p.Count(), c.message ? 1 : 0);
        if (c.message) {
            EXPECT_EQ(p.Last(), LoadText(*c.message));
            EXPECT_EQ(p.LastIcon(), IconExclamation);
        }
        const QString shown =
            p.c.bmi[1]->text() + U(" ") + p.c.height->text() + U(" ") + p.c.weight[1]->text();
        EXPECT_EQ(shown, *c.after ? U(c.after) : U(" ") + U(c.height) + U(" ") + U(c.weight));
    }
}

TEST(DiaryPageTest, MemoWarningComesOncePerPage)
{
    Page p;
    QPlainTextEdit* memo = p.c.memo[0];
    memo->setPlainText(U("1\n2\n3\n4\n5\n6\n7\n8\n9"));
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return); // ends in a line break: still nine lines
    EXPECT_EQ(p.Count(), 0);
    QTest::keyClicks(memo, U("ten"));
    EXPECT_EQ(p.Last(), LoadText(TextId::TooManyLinesToPrint));
    EXPECT_EQ(memo->toPlainText(), U("1\n2\n3\n4\n5\n6\n7\n8\n9\nten"));
    p.c.memo[1]->setPlainText(U("line\n").repeated(20));
    EXPECT_EQ(p.Count(), 1);
}

// Records and the new-entry page: texts in the locale's formats, counters and buttons.
TEST(DiaryPageTest, ShowCurrentEntry)
{
    const struct {
        const char* locale;
        bool records;
        int current;
        const char *shown, *counters; // shown: date, time, weight, BMI and memo of slot 1
        const char* buttons;          // enabled: Previous, Next, Save, New, Delete, BMI 1
    } cases[] = {
        {"ja_JP", true, 2, "2004/5/6|7:30|65.40|22.6|after the run\ntired", "2/3", "110111"},
        {"de_DE", true, 2, "6.5.2004|7:30|65,40|22,6|after the run\ntired", "2/3", "110111"},
        {"ja_JP", true, 3, "2004/5/9||||", "3/3", "100110"},
        {"ja_JP", true, 4, "||||", "4/4", "100000"},
        {"ja_JP", false, 1, "2026/12/6||||", "1/1", "000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " record " + std::to_string(c.current));
        Page p(c.locale, c.records, c.current);
        p.c.weight[1]->setText(U("99"));
        p.page.ShowCurrentEntry();

        const QStringList texts{p.c.date->text(), p.c.time[0]->text(), p.c.weight[0]->text(),
                                p.c.bmi[0]->text(), p.c.memo[0]->toPlainText()};
        EXPECT_EQ(texts.join(QLatin1Char('|')), U(c.shown));
        EXPECT_EQ(p.c.weight[1]->text(), QString());
        EXPECT_EQ(p.c.position->text() + U("/") + p.c.count->text(), U(c.counters));
        QString enabled;
        for (QWidget* w : std::initializer_list<QWidget*>{p.c.previous, p.c.next, p.c.save, p.c.newDay,
                                                          p.c.remove, p.c.bmiButton[0]})
            enabled += w->isEnabled() ? U("1") : U("0");
        EXPECT_EQ(enabled, U(c.buttons));
        EXPECT_EQ(p.c.save->toolTip(),
                  LoadText(c.current < 4 && c.records ? TextId::SaveCorrectionTip : TextId::SaveDataTip));
        EXPECT_FALSE(p.page.IsEdited());
        if (c.records) {
            EXPECT_EQ(p.c.height->text(), c.locale[0] == 'd' ? U("170,0") : U("170.0"));
        }
        // Clearing the height turns the BMI buttons off but is no edit of the entry.
        p.c.height->clear();
        EXPECT_FALSE(p.c.bmiButton[0]->isEnabled() || p.page.IsEdited() || p.c.save->isEnabled());
    }
}

// In pounds and stones: a stored 65.40 kg shows as 144.2 lb and stays 65.40 kg when the day is saved
// again; 176.4 lb = 80.0137 kg is stored as 80.01 kg and shows 176.4 lb, or 12 st 8.4 lb, again;
// "12 8" is 12 st 8 lb = 79.832 kg; 150 kg = 330.69 lb = 23 st 8.7 lb is the limit.
TEST(DiaryPageTest, WeightsInPoundsAndStones)
{
    Page p("de_DE", true, 2);
    const auto stored = [&p] { return p.f.diary.records().Item(2).slot[0].weight.value_or(Mass{}).grams; };
    const struct {
        WeightUnit unit;
        const char* typed; // nothing: only the memo changes
        qint64 grams;
        const char* shown;
    } steps[] = {{WeightUnit::Pounds, nullptr, 65400, "144,2"},
                 {WeightUnit::Pounds, "176,4", 80010, "176,4"},
                 {WeightUnit::StonesPounds, nullptr, 80010, "12 st 8,4 lb"},
                 {WeightUnit::StonesPounds, "12 8", 79830, "12 st 8,0 lb"}};
    for (const auto& step : steps) {
        p.page.SetUnit(step.unit);
        if (step.typed)
            p.c.weight[0]->setText(U(step.typed));
        p.c.memo[0]->setPlainText(p.c.memo[0]->toPlainText() + U("."));
        ASSERT_TRUE(p.page.SaveEntry()) << step.typed;
        EXPECT_EQ(stored(), step.grams) << step.typed;
        EXPECT_EQ(p.c.weight[0]->text(), U(step.shown));
    }
    p.c.weight[0]->setText(U("23 st 9"));
    EXPECT_EQ(p.Last(), U("Maximum weight is 23 st 8,7 lb."));
    EXPECT_EQ(p.c.weight[0]->text(), U("12 st 8,0 lb"));
    // An edited weight follows a change of unit; back in kg the page is as it always was.
    p.c.weight[0]->setText(U("11 st"));
    p.page.SetUnit(WeightUnit::Kilograms);
    EXPECT_EQ(p.c.weight[0]->text(), U("69,85"));
}

TEST(DiaryPageTest, CalendarAndTimeButtons)
{
    const struct {
        const char *locale, *typed;
        QDate opensOn;
        const char* picked; // the day after opensOn
    } cases[] = {
        {"ja_JP", "2004/13/6", QDate(2026, 12, 6), "2026/12/7"},
        {"de_DE", "31.1.2005", QDate(2005, 1, 31), "1.2.2005"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.typed);
        Page p(c.locale);
        p.c.date->setText(U(c.typed));
        QTest::mouseClick(p.c.dateButton, Qt::LeftButton);
        ASSERT_TRUE(p.Calendar() && p.Calendar()->isVisible());
        EXPECT_EQ(p.Calendar()->selectedDate(), c.opensOn);
        auto* days = p.Calendar()->findChild<QTableView*>();
        ASSERT_NE(days, nullptr);
        QTest::keyClick(days, Qt::Key_Right);
        QTest::keyClick(days, Qt::Key_Return);
        EXPECT_EQ(p.c.date->text(), U(c.picked));
        EXPECT_EQ(p.Calendar(), nullptr);
    }

    Page fi("fi_FI");
    fi.f.clock.Set(QDateTime(QDate(2026, 12, 6), QTime(7, 5, 59)));
    QTest::mouseClick(fi.c.timeButton[1], Qt::LeftButton);
    EXPECT_EQ(fi.c.time[1]->text(), U("7.05"));
    EXPECT_EQ(fi.c.time[0]->text(), QString());
    EXPECT_EQ(QApplication::focusWidget(), fi.c.time[1]);
    EXPECT_TRUE(fi.page.IsEdited());
}

// In a decimal-comma locale; MainWindowTest.TypicalDayIsBackedUpThenSavedUnderAName saves the same way
// in ja_JP.
TEST(DiaryPageTest, SaveOnNewEntryPageFillsTodayAndNow)
{
    Page p("de_DE");
    p.page.SetStarting(false);
    p.page.ShowCurrentEntry();
    p.c.date->clear();
    QTest::keyClicks(p.c.name, U("Ann"));
    QTest::keyClicks(p.c.height, U("170"));
    QTest::keyClicks(p.c.weight[0], U("65,5"));
    QTest::keyClicks(p.c.memo[0], U("ran"));
    QTest::keyClick(p.c.memo[0], Qt::Key_Return);
    QTest::keyClicks(p.c.memo[0], U("tired"));
    QTest::keyClicks(p.c.memo[1], U("no weight, not stored"));
    QTest::mouseClick(p.c.save, Qt::LeftButton);

    EXPECT_EQ(p.Count(), 0) << p.Last().toStdString();
    ASSERT_EQ(p.f.diary.records().Count(), 1);
    const DayRecord& stored = p.f.diary.records().Item(1);
    EXPECT_EQ(stored.date, QDate(2026, 12, 6));
    EXPECT_EQ(stored.slot[0], tarvel::testing::MakeWeighing("10:00", "65.50", "22.7", "ran\ntired"));
    EXPECT_TRUE(stored.slot[1].isEmpty());
    EXPECT_EQ(p.f.diary.currentIndex(), 1);
    EXPECT_TRUE(p.f.diary.isModified());
    EXPECT_EQ(p.backups, 1);
    EXPECT_EQ(p.c.position->text() + p.c.count->text(), U("11"));
    EXPECT_FALSE(p.page.IsEdited());
}

// Problems a save reports on record 2; the store and the title stay as they were.
TEST(DiaryPageTest, SaveReportsProblemsAndStoresNothing)
{
    const struct {
        int input; // 0 name, 1 date, 2 height, 3 time of slot 1, 4 weight of slot 1, 5 weight of slot 2
        const char *text, *message;
        int iconKind;
    } cases[] = {
        {0, "", "Input your name.\r\n", IconInformation},
        {1, "", "Input date. (yyyy/mm/dd)\r\n", IconInformation},
        {5, "66", "Input time. (hh:mm)\r\n", IconInformation},
        {4, "0", "Invalid input at weight or BMI.", IconQuestion},
        {2, "abc", "Invalid input at weight or BMI.", IconQuestion},
        {1, "2004/13/40", "Invalid date.\r\nDate format should be yyyy/mm/dd.", IconQuestion},
        {3, "25:99", "Invalid time.\r\nTime format should be hh:mm.", IconQuestion},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        Page p("ja_JP", true, 2);
        p.c.name->setText(U("Ann"));
        QLineEdit* inputs[] = {p.c.name, p.c.date, p.c.height, p.c.time[0], p.c.weight[0], p.c.weight[1]};
        inputs[c.input]->setText(U(c.text));
        const std::vector<DayRecord> before = p.f.diary.records().Records();
        const bool edited = p.page.IsEdited();
        EXPECT_FALSE(p.page.SaveEntry());

        ASSERT_EQ(p.Count(), 1);
        EXPECT_EQ(p.Last(), U(c.message));
        EXPECT_EQ(p.LastIcon(), c.iconKind);
        EXPECT_EQ(p.f.diary.records().Records(), before);
        EXPECT_EQ(p.backups, 0);
        EXPECT_EQ(p.page.IsEdited(), edited);
    }
}

// What a person does on the page, key by key, with the answers given to the questions: which
// messages came, what the page shows, whether it is still edited and what the diary holds. The
// diary holds 2004-05-01, 2004-05-06 (morning 7:30, 65.4) and 2004-05-09; the clock stands at
// 2026-12-06 10:00 unless a row sets it.
TEST(DiaryPageTest, Journeys)
{
    struct Journey {
        const char* locale;
        int current;
        QDateTime now;
        const char* steps;    // d= date, tN= time, wN= weight, mN= memo (cleared, then typed), scaleN= a
                              // reading weighed now, from the scale; prev, next, new, save, del; "_"
                              // types a blank
        const char* answers;  // Y, N or C (Escape) for each question, in order
        const char* messages; // the messages shown, named as in kMessages
        const char* page;     // date|morning time|morning weight|night weight afterwards
        int currentAfter;
        bool editedAfter;
        const char* stored; // month-day:morning/night of every day afterwards
    };
    const char *const kBase = "5-1:/ 5-6:65.40/ 5-9:/", *const kSaved = "5-1:/ 5-6:66.00/ 5-9:/",
                      *const kMerged = "5-1:/ 5-6:65.40/64.00 5-9:/",
                      *const kToday = "5-1:/ 5-6:65.40/ 5-9:/ 12-6:64.00/";
    const QDateTime evening(QDate(2004, 5, 6), QTime(19, 0));
    const QDateTime morning(QDate(2004, 5, 6), QTime(7, 45));
    // The messages a journey can meet, found by the start of their text: "ask" whether to save the
    // edits, "time"/"date" refused, "del" to confirm, "day" to merge into a stored day, "slot" taken.
    const std::pair<TextId, const char*> kMessages[] = {
        {TextId::DataIsChanged, "ask"},     {TextId::InputTime, "time"},        {TextId::InvalidDate, "date"},
        {TextId::DataWillBeDeleted, "del"}, {TextId::DateAlreadyStored, "day"}, {TextId::SlotTaken, "slot"}};
    const Journey journeys[] = {
        // Dates typed key by key act only when complete; a partial year is no year 2000.
        {"ja_JP", 4, {}, "d=2004/5/17", "", "", "2004/5/17|||", 4, false, kBase},
        {"en_US", 4, {}, "d=5/6/2004", "", "", "5/6/2004|7:30|65.40|", 2, false, kBase},
        {"en_US", 2, {}, "d=5/6/2004", "", "", "5/6/2004|7:30|65.40|", 2, false, kBase},
        {"en_US", 2, {}, "d=5/9/2004", "", "", "5/9/2004|||", 3, false, kBase},
        // A refused save keeps the page as it was, the shown day its own date.
        {"ja_JP", 2, {}, "t0= prev", "Y", "ask time", "2004/5/6||65.40|", 2, true, kBase},
        {"de_DE", 2, {}, "t0= d=1.5.2004", "Y", "ask time", "6.5.2004||65,40|", 2, true, kBase},
        {"ja_JP", 2, {}, "w0=66 next", "N", "ask", "2004/5/9|||", 3, false, kBase},
        {"ja_JP", 2, {}, "w0=66 next", "C", "ask", "2004/5/6|7:30|66|", 2, true, kBase},
        // A date the page does not move to is no date to save under, on a stored day or a new page.
        {"en_US", 2, {}, "w0=66 d=5/9/04 save", "", "date", "5/9/04|7:30|66|", 2, true, kBase},
        {"en_US", 2, {}, "w0=66 d=2004-05-09 save", "", "date", "2004-05-09|7:30|66|", 2, true, kBase},
        {"en_US", 4, {}, "w0=64 d=5/9/04 save", "", "date", "5/9/04|10:00|64|", 4, true, kBase},
        // Blanks around a date are no part of it: pasted, it moves the page; typed after a date the
        // question kept (Escape), it leaves the page's own date.
        {"en_US", 2, {}, "w0=66 D=5/9/2004_ save", "N", "ask", "5/9/2004|||", 3, false, kBase},
        {"en_US", 2, {}, "w0=66 d=5/9/2004_ save", "C", "ask", "5/6/2004|7:30|66.00|", 2, false, kSaved},
        {"ja_JP", 2, {}, "w0=66 d=2004/5/1", "Y", "ask", "2004/5/1|||", 1, false, kSaved},
        // A confirmed delete takes the edits with it.
        {"en_US", 2, {}, "m0=x del", "Y", "del", "5/9/2004|||", 2, false, "5-1:/ 5-9:/"},
        // Input on the new page is asked about like edits of a stored day.
        {"ja_JP", 4, {}, "w0=64 m0=x prev", "N", "ask", "2004/5/9|||", 3, false, kBase},
        {"ja_JP", 4, {}, "w0=64 prev", "Y", "ask", "2004/5/9|||", 3, false, kToday},
        // Saving a new page under a stored day's date fills its empty slots, with consent.
        {"en_US", 4, evening, "scale1=64.00 save", "Y", "day", "5/6/2004|7:30|65.40|64.00", 2, false,
         kMerged},
        {"en_US", 4, evening, "scale1=64.00 save", "N", "day", "5/6/2004|||64.00", 4, true, kBase},
        {"en_US", 4, morning, "scale0=64.00 save", "", "slot", "5/6/2004|7:45|64.00|", 4, true, kBase},
        // A reading goes onto no date the page would not save under.
        {"ja_JP", 4, evening, "d=2004-5-6 scale1=64.00", "", "", "2004-5-6|||", 4, false, kBase},
        {"en_US", 4, {}, "w0=64 d=5/6/2004", "Y", "ask slot", "5/6/2004|10:00|64|", 4, true, kBase},
        {"en_US", 4, {}, "w1=64 d=5/6/2004", "YY", "ask day", "5/6/2004|7:30|65.40|64.00", 2, false, kMerged},
    };
    for (const Journey& j : journeys) {
        SCOPED_TRACE(std::string(j.locale) + " " + std::to_string(j.current) + ": " + j.steps + " / " +
                     j.answers);
        Page p(j.locale, true, j.current);
        if (j.now.isValid())
            p.f.clock.Set(j.now);
        for (const char* a = j.answers; *a; ++a)
            p.f.messages.Script(*a == 'Y' ? AnswerYes : *a == 'N' ? AnswerNo : AnswerCancel, ButtonsYesNo);
        for (const QString& step : U(j.steps).split(QLatin1Char(' '))) {
            const QString name = step.section(QLatin1Char('='), 0, 0);
            const QString value =
                step.section(QLatin1Char('='), 1).replace(QLatin1Char('_'), QLatin1Char(' '));
            const std::size_t slot = name.back() == QLatin1Char('1') ? 1 : 0;
            QPlainTextEdit* memo = p.c.memo[slot];
            QLineEdit* input = name == U("d")          ? p.c.date
                               : name.startsWith(u't') ? p.c.time[slot]
                               : name.startsWith(u'w') ? p.c.weight[slot]
                                                       : nullptr;
            if (name == U("D")) {
                p.c.date->setText(value);
            } else if (input != nullptr) {
                input->clear();
                QTest::keyClicks(input, value);
            } else if (name.startsWith(u'm')) {
                QTest::keyClicks(memo, value);
            } else if (name.startsWith(U("scale"))) {
                p.page.PutScaleReading(value, p.f.clock.Now());
            } else {
                const std::map<QString, PictureButton*> buttons{{U("prev"), p.c.previous},
                                                                {U("next"), p.c.next},
                                                                {U("new"), p.c.newDay},
                                                                {U("save"), p.c.save},
                                                                {U("del"), p.c.remove}};
                QTest::mouseClick(buttons.at(step), Qt::LeftButton);
            }
        }

        QStringList met;
        for (const auto& shown : p.f.messages.Messages()) {
            for (const auto& [id, name] : kMessages) {
                if (shown.text.startsWith(LoadText(id)))
                    met << QString::fromLatin1(name);
            }
        }
        EXPECT_EQ(met.join(QLatin1Char(' ')), U(j.messages));
        EXPECT_TRUE(p.f.messages.ScriptUsedUp());
        const QStringList page{p.c.date->text(), p.c.time[0]->text(), p.c.weight[0]->text(),
                               p.c.weight[1]->text()};
        EXPECT_EQ(page.join(QLatin1Char('|')), U(j.page));
        EXPECT_EQ(p.f.diary.currentIndex(), j.currentAfter);
        EXPECT_EQ(p.page.IsEdited(), j.editedAfter);
        QStringList stored;
        for (const DayRecord& day : p.f.diary.records().Records()) {
            stored << QStringLiteral("%1-%2:%3/%4")
                          .arg(day.date.month())
                          .arg(day.date.day())
                          .arg(WeightText(day.slot[0], p.f.formats), WeightText(day.slot[1], p.f.formats))
                          .replace(QLatin1Char(','), QLatin1Char('.'));
        }
        EXPECT_EQ(stored.join(QLatin1Char(' ')), U(j.stored));
    }
}

// The calendar closes on a press of a large button, and that press acts at once. The click goes
// through the window system, as a user's does, so a pop-up that ate it would show.
TEST(DiaryPageTest, LargeButtonActsWhileCalendarIsOpen)
{
    Page p("ja_JP", true, 2);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p.page));
    QTest::mouseClick(p.c.dateButton, Qt::LeftButton);
    ASSERT_NE(p.Calendar(), nullptr);
    QWindow* window = p.page.windowHandle();
    const QPoint at = p.c.next->mapTo(&p.page, p.c.next->rect().center());
    QTest::mousePress(window, Qt::LeftButton, {}, at);
    QTest::mouseRelease(window, Qt::LeftButton, {}, at);
    EXPECT_EQ(p.Calendar(), nullptr);
    EXPECT_EQ(p.f.diary.currentIndex(), 3);
}

// Tab walks the page as it is seen: each control it reaches stands in a later row of the page's
// grid, or further right in the same row, than the one before.
TEST(DiaryPageTest, TabFollowsTheScreen)
{
    Page p("de_DE", true, 2);
    const auto* grid = p.page.findChild<QGridLayout*>();
    const auto place = [&](QWidget* control) {
        for (int i = 0; i < grid->count(); ++i) {
            QLayoutItem* item = grid->itemAt(i);
            QWidget* cell = item->widget();
            if (cell ? cell == control || cell->isAncestorOf(control)
                     : item->layout()->indexOf(control) >= 0) {
                int row = 0, column = 0, rows = 0, columns = 0;
                grid->getItemPosition(i, &row, &column, &rows, &columns);
                return std::tuple(row, column, control->mapTo(&p.page, QPoint()).x());
            }
        }
        return std::tuple(-1, -1, -1);
    };
    p.c.name->setFocus();
    std::vector<std::tuple<int, int, int>> walk{place(p.c.name)};
    while (walk.size() < 30 && !p.c.remove->hasFocus()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walk.push_back(place(QApplication::focusWidget()));
    }
    EXPECT_TRUE(p.c.remove->hasFocus()); // the last control of the page
    EXPECT_TRUE(std::is_sorted(walk.begin(), walk.end()));
}

TEST(DiaryPageTest, DeleteEntry)
{
    const struct {
        bool onlyRecord; // the diary holds only 2004-05-06
        int current;
        Answer answer;
        int currentAfter;
        const char* dateAfter;
        QDate periodTarget; // invalid: the period stays
    } cases[] = {
        {true, 1, AnswerYes, 1, "2026/12/6", QDate(2026, 12, 6)},
        {false, 1, AnswerYes, 1, "2004/5/6", QDate(2004, 5, 6)},
        {false, 2, AnswerYes, 2, "2004/5/9", QDate()},
        {false, 3, AnswerYes, 2, "2004/5/6", QDate(2004, 5, 6)},
        {false, 2, AnswerNo, 2, "2004/5/6", QDate()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.current) + (c.onlyRecord ? " only" : ""));
        Page p("ja_JP", true, c.current);
        if (c.onlyRecord) {
            p.f.diary.removeDay(3);
            p.f.diary.removeDay(1);
            p.page.ShowCurrentEntry();
        }
        QDate periodTarget;
        bool always = false;
        QObject::connect(&p.page, &DiaryPage::GraphPeriodNeedsMove,
                         [&](const QDate&, const QDate& target, bool a) {
                             periodTarget = target;
                             always = a;
                         });
        p.f.messages.Script(c.answer, ButtonsYesNo);
        QTest::mouseClick(p.c.remove, Qt::LeftButton);
        EXPECT_EQ(p.f.messages.Messages().back().keys.enter, AnswerNo); // a stray Enter deletes nothing

        const int countBefore = c.onlyRecord ? 1 : 3;
        const bool deleted = c.answer == AnswerYes;
        EXPECT_EQ(p.f.diary.records().Count(), countBefore - (deleted ? 1 : 0));
        EXPECT_EQ(p.f.diary.currentIndex(), c.currentAfter);
        EXPECT_EQ(p.c.date->text(), U(c.dateAfter));
        EXPECT_EQ(periodTarget, c.periodTarget);
        EXPECT_EQ(always, c.onlyRecord);
        EXPECT_EQ(p.backups, deleted ? 1 : 0);
        if (c.current == 2 && !deleted) {
            EXPECT_EQ(p.Last(),
                      U("Following data will be deleted.\r\n\r\n Date: 2004/5/6\r\n\r\n (1) Morning\r\n"
                        " Time: 7:30\r\n Weight: 65.40\r\n BMI: 22.6\r\n\r\n (2) Night\r\n Time: \r\n"
                        " Weight: \r\n BMI: \r\n\r\nContinue process?"));
        }
    }
}

// The summary under the buttons appearing, growing to two lines or running long moves nothing.
TEST(DiaryPageTest, ControlsKeepTheirPlacesWhateverTheSummaryShows)
{
    Page p;
    p.page.resize(700, 420);
    QString summary;
    p.page.SetTrendSummary([&summary] { return summary; });
    std::vector<QRect> first;
    for (const QString& text :
         {QString(), U("Trend 72.5 kg, -0.5 kg/week\nGoal 68.0 kg"), QString(300, u'W')}) {
        summary = text;
        p.page.ShowTrendSummary();
        QApplication::processEvents();
        std::vector<QRect> places;
        for (const QWidget* control : p.page.findChildren<QWidget*>())
            places.emplace_back(control->mapTo(&p.page, QPoint()), control->size());
        EXPECT_EQ(places, first.empty() ? (first = places) : first) << text.left(20).toStdString();
    }
}

// Today is 2026-12-01. 72.5 kg at -0.5 kg/week reaches 68 kg in 4.5 / 0.5 weeks, 63 days: 2027-02-02;
// 60 kg at +0.5 kg/week reaches 61 kg in 14 days: 2026-12-15; at -0.08 kg/week 68 kg lies 394 days
// away, more than a year. Reached: within 0.1 kg, or past the goal coming from where the trend started.
// A trend last weighed more than 14 days ago gives no date.
TEST(TrendSummary, TrendRateAndGoal)
{
    const std::optional<double> none;
    const QDate today(2026, 12, 1);
    const struct {
        const char* locale;
        std::optional<double> trend, rate, start, goal;
        const char* text;
        int daysSinceWeighed = 0;
        WeightUnit unit = WeightUnit::Kilograms;
    } cases[] = {
        {"ja_JP", 72.5, -0.5, 75.0, none, "Trend 72.5 kg, -0.5 kg/week"},
        {"ja_JP", 72.5, -0.5, 75.0, 68.0, "Trend 72.5 kg, -0.5 kg/week\nGoal 68.0 kg: about 2027/2/2"},
        {"de_DE", 72.5, -0.5, 75.0, 68.0, "Trend 72,5 kg, -0,5 kg/week\nGoal 68,0 kg: about 2.2.2027"},
        {"ja_JP", 60.0, 0.5, 59.0, 61.0, "Trend 60.0 kg, +0.5 kg/week\nGoal 61.0 kg: about 2026/12/15", 14},
        {"ja_JP", 60.0, 0.5, 59.0, 61.0, "Trend 60.0 kg, +0.5 kg/week\nGoal 61.0 kg: 1.0 kg to go", 15},
        {"ja_JP", 72.5, -0.001, 72.5, 68.0, "Trend 72.5 kg, 0.0 kg/week\nGoal 68.0 kg: 4.5 kg to go"},
        {"ja_JP", 72.5, -0.08, 75.0, 68.0, "Trend 72.5 kg, -0.1 kg/week\nGoal 68.0 kg: 4.5 kg to go"},
        {"de_DE", 72.5, none, 72.0, 68.0, "Trend 72,5 kg\nGoal 68,0 kg: 4,5 kg to go"}, // too few days
        {"ja_JP", 72.5, 0.2, 75.0, 68.0, "Trend 72.5 kg, +0.2 kg/week\nGoal 68.0 kg: 4.5 kg to go"}, // behind
        {"ja_JP", 68.09, 0.3, 75.0, 68.0, "Trend 68.1 kg, +0.3 kg/week\nGoal 68.0 kg: reached"},
        {"ja_JP", 67.5, 0.2, 75.0, 68.0, "Trend 67.5 kg, +0.2 kg/week\nGoal 68.0 kg: reached"},
        {"ja_JP", none, none, none, 68.0, ""},
        // 72.5 kg = 159.84 lb, 0.5 kg = 1.10 lb, 68 kg = 149.91 lb, 4.5 kg = 9.92 lb; 14 lb a stone.
        {"de_DE", 72.5, -0.5, 75.0, 68.0, "Trend 159,8 lb, -1,1 lb/week\nGoal 149,9 lb: about 2.2.2027", 0,
         WeightUnit::Pounds},
        {"de_DE", 72.5, none, 72.0, 68.0, "Trend 11 st 5,8 lb\nGoal 10 st 9,9 lb: 9,9 lb to go", 0,
         WeightUnit::StonesPounds},
    };
    for (const auto& c : cases) {
        const LocaleFormats formats = LocaleFormats::ProbeLocale(QLocale(QString::fromLatin1(c.locale)));
        const TrendStanding standing{c.trend, c.rate, c.start, today.addDays(-c.daysSinceWeighed)};
        EXPECT_EQ(TrendSummaryText(today, standing, c.goal, c.unit, formats).toStdString(), c.text);
    }
}

} // namespace
