#include "shell/GoToDateDlg.h"

#include "platform/DialogFont.h"
#include "platform/TextTable.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvel {

GoToDateDlg::GoToDateDlg(const QDate& day, QWidget* parent)
    : QDialog(parent), m_calendar(new QCalendarWidget(this))
{
    setWindowTitle(LoadText(TextId::GoToDate));
    UseDialogFont(*this);
    m_calendar->setObjectName(QStringLiteral("goToCalendar"));
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setToolTip(LoadText(TextId::SelectDayTip));
    m_calendar->setSelectedDate(day);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(LoadText(TextId::Cancel), this);
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_calendar);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_calendar, &QCalendarWidget::activated, this, &QDialog::accept);
}

QDate GoToDateDlg::ChosenDate() const
{
    return m_calendar->selectedDate();
}

} // namespace tarvel
