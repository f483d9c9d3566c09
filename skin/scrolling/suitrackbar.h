#pragma once
// A skinned slider: a bar picture along the control and a slider on it that
// the user drags, or pages towards the pointer by pressing the bar beside it.
// The scroll track is the same control as the scroll bar's middle part, its
// slider being the thumb.

#include "skin/themes/suicontrol.h"
#include "skin/themes/suirange.h"
#include "toolkit/accessible.h"
#include "toolkit/graphics.h"

#include <QtGlobal>
#include <optional>

class TsuiImagePanel;

// ---- Arithmetic along the direction of travel --------------------------------
// L is the track's length, S the slider's length. Products and differences of
// range values are 64-bit, so ranges near the 32-bit limits stay exact. The
// clamps are the range's (suirange.h).

// Where the slider starts for a value: (L - S) * (position - min) / (max - min);
// 0 for an empty range. Kept within what a widget can be placed at.
int SliderOffsetFor(int length, int sliderLength, int min, int max, int position);
// The value a point stands for, the point taken as the slider's centre:
// (p - S / 2) * (max - min) / (L - S) + min; 0 when the slider fills the
// track. Not clamped.
qint64 ValueAtPoint(int point, int length, int sliderLength, int min, int max);
// One page from `position` towards the pointer, never past the value under
// it; none when the pointer is at the slider's leading edge.
std::optional<qint64> PageTowards(int sliderLead, int pointer, qint64 position, int pageSize, qint64 pointerValue);
// The value an arrow, page, Home or End key asks for; none for other keys.
// Left and Up go towards min, Right and Down towards max, in both
// orientations, since min is at the left or top.
std::optional<qint64> ValueForKey(int key, qint64 position, int min, int max, int smallStep, int pageStep);

// Qt layouts stretch the control along its direction of travel and keep its
// thickness, which its pictures give (sizeHint).
void FixThicknessInLayouts(QWidget& control, TsuiProgressBarOrientation orientation);

// Loads a style's pictures even when the style is Custom, so that a control
// whose first style is Custom still has something to show: Custom then keeps
// the default style's pictures.
void ApplyFirstUIStyle(TsuiControl& control, TsuiUIStyle style);

