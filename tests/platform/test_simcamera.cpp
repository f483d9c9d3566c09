// The simulated camera driven through its C interface, the way the utility
// drives a camera.
#include "platform/usbcfg/usbcfg.h"

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <string>

namespace {

enum : int { kStatus = 0, kMode = 54, kData = 55, kCommand = 56 };

QByteArray Pattern(int size, int seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 131 + seed) ^ (i >> 8));
    return bytes;
}

// The acknowledgement handshake as the utility runs it.
bool WaitBlockAck()
{
    VEXU_UsbCfgWrite(kCommand, 2);
    for (int i = 0; i < 3000; ++i) {
        unsigned char status = 0;
        VEXU_UsbCfgRead(kStatus, &status);
        if (status == 2) return true;
    }
    return false;
}

void SendBlock(quint32 offset, const QByteArray& bytes)
{
    VEXU_UsbCfgWrite(kCommand, 1);
    VEXU_UsbCfgWrite(kData, (offset >> 8) & 0xFF);
    VEXU_UsbCfgWrite(kData, offset & 0xFF);
    VEXU_UsbCfgWrite(kData, bytes.size() & 0xFF);
    for (char byte : bytes)
        VEXU_UsbCfgWrite(kData, static_cast<unsigned char>(byte));
}

void SendBootCode(const QByteArray& boot)
{
    VEXU_UsbCfgWrite(kMode, 4);
    VEXU_UsbCfgWrite(kMode, 5);
    for (char byte : boot)
        VEXU_UsbCfgWrite(kData, static_cast<unsigned char>(byte));
    VEXU_UsbCfgWrite(kMode, 5);
    VEXU_UsbCfgWrite(kMode, 4);
}

// One whole update; the number of acknowledged blocks, or -1 without device.
int Download(const QByteArray& boot, const QByteArray& firmware)
{
    if (VEXU_Initialize() < 0) return -1;
    SendBootCode(boot);
    const quint32 length = firmware.size();
    int acked = 0;
    for (quint32 offset = 0; offset < length; offset += 128) {
        SendBlock(offset, firmware.mid(offset, 128));
        if (!WaitBlockAck()) break;
        ++acked;
    }
    VEXU_UsbCfgWrite(kMode, 4);
    VEXU_UsbCfgWrite(kMode, 0);
    VEXU_Exit();
    return acked;
}

class SimCamera : public testing::Test {
protected:
    void SetUp() override
    {
        ClearSettings();
        setenv("ISPSIM_DIR", qPrintable(dir_.filePath("out")), 1);
    }
    void TearDown() override
    {
        VEXU_Exit();
        ClearSettings();
    }
    static void ClearSettings()
    {
        for (const char* name :
             {"ISPSIM_DIR", "ISPSIM_NO_DEVICE", "ISPSIM_NEVER_ACK", "ISPSIM_ACK_AFTER", "ISPSIM_FAIL_BLOCK",
              "ISPSIM_UNPLUG_AFTER", "ISPSIM_DELAY_US", "ISPSIM_TRANSCRIPT"})
            unsetenv(name);
    }

