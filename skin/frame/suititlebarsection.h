#pragma once
// A section of the title bar: a picture laid from the left or the right end
// of the bar, or stretched over the room between them.

#include "skin/frame/suititlebartypes.h"
#include "toolkit/collection.h"
#include "toolkit/graphics.h"

/// A picture section of a skinned title bar, aligned left, right or stretched over the client part.
class TsuiTitleBarSection : public toolkit::TCollectionItem {
    Q_OBJECT
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(Suititlebar::TsuiTitleBarAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(toolkit::TPicture* Picture READ Picture)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)

public:
    TsuiTitleBarSection();

    bool AutoSize() const { return autoSize_; }
    int Width() const { return width_; }
    TsuiTitleBarAlign Align() const { return align_; }
    toolkit::TPicture* Picture() { return &picture_; }
    const toolkit::TPicture& Picture() const { return picture_; }
    bool Stretch() const { return stretch_; }

    void SetAutoSize(bool on);
    void SetWidth(int width);
    // A second client section is refused with a message.
    void SetAlign(TsuiTitleBarAlign align);
    void SetPicture(const toolkit::TPicture& picture);
    void SetStretch(bool on);
    void Assign(const TsuiTitleBarSection& source);

private:
    void FitWidthToPicture();

    bool autoSize_ = false;
    int width_ = 10;
    TsuiTitleBarAlign align_ = suiLeft;
    toolkit::TPicture picture_;
    bool stretch_ = false;
};
