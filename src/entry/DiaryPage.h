#pragma once

#include "entry/DayCheck.h"
#include "platform/MessageService.h"
#include "platform/PagingDirection.h"
#include "platform/TextTable.h"
#include "store/DayRecord.h"
#include "store/Diary.h"

#include <QDateTime>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class QCalendarWidget;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace tarvel {

class Clock;
class LocaleFormats;
class MessageService;
class PictureButton;
class Diary;

// The Diary tab: the owner's profile, one day's date and its two weighings (slot 0 morning, slot 1
// night), the counters and the picture buttons. Every input runs its rule on each change of its
// text, typed or set by the program: the limits and their messages, the page's edited state and
// the BMI. The buttons show, save, create and delete days; what lies
// outside the page (redrawing the views, the backup, the list window, the graph period) it asks for
// through its signals. It reaches the diary, the clock, the locale formats and the message box only
// through the references it holds.
class DiaryPage : public QWidget {
    Q_OBJECT

public:
    DiaryPage(Diary& diary, const LocaleFormats& formats, const Clock& clock, MessageService& messages,
              QWidget* parent = nullptr);
    ~DiaryPage() override;

    // Shows the diary's current record, or the blank new-entry page, and leaves the page unedited.
    void ShowCurrentEntry();
    // While the window is starting a date put into the page is no move to another day.
    void SetStarting(bool starting) { m_starting = starting; }
    // Puts the owner's profile into the name and height inputs and the sex choices (after a read,
    // New or Close) and tells the other tabs the name. Marks nothing as edited.
    void ShowOwner();

    // Save data: checks the page and stores the day (under m_pendingSaveDate while a date change
    // asks). Messages tell what is missing or wrong; nothing is stored then and false comes back.
    bool SaveEntry();

    enum class SaveQuestion { YesNo, YesNoCancel };
    // While the page holds edits, asks whether to save them. Returns true when the caller may go on:
    // nothing was edited, the page was saved, or the user answered No (the edits are dropped and the
    // page shows its stored state again). Returns false, leaving the page exactly as it was, after
    // Cancel or a Yes whose save was refused.
    bool AskSaveEntry(SaveQuestion question = SaveQuestion::YesNo);
    // Shows record `position` (from the list or a graph) after asking about the page's edits;
    // false when the user stayed.
    bool OpenRecord(int position);
    // New data, Previous data and Next data.
    void NewEntry();
    void ShowPreviousEntry();
    void ShowNextEntry();
    // Delete this data: asks with a summary of the page, then removes the shown record.
    void DeleteEntry();

    // The unit weights are shown and typed in. A change shows the stored day anew, or converts the
    // weights of an edited page.
    void SetUnit(WeightUnit unit);
    WeightUnit Unit() const { return m_unit; }

    // The trend and goal lines under the buttons: the text comes from summary, shown anew with every
    // entry shown and by ShowTrendSummary (after the goal changed).
    void SetTrendSummary(std::function<QString()> summary) { m_trendSummaryText = std::move(summary); }
    void ShowTrendSummary();

    // Whether the page holds input that is not stored. The window title follows it.
    bool IsEdited() const { return m_edited; }

    // Closes the calendar the date button opened, if it is open.
    void HideCalendar();

    // Whether the page can take a scale reading weighed at `weighed`, into the slot of its half of
    // the day (0 before noon): the new-entry page can when its date is empty or the weighing's day;
    // a stored day only when it is the weighing's day and that slot holds no weight yet, so nothing
    // stored is overwritten.
    enum class ScaleFit { Fits, OtherDay, SlotUsed };
    // The slot of a weighing: 0 (morning) before noon, 1 (night) from noon on.
    static int SlotOfWeighing(const QDateTime& weighed);
    ScaleFit FitScaleReading(const QDateTime& weighed) const;
    // A reading that fits goes in as if typed: the weight and the time of the weighing, and on the
    // new-entry page an empty date becomes the weighing's day. False, and nothing changed, otherwise.
    bool PutScaleReading(const QString& weight, const QDateTime& weighed);
    // The date as the page shows it.
    QString DateText() const;

