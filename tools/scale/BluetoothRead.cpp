#include "scale/BluetoothRead.h"

#include "platform/Clock.h"
#include "scale/BluetoothLink.h"
#include "scale/ScaleReading.h"

#include <QBluetoothAddress>
#include <QBluetoothDeviceDiscoveryAgent>
#include <QBluetoothLocalDevice>
#include <QCommandLineParser>
#include <QEventLoop>
#include <QSet>
#include <QTimer>

namespace tarvel {

namespace {

constexpr int kMaxTimeoutSeconds = 24 * 3600;

void PrintLine(FILE* file, const QString& line)
{
    std::fprintf(file, "%s\n", line.toUtf8().constData());
    std::fflush(file);
}

int Search(const ReadOptions& options, FILE* out, FILE* err)
{
    QEventLoop loop;
    QBluetoothDeviceDiscoveryAgent search;
    search.setLowEnergyDiscoveryTimeout(options.timeoutSeconds * 1000);
    QSet<QString> shown;
    int status = 1;
    QString reason = QStringLiteral("no scale found within %1 s").arg(options.timeoutSeconds);
    const auto seen = [&](const QBluetoothDeviceInfo& device) {
        const QString address = device.address().toString();
        if (!IsScale(device) || shown.contains(address))
            return;
        shown.insert(address);
        PrintLine(out, address + QLatin1Char('\t') + device.name());
        status = 0;
    };
    QObject::connect(&search, &QBluetoothDeviceDiscoveryAgent::deviceDiscovered, &loop, seen);
    QObject::connect(&search, &QBluetoothDeviceDiscoveryAgent::deviceUpdated, &loop,
                     [&](const QBluetoothDeviceInfo& device) { seen(device); });
    QObject::connect(&search, &QBluetoothDeviceDiscoveryAgent::finished, &loop, &QEventLoop::quit);
    QObject::connect(&search, &QBluetoothDeviceDiscoveryAgent::errorOccurred, &loop, [&] {
        reason = QStringLiteral("search failed: %1").arg(search.errorString());
        status = 1;
        shown.clear();
        loop.quit();
    });
    QBluetoothLocalDevice adapter;
    if (!adapter.isValid() || adapter.hostMode() == QBluetoothLocalDevice::HostPoweredOff) {
        PrintLine(err, QStringLiteral("tarvel-scale: Bluetooth is off"));
        return 1;
    }
    search.start(QBluetoothDeviceDiscoveryAgent::LowEnergyMethod);
    if (search.isActive())
        loop.exec();
    if (status != 0 || shown.isEmpty())
        PrintLine(err, QStringLiteral("tarvel-scale: ") + reason);
    return shown.isEmpty() ? 1 : 0;
}

} // namespace

std::optional<ReadOptions> ParseReadArguments(const QStringList& arguments, QString* error)
{
    QCommandLineParser parser;
    const QCommandLineOption bluetooth(QStringLiteral("bluetooth"));
    const QCommandLineOption count(QStringLiteral("count"), QString(), QStringLiteral("N"));
    const QCommandLineOption timeout(QStringLiteral("timeout"), QString(), QStringLiteral("SECONDS"));
    parser.addOptions({bluetooth, count, timeout});
    if (!parser.parse(QStringList{QStringLiteral("tarvel-scale")} + arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }
    if (!parser.isSet(bluetooth)) {
        *error = QStringLiteral("read needs --bluetooth");
        return std::nullopt;
    }
    ReadOptions options;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1 || (positional.size() == 1 && QBluetoothAddress(positional[0]).isNull())) {
        *error = QStringLiteral("give at most one address, such as C0:FF:EE:00:12:34");
        return std::nullopt;
    }
    if (!positional.isEmpty())
        options.address = QBluetoothAddress(positional[0]).toString();
    const struct {
        const QCommandLineOption& option;
        int& value;
        int highest;
    } numbers[] = {{count, options.count, 1000000}, {timeout, options.timeoutSeconds, kMaxTimeoutSeconds}};
    for (const auto& number : numbers) {
        if (!parser.isSet(number.option))
            continue;
        bool ok = false;
        const int value = parser.value(number.option).toInt(&ok);
        if (!ok || value < 1 || value > number.highest) {
            *error = QStringLiteral("--%1 must be 1 to %2")
                         .arg(number.option.names().constFirst())
                         .arg(number.highest);
            return std::nullopt;
        }
        number.value = value;
    }
    return options;
}

int RunBluetoothRead(const ReadOptions& options, FILE* out, FILE* err)
{
    if (options.address.isEmpty())
        return Search(options, out, err);

    SystemClock clock;
    QEventLoop loop;
    BluetoothLink link(clock);
    link.SetRetryInterval(2000);
    int received = 0;
    int status = 1;
    QString reason;
    link.Log = [&](const QString& line) { PrintLine(err, QStringLiteral("tarvel-scale: ") + line); };
    link.MeasurementReceived = [&](const GattReading& reading) {
        const std::optional<ScaleWeighing> weighing = ToWeighing(reading);
        if (!weighing)
            return;
        PrintLine(out, ReadLine(*weighing, clock.Now()));
        if (++received >= options.count) {
            status = 0;
            loop.quit();
        }
    };
    link.Changed = [&] {
        if (link.CurrentState() == BluetoothLink::State::Off) {
            reason = QStringLiteral("Bluetooth is off");
            loop.quit();
        }
    };
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, [&] {
        reason = link.WasConnected()
                     ? QStringLiteral("%1 of %2 readings within %3 s").arg(received).arg(options.count)
                     : QStringLiteral("could not connect to %1 within %2 s").arg(options.address);
        reason = reason.arg(options.timeoutSeconds);
        loop.quit();
    });
    timeout.start(options.timeoutSeconds * 1000);
    link.Start(options.address);
    if (reason.isEmpty())
        loop.exec();
    link.Stop();
    if (status != 0)
        PrintLine(err, QStringLiteral("tarvel-scale: ") + reason);
    return status;
}

} // namespace tarvel
