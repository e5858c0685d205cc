#include "scale/CommDlg.h"
#include "scale/ErrorLog.h"
#include "scale/PortConnection.h"
#include "scale/ScaleLink.h"
#include "scale/ScaleStatus.h"

#include "platform/Clock.h"
#include "platform/LocaleFormats.h"
#include "platform/SettingsStore.h"
#include "platform/TextTable.h"
#include "store/Settings.h"
#include "support/FakeSerialPort.h"
#include "support/ScriptedMessages.h"
#include "support/TempFolder.h"

#include <QComboBox>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string_view>

// Garbage of any kind (reading more than is waiting, leaving characters waiting) is left to the scale
// link's fuzz target, whose seeds run with the tests.

using namespace tarvel;
using namespace Qt::StringLiterals;
using tarvel::testing::ReadBytes;
using namespace std::string_view_literals;

namespace {

const QByteArray kMessage = "ST,+065.40kg\r\n";

// A link on a fake port in ja_JP at 9:30, recording each weight it hands over with the time of the
// weighing when that is not the clock's. The quiet timer never fires here: tests tick it by hand.
struct Rig {
    LocaleFormats formats = LocaleFormats::ProbeLocale(QLocale(u"ja_JP"_s));
    FixedClock clock{QDateTime(QDate(2026, 12, 6), QTime(9, 30))};
    tarvel::testing::FakeSerialPort source;
    ScaleLink link{source, formats, clock};
    QStringList accepted;

    Rig()
    {
        link.WeightAccepted = [this](const QString& text, const QDateTime& weighed) {
            accepted << text + (weighed == clock.Now() ? QString() : u" at "_s + weighed.toString());
        };
    }
    // Appends bytes as one batch and notifies the link, as the port does.
    void Feed(const QByteArray& bytes)
    {
        source.Feed(bytes);
        link.OnSerialData();
    }
};

TEST(ScaleLink, MessagesAreCheckedAndFramedFromPiecesStrayCharactersAndOutOfStep)
{
    const struct {
        std::string_view stream; // "|" separates the batches
        const char* weight;      // nullptr: nothing taken
    } cases[] = {
        // clang-format off
        {"\nST,+001.99kg\r\n", nullptr}, {"\nST,+002.00kg\r\n", "2.00"}, {"\nST,+003.5 kg\r\n", "3.50"},
        {"\nST;+065.40kg\r\n", "65.40"}, {"\nST,+1234.5kg\r\n", "1234.50"}, {"\nUS,+065.40kg\r\n", nullptr},
        {"\nOL,+065.40kg\r\n", nullptr}, {"\nst,+065.40kg\r\n", nullptr}, {"\nST,-065.40kg\r\n", nullptr},
        {"\nST,+065.40lb\r\n", nullptr}, {"\nST,+065.40KG\r\n", nullptr}, {"\nST,+065.40kg\n\r", nullptr},
        {"\nST,+065.40kg\r\r", nullptr}, {"\nST,+06a.40kg\r\n", nullptr}, {"\nST,+06.4.0kg\r\n", nullptr},
        {"\nST,+ 65.40kg\r\n", "65.40"}, {"\nST,+      kg\r\n", nullptr}, {"\nST,+-65.40kg\r\n", nullptr},
        {"\nST,+6.5e01kg\r\n", nullptr}, {"\nST,+065,40kg\r\n", nullptr}, {"\nST,+06\xE9.40kg\r\n", nullptr},
        {"\nST,+065.4\0kg\r\n"sv, nullptr}, {"\nST,+  5.4 kg\r\n", "5.40"}, {"\nST,+ 6 5.4kg\r\n", nullptr},
        {"\n|ST,+06|5.40kg\r\n", "65.40"}, {"\n|ST,+065.40kg\r|\n", "65.40"},
        {"\n|S|T|,|+|0|6|5|.|4|0|k|g|\r|\n", "65.40"},
        {"\nxxST,+065.40kg\r\n", "65.40"}, // stray characters before the header
        {"\nUSST,+065.40kg\r\n", "65.40"}, // a stable header wins over another one before it
        {"\nxxST,+065.40kg", nullptr},     // the line end has not yet arrived
        // Out of step: the message the first line feed ends is discarded, the next one examined.
        {"5.40kg\r\nST,+066.00kg\r\n", "66.00"}, {"ST,+065.40kg\r\nST,+06|5.40kg\r\n", "65.40"},
        // clang-format on
    };
    for (const auto& c : cases) {
        Rig r;
        const QByteArray stream(c.stream.data(), qsizetype(c.stream.size()));
        for (const QByteArray& piece : stream.split('|'))
            r.Feed(piece);
        const std::string name = stream.toPercentEncoding().toStdString();
        const QStringList accepted{QLatin1String(c.weight)};
        EXPECT_EQ(r.accepted, c.weight ? accepted : QStringList{}) << name;
        EXPECT_EQ(r.link.RecvState, c.weight ? 1 : 0) << name;
        EXPECT_EQ(r.source.BufferedCount(), 0) << name; // nothing left that a step could use
    }
}

// Where a reading goes (the page, or the status bar until the page can take it) is the window's
// business: the link hands over every stable reading in the locale's layout and starts the quiet
// period, which discards readings for five ticks or until stopped.
TEST(ScaleLink, ReadingsInTheLocalesLayoutAndTheQuietPeriod)
{
    Rig r;
    r.formats = LocaleFormats::ProbeLocale(QLocale(u"de_DE"_s));
    r.Feed("kg\r\n");
    r.link.StopQuietTimer(); // outside a quiet period the link stays in step
    r.Feed(kMessage);
    EXPECT_TRUE(r.link.QuietTimer().isActive());
    for (int tick = 1; tick <= 5; ++tick) {
        r.Feed("ST,+080.00kg\r\n");
        EXPECT_EQ(r.link.RecvState, tick);
        r.link.OnQuietTick();
    }
    EXPECT_EQ(r.link.RecvState, -1);
    EXPECT_FALSE(r.link.QuietTimer().isActive());
    // The next line feed brings the link in step again; the same weight then counts once more.
    r.Feed(kMessage + kMessage);
    r.link.OnQuietTick();
    r.link.StopQuietTimer();
    EXPECT_EQ(r.link.RecvState, -1);
    EXPECT_FALSE(r.link.QuietTimer().isActive());
    r.Feed(kMessage + "ST,+071.20kg\r\n");
    EXPECT_EQ(r.accepted.join(u' '), u"65,40 65,40 71,20"_s);
}

// The port connection on the rig's port, with a test port for the Port dialog and the error log in a
// temporary folder.
struct Link : Rig {
    tarvel::testing::TempFolder temp;
    tarvel::testing::ScriptedMessages messages;
    tarvel::testing::FakeSerialPort testPort;
    ErrorLog log{temp.Path(), clock, formats};
    int portNo = 3;
    PortConnection connection{source, link, log, messages, portNo};

