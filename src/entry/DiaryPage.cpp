#include "entry/DiaryPage.h"

#include "platform/Clock.h"
#include "platform/LocaleFormats.h"
#include "platform/MessageService.h"
#include "platform/NumberText.h"
#include "platform/PictureButton.h"
#include "platform/TextTable.h"
#include "store/Bmi.h"
#include "store/DayCheck.h"
#include "store/Diary.h"
#include "store/DiaryText.h"
#include "store/WeighingText.h"

#include <QAbstractItemView>
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
#include <utility>
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

// The trend and goal summary under the buttons: two lines high and as wide as the page lets it be,
// whatever it shows, so that the page's controls never move when it appears or changes.
class SummaryLabel : public QLabel {
public:
    explicit SummaryLabel(QWidget* parent) : QLabel(parent)
    {
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    }
    QSize sizeHint() const override
    {
        const QMargins margins = contentsMargins();
        return {0, 2 * fontMetrics().lineSpacing() + margins.top() + margins.bottom() + 2 * margin()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

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

} // namespace

DiaryPage::DiaryPage(Diary& diary, const LocaleFormats& formats, const Clock& clock, MessageService& messages,
                     QWidget* parent)
    : QWidget(parent), m_diary(diary), m_formats(formats), m_clock(clock), m_messages(messages)
{
    BuildControls();
    NameControls();
    NameForScreenReaders();
    BuildLayout();
    setFocusProxy(m_name);
    ConnectRules();
    // A diary read, new or closed brings its owner and last day; an import keeps the shown day.
    connect(&m_diary, &Diary::daysReset, this, [this] {
        ShowOwner();
        ShowCurrentEntry();
    });
    connect(&m_diary, &Diary::daysAdded, this, &DiaryPage::ShowCurrentEntry);
}

void DiaryPage::BuildControls()
{
    m_name = new QLineEdit(this);
    m_name->setToolTip(LoadText(TextId::NameTip));
    m_nameLabel = PlainLabel(LoadText(TextId::DiaryTitleSuffix), this);

    m_position = PlainLabel(QStringLiteral("1"), this);
    m_position->setToolTip(LoadText(TextId::PositionTip));
    m_position->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_slash = PlainLabel(QStringLiteral("/"), this);
    m_count = PlainLabel(QStringLiteral("1"), this);
    m_count->setToolTip(LoadText(TextId::CountTip));

    m_dateLabel = PlainLabel(LoadText(TextId::DateLabel), this);
    m_date = new QLineEdit(this);
    m_date->setToolTip(LoadText(TextId::DateTip));
    m_dateButton = new PictureButton(LoadText(TextId::Enter), PictureButton::Kind::Wide, this);
    m_dateButton->setToolTip(LoadText(TextId::DateButtonTip));

    m_heightLabel = PlainLabel(LoadText(TextId::HeightLabel), this);
    m_height = new QLineEdit(this);
    m_height->setToolTip(LoadText(TextId::HeightTip));

    m_sexBox = new QGroupBox(LoadText(TextId::SexLabel), this);
    m_sexBox->setToolTip(LoadText(TextId::SexTip));
    m_male = new QRadioButton(LoadText(TextId::Male), m_sexBox);
    m_female = new QRadioButton(LoadText(TextId::Female), m_sexBox);

    m_morningLabel = PlainLabel(LoadText(TextId::Morning), this);
    m_nightLabel = PlainLabel(LoadText(TextId::Night), this);
    m_timeLabel = PlainLabel(LoadText(TextId::TimeLabel), this);
    m_weightLabel = PlainLabel(LoadText(TextId::WeightLabel), this);
    m_bmiLabel = PlainLabel(LoadText(TextId::BmiLabel), this);
    m_memoLabel = PlainLabel(LoadText(TextId::MemoLabel), this);

    BuildSlotControls();

    m_previousButton = new PictureButton(LoadText(TextId::PreviousData), PictureButton::Kind::Large, this);
    m_nextButton = new PictureButton(LoadText(TextId::NextData), PictureButton::Kind::Large, this);
    m_saveButton = new PictureButton(LoadText(TextId::SaveData), PictureButton::Kind::Large, this);
    m_newButton = new PictureButton(LoadText(TextId::NewData), PictureButton::Kind::Large, this);
    m_newButton->setToolTip(LoadText(TextId::NewDataTip));
    m_deleteButton = new PictureButton(LoadText(TextId::DeleteData), PictureButton::Kind::Large, this);
    m_deleteButton->setToolTip(LoadText(TextId::DeleteDataTip));
    m_saveButton->setEnabled(false);

    // The calendar (made by ShowCalendar) closes when the focus leaves it.
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        // The calendar's own month menu is a pop-up; the focus going there keeps it open.
        if (m_calendar != nullptr && now != nullptr && now != m_calendar && !m_calendar->isAncestorOf(now) &&
            QApplication::activePopupWidget() == nullptr)
            HideCalendar();
    });

    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("logo"));
    m_logo->setFixedSize(80, 38);

    m_trendSummary = new SummaryLabel(this);
    m_trendSummary->setTextFormat(Qt::PlainText);
    m_trendSummary->setObjectName(QStringLiteral("trendSummary"));
}

