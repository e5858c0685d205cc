#include "entry/DiaryPage.h"

#include "entry/PictureButton.h"
#include "platform/Clock.h"
#include "platform/LocaleFormats.h"
#include "platform/MessageService.h"
#include "platform/NumberText.h"
#include "platform/TextTable.h"
#include "store/Diary.h"
#include "store/DiaryText.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <algorithm>
#include <vector>

namespace tarvel {

namespace {

// A label that shows its text as given, never as rich text (names and memos are user text).
QLabel* PlainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// Memos keep their line breaks as "[CRLF]" in the store; the memo input breaks lines with "\n".
QString MemoForDisplay(QString memo)
{
    return UnmarkLineBreaks(memo);
}

// Lines of a memo as the printout counts them: each line break, plus the last line unless the text
// ends in a break (an empty memo is one line).
int MemoLineCount(const QString& text)
{
    const int breaks = static_cast<int>(text.count(QLatin1Char('\n')));
    return breaks + (text.endsWith(QLatin1Char('\n')) ? 0 : 1);
}

DiaryPage::EditScope SlotScope(int slot)
{
    return slot == 0 ? DiaryPage::EditScope::MorningSlot : DiaryPage::EditScope::NightSlot;
}

constexpr int kMemoWarningLines = 10;
constexpr double kMaxHeight = 300;
constexpr double kMaxWeight = 150;

} // namespace

DiaryPage::DiaryPage(Diary& diary, const LocaleFormats& formats, const Clock& clock, MessageService& messages,
                     QWidget* parent)
    : QWidget(parent), m_diary(diary), m_formats(formats), m_clock(clock), m_messages(messages)
{
    BuildControls();
    BuildLayout();
    ConnectRules();
}

void DiaryPage::BuildControls()
{
    InputName = new QLineEdit(this);
    InputName->setToolTip(LoadText(900));
    NameLabel = PlainLabel(LoadText(205), this);

    NumeLabel = PlainLabel(QStringLiteral("1"), this);
    NumeLabel->setToolTip(LoadText(901));
    NumeLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LineLabel = PlainLabel(QStringLiteral("/"), this);
    DenoLabel = PlainLabel(QStringLiteral("1"), this);
    DenoLabel->setToolTip(LoadText(902));

    DateLabel = PlainLabel(LoadText(213), this);
    InputDate = new QLineEdit(this);
    InputDate->setToolTip(LoadText(903));
    GetDateImg = new PictureButton(LoadText(228), PictureButton::Kind::Wide, this);
    GetDateImg->setToolTip(LoadText(908));

    HeightLabel = PlainLabel(LoadText(215), this);
    InputHeight = new QLineEdit(this);
    InputHeight->setToolTip(LoadText(905));

    SelectFrame = new QGroupBox(LoadText(218), this);
    SelectFrame->setToolTip(LoadText(911));
    SelectMan = new QRadioButton(LoadText(219), SelectFrame);
    SelectWoman = new QRadioButton(LoadText(220), SelectFrame);

    MorningLabel = PlainLabel(LoadText(239), this);
    NightLabel = PlainLabel(LoadText(240), this);
    TimeLabel = PlainLabel(LoadText(214), this);
    WeightLabel = PlainLabel(LoadText(216), this);
    BmiLabel = PlainLabel(LoadText(217), this);
    MemoLabel = PlainLabel(LoadText(221), this);

    BuildSlotControls();

    FrontDataImg = new PictureButton(LoadText(222), PictureButton::Kind::Large, this);
    NextDataImg = new PictureButton(LoadText(223), PictureButton::Kind::Large, this);
    DecisionImg = new PictureButton(LoadText(224), PictureButton::Kind::Large, this);
    NewDataImg = new PictureButton(LoadText(226), PictureButton::Kind::Large, this);
    NewDataImg->setToolTip(LoadText(921));
    DeleteDataImg = new PictureButton(LoadText(227), PictureButton::Kind::Large, this);
    DeleteDataImg->setToolTip(LoadText(922));
    DecisionImg->setEnabled(false);

    // The calendar lies over the page rather than in a pop-up window: a pop-up would swallow the
    // click that closes it, and that click may be meant for one of the large buttons. It closes when
    // the focus leaves it, on a click on the panel and on a press of a large button.
    MonthView = new QCalendarWidget(this);
    MonthView->setObjectName(QStringLiteral("MonthView"));
    MonthView->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MonthView->setAutoFillBackground(true);
    MonthView->hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        // The calendar's own month menu is a pop-up; the focus going there keeps it open.
        if (MonthView->isVisible() && now != nullptr && now != MonthView && !MonthView->isAncestorOf(now) &&
            QApplication::activePopupWidget() == nullptr)
            HideCalendar();
    });

    LogoImgD = new QLabel(this);
    LogoImgD->setObjectName(QStringLiteral("LogoImgD"));
    LogoImgD->setFixedSize(80, 38);
}

