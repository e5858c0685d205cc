// Tarvel and another program (a sync folder's client, the same diary on a second machine) writing
// the same diary file.

#include "platform/MessageService.h"
#include "platform/TextTable.h"
#include "support/ShellFixture.h"

#include <QLabel>

#include <gtest/gtest.h>

using namespace tarvel;
using namespace tarvel::testing;
using namespace Qt::StringLiterals;

namespace {

// Save, Save as onto the same file and the close question's Yes ask before writing over a diary
// that another program changed since it was read: Yes reads it again after keeping this diary, with
// the page's input, in a copy; No overwrites it; Cancel writes nothing. A file only touched asks
// nothing. The status bar says so once the window is active again.
TEST(ChangedDiaryFile, SavingAsksBeforeWritingOverAnotherProgramsChange)
{
    const QByteArray bea("Bea,160.0,2,,,,,,,,,,,\r\n2004/05/06,07:30,055.00,21.5,,,,,\r\n");
    const QByteArray theirs = bea + "2004/05/07,07:30,054.50,21.3,,,,,\r\n";
    const QString question = LoadText(TextId::FileChangedElsewhere).arg(u"bea.ov1"_s) + kCrLf + kCrLf +
                             LoadText(TextId::ChangedYesReads) + kCrLf +
                             LoadText(TextId::ChangedNoOverwrites) + kCrLf +
                             LoadText(TextId::ChangedCancelWrites);
    const struct {
        const char* command; // the action, or "" for closing the window
        Answer answer;
        bool touched; // the other program wrote the same bytes again
    } cases[] = {
        {"saveDiary", AnswerYes, false},  {"saveDiary", AnswerNo, false}, {"saveDiary", AnswerCancel, false},
        {"saveDiaryAs", AnswerNo, false}, {"", AnswerYes, false},         {"saveDiary", AnswerNo, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.command << " " << c.answer << (c.touched ? " touched" : ""));
        Shell s;
        const QString path = s.temp.Write(u"bea.ov1"_s, bea);
        ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        MainWindow& w = s.Start(path);
        s.Controls().weight[0]->setText(u"56"_s);
        QTest::mouseClick(s.Controls().save, Qt::LeftButton); // a day's stored edit
        QTest::keyClicks(s.Controls().memo[0], u"run"_s);     // and input on the page
        QFile other(path);
        ASSERT_TRUE(other.open(QIODevice::WriteOnly | QIODevice::Truncate));
        other.write(c.touched ? bea : theirs);
        other.flush();
        other.setFileTime(QDateTime(QDate(2030, 1, 1), QTime(8, 0)), QFileDevice::FileModificationTime);
        other.close();
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&w, &activate);
        const auto* note = w.findChild<QLabel*>(u"fileStatus"_s);
        ASSERT_NE(note, nullptr);
        EXPECT_EQ(note->text(),
                  c.touched ? QString() : LoadText(TextId::FileChangedSaveAsks).arg(u"bea.ov1"_s));

        if (!*c.command) {
            s.messages.Script(AnswerYes, ButtonsYesNoCancel); // the page's input is saved,
            s.messages.Script(AnswerYes, ButtonsYesNoCancel); // and then the file
        }
        if (!c.touched)
            s.messages.Script(c.answer, ButtonsYesNoCancel);
        s.dialogs.Script(path); // for Save as
        *c.command ? s.Command(c.command) : void(w.close());

        const QStringList texts = s.messages.Texts();
        const QString kept = s.temp.File(u"bea (kept 2026-12-06 10.00.00).ov1"_s);
        const auto ours = [](const QByteArray& file) {
            return file.contains(",056.00,") && file.contains(",run,");
        };
        EXPECT_EQ(texts.contains(question), !c.touched);
        EXPECT_EQ(ours(ReadBytes(path)), c.answer == AnswerNo);
        EXPECT_EQ(ReadBytes(path) == theirs, c.answer != AnswerNo);
        EXPECT_EQ(ours(ReadBytes(kept)), c.answer == AnswerYes);
        EXPECT_EQ(QFile::permissions(kept),
                  c.answer == AnswerYes ? QFile::permissions(path) : QFileDevice::Permissions());
        EXPECT_EQ(texts.contains(LoadText(TextId::DiaryKeptAs).arg(kept)), c.answer == AnswerYes);
        EXPECT_EQ(s.State().records().Count(), c.answer == AnswerYes ? 2 : 1);
        EXPECT_EQ(s.Caption(), c.answer == AnswerCancel ? u"*Tarvel [bea.ov1] *"_s : u"Tarvel [bea.ov1]"_s);
        EXPECT_EQ(note->text().isEmpty(), c.answer != AnswerCancel);
        EXPECT_TRUE(w.isVisible() && s.messages.ScriptUsedUp());
    }
}

} // namespace
