// The Diary page's workflow: the date change handling, Save data, New data, Delete this data and
// the paging buttons. The controls, input rules and calendar are in DiaryPage.cpp.
#include "entry/DiaryPage.h"

#include "platform/Clock.h"
#include "platform/LocaleFormats.h"
#include "platform/MessageService.h"
#include "platform/NumberText.h"
#include "platform/TextTable.h"
#include "store/DayCheck.h"
#include "store/Diary.h"
#include "store/DiaryText.h"
#include "store/WeighingText.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>

#include <algorithm>

namespace tarvel {

void DiaryPage::PutDate(const QString& text)
{
    const bool wasBusy = m_dateChangeBusy;
    m_dateChangeBusy = true;
    m_date->setText(text);
    m_dateChangeBusy = wasBusy;
}

void DiaryPage::OnDateChanged(const QString& text)
{
    if (m_starting || m_dateChangeBusy)
        return;
    // An incomplete or wrong date does nothing while it is typed; Save refuses it.
    const std::optional<QDate> typed = m_formats.ReadTypedDate(text);
    if (!typed)
        return;
    const std::optional<QDate> shown = m_formats.ReadTypedDate(m_shownDate);
    // The page's own date typed again changes nothing (and drops nothing).
    if (shown && *shown == *typed)
        return;
    const bool onNewPage = m_diary.currentIndex() == m_diary.newEntryIndex();
    // On the new-entry page a date without a stored day is simply the date of the page's input.
    if (onNewPage && m_diary.records().FindItem(DayNumber(*typed)) == 0)
        return;

    m_dateChangeBusy = true;
    const int caret = m_date->cursorPosition();
    // Edits of a shown day are saved under that day's date, not the typed one; a new page's input
    // goes to the typed date.
    m_pendingSaveDate = onNewPage ? QString() : m_shownDate;
    const bool goOn = AskSaveEntry();
    m_pendingSaveDate.clear();
    if (!goOn) {
        // A shown day keeps its own date, so that a later Save cannot store it under another.
        if (!onNewPage)
            m_date->setText(m_shownDate);
        m_dateChangeBusy = false;
        return;
    }
    const int position = m_diary.records().FindItem(DayNumber(*typed));
    if (position == 0) {
        m_diary.setCurrentIndex(m_diary.newEntryIndex());
        ShowCurrentEntry();
        m_date->setText(m_formats.FormatDate(*typed, m_formats.ShortDateFormat));
        m_date->setCursorPosition(caret);
    } else {
        m_diary.setCurrentIndex(position);
        ShowCurrentEntry();
    }
    m_dateChangeBusy = false;
}

bool DiaryPage::AskSaveEntry(SaveQuestion question)
{
    if (!m_edited)
        return true;
    // Escape and the box's close button keep the page with its input, as Cancel does.
    const int answer = m_messages.ShowQuestion(
        LoadText(TextId::DataIsChanged) + kCrLf + LoadText(TextId::SaveDataAndContinue),
        question == SaveQuestion::YesNoCancel ? ButtonsYesNoCancel : ButtonsYesNo, IconQuestion,
        {AnswerYes, AnswerCancel});
    if (answer == AnswerYes)
        return SaveEntry();
    if (answer != AnswerNo)
        return false;
    DropEdits();
    return true;
}

void DiaryPage::DropEdits()
{
    // The profile goes back to the stored one too: a name typed and then dropped must not stay on
    // screen and in the tab captions while the diary keeps the old one.
    if (m_diary.owner() != m_storedOwner) {
        m_diary.setOwner(m_storedOwner);
        ShowOwner();
    }
    ShowCurrentEntry();
}

bool DiaryPage::OpenRecord(int position)
{
    if (!AskSaveEntry())
        return false;
    m_diary.setCurrentIndex(std::clamp(position, 1, m_diary.newEntryIndex()));
    ShowCurrentEntry();
    return true;
}

bool DiaryPage::SaveEntry()
{
    FillNewEntryDefaults();
    DayInput input{m_name->text(),
                   m_pendingSaveDate.isEmpty() ? m_date->text() : m_pendingSaveDate,
                   m_height->text(),
                   {},
                   {},
                   {},
                   {}};
    for (std::size_t i = 0; i < 2; ++i) {
        input.time[i] = m_time[i]->text();
        input.weight[i] = m_weight[i]->text();
        input.bmi[i] = m_bmi[i]->text();
        input.memo[i] = m_memo[i]->toPlainText();
    }
    const DayCheck check = CheckDay(input, m_formats);
    // A typed BMI gives way to the computed one, even when a later check fails.
    for (std::size_t i = 0; i < 2; ++i) {
        if (check.bmiTenths[i])
            m_bmi[i]->setText(FormatScaled(*check.bmiTenths[i], 1, 1, m_formats.DecimalSep));
    }
    if (check.problem) {
        m_messages.ShowMessage(check.problem->message, ButtonsOk, check.problem->icon);
        QLineEdit* field = check.problem->field == DayField::Date          ? m_date
                           : check.problem->field == DayField::MorningTime ? m_time[0]
                           : check.problem->field == DayField::NightTime   ? m_time[1]
                                                                           : nullptr;
        if (field != nullptr) {
            field->selectAll();
            field->setFocus();
        }
        return false;
    }
    const QDate date = check.date;
    const std::array<Weighing, 2>& slots = check.slots;
    // The page's own day is stored as it stands; another stored day only takes the page's weighings
    // into its empty slots, with consent.
    const int stored = m_diary.records().FindItem(DayNumber(date));
    const bool ownDay = stored != 0 && stored == m_diary.currentIndex();
    if (stored != 0 && !ownDay) {
        if (!MergeIntoStoredDay(stored, slots))
            return false;
    } else {
        StoreDay(date, slots);
    }
    ShowCurrentEntry();
    m_storedOwner = m_diary.owner();
    Q_EMIT BackupNeeded();
    m_diary.markModified();
    return true;
}

bool DiaryPage::MergeIntoStoredDay(int position, const std::array<Weighing, 2>& slots)
{
    if (m_diary.slotTaken(position, slots)) {
        ShowMessage(TextId::SlotTaken, IconInformation);
        return false;
    }
    if (m_messages.ShowMessage(LoadText(TextId::DateAlreadyStored) + kCrLf +
                                   LoadText(TextId::AddWeighingsToDay),
                               ButtonsYesNo, IconQuestion) != AnswerYes)
        return false;
    m_diary.setCurrentIndex(m_diary.mergeIntoDay(position, slots));
    return true;
}

void DiaryPage::FillNewEntryDefaults()
{
    if (m_diary.currentIndex() != m_diary.newEntryIndex())
        return;
    const QDateTime now = m_clock.Now();
    // The date goes in without moving the page: the input is saved under it, into a day already
    // stored only with the user's consent.
    if (m_date->text().isEmpty())
        PutDate(m_formats.FormatDate(now.date(), m_formats.ShortDateFormat));
    for (std::size_t i = 0; i < 2; ++i) {
        if (!m_weight[i]->text().isEmpty() && m_time[i]->text().isEmpty())
            m_time[i]->setText(m_formats.FormatTime(now.time(), m_formats.ShortTimeFormat));
    }
}

void DiaryPage::StoreDay(const QDate& date, const std::array<Weighing, 2>& slots)
{
    m_diary.setCurrentIndex(m_diary.storeDay(DayRecord{date, slots}));
}

void DiaryPage::NewEntry()
{
    if (!AskSaveEntry())
        return;
    m_diary.setCurrentIndex(m_diary.newEntryIndex());
    ShowCurrentEntry();
}

void DiaryPage::ShowPreviousEntry()
{
    if (!AskSaveEntry())
        return;
    m_diary.setCurrentIndex(std::max(1, m_diary.currentIndex() - 1));
    ShowCurrentEntry();
    Q_EMIT CurrentRecordMoved();
}

void DiaryPage::ShowNextEntry()
{
    if (!AskSaveEntry())
        return;
    m_diary.setCurrentIndex(std::min(m_diary.newEntryIndex(), m_diary.currentIndex() + 1));
    ShowCurrentEntry();
    Q_EMIT CurrentRecordMoved();
}

QString DiaryPage::DeleteQuestion() const
{
    // The texts as they stand on the page; an empty slot shows its bare labels.
    const QString space = LoadText(TextId::FieldTime).left(1);
    QStringList lines{LoadText(TextId::DataWillBeDeleted), QString(),
                      LoadText(TextId::FieldDate) + m_date->text()};
    for (std::size_t i = 0; i < 2; ++i) {
        lines << QString() << space + LoadText(i == 0 ? TextId::Morning : TextId::Night)
              << LoadText(TextId::FieldTime) + m_time[i]->text()
              << LoadText(TextId::FieldWeight) + m_weight[i]->text()
              << LoadText(TextId::FieldBmi) + m_bmi[i]->text();
    }
    lines << QString() << LoadText(TextId::ContinueProcess);
    return lines.join(kCrLf);
}

void DiaryPage::DeleteEntry()
{
    // A stray Enter deletes nothing.
    if (m_messages.ShowQuestion(DeleteQuestion(), ButtonsYesNo, IconQuestion, {AnswerNo, AnswerNo}) !=
        AnswerYes)
        return;
    if (m_diary.currentIndex() >= m_diary.newEntryIndex() || m_diary.currentIndex() < 1) {
        ShowCurrentEntry();
        return;
    }
    // The deleted day's edits go with it: nothing may offer to save them afterwards. The profile on
    // screen goes into the backup with the other days.
    SetEdited(false);
    m_storedOwner = m_diary.owner();
    MoveGraphPeriodForDelete(m_diary.records().Item(m_diary.currentIndex()).date);
    // The record that moves into the removed one's place is shown, or the one before the last.
    const int shown = m_diary.currentIndex() == m_diary.newEntryIndex() - 1 ? m_diary.currentIndex() - 1
                                                                            : m_diary.currentIndex();
    m_diary.removeDay(m_diary.currentIndex());
    m_diary.setCurrentIndex(std::max(1, shown));
    ShowCurrentEntry();
    Q_EMIT BackupNeeded();
    m_diary.markModified();
    ShowCurrentEntry();
}

void DiaryPage::MoveGraphPeriodForDelete(const QDate& deletedDay)
{
    const int current = m_diary.currentIndex();
    const int newEntry = m_diary.newEntryIndex();
    const auto dateOf = [this](int position) { return m_diary.records().Item(position).date; };
    if (newEntry == 2)
        Q_EMIT GraphPeriodNeedsMove(deletedDay, m_clock.Today(), true);
    else if (current == 1)
        Q_EMIT GraphPeriodNeedsMove(deletedDay, dateOf(2), false);
    else if (current == newEntry - 1)
        Q_EMIT GraphPeriodNeedsMove(deletedDay, dateOf(current - 1), false);
}

} // namespace tarvel
