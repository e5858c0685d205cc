#include "views/TrendView.h"

#include "platform/Clock.h"
#include "platform/LocaleFormats.h"
#include "platform/PictureButton.h"
#include "platform/TextTable.h"
#include "platform/WheelNotches.h"
#include "store/DayWeight.h"
#include "store/Diary.h"
#include "store/Settings.h"
#include "store/WeighingText.h"
#include "views/DayToolTip.h"
#include "views/GraphPaging.h"

#include <QAccessibleWidget>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cmath>
#include <cstdlib>
#include <memory>

namespace tarvel {

namespace {

// A graph is a chart to screen readers; its name and description are the view's.
QAccessibleInterface* MakeGraphInterface(const QString&, QObject* object)
{
    if (auto* surface = qobject_cast<GraphSurface*>(object))
        return new QAccessibleWidget(surface, QAccessible::Chart);
    return nullptr;
}

// What a screen reader says of a graph: its period and the first and last value plotted in it.
QString GraphDescription(TrendView::Kind kind, const Diary& diary, const GraphPeriod& period, WeightUnit unit,
                         const LocaleFormats& formats)
{
    if (!period.PeriodStart.isValid() || !period.PeriodEnd.isValid())
        return QString();
    QString first;
    QString last;
    std::optional<qint64> previousDay;
    for (const DayRecord& record :
         diary.records().RecordsBetween(DayNumber(period.PeriodStart), DayNumber(period.PeriodEnd))) {
        // A day's first record is the one the graph plots.
        if (record.dayNumber() == previousDay)
            continue;
        previousDay = record.dayNumber();
        for (const Weighing& weighing : record.slot) {
            // The values the graph plots, as the window shows them.
            const bool weight = kind == TrendView::Kind::Weight;
            if (!(weight ? WeighingOf(weighing) : BmiOf(weighing)))
                continue;
            const QString value =
                weight ? WeightUnitText(weighing, unit, formats) : BmiText(weighing, formats);
            if (first.isEmpty())
                first = value;
            last = value;
        }
    }
    const QString from = formats.FormatDate(period.PeriodStart, formats.ShortDateFormat);
    const QString to = formats.FormatDate(period.PeriodEnd, formats.ShortDateFormat);
    if (first.isEmpty())
        return LoadText(TextId::NoWeighingInPeriod).arg(from, to);
    return LoadText(kind == TrendView::Kind::Weight ? TextId::WeightPeriodSummary : TextId::BmiPeriodSummary)
        .arg(from, to, first, last);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// GraphSurface

GraphSurface::GraphSurface(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(120, 90);
    static const bool chartInstalled = [] {
        QAccessible::installFactory(MakeGraphInterface);
        return true;
    }();
    (void)chartInstalled;
}

QImage GraphSurface::SetImage(QImage image)
{
    std::swap(m_image, image);
    update();
    return image;
}

void GraphSurface::Clear()
{
    m_image = QImage();
    update();
}

bool GraphSurface::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        Q_EMIT ToolTipAsked(help->pos(), help->globalPos());
        return true;
    }
    return QWidget::event(event);
}

void GraphSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_image.isNull())
        painter.drawImage(QPointF(0, 0), m_image);
}

void GraphSurface::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Q_EMIT Resized();
}

void GraphSurface::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT MouseMoved(event->position());
}

void GraphSurface::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    Q_EMIT Left();
}

void GraphSurface::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    Q_EMIT DoubleClicked();
}

void GraphSurface::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    Q_EMIT ButtonReleased(event->position());
}

// ---------------------------------------------------------------------------------------------
// TrendView

