#include "views/Views.h"

#include "platform/TextTable.h"
#include "store/Diary.h"
#include "store/Settings.h"
#include "views/GraphSetDlg.h"
#include "views/ListView.h"
#include "views/TrendView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tarvel {

ViewPanel::ViewPanel(TextId suffixId, QWidget* parent) : QWidget(parent), m_suffixId(suffixId)
{
    auto* layout = new QVBoxLayout(this);
    m_title = new QLabel(this);
    // The owner's name is user text: never read as markup.
    m_title->setTextFormat(Qt::PlainText);
    QFont titleFont = m_title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_logo = new QLabel(this);
    m_logo->setFixedSize(80, 38);
    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(m_title, 1);
    titleRow->addWidget(m_logo);
    layout->addLayout(titleRow);
    m_body = new QVBoxLayout;
    layout->addLayout(m_body, 1);
    SetOwnerTitle(QString());
}

void ViewPanel::SetOwnerTitle(const QString& ownerName)
{
    const QString name = ownerName.isEmpty()
                             ? QStringLiteral("(") + LoadText(TextId::NoOwnerName) + QStringLiteral(")")
                             : ownerName;
    m_title->setText(name + LoadText(m_suffixId));
}

Views::Views(const Diary& diary, const Settings& settings, const LocaleFormats& formats, const Clock& clock)
    : m_settings(settings), m_list(new ViewPanel(TextId::ListTitleSuffix)),
      m_weight(new ViewPanel(TextId::WeightTrendTitleSuffix)),
      m_bmi(new ViewPanel(TextId::BmiTrendTitleSuffix)), m_listView(new ListView(diary, formats, clock)),
      m_weightView(new TrendView(TrendView::Kind::Weight, diary, m_period, settings, formats, clock)),
      m_bmiView(new TrendView(TrendView::Kind::Bmi, diary, m_period, settings, formats, clock))
{
    m_list->setObjectName(QStringLiteral("listPanel"));
    m_weight->setObjectName(QStringLiteral("weightPanel"));
    m_bmi->setObjectName(QStringLiteral("bmiPanel"));
    m_listView->setObjectName(QStringLiteral("listView"));
    m_weightView->setObjectName(QStringLiteral("weightView"));
    m_bmiView->setObjectName(QStringLiteral("bmiView"));
    m_list->Body()->addWidget(m_listView);
    m_listView->WatchTitleLabel(m_list->TitleLabel());
    m_weight->Body()->addWidget(m_weightView);
    m_bmi->Body()->addWidget(m_bmiView);
    TrendView::LinkPeriod(*m_weightView, *m_bmiView);
}

void Views::SetOwnerTitles(const QString& ownerName)
{
    m_list->SetOwnerTitle(ownerName);
    m_weight->SetOwnerTitle(ownerName);
    m_bmi->SetOwnerTitle(ownerName);
}

void Views::placePeriodAt(const QDate& day)
{
    m_period.PeriodStart = PeriodStartFor(day, m_settings.TrendMonths);
    m_period.PeriodEnd = PeriodEndFor(m_period.PeriodStart, m_settings.TrendMonths);
}

void Views::movePeriodForDelete(const QDate& deletedDay, const QDate& target, bool always)
{
    const bool inPeriod = m_period.PeriodStart <= deletedDay && deletedDay <= m_period.PeriodEnd;
    if (always || inPeriod)
        placePeriodAt(target);
}

void Views::ResetWeightScale()
{
    m_weightView->ResetWeightScale();
}

void Views::ShowUnit()
{
    m_listView->SetUnit(m_settings.Unit);
    m_weightView->Redraw();
    m_bmiView->Redraw();
}

void Views::ApplyRange(const RangeChange& change)
{
    if (change.span) {
        m_weightView->ResetGraphPeriod();
        m_weightView->UpdateGraphPagingButtons();
        m_bmiView->UpdateGraphPagingButtons();
        m_weightView->Redraw();
    } else if (change.goal) {
        m_weightView->Redraw();
    }
    if (change.span || change.bmiScale)
        m_bmiView->Redraw();
}

} // namespace tarvel
