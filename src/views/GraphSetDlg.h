#pragma once

#include <QDialog>

#include <functional>
#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tarvel {

class LocaleFormats;
struct Settings;

// The Range dialog: the scale of the BMI graph (0 - 50 or 15 - 35), the months both trend graphs
// span (1, 3, 6, 12 or the whole diary) and the goal weight (a number in the locale's writing, or
// empty for none; OK is offered only for a goal the settings keep). OK writes the choice into the
// settings; Cancel leaves them.
class GraphSetDlg : public QDialog {
    Q_OBJECT

public:
    // Opening the dialog already turns a span that is not offered into 1.
    GraphSetDlg(Settings& settings, const LocaleFormats& formats, QWidget* parent = nullptr);

private:
    void Accept();
    // The goal typed: none for an empty input, nothing valid for one the settings do not keep.
    std::optional<std::optional<double>> TypedGoal() const;

    Settings& m_settings;
    const LocaleFormats& m_formats;
    QLineEdit* m_goal;
    QString m_shownGoal; // the goal as the dialog opened with it, which stays exactly as stored
    QString RangeSep;
    QComboBox* m_bmiScale;
    QComboBox* m_trend;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

// What the Range command changed, so the caller redraws only that: a new span needs a new period
// and both graphs, a new BMI scale only the BMI graph, a new goal the weight graph and the Diary
// page's summary.
struct RangeChange {
    bool span = false;
    bool bmiScale = false;
    bool goal = false;
};

// The Range command: runs the dialog (showDialog) and compares the settings before and after.
RangeChange SetGraphRange(Settings& settings, const std::function<void()>& showDialog);

} // namespace tarvel
