// Start-up: the INI beside the executable names the boot code, which must load
// or the utility refuses to run. And the window as laid out.
#include "apptestsupport.h"
#include "skin/frame/suiform.h"

#include <QAccessible>
#include <QDir>
#include <sys/stat.h>

namespace {

using StartupTest = UtilityTest;

TEST_F(StartupTest, LoadsTheBootCodeNamedInTheIni)
{
    struct Case {
        QString iniValue;
        QString file; // where the file lies, relative to the program directory
        QByteArray bytes;
    };
    const QString longName = QString(63, 'b');
    const Case cases[] = {
        {"boot.bin", "boot.bin", PatternBytes(100, 1)},
        {"sub\\deeper\\boot.bin", "sub/deeper/boot.bin", PatternBytes(7, 2)},
        {longName + "_ignored_tail", longName, PatternBytes(3, 3)}, // cut to 63 characters
        {"empty.bin", "empty.bin", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.iniValue.toStdString());
        form_->StatusBar1->Panels[2]->SetText({});
        QDir().mkpath(QFileInfo(PathOf(c.file)).path());
        WriteFile(c.file, c.bytes);
        WriteIni("[system]\nboot_file=" + c.iniValue + "\n");

        form_->FormCreate(form_.get());

        ASSERT_TRUE(Utility().BootCode);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(Utility().BootCode.get()), Utility().BootCodeLength),
                  c.bytes);
        EXPECT_EQ(Utility().BootCodePath, PathOf(c.file));
        EXPECT_EQ(Utility().IniPath, PathOf("ispupdate.ini"));
        EXPECT_EQ(form_->StatusBar1->Panels[2]->Text(), "Boot code file ok");
    }
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_TRUE(endedWith_.empty());
}

