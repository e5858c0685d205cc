#include "entry/DiaryPage.h"

#include "entry/DayCheck.h"
#include "platform/Clock.h"
#include "platform/LocaleFormats.h"
#include "platform/MessageService.h"
#include "platform/NumberText.h"
#include "platform/PictureButton.h"
#include "platform/TextTable.h"
#include "store/Bmi.h"
#include "store/Diary.h"
#include "store/WeighingText.h"
#include "store/WeightUnit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <algorithm>
#include <utility>

namespace tarvel {

namespace {

// Lines of a memo as the printout counts them: each line break, plus the last line unless the text
// ends in a break (an empty memo is one line).
int MemoLineCount(const QString& text)
{
    const int breaks = static_cast<int>(text.count(QLatin1Char('\n')));
    return breaks + (text.endsWith(QLatin1Char('\n')) ? 0 : 1);
}

constexpr int kMemoWarningLines = 10;
constexpr double kMaxHeight = 300;

} // namespace

DiaryPage::DiaryPage(Diary& diary, const LocaleFormats& formats, const Clock& clock, MessageService& messages,
                     QWidget* parent)
    : QWidget(parent), m_diary(diary), m_formats(formats), m_clock(clock), m_messages(messages)
{
    buildControls();
    nameControls();
    nameForScreenReaders();
    buildLayout();
    setFocusProxy(m_name);
    connectRules();
    // A diary read, new or closed brings its owner and last day; an import keeps the shown day.
    connect(&m_diary, &Diary::daysReset, this, [this] {
        ShowOwner();
        ShowCurrentEntry();
    });
    connect(&m_diary, &Diary::daysAdded, this, &DiaryPage::ShowCurrentEntry);
}

DiaryPage::~DiaryPage()
{
    // The widget's own teardown moves the focus, which must not reach the half-destroyed page.
    disconnect(m_focusWatch);
}

int DiaryPage::SlotOfWeighing(const QDateTime& weighed)
{
    return weighed.time() < QTime(12, 0) ? 0 : 1;
}

DiaryPage::ScaleFit DiaryPage::FitScaleReading(const QDateTime& weighed) const
{
    const std::size_t slot = Slot(SlotOfWeighing(weighed));
    if (m_diary.currentIndex() == m_diary.newEntryIndex()) {
        const bool sameDay =
            m_date->text().isEmpty() || m_formats.ReadTypedDate(m_date->text()) == weighed.date();
        return sameDay ? ScaleFit::Fits : ScaleFit::OtherDay;
    }
    if (m_diary.currentIndex() < 1 || m_diary.currentIndex() > m_diary.records().Count())
        return ScaleFit::OtherDay;
    const DayRecord& day = m_diary.records().Item(m_diary.currentIndex());
    if (day.date != weighed.date())
        return ScaleFit::OtherDay;
    return day.slot[slot].hasWeight() ? ScaleFit::SlotUsed : ScaleFit::Fits;
}

bool DiaryPage::PutScaleReading(const QString& weight, const QDateTime& weighed)
{
    if (FitScaleReading(weighed) != ScaleFit::Fits)
        return false;
    // The time of the weighing, not of a later Save; the date goes in without moving the page, as
    // Save data's own default does.
    const std::size_t slot = Slot(SlotOfWeighing(weighed));
    if (m_diary.currentIndex() == m_diary.newEntryIndex() && m_date->text().isEmpty())
        PutDate(m_formats.FormatDate(weighed.date(), m_formats.ShortDateFormat));
    m_weight[slot]->setText(
        m_unit == WeightUnit::Kilograms ? weight : WeightFieldText(m_formats.LeadingNumber(weight)));
    m_time[slot]->setText(m_formats.FormatTime(weighed.time(), m_formats.ShortTimeFormat));
    return true;
}

QString DiaryPage::DateText() const
{
    return m_date->text();
}

void DiaryPage::connectRules()
{
    // The calendar (made by showCalendar) closes when the focus leaves it.
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        // The calendar's own month menu is a pop-up; the focus going there keeps it open.
        if (m_calendar != nullptr && now != nullptr && now != m_calendar && !m_calendar->isAncestorOf(now) &&
            QApplication::activePopupWidget() == nullptr)
            HideCalendar();
    });

    connect(m_name, &QLineEdit::textChanged, this, &DiaryPage::OnNameChanged);
    connect(m_height, &QLineEdit::textChanged, this, &DiaryPage::OnHeightChanged);
    connect(m_male, &QRadioButton::clicked, this, [this] { OnSexClicked(1); });
    connect(m_female, &QRadioButton::clicked, this, [this] { OnSexClicked(2); });
    for (int slot = 0; slot < 2; ++slot) {
        const std::size_t i = Slot(slot);
        connect(m_time[i], &QLineEdit::textChanged, this, [this] { MarkEdited(EditScope::Page); });
        connect(m_weight[i], &QLineEdit::textChanged, this,
                [this, slot](const QString& text) { OnWeightChanged(slot, text); });
        connect(m_bmi[i], &QLineEdit::textChanged, this, [this, slot] { MarkEdited(slotScope(slot)); });
        connect(m_memo[i], &QPlainTextEdit::textChanged, this, [this, slot] { OnMemoChanged(slot); });
        connect(m_bmiButton[i], &PictureButton::Released, this, [this, slot] { enterBmi(slot); });
        connect(m_timeButton[i], &PictureButton::Released, this, [this, slot] { enterCurrentTime(slot); });
    }
    connect(m_date, &QLineEdit::textChanged, this, &DiaryPage::onDateChanged);
    connect(m_date, &QLineEdit::textChanged, this, &DiaryPage::ShownDayChanged);
    connect(m_dateButton, &PictureButton::Released, this, &DiaryPage::showCalendar);
    connect(m_previousButton, &PictureButton::Released, this, &DiaryPage::ShowPreviousEntry);
    connect(m_nextButton, &PictureButton::Released, this, &DiaryPage::ShowNextEntry);
    connect(m_saveButton, &PictureButton::Released, this, &DiaryPage::SaveEntry);
    connect(m_newButton, &PictureButton::Released, this, &DiaryPage::NewEntry);
    connect(m_deleteButton, &PictureButton::Released, this, &DiaryPage::DeleteEntry);
    for (PictureButton* button : {m_previousButton, m_nextButton, m_saveButton, m_newButton, m_deleteButton})
        connect(button, &PictureButton::Pressed, this, &DiaryPage::HideCalendar);
}

