#include "app/form1.h"

#include "app/core/environment.h"
#include "app/core/startup.h"
#include "platform/wholefile.h"
#include "skin/buttons/suibutton.h"
#include "skin/buttons/suibuttonsregistry.h"
#include "skin/buttons/suiprogressbar.h"
#include "skin/frame/suiform.h"
#include "skin/frame/suiframeregistry.h"
#include "toolkit/layoutreader.h"
#include "toolkit/stdctrls.h"
#include "toolkit/translations.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QLabel>

namespace {

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

// The desktop theme's icon once installed, the built-in pictures otherwise.
QIcon UtilityIcon()
{
    QIcon builtIn;
    for (int size : {16, 32, 48, 256})
        builtIn.addFile(QStringLiteral(":/icons/ispupdate-%1.png").arg(size), QSize(size, size));
    return QIcon::fromTheme(QStringLiteral("ispupdate"), builtIn);
}

} // namespace

// The icon pictures sit in the static app library, which would drop them
// unless named here.
static void InitIconResource()
{
    Q_INIT_RESOURCE(ispupdate);
}

TForm1::TForm1(QWidget* parent) : TForm(parent)
{
    CreateControls();
}

// The whole window comes from its stored layout; what the layout cannot say
// (the window's font, the file chooser) is set here.
void TForm1::CreateControls()
{
    RegisterLayoutClasses();
    setFont(SansSerif(false));
    InitIconResource();
    setWindowIcon(UtilityIcon());
    toolkit::ReadLayoutInto(this, toolkit::StoredLayout(QStringLiteral(":/layouts/form1.txt")));
    toolkit::TranslateLayoutTexts(this, "TForm1");
    FindControls();

    // What a screen reader says for what shows no text of its own, or none yet.
    suiProgressBar1->setAccessibleName(tr("Update progress"));
    const QString panelRoles[] = {tr("Update status"), tr("Firmware file status"), tr("Boot code status")};
    for (int i = 0; i < std::ssize(panelRoles) && i < StatusBar1->Panels.Count(); ++i)
        StatusBar1->Panels[i]->setAccessibleDescription(panelRoles[i]);

    OpenDialog1.Filter = tr("Firmware File (*.bin)|*.bin");
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
    const BootCodeLocation location = LocateBootCode(Environment().ModulePath());
    utility_.ProgramDirectory = location.ProgramDirectory;
    utility_.IniPath = location.IniPath;
    utility_.BootCodePath = location.BootCodePath;
    utility_.BootCode = platform::ReadWholeFile(utility_.BootCodePath, &utility_.BootCodeLength);
    if (!utility_.BootCode) {
        toolkit::MessageBox(nullptr, BootCodeFailureMessage(utility_.BootCodePath));
        Environment().EndProcess(kBootFailureExitCode);
        return;
    }
    StatusBar1->Panels[2]->SetText(tr("Boot code file ok"));
}

void TForm1::FormClose(QObject*, TCloseAction&)
{
    utility_.ReleaseBootCode();
    utility_.ReleaseFirmware();
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
    utility_.FirmwarePath = OpenDialog1.FileName;
    lblFirmwareFile->setText(utility_.FirmwarePath);
    utility_.ReleaseFirmware();
    utility_.Firmware = platform::ReadWholeFile(utility_.FirmwarePath, &utility_.FirmwareLength);
    if (utility_.Firmware) {
        StatusBar1->Panels[1]->SetText(tr("Firmware file ok"));
        return;
    }
    toolkit::MessageBox(this, tr("Fail to load firmware file.\n"));
    lblFirmwareFile->clear();
    StatusBar1->Panels[1]->SetText(QString());
}

void TForm1::cmdUpdateClick(QObject*)
{
    if (updating_) return;
    // Set before anything can process messages: both images stay as they are until the end.
    updating_ = true;
    const DownloadResult result = RunDownload({utility_.BootCode.get(), utility_.BootCodeLength,
                                               utility_.Firmware.get(), utility_.FirmwareLength},
                                              *this)
                                      .result;
    switch (result) {
    case DownloadResult::NoFirmware:
        updating_ = false;
        toolkit::MessageBox(this, Translated(kNoFirmwareMessage));
        return;
    case DownloadResult::NoDevice:
        updating_ = false;
        toolkit::MessageBox(this, Translated(kNoDeviceMessage), Translated(kNoDeviceCaption));
        return;
    case DownloadResult::BlockNotAcknowledged:
    case DownloadResult::Cancelled: // the window never asks to cancel
        toolkit::MessageBox(this, Translated(kUpdateFailedMessage));
        break;
    case DownloadResult::Succeeded:
        break;
    }
    suiProgressBar1->hide();
    suiProgressBar1->SetPosition(0);

    updating_ = false;
    if (closeRequested_) {
        closeRequested_ = false;
        close();
    }
}

void TForm1::StageChanged(const QString& text)
{
    StatusBar1->Panels[0]->SetText(Translated(text.toUtf8().constData()));
}

void TForm1::ProgressStarted()
{
    suiProgressBar1->show();
    suiProgressBar1->SetPosition(0);
}

void TForm1::ProgressChanged(int percent)
{
    suiProgressBar1->SetPosition(percent);
}

void TForm1::UpdateLocked(bool locked)
{
    cmdUpdate->setEnabled(!locked);
}

void TForm1::ProcessMessages()
{
    QCoreApplication::processEvents();
}