void DiaryPage::BuildSlotControls()
{
    for (std::size_t slot = 0; slot < 2; ++slot) {
        InputTime[slot] = new QLineEdit(this);
        InputTime[slot]->setToolTip(LoadText(904));
        GetTimeImg[slot] = new PictureButton(LoadText(228), PictureButton::Kind::Wide, this);
        GetTimeImg[slot]->setToolTip(LoadText(909));
        InputWeight[slot] = new QLineEdit(this);
        InputWeight[slot]->setToolTip(LoadText(906));
        InputBmi[slot] = new QLineEdit(this);
        InputBmi[slot]->setToolTip(LoadText(907));
        BmiInputImg[slot] = new PictureButton(LoadText(228), PictureButton::Kind::Wide, this);
        BmiInputImg[slot]->setToolTip(LoadText(910));
        BmiInputImg[slot]->setEnabled(false);
        InputMemo[slot] = new QPlainTextEdit(this);
        InputMemo[slot]->setToolTip(LoadText(912));
        InputMemo[slot]->setTabChangesFocus(true);
    }
}

void DiaryPage::BuildLayout()
{
    // On a wide window the form stays at a readable width, centred, rather than stretching its
    // inputs across the screen.
    auto* form = new QWidget(this);
    form->setMaximumWidth(1000);
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addStretch(1);
    outer->addWidget(form, 20);
    outer->addStretch(1);

    // Columns: field labels, slot 1 input and its button, slot 2 input and its button.
    auto* grid = new QGridLayout(form);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);

    auto* counters = new QHBoxLayout;
    counters->setSpacing(4);
    counters->addStretch();
    counters->addWidget(NumeLabel);
    counters->addWidget(LineLabel);
    counters->addWidget(DenoLabel);
    counters->addSpacing(12);
    counters->addWidget(LogoImgD);
    // The counters and the logo span the night slot's columns, so its buttons keep the width of
    // the morning slot's.
    grid->addWidget(InputName, 0, 0, 1, 2);
    grid->addWidget(NameLabel, 0, 2);
    grid->addLayout(counters, 0, 3, 1, 2);

    auto* sexRow = new QHBoxLayout(SelectFrame);
    sexRow->addWidget(SelectMan);
    sexRow->addWidget(SelectWoman);
    sexRow->addStretch();

    grid->addWidget(DateLabel, 1, 0);
    grid->addWidget(InputDate, 1, 1);
    grid->addWidget(GetDateImg, 1, 2);
    grid->addWidget(SelectFrame, 1, 3, 2, 2);
    grid->addWidget(HeightLabel, 2, 0);
    grid->addWidget(InputHeight, 2, 1);
    grid->addWidget(PlainLabel(QStringLiteral("cm"), this), 2, 2);

    grid->addWidget(MorningLabel, 3, 1, 1, 2);
    grid->addWidget(NightLabel, 3, 3, 1, 2);
    grid->addWidget(TimeLabel, 4, 0);
    grid->addWidget(WeightLabel, 5, 0);
    grid->addWidget(BmiLabel, 6, 0);
    grid->addWidget(MemoLabel, 7, 0, Qt::AlignTop);
    for (std::size_t slot = 0; slot < 2; ++slot) {
        const int column = 1 + 2 * static_cast<int>(slot);
        grid->addWidget(InputTime[slot], 4, column);
        grid->addWidget(GetTimeImg[slot], 4, column + 1);
        grid->addWidget(InputWeight[slot], 5, column);
        grid->addWidget(PlainLabel(QStringLiteral("kg"), this), 5, column + 1);
        grid->addWidget(InputBmi[slot], 6, column);
        grid->addWidget(BmiInputImg[slot], 6, column + 1);
        grid->addWidget(InputMemo[slot], 7, column, 1, 2);
    }

    auto* buttons = new QHBoxLayout;
    for (PictureButton* button : {FrontDataImg, NextDataImg, DecisionImg, NewDataImg, DeleteDataImg})
        buttons->addWidget(button);
    grid->addLayout(buttons, 8, 0, 1, 5);

    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(7, 1);

    // Tab walks the page as it is read: profile, date, the morning slot, the night slot, then the
    // five buttons.
    std::vector<QWidget*> order{InputName, InputHeight, SelectMan, SelectWoman, InputDate, GetDateImg};
    for (std::size_t slot = 0; slot < 2; ++slot) {
        order.insert(order.end(), {InputTime[slot], GetTimeImg[slot], InputWeight[slot], InputBmi[slot],
                                   BmiInputImg[slot], InputMemo[slot]});
    }
    order.insert(order.end(), {FrontDataImg, NextDataImg, DecisionImg, NewDataImg, DeleteDataImg});
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void DiaryPage::ConnectRules()
{
    connect(InputName, &QLineEdit::textChanged, this, &DiaryPage::OnNameChanged);
    connect(InputHeight, &QLineEdit::textChanged, this, &DiaryPage::OnHeightChanged);
    connect(SelectMan, &QRadioButton::clicked, this, [this] { OnSexClicked(1); });
    connect(SelectWoman, &QRadioButton::clicked, this, [this] { OnSexClicked(2); });
    for (int slot = 0; slot < 2; ++slot) {
        const std::size_t i = Slot(slot);
        connect(InputTime[i], &QLineEdit::textChanged, this, [this] { MarkEdited(EditScope::Page); });
        connect(InputWeight[i], &QLineEdit::textChanged, this,
                [this, slot](const QString& text) { OnWeightChanged(slot, text); });
        connect(InputBmi[i], &QLineEdit::textChanged, this, [this, slot] { MarkEdited(SlotScope(slot)); });
        connect(InputMemo[i], &QPlainTextEdit::textChanged, this, [this, slot] { OnMemoChanged(slot); });
        connect(BmiInputImg[i], &PictureButton::Released, this, [this, slot] { EnterBmi(slot); });
        connect(GetTimeImg[i], &PictureButton::Released, this, [this, slot] { EnterCurrentTime(slot); });
    }
    connect(InputDate, &QLineEdit::textChanged, this, &DiaryPage::OnDateChanged);
    connect(GetDateImg, &PictureButton::Released, this, &DiaryPage::ShowCalendar);
    connect(FrontDataImg, &PictureButton::Released, this, &DiaryPage::ShowPreviousEntry);
    connect(NextDataImg, &PictureButton::Released, this, &DiaryPage::ShowNextEntry);
    connect(DecisionImg, &PictureButton::Released, this, &DiaryPage::SaveEntry);
    connect(NewDataImg, &PictureButton::Released, this, &DiaryPage::NewEntry);
    connect(DeleteDataImg, &PictureButton::Released, this, &DiaryPage::DeleteEntry);
    for (PictureButton* button : {FrontDataImg, NextDataImg, DecisionImg, NewDataImg, DeleteDataImg})
        connect(button, &PictureButton::Pressed, this, &DiaryPage::HideCalendar);
    connect(MonthView, &QCalendarWidget::clicked, this, &DiaryPage::OnCalendarPicked);
    connect(MonthView, &QCalendarWidget::activated, this, &DiaryPage::OnCalendarPicked);
}

