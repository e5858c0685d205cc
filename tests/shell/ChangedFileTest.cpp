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

const QByteArray kBeaDiary("Bea,160.0,2,,,,,,,,,,,\r\n2004/05/06,07:30,055.00,21.5,,,,,\r\n");
// What the other program made of it: a day added.
const QByteArray kTheirs = kBeaDiary + "2004/05/07,07:30,054.50,21.3,,,,,\r\n";

// Save, Save as onto the same file and the close question's Yes ask before writing over a diary
// that another program changed since it was read: Yes reads it again after keeping this diary, with
// the page's input, in a copy; No overwrites it; Cancel writes nothing. A file only touched asks
// nothing. The status bar says so once the window is active again.
TEST(ChangedDiaryFile, SavingAsksBeforeWritingOverAnotherProgramsChange)
{
    const struct {
        const char* how; // "save", "save as" onto the same file, or "close"
        Answer answer;
        bool touched; // the other program wrote the same bytes again
    } cases[] = {{"save", AnswerYes, false},   {"save", AnswerNo, false},   {"save", AnswerCancel, false},
                 {"save as", AnswerNo, false}, {"close", AnswerYes, false}, {"save", AnswerNo, true}};
    const QString question = LoadText(1520).arg(u"bea.ov1"_s) + kCrLf + kCrLf + LoadText(1521) + kCrLf +
                             LoadText(1522) + kCrLf + LoadText(1523);
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.how << " " << c.answer << (c.touched ? " touched" : ""));
        Shell s;
        const QString bea = s.temp.Write(u"bea.ov1"_s, kBeaDiary);
        MainWindow& w = s.Start(bea);
        s.Controls().weight[0]->setText(u"56"_s);
        QTest::mouseClick(s.Controls().save, Qt::LeftButton); // a day's stored edit
        QTest::keyClicks(s.Controls().memo[0], u"run"_s);     // and input on the page

        QFile other(bea);
        ASSERT_TRUE(other.open(QIODevice::WriteOnly | QIODevice::Truncate));
        other.write(c.touched ? kBeaDiary : kTheirs);
        other.flush();
        other.setFileTime(QDateTime(QDate(2030, 1, 1), QTime(8, 0)), QFileDevice::FileModificationTime);
        other.close();
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&w, &activate);
        const auto* note = w.findChild<QLabel*>(u"fileStatus"_s);
        ASSERT_NE(note, nullptr);
        EXPECT_EQ(note->text(), c.touched ? QString() : LoadText(1525).arg(u"bea.ov1"_s));

        if (QByteArray(c.how) == "close") {
            s.messages.Script(AnswerYes); // the page's input is saved,
            s.messages.Script(AnswerYes); // and then the file
        }
        if (!c.touched)
            s.messages.Script(c.answer);
        if (QByteArray(c.how) == "save as")
            s.dialogs.Script(bea);
        QByteArray(c.how) == "close"
            ? void(w.close())
            : s.Command(QByteArray(c.how) == "save as" ? "saveDiaryAs" : "saveDiary");

        QStringList texts;
        for (const auto& shown : s.messages.Messages())
            texts << shown.text;
        EXPECT_EQ(texts.contains(question), !c.touched);
        const bool overwritten = c.answer == AnswerNo;
        const QByteArray file = ReadBytes(bea);
        EXPECT_EQ(file.contains(",056.00,") && file.contains(",run,"), overwritten);
        EXPECT_EQ(file == kTheirs, !overwritten);
        const QString kept = s.temp.File(u"bea (kept 2026-12-06 10.00.00).ov1"_s);
        EXPECT_EQ(ReadBytes(kept).contains(",056.00,") && ReadBytes(kept).contains(",run,"),
                  c.answer == AnswerYes);
        if (c.answer == AnswerYes) {
            EXPECT_EQ(texts.value(texts.size() - 1), LoadText(1524).arg(kept));
        }
        EXPECT_EQ(s.State().Records.Count(), c.answer == AnswerYes ? 2 : 1);
        EXPECT_EQ(s.State().DataChanged, c.answer == AnswerCancel);
        EXPECT_EQ(s.Caption(), c.answer == AnswerCancel ? u"Tarvel [bea.ov1] *"_s : u"Tarvel [bea.ov1]"_s);
        EXPECT_EQ(note->text().isEmpty(), c.answer != AnswerCancel);
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(s.messages.ScriptUsedUp());
    }
}

} // namespace