void DiaryPage::ShowMessage(TextId textId, IconKind iconKind)
{
    m_messages.ShowMessage(LoadText(textId), ButtonsOk, iconKind);
}

void DiaryPage::MarkEdited(EditScope scope)
{
    if (m_filling)
        return;
    SetEdited(true);
    m_saveButton->setEnabled(true);
    if (scope == EditScope::Height || scope == EditScope::MorningSlot)
        UpdateBmiButton(0);
    if (scope == EditScope::Height || scope == EditScope::NightSlot)
        UpdateBmiButton(1);
}

void DiaryPage::SetEdited(bool edited)
{
    if (m_edited == edited)
        return;
    m_edited = edited;
    Q_EMIT EditedChanged(edited);
}

void DiaryPage::UpdateBmiButton(int slot)
{
    const std::size_t i = Slot(slot);
    m_bmiButton[i]->setEnabled(!m_height->text().isEmpty() && !m_weight[i]->text().isEmpty());
}

void DiaryPage::RefuseInput(TextId textId, QLineEdit* input, const QString& lastAccepted)
{
    RefuseInput(LoadText(textId), input, lastAccepted);
}

void DiaryPage::RefuseInput(const QString& message, QLineEdit* input, const QString& lastAccepted)
{
    m_messages.ShowMessage(message, ButtonsOk, IconInformation);
    // Putting the text back runs the input's rule again, which accepts it.
    input->setText(lastAccepted);
    input->setSelection(0, static_cast<int>(lastAccepted.size()));
    input->setFocus();
}

