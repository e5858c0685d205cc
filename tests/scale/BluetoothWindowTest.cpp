// The window with a Bluetooth scale, through the real QtBluetooth. Run by
// tests/e2e/bluetooth.py, which provides a fake BlueZ and plays the scale; the two keep in
// step through files in the folder TARVEL_FAKE_SCALE names.
#include "scale/CommDlg.h"
#include "scale/ErrorLog.h"
#include "support/ShellFixture.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;
using namespace tarvel;
using namespace tarvel::testing;

namespace {

void Tell(const QString& folder, const QString& step)
{
    QFile file(folder + u'/' + step);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

// Waits for the text to become `want`; false with the text last seen.
::testing::AssertionResult Becomes(const std::function<QString()>& text, const QString& want, int ms)
{
    if (QTest::qWaitFor([&] { return text() == want; }, ms))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "still \"" << text().toStdString() << "\"";
}

} // namespace

// The scale sends two stored readings of 2024-05-06 (night, then morning) and the morning's again
// a minute later, then one without a time. The past day is stored with both, the repeat ignored,
// and the last goes onto today's page. The status line follows the scale to sleep and back and the
// adapter off and on; a reading for the stored morning with another weight is held and shown. The
// Port dialog's search finds the scale.
TEST(BluetoothWindow, ReadingsByTheirOwnTimeAndTheStatusLine)
{
    const QString steps = qEnvironmentVariable("TARVEL_FAKE_SCALE");
    ASSERT_FALSE(steps.isEmpty()) << "run by tests/e2e/bluetooth.py";
    Shell s;
    s.store.Save(u"CommSet"_s, u"Port"_s, u"0"_s);
    s.store.Save(u"CommSet"_s, u"Bluetooth"_s, u"C0:FF:EE:00:12:34"_s);
    s.Start();
    const std::function<QString()> status = [&] {
        return s.window->findChild<QLabel*>(u"scaleStatus"_s)->text();
    };
    const QString scale = u"Scale: Beurer BF105 (C0:FF:EE:00:12:34)"_s;

    ASSERT_TRUE(Becomes([&] { return s.Controls().weight[0]->text(); }, u"65.40"_s, 30000));
    EXPECT_EQ(s.Controls().date->text().toStdString(), "2026/12/6");
    EXPECT_EQ(status().toStdString(),
              (scale + u" connected, last reading 65.40 kg at 10:00"_s).toStdString());
    ASSERT_EQ(s.State().records().Count(), 1);
    const DayRecord& day = s.State().records().Item(1);
    EXPECT_EQ(day.date, QDate(2024, 5, 6));
    EXPECT_EQ(day.slot[0].time, QTime(7, 30));
    EXPECT_EQ(day.slot[0].weight, Mass{72400});
    EXPECT_EQ(day.slot[1].time, QTime(19, 30));
    EXPECT_EQ(day.slot[1].weight, Mass{72400});
    EXPECT_TRUE(s.State().isModified());
    Tell(steps, u"readings-seen"_s);

    ASSERT_TRUE(Becomes(status, scale + u" asleep, waiting"_s, 20000));
    Tell(steps, u"sleep-seen"_s);
    ASSERT_TRUE(Becomes(status, scale + u" connected"_s, 30000));
    Tell(steps, u"wake-seen"_s);
    // The adapter switched off and on again: said in the status bar only.
    ASSERT_TRUE(Becomes(status, u"Bluetooth is off"_s, 20000));
    Tell(steps, u"off-seen"_s);
    ASSERT_TRUE(Becomes(status, scale + u" connected"_s, 30000));
    EXPECT_TRUE(s.messages.Texts().isEmpty());
    Tell(steps, u"reconnect-seen"_s);
    EXPECT_TRUE(Becomes(
        status,
        u"Scale: 73.00 kg on 2024/5/6 at 08:00, not stored: that day's (1) Morning weight is already stored"_s,
        20000));
    EXPECT_EQ(s.State().records().Item(1).slot[0].weight, Mass{72400});

    // The Port dialog's Search lists the scale by name and address.
    const LocaleFormats formats = LocaleFormats::ProbeLocale(QLocale(u"ja_JP"_s));
    const ErrorLog log(s.temp.Path(), s.clock, formats);
    CommDlg dialog(s.testPort, log, s.messages, {});
    dialog.findChild<QPushButton*>(u"bluetoothSearch"_s)->click();
    const auto* scales = dialog.findChild<QComboBox*>(u"bluetoothList"_s);
    EXPECT_TRUE(Becomes([&] { return scales->itemText(scales->count() - 1); },
                        u"Beurer BF105 (C0:FF:EE:00:12:34)"_s, 20000));
}
