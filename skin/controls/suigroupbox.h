#pragma once
// The group box: a one-pixel frame in a border colour with a caption set
// into its top edge, over a panel surface that shows its parent by default.
// It takes its colours from the skinned frame on its form and passes a style
// pushed onto it on to the controls inside.

#include "skin/controls/suiimagepanel.h"
#include "toolkit/accessible.h"

#include <vector>

/// The skinned group box's behaviour: a frame in the style's border colour with its caption set into the top
/// edge.
class TsuiCustomGroupBox : public TsuiCustomPanel, public toolkit::AccessibleGrouping {
    Q_OBJECT
    Q_PROPERTY(toolkit::align_meta::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY TextChanged)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE SetEnabled)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor DESIGNABLE false)

public:
    // The caption starts this far in from the left edge, on the top row.
    static constexpr int CaptionLeft = 5;

    explicit TsuiCustomGroupBox(QObject* owner, QWidget* parent = nullptr);
    ~TsuiCustomGroupBox() override;

    toolkit::TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(toolkit::TColor color) { Store(borderColor_, color); }
    // Every control inside follows, including one disabled on its own before.
    void SetEnabled(bool on);

    // The area inside the frame for the contents.
    toolkit::TRect GetClient() const;
    // The frame as one polyline, the caption measured in the canvas's font:
    // the top edge leaves a gap for the caption unless it is empty.
    std::vector<toolkit::TPoint> BorderLine(const toolkit::TCanvas& canvas) const;

    // A style pushed from the container gives the box its colours.
    void ApplyContainerStyle(TsuiUIStyle style) override;

    QString AccessibleCaption() const override { return Caption(); }

protected:
    void Paint(toolkit::TCanvas& canvas) override;
    void CaptionChanged() override;

private:
    toolkit::TColor borderColor_ = 0;
};

/// The skinned group box as stored in layouts: a container with a caption and BorderColor.
class TsuiGroupBox : public TsuiCustomGroupBox {
    Q_OBJECT
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)

public:
    using TsuiCustomGroupBox::TsuiCustomGroupBox;
};