DiaryPage::~DiaryPage()
{
    // The widget's own teardown moves the focus, which must not reach the half-destroyed page.
    disconnect(m_focusWatch);
}

void DiaryPage::NameControls()
{
    // Object names say what a control shows; tests and the accessibility tree find controls by them.
    const std::pair<QObject*, const char*> named[] = {
        {m_name, "name"},
        {m_height, "height"},
        {m_sexBox, "sex"},
        {m_male, "male"},
        {m_female, "female"},
        {m_date, "date"},
        {m_dateButton, "dateButton"},
        {m_position, "position"},
        {m_count, "count"},
        {m_previousButton, "previousButton"},
        {m_nextButton, "nextButton"},
        {m_saveButton, "saveButton"},
        {m_newButton, "newButton"},
        {m_deleteButton, "deleteButton"},
    };
    for (const auto& [control, name] : named)
        control->setObjectName(QLatin1String(name));
    for (std::size_t slot = 0; slot < 2; ++slot) {
        const QString prefix = QLatin1String(slot == 0 ? "morning" : "night");
        m_time[slot]->setObjectName(prefix + QStringLiteral("Time"));
        m_timeButton[slot]->setObjectName(prefix + QStringLiteral("TimeButton"));
        m_weight[slot]->setObjectName(prefix + QStringLiteral("Weight"));
        m_bmi[slot]->setObjectName(prefix + QStringLiteral("Bmi"));
        m_bmiButton[slot]->setObjectName(prefix + QStringLiteral("BmiButton"));
        m_memo[slot]->setObjectName(prefix + QStringLiteral("Memo"));
    }
}

std::vector<PictureButton*> DiaryPage::LargeButtons() const
{
    return {m_previousButton, m_nextButton, m_saveButton, m_newButton, m_deleteButton};
}

std::vector<PictureButton*> DiaryPage::WideButtons() const
{
    return {m_dateButton, m_timeButton[0], m_timeButton[1], m_bmiButton[0], m_bmiButton[1]};
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
            m_date->text().isEmpty() || m_formats.ParseDate(m_date->text()) == weighed.date();
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
    m_weight[slot]->setText(weight);
    m_time[slot]->setText(m_formats.FormatTime(weighed.time(), m_formats.ShortTimeFormat));
    return true;
}

QString DiaryPage::DateText() const
{
    return m_date->text();
}

