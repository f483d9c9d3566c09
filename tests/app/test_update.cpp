// Whole updates against a scripted camera: the register transcript, what the
// window shows meanwhile, and the failure paths.
#include "apptestsupport.h"

#include <QSignalSpy>
#include <QTest>

namespace {

constexpr int kMode = 54, kData = 55, kCommand = 56, kStatus = 0;

DeviceCall Read2()
{
    return {DeviceCall::Read, kStatus, 2, {}};
}

// Every call of one update whose blocks are all acknowledged on the first read.
std::vector<DeviceCall> ExpectedCalls(const QByteArray& boot, const QByteArray& firmware)
{
    std::vector<DeviceCall> calls{{DeviceCall::Initialize}, W(kMode, 4), W(kMode, 5)};
    for (char byte : boot)
        calls.push_back(W(kData, std::uint8_t(byte)));
    calls.insert(calls.end(), {W(kMode, 5), W(kMode, 4)});
    for (qsizetype offset = 0; offset < firmware.size(); offset += 128) {
        const qsizetype length = std::min<qsizetype>(128, firmware.size() - offset);
        calls.insert(calls.end(), {W(kCommand, 1), W(kData, (offset >> 8) & 0xFF), W(kData, offset & 0xFF),
                                   W(kData, int(length))});
        for (qsizetype i = 0; i < length; ++i)
            calls.push_back(W(kData, std::uint8_t(firmware[offset + i])));
        calls.insert(calls.end(), {W(kCommand, 2), Read2()});
    }
    calls.insert(calls.end(), {W(kMode, 4), W(kMode, 0), {DeviceCall::Exit}});
    return calls;
}

class UpdateTest : public UtilityTest {
protected:
    void SetUp() override
    {
        UtilityTest::SetUp();
        form_->show();
    }

    void RecordStages()
    {
        QObject::connect(form_->StatusBar1->Panels[0], &toolkit::TStatusPanel::TextChanged, form_.get(),
                         [this](const QString& text) { stages_.push_back(text); });
    }

    void ExpectIdleAfterUpdate() const
    {
        EXPECT_TRUE(form_->cmdUpdate->isEnabled());
        EXPECT_FALSE(form_->suiProgressBar1->isVisible());
        EXPECT_EQ(form_->suiProgressBar1->Position(), 0);
        EXPECT_FALSE(form_->UpdateRunning());
    }