    // What the colour scheme paints: the five large buttons, the wide "Enter" buttons, the sex
    // frame with its options, the calendar's look and the tab's logo in the top right corner.
    std::vector<PictureButton*> LargeButtons() const;
    std::vector<PictureButton*> WideButtons() const;
    QGroupBox* SexFrame() const { return m_sexBox; }
    std::array<QRadioButton*, 2> SexOptions() const { return {m_male, m_female}; }
    // The open calendar; none while it is closed.
    QCalendarWidget* Calendar() const { return m_calendar; }
    // How the calendar looks (the scheme's colours), put on it each time it opens.
    void SetCalendarLook(std::function<void(QCalendarWidget&)> look);
    QLabel* Logo() const { return m_logo; }

Q_SIGNALS:
    void EditedChanged(bool edited);
    // Another day or page is shown, or the date text changed: a scale reading may fit now.
    void ShownDayChanged();
    // A name was accepted into ProfileName; the other tabs put it into their titles.
    void OwnerNameChanged(const QString& name);
    // A day was stored or deleted: the whole diary is to be written to the backup file.
    void BackupNeeded();
    // Previous or Next moved the page to another record; the list keeps it in view.
    void CurrentRecordMoved();
    // A record is about to be deleted: the graph period moves to the period of target when always
    // is set, or when deletedDay lies in the period (so the graphs keep showing data).
    void GraphPeriodNeedsMove(const QDate& deletedDay, const QDate& target, bool always);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static std::size_t Slot(int slot) { return static_cast<std::size_t>(slot); }

    // Made, named and laid out by DiaryPageLayout.cpp.
    void buildControls();
    void buildSlotControls();
    void nameControls();
    // Names for screen readers: the labels beside the date and height, names from the text table
    // for the inputs and buttons the labels cannot name (the two slots share their row labels).
    void nameForScreenReaders();
    void buildLayout();
    // The input rules, the buttons and the calendar's closing on a focus change.
    void connectRules();

    // Which inputs an edit touched: the BMI buttons to update with the Save data button.
    enum class EditScope { Page, MorningSlot, NightSlot, Height };
    static EditScope slotScope(int slot) { return slot == 0 ? EditScope::MorningSlot : EditScope::NightSlot; }
    // Marks the page edited and enables Save data; a slot or the height also updates the BMI
    // buttons they affect. Nothing while the diary is loading.
    void MarkEdited(EditScope scope);

    // The BMI button of a slot: the BMI of the height and weight read as numbers into m_bmi, and
    // both inputs laid out anew from those numbers.
    void enterBmi(int slot);
    // The date button: opens m_calendar over it on the date of m_date, or today.
    void showCalendar();
    // The time button of a slot: the clock's time into m_time(slot).
    void enterCurrentTime(int slot);

    void OnNameChanged(const QString& text);
    void OnHeightChanged(const QString& text);
    void OnSexClicked(int sex);
    void OnWeightChanged(int slot, const QString& text);
    void OnMemoChanged(int slot);
    void OnCalendarPicked(const QDate& date);
    void onDateChanged(const QString& text);

    // Steps of SaveEntry; the rules of a day are CheckDay's, in the store, and what a save does
    // is decideSave's (DaySave.h).
    void fillNewEntryDefaults();
    // The problem's message, then its input selected with the focus.
    void showProblem(const DayProblem& problem);
    QString deleteQuestion() const;

