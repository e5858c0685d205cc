#include "scale/ScaleLink.h"

#include "platform/Clock.h"
#include "platform/LocaleFormats.h"
#include "store/Diary.h"
#include "support/FakeSerialPort.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

// Reading more than is waiting, and leaving characters waiting, on garbage of any kind is checked by
// the scale link's fuzz target, whose seeds run with the tests.

using namespace tarvel;

namespace {

const QByteArray kMessage = "ST,+065.40kg\r\n";

using Accepted = std::vector<std::pair<int, QString>>;

Accepted Morning(std::initializer_list<const char*> texts)
{
    Accepted accepted;
    for (const char* text : texts)
        accepted.emplace_back(0, QString::fromLatin1(text));
    return accepted;
}

// A link on a fake port, recording what it hands over.
struct Rig {
    Rig(const Diary& diary, const LocaleFormats& formats, const Clock& clock)
        : link(source, diary, formats, clock)
    {
        link.WeightAccepted = [this](int slot, const QString& text) { accepted.emplace_back(slot, text); };
    }
    // Appends bytes as one batch and notifies the link, as the port does.
    void Feed(const QByteArray& bytes)
    {
        source.Feed(bytes);
        link.OnSerialData();
    }

    tarvel::testing::FakeSerialPort source;
    ScaleLink link;
    Accepted accepted;
};

class ScaleLinkTest : public ::testing::Test {
protected:
    // QTimer needs the event dispatcher that the application object brings. The timer never fires
    // here: the tests tick it by hand.
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "scale_tests";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv);
    }

    Diary diary;
    LocaleFormats formats = LocaleFormats::ProbeLocale(QLocale(QStringLiteral("ja_JP")));
    FixedClock clock{QDateTime(QDate(2026, 12, 6), QTime(9, 30))};
    Rig rig{diary, formats, clock};
};

TEST_F(ScaleLinkTest, StableReadingGoesToTheSlotOfTheTimeAndStartsTheQuietPeriod)
{
    const LocaleFormats german = LocaleFormats::ProbeLocale(QLocale(QStringLiteral("de_DE")));
    const struct {
        QTime time;
        const LocaleFormats& formats;
        int slot;
        const char* text;
    } cases[] = {{QTime(11, 59, 59), formats, 0, "65.40"},
                 {QTime(12, 0), formats, 1, "65.40"},
                 {QTime(23, 59), german, 1, "65,40"}};
    for (const auto& c : cases) {
        clock.Set(QDateTime(QDate(2026, 12, 6), c.time));
        Rig r(diary, c.formats, clock);
        r.source.Feed("\n" + kMessage);
        r.link.OnSerialData();
        EXPECT_EQ(r.accepted, (Accepted{{c.slot, QString::fromLatin1(c.text)}}))
            << c.time.toString().toStdString();
        EXPECT_EQ(r.link.RecvState, 1);
        EXPECT_TRUE(r.link.QuietTimer().isActive());
    }
}

TEST_F(ScaleLinkTest, StoredDayShownTakesNothingAndTheSameReadingCountsLater)
{
    rig.Feed("kg\r\n");
    diary.NewEntryIndex = 4;
    diary.CurrentIndex = 2;
    rig.Feed(kMessage);
    EXPECT_TRUE(rig.accepted.empty());
    EXPECT_EQ(rig.link.RecvState, 0);
    EXPECT_FALSE(rig.link.QuietTimer().isActive());

    diary.CurrentIndex = 4; // back on the new day: the very same message is examined again
    rig.Feed(kMessage);
    EXPECT_EQ(rig.accepted, Morning({"65.40"}));
}