    QByteArray Output(const char* name) const
    {
        QFile file(dir_.filePath(QStringLiteral("out/") + name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    std::map<std::string, std::string> Status() const
    {
        std::map<std::string, std::string> values;
        for (const QByteArray& line : Output("status.txt").split('\n')) {
            const qsizetype equals = line.indexOf('=');
            if (equals > 0) values[line.left(equals).toStdString()] = line.mid(equals + 1).toStdString();
        }
        return values;
    }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(SimCamera, KeepsBootCodeAndFirmwareByteForByte)
{
    const QByteArray boot = Pattern(1000, 7);
    const QByteArray firmware = Pattern(300, 3);
    EXPECT_EQ(Download(boot, firmware), 3);
    EXPECT_EQ(Output("bootcode.bin"), boot);
    EXPECT_EQ(Output("firmware.bin"), firmware);
    auto status = Status();
    EXPECT_EQ(status["state"], "closed");
    EXPECT_EQ(status["phase"], "done");
    EXPECT_EQ(status["last_mode"], "0");
    EXPECT_EQ(status["boot_bytes"], "1000");
    EXPECT_EQ(status["blocks"], "3");
    EXPECT_EQ(status["acked"], "3");
    EXPECT_EQ(status["failed_block"], "-1");
    EXPECT_EQ(status["firmware_bytes"], "300");
    EXPECT_EQ(status["stray_bytes"], "0");

    // A second update in the same process replaces what the first left.
    EXPECT_EQ(Download(Pattern(10, 1), Pattern(1, 1)), 1);
    EXPECT_EQ(Output("bootcode.bin"), Pattern(10, 1));
    EXPECT_EQ(Output("firmware.bin"), Pattern(1, 1));
    EXPECT_EQ(std::stol(Status()["opens"]), std::stol(status["opens"]) + 1);
}

TEST_F(SimCamera, ImageBeyond64KiBLandsWholeDespiteTheWrappedOffset)
{
    const QByteArray firmware = Pattern(65537, 11);
    EXPECT_EQ(Download(Pattern(16, 0), firmware), 513);
    EXPECT_EQ(Output("firmware.bin"), firmware);
    EXPECT_EQ(Status()["firmware_bytes"], "65537");
}

TEST_F(SimCamera, EmptyImagesGiveEmptyFiles)
{
    EXPECT_EQ(Download({}, {}), 0);
    EXPECT_EQ(Output("bootcode.bin"), QByteArray());
    EXPECT_EQ(Output("firmware.bin"), QByteArray());
    EXPECT_EQ(Status()["phase"], "done");
}

TEST_F(SimCamera, NoDeviceRefusesToOpen)
{
    ASSERT_EQ(Download(Pattern(4, 0), Pattern(300, 0)), 3);
    const std::string opens = Status()["opens"];
    setenv("ISPSIM_NO_DEVICE", "1", 1);
    EXPECT_EQ(Download(Pattern(4, 0), Pattern(4, 0)), -1);
    unsigned char value = 77;
    EXPECT_LT(VEXU_UsbCfgRead(kStatus, &value), 0);
    EXPECT_EQ(value, 77);
    EXPECT_LT(VEXU_UsbCfgWrite(kMode, 4), 0);
    // Nothing of the download before shows as if this attempt had made it.
    const std::map<std::string, std::string> fresh{
        {"state", "closed"},   {"opens", opens},     {"phase", "idle"},         {"last_mode", "-1"},
        {"boot_bytes", "0"},   {"blocks", "0"},      {"acked", "0"},            {"failed_block", "-1"},
        {"firmware_bytes", "0"}, {"stray_bytes", "0"}, {"accesses", "0"}};
    EXPECT_EQ(Status(), fresh);
    EXPECT_EQ(Output("firmware.bin"), Pattern(300, 0)); // the last download's image stays
}

TEST_F(SimCamera, NeverAcknowledgingFailsTheFirstBlock)
{
    setenv("ISPSIM_NEVER_ACK", "1", 1);
    EXPECT_EQ(Download(Pattern(4, 0), Pattern(300, 0)), 0);
    auto status = Status();
    EXPECT_EQ(status["failed_block"], "0");
    EXPECT_EQ(status["blocks"], "1");
    EXPECT_EQ(status["acked"], "0");
    EXPECT_EQ(status["state"], "closed");
}

TEST_F(SimCamera, FailingBlockStopsTheDownloadThere)
{
    setenv("ISPSIM_FAIL_BLOCK", "2", 1);
    const QByteArray firmware = Pattern(1000, 5);
    EXPECT_EQ(Download(Pattern(4, 0), firmware), 2);
    EXPECT_EQ(Output("firmware.bin"), firmware.left(256));
    EXPECT_EQ(Status()["failed_block"], "2");
    EXPECT_EQ(Status()["acked"], "2");
}

TEST_F(SimCamera, LateAcknowledgementComesOnTheNthReadAndStays)
{
    setenv("ISPSIM_ACK_AFTER", "3", 1);
    ASSERT_EQ(VEXU_Initialize(), 0);
    SendBootCode(Pattern(2, 0));
    unsigned char status = 99;
    VEXU_UsbCfgRead(kStatus, &status);
    EXPECT_EQ(status, 0) << "nothing to acknowledge yet";
    SendBlock(0, Pattern(128, 0));
    VEXU_UsbCfgRead(kStatus, &status);
    EXPECT_EQ(status, 0) << "busy until command 2";
    VEXU_UsbCfgWrite(kCommand, 2);
    std::string reads;
    for (int i = 0; i < 5; ++i) {
        VEXU_UsbCfgRead(kStatus, &status);
        reads += std::to_string(status);
    }
    EXPECT_EQ(reads, "00222");
    SendBlock(128, Pattern(1, 0));
    VEXU_UsbCfgRead(kStatus, &status);
    EXPECT_EQ(status, 0) << "a new block clears the acknowledgement";
    VEXU_Exit();
    EXPECT_EQ(Status()["acked"], "1");

    setenv("ISPSIM_ACK_AFTER", "3001", 1);
    EXPECT_EQ(Download(Pattern(2, 0), Pattern(2, 0)), 0) << "later than the utility waits";
}

TEST_F(SimCamera, UnpluggedCameraFailsEveryLaterAccess)
{
    setenv("ISPSIM_UNPLUG_AFTER", "3", 1);
    ASSERT_EQ(VEXU_Initialize(), 0);
    EXPECT_EQ(VEXU_UsbCfgWrite(kMode, 4), 0);
    EXPECT_EQ(VEXU_UsbCfgWrite(kMode, 5), 0);
    EXPECT_EQ(VEXU_UsbCfgWrite(kData, 0xAB), 0);
    EXPECT_LT(VEXU_UsbCfgWrite(kData, 0xCD), 0);
    unsigned char value = 42;
    EXPECT_LT(VEXU_UsbCfgRead(kStatus, &value), 0);
    EXPECT_EQ(value, 42);
    EXPECT_EQ(VEXU_Exit(), 0);
    EXPECT_EQ(Output("bootcode.bin"), QByteArray("\xAB"));
    EXPECT_EQ(Status()["state"], "closed");
    // Opening again counts afresh.
    ASSERT_EQ(VEXU_Initialize(), 0);
    EXPECT_EQ(VEXU_UsbCfgWrite(kMode, 4), 0);
}

TEST_F(SimCamera, DelaySlowsEveryAccess)
{
    setenv("ISPSIM_DELAY_US", "2000", 1);
    ASSERT_EQ(VEXU_Initialize(), 0);
    const auto start = std::chrono::steady_clock::now();
    unsigned char value = 0;
    for (int i = 0; i < 5; ++i) {
        VEXU_UsbCfgWrite(kData, 1);
        VEXU_UsbCfgRead(kStatus, &value);
    }
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(20));
}

TEST_F(SimCamera, TranscriptListsEveryCallOnlyWhenAskedFor)
{
    Download(Pattern(1, 0x12), Pattern(1, 0));
    EXPECT_EQ(Output("transcript.log"), "<missing>");

    setenv("ISPSIM_TRANSCRIPT", "1", 1);
    Download(QByteArray("\x12"), QByteArray("\x34"));
    VEXU_UsbCfgWrite(300, 1);
    VEXU_Exit();
    const QByteArray expected = "INIT 0\nW 54 0x04\nW 54 0x05\nW 55 0x12\nW 54 0x05\nW 54 0x04\n"
                                "W 56 0x01\nW 55 0x00\nW 55 0x00\nW 55 0x01\nW 55 0x34\nW 56 0x02\n"
                                "R 0 -> 2\nW 54 0x04\nW 54 0x00\nEXIT\nW 300 0x01 fail\nEXIT\n";
    EXPECT_EQ(Output("transcript.log"), expected);
}

TEST_F(SimCamera, OddSequencesAreSurvivedAndRecorded)
{
    unsigned char value = 5;
    EXPECT_LT(VEXU_UsbCfgRead(kStatus, &value), 0);
    EXPECT_LT(VEXU_UsbCfgWrite(kData, 1), 0);
    EXPECT_LT(VEXU_Exit(), 0);
    EXPECT_EQ(value, 5);

    ASSERT_EQ(VEXU_Initialize(), 0);
    ASSERT_EQ(VEXU_Initialize(), 0);
    EXPECT_LT(VEXU_UsbCfgRead(kStatus, nullptr), 0);
    EXPECT_LT(VEXU_UsbCfgRead(-1, &value), 0);
    EXPECT_LT(VEXU_UsbCfgWrite(256, 1), 0);

    // Blocks before any boot code are not taken; their bytes are stray.
    VEXU_UsbCfgWrite(kMode, 5);
    VEXU_UsbCfgWrite(kMode, 4);
    SendBlock(0, "ab");
    EXPECT_FALSE(WaitBlockAck());

    SendBootCode("boot");
    SendBlock(0, "xyz");
    VEXU_UsbCfgWrite(kData, '!'); // beyond the block's length
    EXPECT_TRUE(WaitBlockAck());
    SendBlock(3, {}); // a zero length byte is an empty block
    EXPECT_TRUE(WaitBlockAck());
    VEXU_UsbCfgWrite(kCommand, 1);
    VEXU_UsbCfgWrite(kData, 0);
    VEXU_UsbCfgWrite(kData, 3);
    VEXU_UsbCfgWrite(kData, 5); // five announced, one sent
    VEXU_UsbCfgWrite(kData, 'q');
    EXPECT_FALSE(WaitBlockAck());
    SendBlock(8, "jump"); // an offset that does not continue is taken as is
    EXPECT_TRUE(WaitBlockAck());
    VEXU_Exit();
    EXPECT_EQ(Output("firmware.bin"), QByteArray("xyz\0\0\0\0\0jump", 12));
    auto status = Status();
    EXPECT_EQ(status["stray_bytes"], "6");
    EXPECT_EQ(status["failed_block"], "2");
    EXPECT_EQ(status["blocks"], "3");
}

TEST_F(SimCamera, RandomCallsNeverCrash)
{
    std::mt19937 random(1234);
    const int registers[] = {kStatus, kMode, kData, kCommand, -5, 1000};
    for (int i = 0; i < 50000; ++i) {
        const int reg = registers[random() % 6];
        const unsigned char value = (random() % 3 == 0) ? random() % 8 : random() % 256;
        switch (random() % 100) {
        case 0:
            VEXU_Initialize();
            break;
        case 1:
            VEXU_Exit();
            break;
        default:
            if (random() % 2) {
                unsigned char byte = 0;
                VEXU_UsbCfgRead(reg, random() % 50 ? &byte : nullptr);
            } else {
                VEXU_UsbCfgWrite(reg, value);
            }
        }
    }
    VEXU_Exit();
    EXPECT_EQ(Status()["state"], "closed");
}
