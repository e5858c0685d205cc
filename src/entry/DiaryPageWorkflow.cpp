// The Diary page's workflow: the date change handling, Save data, New data, Delete this data and
// the paging buttons. The controls, input rules and calendar are in DiaryPage.cpp.
#include "entry/DiaryPage.h"

#include "platform/Clock.h"
#include "platform/LocaleFormats.h"
#include "platform/MessageService.h"
#include "platform/NumberText.h"
#include "platform/TextTable.h"
#include "store/Diary.h"
#include "store/DiaryText.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>

namespace tarvel {

namespace {

// The memo input breaks lines with "\n"; the store keeps them as "[CRLF]".
QString MemoForStore(QString memo)
{
    return memo.replace(QStringLiteral("\n"), QLatin1String(kLineBreakMarker));
}

} // namespace

void DiaryPage::OnDateChanged(const QString& text)
{
    if (m_diary.Initializing || DateChangeBusy)
        return;
    // An incomplete or wrong date does nothing while it is typed.
    const std::optional<QDate> typed = m_formats.ParseDate(text);
    if (!typed)
        return;
    DateChangeBusy = true;
    const int caret = InputDate->cursorPosition();
    if (!ShownDate.isEmpty()) {
        const std::optional<QDate> shown = m_formats.ParseDate(ShownDate);
        if (!shown) {
            DateChangeBusy = false;
            return;
        }
        // Edits made on the shown day are saved under that day's date, not the typed one.
        if (*shown != *typed) {
            PendingSaveDate = ShownDate;
            AskSaveEntry();
            PendingSaveDate.clear();
        }
    }
    const int position = m_diary.Records.FindItem(DayNumber(*typed));
    if (position == 0) {
        // From a record the page goes blank to the new-entry page; on the new-entry page the texts
        // typed so far stay (the save's date default relies on this).
        if (m_diary.CurrentIndex != m_diary.NewEntryIndex) {
            m_diary.CurrentIndex = m_diary.NewEntryIndex;
            ShowCurrentEntry();
        }
        InputDate->setText(m_formats.FormatDate(*typed, m_formats.ShortDateFormat));
        InputDate->setCursorPosition(caret);
    } else {
        m_diary.CurrentIndex = position;
        ShowCurrentEntry();
    }
    DateChangeBusy = false;
}

void DiaryPage::AskSaveEntry()
{
    QWidget* top = window();
    if (!top->windowTitle().endsWith(QLatin1Char('*')))
        return;
    const int answer =
        m_messages.ShowMessage(LoadText(718) + kCrLf + LoadText(719), ButtonsYesNo, IconQuestion);
    if (answer == AnswerYes) {
        SaveEntry();
    } else {
        const QString title = top->windowTitle();
        if (title.endsWith(QLatin1Char('*')))
            top->setWindowTitle(title.chopped(2));
    }
}

void DiaryPage::SaveEntry()
{
    FillNewEntryDefaults();
    if (!ReportMissingInputs() || !SetSlotBmis())
        return;
    QDate date;
    std::array<Measurement, 2> slots;
    if (!ReadSaveDate(date) || !ReadSlots(slots))
        return;
    StoreDay(date, slots);

    Q_EMIT ViewsNeedRedraw();
    ShowCurrentEntry();
    Q_EMIT BackupNeeded();
    m_diary.DataChanged = true;
}

void DiaryPage::FillNewEntryDefaults()
{
    if (m_diary.CurrentIndex != m_diary.NewEntryIndex)
        return;
    const QDateTime now = m_clock.Now();
    // Setting the date runs the date change handling: a day already stored is shown instead.
    if (InputDate->text().isEmpty())
        InputDate->setText(m_formats.FormatDate(now.date(), m_formats.ShortDateFormat));
    for (std::size_t i = 0; i < 2; ++i) {
        if (!InputWeight[i]->text().isEmpty() && InputTime[i]->text().isEmpty())
            InputTime[i]->setText(m_formats.FormatTime(now.time(), m_formats.ShortTimeFormat));
    }
}

bool DiaryPage::ReportMissingInputs()
{
    QString missing;
    const auto add = [&missing](int textId) { missing += LoadText(textId) + kCrLf; };
    if (InputName->text().isEmpty())
        add(704);
    if (InputDate->text().isEmpty())
        add(705);
    if (InputHeight->text().isEmpty())
        add(701);
    if (InputWeight[0]->text().isEmpty() && InputWeight[1]->text().isEmpty())
        add(702);
    for (std::size_t i = 0; i < 2; ++i) {
        if (!InputWeight[i]->text().isEmpty() && InputTime[i]->text().isEmpty())
            add(706);
    }
    if (missing.isEmpty())
        return true;
    m_messages.ShowMessage(missing, ButtonsOk, IconInformation);
    return false;
}

bool DiaryPage::SetSlotBmis()
{
    const QString invalid = m_formats.FormatNumber(0, kBmiComputePattern);
    for (int slot = 0; slot < 2; ++slot) {
        const std::size_t i = Slot(slot);
        if (InputWeight[i]->text().isEmpty())
            continue;
        const QString bmi = ComputeBmi(slot);
        if (bmi == invalid) {
            ShowMessage(707, IconQuestion);
            return false;
        }
        // A typed BMI gives way to the computed one.
        InputBmi[i]->setText(m_formats.FormatNumber(m_formats.ParseNumber(bmi).value_or(0), kBmiPattern));
    }
    return true;
}

bool DiaryPage::ReadSaveDate(QDate& date)
{
    const QString text = PendingSaveDate.isEmpty() ? InputDate->text() : PendingSaveDate;
    if (const std::optional<QDate> read = m_formats.ParseDate(text)) {
        date = *read;
        return true;
    }
    m_messages.ShowMessage(LoadText(708) + kCrLf + LoadText(709) + m_formats.DateFormat + LoadText(735),
                           ButtonsOk, IconQuestion);
    InputDate->selectAll();
    InputDate->setFocus();
    return false;
}

bool DiaryPage::ReadSlots(std::array<Measurement, 2>& slots)
{
    for (std::size_t i = 0; i < 2; ++i) {
        slots[i] = Measurement();
        if (InputWeight[i]->text().isEmpty())
            continue; // a slot without a weight is stored empty, memo included
        const std::optional<DateTimeValue> time = m_formats.ParseDateTimeText(InputTime[i]->text());
        if (!time || !time->time.isValid()) {
            m_messages.ShowMessage(LoadText(710) + kCrLf + LoadText(711), ButtonsOk, IconQuestion);
            InputTime[i]->selectAll();
            InputTime[i]->setFocus();
            return false;
        }
        slots[i].Time = m_formats.FormatTime(time->time, m_formats.TimeFormat);
        slots[i].Weight =
            m_formats.FormatNumber(m_formats.LeadingNumber(InputWeight[i]->text()), kWeightPattern);
        slots[i].Bmi = m_formats.FormatNumber(m_formats.LeadingNumber(InputBmi[i]->text()), kBmiPattern);
        slots[i].Memo = MemoForStore(InputMemo[i]->toPlainText());
    }
    return true;
}

void DiaryPage::StoreDay(const QDate& date, const std::array<Measurement, 2>& slots)
{
    const qint64 day = DayNumber(date);
    const int found = m_diary.Records.FindItem(day);
    if (found != 0) {
        DayRecord& record = m_diary.Records.Item(found);
        record.Slot = slots;
        record.DayNumber = day;
        if (m_diary.CurrentIndex == m_diary.NewEntryIndex)
            m_diary.CurrentIndex = found;
        return;
    }
    DayRecord record;
    record.Date = m_formats.FormatDate(date, m_formats.DateFormat);
    record.Slot = slots;
    record.DayNumber = day;
    const int position = m_diary.Records.Add(std::move(record));
    // A new day widens the data list's window of records until it holds five, then moves it on.
    if (m_diary.ListLast == m_diary.ListFirst + 4) {
        ++m_diary.ListFirst;
        ++m_diary.ListLast;
    } else if (m_diary.ListLast < m_diary.ListFirst + 4) {
        ++m_diary.ListLast;
    }
    ++m_diary.NewEntryIndex;
    if (m_diary.CurrentIndex == m_diary.NewEntryIndex - 1)
        m_diary.CurrentIndex = position;
}

void DiaryPage::NewEntry()
{
    AskSaveEntry();
    m_diary.CurrentIndex = m_diary.NewEntryIndex;
    ShowCurrentEntry();
}

void DiaryPage::ShowPreviousEntry()
{
    // Typed texts on the new-entry page are dropped without a question.
    if (m_diary.CurrentIndex < m_diary.NewEntryIndex)
        AskSaveEntry();
    m_diary.CurrentIndex = std::max(1, m_diary.CurrentIndex - 1);
    ShowCurrentEntry();
    if (m_diary.ListFirst > m_diary.CurrentIndex)
        Q_EMIT ListStepNeeded(-1);
}

void DiaryPage::ShowNextEntry()
{
    AskSaveEntry();
    m_diary.CurrentIndex = std::min(m_diary.NewEntryIndex, m_diary.CurrentIndex + 1);
    ShowCurrentEntry();
    if (m_diary.ListLast < m_diary.CurrentIndex)
        Q_EMIT ListStepNeeded(+1);
}

QString DiaryPage::DeleteQuestion() const
{
    // The texts as they stand on the page; an empty slot shows its bare labels.
    const QString space = LoadText(714).left(1);
    QStringList lines{LoadText(712), QString(), LoadText(713) + InputDate->text()};
    for (std::size_t i = 0; i < 2; ++i) {
        lines << QString() << space + LoadText(i == 0 ? 239 : 240) << LoadText(714) + InputTime[i]->text()
              << LoadText(715) + InputWeight[i]->text() << LoadText(716) + InputBmi[i]->text();
    }
    lines << QString() << LoadText(717);
    return lines.join(kCrLf);
}

void DiaryPage::DeleteEntry()
{
    if (m_messages.ShowMessage(DeleteQuestion(), ButtonsYesNo, IconQuestion) != AnswerYes)
        return;
    if (m_diary.CurrentIndex >= m_diary.NewEntryIndex || m_diary.CurrentIndex < 1) {
        ShowCurrentEntry();
        return;
    }
    MoveWindowsForDelete(m_formats.ParseDate(InputDate->text()).value_or(QDate()));
    m_diary.Records.Remove(m_diary.CurrentIndex);
    --m_diary.NewEntryIndex;
    // The record that moved into the removed one's place is shown, or the one before the last.
    if (m_diary.CurrentIndex == m_diary.NewEntryIndex)
        --m_diary.CurrentIndex;
    m_diary.CurrentIndex = std::max(1, m_diary.CurrentIndex);

    Q_EMIT ViewsNeedRedraw();
    ShowCurrentEntry();
    Q_EMIT BackupNeeded();
    m_diary.DataChanged = true;
    ShowCurrentEntry();
}

void DiaryPage::MoveWindowsForDelete(const QDate& deletedDay)
{
    const int current = m_diary.CurrentIndex;
    const int newEntry = m_diary.NewEntryIndex;
    const auto dateOf = [this](int position) {
        return DateFromDayNumber(m_diary.Records.Item(position).DayNumber);
    };
    if (newEntry == 2)
        Q_EMIT GraphPeriodNeedsMove(deletedDay, m_clock.Today(), true);
    else if (current == 1)
        Q_EMIT GraphPeriodNeedsMove(deletedDay, dateOf(2), false);
    else if (current == newEntry - 1)
        Q_EMIT GraphPeriodNeedsMove(deletedDay, dateOf(current - 1), false);

    // The data list shows five records from ListFirst, the fourth being ListFirst + 3.
    if (newEntry <= 5) {
        m_diary.ListLast = std::max(1, m_diary.ListLast - 1);
    } else if (m_diary.ListFirst + 3 == newEntry) {
        --m_diary.ListLast;
        m_diary.ListFirst = m_diary.ListLast - 4;
    }
}

} // namespace tarvel