QString DiaryPage::WeightFieldText(double kg) const
{
    if (m_unit == WeightUnit::Kilograms)
        return m_formats.FormatNumber(kg, kWeightPattern);
    return MassNumberText(MassFromKg(kg).value_or(Mass{}), m_unit, m_formats.DecimalSep);
}

std::optional<double> DiaryPage::ReadFieldKg(const QString& text) const
{
    if (m_unit == WeightUnit::Kilograms)
        return m_formats.ParseNumber(text);
    const std::optional<WeightReading> read = ReadWeightText(text, m_formats.DecimalSep, m_unit);
    return read ? std::optional<double>(read->kg) : std::nullopt;
}

double DiaryPage::LeadingFieldKg(const QString& text) const
{
    if (const std::optional<double> kg = m_unit == WeightUnit::Kilograms ? std::nullopt : ReadFieldKg(text))
        return *kg;
    const double leading = m_formats.LeadingNumber(text);
    return m_unit == WeightUnit::StonesPounds ? KgFromValue(leading * kPoundsPerStone, WeightUnit::Pounds)
                                              : KgFromValue(leading, m_unit);
}

void DiaryPage::SetUnit(WeightUnit unit)
{
    if (unit == m_unit)
        return;
    std::array<std::optional<double>, 2> typed;
    for (std::size_t i = 0; i < 2; ++i)
        typed[i] = ReadFieldKg(m_weight[i]->text());
    m_unit = unit;
    ShowUnitTexts();
    if (!m_edited) {
        ShowCurrentEntry();
        return;
    }
    // An edited page keeps its edits: each weight typed in the old unit is shown in the new one.
    const bool wasFilling = m_filling;
    m_filling = true;
    for (std::size_t i = 0; i < 2; ++i) {
        if (!typed[i])
            continue;
        const QString text = WeightFieldText(*typed[i]);
        m_lastValidWeight[i] = text;
        m_weight[i]->setText(text);
    }
    m_filling = wasFilling;
}

void DiaryPage::ShowUnitTexts()
{
    for (std::size_t i = 0; i < 2; ++i) {
        if (m_unitLabel[i] != nullptr)
            // Stones and pounds name their units in the weight itself.
            m_unitLabel[i]->setText(m_unit == WeightUnit::StonesPounds ? QString() : UnitSymbol(m_unit));
        m_weight[i]->setToolTip(m_unit == WeightUnit::Kilograms
                                    ? LoadText(TextId::WeightTip)
                                    : LoadText(TextId::InputWeightIn).arg(UnitSymbol(m_unit)));
    }
}

void DiaryPage::OnNameChanged(const QString& text)
{
    // An emptied name keeps the previous one in the profile; the save asks for a name.
    if (text.isEmpty())
        return;
    if (text.contains(QLatin1Char(','))) {
        // The name becomes part of file names and of the comma-separated diary file.
        RefuseInput(TextId::NoCommaInName, m_name, m_diary.owner().ProfileName);
        return;
    }
    Profile owner = m_diary.owner();
    owner.ProfileName = text;
    m_diary.setOwner(owner);
    Q_EMIT OwnerNameChanged(text);
    MarkEdited(EditScope::Page);
}

