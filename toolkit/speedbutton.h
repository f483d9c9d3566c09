#pragma once
// A speed button: a small tool button that never takes the focus, shows a
// glyph (keyed by its bottom-left pixel) and an optional caption, and can
// stay down. Buttons of one parent with the same non-zero GroupIndex act as
// a group: pressing one raises the others; with AllowAllUp a click on the
// down button raises it too, so a group of one is a toggle. Flat buttons show
// their edge only under the pointer or while down.

#include "toolkit/accessible.h"
#include "toolkit/control.h"
#include "toolkit/graphics.h"

namespace toolkit {

/// A tool button that never takes the focus: flat or with an edge, a glyph, GroupIndex groups, AllowAllUp.
class TSpeedButton : public TCustomControl, public AccessibleButton {
    Q_OBJECT
    Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp)
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
    Q_PROPERTY(bool Down READ Down WRITE SetDown)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
    Q_PROPERTY(toolkit::TBitmap* Glyph READ Glyph)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(toolkit::TAction* Action READ Action WRITE SetAction)

public:
    explicit TSpeedButton(QObject* owner, QWidget* parent = nullptr);

    bool AllowAllUp() const { return allowAllUp_; }
    int GroupIndex() const { return groupIndex_; }
    bool Down() const { return down_; }
    bool Flat() const { return flat_; }
    TBitmap* Glyph() { return &glyph_; }
    // Whether the button shows pressed now: down, or held under the pointer.
    bool ShowsPressed() const { return down_ || (held_ && heldInside_); }

    void SetAllowAllUp(bool on) { allowAllUp_ = on; }
    void SetGroupIndex(int index);
    // A button outside a group never stays down; the down button of a group
    // without AllowAllUp stays down until another one goes down.
    void SetDown(bool on);
    void SetFlat(bool on) { Store(flat_, on); }
    void SetGlyph(const TBitmap& glyph) { glyph_.Assign(glyph); }

    // A click by the user: toggles a grouped button, then raises OnClick.
    void Click() override;

    QString AccessibleCaption() const override { return Caption(); }
    bool AccessiblePressed() const override { return ShowsPressed(); }
    bool AccessibleCheckable() const override { return groupIndex_ != 0; }
    bool AccessibleChecked() const override { return down_; }
    void AccessiblePress() override { Click(); }

protected:
    void Paint(TCanvas& canvas) override;
    void MouseEnter() override { Store(hover_, true); }
    void MouseLeave() override { Store(hover_, false); }
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void RaiseGroupSiblings();

    TBitmap glyph_;
    bool allowAllUp_ = false;
    int groupIndex_ = 0;
    bool down_ = false;
    bool flat_ = false;
    bool hover_ = false;
    bool held_ = false;
    bool heldInside_ = false;
};

} // namespace toolkit
