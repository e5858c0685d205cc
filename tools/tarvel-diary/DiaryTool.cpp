#include "tarvel-diary/DiaryTool.h"

#include "platform/LocaleFormats.h"
#include "platform/MessageService.h"
#include "platform/TextTable.h"
#include "store/CsvExport.h"
#include "store/CsvImport.h"
#include "store/DiaryFile.h"
#include "store/Trend.h"
#include "store/WeighingText.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <optional>

namespace tarvel {

namespace {

constexpr int kExitOk = 0;
constexpr int kExitUsage = 1;
constexpr int kExitFile = 2;
constexpr int kExitDropped = 3;

const char kUsage[] =
    "Usage: tarvel-diary COMMAND FILE [OUT] [--locale NAME] [--merge] [--unit kg|lb] [--format tarvel-1]\n"
    "\n"
    "Reads a Tarvel diary (.ov1) with the program's own reader.\n"
    "\n"
    "Commands:\n"
    "  show FILE          print the profile (name, height, sex) and one line per day:\n"
    "                     position, date, the eight slot texts and the sort key, tab-separated\n"
    "  rewrite FILE OUT   read FILE and write it to OUT as File > Save does\n"
    "  export FILE        print the diary as CSV, one row per weighing: Date (ISO 8601 with the\n"
    "                     local offset), Weight (kg), BMI, Memo, Slot (1 morning, 2 night)\n"
    "  trend FILE         print one line per weighed day, oldest first: the ISO date, the day's\n"
    "                     weight (morning, else night) and its smoothed trend, tab-separated,\n"
    "                     with two decimals and \".\"\n"
    "  import FILE OUT    write a new diary OUT with the weighings of FILE (as File > Import\n"
    "                     reads it: Tarvel's export, openScale, Withings, Garmin Connect, Libra,\n"
    "                     TrendWeight, Google Fit, Samsung Health, Apple Health export.xml,\n"
    "                     GNOME Health, wger, trale or any table with date and weight columns)\n"
    "                     and print the report: rows imported, already in the diary, extra\n"
    "                     weighings of a half-day, without a weight, computed, unreadable (with\n"
    "                     the first lines); an existing OUT is refused unless --merge is given\n"
    "\n"
    "Options:\n"
    "  --locale NAME      read dates, times and numbers as the locale NAME writes them\n"
    "                     (for example de_DE); the default is the system locale\n"
    "  --merge            import into an existing OUT as File > Import does: its profile and\n"
    "                     days stay, rows go only into free slots of days it lacks\n"
    "  --unit kg|lb       import: the unit of weights the file does not name (default kg, said on\n"
    "                     standard error when used)\n"
    "  --format tarvel-1  export: the first layout, date,slot,time,weight_kg,bmi,memo\n"
    "  --help             show this text\n"
    "\n"
    "Dates are read in the order that reads the most of the file's dates (a four-digit year first\n"
    "or last, day and month either way); on a tie the locale's order wins. Dates are written in\n"
    "the locale's order. Times with an offset (Z, +02:00, UTC+0300) are moved into local time.\n"
    "\n"
    "Exit status: 0 on success, 1 on a usage error, 2 when a file cannot be read or written or is\n"
    "no diary (or an import file without date and weight columns, or with weights in an unknown\n"
    "unit), or import's OUT exists without --merge; 3 when lines of FILE could not be read\n"
    "(their count is on standard error; rewrite and import leave them out of OUT, and --merge\n"
    "leaves an OUT with such lines unchanged).\n";

void Print(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

// A line of the reader's or writer's news on standard error, in the texts the window shows.
void Say(FILE* err, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), err);
    std::fputc('\n', err);
}

// Reads the diary file at path into diary; a refused file, or lines dropped, are said on standard
// error. The count of lines dropped, or nothing when the file was refused.
std::optional<int> ReadInto(Diary& diary, const QString& path, const DiaryFile& file, FILE* err)
{
    DiaryReadResult read = file.ReadDiaryFile(path);
    if (read.error == DiaryReadError::CannotOpen) {
        Say(err, LoadText(TextId::FileCannotBeOpened));
        return std::nullopt;
    }
    if (!read.content) {
        Say(err, LoadText(TextId::NotADiary));
        return std::nullopt;
    }
    const int dropped = read.content->DroppedLines;
    diary.reset(std::move(*read.content));
    if (dropped > 0)
        Say(err, LoadText(TextId::LinesUnreadable).arg(dropped) + kCrLf + LoadText(TextId::LinesLeftOut));
    return dropped;
}

// Writes the diary to its file; a failed write is said on standard error.
bool WriteOrSay(const Diary& diary, const DiaryFile& file, FILE* err)
{
    if (file.WriteDiaryFile(diary))
        return true;
    Say(err, LoadText(TextId::FileCannotBeSaved));
    return false;
}

QString ShowText(const Diary& diary, const LocaleFormats& formats)
{
    QString out = diary.owner().ProfileName + QLatin1Char('\t') + diary.owner().ProfileHeight +
                  QLatin1Char('\t') + QString::number(diary.owner().ProfileSex) + QLatin1Char('\n');
    for (int position = 1; position <= diary.records().Count(); ++position) {
        const DayRecord& record = diary.records().Item(position);
        out += QString::number(position);
        for (int column = 0; column <= 9; ++column)
            out += QLatin1Char('\t') + ColumnText(record, column, formats);
        out += QLatin1Char('\n');
    }
    return out;
}

QString TrendText(const Diary& diary)
{
    QString out;
    for (const TrendPoint& point : ComputeTrend(diary.records())) {
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
    bool merge = false;
    std::optional<WeightUnit> unit; // --unit
    bool tarvel1 = false;           // --format tarvel-1
    QString error;
};

Options ParseArguments(const QStringList& arguments)
{
    Options options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            options.help = true;
        } else if (arg == QLatin1String("--merge")) {
            options.merge = true;
        } else if (arg == QLatin1String("--locale")) {
            if (i + 1 >= arguments.size()) {
                options.error = QStringLiteral("--locale needs a locale name");
                return options;
            }
            options.locale = arguments[++i];
        } else if (arg == QLatin1String("--unit") || arg == QLatin1String("--format")) {
            const QString value = i + 1 < arguments.size() ? arguments[++i] : QString();
            const std::optional<WeightUnit> unit = UnitFromKey(value);
            if (arg == QLatin1String("--unit") && unit && unit != WeightUnit::StonesPounds)
                options.unit = unit;
            else if (arg == QLatin1String("--format") && value == QLatin1String("tarvel-1"))
                options.tarvel1 = true;
            else
                options.error = arg + QStringLiteral(" cannot be \"") + value + QLatin1Char('"');
            if (!options.error.isEmpty())
                return options;
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

// import: a new diary with an empty profile holding the CSV file's weighings; with merge, the
// weighings added to the diary OUT as File > Import adds them to the open diary.
int ImportCsvFile(const QString& csvPath, const QString& outPath, const Options& options,
                  const DiaryFile& file, const LocaleFormats& formats, const QTimeZone& local, FILE* out,
                  FILE* err)
{
    const bool exists = QFileInfo::exists(outPath);
    if (exists && !options.merge) {
        Print(err, QStringLiteral("tarvel-diary: %1 exists; add --merge to import into it\n").arg(outPath));
        return kExitFile;
    }
    QFile in(csvPath);
    if (!in.open(QIODevice::ReadOnly)) {
        Print(err, QStringLiteral("tarvel-diary: cannot read %1\n").arg(csvPath));
        return kExitFile;
    }
    Diary diary;
    diary.setAppFolder(QString());
    diary.setFilePath(outPath);
    if (exists) {
        const std::optional<int> dropped = ReadInto(diary, outPath, file, err);
        if (!dropped)
            return kExitFile;
        if (*dropped > 0) {
            Print(err, QStringLiteral("tarvel-diary: %1 left unchanged\n").arg(outPath));
            return kExitDropped;
        }
    }
    QString refusal;
    const WeightUnit unit = options.unit.value_or(WeightUnit::Kilograms);
    std::optional<CsvImportCounts> counts =
        ImportCsv(in.readAll(), diary.records(), diary.owner().ProfileHeight, formats, local, unit, &refusal);
    if (!counts) {
        Print(err, QStringLiteral("tarvel-diary: %1: %2\n").arg(csvPath, refusal));
        return kExitFile;
    }
    if (!counts->unitNamed && !options.unit)
        Say(err, LoadText(TextId::NoUnitReadAs).arg(UnitKey(unit)));
    diary.addDays(std::move(counts->days));
    if ((!exists || counts->imported > 0) && !WriteOrSay(diary, file, err))
        return kExitFile;
    Print(out, ImportReportText(*counts).replace(kCrLf, QStringLiteral("\n")) + QLatin1Char('\n'));
    return counts->unreadable > 0 ? kExitDropped : kExitOk;
}

} // namespace

int RunDiaryTool(const QStringList& arguments, FILE* out, FILE* err, const QTimeZone& local)
{
    const Options options = ParseArguments(arguments);
    if (options.help) {
        Print(out, QString::fromLatin1(kUsage));
        return kExitOk;
    }
    const bool import = options.command == QLatin1String("import");
    const qsizetype wanted = options.command == QLatin1String("rewrite") || import ? 2 : 1;
    const bool known =
        options.command == QLatin1String("show") || options.command == QLatin1String("rewrite") ||
        options.command == QLatin1String("export") || options.command == QLatin1String("trend") || import;
    if (!options.error.isEmpty() || !known || options.files.size() != wanted || (options.merge && !import) ||
        (options.unit && !import) || (options.tarvel1 && options.command != QLatin1String("export"))) {
        Print(err, (options.error.isEmpty() ? QStringLiteral("tarvel-diary: missing or unknown arguments")
                                            : QStringLiteral("tarvel-diary: ") + options.error) +
                       QStringLiteral("\n\n") + QString::fromLatin1(kUsage));
        return kExitUsage;
    }

    const QLocale locale = options.locale.isEmpty() ? QLocale::system() : QLocale(options.locale);
    const LocaleFormats formats = LocaleFormats::ProbeLocale(locale);
    const DiaryFile file(formats);

    if (import)
        return ImportCsvFile(options.files[0], options.files[1], options, file, formats, local, out, err);

    Diary diary;
    diary.setAppFolder(QString());
    diary.setFilePath(options.files[0]);
    const std::optional<int> dropped = ReadInto(diary, options.files[0], file, err);
    if (!dropped)
        return kExitFile;

    if (options.command == QLatin1String("show")) {
        Print(out, ShowText(diary, formats));
    } else if (options.command == QLatin1String("export")) {
        Print(out, options.tarvel1 ? ExportCsvTarvel1(diary.records())
                                   : ExportCsv(diary.records(), WeightUnit::Kilograms, local));
    } else if (options.command == QLatin1String("trend")) {
        Print(out, TrendText(diary));
    } else {
        diary.setFilePath(options.files[1]);
        if (!WriteOrSay(diary, file, err))
            return kExitFile;
    }
    return *dropped > 0 ? kExitDropped : kExitOk;
}

} // namespace tarvel
