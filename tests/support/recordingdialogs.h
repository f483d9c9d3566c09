#pragma once
// Dialogs that record what they were asked and answer from a script, in place
// of the modal ones.

#include "tests/support/scripteddevice.h"
#include "toolkit/dialogs.h"

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

struct ShownMessage {
    QWidget* owner = nullptr;
    QString text;
    QString title;
    toolkit::TMsgIcon icon = toolkit::TMsgIcon::None;
    toolkit::TMsgButtons buttons = toolkit::TMsgButtons::OkCancel;
    Observation seen{};
};

// Every message is answered Ok; each open dialog takes the next queued
// choice, and is cancelled when none is left.
class RecordingDialogs : public toolkit::DialogResponder {
public:
    std::vector<ShownMessage> messages;
    std::vector<toolkit::OpenFileRequest> openRequests;
    std::deque<std::optional<QString>> choices;
    std::function<Observation()> observe;

    toolkit::TModalResult Message(const toolkit::MessageRequest& request) override;
    std::optional<QString> OpenFile(const toolkit::OpenFileRequest& request) override;
};

// Puts the dialogs in place for its lifetime.
class DialogsInPlace {
public:
    explicit DialogsInPlace(toolkit::DialogResponder& dialogs) : previous_(toolkit::SetDialogResponder(&dialogs)) {}
    ~DialogsInPlace() { toolkit::SetDialogResponder(previous_); }
    DialogsInPlace(const DialogsInPlace&) = delete;
    DialogsInPlace& operator=(const DialogsInPlace&) = delete;

private:
    toolkit::DialogResponder* previous_;
};