    std::vector<QString> stages_;
};

struct Sizes {
    int boot;
    int firmware;
};

class WholeUpdate : public UpdateTest, public testing::WithParamInterface<Sizes> {};

TEST_P(WholeUpdate, SendsBootCodeThenAcknowledgedBlocks)
{
    const QByteArray boot = PatternBytes(GetParam().boot, 1);
    const QByteArray firmware = PatternBytes(GetParam().firmware, 2);
    StartWithBootCode(boot);
    SelectFirmware(firmware);

    form_->cmdUpdate->Click();

    EXPECT_EQ(device_.calls, ExpectedCalls(boot, firmware));
    EXPECT_EQ(sleeps_, std::vector<unsigned>{2500});
    EXPECT_EQ(form_->StatusBar1->Panels[0]->Text(), "Firmware update ok!");
    EXPECT_TRUE(dialogs_.messages.empty());
    ExpectIdleAfterUpdate();
}

INSTANTIATE_TEST_SUITE_P(Lengths, WholeUpdate,
                         testing::Values(Sizes{3, 0}, Sizes{0, 1}, Sizes{5, 256}, Sizes{2, 300},
                                         Sizes{0, 65537}),
                         [](const auto& info) {
                             return "boot" + std::to_string(info.param.boot) + "_firmware" +
                                    std::to_string(info.param.firmware);
                         });

TEST_F(UpdateTest, BlockHeadersCarryOffsetHighByteFirstWrappingAt64K)
{
    StartWithBootCode({});
    SelectFirmware(QByteArray(65537, '\x5A'));
    form_->cmdUpdate->Click();

    std::vector<std::array<int, 3>> headers;
    const std::vector<DeviceCall> writes = device_.Writes();
    for (size_t i = 0; i + 3 < writes.size(); ++i)
        if (writes[i] == W(kCommand, 1))
            headers.push_back({writes[i + 1].value, writes[i + 2].value, writes[i + 3].value});
    ASSERT_EQ(headers.size(), 513u);
    EXPECT_EQ(headers[0], (std::array<int, 3>{0, 0, 128}));
    EXPECT_EQ(headers[1], (std::array<int, 3>{0, 128, 128}));
    EXPECT_EQ(headers[511], (std::array<int, 3>{255, 128, 128}));
    EXPECT_EQ(headers[512], (std::array<int, 3>{0, 0, 1}));
    EXPECT_EQ(device_.CountOf(DeviceCall::Read), 513);
}

// Started by the mouse, the update runs inside the click: the disabled button
// keeps its pressed face until the update returns.
TEST_F(UpdateTest, UpdateButtonShowsPressedWhileTheUpdateRuns)
{
    StartWithBootCode(PatternBytes(4, 3));
    SelectFirmware(PatternBytes(300, 4));
    std::vector<TsuiButtonFace> faces;
    device_.onCall = [&](const DeviceCall& call) {
        if (call.kind == DeviceCall::Write && call.reg == kData)
            faces.push_back(form_->cmdUpdate->Face());
    };
    QTest::mouseClick(form_->cmdUpdate, Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_FALSE(faces.empty());
    for (TsuiButtonFace face : faces)
        EXPECT_EQ(face, TsuiButtonFace::MouseDown);
    EXPECT_FALSE(form_->cmdUpdate->IsPressed());
    ExpectIdleAfterUpdate();
}

TEST_F(UpdateTest, WindowFollowsTheStagesAndProgress)
{
    RecordStages();
    QSignalSpy progress(form_->suiProgressBar1, &TsuiProgressBar::PositionChanged);
    StartWithBootCode(PatternBytes(4, 3));
    SelectFirmware(PatternBytes(300, 4));

    form_->cmdUpdate->Click();

    EXPECT_EQ(stages_, (std::vector<QString>{"8051 download mode", "Boot code to SRAM...", "wait...",
                                             "boot code running...", "Firmware updating...", "1/3...",
                                             "2/3...", "3/3...", "Firmware update ok!"}));
    std::vector<int> positions;
    for (const QList<QVariant>& args : progress)
        positions.push_back(args.at(0).toInt());
    EXPECT_EQ(positions, (std::vector<int>{25, 50, 75, 100, 0, 33, 66, 100, 0}));

    // The button is disabled and the bar shown for every byte sent.
    for (const DeviceCall& call : device_.calls) {
        if (call.kind != DeviceCall::Write || call.reg != kData) continue;
        EXPECT_FALSE(call.seen.updateEnabled);
        EXPECT_TRUE(call.seen.progressVisible);
    }
    // The mode switches around the boot stage.
    EXPECT_EQ(device_.calls[1].seen.stage, "8051 download mode");
    EXPECT_EQ(device_.calls[7].seen.stage, "boot code running...");
    ASSERT_EQ(sleepSeen_.size(), 1u);
    EXPECT_EQ(sleepSeen_[0].stage, "wait...");
    EXPECT_EQ(sleepSeen_[0].progress, 100);
    ExpectIdleAfterUpdate();
}

TEST_F(UpdateTest, AcknowledgementCountsUpToTheThreeThousandthRead)
{
    StartWithBootCode(PatternBytes(2, 5));
    SelectFirmware(PatternBytes(300, 6));
    device_.status = [](unsigned char* value, int read) {
        *value = read == 3000 ? 2 : 0;
        return 0;
    };

    form_->cmdUpdate->Click();

    EXPECT_EQ(device_.CountOf(DeviceCall::Read), 3 * 3000);
    EXPECT_EQ(form_->StatusBar1->Panels[0]->Text(), "Firmware update ok!");
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(UpdateTest, UnacknowledgedBlockStopsTheUpdateAndClosesTheDevice)
{
    StartWithBootCode(PatternBytes(2, 7));
    SelectFirmware(PatternBytes(300, 8));
    device_.status = [reads = 0](unsigned char* value, int) mutable {
        *value = ++reads == 1 ? 2 : 1;
        return 0;
    };

    form_->cmdUpdate->Click();

    // Block 0 acknowledged, block 1 polled 3000 times, block 2 never sent.
    EXPECT_EQ(device_.CountOf(DeviceCall::Read), 1 + 3000);
    const std::vector<DeviceCall> tail(device_.calls.end() - 4, device_.calls.end());
    EXPECT_EQ(tail, (std::vector<DeviceCall>{
                        {DeviceCall::Read, kStatus, 1, {}}, W(kMode, 4), W(kMode, 0), {DeviceCall::Exit}}));
    const auto headers = std::count(device_.calls.begin(), device_.calls.end(), W(kCommand, 1));
    EXPECT_EQ(headers, 2);

    ASSERT_EQ(dialogs_.messages.size(), 1u);
    const ShownMessage& message = dialogs_.messages[0];
    EXPECT_EQ(message.text, "Fail to update firmware!!\n");
    EXPECT_EQ(message.title, "Error");
    EXPECT_EQ(message.icon, toolkit::TMsgIcon::Error);
    EXPECT_EQ(message.buttons, toolkit::TMsgButtons::Ok);
    EXPECT_EQ(message.owner, form_.get());
    EXPECT_TRUE(message.seen.progressVisible); // hidden only once the box is closed
    EXPECT_TRUE(message.seen.updateEnabled);
    EXPECT_EQ(form_->StatusBar1->Panels[0]->Text(), "2/3...");
    ExpectIdleAfterUpdate();
}

TEST_F(UpdateTest, ReadThatStoresNothingIsNoAcknowledgement)
{
    StartWithBootCode({});
    SelectFirmware(PatternBytes(256, 9));
    // The first block is acknowledged; afterwards every read fails without storing a value.
    device_.status = [reads = 0](unsigned char* value, int) mutable {
        if (++reads > 1) return -1;
        *value = 2;
        return 0;
    };

    form_->cmdUpdate->Click();

    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].text, "Fail to update firmware!!\n");
    EXPECT_EQ(device_.CountOf(DeviceCall::Read), 1 + 3000);
}

TEST_F(UpdateTest, MissingFirmwareOrDeviceStopsBeforeAnythingChanges)
{
    StartWithBootCode(PatternBytes(8, 10));
    form_->cmdUpdate->Click();
    EXPECT_TRUE(device_.calls.empty());

    SelectFirmware(PatternBytes(10, 11));
    device_.initializeResult = -1;
    form_->cmdUpdate->Click();
    EXPECT_EQ(device_.calls, std::vector<DeviceCall>{{DeviceCall::Initialize}});

    ASSERT_EQ(dialogs_.messages.size(), 2u);
    EXPECT_EQ(dialogs_.messages[0].text, "Firmware file is not loaded!\n");
    EXPECT_EQ(dialogs_.messages[0].title, "Error");
    EXPECT_EQ(dialogs_.messages[1].text, "Device not found!");
    EXPECT_EQ(dialogs_.messages[1].title, "IP Camera");
    for (const ShownMessage& message : dialogs_.messages) {
        EXPECT_EQ(message.owner, form_.get());
        EXPECT_EQ(message.icon, toolkit::TMsgIcon::Error);
    }
    EXPECT_EQ(form_->StatusBar1->Panels[0]->Text(), "");
    ExpectIdleAfterUpdate();
}

TEST_F(UpdateTest, SelectionAndCloseDuringAnUpdateWaitForItsEnd)
{
    const QByteArray firmware = PatternBytes(384, 12);
    StartWithBootCode(PatternBytes(3, 13));
    SelectFirmware(firmware);
    dialogs_.choices.push_back(PathOf("fw.bin"));

    bool acted = false;
    bool windowOpenAfterClose = false;
    device_.onCall = [&](const DeviceCall& call) {
        if (acted || call != W(kCommand, 1)) return;
        acted = true;
        form_->cmdLoad->Click();
        form_->close();
        windowOpenAfterClose = form_->isVisible();
    };

    form_->cmdUpdate->Click();

    EXPECT_TRUE(acted);
    EXPECT_EQ(dialogs_.openRequests.size(), 1u); // only the selection before the update
    EXPECT_TRUE(windowOpenAfterClose);
    EXPECT_EQ(device_.calls, ExpectedCalls(PatternBytes(3, 13), firmware)); // the old image, whole
    // The deferred close happened once the update ended and released both images.
    EXPECT_FALSE(form_->isVisible());
    EXPECT_FALSE(Utility().BootCode);
    EXPECT_FALSE(Utility().Firmware);
    EXPECT_EQ(Utility().BootCodeLength + Utility().FirmwareLength, 0u);
}

} // namespace