void DiaryPage::ShowOwner()
{
    const bool wasFilling = m_filling;
    m_filling = true;
    const Profile owner = m_diary.owner();
    m_name->setText(owner.ProfileName);
    m_height->setText(
        owner.ProfileHeight.isEmpty()
            ? QString()
            : m_formats.FormatNumber(m_formats.LeadingNumber(owner.ProfileHeight), kHeightPattern));
    // Exclusive radio buttons cannot be unchecked one by one.
    m_male->setAutoExclusive(false);
    m_female->setAutoExclusive(false);
    m_male->setChecked(owner.ProfileSex == 1);
    m_female->setChecked(owner.ProfileSex == 2);
    m_male->setAutoExclusive(true);
    m_female->setAutoExclusive(true);
    // The height rule has taken the laid-out text into the profile, as typing it would.
    m_storedOwner = m_diary.owner();
    m_filling = wasFilling;
    Q_EMIT OwnerNameChanged(owner.ProfileName);
}

void DiaryPage::OnHeightChanged(const QString& text)
{
    if (text.isEmpty()) {
        m_bmiButton[0]->setEnabled(false);
        m_bmiButton[1]->setEnabled(false);
        return;
    }
    if (m_formats.LeadingNumber(text) > kMaxHeight) {
        RefuseInput(TextId::MaximumHeight, m_height, m_diary.owner().ProfileHeight);
        return;
    }
    Profile owner = m_diary.owner();
    owner.ProfileHeight = text;
    m_diary.setOwner(owner);
    MarkEdited(EditScope::Height);
}

void DiaryPage::OnSexClicked(int sex)
{
    Profile owner = m_diary.owner();
    owner.ProfileSex = sex;
    m_diary.setOwner(owner);
    MarkEdited(EditScope::Page);
}

void DiaryPage::OnWeightChanged(int slot, const QString& text)
{
    // No lower limit here: a weight of 0 gives no BMI and the save refuses it.
    const std::size_t i = Slot(slot);
    if (!WeightWithinLimit(LeadingFieldKg(text))) {
        // The limit is in kg; the message gives it in the unit typed.
        if (m_unit == WeightUnit::Kilograms)
            RefuseInput(TextId::MaximumWeight, m_weight[i], m_lastValidWeight[i]);
        else
            RefuseInput(LoadText(TextId::MaximumWeightIn)
                            .arg(KgUnitText(kMostWeightKg, m_unit, 1, m_formats.DecimalSep)),
                        m_weight[i], m_lastValidWeight[i]);
        return;
    }
    m_lastValidWeight[i] = text;
    MarkEdited(slotScope(slot));
}

void DiaryPage::OnMemoChanged(int slot)
{
    MarkEdited(EditScope::Page);
    if (m_memoWarningShown)
        return;
    // Longer memos are kept; the warning only says the printout cuts them.
    if (MemoLineCount(m_memo[Slot(slot)]->toPlainText()) >= kMemoWarningLines) {
        ShowMessage(TextId::TooManyLinesToPrint, IconInformation);
        m_memoWarningShown = true;
    }
}

void DiaryPage::enterBmi(int slot)
{
    const std::size_t i = Slot(slot);
    const QString heightText = m_height->text();
    const QString weightText = m_weight[i]->text();
    const int missing = (heightText.isEmpty() ? 1 : 0) + (weightText.isEmpty() ? 2 : 0);
    if (missing != 0) {
        // Input your height, your weight, or both.
        constexpr TextId kMissingTexts[] = {TextId::InputHeight, TextId::InputWeight,
                                            TextId::InputHeightAndWeight};
        ShowMessage(kMissingTexts[missing - 1], IconExclamation);
        return;
    }
    // Nothing happens when the numbers give no BMI (an unreadable input, a weight or height of 0).
    const std::optional<double> height = m_formats.ParseNumber(heightText);
    const std::optional<double> weight = ReadFieldKg(weightText);
    const std::optional<int> tenths = bmiTenths(height, weight);
    if (!tenths)
        return;
    m_bmi[i]->setText(FormatScaled(*tenths, 1, 1, m_formats.DecimalSep));
    m_bmi[i]->setFocus();
    m_height->setText(m_formats.FormatNumber(*height, kHeightPattern));
    m_weight[i]->setText(WeightFieldText(*weight));
}

