#pragma once

#include <QDialog>

#include <functional>

class QComboBox;
class QPushButton;

namespace tarvel {

struct Settings;

// The Range dialog: the scale of the BMI graph (0 - 50 or 15 - 35) and the months both trend graphs
// span (1, 3, 6, 12 or the whole diary). OK writes the choice into the settings; Cancel leaves them.
class GraphSetDlg : public QDialog {
    Q_OBJECT

public:
    // Opening the dialog already turns a span that is not offered into 1.
    explicit GraphSetDlg(Settings& settings, QWidget* parent = nullptr);

private:
    void Accept();

    Settings& m_settings;
    QString RangeSep;
    QComboBox* m_bmiScale;
    QComboBox* m_trend;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

// What the Range command changed, so the caller redraws only that: a new span needs a new period
// and both graphs, a new BMI scale only the BMI graph.
struct RangeChange {
    bool span = false;
    bool bmiScale = false;
};

// The Range command: runs the dialog (showDialog) and compares the settings before and after.
RangeChange SetGraphRange(Settings& settings, const std::function<void()>& showDialog);

} // namespace tarvel
