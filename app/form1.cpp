#include "app/form1.h"

#include "app/devicebinding.h"
#include "app/download.h"
#include "app/environment.h"
#include "app/utilitystate.h"
#include "platform/inifile.h"
#include "platform/modulepath.h"
#include "platform/wholefile.h"
#include "skin/buttons/suibutton.h"
#include "skin/buttons/suiprogressbar.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
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

void SetColor(QWidget* widget, QPalette::ColorRole role, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

template <typename Control>
Control* Place(Control* control, const char* name, int left, int top, int width, int height)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(left, top, width, height);
    return control;
}

// Both buttons as laid out: MacOS, opaque, glyph left with spacing 4,
// repeating every 100 ms while held, in the window's font unless changed.
TsuiButton* MacOSButton(QWidget* frame, const QString& caption)
{
    auto* button = new TsuiButton(frame->window(), frame);
    button->SetUIStyle(TsuiUIStyle::MacOS);
    button->FSetAutoSize(false);
    button->SetTransparent(false);
    button->SetModalResult(0);
    button->SetLayout(blGlyphLeft);
    button->SetSpacing(4);
    button->SetMouseContinuouslyDownInterval(100);
    button->SetCaption(caption);
    button->SetTabStop(true);
    return button;
}

void ProcessMessages()
{
    QCoreApplication::processEvents();
}

} // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent)
{
    CreateControls();
    Utility.Clear();
}

// The whole window in one place, as laid out: everything visible sits on the frame.
void TForm1::CreateControls()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("IP Camera ISP Utility"));
    setFont(SansSerif(false));
    setMinimumWidth(130);
    move(197, 155);
    resize(326, 155); // the client area the skinned frame will give the 324 x 154 frame

    suiForm1 = Place(new QFrame(this), "suiForm1", 1, 0, 324, 154);

    L2 = Place(new QLabel(QStringLiteral("Firmware File Name:"), suiForm1), "L2", 22, 37, 135, 13);
    L2->setFont(SansSerif(true));
    SetColor(L2, QPalette::WindowText, Qt::blue);

    lblFirmwareFile = Place(new QLabel(suiForm1), "lblFirmwareFile", 20, 60, 273, 17);
    lblFirmwareFile->setFont(SansSerif(false));
    lblFirmwareFile->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblFirmwareFile->setLineWidth(1);
    lblFirmwareFile->setAutoFillBackground(true);
    lblFirmwareFile->setTextFormat(Qt::PlainText);
    SetColor(lblFirmwareFile, QPalette::WindowText, Qt::red);
    SetColor(lblFirmwareFile, QPalette::Window, palette().color(QPalette::Button));

    cmdUpdate = Place(MacOSButton(suiForm1, QStringLiteral("Update Firmware")), "cmdUpdate", 101, 87, 123, 23);
    cmdUpdate->Font()->SetStyle(toolkit::fsBold);
    cmdUpdate->Font()->SetColor(toolkit::clRed);
    connect(cmdUpdate, &TsuiButton::OnClick, this, [this] { cmdUpdateClick(cmdUpdate); });

    cmdLoad = Place(MacOSButton(suiForm1, QStringLiteral("...")), "cmdLoad", 164, 32, 25, 23);
    cmdLoad->setToolTip(QStringLiteral("Select a firmware file to update."));
    cmdLoad->setAccessibleDescription(cmdLoad->toolTip());
    connect(cmdLoad, &TsuiButton::OnClick, this, [this] { cmdLoadClick(cmdLoad); });
    setTabOrder(cmdUpdate, cmdLoad);

    // The frame does not hand its style down, so the bar keeps WinXP.
    suiProgressBar1 = Place(new TsuiProgressBar(this, suiForm1), "suiProgressBar1", 90, 119, 145, 12);
    suiProgressBar1->SetUIStyle(TsuiUIStyle::WinXP);
    suiProgressBar1->SetCaptionColor(toolkit::clBlack);
    suiProgressBar1->SetShowCaption(true);
    suiProgressBar1->SetSmartShowCaption(false);
    suiProgressBar1->SetMax(100);
    suiProgressBar1->SetMin(0);
    suiProgressBar1->SetPosition(0);
    suiProgressBar1->SetOrientation(suiHorizontal);
    suiProgressBar1->SetBorderColor(toolkit::RGBColor(0x68, 0x68, 0x68));
    suiProgressBar1->SetColor(toolkit::RGBColor(0xEF, 0xEB, 0xDE));
    suiProgressBar1->Picture()->LoadFromResourceName(QStringLiteral("WINXP_PROGRESSBAR"));
    suiProgressBar1->hide();

    StatusBar1 = Place(new toolkit::TStatusBar(suiForm1), "StatusBar1", 0, 137, 324, 17);
    for (int width : {120, 100, 100})
        StatusBar1->AddPanel(width);

    OpenDialog1.Filter = QStringLiteral("Firmware File (*.bin)|*.bin");
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
