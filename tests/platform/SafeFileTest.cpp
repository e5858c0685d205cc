#include "platform/SafeFile.h"

#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QIODevice>

#include <gtest/gtest.h>

using tarvel::WriteAll;
using tarvel::WriteFileSafely;
using tarvel::testing::FileSizeLimit;
using tarvel::testing::ReadBytes;
using tarvel::testing::TempFolder;

namespace {

QStringList FilesIn(const TempFolder& folder)
{
    return QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

TEST(WriteFileSafely, ReplacesTheFileWhenEverythingWasWritten)
{
    TempFolder folder;
    const QString path = folder.Write(QStringLiteral("mine.ov1"), "old content\r\n");
    const QByteArray content(100000, 'x');
    EXPECT_TRUE(WriteFileSafely(
        path, [&](QIODevice& out) { return WriteAll(out, content.constData(), content.size()); }));
    EXPECT_EQ(ReadBytes(path), content);
    EXPECT_EQ(FilesIn(folder), QStringList{QStringLiteral("mine.ov1")});
}

TEST(WriteFileSafely, AFailedWriteLeavesTheOldFileWholeAndNoTemporaryFile)
{
    TempFolder folder;
    const QString path = folder.Write(QStringLiteral("mine.ov1"), "old content\r\n");
    EXPECT_FALSE(WriteFileSafely(path, [](QIODevice& out) {
        out.write("partial", 7);
        return false;
    }));
    EXPECT_EQ(ReadBytes(path), QByteArray("old content\r\n"));
    EXPECT_EQ(FilesIn(folder), QStringList{QStringLiteral("mine.ov1")});
}

TEST(WriteFileSafely, AFileSizeLimitFailsTheWriteEvenForRoot)
{
    TempFolder folder;
    const QString path = folder.Write(QStringLiteral("mine.ov1"), "old content\r\n");
    const QByteArray content(1 << 20, 'y');

    bool written = true;
    {
        FileSizeLimit limit(64 * 1024);
        ASSERT_TRUE(limit.Active());
        written = WriteFileSafely(
            path, [&](QIODevice& out) { return WriteAll(out, content.constData(), content.size()); });
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(path), QByteArray("old content\r\n"));
    EXPECT_EQ(FilesIn(folder), QStringList{QStringLiteral("mine.ov1")});
}

TEST(WriteFileSafely, AMissingFolderIsAFailure)
{
    TempFolder folder;
    const QString path = folder.File(QStringLiteral("no/such/folder/mine.ov1"));
    EXPECT_FALSE(WriteFileSafely(path, [](QIODevice& out) { return WriteAll(out, "x", 1); }));
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