void DiaryPage::ShowCurrentEntry()
{
    // The texts put in run their input rules as typed ones would, but mark nothing edited.
    const bool wasFilling = m_filling;
    m_filling = true;
    const int current = m_diary.currentIndex();
    const bool onRecord =
        current > 0 && current < m_diary.newEntryIndex() && current <= m_diary.records().Count();

    // The texts shown: time, weight, BMI and memo of each slot.
    QString date;
    std::array<std::array<QString, 4>, 2> slots;
    m_shownMass = {};
    if (onRecord) {
        const DayRecord& record = m_diary.records().Item(current);
        date = m_formats.FormatDate(record.date, m_formats.ShortDateFormat);
        for (std::size_t i = 0; i < 2; ++i) {
            const Weighing& stored = record.slot[i];
            if (stored.time)
                slots[i][0] = m_formats.FormatTime(*stored.time, m_formats.ShortTimeFormat);
            if (stored.hasWeight())
                slots[i][1] = WeightFieldText(ShownKg(stored));
            m_shownMass[i] = stored.weight;
            if (stored.bmiTenths)
                slots[i][2] = FormatScaled(*stored.bmiTenths, 1, 1, m_formats.DecimalSep);
            else if (!stored.keptBmi.isEmpty()) // a BMI kept as written shows the number it begins with
                slots[i][2] =
                    m_formats.FormatNumber(m_formats.LeadingNumber(BmiText(stored, m_formats)), kBmiPattern);
            slots[i][3] = stored.memo;
        }
    }
    if (!m_height->text().isEmpty())
        m_height->setText(m_formats.FormatNumber(m_formats.LeadingNumber(m_height->text()), kHeightPattern));

    // The date is the page's own, not a move to another day.
    m_position->setText(QString::number(current));
    PutDate(date);
    m_shownDate = date;
    for (std::size_t i = 0; i < 2; ++i) {
        m_time[i]->setText(slots[i][0]);
        m_weight[i]->setText(slots[i][1]);
        m_bmi[i]->setText(slots[i][2]);
        m_memo[i]->setPlainText(slots[i][3]);
        m_lastValidWeight[i] = slots[i][1];
        m_shownWeight[i] = slots[i][1];
    }
    if (m_diary.newEntryIndex() == 1)
        PutDate(m_formats.FormatDate(m_clock.Today(), m_formats.ShortDateFormat));
    m_count->setText(QString::number(onRecord ? m_diary.newEntryIndex() - 1 : m_diary.newEntryIndex()));
    UpdateBmiButton(0);
    UpdateBmiButton(1);

    SetEntryButtons(onRecord);
    ShowTrendSummary();
    m_filling = wasFilling;
    SetEdited(false);
    Q_EMIT ShownDayChanged();
}

void DiaryPage::ShowTrendSummary()
{
    m_trendSummary->setText(m_trendSummaryText ? m_trendSummaryText() : QString());
}

void DiaryPage::SetEntryButtons(bool onRecord)
{
    const int current = m_diary.currentIndex();
    m_previousButton->setEnabled(true);
    m_nextButton->setEnabled(true);
    // The Japanese tooltips lead with the number of the record the button shows.
    const bool numbered = LanguageCode() == kJapaneseLanguage;
    m_previousButton->setToolTip((numbered ? QString::number(current - 1) : QString()) +
                                 LoadText(TextId::PreviousDataTip));
    m_nextButton->setToolTip((numbered ? QString::number(current + 1) : QString()) +
                             LoadText(TextId::NextDataTip));
    if (!onRecord) {
        m_nextButton->setEnabled(false);
        m_previousButton->setEnabled(m_diary.newEntryIndex() != 1);
    } else {
        m_previousButton->setEnabled(current != 1);
        m_nextButton->setEnabled(current + 1 <= m_diary.newEntryIndex() - 1);
    }

    m_saveButton->setEnabled(false);
    m_saveButton->SetCaption(LoadText(onRecord ? TextId::SaveCorrection : TextId::SaveData));
    m_saveButton->setToolTip(LoadText(onRecord ? TextId::SaveCorrectionTip : TextId::SaveDataTip));
    m_newButton->setEnabled(onRecord);
    m_deleteButton->setEnabled(onRecord);
}

