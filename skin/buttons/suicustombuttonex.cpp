#include "skin/buttons/suicustombuttonex.h"

#include "toolkit/canvas.h"

#include <QScopedValueRollback>
#include <algorithm>
#include <cstdlib>

using namespace toolkit;

namespace {

// Text measured as the off-screen canvas measures it when painting.
int TextWidthIn(const TFont& font, const QString& text)
{
    QImage probe(1, 1, QImage::Format_RGB32);
    TCanvas canvas(&probe);
    canvas.Font.Assign(font);
    return canvas.TextWidth(text);
}

} // namespace

TsuiCheckLayout PlaceCheckParts(QSize client, QSize picture, int fontHeight)
{
    const int pictureTop = (client.height() - picture.height()) / 2;
    const int textTop = (client.height() - (std::abs(fontHeight) + 2)) / 2;
    return {
        Bounds(1, pictureTop, picture.width(), picture.height()),
        Rect(picture.width() + 4, textTop, client.width(), client.height()),
        Rect(picture.width() + 3, textTop, client.width(), client.height()),
    };
}

QSize CheckAutoSize(QSize picture, int fontHeight, int textWidth)
{
    return {picture.width() + textWidth + 8, std::max(std::abs(fontHeight) + 2, picture.height()) + 4};
}

TsuiCustomButtonEx::TsuiCustomButtonEx(QObject* owner, QWidget* parent) : TsuiCustomButton(owner, parent)
{
    SetParentColor(true);
    SetTabStop(true);
    resize(93, height());
}

TsuiCustomButtonEx::~TsuiCustomButtonEx() = default;

void TsuiCustomButtonEx::SetChecked(bool on)
{
    if (checked_ == on) return;
    checked_ = on;
    // A radio button unchecks its group here, whose handlers may delete us.
    if (!Guarded([this] { CheckStateChanged(); })) return;
    QAccessible::State changed;
    changed.checked = true;
    NotifyAccessibleStateChanged(this, changed);
    Invalidate();
    emit CheckedChanged();
}

TsuiFaceState TsuiCustomButtonEx::FaceState() const
{
    TsuiFaceState state = TsuiCustomButton::FaceState();
    state.Checked = checked_;
    return state;
}

TsuiCheckLayout TsuiCustomButtonEx::CheckLayout() const
{
    return PlaceCheckParts(size(), QSize(GetPicWidth(), GetPicHeight()), Font().Height());
}

// The state has changed before OnClick runs.
void TsuiCustomButtonEx::Click()
{
    if (focusPolicy() != Qt::NoFocus && isEnabled() && isVisible()) setFocus(Qt::OtherFocusReason);
    if (!Guarded([this] { DoClick(); })) return;
    TsuiCustomButton::Click();
}

// Applied again after every resize; the size it sets must not start it over.
void TsuiCustomButtonEx::AutoSizeChanged()
{
    if (!AutoSize() || autoSizing_) return;
    const QScopedValueRollback guard(autoSizing_, true);
    const TFont& font = *Font();
    const QSize size =
        CheckAutoSize(QSize(GetPicWidth(), GetPicHeight()), font.Height(), TextWidthIn(font, Caption()));
    SetBounds(x(), y(), size.width(), size.height());
}

void TsuiCustomButtonEx::CaptionChanged()
{
    TsuiCustomButton::CaptionChanged();
    AutoSizeChanged();
}

void TsuiCustomButtonEx::FontChanged()
{
    TsuiCustomButton::FontChanged();
    AutoSizeChanged();
}

// Unlike a push button, a check box in Custom keeps its AutoSize; reading
// the new style's theme has re-applied it already.
void TsuiCustomButtonEx::UIStyleChanged() {}

void TsuiCustomButtonEx::resizeEvent(QResizeEvent* event)
{
    TsuiCustomButton::resizeEvent(event);
    AutoSizeChanged();
}

// The disabled look comes from the disabled pictures, not from greying.
void TsuiCustomButtonEx::PaintPic(TCanvas& canvas, TBitmap& bitmap)
{
    if (bitmap.Empty()) return;
    const TRect at = CheckLayout().Picture;
    DrawListImage(canvas, at.Left, at.Top, bitmap, PictureKeyed(), true);
}

void TsuiCustomButtonEx::PaintText(TCanvas& canvas, const QString& text)
{
    canvas.Brush.Style = bsClear;
    canvas.Font.Assign(*Font());
    if (!isEnabled()) canvas.Font.SetColor(CaptionGrey);
    TRect r = CheckLayout().Caption;
    canvas.DrawText(text, r, DT_SINGLELINE);
}

void TsuiCustomButtonEx::PaintFocus(TCanvas& canvas)
{
    canvas.Brush.Style = bsSolid;
    canvas.DrawFocusRect(CheckLayout().Focus);
}
