#include "store/DiaryText.h"

#include <QStringDecoder>

namespace tarvel {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unused codes map to themselves.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString DecodeWindows1252(const QByteArray& bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        dst[i] = (b >= 0x80 && b <= 0x9F) ? QChar(kCp1252High[b - 0x80]) : QChar(b);
    }
    return out;
}

} // namespace

QString MarkLineBreaks(QString memo)
{
    memo.replace(QLatin1String("\r\n"), QLatin1String(kLineBreakMarker));
    memo.replace(QLatin1Char('\n'), QLatin1String(kLineBreakMarker));
    memo.replace(QLatin1Char('\r'), QLatin1String(kLineBreakMarker));
    return memo;
}

QString MemoToFileText(const QString& memo)
{
    if (!memo.contains(QLatin1Char(',')) && !memo.contains(QLatin1Char('\n')) &&
        !memo.contains(QLatin1Char('\r')))
        return memo;
    return MarkLineBreaks(QString(memo).replace(QLatin1Char(','), QLatin1String(kCommaMarker)));
}

QString MemoFromFileText(QStringView field)
{
    QString out = field.toString();
    if (!field.contains(QLatin1Char('[')) && !field.contains(QLatin1Char('\r')))
        return out;
    out.replace(QLatin1String(kCommaMarker), QLatin1String(","));
    out.replace(QLatin1String(kLineBreakMarker), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

QString DecodeDiaryBytes(const QByteArray& bytes)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    // Exactly one mark is dropped: the decoder would drop a second one too, and that is the first
    // character of a name that begins with U+FEFF.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    return DecodeWindows1252(bytes);
}

} // namespace tarvel
