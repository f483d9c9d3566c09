#include "platform/wholefile.h"

#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;

namespace {

constexpr std::uint32_t kUntouched = 0xDEADBEEF;

class WholeFile : public testing::Test {
protected:
    QString Write(const QByteArray& contents)
    {
        const QString path = dir_.filePath("image.bin");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
        return path;
    }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(WholeFile, LoadsTheExactBytes)
{
    QByteArray contents;
    for (int i = 0; i < 70000; ++i)
        contents.append(char(i * 31 + (i >> 8)));
    std::uint32_t length = kUntouched;
    const ImageBuffer image = ReadWholeFile(Write(contents), &length);
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(length, std::uint32_t(contents.size()));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(image.get()), length), contents);
    EXPECT_NE(ReadWholeFile(Write("x")), nullptr); // length may be omitted
}

TEST_F(WholeFile, EmptyFileIsAPresentImageOfLengthZero)
{
    std::uint32_t length = kUntouched;
    EXPECT_NE(ReadWholeFile(Write(""), &length), nullptr);
    EXPECT_EQ(length, 0u);
}

TEST_F(WholeFile, UnopenableFilesFailAndLeaveTheLengthAlone)
{
    std::uint32_t length = kUntouched;
    EXPECT_EQ(ReadWholeFile(dir_.filePath("missing.bin"), &length), nullptr);
    EXPECT_EQ(ReadWholeFile(dir_.path(), &length), nullptr);
    EXPECT_EQ(ReadWholeFile("", &length), nullptr);
    EXPECT_EQ(length, kUntouched);
    EXPECT_EQ(ReadWholeFile(dir_.filePath("missing.bin")), nullptr);
}

TEST_F(WholeFile, OnlyTheRegularFileNamedWholeIsLoaded)
{
    std::uint32_t length = kUntouched;
    const QString fifo = dir_.filePath("fifo.bin");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(ReadWholeFile(fifo, &length), nullptr);
    EXPECT_EQ(ReadWholeFile("/dev/null", &length), nullptr);
    // The name up to the NUL is a file, but not the one asked for.
    const QString path = Write("image");
    EXPECT_EQ(ReadWholeFile(path + QChar(u'\0') + ".extra", &length), nullptr);
    EXPECT_EQ(length, kUntouched);
    EXPECT_NE(ReadWholeFile(path, &length), nullptr);
}

TEST_F(WholeFile, FileLockedByAnotherHolderCannotBeLoadedUntilReleased)
{
    const QString path = Write("locked");
    const int holder = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    std::uint32_t length = kUntouched;
    EXPECT_EQ(ReadWholeFile(path, &length), nullptr);
    EXPECT_EQ(length, kUntouched);
    ::close(holder);
    EXPECT_NE(ReadWholeFile(path, &length), nullptr);

    // Another reader does not stand in the way.
    const int reader = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    ASSERT_EQ(::flock(reader, LOCK_SH), 0);
    EXPECT_NE(ReadWholeFile(path, &length), nullptr);
    ::close(reader);
    EXPECT_EQ(length, 6u);
}

TEST_F(WholeFile, FilesOf4GiBOrMoreAreRefused)
{
    const QString path = Write("");
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY);
    ASSERT_GE(fd, 0);
    const bool sparse = ::ftruncate(fd, off_t(1) << 32) == 0;
    ::close(fd);
    if (!sparse) GTEST_SKIP() << "filesystem refuses a 4 GiB sparse file";
    std::uint32_t length = kUntouched;
    EXPECT_EQ(ReadWholeFile(path, &length), nullptr);
    EXPECT_EQ(length, 0u);
}
