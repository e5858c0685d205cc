#include "scale/BluetoothLink.h"

#include "platform/Clock.h"

#include <QBluetoothDeviceDiscoveryAgent>
#include <QBluetoothLocalDevice>
#include <QLowEnergyDescriptor>

namespace tarvel {

namespace {

constexpr int kRetryMs = 5000;
const QBluetoothUuid kWeightScale(QBluetoothUuid::ServiceClassUuid::WeightScale);
const QBluetoothUuid kBodyComposition(QBluetoothUuid::ServiceClassUuid::BodyComposition);
const QBluetoothUuid kCurrentTimeService(QBluetoothUuid::ServiceClassUuid::CurrentTimeService);
const QBluetoothUuid kWeightMeasurement(QBluetoothUuid::CharacteristicType::WeightMeasurement);
const QBluetoothUuid kBodyMeasurement(QBluetoothUuid::CharacteristicType::BodyCompositionMeasurement);
const QBluetoothUuid kCurrentTime(QBluetoothUuid::CharacteristicType::CurrentTime);
const QBluetoothUuid kClientConfig(QBluetoothUuid::DescriptorType::ClientCharacteristicConfiguration);

} // namespace

bool IsScale(const QBluetoothDeviceInfo& device)
{
    const QList<QBluetoothUuid> services = device.serviceUuids();
    return services.contains(kWeightScale) || services.contains(kBodyComposition);
}

BluetoothLink::BluetoothLink(const Clock& clock, QObject* parent) : QObject(parent), m_clock(clock)
{
    m_retry.setInterval(kRetryMs);
    connect(&m_retry, &QTimer::timeout, this, [this] {
        if (!m_controller)
            TryConnect();
    });
}

BluetoothLink::~BluetoothLink()
{
    Stop();
}

void BluetoothLink::Say(const QString& line) const
{
    if (Log)
        Log(line);
}

void BluetoothLink::SetState(State state)
{
    m_state = state;
    if (state == State::Connected)
        m_wasConnected = true;
    if (Changed)
        Changed();
}

bool BluetoothLink::AdapterOn() const
{
    return m_local && m_local->isValid() && m_local->hostMode() != QBluetoothLocalDevice::HostPoweredOff;
}

void BluetoothLink::Start(const QString& address)
{
    Stop();
    m_address = QBluetoothAddress(address);
    if (m_address.isNull()) {
        SetState(State::Idle);
        return;
    }
    WatchAdapter();
    m_retry.start();
    TryConnect();
}

void BluetoothLink::WatchAdapter()
{
    m_local = std::make_unique<QBluetoothLocalDevice>();
    connect(m_local.get(), &QBluetoothLocalDevice::hostModeStateChanged, this, [this] {
        if (!AdapterOn())
            OnLost();
        if (!AdapterOn() && m_state != State::Off)
            SetState(State::Off);
        else if (AdapterOn() && m_state == State::Off)
            TryConnect();
    });
}

void BluetoothLink::Stop()
{
    m_retry.stop();
    m_search.reset();
    m_service.reset();
    m_timeService.reset();
    m_controller.reset();
    m_local.reset();
    m_assembler.Reset();
    m_name.clear();
    m_wasConnected = false;
    m_state = State::Idle;
}

void BluetoothLink::Search()
{
    // Scales advertise only while awake: the search sees one come back and connects at once.
    if (!m_search) {
        m_search = std::make_unique<QBluetoothDeviceDiscoveryAgent>();
        connect(m_search.get(), &QBluetoothDeviceDiscoveryAgent::deviceDiscovered, this,
                &BluetoothLink::OnDeviceSeen);
        connect(m_search.get(), &QBluetoothDeviceDiscoveryAgent::deviceUpdated, this,
                [this](const QBluetoothDeviceInfo& device) { OnDeviceSeen(device); });
    }
    if (!m_search->isActive())
        m_search->start(QBluetoothDeviceDiscoveryAgent::LowEnergyMethod);
}

void BluetoothLink::OnDeviceSeen(const QBluetoothDeviceInfo& device)
{
    if (device.address() != m_address)
        return;
    if (!device.name().isEmpty() && device.name() != m_name) {
        m_name = device.name();
        if (Changed)
            Changed();
    }
    if (!m_controller)
        TryConnect();
}

void BluetoothLink::TryConnect()
{
    if (m_address.isNull() || m_controller)
        return;
    if (!AdapterOn()) {
        // Powered off or no adapter at all: said in the status bar only; tried again by the timer.
        if (m_state != State::Off)
            SetState(State::Off);
        WatchAdapter(); // an adapter plugged in later is another device
        return;
    }
    if (m_state != State::Waiting)
        SetState(State::Waiting);
    QBluetoothDeviceInfo device(m_address, m_name, 0);
    device.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    m_controller.reset(QLowEnergyController::createCentral(device));
    connect(m_controller.get(), &QLowEnergyController::connected, this, [this] {
        if (m_controller->remoteName().size() > 0 && m_name.isEmpty())
            m_name = m_controller->remoteName();
        m_controller->discoverServices();
    });
    connect(m_controller.get(), &QLowEnergyController::discoveryFinished, this,
            &BluetoothLink::OnServicesDiscovered);
    connect(m_controller.get(), &QLowEnergyController::disconnected, this, &BluetoothLink::OnLost);
    connect(m_controller.get(), &QLowEnergyController::errorOccurred, this,
            // Expected while the scale sleeps, so not logged: the link just tries again.
            [this](QLowEnergyController::Error) { OnLost(); });
    m_controller->connectToDevice();
    // After the controller exists: the search may report the scale at once.
    Search();
}

void BluetoothLink::OnServicesDiscovered()
{
    const QList<QBluetoothUuid> services = m_controller->services();
    // A scale with both services sends the weight in Weight Measurement and may leave it out of its body
    // composition records, so the Weight Scale service comes first.
    const QBluetoothUuid wanted = services.contains(kWeightScale) ? kWeightScale : kBodyComposition;
    m_service.reset(m_controller->createServiceObject(wanted));
    if (!m_service) {
        Say(QStringLiteral("Bluetooth %1: no Weight Scale or Body Composition service")
                .arg(m_address.toString()));
        OnLost();
        return;
    }
    connect(m_service.get(), &QLowEnergyService::stateChanged, this, &BluetoothLink::OnServiceState);
    connect(m_service.get(), &QLowEnergyService::characteristicChanged, this, &BluetoothLink::OnValue);
    m_service->discoverDetails();
    if (services.contains(kCurrentTimeService)) {
        m_timeService.reset(m_controller->createServiceObject(kCurrentTimeService));
        if (m_timeService) {
            connect(m_timeService.get(), &QLowEnergyService::stateChanged, this,
                    [this](QLowEnergyService::ServiceState state) {
                        if (state == QLowEnergyService::RemoteServiceDiscovered)
                            SetClock(*m_timeService);
                    });
            m_timeService->discoverDetails();
        }
    }
}

void BluetoothLink::SetClock(QLowEnergyService& service)
{
    const QLowEnergyCharacteristic time = service.characteristic(kCurrentTime);
    if (!time.isValid() || !(time.properties() & QLowEnergyCharacteristic::Write))
        return;
    // Current Time: the Date Time fields, the day of the week (1 Monday), 1/256 s, adjust reason
    // (1: set by hand).
    const QDateTime now = m_clock.Now();
    const int year = now.date().year();
    QByteArray value;
    value.append(static_cast<char>(year & 0xFF));
    value.append(static_cast<char>(year >> 8));
    for (int field : {now.date().month(), now.date().day(), now.time().hour(), now.time().minute(),
                      now.time().second(), now.date().dayOfWeek(), 0, 1})
        value.append(static_cast<char>(field));
    service.writeCharacteristic(time, value);
}

void BluetoothLink::OnServiceState(QLowEnergyService::ServiceState state)
{
    if (state != QLowEnergyService::RemoteServiceDiscovered)
        return;
    QLowEnergyCharacteristic measurement = m_service->characteristic(kBodyMeasurement);
    if (!measurement.isValid())
        measurement = m_service->characteristic(kWeightMeasurement);
    const QLowEnergyDescriptor config = measurement.descriptor(kClientConfig);
    if (!measurement.isValid() || !config.isValid()) {
        Say(QStringLiteral("Bluetooth %1: no measurement to turn on").arg(m_address.toString()));
        OnLost();
        return;
    }
    m_assembler.Reset();
    m_service->writeDescriptor(config, QLowEnergyCharacteristic::CCCDEnableIndication);
    m_search.reset();
    SetState(State::Connected);
}

void BluetoothLink::OnValue(const QLowEnergyCharacteristic& characteristic, const QByteArray& value)
{
    std::optional<GattResult> result;
    if (characteristic.uuid() == kWeightMeasurement)
        result = ParseWeightMeasurement(value);
    else if (characteristic.uuid() == kBodyMeasurement)
        result = m_assembler.Feed(value);
    if (!result)
        return;
    if (!result->reason.isEmpty())
        Say(result->reason);
    if (result->reading && MeasurementReceived)
        MeasurementReceived(*result->reading);
}

void BluetoothLink::OnLost()
{
    if (!m_controller)
        return;
    // Deleted later: this runs inside the controller's own signals.
    for (QObject* object : std::initializer_list<QObject*>{m_service.release(), m_timeService.release(),
                                                           m_controller.release()}) {
        if (object)
            object->deleteLater();
    }
    m_assembler.Reset();
    SetState(AdapterOn() ? State::Waiting : State::Off);
    if (m_state == State::Waiting)
        Search();
}

} // namespace tarvel
