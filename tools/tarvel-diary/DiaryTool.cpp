#include "tarvel-diary/DiaryTool.h"

#include "platform/Clock.h"
#include "platform/LocaleFormats.h"
#include "platform/MessageService.h"
#include "store/CsvExport.h"
#include "store/DiaryFile.h"
#include "store/GraphPeriod.h"
#include "store/Trend.h"

#include <QFileInfo>
#include <QLocale>

namespace tarvel {

namespace {

constexpr int kExitOk = 0;
constexpr int kExitUsage = 1;
constexpr int kExitFile = 2;
constexpr int kExitDropped = 3;

const char kUsage[] =
    "Usage: tarvel-diary COMMAND FILE [OUT] [--locale NAME]\n"
    "\n"
    "Reads a Tarvel diary (.ov1) with the program's own reader.\n"
    "\n"
    "Commands:\n"
    "  show FILE          print the profile (name, height, sex) and one line per day:\n"
    "                     position, date, the eight slot texts and the sort key, tab-separated\n"
    "  rewrite FILE OUT   read FILE and write it to OUT as File > Save does\n"
    "  export FILE        print the diary as CSV, one row per weighing\n"
    "  trend FILE         print one line per weighed day, oldest first: the ISO date, the day's\n"
    "                     weight (morning, else night) and its smoothed trend, tab-separated,\n"
    "                     with two decimals and \".\"\n"
    "\n"
    "Options:\n"
    "  --locale NAME      read dates, times and numbers as the locale NAME writes them\n"
    "                     (for example de_DE); the default is the system locale\n"
    "  --help             show this text\n"
    "\n"
    "Dates are read in the order the file was written in (a four-digit year first or last, a day\n"
    "past 12, \".\" or \"-\" after a day); only where every date could be either does the locale\n"
    "decide. Dates are written in the locale's order.\n"
    "\n"
    "Exit status: 0 on success, 1 on a usage error, 2 when a file cannot be read or written or is\n"
    "no diary, 3 when lines of FILE could not be read (their count is on standard error; rewrite\n"
    "leaves them out of OUT).\n";

// Messages of the reader and writer go to standard error.
class StderrMessages : public MessageService {
public:
    explicit StderrMessages(FILE* err) : m_err(err) {}
    Answer ShowMessage(const QString& text, ButtonKind, IconKind) override
    {
        std::fputs(text.toLocal8Bit().constData(), m_err);
        std::fputc('\n', m_err);
        return AnswerOk;
    }

private:
    FILE* m_err;
};

void Print(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

QString ShowText(const Diary& diary)
{
    QString out = diary.Owner.ProfileName + QLatin1Char('\t') + diary.Owner.ProfileHeight +
                  QLatin1Char('\t') + QString::number(diary.Owner.ProfileSex) + QLatin1Char('\n');
    for (int position = 1; position <= diary.Records.Count(); ++position) {
        const DayRecord& record = diary.Records.Item(position);
        out += QString::number(position);
        for (int column = 0; column <= 9; ++column)
            out += QLatin1Char('\t') + record.Column(column);
        out += QLatin1Char('\n');
    }
    return out;
}

QString TrendText(const Diary& diary, const LocaleFormats& formats)
{
    QString out;
    for (const TrendPoint& point : ComputeTrend(diary.Records, formats)) {
        out += DateFromDayNumber(point.dayNumber).toString(Qt::ISODate) + QLatin1Char('\t') +
               QString::number(point.weight, 'f', 2) + QLatin1Char('\t') +
               QString::number(point.trend, 'f', 2) + QLatin1Char('\n');
    }
    return out;
}

struct Options {
    QString command;
    QStringList files;
    QString locale;
    bool help = false;
    QString error;
};

Options ParseArguments(const QStringList& arguments)
{
    Options options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            options.help = true;
        } else if (arg == QLatin1String("--locale")) {
            if (i + 1 >= arguments.size()) {
                options.error = QStringLiteral("--locale needs a locale name");
                return options;
            }
            options.locale = arguments[++i];
        } else if (arg.startsWith(QLatin1String("--locale="))) {
            options.locale = arg.mid(9);
        } else if (arg.startsWith(QLatin1String("--"))) {
            options.error = QStringLiteral("unknown option ") + arg;
            return options;
        } else if (options.command.isEmpty()) {
            options.command = arg;
        } else {
            options.files << arg;
        }
    }
    return options;
}

} // namespace

int RunDiaryTool(const QStringList& arguments, FILE* out, FILE* err)
{
    const Options options = ParseArguments(arguments);
    if (options.help) {
        Print(out, QString::fromLatin1(kUsage));
        return kExitOk;
    }
    const qsizetype wanted = options.command == QLatin1String("rewrite") ? 2 : 1;
    const bool known =
        options.command == QLatin1String("show") || options.command == QLatin1String("rewrite") ||
        options.command == QLatin1String("export") || options.command == QLatin1String("trend");
    if (!options.error.isEmpty() || !known || options.files.size() != wanted) {
        Print(err, (options.error.isEmpty() ? QStringLiteral("tarvel-diary: missing or unknown arguments")
                                            : QStringLiteral("tarvel-diary: ") + options.error) +
                       QStringLiteral("\n\n") + QString::fromLatin1(kUsage));
        return kExitUsage;
    }

    const QLocale locale = options.locale.isEmpty() ? QLocale::system() : QLocale(options.locale);
    const LocaleFormats formats = LocaleFormats::ProbeLocale(locale);
    SystemClock clock;
    StderrMessages messages(err);
    DiaryFile file(formats, messages, clock);

    Diary diary;
    diary.SetAppFolder(QString());
    diary.DiaryPath = options.files[0];
    diary.DiaryTitle = QFileInfo(options.files[0]).fileName();
    GraphPeriod period;
    int dropped = 0;
    if (!file.ReadDiaryFile(diary, period, 1, &dropped))
        return kExitFile;

    if (options.command == QLatin1String("show")) {
        Print(out, ShowText(diary));
    } else if (options.command == QLatin1String("export")) {
        Print(out, ExportCsv(diary.Records, formats));
    } else if (options.command == QLatin1String("trend")) {
        Print(out, TrendText(diary, formats));
    } else {
        diary.DiaryPath = options.files[1];
        diary.DiaryTitle = QFileInfo(options.files[1]).fileName();
        // The tool has no backup file: keep the write from deleting anything beside OUT.
        diary.BackupPath.clear();
        if (!file.WriteDiaryFile(diary))
            return kExitFile;
    }
    return dropped > 0 ? kExitDropped : kExitOk;
}

} // namespace tarvel