    // Shows a rule's message, then puts the last accepted text back, selected, with the focus.
    void RefuseInput(TextId textId, QLineEdit* input, const QString& lastAccepted);
    void RefuseInput(const QString& message, QLineEdit* input, const QString& lastAccepted);
    // A weight laid out for the weight inputs in the page's unit.
    QString WeightFieldText(double kg) const;
    // The kg a weight input's text gives: the whole text read in the page's unit, or nothing.
    std::optional<double> ReadFieldKg(const QString& text) const;
    // The same read leniently, as the limit sees a text being typed ("176" of "176.4 lb").
    double LeadingFieldKg(const QString& text) const;
    void ShowUnitTexts();
    void UpdateBmiButton(int slot);
    // Enabled states, captions and tooltips of Previous, Next, Save, New and Delete.
    void SetEntryButtons(bool onRecord);
    void ShowMessage(TextId textId, IconKind icon);
    void SetEdited(bool edited);
    // A No to a save question: the profile and the day as stored are shown again.
    void DropEdits();
    // Sets the date text without running the date change handling.
    void PutDate(const QString& text);

    Diary& m_diary;
    const LocaleFormats& m_formats;
    const Clock& m_clock;
    MessageService& m_messages;

    QLabel* m_nameLabel = nullptr;
    QLineEdit* m_name = nullptr;
    QLabel* m_heightLabel = nullptr;
    QLineEdit* m_height = nullptr;
    QGroupBox* m_sexBox = nullptr;
    QRadioButton* m_male = nullptr;
    QRadioButton* m_female = nullptr;
    QLabel* m_dateLabel = nullptr;
    QLineEdit* m_date = nullptr;
    PictureButton* m_dateButton = nullptr;
    QLabel* m_morningLabel = nullptr;
    QLabel* m_nightLabel = nullptr;
    QLabel* m_timeLabel = nullptr;
    QLabel* m_weightLabel = nullptr;
    QLabel* m_bmiLabel = nullptr;
    QLabel* m_memoLabel = nullptr;
    std::array<QLineEdit*, 2> m_time{};
    std::array<PictureButton*, 2> m_timeButton{};
    std::array<QLineEdit*, 2> m_weight{};
    std::array<QLineEdit*, 2> m_bmi{};
    std::array<PictureButton*, 2> m_bmiButton{};
    std::array<QPlainTextEdit*, 2> m_memo{};
    QLabel* m_position = nullptr;
    QLabel* m_slash = nullptr;
    QLabel* m_count = nullptr;
    PictureButton* m_previousButton = nullptr;
    PictureButton* m_nextButton = nullptr;
    PictureButton* m_saveButton = nullptr;
    PictureButton* m_newButton = nullptr;
    PictureButton* m_deleteButton = nullptr;
    QCalendarWidget* m_calendar = nullptr;
    QLabel* m_logo = nullptr;
    QLabel* m_trendSummary = nullptr;
    std::function<QString()> m_trendSummaryText;
    std::function<void(QCalendarWidget&)> m_calendarLook;

    // The last accepted texts of m_weight(0) and m_weight(1).
    std::array<QString, 2> m_lastValidWeight;
    WeightUnit m_unit = WeightUnit::Kilograms;
    std::array<QLabel*, 2> m_unitLabel{};
    // The weight texts ShowCurrentEntry put in, and the stored weights they show.
    std::array<QString, 2> m_shownWeight;
    std::array<std::optional<Mass>, 2> m_shownMass;
    // The memo line-count warning comes once in the life of the page.
    bool m_memoWarningShown = false;
    // The date text ShowCurrentEntry last put into m_date ("" on the new-entry page).
    QString m_shownDate;
    // While a date change asks to save the shown day: its date, under which the edits are stored.
    QString m_pendingSaveDate;
    // Set while a date change is handled or the program puts a date in; such texts are not handled.
    bool m_dateChangeBusy = false;
    bool m_starting = true;
    bool m_filling = false; // texts are being put in: no input rule marks the page edited
    bool m_edited = false;
    // The profile as the diary holds it stored (read, or saved with a day); typing changes
    // m_diary.owner() at once, dropped edits put this back.
    Profile m_storedOwner;
    QMetaObject::Connection m_focusWatch;
};

} // namespace tarvel
