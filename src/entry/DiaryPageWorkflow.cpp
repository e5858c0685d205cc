// The Diary page's workflow: the date change handling, Save data, New data, Delete this data and
// the paging buttons, acting on the decisions of DaySave.h. The controls are built in
// DiaryPageLayout.cpp; the input rules and the calendar are in DiaryPage.cpp.
#include "entry/DiaryPage.h"

#include "entry/DaySave.h"

#include "entry/DayCheck.h"
#include "platform/Clock.h"
#include "platform/LocaleFormats.h"
#include "platform/MessageService.h"
#include "platform/NumberText.h"
#include "platform/TextTable.h"
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

void DiaryPage::onDateChanged(const QString& text)
{
    if (m_starting || m_dateChangeBusy)
        return;
    // An incomplete or wrong date does nothing while it is typed; Save refuses it.
    const std::optional<QDate> typed = dateToMoveTo(m_diary, text, m_shownDate, m_formats);
    if (!typed)
        return;
    const bool onNewPage = m_diary.currentIndex() == m_diary.newEntryIndex();

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
    m_diary.setCurrentIndex(position == 0 ? m_diary.newEntryIndex() : position);
    ShowCurrentEntry();
    if (position == 0) {
        m_date->setText(m_formats.FormatDate(*typed, m_formats.ShortDateFormat));
        m_date->setCursorPosition(caret);
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
    fillNewEntryDefaults();
    DayInput input;
    input.name = m_name->text();
    input.date = m_pendingSaveDate.isEmpty() ? m_date->text() : m_pendingSaveDate;
    input.height = m_height->text();
    for (std::size_t i = 0; i < 2; ++i) {
        input.time[i] = m_time[i]->text();
        input.weight[i] = m_weight[i]->text();
        input.bmi[i] = m_bmi[i]->text();
        input.memo[i] = m_memo[i]->toPlainText();
        if (m_shownMass[i] && input.weight[i] == m_shownWeight[i])
            input.weightAsShown[i] = m_shownMass[i];
    }
    input.unit = m_unit;
    const DayCheck check = CheckDay(input, m_formats);
    // A typed BMI gives way to the computed one, even when a later check fails.
    for (std::size_t i = 0; i < 2; ++i) {
        if (check.bmiTenths[i])
            m_bmi[i]->setText(FormatScaled(*check.bmiTenths[i], 1, 1, m_formats.DecimalSep));
    }
    const SaveDecision decision = decideSave(m_diary, check);
    switch (decision.action) {
    case SaveAction::Refuse:
        showProblem(*check.problem);
        return false;
    case SaveAction::SlotTaken:
        ShowMessage(TextId::SlotTaken, IconInformation);
        return false;
    case SaveAction::AskMerge:
        if (m_messages.ShowMessage(LoadText(TextId::DateAlreadyStored) + kCrLf +
                                       LoadText(TextId::AddWeighingsToDay),
                                   ButtonsYesNo, IconQuestion) != AnswerYes)
            return false;
        m_diary.setCurrentIndex(m_diary.mergeIntoDay(decision.position, check.slots));
        break;
    case SaveAction::StoreOwn:
        m_diary.setCurrentIndex(m_diary.storeDay(DayRecord{check.date, check.slots}));
        break;
    }
    ShowCurrentEntry();
    m_storedOwner = m_diary.owner();
    Q_EMIT BackupNeeded();
    m_diary.markModified();
    return true;
}

void DiaryPage::showProblem(const DayProblem& problem)
{
    m_messages.ShowMessage(problem.message, ButtonsOk, problem.icon);
    QLineEdit* field = problem.field == DayField::Date          ? m_date
                       : problem.field == DayField::MorningTime ? m_time[0]
                       : problem.field == DayField::NightTime   ? m_time[1]
                                                                : nullptr;
    if (field != nullptr) {
        field->selectAll();
        field->setFocus();
    }
}

void DiaryPage::fillNewEntryDefaults()
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

QString DiaryPage::deleteQuestion() const
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
    if (m_messages.ShowQuestion(deleteQuestion(), ButtonsYesNo, IconQuestion, {AnswerNo, AnswerNo}) !=
        AnswerYes)
        return;
    const DeletePlan plan = planDelete(m_diary, m_clock.Today());
    if (!plan.deletes) {
        ShowCurrentEntry();
        return;
    }
    // The deleted day's edits go with it: nothing may offer to save them afterwards. The profile on
    // screen goes into the backup with the other days.
    SetEdited(false);
    m_storedOwner = m_diary.owner();
    if (plan.target.isValid())
        Q_EMIT GraphPeriodNeedsMove(m_diary.records().Item(m_diary.currentIndex()).date, plan.target,
                                    plan.always);
    m_diary.removeDay(m_diary.currentIndex());
    m_diary.setCurrentIndex(plan.shownAfter);
    ShowCurrentEntry();
    Q_EMIT BackupNeeded();
    m_diary.markModified();
    ShowCurrentEntry();
}

} // namespace tarvel