void DiaryPage::showCalendar()
{
    QDate day = m_clock.Today();
    if (const std::optional<QDate> typed = m_formats.ReadTypedDate(m_date->text()))
        day = *typed;
    if (m_calendar == nullptr) {
        // The calendar lies over the page rather than in a pop-up window: a pop-up would swallow
        // the click that closes it, and that click may be meant for one of the large buttons. It
        // exists only while open, so screen readers never meet its days on a closed page.
        m_calendar = new QCalendarWidget(this);
        m_calendar->setObjectName(QStringLiteral("calendar"));
        m_calendar->setAccessibleName(LoadText(TextId::Calendar));
        if (auto* days = m_calendar->findChild<QAbstractItemView*>())
            days->setAccessibleName(LoadText(TextId::DaysOfMonth));
        m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        m_calendar->setAutoFillBackground(true);
        if (m_calendarLook)
            m_calendarLook(*m_calendar);
        connect(m_calendar, &QCalendarWidget::clicked, this, &DiaryPage::OnCalendarPicked);
        connect(m_calendar, &QCalendarWidget::activated, this, &DiaryPage::OnCalendarPicked);
    }
    m_calendar->setSelectedDate(day);
    m_calendar->setCurrentPage(day.year(), day.month());
    // Over the date button, kept inside the page.
    m_calendar->resize(m_calendar->sizeHint());
    QPoint at = m_dateButton->mapTo(this, QPoint(0, 0));
    at.setX(std::max(0, std::min(at.x(), width() - m_calendar->width())));
    at.setY(std::max(0, std::min(at.y(), height() - m_calendar->height())));
    m_calendar->move(at);
    m_calendar->raise();
    m_calendar->show();
    m_calendar->setFocus();
}

void DiaryPage::HideCalendar()
{
    if (m_calendar == nullptr)
        return;
    // Called from the calendar's own signals too: it goes once they have returned. Hiding moves
    // the focus, whose handlers may come back here, so the member is cleared first.
    QCalendarWidget* calendar = std::exchange(m_calendar, nullptr);
    calendar->hide();
    calendar->deleteLater();
}

void DiaryPage::SetCalendarLook(std::function<void(QCalendarWidget&)> look)
{
    m_calendarLook = std::move(look);
    if (m_calendar != nullptr && m_calendarLook)
        m_calendarLook(*m_calendar);
}

void DiaryPage::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && m_calendar != nullptr) {
        HideCalendar();
        m_date->setFocus();
        return;
    }
    // Home and End (with Ctrl inside a text input, where the plain keys move the cursor) show the
    // first and the last record, after asking about the page's edits.
    if ((event->key() == Qt::Key_Home || event->key() == Qt::Key_End) && !m_diary.records().IsEmpty()) {
        OpenRecord(event->key() == Qt::Key_Home ? 1 : m_diary.records().Count());
        return;
    }
    QWidget::keyPressEvent(event);
}

void DiaryPage::mousePressEvent(QMouseEvent* event)
{
    // A click on the panel or one of its labels closes the calendar.
    HideCalendar();
    QWidget::mousePressEvent(event);
}

void DiaryPage::OnCalendarPicked(const QDate& date)
{
    HideCalendar();
    m_date->setFocus();
    m_date->setText(m_formats.FormatDate(date, m_formats.ShortDateFormat));
}

void DiaryPage::enterCurrentTime(int slot)
{
    QLineEdit* input = m_time[Slot(slot)];
    input->setText(m_formats.FormatTime(m_clock.TimeOfDay(), m_formats.ShortTimeFormat));
    input->setFocus();
}

} // namespace tarvel
