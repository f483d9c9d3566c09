#include "skin/controls/suiimagepanel.h"

#include "skin/themes/suipublic.h"
#include "toolkit/canvas.h"

#include <QMouseEvent>

using namespace toolkit;

TsuiCustomPanel::TsuiCustomPanel(QObject* owner, QWidget* parent) : TCustomPanel(owner, parent)
{
    connect(&picture_, &TPicture::OnChange, this, &TsuiCustomPanel::PictureChanged);
}

TsuiCustomPanel::~TsuiCustomPanel() = default;

void TsuiCustomPanel::SetTransparent(bool on)
{
    transparent_ = on;
    ApplyTransparency();
    Invalidate();
}

void TsuiCustomPanel::SetAutoSize(bool on)
{
    autoSize_ = on;
    ApplyAutoSize();
}

// Whoever changed the picture (the setter, a layout writing into it, code
// loading it in place), the panel follows here.
void TsuiCustomPanel::PictureChanged()
{
    ApplyAutoSize();
    ApplyTransparency();
    Invalidate();
}

// The panel keeps the size its alignment gives it along an aligned side.
void TsuiCustomPanel::ApplyAutoSize()
{
    if (!autoSize_ || !picture_.HasGraphic()) return;
    const TAlign align = Align();
    if (align != alTop && align != alBottom && align != alClient) SetWidth(picture_.Width());
    if (align != alLeft && align != alRight && align != alClient) SetHeight(picture_.Height());
}

// A transparent panel also draws its picture without the key colour.
void TsuiCustomPanel::ApplyTransparency()
{
    if (picture_.HasGraphic()) picture_.Bitmap().SetTransparent(transparent_);
}

bool TsuiCustomPanel::PassUIStyleOn(TsuiUIStyle style)
{
    UpdateUIStyle(style);
    return true;
}

void TsuiCustomPanel::UpdateUIStyle(TsuiUIStyle style)
{
    ContainerApplyUIStyle(this, style);
}

TRect TsuiCustomPanel::CaptionRect(TCanvas& canvas) const
{
    if (CaptionAligned()) return ClientRect();
    TRect covered = Rect(captionPosX_, captionPosY_, captionPosX_, captionPosY_);
    canvas.DrawText(Caption(), covered, DT_SINGLELINE | DT_CALCRECT);
    return covered;
}

void TsuiCustomPanel::PaintSurface(TCanvas& canvas) const
{
    if (transparent_) DoTrans(canvas, this);
    if (!picture_.HasGraphic()) return;
    const TRect client = ClientRect();
    switch (drawStyle_) {
    case suiStretch:
        canvas.StretchDraw(client, picture_.Bitmap());
        break;
    case suiTile:
        TileDraw(canvas, picture_, client);
        break;
    case suiNormal:
        canvas.Draw(0, 0, picture_.Bitmap());
        break;
    }
}

void TsuiCustomPanel::Paint(TCanvas& canvas)
{
    PaintSurface(canvas);
    canvas.Font.Assign(*Font());
    if (CaptionAligned()) return DrawCaption(canvas, ClientRect());
    if (CaptionIsBlank()) return;
    TRect place = CaptionRect(canvas);
    canvas.Brush.Style = bsClear;
    canvas.DrawText(Caption(), place, DT_SINGLELINE);
}

// Presses and releases a child did not take come up to the panel too; only
// those on the panel's own surface are its own.
bool TsuiCustomPanel::OnOwnSurface(const QMouseEvent& event) const
{
    return childAt(event.position().toPoint()) == nullptr;
}

void TsuiCustomPanel::mousePressEvent(QMouseEvent* event)
{
    if (!OnOwnSurface(*event)) return event->ignore();
    if (event->button() == Qt::LeftButton) clickHeld_ = true;
}

// A left press and release over the panel is a click, as on a button.
void TsuiCustomPanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (!OnOwnSurface(*event)) return event->ignore();
    if (event->button() != Qt::LeftButton) return;
    const bool click = clickHeld_ && rect().contains(event->position().toPoint());
    clickHeld_ = false;
    if (click) Click();
}