void DiaryPage::BuildSlotControls()
{
    for (std::size_t slot = 0; slot < 2; ++slot) {
        m_time[slot] = new QLineEdit(this);
        m_time[slot]->setToolTip(LoadText(TextId::TimeTip));
        m_timeButton[slot] = new PictureButton(LoadText(TextId::Enter), PictureButton::Kind::Wide, this);
        m_timeButton[slot]->setToolTip(LoadText(TextId::TimeButtonTip));
        m_weight[slot] = new QLineEdit(this);
        m_weight[slot]->setToolTip(LoadText(TextId::WeightTip));
        m_bmi[slot] = new QLineEdit(this);
        m_bmi[slot]->setToolTip(LoadText(TextId::BmiTip));
        m_bmiButton[slot] = new PictureButton(LoadText(TextId::Enter), PictureButton::Kind::Wide, this);
        m_bmiButton[slot]->setToolTip(LoadText(TextId::BmiButtonTip));
        m_bmiButton[slot]->setEnabled(false);
        m_memo[slot] = new QPlainTextEdit(this);
        m_memo[slot]->setToolTip(LoadText(TextId::MemoTip));
        m_memo[slot]->setTabChangesFocus(true);
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
    counters->addWidget(m_position);
    counters->addWidget(m_slash);
    counters->addWidget(m_count);
    counters->addSpacing(12);
    counters->addWidget(m_logo);
    // The counters and the logo span the night slot's columns, so its buttons keep the width of
    // the morning slot's.
    grid->addWidget(m_name, 0, 0, 1, 2);
    grid->addWidget(m_nameLabel, 0, 2);
    grid->addLayout(counters, 0, 3, 1, 2);

    auto* sexRow = new QHBoxLayout(m_sexBox);
    sexRow->addWidget(m_male);
    sexRow->addWidget(m_female);
    sexRow->addStretch();

    grid->addWidget(m_dateLabel, 1, 0);
    grid->addWidget(m_date, 1, 1);
    grid->addWidget(m_dateButton, 1, 2);
    grid->addWidget(m_sexBox, 1, 3, 2, 2);
    grid->addWidget(m_heightLabel, 2, 0);
    grid->addWidget(m_height, 2, 1);
    grid->addWidget(PlainLabel(QStringLiteral("cm"), this), 2, 2);

    grid->addWidget(m_morningLabel, 3, 1, 1, 2);
    grid->addWidget(m_nightLabel, 3, 3, 1, 2);
    grid->addWidget(m_timeLabel, 4, 0);
    grid->addWidget(m_weightLabel, 5, 0);
    grid->addWidget(m_bmiLabel, 6, 0);
    grid->addWidget(m_memoLabel, 7, 0, Qt::AlignTop);
    for (std::size_t slot = 0; slot < 2; ++slot) {
        const int column = 1 + 2 * static_cast<int>(slot);
        grid->addWidget(m_time[slot], 4, column);
        grid->addWidget(m_timeButton[slot], 4, column + 1);
        grid->addWidget(m_weight[slot], 5, column);
        grid->addWidget(PlainLabel(QStringLiteral("kg"), this), 5, column + 1);
        grid->addWidget(m_bmi[slot], 6, column);
        grid->addWidget(m_bmiButton[slot], 6, column + 1);
        grid->addWidget(m_memo[slot], 7, column, 1, 2);
        // On a small screen the memos give up height first, down to two lines.
        QPlainTextEdit* memo = m_memo[slot];
        memo->setMinimumHeight(2 * memo->fontMetrics().lineSpacing() + 2 * memo->frameWidth() + 8);
    }

    auto* buttons = new QHBoxLayout;
    for (PictureButton* button : {m_previousButton, m_nextButton, m_saveButton, m_newButton, m_deleteButton})
        buttons->addWidget(button);
    grid->addLayout(buttons, 8, 0, 1, 5);
    grid->addWidget(m_trendSummary, 9, 0, 1, 5);

    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(7, 1);

    // Tab walks the page as it is seen, row by row and left to right in each row (the sex frame
    // stands beside the date and the height and begins on the date's row).
    const std::initializer_list<QWidget*> rows[] = {
        {m_name},
        {m_date, m_dateButton, m_male, m_female},
        {m_height},
        {m_time[0], m_timeButton[0], m_time[1], m_timeButton[1]},
        {m_weight[0], m_weight[1]},
        {m_bmi[0], m_bmiButton[0], m_bmi[1], m_bmiButton[1]},
        {m_memo[0], m_memo[1]},
        {m_previousButton, m_nextButton, m_saveButton, m_newButton, m_deleteButton},
    };
    QWidget* previous = nullptr;
    for (const std::initializer_list<QWidget*>& row : rows) {
        for (QWidget* control : row) {
            if (previous != nullptr)
                setTabOrder(previous, control);
            previous = control;
        }
    }
}

void DiaryPage::ConnectRules()
{
    connect(m_name, &QLineEdit::textChanged, this, &DiaryPage::OnNameChanged);
    connect(m_height, &QLineEdit::textChanged, this, &DiaryPage::OnHeightChanged);
    connect(m_male, &QRadioButton::clicked, this, [this] { OnSexClicked(1); });
    connect(m_female, &QRadioButton::clicked, this, [this] { OnSexClicked(2); });
    for (int slot = 0; slot < 2; ++slot) {
        const std::size_t i = Slot(slot);
        connect(m_time[i], &QLineEdit::textChanged, this, [this] { MarkEdited(EditScope::Page); });
        connect(m_weight[i], &QLineEdit::textChanged, this,
                [this, slot](const QString& text) { OnWeightChanged(slot, text); });
        connect(m_bmi[i], &QLineEdit::textChanged, this, [this, slot] { MarkEdited(SlotScope(slot)); });
        connect(m_memo[i], &QPlainTextEdit::textChanged, this, [this, slot] { OnMemoChanged(slot); });
        connect(m_bmiButton[i], &PictureButton::Released, this, [this, slot] { EnterBmi(slot); });
        connect(m_timeButton[i], &PictureButton::Released, this, [this, slot] { EnterCurrentTime(slot); });
    }
    connect(m_date, &QLineEdit::textChanged, this, &DiaryPage::OnDateChanged);
    connect(m_date, &QLineEdit::textChanged, this, &DiaryPage::ShownDayChanged);
    connect(m_dateButton, &PictureButton::Released, this, &DiaryPage::ShowCalendar);
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
    if (!WeightWithinLimit(m_formats.LeadingNumber(text))) {
        RefuseInput(TextId::MaximumWeight, m_weight[i], m_lastValidWeight[i]);
        return;
    }
    m_lastValidWeight[i] = text;
    MarkEdited(SlotScope(slot));
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

QString DiaryPage::ComputeBmi(int slot) const
{
    const std::optional<double> bmi = BodyMassIndex(m_formats.ParseNumber(m_height->text()),
                                                    m_formats.ParseNumber(m_weight[Slot(slot)]->text()));
    return m_formats.FormatNumber(bmi.value_or(0), kBmiComputePattern);
}

void DiaryPage::EnterBmi(int slot)
{
    const std::size_t i = Slot(slot);
    const int missing = (m_height->text().isEmpty() ? 1 : 0) + (m_weight[i]->text().isEmpty() ? 2 : 0);
    if (missing != 0) {
        // Input your height, your weight, or both.
        constexpr TextId kMissingTexts[] = {TextId::InputHeight, TextId::InputWeight,
                                            TextId::InputHeightAndWeight};
        ShowMessage(kMissingTexts[missing - 1], IconExclamation);
        return;
    }
    const QString bmi = ComputeBmi(slot);
    if (bmi == m_formats.FormatNumber(0, kBmiComputePattern))
        return;
    // ComputeBmi read both inputs as numbers, so they are numbers here.
    const double height = m_formats.ParseNumber(m_height->text()).value_or(0);
    const double weight = m_formats.ParseNumber(m_weight[i]->text()).value_or(0);
    m_bmi[i]->setText(m_formats.FormatNumber(m_formats.ParseNumber(bmi).value_or(0), kBmiPattern));
    m_bmi[i]->setFocus();
    m_height->setText(m_formats.FormatNumber(height, kHeightPattern));
    m_weight[i]->setText(m_formats.FormatNumber(weight, kWeightPattern));
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
    if (onRecord) {
        const DayRecord& record = m_diary.records().Item(current);
        date = m_formats.FormatDate(record.date, m_formats.ShortDateFormat);
        for (std::size_t i = 0; i < 2; ++i) {
            const Weighing& stored = record.slot[i];
            if (stored.time)
                slots[i][0] = m_formats.FormatTime(*stored.time, m_formats.ShortTimeFormat);
            if (stored.hasWeight())
                slots[i][1] = m_formats.FormatNumber(ShownKg(stored), kWeightPattern);
            const QString bmi = BmiText(stored, m_formats);
            if (!bmi.isEmpty())
                slots[i][2] = m_formats.FormatNumber(m_formats.LeadingNumber(bmi), kBmiPattern);
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

void DiaryPage::ShowCalendar()
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

void DiaryPage::EnterCurrentTime(int slot)
{
    QLineEdit* input = m_time[Slot(slot)];
    input->setText(m_formats.FormatTime(m_clock.TimeOfDay(), m_formats.ShortTimeFormat));
    input->setFocus();
}

} // namespace tarvel