TEST_F(ScaleLinkTest, MessageChecks)
{
    const struct {
        QByteArray message;
        const char* text; // nullptr: rejected silently
    } cases[] = {
        {"ST,+001.99kg\r\n", nullptr},   {"ST,+002.00kg\r\n", "2.00"},   {"ST,+003.5 kg\r\n", "3.50"},
        {"ST;+065.40kg\r\n", "65.40"},   {"ST,+1234.5kg\r\n", "1234.50"}, {"US,+065.40kg\r\n", nullptr},
        {"OL,+065.40kg\r\n", nullptr},   {"st,+065.40kg\r\n", nullptr},   {"ST,-065.40kg\r\n", nullptr},
        {"ST,+065.40lb\r\n", nullptr},   {"ST,+065.40KG\r\n", nullptr},   {"ST,+065.40kg\n\r", nullptr},
        {"ST,+065.40kg\r\r", nullptr},   {"ST,+06a.40kg\r\n", nullptr},   {"ST,+06.4.0kg\r\n", nullptr},
        {"ST,+ 65.40kg\r\n", "65.40"},    {"ST,+      kg\r\n", nullptr},   {"ST,+-65.40kg\r\n", nullptr},
        {"ST,+6.5e01kg\r\n", nullptr},   {"ST,+065,40kg\r\n", nullptr},   {"ST,+0\xE9" "5.40kg\r\n", nullptr},
        {QByteArray("ST,+065.4\0kg\r\n", 14), nullptr},
        {"ST,+  5.4 kg\r\n", "5.40"}, {"ST,+ 6 5.4kg\r\n", nullptr},
    };
    for (const auto& c : cases) {
        Rig r(diary, formats, clock);
        r.Feed("\n" + c.message);
        const std::string name = c.message.toPercentEncoding().toStdString();
        EXPECT_EQ(r.accepted, c.text ? Morning({c.text}) : Accepted{}) << name;
        EXPECT_EQ(r.link.RecvState, c.text ? 1 : 0) << name;
        EXPECT_EQ(r.source.BufferedCount(), 0) << name;
    }
}

TEST_F(ScaleLinkTest, StreamsInPiecesWithStrayCharactersAndOutOfStep)
{
    const struct {
        const char* name;
        std::vector<QByteArray> pieces; // each one batch
        Accepted accepted;
        int recvState;
    } cases[] = {
        {"fragments 6, 8", {"\n", "ST,+06", "5.40kg\r\n"}, Morning({"65.40"}), 1},
        {"fragments 13, 1", {"\n", "ST,+065.40kg\r", "\n"}, Morning({"65.40"}), 1},
        {"stray before the header", {"\nxx" + kMessage}, Morning({"65.40"}), 1},
        // A stable header wins over another one earlier in the block.
        {"another header before", {"\nUS" + kMessage}, Morning({"65.40"}), 1},
        {"line end not yet arrived", {"\nxxST,+065.40kg"}, {}, 0},
        // Out of step: the message the first line feed ends is discarded, the next one examined.
        {"resynchronising", {"5.40kg\r\nST,+066.00kg\r\n"}, Morning({"66.00"}), 1},
        {"resynchronising in pieces", {kMessage + kMessage.left(6), kMessage.mid(6)}, Morning({"65.40"}), 1},
    };
    for (const auto& c : cases) {
        Rig r(diary, formats, clock);
        for (const QByteArray& piece : c.pieces)
            r.Feed(piece);
        EXPECT_EQ(r.accepted, c.accepted) << c.name;
        EXPECT_EQ(r.link.RecvState, c.recvState) << c.name;
        EXPECT_EQ(r.source.BufferedCount(), 0) << c.name;
    }
    // One character at a time.
    rig.Feed("\n");
    for (const char c : kMessage)
        rig.Feed(QByteArray(1, c));
    EXPECT_EQ(rig.accepted, Morning({"65.40"}));
}

TEST_F(ScaleLinkTest, QuietPeriodDiscardsReadingsForFiveTicksOrUntilStopped)
{
    rig.Feed("kg\r\n");
    rig.link.StopQuietTimer(); // outside a quiet period the link stays in step
    EXPECT_EQ(rig.link.RecvState, 0);
    rig.Feed(kMessage);
    for (int tick = 1; tick <= 5; ++tick) {
        rig.Feed("ST,+080.00kg\r\n");
        EXPECT_EQ(rig.link.RecvState, tick);
        rig.link.OnQuietTick();
    }
    EXPECT_EQ(rig.link.RecvState, -1);
    EXPECT_FALSE(rig.link.QuietTimer().isActive());
    // The next line feed brings the link in step again; the same weight then counts once more.
    rig.Feed(kMessage + kMessage);
    EXPECT_EQ(rig.accepted, Morning({"65.40", "65.40"}));

    rig.link.OnQuietTick();
    ASSERT_EQ(rig.link.RecvState, 2);
    rig.link.StopQuietTimer();
    EXPECT_EQ(rig.link.RecvState, -1);
    EXPECT_FALSE(rig.link.QuietTimer().isActive());
    rig.Feed(kMessage + "ST,+071.20kg\r\n");
    EXPECT_EQ(rig.accepted, Morning({"65.40", "65.40", "71.20"}));
}

} // namespace
