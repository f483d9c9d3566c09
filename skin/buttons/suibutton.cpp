#include "skin/buttons/suibutton.h"

#include "skin/themes/suipublic.h"
#include "toolkit/canvas.h"
#include "toolkit/imagelist.h"

using namespace toolkit;

namespace {

constexpr TColor FocusUnderline = RGBColor(0x00, 0x00, 0xFF);

} // namespace

TsuiGlyphPlacement PlaceGlyph(TButtonLayout layout, QSize button, QSize text, QSize glyph, int spacing)
{
    const int w = button.width(), h = button.height();
    const int tw = text.width(), th = text.height();
    const int gw = glyph.width(), gh = glyph.height();
    TsuiGlyphPlacement p;
    switch (layout) {
    case blGlyphLeft:
        p.Glyph = {(w - tw - gw - spacing) / 2, (h - gh) / 2};
        p.Text = {p.Glyph.X + gw + spacing, (h - th) / 2};
        break;
    case blGlyphRight:
        p.Glyph = {(w + tw + spacing - gw) / 2, (h - gh) / 2};
        p.Text = {p.Glyph.X - tw - spacing, (h - th) / 2};
        break;
    case blGlyphTop:
        p.Glyph = {(w - gw) / 2, (h - th - gh - spacing) / 2};
        p.Text = {(w - tw) / 2, p.Glyph.Y + gh + spacing};
        break;
    case blGlyphBottom:
        p.Glyph = {(w - gw) / 2, (h + th + spacing - gh) / 2};
        p.Text = {(w - tw) / 2, p.Glyph.Y - th - spacing};
        break;
    }
    return p;
}

TsuiButton::TsuiButton(QObject* owner, QWidget* parent) : TsuiCustomButton(owner, parent)
{
    resize(80, 27);
    SetTabStop(true);
    SetUIStyle(GetSUIFormStyle(owner));
}

TsuiButton::~TsuiButton() = default;

void TsuiButton::SetGlyph(const TBitmap& glyph)
{
    glyph_.Assign(glyph);
    Invalidate();
}

void TsuiButton::ActionChange(toolkit::TAction& action)
{
    TsuiCustomButton::ActionChange(action);
    const toolkit::TActionList* list = action.ActionList();
    const toolkit::TImageList* images = list ? list->Images() : nullptr;
    const int index = action.ImageIndex();
    if (!glyph_.Empty() || !images || index < 0 || index >= images->Count()) return;
    glyph_.SetImage(images->Image(index));
    Invalidate();
}

void TsuiButton::SetLayout(TButtonLayout layout)
{
    layout_ = layout;
    Invalidate();
}

void TsuiButton::SetSpacing(int spacing)
{
    spacing_ = spacing;
    Invalidate();
}

QString TsuiButton::GetPicNormal() const
{
    return UIStyle() == TsuiUIStyle::Custom ? TsuiCustomButton::GetPicNormal() : QString();
}

QString TsuiButton::GetPicMouseOn() const
{
    return UIStyle() == TsuiUIStyle::Custom ? TsuiCustomButton::GetPicMouseOn() : QString();
}

QString TsuiButton::GetPicMouseDown() const
{
    return UIStyle() == TsuiUIStyle::Custom ? TsuiCustomButton::GetPicMouseDown() : QString();
}

void TsuiButton::SetPicNormal(const QString& name)
{
    SetUIStyle(TsuiUIStyle::Custom);
    TsuiCustomButton::SetPicNormal(name);
}

void TsuiButton::SetPicMouseOn(const QString& name)
{
    SetUIStyle(TsuiUIStyle::Custom);
    TsuiCustomButton::SetPicMouseOn(name);
}

void TsuiButton::SetPicMouseDown(const QString& name)
{
    SetUIStyle(TsuiUIStyle::Custom);
    TsuiCustomButton::SetPicMouseDown(name);
}

std::optional<TsuiFace> TsuiButton::ThemedFace() const
{
    if (UIStyle() == TsuiUIStyle::Custom) return std::nullopt;
    return TsuiFace::PushButton;
}