    // The tags of the error log's lines, in order.
    QStringList Tags() const
    {
        QStringList tags;
        for (const QString& line :
             QString::fromUtf8(ReadBytes(log.Path())).split(u"\r\n"_s, Qt::SkipEmptyParts))
            tags << line.section(u'(', 1).section(u')', 0, 0);
        return tags;
    }
    // The Port command over the test port; `act` runs once the dialog is shown.
    void PortCommand(const std::function<void(QComboBox&, CommDlg&)>& act)
    {
        connection.ChangePort([&] {
            CommDlg dialog(testPort, log, messages, [](int n) { return u"/dev/port%1"_s.arg(n); });
            QTimer::singleShot(0, &dialog,
                               [&] { act(*dialog.findChild<QComboBox*>(u"portList"_s), dialog); });
            return dialog.Run(portNo);
        });
    }
};

const QString kCannotOpen = LoadText(TextId::CannotOpenPort) + u"\r\n"_s;

TEST(PortConnection, OpeningLadderLogsEachFailureWithItsTag)
{
    // clang-format off
    const struct {
        int openError; // 0: the port opens
        bool closesFail;
        const char* tags; // n of each "MainForm-Form_Load n" logged, in order
    } cases[] = {{0, false, ""}, {kPortAlreadyOpen, false, "1 3"}, {kPortAlreadyOpen, true, "1 2 3"},
                 {8002, false, "1 5"}, {8002, true, "1 4 5 8"}};
    // clang-format on
    for (const auto& c : cases) {
        Link l;
        l.source.Script(3, {c.openError, u"failed"_s});
        if (c.closesFail)
            l.source.FailCloses({9, u"close failed"_s});
        l.connection.OpenScalePort();
        EXPECT_EQ(l.Tags().join(u' ').remove(u"MainForm-Form_Load "_s), c.tags);
        const bool givenUp = c.openError == 8002; // a held port may be free when the scale is used
        EXPECT_EQ(l.connection.State(), givenUp ? PortState::Lost : PortState::Open) << c.tags;
        EXPECT_EQ(l.messages.Texts(), givenUp ? QStringList{kCannotOpen} : QStringList{}) << c.tags;
        // A scale plugged in after the start is found by the tries that follow, without a word.
        EXPECT_EQ(l.connection.RetryTimer().isActive(), givenUp) << c.tags;
        l.source.Exists(3);
        l.connection.RetryLostPort();
        EXPECT_EQ(l.connection.Connected(), c.openError != kPortAlreadyOpen) << c.tags;
        EXPECT_EQ(l.messages.Texts().size(), givenUp ? 1 : 0) << c.tags;
    }
}

TEST(PortConnection, UnpluggedScaleThenThePortDialogListsUsablePortsAndTriesEachPick)
{
    Link l;
    l.source.Exists(3);
    l.connection.OpenScalePort();
    l.source.Feed("\n");
    ASSERT_EQ(l.link.RecvState, 0);
    l.source.Close();
    Q_EMIT l.source.DeviceLost({8009, u"Resource error"_s});
    // Closed and logged once without a message; the link waits for the next line end.
    EXPECT_EQ(ReadBytes(l.log.Path()),
              "[2026/12/06 09:30] (MainForm-MSComm_OnComm 1) No.=8009 Msg=Resource error Port=3\r\n");
    EXPECT_EQ(l.connection.State(), PortState::Lost);
    EXPECT_EQ(l.link.RecvState, -1);
    l.connection.RetryTimer().stop();

    for (int n : {1, 3})
        l.testPort.Exists(n);
    l.testPort.Script(12, {kPortAlreadyOpen, u"held"_s});
    QStringList entries;
    l.PortCommand([&](QComboBox& list, CommDlg& dialog) {
        for (int i = 0; i < list.count(); ++i)
            entries << list.itemText(i);
        EXPECT_EQ(list.currentIndex(), 1); // the port in use
        // A held port is taken without a message; Com1 has gone since the list was made: PortUnusable,
        // and the previous pick comes back.
        list.setCurrentIndex(2);
        Q_EMIT list.activated(2);
        l.testPort.Script(1, {8002, u"gone"_s});
        list.setCurrentIndex(0);
        Q_EMIT list.activated(0);
        EXPECT_EQ(list.currentIndex(), 2);
        dialog.findChild<QPushButton*>(u"okButton"_s)->click();
    });
    EXPECT_EQ(entries, (QStringList{u"Com1   /dev/port1"_s, u"Com3   /dev/port3"_s, u"Com12   /dev/port12"_s,
                                    LoadText(TextId::NoScale)}));
    EXPECT_EQ(l.portNo, 12);
    // One line for each port the list could not use and for each failed pick; the main port,
    // missing on Com12, is logged with the command's tags.
    EXPECT_EQ(l.Tags().count(u"CommDlg-Form_Load 1"_s), 14);
    EXPECT_EQ(l.Tags().count(u"CommDlg-PortCombo_Click 1"_s), 2);
    EXPECT_EQ(l.Tags().filter(u"MainForm-Set_Com"_s),
              (QStringList{u"MainForm-Set_Com 2"_s, u"MainForm-Set_Com 6"_s}));
    EXPECT_EQ(l.messages.Texts(), (QStringList{LoadText(TextId::PortUnusable), kCannotOpen}));
    EXPECT_EQ(l.connection.State(), PortState::Lost);

    // No usable port: the dialog's own message, and "No scale" can still be chosen: nothing is
    // opened and nothing more said.
    Link none;
    none.source.Exists(3);
    none.connection.OpenScalePort();
    none.PortCommand([](QComboBox& list, CommDlg& dialog) {
        EXPECT_EQ(list.count(), 1);
        dialog.accept();
    });
    EXPECT_EQ(none.messages.Texts(), QStringList{LoadText(TextId::NoOpenPort) + u"\r\n"_s});
    EXPECT_EQ(none.portNo, 0);
    EXPECT_EQ(none.connection.State(), PortState::NoScale);
    EXPECT_FALSE(none.source.IsOpen());
}

// Cancel and Escape in the Port dialog change nothing and say nothing, even after a pick: an open
// port is opened again, one that went away meanwhile or was already away is waited for.
TEST(PortConnection, CancelledPortCommandLeavesThePortAsItWas)
{
    const struct {
        bool openBefore, goneMeanwhile, escape;
        PortState after;
    } cases[] = {{true, false, false, PortState::Open},
                 {true, true, true, PortState::Lost},
                 {false, false, false, PortState::Lost}};
    for (const auto& c : cases) {
        Link l;
        if (c.openBefore)
            l.source.Exists(3);
        l.connection.OpenScalePort();
        const QStringList shown = l.messages.Texts();
        l.testPort.Exists(3);
        if (c.goneMeanwhile)
            l.source.Script(3, {8002, u"gone"_s});
        l.PortCommand([&](QComboBox& list, CommDlg& dialog) {
            list.setCurrentIndex(list.count() - 1);
            Q_EMIT list.activated(list.count() - 1);
            if (c.escape)
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                dialog.findChild<QPushButton*>(u"cancelButton"_s)->click();
        });
        EXPECT_EQ(l.portNo, 3);
        EXPECT_EQ(l.messages.Texts(), shown);
        EXPECT_EQ(l.connection.State(), c.after);
        EXPECT_EQ(l.source.IsOpen(), c.after == PortState::Open);
        EXPECT_EQ(l.connection.RetryTimer().isActive(), c.after == PortState::Lost);
    }
}

// The status line through the port's life: no scale, the first start's silent fall-back, connected,
// a reading, the device gone, tries while it is away, and back.
TEST(PortConnection, StatusLineFollowsThePortAndTheDeviceComingBack)
{
    Link l;
    const auto device = [](int n) { return u"/dev/port%1"_s.arg(n); };
    std::optional<ScaleReading> last;
    QStringList lines;
    l.connection.Changed = [&] { lines << ScaleStatusText(l.connection, device, last); };

    l.portNo = 0;
    l.connection.OpenScalePort();
    EXPECT_TRUE(l.source.calls.empty());
    l.portNo = 3;
    l.connection.OpenScalePort(false); // the first start, Com3 missing
    EXPECT_EQ(l.portNo, 0);
    l.portNo = 3;
    l.source.Exists(3);
    l.connection.OpenScalePort(false);
    last = ScaleReading{u"65.40 kg"_s, u"09:30"_s};
    lines << ScaleStatusText(l.connection, device, last);
    last.reset();
    l.source.Close();
    Q_EMIT l.source.DeviceLost({8009, u"Resource error"_s});
    EXPECT_TRUE(l.connection.RetryTimer().isActive());
    l.source.Script(3, {8002, u"gone"_s});
    l.connection.RetryLostPort();
    l.source.Exists(3);
    l.connection.RetryLostPort();
    EXPECT_FALSE(l.connection.RetryTimer().isActive());

    EXPECT_EQ(
        lines,
        (QStringList{u"No scale"_s,
                     u"No scale: Com3 (/dev/port3) could not be opened (Setting > Port chooses the scale)"_s,
                     u"Scale: Com3 (/dev/port3) connected"_s,
                     u"Scale: Com3 (/dev/port3) connected, last reading 65.40 kg at 09:30"_s,
                     u"Scale: Com3 (/dev/port3) not connected"_s,
                     u"Scale: Com3 (/dev/port3) connected again"_s}));
    EXPECT_TRUE(l.messages.Texts().isEmpty());
    // The loss and the return are logged once each, the failed tries not at all.
    EXPECT_EQ(l.Tags().mid(2), (QStringList{u"MainForm-MSComm_OnComm 1"_s, u"PortConnection-Reconnect 1"_s}));
}

} // namespace

