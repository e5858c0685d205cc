#include "scale/PortConnection.h"
#include "scale/CommDlg.h"
#include "scale/ErrorLog.h"
#include "scale/ScaleLink.h"

#include "platform/Clock.h"
#include "platform/LocaleFormats.h"
#include "platform/TextTable.h"
#include "store/Diary.h"
#include "support/FakeSerialPort.h"
#include "support/ScriptedMessages.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tarvel;
using tarvel::testing::FakeSerialPort;
using tarvel::testing::ScriptedMessages;
using tarvel::testing::TempFolder;

namespace {

// The port connection over fake ports, with its error log in a temporary folder.
struct Link {
    TempFolder temp;
    FixedClock clock{QDateTime(QDate(2026, 12, 6), QTime(9, 30))};
    LocaleFormats formats = LocaleFormats::ProbeLocale(QLocale(QStringLiteral("ja_JP")));
    Diary diary;
    ScriptedMessages messages;
    FakeSerialPort port;
    FakeSerialPort testPort;
    ErrorLog log{temp.Path(), clock, formats};
    ScaleLink link{port, diary, formats, clock};
    int portNo = 3;
    PortConnection connection{port, link, log, messages, portNo};

    // The tags of the error log's lines, in order.
    QStringList Tags() const
    {
        static const QRegularExpression tag(QStringLiteral("^\\[[^]]*\\] \\(([^)]*)\\) "),
                                            QRegularExpression::MultilineOption);
        QStringList tags;
        for (const auto& match : tag.globalMatch(QString::fromUtf8(tarvel::testing::ReadBytes(log.Path()))))
            tags << match.captured(1);
        return tags;
    }
    QStringList Texts() const
    {
        QStringList texts;
        for (const auto& shown : messages.Messages())
            texts << shown.text;
        return texts;
    }

