#include "scale/ScaleLink.h"

#include "platform/Clock.h"
#include "platform/LocaleFormats.h"
#include "platform/SerialPort.h"
#include "store/Diary.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

using namespace tarvel;

namespace {

const QByteArray kMessage = "ST,+065.40kg\r\n";

// Characters the test appends, read back in order. Reading more than is waiting is a fault of the
// link, reported as a test failure.
class FakeSource : public CharacterSource {
public:
    void Append(const QByteArray& bytes) { m_data += bytes; }
    int BufferedCount() const override { return static_cast<int>(m_data.size() - m_pos); }
    QByteArray Read(int n) override
    {
        if (n < 1 || n > BufferedCount()) {
            ADD_FAILURE() << "Read(" << n << ") with " << BufferedCount() << " waiting";
            n = std::clamp(n, 0, BufferedCount());
        }
        const QByteArray part = m_data.mid(m_pos, n);
        m_pos += n;
        return part;
    }

private:
    QByteArray m_data;
    qsizetype m_pos = 0;
};

using Accepted = std::vector<std::pair<int, QString>>;

// A link on a fake port, recording what it hands over.
struct Rig {
    Rig(const Diary& diary, const LocaleFormats& formats, const Clock& clock) : link(source, diary, formats, clock)
    {
        link.WeightAccepted = [this](int slot, const QString& text) { accepted.emplace_back(slot, text); };
    }
    // Appends bytes as one batch and notifies the link, as the port does.
    void Feed(const QByteArray& bytes)
    {
        source.Append(bytes);
        link.MSComm_OnComm(2);
    }

    FakeSource source;
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

    // A link that has seen the tail of a message the scale was sending when it started, and so is
    // in step.
    Rig& Ready()
    {
        rig.Feed("kg\r\n");
        EXPECT_EQ(rig.link.RecvState, 0);
        return rig;
    }

    Diary diary;
    LocaleFormats formats = LocaleFormats::ProbeLocale(QLocale(QStringLiteral("ja_JP")));
    FixedClock clock{QDateTime(QDate(2026, 12, 6), QTime(9, 30))};
    Rig rig{diary, formats, clock};
};

TEST_F(ScaleLinkTest, StableReadingOnNewDayGoesToTheSlotOfTheTimeAndStartsTheQuietPeriod)
{
    const LocaleFormats german = LocaleFormats::ProbeLocale(QLocale(QStringLiteral("de_DE")));
    const struct {
        QTime time;
        const LocaleFormats& formats;
        int slot;
        const char* text;
    } cases[] = {{QTime(9, 30), formats, 0, "65.40"},
                 {QTime(11, 59, 59), formats, 0, "65.40"},
                 {QTime(12, 0), formats, 1, "65.40"},
                 {QTime(23, 59), german, 1, "65,40"}};
    for (const auto& c : cases) {
        clock.Set(QDateTime(QDate(2026, 12, 6), c.time));
        Rig r(diary, c.formats, clock);
        r.source.Append("\n" + kMessage);
        r.link.MSComm_OnComm(1); // only code 2 (characters arrived) is handled
        EXPECT_EQ(r.source.BufferedCount(), 15);
        r.link.MSComm_OnComm(2);
        EXPECT_EQ(r.accepted, (Accepted{{c.slot, QString::fromLatin1(c.text)}})) << c.time.toString().toStdString();
        EXPECT_EQ(r.link.RecvState, 1);
        EXPECT_TRUE(r.link.PortTimer().isActive());
        EXPECT_EQ(r.link.PortTimer().interval(), 1000);
    }
}

TEST_F(ScaleLinkTest, StoredDayShownTakesNothingAndTheSameReadingCountsLater)
{
    Ready();
    diary.NewEntryIndex = 4;
    diary.CurrentIndex = 2;
    rig.Feed(kMessage);
    EXPECT_TRUE(rig.accepted.empty());
    EXPECT_EQ(rig.link.RecvState, 0);
    EXPECT_FALSE(rig.link.PortTimer().isActive());

    diary.CurrentIndex = 4; // back on the new day: the very same message is examined again
    rig.Feed(kMessage);
    EXPECT_EQ(rig.accepted, (Accepted{{0, QStringLiteral("65.40")}}));
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
        const Accepted expected = c.text ? Accepted{{0, QString::fromLatin1(c.text)}} : Accepted{};
        EXPECT_EQ(r.accepted, expected) << name;
        EXPECT_EQ(r.link.RecvState, c.text ? 1 : 0) << name;
        EXPECT_EQ(r.source.BufferedCount(), 0) << name;
    }
}

TEST_F(ScaleLinkTest, StrayCharactersBeforeTheHeaderAreDropped)
{
    // The two characters after the block are already waiting. A stable header wins over another
    // one earlier in the block.
    for (const char* stray : {"xx", "US"}) {
        Rig r(diary, formats, clock);
        r.Feed(QByteArray("\n") + stray + kMessage);
        EXPECT_EQ(r.accepted, (Accepted{{0, QStringLiteral("65.40")}})) << stray;
    }

    Rig late(diary, formats, clock);
    late.Feed("\nxxST,+065.40kg"); // CR LF not yet arrived: the block stays short
    EXPECT_TRUE(late.accepted.empty());
    EXPECT_EQ(late.link.RecvState, 0);
    EXPECT_EQ(late.source.BufferedCount(), 0);
}

