// The "..." button: choosing, loading and replacing the firmware image.
#include "apptestsupport.h"

namespace {

class FileSelectionTest : public UtilityTest {
protected:
    QByteArray FirmwareBytes() const
    {
        return {reinterpret_cast<const char*>(Utility().Firmware.get()), qsizetype(Utility().FirmwareLength)};
    }
    QString PathShown() const { return form_->lblFirmwareFile->text(); }
    QString Panel1() const { return form_->StatusBar1->Panels[1]->Text(); }
};

TEST_F(FileSelectionTest, ChosenFilesReplaceTheImageAndCancelKeepsIt)
{
    const QByteArray first = PatternBytes(1000, 1);
    SelectFirmware(first, "first.bin");
    EXPECT_EQ(FirmwareBytes(), first);
    EXPECT_EQ(PathShown(), PathOf("first.bin"));
    EXPECT_EQ(Utility().FirmwarePath, PathOf("first.bin"));
    EXPECT_EQ(Panel1(), "Firmware file ok");

    form_->cmdLoad->Click(); // no answer queued: cancelled
    EXPECT_EQ(FirmwareBytes(), first);
    EXPECT_EQ(PathShown(), PathOf("first.bin"));
    EXPECT_EQ(Panel1(), "Firmware file ok");

    SelectFirmware({}, "empty.bin"); // an empty file is a valid, empty image
    EXPECT_EQ(Utility().FirmwareLength, 0u);
    EXPECT_EQ(PathShown(), PathOf("empty.bin"));

    const QByteArray second = PatternBytes(129, 2);
    SelectFirmware(second, "second.bin");
    EXPECT_EQ(FirmwareBytes(), second);

    ASSERT_EQ(dialogs_.openRequests.size(), 4u);
    EXPECT_EQ(dialogs_.openRequests[0].nameFilter, "Firmware File (*.bin)");
    EXPECT_EQ(dialogs_.openRequests[0].owner, form_.get());
    EXPECT_EQ(dialogs_.openRequests[0].fileName, "");
    EXPECT_EQ(dialogs_.openRequests[1].fileName, PathOf("first.bin")); // the last name is offered again
    EXPECT_EQ(dialogs_.openRequests[3].fileName, PathOf("empty.bin"));
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(FileSelectionTest, UnloadableFileDropsThePreviousImage)
{
    SelectFirmware(PatternBytes(300, 3), "good.bin");
    WriteFile("locked.bin", PatternBytes(10, 4));
    FileLock lock(PathOf("locked.bin"));

    for (const char* name : {"locked.bin", "typed-but-missing.bin"}) {
        SCOPED_TRACE(name);
        dialogs_.messages.clear();
        dialogs_.choices.push_back(PathOf(name));
        form_->cmdLoad->Click();

        ASSERT_EQ(dialogs_.messages.size(), 1u);
        EXPECT_EQ(dialogs_.messages[0].text, "Fail to load firmware file.\n");
        EXPECT_EQ(dialogs_.messages[0].title, "Error");
        EXPECT_EQ(dialogs_.messages[0].icon, toolkit::TMsgIcon::Error);
        EXPECT_EQ(dialogs_.messages[0].owner, form_.get());
        EXPECT_FALSE(Utility().Firmware);
        EXPECT_EQ(Utility().FirmwareLength, 0u);
        EXPECT_EQ(Utility().FirmwarePath, PathOf(name));
        EXPECT_EQ(PathShown(), "");
        EXPECT_EQ(Panel1(), "");
    }
}

TEST(OpenDialogFilter, ClassicPairsBecomeQtEntries)
{
    EXPECT_EQ(toolkit::ClassicFilterToQt("Firmware File (*.bin)|*.bin"), "Firmware File (*.bin)");
    EXPECT_EQ(toolkit::ClassicFilterToQt("Images|*.bmp;*.png|All files|*"),
              "Images (*.bmp *.png);;All files (*)");
    EXPECT_EQ(toolkit::ClassicFilterToQt(""), "");
}

} // namespace