TEST_F(StartupTest, UnloadableBootCodeEndsTheProcessAfterTellingWhy)
{
    struct Case {
        const char* what;
        QString ini; // empty: no INI at all
        QString expectedPath;
    };
    WriteFile("locked.bin", "boot");
    FileLock lock(PathOf("locked.bin"));
    const Case cases[] = {
        {"no INI", {}, ProgramDir() + "/"},
        {"empty value", "[system]\nboot_file=\n", ProgramDir() + "/"},
        {"no such key", "[other]\nboot_file=locked.bin\n", ProgramDir() + "/"},
        {"missing file", "[system]\nboot_file=absent.bin\n", PathOf("absent.bin")},
        {"locked file", "[system]\nboot_file=locked.bin\n", PathOf("locked.bin")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(PathOf("ispupdate.ini"));
        if (!c.ini.isEmpty()) WriteIni(c.ini);
        dialogs_.messages.clear();
        endedWith_.clear();

        form_->FormCreate(form_.get());

        ASSERT_EQ(dialogs_.messages.size(), 1u);
        const ShownMessage& message = dialogs_.messages[0];
        EXPECT_EQ(message.text,
                  "Fail to load boot file:\n" + c.expectedPath + "\n\nISP utility can not run!");
        EXPECT_EQ(message.owner, nullptr);
        EXPECT_EQ(message.title, "Error");
        EXPECT_EQ(message.icon, toolkit::TMsgIcon::Error);
        EXPECT_EQ(endedWith_, std::vector<int>{-1});
        EXPECT_FALSE(Utility().BootCode);
        EXPECT_EQ(form_->StatusBar1->Panels[2]->Text(), "");
    }
}

// Neither a FIFO as the INI nor a NUL in the value leads to a hang or to a
// boot code other than the one the message names.
TEST_F(StartupTest, OddIniOrBootFileNameRefusesToRun)
{
    WriteFile("boot.bin", "boot");
    const QByteArray nulValue = QByteArray("[system]\nboot_file=boot.bin") + '\0' + ".old\n";
    WriteFile("ispupdate.ini", nulValue);
    form_->FormCreate(form_.get());

    QFile::remove(PathOf("ispupdate.ini"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(PathOf("ispupdate.ini")).constData(), 0600), 0);
    form_->FormCreate(form_.get());

    ASSERT_EQ(dialogs_.messages.size(), 2u);
    EXPECT_EQ(dialogs_.messages[0].text, "Fail to load boot file:\n" + PathOf("boot.bin") + QChar(u'\0') +
                                             ".old\n\nISP utility can not run!");
    EXPECT_EQ(dialogs_.messages[1].text, "Fail to load boot file:\n" + ProgramDir() + "/\n\nISP utility can not run!");
    EXPECT_EQ(endedWith_, (std::vector<int>{-1, -1}));
    EXPECT_FALSE(Utility().BootCode);
}

TEST_F(StartupTest, ClosingReleasesWhateverImagesAreHeld)
{
    StartWithBootCode(PatternBytes(10, 4));
    form_->show();
    EXPECT_TRUE(form_->close());
    EXPECT_FALSE(Utility().BootCode);
    EXPECT_EQ(Utility().BootCodeLength, 0u);

    form_->show();
    StartWithBootCode(PatternBytes(10, 5));
    SelectFirmware(PatternBytes(20, 6));
    EXPECT_TRUE(form_->close());
    EXPECT_FALSE(Utility().BootCode);
    EXPECT_FALSE(Utility().Firmware);
    EXPECT_EQ(Utility().FirmwareLength, 0u);
}

TEST_F(StartupTest, WindowIsLaidOutAsDesigned)
{
    TForm1& form = *form_;
    EXPECT_EQ(form.windowTitle(), "IP Camera ISP Utility");
    EXPECT_EQ(form.pos(), QPoint(197, 155));
    EXPECT_EQ(form.size(), QSize(326, 155));
    EXPECT_EQ(form.minimumWidth(), 130);

    struct Placed {
        QWidget* control;
        const char* name;
        QRect geometry;
    };
    const Placed placed[] = {
        {form.suiForm1, "suiForm1", {1, 0, 324, 154}},
        {form.L2, "L2", {22, 37, 135, 13}},
        {form.lblFirmwareFile, "lblFirmwareFile", {20, 60, 273, 17}},
        {form.cmdUpdate, "cmdUpdate", {101, 87, 123, 23}},
        {form.cmdLoad, "cmdLoad", {164, 32, 25, 23}},
        {form.suiProgressBar1, "suiProgressBar1", {90, 119, 145, 12}},
        {form.StatusBar1, "StatusBar1", {0, 137, 324, 17}},
    };
    for (const Placed& p : placed) {
        SCOPED_TRACE(p.name);
        EXPECT_EQ(p.control->objectName(), p.name);
        EXPECT_EQ(p.control->geometry(), p.geometry);
        EXPECT_EQ(p.control->parentWidget(),
                  p.control == form.suiForm1 ? static_cast<QWidget*>(&form) : form.suiForm1);
        EXPECT_EQ(form.findChild<QWidget*>(p.name), p.control);
    }

    EXPECT_EQ(form.L2->text(), "Firmware File Name:");
    EXPECT_TRUE(form.L2->font().bold());
    EXPECT_EQ(form.L2->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(form.lblFirmwareFile->text(), "");
    EXPECT_FALSE(form.lblFirmwareFile->font().bold());
    EXPECT_EQ(form.lblFirmwareFile->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(form.cmdUpdate->Caption(), "Update Firmware");
    EXPECT_TRUE(form.cmdUpdate->font().bold());
    EXPECT_EQ(form.cmdUpdate->Font()->Color(), toolkit::clRed);
    EXPECT_EQ(form.cmdLoad->Caption(), "...");
    EXPECT_EQ(form.cmdLoad->toolTip(), "Select a firmware file to update.");
    EXPECT_EQ(form.cmdLoad->accessibleDescription(), "Select a firmware file to update.");
    // The stored tab order: the update button, then the file chooser.
    QWidget* next = form.cmdUpdate->nextInFocusChain();
    while (next != form.cmdUpdate && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    EXPECT_EQ(next, form.cmdLoad);
    for (QWidget* control : {static_cast<QWidget*>(form.L2), static_cast<QWidget*>(form.cmdUpdate)})
        EXPECT_EQ(control->font().pixelSize(), 11);

    EXPECT_FALSE(form.suiProgressBar1->isVisibleTo(&form));
    EXPECT_EQ(form.suiProgressBar1->Position(), 0);
    EXPECT_EQ(form.suiProgressBar1->Max(), 100);
    EXPECT_TRUE(form.suiProgressBar1->ShowCaption());

    ASSERT_EQ(form.StatusBar1->Panels.Count(), 3);
    form.show();
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(form.StatusBar1->Panels[i]->Width(), i == 0 ? 120 : 100);
    EXPECT_EQ(form.StatusBar1->Panels[1]->geometry().left(), 120);
    EXPECT_EQ(form.StatusBar1->Panels[2]->geometry().left(), 220);
    EXPECT_LE(form.StatusBar1->Panels[2]->geometry().right(), 323);

    // Status texts reach assistive technology (and the end-to-end tests) as names.
    form.StatusBar1->Panels[0]->SetText("wait...");
    QAccessibleInterface* panel = QAccessible::queryAccessibleInterface(form.StatusBar1->Panels[0]);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->text(QAccessible::Name), "wait...");
}

} // namespace
