#pragma once
// The base of every self-painting skinned control: its style, what a style
// pushed from its container does to it, and one pointer state machine
// (hover, press held inside, click on release inside, repeat while held)
// that buttons, check boxes, arrows, thumbs and tabs share.

#include "skin/themes/suiskinname.h"
#include "skin/themes/suithemes.h"
#include "toolkit/control.h"

#include <QBasicTimer>

// How a control answers a style pushed onto its container.
enum class TsuiContainerStyle : std::uint8_t {
    Take,       // takes the style, Custom or not
    KeepCustom, // takes it unless its own style is Custom
    Ignore,     // the control has its own way (ApplyContainerStyle overridden)
};

/// The base of the self-painting skinned controls: a toolkit control with a UIStyle.
class TsuiControl : public toolkit::TCustomControl, public TsuiStyled, public TsuiSkinNamed {
    Q_OBJECT
    Q_INTERFACES(TsuiStyled)

public:
    // No part: the pointer is over nothing that reacts.
    static constexpr int NoPart = -1;

    explicit TsuiControl(QObject* owner, QWidget* parent = nullptr,
                         TsuiContainerStyle containerStyle = TsuiContainerStyle::Take);
    ~TsuiControl() override;

    TsuiUIStyle UIStyle() const { return uiStyle_; }
    // Stores the style, reads its theme (ReadTheme), runs UIStyleChanged and
    // repaints, even when it is the same style: setting a style reloads its
    // pictures and colours.
    void SetUIStyle(TsuiUIStyle style);

    void ApplyContainerStyle(TsuiUIStyle style) override;

    // The part under the pointer, and the part held pressed with the pointer
    // still over it (or held by the keyboard); NoPart for none.
    int HoverPart() const { return hoverPart_; }
    int PressedPart() const { return keyPressed_ ? 0 : (heldInside_ ? heldPart_ : NoPart); }
    bool IsHovered() const { return hoverPart_ != NoPart; }
    bool IsPressed() const { return PressedPart() != NoPart; }
    // The part a press began on while the button is still down, inside or not.
    int HeldPart() const { return heldPart_; }

    // The repeat period while a part is held (ms); 0 or less never repeats.
    int RepeatInterval() const { return repeatInterval_; }
    void SetRepeatInterval(int ms) { repeatInterval_ = ms; }
    // The repeat timer's id while it ticks (a part held inside with a
    // positive period), else 0; a QTimerEvent of this id is one tick.
    int RepeatTimerId() const { return repeatTimer_.timerId(); }

signals:
    // A change of UIStyle (set again, the same style reloads without it).
    void UIStyleSwitched();

protected:
    // Loads what the style gives the control (pictures, colours).
    virtual void ReadTheme() {}
    // After the theme was read.
    virtual void UIStyleChanged() {}

    // Geometry hook of the state machine: which part a point of the control
    // is on. By default the whole control is part 0; the right and bottom
    // edges are outside, as for every rectangle of the skin.
    virtual int PartAt(const QPoint& point) const;
    // A release over the part the press began on. The handler may delete the
    // control; the default raises Click.
    virtual void PartClicked(int part);
    // A tick of the repeat while the part is held inside.
    virtual void PartRepeated(int part) { Q_UNUSED(part); }
    // Hover or pressed changed: by default the control repaints at once.
    virtual void PointerStateChanged() { Repaint(); }
    // Whether the pointer drives the control now (not on a form being designed).
    virtual bool PointerActive() const { return !IsDesigning(); }

    // The keyboard holds part 0 pressed (space on a focused button).
    void SetKeyPressed(bool on);
    // Ends a hold without a click (the control was disabled or hidden).
    void CancelHold();

    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void SetHover(int part);
    void SetHeldInside(bool inside);
    void StartRepeat();

    TsuiUIStyle uiStyle_ = TsuiUIStyle::Custom;
    TsuiContainerStyle containerStyle_;
    int hoverPart_ = NoPart;
    int heldPart_ = NoPart;
    bool heldInside_ = false;
    bool keyPressed_ = false;
    int repeatInterval_ = 0;
    QBasicTimer repeatTimer_; // runs while a part is held inside
};
