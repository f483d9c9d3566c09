#pragma once
// A skinned scroll bar built from three children: a decrement arrow, a track
// whose slider is the thumb, and an increment arrow. The value, the range, the
// steps and the change event live in the track; the scroll bar forwards them.

#include "skin/themes/suicontrol.h"
#include "skin/themes/suifaces.h"
#include "skin/themes/suirange.h"
#include "toolkit/accessible.h"
#include "toolkit/graphics.h"

class TsuiImageButton;
class TsuiScrollTrackBar;

// The thumb's length: LineButton pixels when set, else PageSize percent of
// the track (10 percent when PageSize lies outside 10..100).
int ThumbLength(int lineButton, int trackLength, int pageSize);

/// The skinned scroll bar: arrow buttons, track and thumb from the style's pictures; Min, Max, Position,
/// PageSize, SmallChange, LargeChange.
class TsuiScrollBar : public TsuiControl, public toolkit::AccessibleRange {
    Q_OBJECT
    // Declaration order is the stored-layout order; none has a default.
    Q_PROPERTY(int LineButton READ LineButton WRITE SetLineButton)
    Q_PROPERTY(Suiprogressbar::TsuiProgressBarOrientation Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle NOTIFY UIStyleSwitched)
    Q_PROPERTY(QString SkinName READ SkinName WRITE SetSkinName NOTIFY UIStyleSwitched)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Position READ Position WRITE SetPosition NOTIFY PositionChanged USER true)
    Q_PROPERTY(int SmallChange READ SmallChange WRITE SetSmallChange)
    Q_PROPERTY(int LargeChange READ LargeChange WRITE SetLargeChange)
    Q_PROPERTY(int PageSize READ PageSize WRITE SetPageSize)
    Q_PROPERTY(toolkit::align_meta::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)

public:
    static constexpr int ArrowInterval = 100;
    // A thumb of a set length is never shorter than this.
    static constexpr int MinimumLineButton = 18;
    // The thumb pieces' thickness: every style's track picture is this wide.
    static constexpr int ThumbThickness = 16;
    static constexpr int MaxSmallChange = TsuiRange::MaxSmallChange;

    explicit TsuiScrollBar(QObject* owner, QWidget* parent = nullptr);
    ~TsuiScrollBar() override;

    int LineButton() const { return lineButton_; }
    TsuiProgressBarOrientation Orientation() const { return orientation_; }
    int Max() const;
    int Min() const;
    int Position() const;
    int SmallChange() const;
    // PageSize and LargeChange are one value: the step of a press on the
    // track and the thumb's length in percent.
    int LargeChange() const { return PageSize(); }
    int PageSize() const;
    bool SliderVisible() const;

    void SetLineButton(int pixels);
    void SetOrientation(TsuiProgressBarOrientation orientation);
    void SetMax(int value);
    void SetMin(int value);
    void SetPosition(int value);
    // Kept within 1..MaxSmallChange.
    void SetSmallChange(int step);
    // The step at once; the thumb keeps its length until it is next rebuilt.
    void SetLargeChange(int step);
    void SetPageSize(int percent);
    void SetSliderVisible(bool on);

    void MouseContinuouslyDownInc(QObject* sender);
    void MouseContinuouslyDownDec(QObject* sender);
    // Lays out the arrows and the track, then rebuilds the thumb.
    void PlaceTrackBarAndButton();
    // Loads the arrows and thumb pieces for the orientation.
    void UpdatePictures();
    // Assembles the thumb from its pieces at its length.
    void UpdateSliderPic();

    TsuiScrollTrackBar* Track() const { return track_; }
    TsuiImageButton* IncButton() const { return incButton_; }
    TsuiImageButton* DecButton() const { return decButton_; }

    bool CanResize(int& newWidth, int& newHeight) override;
    void Loaded() override;
    QSize sizeHint() const override;

    QAccessible::Role AccessibleRole() const override { return QAccessible::ScrollBar; }
    int AccessibleValue() const override { return Position(); }
    int AccessibleMinimum() const override { return Min(); }
    int AccessibleMaximum() const override { return Max(); }
    int AccessibleStep() const override { return SmallChange(); }
    void AccessibleSetValue(int value) override { SetPosition(value); }

signals:
    // Raised by the track: the sender is the inner track, not the scroll bar.
    void OnChange(QObject* sender);
    void PositionChanged(int position);

protected:
    void ReadTheme() override;
    void ColorChanged() override;
    // The scroll bar's own surface is not a part: its children react.
    int PartAt(const QPoint&) const override { return NoPart; }
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int Thickness() const;
    void CutThumbPieces(toolkit::TBitmap& turnedTrack);
    void LoadArrows(TsuiImageButton& button, TsuiFace face);

    TsuiScrollTrackBar* track_;
    TsuiImageButton* incButton_;
    TsuiImageButton* decButton_;
    toolkit::TBitmap startCap_;
    toolkit::TBitmap middle_;
    toolkit::TBitmap endCap_;
    TsuiProgressBarOrientation orientation_ = suiVertical;
    int lineButton_ = 0;
    // The style the pictures come from: the last real style, so that a
    // Custom scroll bar keeps its look when turned.
    TsuiUIStyle pictureStyle_ = TsuiUIStyle::DeepBlue;
};
