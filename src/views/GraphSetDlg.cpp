#include "views/GraphSetDlg.h"

#include "platform/DialogFont.h"
#include "platform/LocaleFormats.h"
#include "platform/NumberText.h"
#include "platform/ScreenFit.h"
#include "platform/TextTable.h"
#include "store/GraphPeriod.h"
#include "store/Settings.h"
#include "store/WeighingText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvel {

GraphSetDlg::GraphSetDlg(Settings& settings, const LocaleFormats& formats, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_formats(formats), m_goal(new QLineEdit(this)),
      RangeSep(LoadText(TextId::RangeDash)), m_bmiScale(new QComboBox(this)), m_trend(new QComboBox(this)),
      m_ok(new QPushButton(tr("OK"), this)), m_cancel(new QPushButton(LoadText(TextId::Cancel), this))
{
    setWindowTitle(LoadText(TextId::RangeSettingTitle));
    UseDialogFont(*this);

    m_bmiScale->addItems({QStringLiteral(" 0") + RangeSep + QStringLiteral("50"),
                          QStringLiteral("15") + RangeSep + QStringLiteral("35")});
    m_bmiScale->setToolTip(LoadText(TextId::BmiRangeTip));
    // The spans in months, the whole diary (0) last by name.
    for (const int months : kGraphSpans) {
        m_trend->addItem(months == kWholeDiaryMonths ? LoadText(TextId::WholeDiary) : QString::number(months),
                         months);
    }
    m_trend->setToolTip(LoadText(TextId::TrendSpanTip));
    if (settings.BmiScaleMax == 50 && settings.BmiScaleMin == 0)
        m_bmiScale->setCurrentIndex(0);
    else if (settings.BmiScaleMax == 35 && settings.BmiScaleMin == 15)
        m_bmiScale->setCurrentIndex(1);
    if (!IsGraphSpan(settings.TrendMonths))
        settings.TrendMonths = 1;
    m_trend->setCurrentIndex(m_trend->findData(settings.TrendMonths));

    auto* grid = new QGridLayout;
    auto* bmiLabel = new QLabel(LoadText(TextId::BmiRange), this);
    auto* trendLabel = new QLabel(LoadText(TextId::TrendSpan), this);
    grid->addWidget(bmiLabel, 0, 0);
    grid->addWidget(m_bmiScale, 0, 1);
    grid->addWidget(trendLabel, 1, 0);
    grid->addWidget(m_trend, 1, 1);
    m_goal->setObjectName(QStringLiteral("goalWeight"));
    m_goal->setToolTip(LoadText(TextId::GoalWeightTip));
    // In the user's unit: "150.00" kg, "330.7" lb, "23 st 8.7 lb".
    m_goal->setMaxLength(settings.Unit == WeightUnit::StonesPounds ? 14 : 6);
    if (settings.GoalWeight) {
        m_shownGoal = settings.Unit == WeightUnit::Kilograms
                          ? formats.FormatNumber(*settings.GoalWeight, kWeightPattern)
                          : MassNumberText(MassFromKg(*settings.GoalWeight).value_or(Mass{}), settings.Unit,
                                           formats.DecimalSep);
        m_goal->setText(m_shownGoal);
    }
    grid->addWidget(new QLabel(LoadText(TextId::GoalWeightLabel).arg(UnitSymbol(settings.Unit)), this), 2, 0);
    grid->addWidget(m_goal, 2, 1);
    connect(m_goal, &QLineEdit::textChanged, this, [this] { m_ok->setEnabled(TypedGoal().has_value()); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    m_ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &GraphSetDlg::Accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    FitToScreen(*this);
}

void GraphSetDlg::Accept()
{
    const QString bmi = m_bmiScale->currentText();
    if (bmi == QStringLiteral(" 0") + RangeSep + QStringLiteral("50")) {
        m_settings.BmiScaleMax = 50;
        m_settings.BmiScaleMin = 0;
    } else if (bmi == QStringLiteral("15") + RangeSep + QStringLiteral("35")) {
        m_settings.BmiScaleMax = 35;
        m_settings.BmiScaleMin = 15;
    }
    if (m_trend->currentIndex() >= 0)
        m_settings.TrendMonths = m_trend->currentData().toInt();
    if (const auto goal = TypedGoal())
        m_settings.GoalWeight = *goal;
    accept();
}

std::optional<std::optional<double>> GraphSetDlg::TypedGoal() const
{
    const QString text = m_goal->text().trimmed();
    if (text.isEmpty())
        return std::optional<double>();
    if (!m_shownGoal.isEmpty() && text == m_shownGoal)
        return m_settings.GoalWeight;
    std::optional<double> kg;
    if (m_settings.Unit == WeightUnit::Kilograms) {
        kg = m_formats.ParseNumber(text);
    } else if (const auto read = ReadWeightText(text, m_formats.DecimalSep, m_settings.Unit)) {
        // Kept in the diary's 0.01 kg steps, as a weight typed in the unit is.
        if (const auto mass = MassFromKg(read->kg))
            kg = mass->kg();
    }
    if (!kg || !Settings::IsGoalWeight(*kg))
        return std::nullopt;
    return kg;
}

RangeChange SetGraphRange(Settings& settings, const std::function<void()>& showDialog)
{
    const int max = settings.BmiScaleMax;
    const int min = settings.BmiScaleMin;
    const int months = settings.TrendMonths;
    const std::optional<double> goal = settings.GoalWeight;
    showDialog();
    RangeChange change;
    change.span = settings.TrendMonths != months;
    change.bmiScale = settings.BmiScaleMax != max || settings.BmiScaleMin != min;
    change.goal = settings.GoalWeight != goal;
    return change;
}

} // namespace tarvel
