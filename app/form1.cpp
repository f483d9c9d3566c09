#include "app/form1.h"

#include "app/devicebinding.h"
#include "app/download.h"
#include "app/environment.h"
#include "app/utilitystate.h"
#include "platform/inifile.h"
#include "platform/modulepath.h"
#include "platform/wholefile.h"
#include "skin/buttons/suibutton.h"
#include "skin/buttons/suibuttonsregistry.h"
#include "skin/buttons/suiprogressbar.h"
#include "skin/frame/suiform.h"
#include "skin/frame/suiframeregistry.h"
#include "toolkit/layoutreader.h"
#include "toolkit/stdctrls.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>

namespace {

// Exit status when the boot code cannot be loaded; the platform keeps its low 8 bits (255).
constexpr int kBootFailureExitCode = -1;

QFont SansSerif(bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setBold(bold);
    return font;
}

void RegisterLayoutClasses()
{
    toolkit::RegisterStandardControls();
    RegisterSuiFrame();
    RegisterSuiButtons();
}

void ProcessMessages()
{
    QCoreApplication::processEvents();
}

} // namespace

TForm1::TForm1(QWidget* parent) : TForm(parent)
{
    CreateControls();
    Utility.Clear();
}

// The whole window comes from its stored layout; what the layout cannot say
// (the window's font, the file chooser, tab order) is set here.
void TForm1::CreateControls()
{
    RegisterLayoutClasses();
    setFont(SansSerif(false));
    toolkit::ReadLayoutInto(this, toolkit::StoredLayout(QStringLiteral(":/layouts/form1.txt")));
    FindControls();

    cmdLoad->setAccessibleDescription(cmdLoad->toolTip());
    setTabOrder(cmdUpdate, cmdLoad);

    OpenDialog1.Filter = QStringLiteral("Firmware File (*.bin)|*.bin");
}

void TForm1::FindControls()
{
    suiForm1 = findChild<TsuiForm*>(QStringLiteral("suiForm1"));
    StatusBar1 = findChild<toolkit::TStatusBar*>(QStringLiteral("StatusBar1"));
    L2 = findChild<QLabel*>(QStringLiteral("L2"));
    lblFirmwareFile = findChild<QLabel*>(QStringLiteral("lblFirmwareFile"));
    cmdUpdate = findChild<TsuiButton*>(QStringLiteral("cmdUpdate"));
    cmdLoad = findChild<TsuiButton*>(QStringLiteral("cmdLoad"));
    suiProgressBar1 = findChild<TsuiProgressBar*>(QStringLiteral("suiProgressBar1"));
}

void TForm1::FormCreate(QObject*)
{
    const QString modulePath = Environment().ModulePath();
    Utility.ProgramDirectory = platform::DirectoryOf(modulePath);
    Utility.IniPath = platform::IniPathFor(modulePath);
    const QString bootFile =
        platform::ReadIniString(Utility.IniPath, QStringLiteral("system"), QStringLiteral("boot_file"), 63);
    Utility.BootCodePath = platform::JoinProgramPath(Utility.ProgramDirectory, bootFile);
    Utility.BootCode = platform::ReadWholeFile(Utility.BootCodePath, &Utility.BootCodeLength);
    if (!Utility.BootCode) {
        toolkit::MessageBox(nullptr, QStringLiteral("Fail to load boot file:\n%1\n\nISP utility can not run!")
                                         .arg(Utility.BootCodePath));
        Environment().EndProcess(kBootFailureExitCode);
        return;
    }
    StatusBar1->Panels[2]->SetText(QStringLiteral("Boot code file ok"));
}

void TForm1::FormClose(QObject*, TCloseAction&)
{
    Utility.ReleaseBootCode();
    Utility.ReleaseFirmware();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // The update reads both images between its message passes; close once it has ended.
    if (updating_) {
        closeRequested_ = true;
        event->ignore();
        return;
    }
    TCloseAction action = TCloseAction::caHide;
    FormClose(this, action);
    event->setAccepted(action != TCloseAction::caNone);
}

