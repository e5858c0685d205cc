#pragma once

#include "platform/TextTable.h"
#include "store/GraphPeriod.h"

#include <QString>
#include <QWidget>

class QLabel;
class QVBoxLayout;

namespace tarvel {

class Diary;

// One of the List, Weight trend and BMI trend panels: the tab's title label over the area its view
// fills.
class ViewPanel : public QWidget {
    Q_OBJECT

public:
    // suffixId is the text put after the owner's name in the title (ListTitleSuffix, WeightTrendTitleSuffix
    // or BmiTrendTitleSuffix).
    ViewPanel(TextId suffixId, QWidget* parent = nullptr);

    // The owner's name followed by the tab's text; "(New)" stands in for an empty name.
    void SetOwnerTitle(const QString& ownerName);
    QLabel* TitleLabel() const { return m_title; }
    // The tab's logo at the right end of the title row; the colour scheme puts its picture in.
    QLabel* Logo() const { return m_logo; }
    // The layout under the title that the view's controls go into.
    QVBoxLayout* Body() const { return m_body; }

private:
    TextId m_suffixId;
    QLabel* m_title;
    QLabel* m_logo;
    QVBoxLayout* m_body;
};

class ListView;
class TrendView;
class Clock;
class LocaleFormats;
struct RangeChange;
struct Settings;

// The three views of the diary. Each follows the diary's changes itself; the window reaches them
// here for their panels, colours and commands.
class Views {
public:
    Views(const Diary& diary, const Settings& settings, const LocaleFormats& formats, const Clock& clock);

    ViewPanel* ListPanel() const { return m_list; }
    ViewPanel* WeightPanel() const { return m_weight; }
    ViewPanel* BmiPanel() const { return m_bmi; }
    ListView& List() const { return *m_listView; }
    TrendView& WeightView() const { return *m_weightView; }
    TrendView& BmiView() const { return *m_bmiView; }

    void SetOwnerTitles(const QString& ownerName);

    // The weight graph's vertical scale back to its start (a diary read, New, Close).
    void ResetWeightScale();
    // The period both graphs show: the one that holds day, in the span of the settings. The graphs
    // draw it at the diary's next change.
    const GraphPeriod& period() const { return m_period; }
    void placePeriodAt(const QDate& day);
    // Before a day is removed: the period moves to target's when always is set, or when deletedDay
    // lies in it (so the graphs keep showing data).
    void movePeriodForDelete(const QDate& deletedDay, const QDate& target, bool always);
    // After the Range command: a new span chooses the period anew and redraws both graphs, a new
    // BMI scale redraws the BMI graph, a new goal the weight graph.
    void ApplyRange(const RangeChange& change);
    // After the settings' unit changed: the list and both graphs show weights in it.
    void ShowUnit();

private:
    const Settings& m_settings;
    GraphPeriod m_period; // before the views, which hold it by reference
    ViewPanel* m_list;
    ViewPanel* m_weight;
    ViewPanel* m_bmi;
    ListView* m_listView;
    TrendView* m_weightView;
    TrendView* m_bmiView;
};

} // namespace tarvel