// The Bluetooth part of the Port dialog preselects the stored scale and user; None and Every user
// give "" and kEveryUser. The settings keep both, a user out of 0..254 being every user.
TEST(PortConnection, BluetoothScaleAndUserChosenAndKept)
{
    Link l;
    QString address = u"C0:FF:EE:00:12:34"_s;
    int user = 3;
    CommDlg dialog(l.testPort, l.log, l.messages, {});
    QTimer::singleShot(0, &dialog, [&] {
        auto* scales = dialog.findChild<QComboBox*>(u"bluetoothList"_s);
        auto* users = dialog.findChild<QComboBox*>(u"bluetoothUser"_s);
        EXPECT_EQ((scales->currentText() + u'|' + users->currentText()).toStdString(),
                  "C0:FF:EE:00:12:34|User 3");
        scales->setCurrentIndex(0);
        users->setCurrentIndex(0);
        dialog.accept();
    });
    ASSERT_TRUE(dialog.Run(l.portNo, address, user));
    EXPECT_EQ(address + u'|' + QString::number(user), u"|-1"_s);

    IniSettingsStore store(
        l.temp.Write(u"t.ini"_s, "[CommSet]\nBluetooth= C0:FF:EE:00:12:34\nBluetoothUser=7\n"));
    Settings settings;
    settings.Load(store);
    settings.SaveSettings(store);
    settings.Load(store);
    EXPECT_EQ(settings.Bluetooth + u'|' + QString::number(settings.BluetoothUser), u"C0:FF:EE:00:12:34|7"_s);
    store.Save(u"CommSet"_s, u"BluetoothUser"_s, u"255"_s);
    settings.Load(store);
    EXPECT_EQ(settings.BluetoothUser, Settings::kEveryUser);
}