// A button turned Custom keeps the pictures its last style gave it as its
// own names, until it is given others.
void TsuiButton::ReadTheme()
{
    if (UIStyle() != TsuiUIStyle::Custom) {
        themedStyle_ = UIStyle();
        SetResHandle(0);
        AutoSizeChanged();
        return;
    }
    if (themedStyle_ == TsuiUIStyle::Custom) return;
    const auto themed = [this](TsuiFaceState state) { return FaceName(themedStyle_, TsuiFace::PushButton, state); };
    TsuiCustomButton::SetPicNormal(themed({}));
    TsuiCustomButton::SetPicMouseOn(themed({.Hot = true}));
    TsuiCustomButton::SetPicMouseDown(themed({.Pressed = true}));
    themedStyle_ = TsuiUIStyle::Custom;
}

void TsuiButton::UIStyleChanged()
{
    ApplyHeightLock();
    if (UIStyle() == TsuiUIStyle::MacOS) SetHeight(MacOSHeight);
    SetTransparent(UIStyle() == TsuiUIStyle::BlueGlass);
}

bool TsuiButton::CanResize(int& newWidth, int& newHeight)
{
    Q_UNUSED(newWidth);
    return UIStyle() != TsuiUIStyle::MacOS || newHeight == MacOSHeight;
}

// Qt layouts bypass CanResize; the size constraints hold the MacOS height.
void TsuiButton::ApplyHeightLock()
{
    if (UIStyle() == TsuiUIStyle::MacOS) {
        setMinimumHeight(MacOSHeight);
        setMaximumHeight(MacOSHeight);
    } else {
        setMinimumHeight(0);
        setMaximumHeight(QWIDGETSIZE_MAX);
    }
}

void TsuiButton::PaintPic(TCanvas& canvas, TBitmap& bitmap)
{
    canvas.Font.Assign(*Font());
    if (UIStyle() != TsuiUIStyle::Custom)
        SpitDraw(bitmap, canvas, Rect(0, 0, width(), height()), PictureKeyed());
    else
        TsuiCustomButton::PaintPic(canvas, bitmap);
    if (!glyph_.Empty()) PaintGlyph(canvas);
}

// A glyph twice as wide as high holds two frames: enabled, then disabled.
QSize TsuiButton::GlyphFrame() const
{
    const bool twoFrames = glyph_.Width() == 2 * glyph_.Height();
    return {twoFrames ? glyph_.Height() : glyph_.Width(), glyph_.Height()};
}

TsuiGlyphPlacement TsuiButton::GlyphLayout(const TCanvas& canvas) const
{
    const QSize text(canvas.TextWidth(Caption()), canvas.TextHeight(Caption()));
    TsuiGlyphPlacement place = PlaceGlyph(layout_, size(), text, GlyphFrame(), spacing_);
    if (IsPressed()) {
        place.Glyph = {place.Glyph.X + 1, place.Glyph.Y + 1};
        if (isEnabled()) place.Text = {place.Text.X + 1, place.Text.Y + 1};
    }
    return place;
}

void TsuiButton::PaintGlyph(TCanvas& canvas)
{
    const QSize frame = GlyphFrame();
    const TPoint at = GlyphLayout(canvas).Glyph;
    TImageList list(frame.width(), frame.height());
    list.AddMasked(glyph_, TopLeftPixel(glyph_.Image()));
    if (frame.width() != glyph_.Width())
        list.Draw(canvas, at.X, at.Y, isEnabled() ? 0 : 1, true);
    else
        list.Draw(canvas, at.X, at.Y, 0, isEnabled());
}

void TsuiButton::PaintText(TCanvas& canvas, const QString& text)
{
    if (glyph_.Empty()) return TsuiCustomButton::PaintText(canvas, text);
    canvas.Brush.Style = bsClear;
    canvas.Font.Assign(*Font());
    const TPoint origin = GlyphLayout(canvas).Text;
    if (!isEnabled()) {
        TRect shadow = Rect(origin.X + 1, origin.Y + 1, width(), height());
        canvas.Font.SetColor(CaptionShadow);
        canvas.DrawText(text, shadow, DT_SINGLELINE);
        canvas.Font.SetColor(CaptionGrey);
    }
    TRect r = Rect(origin.X, origin.Y, width(), height());
    canvas.DrawText(text, r, DT_SINGLELINE);
}

void TsuiButton::PaintFocus(TCanvas& canvas)
{
    if (UIStyle() != TsuiUIStyle::MacOS && UIStyle() != TsuiUIStyle::BlueGlass)
        return TsuiCustomButton::PaintFocus(canvas);
    canvas.Pen.Color = FocusUnderline;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = 1;
    canvas.MoveTo(10, height() - 5);
    canvas.LineTo(width() - 10, height() - 5);
}