void DiaryPage::ShowMessage(int textId, int iconKind)
{
    m_messages.ShowMessage(LoadText(textId), ButtonsOk, iconKind);
}

void DiaryPage::MarkEdited(EditScope scope)
{
    if (m_diary.Loading)
        return;
    SetEdited(true);
    DecisionImg->setEnabled(true);
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
    BmiInputImg[i]->setEnabled(!InputHeight->text().isEmpty() && !InputWeight[i]->text().isEmpty());
}

void DiaryPage::RefuseInput(int textId, QLineEdit* input, const QString& lastAccepted)
{
    ShowMessage(textId, IconInformation);
    // Putting the text back runs the input's rule again, which accepts it.
    input->setText(lastAccepted);
    input->setSelection(0, static_cast<int>(lastAccepted.size()));
    input->setFocus();
}

void DiaryPage::OnNameChanged(const QString& text)
{
    // An emptied name keeps the previous one in the profile; the save asks for a name.
    if (text.isEmpty())
        return;
    if (text.contains(QLatin1Char(','))) {
        // The name becomes part of file names and of the comma-separated diary file.
        RefuseInput(729, InputName, m_diary.Owner.ProfileName);
        return;
    }
    m_diary.Owner.ProfileName = text;
    Q_EMIT OwnerNameChanged(text);
    MarkEdited(EditScope::Page);
}

