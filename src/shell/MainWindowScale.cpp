// The scale's readings and its line in the main window's status bar.

#include "shell/MainWindow.h"

#include "entry/DiaryPage.h"
#include "platform/Clock.h"
#include "platform/LocaleFormats.h"
#include "platform/TextTable.h"
#include "scale/BluetoothLink.h"
#include "scale/ErrorLog.h"
#include "scale/PortConnection.h"
#include "scale/ScaleLink.h"
#include "scale/ScaleReading.h"
#include "shell/FileCommands.h"
#include "store/WeighingText.h"

#include <QLabel>
#include <QStatusBar>

#include <algorithm>

namespace tarvel {

void MainWindow::ConnectScale()
{
    // A stable reading goes onto the page as if typed, with the inputs' own rules, when the page can
    // take it; otherwise it waits, shown in the status bar, until a page that can is shown. It is
    // never dropped without a word.
    m_link->WeightAccepted = [this](const QString& weight, const QDateTime& weighed) {
        std::erase_if(m_heldReadings, [](const HeldReading& held) { return !held.bluetooth; });
        m_heldReadings.push_back(HeldReading{weight, weighed});
        PlaceHeldReading();
    };
    // Queued: the page finishes moving (a typed date follows the blank page) before a reading goes in.
    connect(m_page, &DiaryPage::ShownDayChanged, this, &MainWindow::PlaceHeldReading, Qt::QueuedConnection);

    m_bluetooth = std::make_unique<BluetoothLink>(m_services.clock);
    m_bluetooth->MeasurementReceived = [this](const GattReading& reading) { TakeBluetoothReading(reading); };
    m_bluetooth->Log = [this](const QString& line) {
        if (m_errorLog)
            m_errorLog->WriteErrLog(0, line, QStringLiteral("BluetoothLink 1"), 0);
    };
    m_bluetooth->Changed = [this] {
        if (m_bluetooth->CurrentState() != BluetoothLink::State::Connected)
            m_lastBluetoothReading.reset();
        ShowScaleStatus();
    };
}

namespace {

// A scale's weight as the link hands it over ("65.40", kg) in the user's unit with its symbol:
// "65.40 kg", "144.2 lb", "10 st 4.2 lb".
QString ShownScaleWeight(const QString& kgText, WeightUnit unit, const LocaleFormats& formats)
{
    if (unit == WeightUnit::Kilograms)
        return kgText + QStringLiteral(" kg");
    return MassUnitText(MassFromKg(formats.LeadingNumber(kgText)).value_or(Mass{}), unit, formats.DecimalSep);
}

std::optional<ScaleReading> ShownReading(std::optional<ScaleReading> reading, WeightUnit unit,
                                         const LocaleFormats& formats)
{
    if (reading)
        reading->weight = ShownScaleWeight(reading->weight, unit, formats);
    return reading;
}

} // namespace

void MainWindow::StartBluetoothScale()
{
    m_lastBluetoothReading.reset();
    m_bluetooth->Start(m_settings.Bluetooth);
    ShowScaleStatus();
}

void MainWindow::TakeBluetoothReading(const GattReading& reading)
{
    const std::optional<ScaleWeighing> weighing = ToWeighing(reading);
    if (!weighing || !TakesUser(weighing->user, m_settings.BluetoothUser))
        return;
    const QDateTime weighed = weighing->time.value_or(m_services.clock.Now());
    const QString weight = ScaleWeightText(m_formats, weighing->weight);
    m_lastBluetoothReading = ScaleReading{weight, m_formats.FormatTime(weighed.time(), m_formats.TimeFormat)};
    PlaceDecision decision = PlaceWeighing(m_diary, m_services.clock.Today(), weighed, weighing->weight);
    // The day the page shows takes its reading as typed, so the page and the diary stay one.
    if (decision.placement == Placement::IntoStoredDay && decision.position > 0 &&
        decision.position == m_diary.currentIndex())
        decision.placement = Placement::Page;
    switch (decision.placement) {
    case Placement::AlreadyStored:
        break;
    case Placement::IntoStoredDay: {
        std::array<Weighing, 2> slots;
        slots[static_cast<std::size_t>(decision.slot)] =
            StoredWeighing(weighed, weighing->weight, m_formats.ParseNumber(m_diary.owner().ProfileHeight));
        if (decision.position > 0)
            m_diary.mergeIntoDay(decision.position, slots);
        else
            m_diary.addDays({DayRecord{weighed.date(), slots}});
        m_diary.markModified();
        WriteBackupOrSay(m_file, m_diary, m_services.messages);
        break;
    }
    case Placement::Page:
    case Placement::Held:
        m_heldReadings.push_back(HeldReading{weight, weighed, true, decision.placement == Placement::Held});
        break;
    }
    PlaceHeldReading();
}

void MainWindow::PlaceHeldReading()
{
    for (auto held = m_heldReadings.begin(); held != m_heldReadings.end();) {
        if (!held->dayTaken && m_page->PutScaleReading(held->weight, held->weighed)) {
            if (!held->bluetooth)
                m_lastReading = ScaleReading{
                    held->weight, m_formats.FormatTime(held->weighed.time(), m_formats.TimeFormat)};
            held = m_heldReadings.erase(held);
        } else {
            ++held;
        }
    }
    ShowScaleStatus();
}

void MainWindow::BuildScaleStatus()
{
    m_scaleStatus = new QLabel(this);
    m_scaleStatus->setObjectName(QStringLiteral("scaleStatus"));
    m_scaleStatus->setTextFormat(Qt::PlainText);
    // A permanent widget: menu tooltips shown in the status bar do not hide it.
    statusBar()->addPermanentWidget(m_scaleStatus, 1);
}

void MainWindow::ShowScaleStatus()
{
    if (m_scaleStatus == nullptr)
        return;
    if (!m_heldReadings.empty()) {
        // A reading waiting for its page says so until it is placed, over what the port is doing.
        const HeldReading& held = m_heldReadings.front();
        const QDateTime& weighed = held.weighed;
        const QString time = m_formats.FormatTime(weighed.time(), m_formats.TimeFormat);
        const QString slot =
            LoadText(DiaryPage::SlotOfWeighing(weighed) == 0 ? TextId::Morning : TextId::Night);
        const QString weight = ShownScaleWeight(held.weight, m_settings.Unit, m_formats);
        if (held.dayTaken)
            m_scaleStatus->setText(LoadText(TextId::ReadingNotStoredDayTaken)
                                       .arg(weight,
                                            m_formats.FormatDate(weighed.date(), m_formats.ShortDateFormat),
                                            time, slot));
        else if (m_page->FitScaleReading(weighed) == DiaryPage::ScaleFit::SlotUsed)
            m_scaleStatus->setText(LoadText(TextId::ReadingNotStoredSlotTaken).arg(weight, time, slot));
        else
            m_scaleStatus->setText(
                LoadText(TextId::ReadingNotStoredPageShows).arg(weight, time, m_page->DateText()));
    } else if (m_bluetooth && m_bluetooth->CurrentState() != BluetoothLink::State::Idle) {
        // A Bluetooth scale chosen is the scale the line speaks of.
        const BluetoothLink::State state = m_bluetooth->CurrentState();
        m_scaleStatus->setText(
            BluetoothStatusText(state == BluetoothLink::State::Off         ? BluetoothScaleState::Off
                                : state == BluetoothLink::State::Connected ? BluetoothScaleState::Connected
                                                                           : BluetoothScaleState::Waiting,
                                m_bluetooth->Name(), m_bluetooth->Address(),
                                ShownReading(m_lastBluetoothReading, m_settings.Unit, m_formats)));
    } else if (m_port) {
        m_scaleStatus->setText(ScaleStatusText(*m_port, m_services.portDevice,
                                               ShownReading(m_lastReading, m_settings.Unit, m_formats)));
    }
}

} // namespace tarvel
