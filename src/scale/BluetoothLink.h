#pragma once

#include "scale/GattMeasurement.h"

#include <QBluetoothAddress>
#include <QBluetoothDeviceInfo>
#include <QBluetoothUuid>
#include <QLowEnergyController>
#include <QLowEnergyService>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class QBluetoothDeviceDiscoveryAgent;
class QBluetoothLocalDevice;

namespace tarvel {

class Clock;

// Whether a device advertises the Weight Scale (0x181D) or Body Composition (0x181B) service.
bool IsScale(const QBluetoothDeviceInfo& device);

// A Bluetooth scale that sends the standard Weight Measurement (0x2A9D) or Body Composition
// Measurement (0x2A9C) by indication. The link connects to the chosen address, turns the indications
// on through the Client Characteristic Configuration descriptor (0x2902), sets the scale's clock
// through Current Time (0x2A2B) where it offers that, and hands over every measurement it can read.
// Scales sleep between weighings and drop the connection: the link then waits for the scale to
// appear again (it searches, and tries the address every few seconds) and connects again.
class BluetoothLink : public QObject {
    Q_OBJECT

public:
    enum class State { Idle, Off, Waiting, Connected };

    BluetoothLink(const Clock& clock, QObject* parent = nullptr);
    ~BluetoothLink() override;

    // Connects to the scale at address and keeps it connected; an empty address stops the link.
    void Start(const QString& address);
    void Stop();

    State CurrentState() const { return m_state; }
    // Whether the link had been connected before (the scale went to sleep since).
    bool WasConnected() const { return m_wasConnected; }
    QString Address() const { return m_address.toString(); }
    // The scale's name as it advertises it; empty until it has been seen.
    QString Name() const { return m_name; }
    void SetRetryInterval(int ms) { m_retry.setInterval(ms); }

    // A measurement arrived (refused ones go to Log instead).
    std::function<void(const GattReading&)> MeasurementReceived;
    // One line for the error log: a refused measurement, a scale without the measurement.
    std::function<void(const QString&)> Log;
    // Called after every change of CurrentState() and Name().
    std::function<void()> Changed;

private:
    void SetState(State state);
    bool AdapterOn() const;
    void WatchAdapter();
    void TryConnect();
    void OnDeviceSeen(const QBluetoothDeviceInfo& device);
    void OnServicesDiscovered();
    void OnServiceState(QLowEnergyService::ServiceState state);
    void OnValue(const QLowEnergyCharacteristic& characteristic, const QByteArray& value);
    void OnLost();
    void SetClock(QLowEnergyService& service);
    void Search();
    void Say(const QString& line) const;

    const Clock& m_clock;
    QBluetoothAddress m_address;
    QString m_name;
    State m_state = State::Idle;
    bool m_wasConnected = false;
    std::unique_ptr<QBluetoothLocalDevice> m_local;
    std::unique_ptr<QBluetoothDeviceDiscoveryAgent> m_search;
    std::unique_ptr<QLowEnergyController> m_controller;
    std::unique_ptr<QLowEnergyService> m_service;
    std::unique_ptr<QLowEnergyService> m_timeService;
    BodyCompositionAssembler m_assembler;
    QTimer m_retry;
};

} // namespace tarvel