void DiaryPage::ShowOwner()
{
    const bool wasLoading = m_diary.Loading;
    m_diary.Loading = true;
    const Profile owner = m_diary.Owner;
    InputName->setText(owner.ProfileName);
    InputHeight->setText(owner.ProfileHeight.isEmpty()
                             ? QString()
                             : m_formats.FormatNumber(m_formats.LeadingNumber(owner.ProfileHeight),
                                                      kHeightPattern));
    // Exclusive radio buttons cannot be unchecked one by one.
    SelectMan->setAutoExclusive(false);
    SelectWoman->setAutoExclusive(false);
    SelectMan->setChecked(owner.ProfileSex == 1);
    SelectWoman->setChecked(owner.ProfileSex == 2);
    SelectMan->setAutoExclusive(true);
    SelectWoman->setAutoExclusive(true);
    // The height rule has taken the laid-out text into the profile, as typing it would.
    m_diary.Loading = wasLoading;
    Q_EMIT OwnerNameChanged(owner.ProfileName);
}

void DiaryPage::OnHeightChanged(const QString& text)
{
    if (text.isEmpty()) {
        BmiInputImg[0]->setEnabled(false);
        BmiInputImg[1]->setEnabled(false);
        return;
    }
    if (m_formats.LeadingNumber(text) > kMaxHeight) {
        RefuseInput(730, InputHeight, m_diary.Owner.ProfileHeight);
        return;
    }
    m_diary.Owner.ProfileHeight = text;
    MarkEdited(EditScope::Height);
}

void DiaryPage::OnSexClicked(int sex)
{
    m_diary.Owner.ProfileSex = sex;
    MarkEdited(EditScope::Page);
}

void DiaryPage::OnWeightChanged(int slot, const QString& text)
{
    // No lower limit here: a weight of 0 gives no BMI and the save refuses it.
    const std::size_t i = Slot(slot);
    if (m_formats.LeadingNumber(text) > kMaxWeight) {
        RefuseInput(731, InputWeight[i], LastValidWeight[i]);
        return;
    }
    LastValidWeight[i] = text;
    MarkEdited(SlotScope(slot));
}

void DiaryPage::OnMemoChanged(int slot)
{
    MarkEdited(EditScope::Page);
    if (MemoWarningShown)
        return;
    // Longer memos are kept; the warning only says the printout cuts them.
    if (MemoLineCount(InputMemo[Slot(slot)]->toPlainText()) >= kMemoWarningLines) {
        ShowMessage(732, IconInformation);
        MemoWarningShown = true;
    }
}

QString DiaryPage::ComputeBmi(int slot) const
{
    const QString invalid = m_formats.FormatNumber(0, kBmiComputePattern);
    const std::optional<double> height = m_formats.ParseNumber(InputHeight->text());
    const std::optional<double> weight = m_formats.ParseNumber(InputWeight[Slot(slot)]->text());
    if (!height || !weight || *height == 0)
        return invalid;
    const double metres = *height * 0.01;
    return m_formats.FormatNumber(*weight / (metres * metres), kBmiComputePattern);
}

void DiaryPage::EnterBmi(int slot)
{
    const std::size_t i = Slot(slot);
    const int missing = (InputHeight->text().isEmpty() ? 1 : 0) + (InputWeight[i]->text().isEmpty() ? 2 : 0);
    if (missing != 0) {
        ShowMessage(700 + missing, IconExclamation); // 701 height, 702 weight, 703 both
        return;
    }
    const QString bmi = ComputeBmi(slot);
    if (bmi == m_formats.FormatNumber(0, kBmiComputePattern))
        return;
    // ComputeBmi read both inputs as numbers, so they are numbers here.
    const double height = m_formats.ParseNumber(InputHeight->text()).value_or(0);
    const double weight = m_formats.ParseNumber(InputWeight[i]->text()).value_or(0);
    InputBmi[i]->setText(m_formats.FormatNumber(m_formats.ParseNumber(bmi).value_or(0), kBmiPattern));
    InputBmi[i]->setFocus();
    InputHeight->setText(m_formats.FormatNumber(height, kHeightPattern));
    InputWeight[i]->setText(m_formats.FormatNumber(weight, kWeightPattern));
}