TrendView::TrendView(Kind kind, const Diary& diary, GraphPeriod& period, const Settings& settings,
                     const LocaleFormats& formats, const Clock& clock, QWidget* parent)
    : QWidget(parent), m_kind(kind), m_diary(diary), m_period(period), m_settings(settings),
      m_formats(formats), m_clock(clock)
{
    const bool weight = kind == Kind::Weight;
    m_surface = new GraphSurface(this);
    // The keys page the graph once it has the focus (a click on it, Tab, or the tab shown): the
    // focus is the graph's, which a screen reader names, and its keys pass on to this view.
    m_surface->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_surface);
    m_surface->setObjectName(weight ? QStringLiteral("WeightGraph") : QStringLiteral("BmiGraph"));
    m_surface->setAccessibleName(LoadText(weight ? TextId::WeightTrendGraph : TextId::BmiTrendGraph));
    m_front = new PictureButton(LoadText(TextId::PreviousArrow), PictureButton::Kind::Large, this);
    m_front->setObjectName(weight ? QStringLiteral("FrontWeightImg") : QStringLiteral("FrontBmiImg"));
    m_next = new PictureButton(LoadText(TextId::NextArrow), PictureButton::Kind::Large, this);
    m_next->setObjectName(weight ? QStringLiteral("NextWeightImg") : QStringLiteral("NextBmiImg"));
    m_front->setAccessibleName(LoadText(TextId::PreviousPeriod));
    m_next->setAccessibleName(LoadText(TextId::NextPeriod));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_front);
    buttons->addStretch(1);
    if (weight) {
        // The zoom captions are signs, not words: the text table has no entry for them.
        m_plus = new PictureButton(QStringLiteral("+"), PictureButton::Kind::Wide, this);
        m_plus->setObjectName(QStringLiteral("PlusLabel"));
        m_minus = new PictureButton(QStringLiteral("-"), PictureButton::Kind::Wide, this);
        m_minus->setObjectName(QStringLiteral("MinusLabel"));
        m_plus->setAccessibleName(LoadText(TextId::ZoomIn));
        m_minus->setAccessibleName(LoadText(TextId::ZoomOut));
        QFont zoomFont = m_plus->font();
        zoomFont.setPointSizeF(zoomFont.pointSizeF() * 1.5);
        zoomFont.setBold(true);
        m_plus->setFont(zoomFont);
        m_minus->setFont(zoomFont);
        buttons->addWidget(m_plus);
        buttons->addWidget(m_minus);
        buttons->addStretch(1);
        connect(m_plus, &PictureButton::Released, this, [this] { ZoomWeightGraph(Zoom::In); });
        connect(m_minus, &PictureButton::Released, this, [this] { ZoomWeightGraph(Zoom::Out); });
    }
    buttons->addWidget(m_next);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_surface, 1);
    layout->addLayout(buttons);

    // Holding a paging button repeats its step; one that becomes disabled under the hold ends it.
    const auto holdStep = [this](PagingDirection direction) {
        Page(direction);
        if (!(direction == PagingDirection::Forward ? m_next : m_front)->isEnabled())
            m_hold.Stop();
    };
    connect(m_front, &PictureButton::Pressed, this,
            [this, holdStep] { m_hold.Press([holdStep] { holdStep(PagingDirection::Back); }); });
    connect(m_next, &PictureButton::Pressed, this,
            [this, holdStep] { m_hold.Press([holdStep] { holdStep(PagingDirection::Forward); }); });
    connect(m_front, &PictureButton::Released, &m_hold, &HoldRepeat::Release);
    connect(m_next, &PictureButton::Released, &m_hold, &HoldRepeat::Release);

    connect(m_surface, &GraphSurface::Resized, this, &TrendView::Redraw);
    // The graph follows the diary: every change of its days draws it again.
    for (auto changed : {&Diary::daysReset, &Diary::daysAdded})
        connect(&m_diary, changed, this, &TrendView::FollowDiary);
    for (auto changed : {&Diary::dayStored, &Diary::dayRemoved})
        connect(&m_diary, changed, this, &TrendView::FollowDiary);
    connect(m_surface, &GraphSurface::MouseMoved, this, &TrendView::MouseMoved);
    connect(m_surface, &GraphSurface::Left, this, [this] {
        UpdatePointer(-1, m_hoverDay);
        m_hoverDay = -1;
    });
    connect(m_surface, &GraphSurface::DoubleClicked, this, [this] { m_doubleClicked = true; });
    connect(m_surface, &GraphSurface::ToolTipAsked, this, [this](QPointF position, QPoint global) {
        const QString text = ToolTipAt(position);
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(global, text, m_surface);
    });
    connect(m_surface, &GraphSurface::ButtonReleased, this, [this](QPointF position) {
        if (m_doubleClicked)
            OpenDayAt(position);
        m_doubleClicked = false;
    });
}

void TrendView::LinkPeriod(TrendView& first, TrendView& second)
{
    connect(&first, &TrendView::PeriodPaged, &second, [&second] { second.FollowPaging(); });
    connect(&second, &TrendView::PeriodPaged, &first, [&first] { first.FollowPaging(); });
}

void TrendView::SetLineColours(const TrendLineColours& colours)
{
    if (colours == m_lines)
        return;
    m_lines = colours;
    Redraw();
}

