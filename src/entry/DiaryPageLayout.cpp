// The Diary page's controls: made, named and laid out once, by the constructor. What they do is
// wired in DiaryPage.cpp.
#include "entry/DiaryPage.h"

#include "platform/PictureButton.h"
#include "platform/PlainLabel.h"
#include "platform/TextTable.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <utility>

namespace tarvel {

namespace {

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

} // namespace

void DiaryPage::buildControls()
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

    buildSlotControls();

    m_previousButton = new PictureButton(LoadText(TextId::PreviousData), PictureButton::Kind::Large, this);
    m_nextButton = new PictureButton(LoadText(TextId::NextData), PictureButton::Kind::Large, this);
    m_saveButton = new PictureButton(LoadText(TextId::SaveData), PictureButton::Kind::Large, this);
    m_newButton = new PictureButton(LoadText(TextId::NewData), PictureButton::Kind::Large, this);
    m_newButton->setToolTip(LoadText(TextId::NewDataTip));
    m_deleteButton = new PictureButton(LoadText(TextId::DeleteData), PictureButton::Kind::Large, this);
    m_deleteButton->setToolTip(LoadText(TextId::DeleteDataTip));
    m_saveButton->setEnabled(false);

    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("logo"));
    m_logo->setFixedSize(80, 38);

    m_trendSummary = new SummaryLabel(this);
    m_trendSummary->setTextFormat(Qt::PlainText);
    m_trendSummary->setObjectName(QStringLiteral("trendSummary"));
}

void DiaryPage::nameControls()
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

void DiaryPage::buildSlotControls()
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

void DiaryPage::buildLayout()
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
        m_unitLabel[slot] = PlainLabel(QStringLiteral("kg"), this);
        grid->addWidget(m_unitLabel[slot], 5, column + 1);
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

} // namespace tarvel
