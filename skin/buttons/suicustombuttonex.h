#pragma once
// The two-state button the check box and radio button share, and where
// their parts go.

#include "skin/buttons/suicustombutton.h"
#include "toolkit/graphics.h"

#include <QSize>

/// Where the parts of a check box or radio button go, for a client size, the
/// size of the style's check-box picture and the font's Height: the state
/// picture at the left, vertically centred; the caption from its rectangle's
/// top-left, four pixels right of the picture; the focus mark around the
/// caption, one pixel wider to the left. Halvings truncate toward zero.
struct TsuiCheckLayout {
    toolkit::TRect Picture;
    toolkit::TRect Caption;
    toolkit::TRect Focus;
};
TsuiCheckLayout PlaceCheckParts(QSize client, QSize picture, int fontHeight);
// The client size AutoSize gives for a caption of textWidth pixels.
QSize CheckAutoSize(QSize picture, int fontHeight, int textWidth);

/// A two-state button: a small state picture at the left, the caption to its
/// right. Clicking, space, Enter and the accelerator change the state once
/// (DoClick) before OnClick runs.
class TsuiCustomButtonEx : public TsuiCustomButton {
    Q_OBJECT

public:
    explicit TsuiCustomButtonEx(QObject* owner, QWidget* parent = nullptr);
    ~TsuiCustomButtonEx() override;

    bool Checked() const { return checked_; }
    // A change runs CheckStateChanged, repaints and emits CheckedChanged;
    // setting the current value does nothing.
    void SetChecked(bool on);

    TsuiCheckLayout CheckLayout() const;
    // The size of the state picture the layout is measured with.
    virtual int GetPicWidth() const = 0;
    virtual int GetPicHeight() const = 0;

    TsuiFaceState FaceState() const override;

    void Click() override;

    bool AccessibleCheckable() const override { return true; }
    bool AccessibleChecked() const override { return checked_; }

signals:
    void CheckedChanged();

protected:
    // What a click does to the state.
    virtual void DoClick() {}
    // After Checked changed, before the repaint.
    virtual void CheckStateChanged() {}

    void AutoSizeChanged() override;
    void CaptionChanged() override;
    void FontChanged() override;
    void UIStyleChanged() override;
    void PaintPic(toolkit::TCanvas& canvas, toolkit::TBitmap& bitmap) override;
    void PaintText(toolkit::TCanvas& canvas, const QString& text) override;
    void PaintFocus(toolkit::TCanvas& canvas) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool checked_ = false;
    bool autoSizing_ = false;
};