double TrendView::Dpi() const
{
    return m_surface->logicalDpiX();
}

double TrendView::ToTwips(double pixels) const
{
    return pixels * kTwipsPerInch / Dpi();
}

void TrendView::ClearGraph()
{
    m_surface->Clear();
}

void TrendView::ComputeGraphGeometry()
{
    const double dpi = Dpi();
    const QSize graph(PixelsToTwips(m_surface->width(), dpi), PixelsToTwips(m_surface->height(), dpi));
    // Each view lays out its own picture; the two tabs give their graphs the same size.
    m_geometry = tarvel::ComputeGraphGeometry(PixelsToTwips(window()->width(), dpi), graph, graph);
}

void TrendView::DrawGraph()
{
    const bool hasData = !m_diary.records().IsEmpty();
    if (m_plus) {
        m_plus->setEnabled(hasData);
        m_minus->setEnabled(hasData);
    }
    if (!m_surface->size().isEmpty()) {
        const double dpi = Dpi();
        const qreal ratio = m_surface->devicePixelRatioF();
        // The picture drawn last time is drawn over when the surface has let go of it: a paging step
        // then allocates nothing.
        const QSize pixels = (QSizeF(m_surface->size()) * ratio).toSize();
        QImage image = std::move(m_spareImage);
        if (image.size() != pixels || image.devicePixelRatio() != ratio || !image.isDetached())
            image = QImage(pixels, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
        image.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
        {
            // Each drawing begins by filling the whole picture.
            QPainter painter(&image);
            painter.setFont(m_surface->font());
            const GraphSources sources{m_diary, m_period, m_settings, m_formats, m_trend, m_lines};
            if (m_kind == Kind::Weight)
                DrawWeightGraph(painter, dpi, m_geometry, sources, m_scale, nullptr, &m_backdrop);
            else
                DrawBmiGraph(painter, dpi, m_geometry, sources, nullptr, &m_backdrop);
        }
        m_spareImage = m_surface->SetImage(std::move(image));
    }
    // Every drawing follows a change of the period or the records: screen readers hear the new state.
    m_surface->setAccessibleDescription(
        GraphDescription(m_kind, m_diary, m_period, m_settings.Unit, m_formats));
    // The drawing leaves the arrow; the next move over a day sets the pointer again.
    UpdatePointer(-1, 0);
    m_hoverDay = -1;
}

void TrendView::Redraw()
{
    m_redrawOnShow = false;
    ClearGraph();
    ComputeGraphGeometry();
    DrawGraph();
}

void TrendView::ResetWeightScale()
{
    tarvel::ResetWeightScale(m_scale);
}

void TrendView::UpdateGraphPagingButtons()
{
    const GraphPaging paging = GraphPagingState(m_period, m_settings.TrendMonths, m_diary, m_clock.Today());
    m_front->setEnabled(paging.previous);
    m_next->setEnabled(paging.next);
}

bool TrendView::StepGraphPeriod(PagingDirection direction)
{
    if (!tarvel::StepGraphPeriod(m_period, direction, m_settings.TrendMonths, m_diary, m_clock.Today()))
        return false;
    UpdateGraphPagingButtons();
    return true;
}

void TrendView::ResetGraphPeriod()
{
    tarvel::ResetGraphPeriod(m_period, m_settings.TrendMonths, m_diary, m_clock.Today());
}

void TrendView::GraphPreviousPage()
{
    Page(PagingDirection::Back);
}

void TrendView::GraphNextPage()
{
    Page(PagingDirection::Forward);
}

void TrendView::Page(PagingDirection direction)
{
    StepGraphPeriod(direction);
    Redraw();
    Q_EMIT PeriodPaged();
}

void TrendView::FollowDiary()
{
    // Both graphs show the same period; fitting it twice gives the same period.
    FitWholeDiary();
    Redraw();
    UpdateGraphPagingButtons();
}

void TrendView::FollowPaging()
{
    UpdateGraphPagingButtons();
    // The other graph's tab is hidden in a shown window: it is drawn when it is shown, so a paging
    // step costs one drawing.
    if (!isVisible() && window()->isVisible()) {
        m_redrawOnShow = true;
        return;
    }
    Redraw();
}

void TrendView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_redrawOnShow)
        Redraw();
}

void TrendView::ZoomWeightGraph(Zoom zoom)
{
    if (m_diary.records().IsEmpty())
        return;
    m_scale.WeightRange = ZoomedWeightRange(m_scale.WeightRange, zoom);
    Redraw();
}

