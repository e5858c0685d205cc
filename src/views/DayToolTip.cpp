#include "views/DayToolTip.h"

#include "platform/LocaleFormats.h"
#include "platform/TextTable.h"
#include "store/DayWeight.h"
#include "store/WeighingText.h"

#include <QStringList>
#include <QTime>

namespace tarvel {

namespace {

constexpr TextId kSlotNameTexts[2] = {TextId::Morning, TextId::Night};
constexpr TextId kBmiText = TextId::TipBmi;
constexpr TextId kTrendText = TextId::TipTrend;

} // namespace

QString DayToolTipText(const DayRecord& day, bool withBmi, WeightUnit unit, const LocaleFormats& formats,
                       std::optional<double> trend)
{
    QStringList lines;
    lines << formats.FormatDate(day.date, formats.ShortDateFormat);
    for (int slot = 0; slot < 2; ++slot) {
        const Weighing& w = day.slot[static_cast<std::size_t>(slot)];
        // Only weighings are listed: not a memo alone, nor a weight of 0.
        if (!WeighingOf(w))
            continue;
        QStringList parts{LoadText(kSlotNameTexts[slot])};
        // Shown as the Diary tab shows the time.
        if (w.time)
            parts << formats.FormatTime(*w.time, formats.ShortTimeFormat);
        parts << WeightUnitText(w, unit, formats);
        const QString bmi = BmiText(w, formats);
        if (withBmi && !bmi.isEmpty())
            parts << LoadText(kBmiText).arg(bmi);
        lines << parts.join(QStringLiteral("  "));
    }
    if (trend)
        lines << LoadText(kTrendText).arg(KgUnitText(*trend, unit, 1, formats.DecimalSep));
    return lines.join(QLatin1Char('\n'));
}

} // namespace tarvel