    // Runs the Port dialog over the test port; `act` runs once the dialog is shown.
    void RunDialog(const std::function<void(CommDlg&)>& act)
    {
        connection.ChangePort([&] {
            CommDlg dialog(testPort, log, messages,
                           [](int n) { return QStringLiteral("/dev/port%1").arg(n); });
            QTimer::singleShot(0, &dialog, [&] { act(dialog); });
            return dialog.Run(portNo);
        });
    }
};

const QString kCannotOpen = LoadText(725) + QStringLiteral("\r\n");

TEST(PortConnectionTest, OpeningLadderLogsEachFailureWithItsTag)
{
    const PortResult held{kPortAlreadyOpen, QStringLiteral("held")};
    const PortResult missing{8002, QStringLiteral("missing")};
    struct Case {
        const char* name;
        std::optional<PortResult> result; // nothing: the port opens
        bool closesFail;
        std::vector<int> steps; // the tags MainForm-Form_Load n logged, in order
        bool message;
    };
    const Case cases[] = {
        {"opens", std::nullopt, false, {}, false},
        {"held", held, false, {1, 3}, false},
        {"held, closes fail", held, true, {1, 2, 3}, false},
        {"missing", missing, false, {1, 5}, true},
        {"missing, closes fail", missing, true, {1, 4, 5, 8}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Link l;
        if (c.result)
            l.port.Script(3, *c.result);
        else
            l.port.Exists(3);
        if (c.closesFail)
            l.port.FailCloses({9, QStringLiteral("close failed")});
        l.connection.OpenScalePort();
        QStringList tags;
        for (int step : c.steps)
            tags << QStringLiteral("MainForm-Form_Load %1").arg(step);
        EXPECT_EQ(l.Tags(), tags);
        EXPECT_EQ(l.connection.State(), c.message ? PortState::Closed : PortState::Open);
        EXPECT_EQ(l.Texts(), c.message ? QStringList{kCannotOpen} : QStringList{});
        EXPECT_EQ(l.port.IsOpen(), !c.result.has_value());
    }
}

TEST(PortConnectionTest, PortCommandReopensAfterTheDialog)
{
    Link l;
    l.port.Exists(3);
    l.connection.OpenScalePort();
    l.testPort.Exists(1);
    l.testPort.Exists(3);

    // Cancel: the same port is closed and opened again.
    l.RunDialog([](CommDlg& d) { d.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click(); });
    EXPECT_EQ(l.portNo, 3);
    EXPECT_TRUE(l.port.IsOpen());
    EXPECT_EQ(l.port.calls.back(), QStringLiteral("open 3"));

    // OK after picking Com1; the main port does not exist there: logged with the command's tags.
    l.RunDialog([](CommDlg& d) {
        d.findChild<QComboBox*>(QStringLiteral("portList"))->setCurrentIndex(0);
        Q_EMIT d.findChild<QComboBox*>(QStringLiteral("portList"))->activated(0);
        d.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    });
    EXPECT_EQ(l.portNo, 1);
    EXPECT_EQ(l.Tags().filter(QStringLiteral("MainForm")),
              (QStringList{QStringLiteral("MainForm-Set_Com 2"), QStringLiteral("MainForm-Set_Com 6")}));
    EXPECT_EQ(l.Texts(), QStringList{kCannotOpen});
    EXPECT_EQ(l.connection.State(), PortState::Closed);

    // No usable port: the dialog's own message only, and the port stays closed.
    Link none;
    none.port.Exists(3);
    none.connection.OpenScalePort();
    none.RunDialog([](CommDlg& d) { d.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click(); });
    EXPECT_EQ(none.Texts(), QStringList{LoadText(800) + QStringLiteral("\r\n")});
    EXPECT_EQ(none.messages.Messages()[0].iconKind, 3);
    EXPECT_FALSE(none.port.IsOpen());
    EXPECT_EQ(none.connection.State(), PortState::Closed);
}

TEST(PortConnectionTest, DialogListsUsablePortsAndTriesEachPick)
{
    Link l;
    l.portNo = 2;
    l.testPort.Exists(1);
    l.testPort.Exists(2);
    l.testPort.Script(12, {kPortAlreadyOpen, QStringLiteral("held")});
    QStringList entries;
    int selected = 0;
    CommDlg dialog(l.testPort, l.log, l.messages, [](int n) { return QStringLiteral("/dev/port%1").arg(n); });
    QTimer::singleShot(0, &dialog, [&] {
        for (int i = 0; i < dialog.findChild<QComboBox*>(QStringLiteral("portList"))->count(); ++i)
            entries << dialog.findChild<QComboBox*>(QStringLiteral("portList"))->itemText(i);
        selected = dialog.findChild<QComboBox*>(QStringLiteral("portList"))->currentData().toInt();
        // A held port is taken without a message.
        dialog.findChild<QComboBox*>(QStringLiteral("portList"))->setCurrentIndex(2);
        Q_EMIT dialog.findChild<QComboBox*>(QStringLiteral("portList"))->activated(2);
        EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("portList"))->currentData().toInt(), 12);
        // Com1 has gone since the list was made: 801, and the previous pick comes back.
        l.testPort.Script(1, {8002, QStringLiteral("gone")});
        dialog.findChild<QComboBox*>(QStringLiteral("portList"))->setCurrentIndex(0);
        Q_EMIT dialog.findChild<QComboBox*>(QStringLiteral("portList"))->activated(0);
        EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("portList"))->currentData().toInt(), 12);
        EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("portList"))->currentIndex(), 2);
        dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    });
    dialog.Run(l.portNo);

    EXPECT_EQ(entries, (QStringList{QStringLiteral("Com1   /dev/port1"), QStringLiteral("Com2   /dev/port2"),
                                    QStringLiteral("Com12   /dev/port12")}));
    EXPECT_EQ(selected, 2);
    EXPECT_EQ(l.portNo, 12);
    EXPECT_EQ(l.Texts(), QStringList{LoadText(801)});
    // One line for each port that could not be tried, and one for each failed pick.
    EXPECT_EQ(l.Tags().count(QStringLiteral("CommDlg-Form_Load 1")), 14);
    EXPECT_EQ(l.Tags().count(QStringLiteral("CommDlg-PortCombo_Click 1")), 2);
    EXPECT_FALSE(l.testPort.IsOpen());

    // The port in use has gone: the first entry is chosen.
    Link gone;
    gone.portNo = 5;
    gone.testPort.Exists(4);
    gone.testPort.Exists(9);
    gone.RunDialog([](CommDlg& d) {
        EXPECT_EQ(d.findChild<QComboBox*>(QStringLiteral("portList"))->currentData().toInt(), 4);
        d.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    });
    EXPECT_EQ(gone.portNo, 5);
}

TEST(PortConnectionTest, LostDeviceIsClosedAndLoggedOnce)
{
    Link l;
    l.port.Exists(3);
    l.connection.OpenScalePort();
    l.port.Feed(QByteArray("\n"));
    EXPECT_EQ(l.link.RecvState, 0);
    l.port.Close();
    Q_EMIT l.port.DeviceLost({8009, QStringLiteral("Resource error")});
    EXPECT_EQ(l.Tags(), QStringList{QStringLiteral("MainForm-MSComm_OnComm 1")});
    EXPECT_EQ(l.connection.State(), PortState::Closed);
    EXPECT_EQ(l.link.RecvState, -1);
    EXPECT_TRUE(l.messages.Messages().empty());
}

} // namespace
