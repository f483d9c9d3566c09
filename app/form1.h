#pragma once
// The utility's one window: choose a firmware file, run the update, watch it.

#include "toolkit/dialogs.h"
#include "toolkit/statusbar.h"

#include <QWidget>
#include <cstdint>

class QFrame;
class QLabel;
class TsuiButton;
class TsuiProgressBar;

enum class TCloseAction { caNone, caHide, caFree, caMinimize };

class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);

    QFrame* suiForm1 = nullptr;
    toolkit::TStatusBar* StatusBar1 = nullptr;
    QLabel* L2 = nullptr;
    QLabel* lblFirmwareFile = nullptr;
    TsuiButton* cmdUpdate = nullptr;
    TsuiButton* cmdLoad = nullptr;
    toolkit::TOpenDialog OpenDialog1;
    TsuiProgressBar* suiProgressBar1 = nullptr;

    void FormCreate(QObject* Sender);
    void FormClose(QObject* Sender, TCloseAction& Action);
    void cmdLoadClick(QObject* Sender);
    void cmdUpdateClick(QObject* Sender);

    bool UpdateRunning() const { return updating_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void SetStage(const QString& text);
    void SendBootCode();
    bool SendFirmware();

    bool updating_ = false;
    bool closeRequested_ = false; // a close that arrived while the images were in use
};
