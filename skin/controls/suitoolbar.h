#pragma once
// A tool bar whose buttons the skin paints flat: a framed fill while the
// pointer is over a button (or it is checked), a darker fill while it is
// pressed, with its image and caption centred in it. Buttons in none of
// these states keep the tool bar's own drawing.

#include "skin/themes/suiskinname.h"
#include "skin/themes/suithemes.h"
#include "toolkit/toolbar.h"

/// The skinned tool bar: the toolkit tool bar drawn with the style's button faces and colours.
class TsuiToolBar : public toolkit::TToolBar, public TsuiStyled, public TsuiSkinNamed {
    Q_OBJECT
    Q_INTERFACES(TsuiStyled)
    Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle NOTIFY UIStyleSwitched)
    Q_PROPERTY(QString SkinName READ SkinName WRITE SetSkinName NOTIFY UIStyleSwitched)
    Q_PROPERTY(quint32 ButtonColor READ ButtonColor WRITE SetButtonColor)
    Q_PROPERTY(quint32 ButtonBorderColor READ ButtonBorderColor WRITE SetButtonBorderColor)
    Q_PROPERTY(quint32 ButtonDownColor READ ButtonDownColor WRITE SetButtonDownColor)
    // Color and Transparent are stored by the tool bar.

public:
    explicit TsuiToolBar(QObject* owner, QWidget* parent = nullptr);

    TsuiUIStyle UIStyle() const { return uiStyle_; }
    toolkit::TColor ButtonColor() const { return buttonColor_; }
    toolkit::TColor ButtonBorderColor() const { return buttonBorderColor_; }
    toolkit::TColor ButtonDownColor() const { return buttonDownColor_; }

    // Reads the button colours, the bar colour and (MacOS only) transparency.
    void SetUIStyle(TsuiUIStyle style);
    void SetButtonColor(toolkit::TColor color);
    void SetButtonBorderColor(toolkit::TColor color);
    void SetButtonDownColor(toolkit::TColor color);

    void ApplyContainerStyle(TsuiUIStyle style) override { SetUIStyle(style); }

    bool CustomDraw(toolkit::TCanvas& canvas, const toolkit::TRect& rect) override { return DrawBar(canvas, rect); }
    bool CustomDrawButton(toolkit::TToolButton* button, toolkit::TCanvas& canvas, const toolkit::TRect& rect,
                          toolkit::TCustomDrawState state) override
    {
        return DrawButton(button, canvas, rect, state);
    }

    bool DrawBar(toolkit::TCanvas& canvas, const toolkit::TRect& rect);
    bool DrawButton(toolkit::TToolButton* button, toolkit::TCanvas& canvas, const toolkit::TRect& rect,
                    toolkit::TCustomDrawState state);
    // Framed fill, image and caption of a hot (or checked) and of a pressed button.
    void DrawHotButton(toolkit::TCanvas& canvas, const toolkit::TRect& rect, const QString& caption, int imageIndex,
                       const toolkit::TImageList* images);
    void DrawDownButton(toolkit::TCanvas& canvas, const toolkit::TRect& rect, const QString& caption, int imageIndex,
                         const toolkit::TImageList* images);

signals:
    void UIStyleSwitched();

private:
    void DrawFlatButton(toolkit::TCanvas& canvas, const toolkit::TRect& rect, toolkit::TColor fill, int shift,
                        const QString& caption, int imageIndex, const toolkit::TImageList* images);

    TsuiUIStyle uiStyle_ = TsuiUIStyle::Custom;
    toolkit::TColor buttonColor_ = toolkit::clBtnFace;
    toolkit::TColor buttonBorderColor_ = toolkit::clBlack;
    toolkit::TColor buttonDownColor_ = toolkit::clBtnShadow;
};
