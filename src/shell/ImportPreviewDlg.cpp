#include "shell/ImportPreviewDlg.h"

#include "entry/DiaryPage.h"
#include "platform/LocaleFormats.h"
#include "platform/TextTable.h"
#include "store/WeighingText.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <memory>

namespace tarvel {

namespace {

// How many weighings the preview shows.
constexpr int kPreviewRows = 8;

QTableWidget* MakeTable(QWidget* parent, const QStringList& headers, const std::vector<QStringList>& rows)
{
    auto* table = new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(headers.size()), parent);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < rows[static_cast<std::size_t>(r)].size(); ++c)
            table->setItem(r, c, new QTableWidgetItem(rows[static_cast<std::size_t>(r)][c]));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QDialog* MakeDialog(QWidget* parent, const QString& text)
{
    auto* dialog = new QDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    dialog->setWindowTitle(LoadText(TextId::ImportCsv));
    auto* layout = new QVBoxLayout(dialog);
    auto* label = new QLabel(text, dialog);
    label->setWordWrap(true);
    layout->addWidget(label);
    return dialog;
}

} // namespace

std::optional<WeightUnit> ImportPreviewDlg::AskUnit(const std::vector<double>& firstValues)
{
    const QChar sep = m_formats.DecimalSep;
    std::vector<QStringList> rows;
    for (const double value : firstValues) {
        const QString written = QString::number(value, 'g', 10).replace(QLatin1Char('.'), sep);
        rows.push_back(
            {written, MassUnitText(Mass{std::llround(value * 1000)}, WeightUnit::Kilograms, sep),
             written + QStringLiteral(" lb = ") +
                 MassUnitText(Mass{std::llround(value * kKgPerPound * 1000)}, WeightUnit::Kilograms, sep)});
    }
    std::unique_ptr<QDialog> dialog(MakeDialog(&m_page, LoadText(TextId::AskWeightUnit)));
    dialog->setObjectName(QStringLiteral("importUnitDialog"));
    dialog->layout()->addWidget(MakeTable(
        dialog.get(), {LoadText(TextId::AsWritten), LoadText(TextId::ReadAsKg), LoadText(TextId::ReadAsLb)},
        rows));
    auto* buttons = new QDialogButtonBox(dialog.get());
    QPushButton* kg = buttons->addButton(LoadText(TextId::UnitKilograms), QDialogButtonBox::AcceptRole);
    QPushButton* lb = buttons->addButton(LoadText(TextId::UnitPounds), QDialogButtonBox::AcceptRole);
    buttons->addButton(LoadText(TextId::Cancel), QDialogButtonBox::RejectRole);
    kg->setDefault(true);
    std::optional<WeightUnit> chosen;
    QObject::connect(kg, &QPushButton::clicked, dialog.get(), [&] { chosen = WeightUnit::Kilograms; });
    QObject::connect(lb, &QPushButton::clicked, dialog.get(), [&] { chosen = WeightUnit::Pounds; });
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog.get(), &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog.get(), &QDialog::reject);
    dialog->layout()->addWidget(buttons);
    dialog->resize(520, 260);
    return dialog->exec() == QDialog::Accepted ? chosen : std::nullopt;
}

bool ImportPreviewDlg::ConfirmImport(const QString& report, const std::vector<DayRecord>& days,
                                     bool anyToImport)
{
    std::vector<QStringList> rows;
    for (const DayRecord& day : days) {
        for (std::size_t slot = 0; slot < day.slot.size(); ++slot) {
            const Weighing& w = day.slot[slot];
            if (w.isEmpty() || rows.size() >= kPreviewRows)
                continue;
            rows.push_back({m_formats.FormatDate(day.date, m_formats.ShortDateFormat),
                            LoadText(slot == 0 ? TextId::Morning : TextId::Night), TimeText(w, m_formats),
                            WeightText(w, m_page.Unit(), m_formats), BmiText(w, m_formats), w.memo});
        }
    }
    QString text = report;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!rows.empty())
        text += QStringLiteral("\n\n") + LoadText(TextId::ImportPreview);
    std::unique_ptr<QDialog> dialog(MakeDialog(&m_page, text));
    dialog->setObjectName(QStringLiteral("importPreviewDialog"));
    if (!rows.empty()) {
        dialog->layout()->addWidget(
            MakeTable(dialog.get(),
                      {LoadText(TextId::DateLabel), QString(), LoadText(TextId::TimeLabel),
                       QStringLiteral("%1 (%2)").arg(LoadText(TextId::WeightLabel), UnitSymbol(m_page.Unit())), LoadText(TextId::BmiLabel),
                       LoadText(TextId::MemoLabel)},
                      rows));
    }
    auto* buttons = new QDialogButtonBox(dialog.get());
    QPushButton* import = buttons->addButton(LoadText(TextId::ImportCsv), QDialogButtonBox::AcceptRole);
    buttons->addButton(LoadText(TextId::Cancel), QDialogButtonBox::RejectRole);
    import->setEnabled(anyToImport);
    import->setDefault(anyToImport);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog.get(), &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog.get(), &QDialog::reject);
    dialog->layout()->addWidget(buttons);
    dialog->resize(640, 460);
    return dialog->exec() == QDialog::Accepted;
}

} // namespace tarvel
