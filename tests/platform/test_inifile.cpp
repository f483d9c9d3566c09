#include "platform/inifile.h"

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;

namespace {

class IniFile : public testing::Test {
protected:
    QString Write(const QByteArray& contents)
    {
        const QString path = dir_.filePath("ispupdate.ini");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
        return path;
    }
    QString BootFile(const QByteArray& contents)
    {
        return ReadIniString(Write(contents), "system", "boot_file", 63);
    }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(IniFile, MissingFileSectionOrKeyGivesEmpty)
{
    EXPECT_EQ(ReadIniString(dir_.filePath("none.ini"), "system", "boot_file", 63), "");
    EXPECT_EQ(BootFile("[other]\nboot_file=a.bin\n"), "");
    EXPECT_EQ(BootFile("[system]\nboot=a.bin\n"), "");
    EXPECT_EQ(BootFile("boot_file=before_any_section.bin\n[system]\n"), "");
    EXPECT_EQ(BootFile(""), "");
}

TEST_F(IniFile, FindsTheKeyInItsSectionOnly)
{
    const QByteArray ini =
        "[a]\nboot_file=wrong.bin\n[system]\nother=1\nboot_file=boot.bin\n[b]\nboot_file=x\n";
    EXPECT_EQ(BootFile(ini), "boot.bin");
    EXPECT_EQ(BootFile("[system]\r\nboot_file=crlf.bin\r\n"), "crlf.bin");
    EXPECT_EQ(BootFile("[system]\nboot_file=first.bin\nboot_file=second.bin\n"), "first.bin");
}

TEST_F(IniFile, LongValueIsCutTo63Characters)
{
    const QByteArray value(70, 'v');
    EXPECT_EQ(BootFile("[system]\nboot_file=" + value + "\n"), QString(63, u'v'));
    EXPECT_EQ(BootFile("[system]\nboot_file=" + value.left(63) + "\n"), QString(63, u'v'));
    EXPECT_EQ(ReadIniString(Write("[s]\nk=abc\n"), "s", "k", 0), "");
    // A character outside the BMP is two UTF-16 units: cut whole, never in half.
    const QByteArray emoji = "\xF0\x9F\x98\x80"; // U+1F600
    EXPECT_EQ(BootFile("[system]\nboot_file=" + QByteArray(62, 'v') + emoji + "\n"), QString(62, u'v'));
    EXPECT_EQ(BootFile("[system]\nboot_file=" + QByteArray(61, 'v') + emoji + "\n"),
              QString(61, u'v') + QString::fromUtf8(emoji));
}

TEST_F(IniFile, NamesIgnoreCaseAndWhitespaceQuotesAreStripped)
{
    EXPECT_EQ(BootFile("  [ SYSTEM ]  \n  Boot_File  =  boot code.bin  \n"), "boot code.bin");
    EXPECT_EQ(BootFile("[system]\nboot_file=\"  quoted.bin \"\n"), "  quoted.bin ");
    EXPECT_EQ(BootFile("[system]\nboot_file=\"\n"), "\"");
    EXPECT_EQ(BootFile("[system]\nboot_file=\"\"\n"), "");
    EXPECT_EQ(BootFile("[system]\nboot_file=a=b.bin\n"), "a=b.bin");
    EXPECT_EQ(BootFile("[system]\nboot_file=\n"), "");
}

TEST_F(IniFile, CommentLinesAreIgnored)
{
    EXPECT_EQ(BootFile("[system]\n;boot_file=semi.bin\n#boot_file=hash.bin\nboot_file=real.bin\n"),
              "real.bin");
    EXPECT_EQ(BootFile("; [system]\n[system]\n  # boot_file=x\n"), "");
}

TEST_F(IniFile, GarbageAndOverlongLinesDoNotBreakTheReader)
{
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 7919) & 0xFF));
    EXPECT_EQ(BootFile(garbage), "");
    EXPECT_EQ(BootFile(garbage + "\n[system]\nboot_file=after.bin\n"), "after.bin");
    EXPECT_EQ(
        BootFile(QByteArray("[system\nboot_file=x\n[]\n]\n=\n[system]") + '\0' + "\nboot_file=nul.bin\n"),
        "nul.bin");
    // The tail of a very long line must not pass for a key of its own.
    const QByteArray longLine = "[system]\nx=" + QByteArray(200 * 1024, 'y') + "boot_file=tail.bin\n";
    EXPECT_EQ(BootFile(longLine), "");
    EXPECT_EQ(BootFile(longLine + "boot_file=next.bin"), "next.bin");
}

TEST_F(IniFile, OnlyARegularFileIsRead)
{
    // A FIFO would stall the reader until a writer came, a device would never end.
    const QString fifo = dir_.filePath("fifo.ini");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    auto read = std::async(std::launch::async, [&] { return ReadIniString(fifo, "system", "boot_file", 63); });
    if (read.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        ADD_FAILURE() << "the reader waits for a writer to the FIFO";
        ::close(::open(QFile::encodeName(fifo).constData(), O_WRONLY)); // let it go
    }
    EXPECT_EQ(read.get(), "");
    EXPECT_EQ(ReadIniString(dir_.path(), "system", "boot_file", 63), "");
    EXPECT_EQ(ReadIniString("/dev/zero", "system", "boot_file", 63), "");

    // A NUL would cut the name short and open another file.
    const QString ini = Write("[system]\nboot_file=boot.bin\n");
    EXPECT_EQ(ReadIniString(ini + QChar(u'\0') + "x", "system", "boot_file", 63), "");
    EXPECT_EQ(ReadIniString(ini, "system", "boot_file", 63), "boot.bin");
}

TEST(IniPaths, JoinUsesForwardSlashes)
{
    EXPECT_EQ(JoinProgramPath("/opt/x", "boot.bin"), "/opt/x/boot.bin");
    EXPECT_EQ(JoinProgramPath("/opt/x", "fw\\boot\\8051.bin"), "/opt/x/fw/boot/8051.bin");
    EXPECT_EQ(JoinProgramPath("/opt/x", ""), "/opt/x/");
}