void TrendView::PageSteps(PagingDirection direction, int count)
{
    for (int step = 0; step < count; ++step) {
        if (!tarvel::StepGraphPeriod(m_period, direction, m_settings.TrendMonths, m_diary, m_clock.Today()))
            break;
    }
    ShowPeriod(m_period);
}

void TrendView::ShowRecordEnd(PagingDirection end)
{
    const RecordStore& store = m_diary.records();
    const QDate today = m_clock.Today();
    QDate day = today;
    if (!store.IsEmpty())
        day = DateFromDayNumber(store.Item(end == PagingDirection::Back ? 1 : store.Count()).dayNumber());
    ShowPeriod(GraphPeriodHolding(day, m_settings.TrendMonths, m_diary, today));
}

void TrendView::ShowDate(const QDate& date)
{
    ShowPeriod(GraphPeriodHolding(date, m_settings.TrendMonths, m_diary, m_clock.Today()));
}

void TrendView::ShowPeriod(const GraphPeriod& period)
{
    m_period = period;
    UpdateGraphPagingButtons();
    Redraw();
    Q_EMIT PeriodPaged();
}

void TrendView::FitWholeDiary()
{
    if (m_settings.TrendMonths == kWholeDiaryMonths)
        ResetGraphPeriod();
}

void TrendView::keyPressEvent(QKeyEvent* event)
{
    using enum PagingDirection;
    switch (event->key()) {
    case Qt::Key_Left:
        PageSteps(Back, 1);
        break;
    case Qt::Key_Right:
        PageSteps(Forward, 1);
        break;
    case Qt::Key_PageUp:
        PageSteps(Back, StepsPerPage(m_settings.TrendMonths));
        break;
    case Qt::Key_PageDown:
        PageSteps(Forward, StepsPerPage(m_settings.TrendMonths));
        break;
    case Qt::Key_Home:
        ShowRecordEnd(Back);
        break;
    case Qt::Key_End:
        ShowRecordEnd(Forward);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TrendView::wheelEvent(QWheelEvent* event)
{
    // Turning the wheel towards the user (or tilting it right) moves to later days; one notch, one
    // step.
    if (const int steps = TakeWheelNotches(*event, m_wheelAngle); steps != 0)
        PageSteps(steps > 0 ? PagingDirection::Back : PagingDirection::Forward, std::abs(steps));
    event->accept();
}

QString TrendView::ToolTipAt(QPointF position) const
{
    const int day = DayAt(ToTwips(position.x()), ToTwips(position.y()));
    if (day < 1 || !m_period.PeriodStart.isValid())
        return QString();
    const QDate date = m_period.PeriodStart.addDays(day - 1);
    const int found = m_diary.records().FindItem(DayNumber(date));
    if (found == 0)
        return QString();
    const std::optional<double> trend = m_trendAt ? m_trendAt(date) : std::nullopt;
    return DayToolTipText(m_diary.records().Item(found), m_kind == Kind::Bmi, m_settings.Unit, m_formats,
                          trend);
}

int TrendView::DayAt(double x, double y) const
{
    return m_kind == Kind::Weight ? WeightDayAt(m_geometry, m_period, x, y)
                                  : BmiDayAt(m_geometry, m_period, x, y);
}

void TrendView::UpdatePointer(int newDay, int oldDay)
{
    if (m_diary.records().IsEmpty() || newDay == oldDay)
        return;
    bool openable = false;
    if (newDay >= 1 && m_period.PeriodStart.isValid()) {
        const QDate day = m_period.PeriodStart.addDays(newDay - 1);
        openable = day <= m_period.PeriodEnd && m_diary.records().FindItem(DayNumber(day)) > 0;
    }
    m_surface->setCursor(openable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TrendView::MouseMoved(QPointF position)
{
    const int day = DayAt(ToTwips(position.x()), ToTwips(position.y()));
    UpdatePointer(day, m_hoverDay);
    m_hoverDay = day;
}

void TrendView::OpenDayAt(QPointF position)
{
    const int day = DayAt(ToTwips(position.x()), ToTwips(position.y()));
    UpdatePointer(-1, m_hoverDay);
    m_hoverDay = -1;
    if (day < 1 || m_diary.records().IsEmpty())
        return;
    const int found = m_diary.records().FindItem(DayNumber(m_period.PeriodStart.addDays(day - 1)));
    if (found == 0)
        return;
    Q_EMIT RecordOpened(found);
}

} // namespace tarvel
