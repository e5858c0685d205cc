#include "views/Views.h"

#include "platform/TextTable.h"
#include "store/Diary.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tarvel {

ViewPanel::ViewPanel(int suffixId, QWidget* parent) : QWidget(parent), m_suffixId(suffixId)
{
    auto* layout = new QVBoxLayout(this);
    m_title = new QLabel(this);
    // The owner's name is user text: never read as markup.
    m_title->setTextFormat(Qt::PlainText);
    QFont titleFont = m_title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    layout->addWidget(m_title);
    m_body = new QVBoxLayout;
    layout->addLayout(m_body, 1);
    SetOwnerTitle(QString());
}

void ViewPanel::SetOwnerTitle(const QString& ownerName)
{
    const QString name =
        ownerName.isEmpty() ? QStringLiteral("(") + LoadText(212) + QStringLiteral(")") : ownerName;
    m_title->setText(name + LoadText(m_suffixId));
}

Views::Views(const Diary& diary, QWidget* panelParent)
    : m_diary(diary), m_list(new ViewPanel(209, panelParent)), m_weight(new ViewPanel(210, panelParent)),
      m_bmi(new ViewPanel(211, panelParent))
{
}

void Views::SetOwnerTitles(const QString& ownerName)
{
    m_list->SetOwnerTitle(ownerName);
    m_weight->SetOwnerTitle(ownerName);
    m_bmi->SetOwnerTitle(ownerName);
}

void Views::Redraw()
{
    ClearViews();
    FillListGrid();
    ComputeGraphGeometry();
    DrawWeightGraph();
    DrawBmiGraph();
}

// The list and the graphs are not built yet: their panels show only the titles.
void Views::ClearViews() {}
void Views::FillListGrid() {}
void Views::ComputeGraphGeometry() {}
void Views::DrawWeightGraph() {}
void Views::DrawBmiGraph() {}

} // namespace tarvel
