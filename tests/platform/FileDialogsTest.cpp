#include "platform/FileDialogs.h"
#include "platform/QtFileDialogs.h"

#include "support/TempFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tarvel;
using tarvel::testing::TempFolder;

namespace {

struct SeenDialog {
    QString title, directory, selectedFilter;
    QStringList filters;
    bool askedToReplace = false;
};

// Shows a real QFileDialog through QtFileDialogs and, once it is up, records it and then chooses the
// given path (answering Yes if it asks to replace a file), or cancels when the path is empty.
QString ShowAndAnswer(bool save, const QString& folder, const QString& choose, SeenDialog& seen)
{
    QTimer::singleShot(0, [&seen, choose]() {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen.title = dialog->windowTitle();
        seen.directory = dialog->directory().absolutePath();
        seen.filters = dialog->nameFilters();
        seen.selectedFilter = dialog->selectedNameFilter();
        if (choose.isEmpty()) {
            dialog->reject();
            return;
        }
        // Runs only while accept() waits in a nested box; cancelled with the dialog otherwise.
        QTimer::singleShot(0, dialog, [&seen]() {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            seen.askedToReplace = true;
            box->button(QMessageBox::Yes)->click();
        });
        dialog->selectFile(choose);
        static_cast<QDialog*>(dialog)->accept(); // public in QDialog, QFileDialog's own checks run
    });
    QtFileDialogs dialogs;
    const QString filter = DiaryFileFilter();
    return save ? dialogs.SaveFile(QStringLiteral("Save diary"), folder, filter)
                : dialogs.OpenFile(QStringLiteral("Open diary"), folder, filter);
}

TEST(QtFileDialogs, ShowTitleFolderFiltersAndAnswerThePath)
{
    // QFileDialog keeps its history in the user's QtProject settings: keep them out of the home folder.
    static const TempFolder config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.Path());

    const TempFolder folder;
    const QString existing = folder.Write(QStringLiteral("mine.ov1"), "x");
    const QString fresh = folder.File(QStringLiteral("new diary"));
    const struct {
        bool save;
        QString choose; // empty: cancel
        bool asks;
        QString answer; // as chosen when empty
    } cases[] = {{false, existing, false, {}},
                 {false, {}, false, {}},
                 {true, fresh, false, fresh + QStringLiteral(".ov1")}, // a name without extension gets ".ov1"
                 {true, folder.File(QStringLiteral("notes.txt")), false, {}},
                 {true, existing, true, {}},
                 {true, {}, false, {}}};
    for (const auto& c : cases) {
        SeenDialog seen;
        const QString answer = ShowAndAnswer(c.save, folder.Path(), c.choose, seen);
        EXPECT_EQ(answer, c.answer.isEmpty() ? c.choose : c.answer) << c.save << " " << c.choose.toStdString();
        EXPECT_EQ(seen.askedToReplace, c.asks) << c.save << " " << c.choose.toStdString();
        EXPECT_EQ(seen.title, c.save ? QStringLiteral("Save diary") : QStringLiteral("Open diary"));
        EXPECT_EQ(seen.directory, folder.Path());
        EXPECT_EQ(seen.filters,
                  QStringList({QStringLiteral("OV1 Files (*.ov1)"), QStringLiteral("All Files (*)")}));
        EXPECT_EQ(seen.selectedFilter, QStringLiteral("OV1 Files (*.ov1)"));
    }
}

} // namespace