/// The skinned track bar (slider): a bar and a slider picture from the style; Min, Max, Position,
/// Orientation.
class TsuiTrackBar : public TsuiControl, public toolkit::AccessibleRange {
    Q_OBJECT
    // Declaration order is the stored-layout order; none has a default.
    Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle NOTIFY UIStyleSwitched)
    Q_PROPERTY(QString SkinName READ SkinName WRITE SetSkinName NOTIFY UIStyleSwitched)
    Q_PROPERTY(toolkit::TPicture* BarImage READ BarImage)
    Q_PROPERTY(toolkit::TPicture* SliderImage READ GetSliderImage)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Position READ Position WRITE SetPosition NOTIFY PositionChanged USER true)
    Q_PROPERTY(int PageSize READ PageSize WRITE SetPageSize)
    Q_PROPERTY(Suiprogressbar::TsuiProgressBarOrientation Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(toolkit::align_meta::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)

public:
    // The pointer machine's parts: the bar pages, the slider drags.
    static constexpr int BarPart = 0;
    static constexpr int SliderPart = 1;
    static constexpr int PageInterval = 500;

    explicit TsuiTrackBar(QObject* owner, QWidget* parent = nullptr);
    ~TsuiTrackBar() override;

    toolkit::TPicture* BarImage() { return &barImage_; }
    toolkit::TPicture* GetSliderImage() const;
    int Max() const { return range_.Max(); }
    int Min() const { return range_.Min(); }
    int Position() const { return range_.Position(); }
    int PageSize() const { return range_.PageSize(); }
    // The step of an arrow key; not published (the scroll bar publishes its
    // own track's).
    int SmallChange() const { return range_.SmallChange(); }
    TsuiProgressBarOrientation Orientation() const { return orientation_; }
    bool TabStop() const { return tabStop_; }

    // Unchecked: Min may exceed Max, and Position is not clamped again.
    void SetMax(int value);
    void SetMin(int value);
    // Clamped to Min..Max, Min first.
    void SetPosition(int value);
    // The same for a value that may lie beyond 32 bits (a step past an end
    // of a range near the limits).
    void SetPositionClamped(qint64 value);
    void StepBy(int delta) { SetPositionClamped(qint64(Position()) + delta); }
    // Accepted only within 0..100.
    void SetPageSize(int value);
    // Kept within 1..32767.
    void SetSmallChange(int step);
    // Moves as an arrow, page, Home or End key asks; false for other keys.
    bool StepForKey(int key);
    void SetOrientation(TsuiProgressBarOrientation orientation);
    void SetBarImage(const toolkit::TPicture& picture);
    virtual void SetSliderImage(const toolkit::TPicture& picture);
    void SetTabStop(bool on);

    // Where the slider belongs for the current value (top-left corner).
    toolkit::TPoint GetSliderPosFromPosition() const;
    // The value a point of the control stands for, unclamped.
    qint64 GetPositionFromFromSliderPos(int x, int y) const;
    // Sets (update) or only stores (no update: the slider stays, nothing is
    // announced) the value for a point, clamped Max first.
    void UpdatePositionValue(int x, int y, bool update);
    // Announces a changed value: slider placed, OnChange raised.
    void UpdateSlider();
    // The common reaction to a change of look: value, pictures, thickness,
    // slider place.
    void UpdateControl();
    virtual void UpdatePicture();

    // The track's length and thickness, and the slider's, along and across
    // the direction of travel.
    int Length() const;
    int Thickness() const;
    int SliderLength() const;
    int SliderThickness() const;
    // What the pictures make the control's thickness.
    int PictureThickness() const;

    bool Dragging() const { return dragging_; }
    // The prepared bar, as Paint copies it.
    const toolkit::TBitmap& BarStrip() const { return barStrip_; }
    TsuiImagePanel* Slider() const { return slider_; }

    bool CanResize(int& newWidth, int& newHeight) override;
    void Loaded() override;
    QSize sizeHint() const override;

    QAccessible::Role AccessibleRole() const override { return QAccessible::Slider; }
    int AccessibleValue() const override { return Position(); }
    int AccessibleMinimum() const override { return Min(); }
    int AccessibleMaximum() const override { return Max(); }
    int AccessibleStep() const override { return SmallChange(); }
    void AccessibleSetValue(int value) override { SetPosition(value); }

signals:
    // The sender is the track bar itself, also when a scroll bar forwards it.
    void OnChange(QObject* sender);
    void PositionChanged(int position);

protected:
    void ReadTheme() override;
    void Paint(toolkit::TCanvas& canvas) override;
    // The slider's look lives in its own widget; the bar has no hover face.
    void PointerStateChanged() override {}
    int PartAt(const QPoint& point) const override;
    // Only a press and release on the bar is a click; a drag is not.
    void PartClicked(int part) override;
    void PartRepeated(int part) override;
    // The slider wanted shown (the scroll bar can hide its thumb); it shows
    // only while the track has a length.
    void SetSliderWanted(bool on);
    bool SliderWanted() const { return sliderWanted_; }
    // The slider's picture or size changed: thickness and place follow.
    void SliderPictureChanged();

    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void EndDragAndPaging();
    int Along(const QPoint& point) const;
    void PlaceSlider();
    void SetSize();
    void Page(const QPoint& pointer);
    void Drag(const QPoint& pointer);
    void LoadStyledPictures(TsuiUIStyle style);

    toolkit::TPicture barImage_;
    TsuiImagePanel* slider_;
    TsuiRange range_{TsuiRange::Bounds::Clamped, 0, 100, 0};
    TsuiProgressBarOrientation orientation_ = suiHorizontal;
    bool dragging_ = false;
    int grabOffset_ = 0;
    bool sliderWanted_ = true;
    bool tabStop_ = false;
    // Where the pointer was last seen; paging ticks page towards it.
    QPoint pointer_;
    toolkit::TBitmap barStrip_;
};

/// The scroll bar's track: its slider is the thumb, which the scroll bar can
/// hide and resize to its picture.
class TsuiScrollTrackBar : public TsuiTrackBar {
    Q_OBJECT

public:
    using TsuiTrackBar::TsuiTrackBar;

    bool GetSliderVisible() const { return SliderWanted(); }
    void SetSliderVisible(bool on) { SetSliderWanted(on); }
    void UpdateSliderSize();
};
