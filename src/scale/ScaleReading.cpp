#include "scale/ScaleReading.h"

#include "store/Bmi.h"
#include "store/Diary.h"
#include "store/WeighingText.h"

#include <QTime>

namespace tarvel {

namespace {

constexpr qint64 kStepGrams = 10;

} // namespace

std::optional<ScaleWeighing> ToWeighing(const GattReading& reading)
{
    if (!reading.weight)
        return std::nullopt;
    const qint64 grams = reading.weight->grams;
    return ScaleWeighing{Mass{(grams + kStepGrams / 2) / kStepGrams * kStepGrams}, reading.time, reading.user,
                         reading.fatTenths};
}

bool TakesUser(const std::optional<int>& user, int wantedUser)
{
    return wantedUser < 0 || !user || *user == wantedUser;
}

QString ReadLine(const ScaleWeighing& weighing, const QDateTime& received)
{
    const QString format = QStringLiteral("yyyy-MM-dd HH:mm:ss");
    QString line = weighing.time ? weighing.time->toString(format)
                                 : received.toString(format) + QStringLiteral(" (received)");
    const qint64 hundredths = weighing.weight.grams / kStepGrams;
    line += QStringLiteral("\t%1.%2 kg").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QLatin1Char('0'));
    if (weighing.user)
        line += QStringLiteral("\tuser %1").arg(*weighing.user);
    if (weighing.fatTenths)
        line += QStringLiteral("\tfat %1.%2 %").arg(*weighing.fatTenths / 10).arg(*weighing.fatTenths % 10);
    return line;
}

PlaceDecision PlaceWeighing(const Diary& diary, const QDate& today, const QDateTime& weighed, Mass weight)
{
    const int slot = weighed.time() < QTime(12, 0) ? 0 : 1;
    if (weighed.date() == today)
        return {Placement::Page, 0, slot};
    const int position = diary.records().FindItem(DayRecord{weighed.date(), {}}.dayNumber());
    if (position < 1)
        return {Placement::IntoStoredDay, 0, slot};
    const Weighing& stored = diary.records().Item(position).slot[static_cast<std::size_t>(slot)];
    if (!stored.hasWeight())
        return {Placement::IntoStoredDay, position, slot};
    return {stored.weight == weight ? Placement::AlreadyStored : Placement::Held, position, slot};
}

Weighing StoredWeighing(const QDateTime& weighed, Mass weight, std::optional<double> heightCm)
{
    Weighing stored;
    stored.time = QTime(weighed.time().hour(), weighed.time().minute());
    stored.weight = weight;
    const std::optional<double> bmi = BodyMassIndex(heightCm, weight.kg());
    stored.bmiTenths = bmi ? BmiTenthsOf(*bmi) : std::nullopt;
    return stored;
}

} // namespace tarvel