TEST_F(ScaleLinkTest, ResynchronisingDiscardsEverythingUpToTheFirstLineFeed)
{
    // The message the line feed ends is discarded; the one after it is examined.
    rig.Feed("5.40kg\r\nST,+066.00kg\r\n");
    EXPECT_EQ(rig.accepted, (Accepted{{0, QStringLiteral("66.00")}}));

    Rig other(diary, formats, clock);
    other.Feed(kMessage + kMessage.left(6));
    EXPECT_TRUE(other.accepted.empty());
    EXPECT_EQ(other.link.RecvState, 0);
    other.Feed(kMessage.mid(6));
    EXPECT_EQ(other.accepted, (Accepted{{0, QStringLiteral("65.40")}}));
}

TEST_F(ScaleLinkTest, MessageInFragments)
{
    const std::vector<std::vector<int>> splits = {
        {6, 8}, {13, 1}, {3, 11}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}};
    for (const auto& sizes : splits) {
        Rig r(diary, formats, clock);
        r.Feed("\n");
        int pos = 0;
        for (int size : sizes) {
            r.Feed(kMessage.mid(pos, size));
            pos += size;
        }
        EXPECT_EQ(r.accepted, (Accepted{{0, QStringLiteral("65.40")}})) << sizes.size() << " fragments";
    }
}

TEST_F(ScaleLinkTest, QuietPeriodDiscardsReadingsForFiveTicks)
{
    Ready().Feed(kMessage);
    ASSERT_EQ(rig.accepted.size(), 1u);
    for (int tick = 1; tick <= 5; ++tick) {
        rig.Feed("ST,+080.00kg\r\n");
        EXPECT_EQ(rig.link.RecvState, tick);
        rig.link.PortTimer_Timer();
    }
    EXPECT_EQ(rig.link.RecvState, -1);
    EXPECT_FALSE(rig.link.PortTimer().isActive());
    EXPECT_TRUE(rig.link.LastMsg.isEmpty());
    EXPECT_EQ(rig.accepted.size(), 1u);

    // The next line feed brings the link in step again; the same weight then counts once more.
    rig.Feed(kMessage + kMessage);
    EXPECT_EQ(rig.accepted, (Accepted{{0, QStringLiteral("65.40")}, {0, QStringLiteral("65.40")}}));
}

TEST_F(ScaleLinkTest, StoppingTheQuietTimerLetsTheNextWeighingThrough)
{
    Ready();
    rig.link.StopQuietTimer(); // outside a quiet period the link stays in step
    EXPECT_EQ(rig.link.RecvState, 0);

    rig.Feed(kMessage);
    rig.link.PortTimer_Timer();
    ASSERT_EQ(rig.link.RecvState, 2);
    rig.link.StopQuietTimer();
    EXPECT_EQ(rig.link.RecvState, -1);
    EXPECT_FALSE(rig.link.PortTimer().isActive());
    EXPECT_TRUE(rig.link.LastMsg.isEmpty());

    rig.Feed(kMessage + "ST,+071.20kg\r\n");
    EXPECT_EQ(rig.accepted, (Accepted{{0, QStringLiteral("65.40")}, {0, QStringLiteral("71.20")}}));
}

TEST_F(ScaleLinkTest, GarbageIsConsumedWithoutOverreading)
{
    // A megabyte without a line feed keeps the link resynchronising, one character at a time.
    rig.Feed(QByteArray(1 << 20, 'A'));
    EXPECT_EQ(rig.link.RecvState, -1);
    EXPECT_EQ(rig.source.BufferedCount(), 0);

    // Random bytes, a quarter of them NUL, in random batches, in step and out of it.
    std::mt19937 random(20261206);
    for (int batch = 0; batch < 2000; ++batch) {
        QByteArray bytes(static_cast<int>(random() % 700), '\0');
        for (char& b : bytes)
            b = static_cast<char>(random() % 4 == 0 ? 0 : random() & 0xFF);
        rig.Feed(bytes);
        EXPECT_LT(rig.source.BufferedCount(), rig.link.RecvState == -1 ? 1 : 14);
        if (rig.link.PortTimer().isActive())
            rig.link.PortTimer_Timer();
    }
    EXPECT_TRUE(rig.accepted.empty());

    // The link recovers: once the last block is complete and the link resynchronised, a line feed
    // and a message are taken as ever.
    if (rig.link.RecvState != -1)
        rig.Feed(QByteArray(14 - rig.source.BufferedCount(), ' '));
    rig.link.Resynchronise();
    rig.Feed("\n" + kMessage + kMessage);
    EXPECT_EQ(rig.accepted, (Accepted{{0, QStringLiteral("65.40")}}));
}

} // namespace