void DiaryPage::ShowCurrentEntry()
{
    // The texts put in run their input rules as typed ones would, but mark nothing edited.
    const bool wasLoading = m_diary.Loading;
    m_diary.Loading = true;
    const int current = m_diary.CurrentIndex;
    const bool onRecord =
        current > 0 && current < m_diary.NewEntryIndex && current <= m_diary.Records.Count();

    QString date;
    std::array<Measurement, 2> slots;
    if (onRecord) {
        const DayRecord& record = m_diary.Records.Item(current);
        date = record.Date;
        for (std::size_t i = 0; i < 2; ++i) {
            const Measurement& stored = record.Slot[i];
            Measurement& shown = slots[i];
            shown.Memo = MemoForDisplay(stored.Memo);
            shown.Time = stored.Time;
            if (!stored.Time.isEmpty()) {
                const std::optional<DateTimeValue> value = m_formats.ParseDateTimeText(stored.Time);
                if (value && value->time.isValid())
                    shown.Time = m_formats.FormatTime(value->time, m_formats.ShortTimeFormat);
            }
            if (!stored.Weight.isEmpty())
                shown.Weight = m_formats.FormatNumber(m_formats.LeadingNumber(stored.Weight), kWeightPattern);
            if (!stored.Bmi.isEmpty())
                shown.Bmi = m_formats.FormatNumber(m_formats.LeadingNumber(stored.Bmi), kBmiPattern);
        }
    }
    if (!date.isEmpty()) {
        if (const std::optional<QDate> day = m_formats.ParseDate(date))
            date = m_formats.FormatDate(*day, m_formats.ShortDateFormat);
    }
    if (!InputHeight->text().isEmpty())
        InputHeight->setText(
            m_formats.FormatNumber(m_formats.LeadingNumber(InputHeight->text()), kHeightPattern));

    // The date is the page's own, not a move to another day.
    NumeLabel->setText(QString::number(current));
    PutDate(date);
    ShownDate = date;
    for (std::size_t i = 0; i < 2; ++i) {
        InputTime[i]->setText(slots[i].Time);
        InputWeight[i]->setText(slots[i].Weight);
        InputBmi[i]->setText(slots[i].Bmi);
        InputMemo[i]->setPlainText(slots[i].Memo);
        LastValidWeight[i] = slots[i].Weight;
    }
    if (m_diary.NewEntryIndex == 1)
        PutDate(m_formats.FormatDate(m_clock.Today(), m_formats.ShortDateFormat));
    DenoLabel->setText(QString::number(onRecord ? m_diary.NewEntryIndex - 1 : m_diary.NewEntryIndex));
    UpdateBmiButton(0);
    UpdateBmiButton(1);

    SetEntryButtons(onRecord);
    m_diary.Loading = wasLoading;
    SetEdited(false);
}

void DiaryPage::SetEntryButtons(bool onRecord)
{
    const int current = m_diary.CurrentIndex;
    FrontDataImg->setEnabled(true);
    NextDataImg->setEnabled(true);
    if (LanguageCode() == 1) {
        FrontDataImg->setToolTip(QString::number(current - 1) + LoadText(917));
        NextDataImg->setToolTip(QString::number(current + 1) + LoadText(918));
    } else {
        FrontDataImg->setToolTip(LoadText(917));
        NextDataImg->setToolTip(LoadText(918));
    }
    if (!onRecord) {
        NextDataImg->setEnabled(false);
        FrontDataImg->setEnabled(m_diary.NewEntryIndex != 1);
    } else {
        FrontDataImg->setEnabled(current != 1);
        NextDataImg->setEnabled(current + 1 <= m_diary.NewEntryIndex - 1);
    }

    DecisionImg->setEnabled(false);
    DecisionImg->SetCaption(LoadText(onRecord ? 225 : 224));
    DecisionImg->setToolTip(LoadText(onRecord ? 920 : 919));
    NewDataImg->setEnabled(onRecord);
    DeleteDataImg->setEnabled(onRecord);
}

void DiaryPage::ShowCalendar()
{
    QDate day = m_clock.Today();
    if (const std::optional<QDate> typed = m_formats.ParseDate(InputDate->text()))
        day = *typed;
    MonthView->setSelectedDate(day);
    MonthView->setCurrentPage(day.year(), day.month());
    // Over the date button, kept inside the page.
    MonthView->resize(MonthView->sizeHint());
    QPoint at = GetDateImg->mapTo(this, QPoint(0, 0));
    at.setX(std::max(0, std::min(at.x(), width() - MonthView->width())));
    at.setY(std::max(0, std::min(at.y(), height() - MonthView->height())));
    MonthView->move(at);
    MonthView->raise();
    MonthView->show();
    MonthView->setFocus();
}

void DiaryPage::HideCalendar()
{
    MonthView->hide();
}

void DiaryPage::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && MonthView->isVisible()) {
        HideCalendar();
        InputDate->setFocus();
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
    InputDate->setFocus();
    InputDate->setText(m_formats.FormatDate(date, m_formats.ShortDateFormat));
}

void DiaryPage::EnterCurrentTime(int slot)
{
    QLineEdit* input = InputTime[Slot(slot)];
    input->setText(m_formats.FormatTime(m_clock.TimeOfDay(), m_formats.ShortTimeFormat));
    input->setFocus();
}

} // namespace tarvel
