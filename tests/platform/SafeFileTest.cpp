#include "platform/SafeFile.h"

#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QIODevice>

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::StringLiterals;
using tarvel::testing::ReadBytes;

namespace {

// Every way a write can fail leaves the old file whole and no temporary file behind.
TEST(WriteFileSafely, ReplacesTheFileOnlyWhenEverythingWasWritten)
{
    const QByteArray content(1 << 20, 'y');
    const char* ways[] = {"complete", "the writer stops after a part", "the disk is full", "no such folder"};
    for (int way = 0; way < 4; ++way) {
        const tarvel::testing::TempFolder folder;
        const QString old = folder.Write(u"mine.ov1"_s, "old content\r\n");
        std::optional<tarvel::testing::FileSizeLimit> limit; // a full disk, even for root
        ASSERT_TRUE(way != 2 || limit.emplace(64 * 1024).Active());
        const bool written =
            tarvel::WriteFileSafely(way == 3 ? folder.File(u"no/such/mine.ov1"_s) : old, [&](QIODevice& out) {
                return way == 1 ? (out.write("partial", 7), false)
                                : tarvel::WriteAll(out, content.constData(), content.size());
            });
        limit.reset();
        EXPECT_EQ(written, way == 0) << ways[way];
        EXPECT_EQ(ReadBytes(old), way == 0 ? content : QByteArray("old content\r\n")) << ways[way];
        EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                  QStringList{u"mine.ov1"_s})
            << ways[way];
    }
}

} // namespace
