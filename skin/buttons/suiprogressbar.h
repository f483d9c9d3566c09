#pragma once
// A skinned progress bar: 12 pixels thick, the filled part a style picture
// stretched to the position's share of the length, the rest a plain colour,
// a one-pixel border and an optional percentage caption.

#include "skin/themes/suicontrol.h"
#include "skin/themes/suirange.h"
#include "toolkit/accessible.h"
#include "toolkit/control.h"
#include "toolkit/graphics.h"

#include <QImage>

/// The skinned progress bar: Min, Max, Position, Orientation, the percentage caption (ShowCaption,
/// CaptionColor) over the style's bar pictures.
class TsuiProgressBar : public TsuiControl, public toolkit::AccessibleRange {
    Q_OBJECT
    // Declaration order is the stored-layout order; nothing but Visible has a
    // default, so a layout stores every other one.
    Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle NOTIFY UIStyleSwitched)
    Q_PROPERTY(QString SkinName READ SkinName WRITE SetSkinName NOTIFY UIStyleSwitched)
    Q_PROPERTY(quint32 CaptionColor READ CaptionColor WRITE SetCaptionColor)
    Q_PROPERTY(bool ShowCaption READ ShowCaption WRITE SetShowCaption)
    Q_PROPERTY(bool SmartShowCaption READ SmartShowCaption WRITE SetSmartShowCaption)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Position READ Position WRITE SetPosition NOTIFY PositionChanged)
    Q_PROPERTY(Suiprogressbar::TsuiProgressBarOrientation Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(toolkit::TPicture* Picture READ Picture)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)

public:
    static constexpr int Thickness = 12;

    explicit TsuiProgressBar(QObject* owner, QWidget* parent = nullptr);
    ~TsuiProgressBar() override;

    toolkit::TColor CaptionColor() const { return captionColor_; }
    bool ShowCaption() const { return showCaption_; }
    bool SmartShowCaption() const { return smartShowCaption_; }
    int Max() const { return range_.Max(); }
    int Min() const { return range_.Min(); }
    int Position() const { return range_.Position(); }
    TsuiProgressBarOrientation Orientation() const { return orientation_; }
    toolkit::TColor BorderColor() const { return borderColor_; }
    // The unfilled part's colour; separate from the control's own Color.
    toolkit::TColor Color() const override { return color_; }
    toolkit::TPicture* Picture() { return &picture_; }

    void SetCaptionColor(toolkit::TColor color);
    void SetShowCaption(bool on);
    void SetSmartShowCaption(bool on);
    // Never compared with each other nor clamped: a layout may store Max
    // before Min, and the bar shows whatever the three values give.
    void SetMax(int value);
    void SetMin(int value);
    void SetPosition(int value);
    void SetOrientation(TsuiProgressBarOrientation orientation);
    void SetBorderColor(toolkit::TColor color);
    void SetColor(toolkit::TColor color) override;
    void SetPicture(const toolkit::TPicture& picture);

    // Stops at the 32-bit limits.
    void StepBy(int delta);
    void StepIt() { StepBy(1); }

    // Unclamped: above Max gives more than 100, below Min a negative value.
    int GetPercentFromPosition() const;
    // The filled length of a bar `full` long, clamped to 0..full.
    int GetWidthFromPosition(int full) const;

    void UpdateProgress();
    void UpdatePicture();
    void UpdateBar(int length);

    bool CanResize(int& newWidth, int& newHeight) override;

    // The whole face as painted, for tests and for the screen copy.
    // `text`, when given, keeps the caption apart (see TCanvas::DeferTextTo).
    QImage ComposeFace(toolkit::TTextLayer* text = nullptr) const;

    int AccessibleValue() const override { return Position(); }
    int AccessibleMinimum() const override { return Min(); }
    int AccessibleMaximum() const override { return Max(); }
    // The caption: the percentage, such as "50%" or "150%".
    QString AccessibleValueText() const override { return Caption(); }

signals:
    void PositionChanged(int position);

protected:
    void ReadTheme() override { UpdatePicture(); }
    void Paint(toolkit::TCanvas& canvas) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    /// What a paint would show; a set that leaves it unchanged skips the paint.
    struct Face {
        int filled = 0;
        QString caption;
        bool operator==(const Face&) const = default;
    };
    Face CurrentFace() const;
    // Paints at once and records what the screen then shows.
    void RepaintFace();
    // Shown before it is announced.
    void ShowPosition();
    bool CaptionShown() const;
    void ApplyThicknessConstraints();
    void PaintHorizontal(toolkit::TBitmap& b) const;
    void PaintVertical(toolkit::TBitmap& b) const;
    void PaintCaption(toolkit::TBitmap& b) const;

    toolkit::TColor captionColor_ = toolkit::clBlack;
    bool showCaption_ = true;
    bool smartShowCaption_ = false;
    TsuiRange range_{TsuiRange::Bounds::Free, 0, 100, 50};
    TsuiProgressBarOrientation orientation_ = suiHorizontal;
    toolkit::TColor borderColor_ = toolkit::clBlack;
    toolkit::TColor color_ = toolkit::clBtnFace;
    toolkit::TPicture picture_;
    // What the screen shows now; a set that leaves it unchanged skips the paint.
    Face shown_;
    // The longer side of the last size asked for, granted or not.
    int requestedLength_ = 0;
};
