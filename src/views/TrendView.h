#pragma once

#include "platform/PagingDirection.h"
#include "views/HoldRepeat.h"
#include "views/TrendGraph.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

namespace tarvel {

class Clock;
class PictureButton;

// The picture a graph is drawn into; it shows its last drawing until the next one and reports the
// mouse in its own pixels.
class GraphSurface : public QWidget {
    Q_OBJECT

public:
    explicit GraphSurface(QWidget* parent = nullptr);

    const QImage& Image() const { return m_image; }
    // Shows the image; hands back the one shown before, for the next drawing to reuse.
    QImage SetImage(QImage image);
    // Erases the drawing: the surface shows white until the next one.
    void Clear();

Q_SIGNALS:
    void Resized();
    void MouseMoved(QPointF position);
    void Left();
    void DoubleClicked();
    void ButtonReleased(QPointF position);
    // The pointer rested on the surface: a tooltip for that position is wanted.
    void ToolTipAsked(QPointF position, QPoint globalPosition);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_image;
};

// The body of the Weight trend or the BMI trend tab: the graph, the previous and next period
// buttons, and on the weight tab the zoom labels. Both tabs share the window's GraphPeriod; link
// them with LinkPeriod so that paging one redraws the other. The graph redraws itself when its
// size or the diary's days change.
class TrendView : public QWidget {
    Q_OBJECT

public:
    enum class Kind { Weight, Bmi };

    // diary: read and followed; period: paged; settings: span and
    // BMI scale; clock: today, for the paging rules of an empty diary.
    TrendView(Kind kind, const Diary& diary, GraphPeriod& period, const Settings& settings,
              const LocaleFormats& formats, const Clock& clock, QWidget* parent = nullptr);

    // Paging either view updates the other's buttons and redraws its graph.
    static void LinkPeriod(TrendView& first, TrendView& second);

    // The diary's trend, which the weight graph draws as a line (none: no line), and the colours of
    // the trend and goal lines; a change of colours redraws the graph.
    void SetTrend(const Trend* trend) { m_trend = trend; }
    void SetLineColours(const TrendLineColours& colours);

    // Clears the graph, lays it out anew from the main window's width and this graph's size, and
    // draws it.
    void Redraw();

    // The weight scale back to ±2 kg (the weight view's; the BMI view has one it does not use).
    void ResetWeightScale();

    // Enables or disables this view's paging buttons.
    void UpdateGraphPagingButtons();
    // The period anew after the span changed; the caller updates the buttons and redraws.
    void ResetGraphPeriod();
    // A step, then both graphs redrawn whether or not it was taken: what a click on a paging
    // button does.
    void GraphPreviousPage();
    void GraphNextPage();
    // The period holding a date (the Go to date command); then both graphs redrawn.
    void ShowDate(const QDate& date);

    // Where the tooltips take a day's trend weight from; none by default.
    void SetTrendSource(std::function<std::optional<double>(const QDate&)> trendAt)
    {
        m_trendAt = std::move(trendAt);
    }

    // The paging and zoom buttons, which the colour scheme paints. The graph itself is the child
    // "WeightGraph" or "BmiGraph".
    PictureButton* FrontButton() const { return m_front; }
    PictureButton* NextButton() const { return m_next; }
    PictureButton* PlusLabel() const { return m_plus; }   // null on the BMI view
    PictureButton* MinusLabel() const { return m_minus; } // null on the BMI view

Q_SIGNALS:
    // A double click opened the day at position; the window shows it on the Diary tab.
    void RecordOpened(int position);
    // The period was paged here (a step taken or refused); the linked view follows.
    void PeriodPaged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // ClearWeightGraph or ClearBmiGraph.
    void ClearGraph();
    // The geometry from the main window's width and this graph's size.
    void ComputeGraphGeometry();
    // DrawWeightGraph or DrawBmiGraph into the surface; enables the zoom labels when the diary
    // holds records and resets the pointer.
    void DrawGraph();
    // One step back or forward; updates the paging buttons when taken.
    bool StepGraphPeriod(PagingDirection direction);
    // One zoom step; nothing for an empty diary. Redraws the weight graph only.
    void ZoomWeightGraph(Zoom zoom);
    // The keys and the wheel: count steps one way (refused steps end the walk), or the period of
    // the first or last record; then both graphs redrawn.
    void PageSteps(PagingDirection direction, int count);
    void ShowRecordEnd(PagingDirection end);
    // For the whole-diary span, the period follows the first and last record; run before
    // redrawing after the records changed.
    void FitWholeDiary();
    // WeightDayAt or BmiDayAt on this graph's geometry; x and y in twips.
    int DayAt(double x, double y) const;
    // UpdateWeightPointer or UpdateBmiPointer: the pointing hand over a day with a record, the
    // arrow elsewhere; nothing when the day did not change.
    void UpdatePointer(int newDay, int oldDay);
    void Page(PagingDirection direction);
    void ShowPeriod(const GraphPeriod& period);
    void FollowPaging();
    void FollowDiary();
    void MouseMoved(QPointF position);
    void OpenDayAt(QPointF position);
    // The tooltip of the day under a point of the surface (its pixels): the day's date and
    // weighings, empty where no record lies.
    QString ToolTipAt(QPointF position) const;
    double Dpi() const;
    double ToTwips(double pixels) const;

    Kind m_kind;
    const Diary& m_diary;
    GraphPeriod& m_period;
    const Settings& m_settings;
    const LocaleFormats& m_formats;
    const Clock& m_clock;
    const Trend* m_trend = nullptr;
    TrendLineColours m_lines;

    GraphGeometry m_geometry;
    WeightScale m_scale;
    HoldRepeat m_hold{this};
    int m_hoverDay = 0;
    bool m_doubleClicked = false;
    bool m_redrawOnShow = false; // paged along while its tab was hidden
    int m_wheelAngle = 0;        // wheel turns not yet a whole step
    std::function<std::optional<double>(const QDate&)> m_trendAt;

    GraphBackdrop m_backdrop;
    QImage m_spareImage;
    GraphSurface* m_surface;
    PictureButton* m_front;
    PictureButton* m_next;
    PictureButton* m_plus = nullptr;
    PictureButton* m_minus = nullptr;
};

} // namespace tarvel
