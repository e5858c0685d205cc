#include "views/DayToolTip.h"

#include "platform/LocaleFormats.h"
#include "platform/TextTable.h"
#include "store/DayWeight.h"

#include <QStringList>
#include <QTime>

namespace tarvel {

namespace {

constexpr TextId kSlotNameTexts[2] = {TextId::Morning, TextId::Night};
constexpr TextId kWeightKgText = TextId::TipWeight;
constexpr TextId kBmiText = TextId::TipBmi;
constexpr TextId kTrendText = TextId::TipTrend;

} // namespace

QString DayToolTipText(const DayRecord& day, bool withBmi, const LocaleFormats& formats,
                       std::optional<double> trend)
{
    QStringList lines;
    lines << formats.FormatDate(DateFromDayNumber(day.DayNumber), formats.ShortDateFormat);
    for (int slot = 0; slot < 2; ++slot) {
        const Measurement& m = day.Slot[static_cast<std::size_t>(slot)];
        // Only weighings are listed: not a memo alone, nor a weight of 0.
        if (!WeighingOf(m, formats))
            continue;
        QStringList parts{LoadText(kSlotNameTexts[slot])};
        // Times are stored "07:30"; shown as the Diary tab shows them.
        int hour = 0;
        int minute = 0;
        if (formats.ReadPlainTime(m.Time, hour, minute) && QTime::isValid(hour, minute, 0))
            parts << formats.FormatTime(QTime(hour, minute), formats.ShortTimeFormat);
        else if (!m.Time.isEmpty())
            parts << m.Time;
        if (!m.Weight.isEmpty())
            parts << LoadText(kWeightKgText).arg(m.Weight);
        if (withBmi && !m.Bmi.isEmpty())
            parts << LoadText(kBmiText).arg(m.Bmi);
        lines << parts.join(QStringLiteral("  "));
    }
    if (trend)
        lines << LoadText(kTrendText).arg(formats.FormatNumber(*trend, u"#0.0"));
    return lines.join(QLatin1Char('\n'));
}

} // namespace tarvel
