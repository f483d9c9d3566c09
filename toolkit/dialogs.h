#pragma once
// Message boxes, the open-file and the colour dialog, as thin wrappers over
// QMessageBox, QFileDialog and QColorDialog. Every dialog goes through one responder, so tests can answer
// them without a modal loop.

#include "toolkit/types.h"

#include <QPointer>
#include <QStringList>
#include <QString>
#include <QWidget>
#include <optional>

namespace toolkit {

enum class TMsgIcon { None, Error, Warning, Information, Question };
enum class TMsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class TModalResult { Ok, Cancel, Yes, No };

/// A message box to show: owner, text, title, icon, buttons.
struct MessageRequest {
    QPointer<QWidget> owner; // null: a box of its own, owned by no window
    QString text;
    QString title; // the caption given, or the platform's default "Error"
    TMsgIcon icon = TMsgIcon::Error;
    TMsgButtons buttons = TMsgButtons::Ok;
};

/// A file to ask for: owner, title, filter, initial folder, name.
struct OpenFileRequest {
    QPointer<QWidget> owner;
    QString title;      // empty: the platform's default
    QString nameFilter; // Qt form: "Name (*.a *.b);;Other (*)"
    QString initialDir; // empty: the platform's default
    QString fileName;   // preselected: the last name chosen
};

/// A colour to ask for: owner, initial colour.
struct ColorRequest {
    QPointer<QWidget> owner;
    TColor color = clBlack; // preset, as RGB
    // The dialog's custom colours, "ColorA=00BBGGRR" .. "ColorP=...".
    QStringList customColors;
};

/// Answers the dialogs the controls ask for; the default shows Qt's dialogs, tests put in their own.
class DialogResponder {
public:
    virtual ~DialogResponder() = default;
    virtual TModalResult Message(const MessageRequest& request) = 0;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> OpenFile(const OpenFileRequest& request) = 0;
    // The chosen colour, or nothing when the user cancels. A responder that
    // does not answer colours cancels them.
    virtual std::optional<TColor> ChooseColor(const ColorRequest& request)
    {
        Q_UNUSED(request);
        return std::nullopt;
    }
};

// Replaces the responder for all dialogs; nullptr restores the real, modal ones.
// Returns the responder that was in place.
DialogResponder* SetDialogResponder(DialogResponder* responder);

// An empty caption shows the platform's default title, "Error".
TModalResult MessageBox(QWidget* owner, const QString& text, const QString& caption = {},
                        TMsgIcon icon = TMsgIcon::Error, TMsgButtons buttons = TMsgButtons::Ok);

// "Name|pattern|Name|pattern" to Qt's "Name (pattern);;..." form. A name that
// already ends in its own pattern list is kept as it is.
QString ClassicFilterToQt(const QString& filter);

/// The file chooser: Filter, InitialDir, FileName; Execute asks through the dialog responder.
class TOpenDialog {
public:
    QString Filter; // classic form, "Firmware File (*.bin)|*.bin"
    QString Title;
    QString InitialDir;
    QString FileName; // the last chosen name, offered again next time

    // True when a name was chosen; FileName then holds it. The named file need not exist.
    bool Execute(QWidget* owner);
};

/// The colour chooser: Color; Execute asks through the dialog responder.
class TColorDialog {
public:
    TColor Color = clBlack;
    QStringList CustomColors; // "ColorA=00BBGGRR" lines, A to P

    // True when the user confirmed; Color then holds the choice.
    bool Execute(QWidget* owner);
};

} // namespace toolkit
