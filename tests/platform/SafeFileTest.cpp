#include "platform/SafeFile.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using tarvel::testing::ReadBytes;

namespace {

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Every way a write can fail leaves the old file whole and no temporary file behind. The new file is
// synced complete before it takes the old one's place. A disk filling up at any byte is
// WriteFaults.AWriteCutShortAtEveryByteKeepsTheOldFile; a missing folder, DiaryToolTest's rewrite.
TEST(WriteFileSafely, ReplacesTheFileOnlyWhenEverythingWasWritten)
{
    const QByteArray content(1 << 20, 'y');
    const char* ways[] = {"complete", "the writer stops after a part", "sync fails",
                          "a folder takes the file's place"};
    const int syncs[] = {1, 0, 1, 1};
    for (int way = 0; way < 4; ++way) {
        const tarvel::testing::TempFolder folder;
        const QString old = folder.Write(u"mine.ov1"_s, "old content\r\n");
        int synced = 0;
        const bool written = tarvel::WriteFileSafely(
            old,
            [&](QIODevice& out) {
                if (way == 3 && QFile::remove(old))
                    QDir().mkpath(old + u"/inside"_s);
                return way == 1 ? (out.write("partial", 7), false)
                                : tarvel::WriteAll(out, content.constData(), content.size());
            },
            [&](int handle) {
                ++synced;
                struct stat written {};
                EXPECT_TRUE(::fstat(handle, &written) == 0 && written.st_size == content.size()) << ways[way];
                EXPECT_EQ(ReadBytes(old), way == 3 ? QByteArray() : QByteArray("old content\r\n"))
                    << ways[way];
                return way != 2 && tarvel::SyncFile(handle);
            });
        EXPECT_EQ(written, way == 0) << ways[way];
        EXPECT_EQ(synced, syncs[way]) << ways[way];
        if (way == 3) {
            EXPECT_EQ(Entries(old), QStringList{u"inside"_s});
        } else {
            EXPECT_EQ(ReadBytes(old), way == 0 ? content : QByteArray("old content\r\n")) << ways[way];
        }
        EXPECT_EQ(Entries(folder.Path()), QStringList{u"mine.ov1"_s}) << ways[way];
    }
}

// A save keeps what the user set up: the file's permissions (a private diary stays private), and a
// link to the diary (relative, from another folder) stays a link while the file it names gets the
// new bytes, also a file the link names before it exists.
TEST(WriteFileSafely, KeepsPermissionsAndLinks)
{
    const mode_t mask = ::umask(022);
    const std::pair<mode_t, const char*> cases[] = {
        {0600, nullptr}, {0664, nullptr}, {0640, "../real/mine.ov1"}, {0644, "../real/new.ov1"}};
    for (const auto& [mode, link] : cases) {
        SCOPED_TRACE(::testing::Message() << std::oct << mode << " " << (link ? link : ""));
        const tarvel::testing::TempFolder folder;
        ASSERT_TRUE(QDir(folder.Path()).mkpath(u"real"_s) && QDir(folder.Path()).mkpath(u"links"_s));
        const QString real = folder.Write(u"real/mine.ov1"_s, "old\r\n");
        const QString path = link ? folder.File(u"links/diary.ov1"_s) : real;
        ASSERT_EQ(::chmod(QFile::encodeName(real).constData(), mode), 0);
        ASSERT_TRUE(!link || ::symlink(link, QFile::encodeName(path).constData()) == 0);
        const QString target = link ? QFileInfo(path).symLinkTarget() : real;

        EXPECT_TRUE(
            tarvel::WriteFileSafely(path, [](QIODevice& out) { return tarvel::WriteAll(out, "new", 3); }));
        EXPECT_EQ(ReadBytes(target), QByteArray("new"));
        struct stat written {};
        EXPECT_TRUE(::stat(QFile::encodeName(target).constData(), &written) == 0 &&
                    (written.st_mode & 07777) == mode);
        EXPECT_EQ(QFileInfo(path).symLinkTarget(), link ? target : QString());
        EXPECT_EQ(Entries(folder.File(u"real"_s)).size() + Entries(folder.File(u"links"_s)).size(),
                  1 + (link != nullptr) + (target != real));
    }
    ::umask(mask);
}

} // namespace