void TForm1::cmdLoadClick(QObject*)
{
    if (updating_) // the firmware image is being sent and must stay as it is
        return;
    if (!OpenDialog1.Execute(this)) return;
    Utility.FirmwarePath = OpenDialog1.FileName;
    lblFirmwareFile->setText(Utility.FirmwarePath);
    Utility.ReleaseFirmware();
    Utility.Firmware = platform::ReadWholeFile(Utility.FirmwarePath, &Utility.FirmwareLength);
    if (Utility.Firmware) {
        StatusBar1->Panels[1]->SetText(QStringLiteral("Firmware file ok"));
        return;
    }
    toolkit::MessageBox(this, QStringLiteral("Fail to load firmware file.\n"));
    lblFirmwareFile->clear();
    StatusBar1->Panels[1]->SetText(QString());
}

void TForm1::cmdUpdateClick(QObject*)
{
    if (updating_) return;
    if (!Utility.Firmware) {
        toolkit::MessageBox(this, QStringLiteral("Firmware file is not loaded!\n"));
        return;
    }
    const DeviceBinding& device = Device();
    if (device.Initialize() < 0) {
        toolkit::MessageBox(this, QStringLiteral("Device not found!"), QStringLiteral("IP Camera"));
        return;
    }
    updating_ = true;

    SetStage(QStringLiteral("8051 download mode"));
    device.Write(kModeRegister, 4);
    device.Write(kModeRegister, 5);
    suiProgressBar1->show();
    suiProgressBar1->SetPosition(0);
    SetStage(QStringLiteral("Boot code to SRAM..."));
    cmdUpdate->setEnabled(false);
    ProcessMessages();

    SendBootCode();

    SetStage(QStringLiteral("wait..."));
    ProcessMessages();
    Environment().Sleep(kBootCodeWaitMs);

    SetStage(QStringLiteral("boot code running..."));
    ProcessMessages();
    device.Write(kModeRegister, 5);
    device.Write(kModeRegister, 4);

    SetStage(QStringLiteral("Firmware updating..."));
    suiProgressBar1->SetPosition(0);
    ProcessMessages();

    const bool succeeded = SendFirmware();

    device.Write(kModeRegister, 4);
    device.Write(kModeRegister, 0);
    device.Exit();
    cmdUpdate->setEnabled(true);
    if (succeeded)
        SetStage(QStringLiteral("Firmware update ok!"));
    else
        toolkit::MessageBox(this, QStringLiteral("Fail to update firmware!!\n"));
    suiProgressBar1->hide();
    suiProgressBar1->SetPosition(0);

    updating_ = false;
    if (closeRequested_) {
        closeRequested_ = false;
        close();
    }
}

void TForm1::SetStage(const QString& text)
{
    StatusBar1->Panels[0]->SetText(text);
}

void TForm1::SendBootCode()
{
    const DeviceBinding& device = Device();
    const std::uint32_t length = Utility.BootCodeLength;
    for (std::uint32_t i = 0; i < length; ++i) {
        device.Write(kDataRegister, Utility.BootCode[i]);
        suiProgressBar1->SetPosition(ProgressPercent(i + 1, length));
        ProcessMessages();
    }
}

bool TForm1::SendFirmware()
{
    const std::uint32_t length = Utility.FirmwareLength;
    const std::uint32_t blocks = BlockCount(length);
    for (std::uint32_t i = 0; i < blocks; ++i) {
        const std::uint32_t offset = i * kBlockSize;
        SetStage(QStringLiteral("%1/%2...").arg(i + 1).arg(blocks));
        ProcessMessages();
        SendBlock(Utility.Firmware.get(), offset, std::min(kBlockSize, length - offset));
        suiProgressBar1->SetPosition(ProgressPercent(i + 1, blocks));
        ProcessMessages();
        if (!WaitBlockAck()) return false;
    }
    return true;
}
