#pragma once
// The utility's one window: choose a firmware file, run the update, watch it.

#include "app/core/download.h"
#include "app/utilitystate.h"
#include "toolkit/dialogs.h"
#include "toolkit/form.h"
#include "toolkit/statusbar.h"

#include <cstdint>

class QLabel;
class TsuiButton;
class TsuiForm;
class TsuiProgressBar;

enum class TCloseAction { caNone, caHide, caFree, caMinimize };

// Built from its stored layout. Shows the download procedure's stages in its
// status bar and progress bar.
class TForm1 : public toolkit::TForm, private DownloadObserver {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);

    TsuiForm* suiForm1 = nullptr;
    toolkit::TStatusBar* StatusBar1 = nullptr;
    QLabel* L2 = nullptr;
    QLabel* lblFirmwareFile = nullptr;
    TsuiButton* cmdUpdate = nullptr;
    TsuiButton* cmdLoad = nullptr;
    toolkit::TOpenDialog OpenDialog1;
    TsuiProgressBar* suiProgressBar1 = nullptr;

    void FormCreate(QObject* Sender);
    void FormClose(QObject* Sender, TCloseAction& Action);
    Q_INVOKABLE void cmdLoadClick(QObject* Sender);
    Q_INVOKABLE void cmdUpdateClick(QObject* Sender);

    bool UpdateRunning() const { return updating_; }
    // The paths and images the handlers share.
    const UtilityState& Utility() const { return utility_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void FindControls();

    void StageChanged(const QString& text) override;
    void ProgressStarted() override;
    void ProgressChanged(int percent) override;
    void UpdateLocked(bool locked) override;
    void ProcessMessages() override;

    UtilityState utility_;
    bool updating_ = false;
    bool closeRequested_ = false; // a close that arrived while the images were in use
};
