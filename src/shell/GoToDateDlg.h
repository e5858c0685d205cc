#pragma once

#include <QDate>
#include <QDialog>

class QCalendarWidget;

namespace tarvel {

// The Go to date dialog: a calendar on a starting day; OK (or a double click, or Enter on a day)
// takes the day chosen.
class GoToDateDlg : public QDialog {
    Q_OBJECT

public:
    explicit GoToDateDlg(const QDate& day, QWidget* parent = nullptr);

    QDate ChosenDate() const;

private:
    QCalendarWidget* m_calendar;
};

} // namespace tarvel
