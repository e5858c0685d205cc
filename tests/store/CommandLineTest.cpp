#include "store/CommandLine.h"

#include <gtest/gtest.h>

using namespace tarvel;

namespace {

TEST(CommandLine, DiaryFromCommandLine)
{
    const struct {
        const char* text;
        const char* folder; // nullptr: the command line is ignored
        const char* title;
    } cases[] = {
        {"/home/a/mine.ov1", "/home/a/", "mine.ov1"},
        {"\"/home/a/mine.ov1\"", "/home/a/", "mine.ov1"},
        {"\"/home/a/mine.ov1", "/home/a/", "mine.ov1"},
        {"/home/a/mine.ov1\"", "/home/a/", "mine.ov1"},
        {"/mine.ov1", "/", "mine.ov1"},
        {"mine.ov1", "/home/a/", "mine.ov1"},
        {"../x/mine.ov1", "/home/x/", "mine.ov1"},
        {"./mine.ov1", "/home/a/", "mine.ov1"},
        {"/home/a/my diary 2.ov1", "/home/a/", "my diary 2.ov1"},
        {"\"my diary.ov1\"", "/home/a/", "my diary.ov1"},
        {"", nullptr, nullptr},
        {"\"\"", nullptr, nullptr},
        {"/home/a/", nullptr, nullptr},
        {"sub/", nullptr, nullptr},
        {"/", nullptr, nullptr},
        {".", nullptr, nullptr},
        {"sub/..", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        const auto diary = DiaryFromCommandLine(QString::fromUtf8(c.text), QStringLiteral("/home/a"));
        if (c.folder == nullptr) {
            EXPECT_FALSE(diary.has_value()) << c.text;
            continue;
        }
        ASSERT_TRUE(diary.has_value()) << c.text;
        EXPECT_EQ(diary->folder, QString::fromUtf8(c.folder)) << c.text;
        EXPECT_EQ(diary->title, QString::fromUtf8(c.title)) << c.text;
        EXPECT_EQ(diary->path, diary->folder + diary->title) << c.text;
    }
}

TEST(CommandLine, CommandLineTextJoinsTheArgumentsAfterTheProgram)
{
    const struct {
        QStringList arguments;
        const char* text;
    } cases[] = {
        {{}, ""},
        {{"tarvel"}, ""},
        {{"tarvel", "/home/a/mine.ov1"}, "/home/a/mine.ov1"},
        {{"tarvel", "/home/a/my", "diary.ov1"}, "/home/a/my diary.ov1"},
        {{"tarvel", "my diary.ov1"}, "my diary.ov1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CommandLineText(c.arguments), QString::fromUtf8(c.text)) << c.text;
}

} // namespace
