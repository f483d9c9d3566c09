#pragma once
// SkinName beside UIStyle: a control, a frame or a stored layout names a skin
// pack, and the control takes the pack's style as its UIStyle.

#include "skin/themes/suithemes.h"
#include "toolkit/layoutregistry.h"

#include <QString>

/// What every control publishing UIStyle shares for its SkinName. The class
/// declares `Q_PROPERTY(QString SkinName READ SkinName WRITE SetSkinName)`
/// beside its UIStyle; the pack's style is written through the UIStyle
/// property, so the class's own setter runs (a frame passes it on to its
/// contents there).
class TsuiSkinNamed : public toolkit::TStoredWhen {
public:
    // The pack the control shows: the one it was named while it still shows
    // it, else the loaded pack its UIStyle is (one a frame passed on); empty
    // when it shows a built-in style it was not named.
    QString SkinName() const;
    // Applies the built-in, loaded or installed pack of that name (FindSkin)
    // as the control's UIStyle, winning over the UIStyle it had; an empty name
    // returns to that UIStyle. A pack that cannot be found or read changes
    // nothing: reading a layout, the problems are thrown as
    // std::invalid_argument, which the reader reports; otherwise they are
    // logged.
    void SetSkinName(const QString& name);

    // A control showing a pack stores SkinName, not UIStyle: a loaded
    // pack's style number has no name in a layout, and is not the same from
    // one run to the next.
    bool StoresProperty(const char* name) const override;

private:
    TsuiUIStyle ShownStyle() const;
    bool ShowsNamed() const; // the pack named is still the UIStyle
    void Show(TsuiUIStyle style);

    QString named_;                                 // as set
    TsuiUIStyle beforeNamed_ = TsuiUIStyle::Custom; // the UIStyle an empty name returns to
};
