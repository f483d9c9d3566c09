#include "skin/frame/suimainmenu.h"

#include "skin/themes/suifaces.h"
#include "toolkit/accessible.h"
#include "toolkit/canvas.h"
#include "toolkit/resources.h"

#include <QApplication>

using namespace toolkit;

namespace {

// The top rows of a one-pixel-wide picture stretched over rect; nothing
// when the picture is missing.
void DrawPictureRows(TCanvas& canvas, const TRect& rect, const char* name, int rows)
{
    try {
        const QImage picture = LoadBitmapResource(QLatin1String(name));
        canvas.StretchDraw(rect, picture.copy(0, 0, picture.width(), std::min(rows, picture.height())));
    } catch (const EResNotFound&) {
    }
}

} // namespace

void Menu_DrawBorder(TCanvas& canvas, const TRect& rect, TColor color)
{
    canvas.Brush.Color = color;
    canvas.Brush.Style = bsSolid;
    canvas.FrameRect(rect);
}

void Menu_DrawBackGround(TCanvas& canvas, const TRect& rect, TColor color)
{
    canvas.Brush.Color = color;
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(rect);
}

void Menu_DrawLineItem(TCanvas& canvas, const TRect& rect, TColor color, int barWidth)
{
    canvas.Pen.Color = color;
    canvas.MoveTo(rect.Left + barWidth + 4, rect.Top + 2);
    canvas.LineTo(rect.Right - 2, rect.Top + 2);
}

void Menu_DrawMacOSLineItem(TCanvas& canvas, const TRect& rect)
{
    DrawPictureRows(canvas, rect, "MACOS_MENU_BAR", 12);
}

void Menu_DrawMacOSSelectedItem(TCanvas& canvas, const TRect& rect)
{
    DrawPictureRows(canvas, rect, "MACOS_MENU_SELECT", 20);
}

void Menu_DrawMacOSNonSelectedItem(TCanvas& canvas, const TRect& rect)
{
    DrawPictureRows(canvas, rect, "MACOS_MENU_BAR", 20);
}

void Menu_DrawWindowBorder(TCanvas& canvas, const TRect& w, TColor borderColor, TColor color)
{
    Menu_DrawBorder(canvas, Rect(w.Left, w.Top + 1, w.Right - 1, w.Bottom - 1), borderColor);
    Menu_DrawBorder(canvas, Rect(w.Left + 1, w.Top + 2, w.Right - 2, w.Bottom - 2), clWhite);
    canvas.Pen.Color = color;
    canvas.Polyline({{w.Left, w.Bottom - 1},
                     {w.Right - 1, w.Bottom - 1},
                     {w.Right - 1, w.Top},
                     {w.Right, w.Top},
                     {w.Left, w.Top}});
}

void Menu_GetSystemFont(TFont& font)
{
    font.AssignQFont(QApplication::font("QMenu"));
    font.SetColor(clMenuText);
}

// ---- the menu ------------------------------------------------------------------------

TsuiMainMenu::TsuiMainMenu(QObject* owner) : TMainMenu(owner)
{
    SetDrawer(this);
    TBitmap check;
    check.SetImage(FaceFor(TsuiUIStyle::MacOS, TsuiFace::MenuCheck));
    if (!check.Empty()) checkImages_.AddMasked(check, clWhite);
    SetUIStyle(GetSUIFormStyle(owner));
    AttachToForm();
}

TsuiMainMenu::~TsuiMainMenu()
{
    SetDrawer(nullptr);
}

QWidget* TsuiMainMenu::SkinForm() const
{
    return skinForm_;
}

void TsuiMainMenu::SetSkinForm(QWidget* form)
{
    skinForm_ = form;
}

TsuiMenuFrame* TsuiMainMenu::Frame() const
{
    return qobject_cast<TsuiMenuFrame*>(skinForm_.data());
}

// The first skinned frame on the owner form shows the menu.
void TsuiMainMenu::AttachToForm()
{
    if (skinForm_) return;
    if (auto* frame = qobject_cast<TsuiMenuFrame*>(FindSuiForm(parent()))) frame->SetMenu(this);
}

void TsuiMainMenu::SetUIStyle(TsuiUIStyle style)
{
    uiStyle_ = style;
    if (style == TsuiUIStyle::Custom) return;
    menuItemHeight_ = GetThemeInt(style, teMenuItemHeight);
    separatorHeight_ = GetThemeInt(style, teMenuSeparatorHeight);
    barColor_ = GetThemeColor(style, teMenuBarColor);
    barWidth_ = GetThemeInt(style, teMenuBarWidth);
    color_ = GetThemeColor(style, teMenuColor);
    separatorColor_ = GetThemeColor(style, teMenuSeparatorColor);
    selectedBorderColor_ = GetThemeColor(style, teMenuSelectedBorderColor);
    selectedColor_ = GetThemeColor(style, teMenuSelectedColor);
    selectedFontColor_ = GetThemeColor(style, teMenuSelectedFontColor);
    fontColor_ = GetThemeColor(style, teMenuFontColor);
    borderColor_ = GetThemeColor(style, teFormBorderColor);
    if (TsuiMenuFrame* frame = Frame()) frame->RepaintMenuBar();
}

void TsuiMainMenu::SetHeight(int height)
{
    if (uiStyle_ != TsuiUIStyle::MacOS) menuItemHeight_ = height;
}

void TsuiMainMenu::SetSeparatorHeight(int height)
{
    if (uiStyle_ != TsuiUIStyle::MacOS) separatorHeight_ = height;
}

void TsuiMainMenu::SetFontName(const QString& name)
{
    fontName_ = name;
    if (TsuiMenuFrame* frame = Frame()) frame->RepaintMenuBar();
}

void TsuiMainMenu::SetFontSize(int size)
{
    fontSize_ = size;
    if (TsuiMenuFrame* frame = Frame()) frame->RepaintMenuBar();
}

void TsuiMainMenu::SetUseSystemFont(bool on)
{
    useSystemFont_ = on;
    if (TsuiMenuFrame* frame = Frame()) frame->RepaintMenuBar();
}

void TsuiMainMenu::AssignMenuFont(TFont& font) const
{
    if (useSystemFont_) {
        Menu_GetSystemFont(font);
        return;
    }
    font.SetName(fontName_);
    font.SetSize(fontSize_);
    font.SetCharset(fontCharset_);
    font.SetStyle({});
    font.SetColor(fontColor_);
}

// Measuring and drawing share this, so a bold default item or a font of the
// menu's own is measured as it is drawn.
void TsuiMainMenu::AssignItemFont(const TMenuItem* item, TFont& font) const
{
    AssignMenuFont(font);
    if (item->Default()) font.SetStyle(font.Style() | fsBold);
}

bool TsuiMainMenu::HasOwnImage(const TMenuItem* item) const
{
    return item->ImageIndex() != -1 && Images() && item->ImageIndex() < Images()->Count();
}

void TsuiMainMenu::MeasureItem(TMenuItem* item, TCanvas& canvas, int& width, int& height)
{
    height = item->IsLine() ? separatorHeight_ : menuItemHeight_;
    AssignItemFont(item, canvas.Font);
    width = canvas.TextWidth(StripAccelerator(item->Caption())) + canvas.TextWidth(ShortCutToText(item->ShortCut())) +
            barWidth_ + 40;
}

void TsuiMainMenu::DrawItem(TMenuItem* item, TCanvas& canvas, const TRect& rect, bool selected)
{
    const auto drawPlainBackground = [&] {
        if (barWidth_ > 0) Menu_DrawBackGround(canvas, Rect(rect.Left, rect.Top, rect.Left + barWidth_, rect.Bottom), barColor_);
        Menu_DrawBackGround(canvas, Rect(rect.Left + barWidth_, rect.Top, rect.Right, rect.Bottom), color_);
    };
    const bool macOS = uiStyle_ == TsuiUIStyle::MacOS;
    if (item->IsLine()) {
        if (macOS) {
            Menu_DrawMacOSLineItem(canvas, rect);
        } else {
            drawPlainBackground();
            Menu_DrawLineItem(canvas, rect, separatorColor_, barWidth_);
        }
        return;
    }
    // A disabled item never shows the selected look.
    const bool enabled = item->Enabled();
    if (selected && enabled) {
        if (macOS) {
            Menu_DrawMacOSSelectedItem(canvas, rect);
        } else {
            Menu_DrawBackGround(canvas, rect, selectedColor_);
            Menu_DrawBorder(canvas, rect, selectedBorderColor_);
        }
    } else if (macOS) {
        Menu_DrawMacOSNonSelectedItem(canvas, rect);
    } else {
        drawPlainBackground();
    }

    AssignItemFont(item, canvas.Font);
    canvas.Brush.Style = bsClear;
    canvas.Font.SetColor(!enabled ? TColor(0x808080) : selected ? selectedFontColor_ : fontColor_);
    TRect textRect = Rect(rect.Left + barWidth_ + 4, rect.Top + 4, rect.Right, rect.Bottom);
    canvas.DrawText(item->Caption(), textRect, DT_SINGLELINE);
    const QString shortCut = ShortCutToText(item->ShortCut());
    if (!shortCut.isEmpty()) canvas.TextOut(rect.Right - canvas.TextWidth(shortCut) - 16, rect.Top + 4, shortCut);

    const bool ownImage = HasOwnImage(item);
    if (item->Checked()) {
        if (ownImage) {
            Menu_DrawBorder(canvas, Rect(rect.Left + 2, rect.Top + 1, rect.Left + 21, rect.Top + 20), clBlack);
            Menu_DrawBackGround(canvas, Rect(rect.Left + 3, rect.Top + 2, rect.Left + 20, rect.Top + 19), selectedColor_);
        } else {
            checkImages_.Draw(canvas, rect.Left + 4, rect.Top + 3, 0, enabled);
        }
    }
    if (ownImage) Images()->Draw(canvas, rect.Left + 4, rect.Top + 3, item->ImageIndex(), enabled);
}

void TsuiMainMenu::DrawPopupFrame(TCanvas& canvas, const TRect& rect)
{
    Menu_DrawWindowBorder(canvas, rect, borderColor_, GetThemeColor(uiStyle_, teFormColor));
}

void TsuiMainMenu::Loaded()
{
    TMainMenu::Loaded();
    AttachToForm();
    if (TsuiMenuFrame* frame = Frame()) frame->UpdateMenu();
}

// The bar follows every change: captions and enabled states at once, the
// set of buttons when items were added, removed, shown or hidden.
void TsuiMainMenu::MenuChanged(TMenuItem* source, bool rebuild)
{
    TMainMenu::MenuChanged(source, rebuild);
    TsuiMenuFrame* frame = Frame();
    if (IsLoading() || !frame) return;
    if (rebuild)
        frame->UpdateMenu();
    else
        frame->UpdateTopMenu();
}

// ---- the bar ----------------------------------------------------------------------------

TsuiMenuBar::TsuiMenuBar(QWidget* frame) : TToolBar(frame, frame), frame_(qobject_cast<TsuiMenuFrame*>(frame))
{
    setObjectName(QStringLiteral("MenuBar"));
    SetFlat(true);
    SetShowCaptions(true);
    SetWrapable(false);
}

TsuiMainMenu* TsuiMenuBar::SkinnedMenu() const
{
    return qobject_cast<TsuiMainMenu*>(frame_->Menu());
}

TsuiUIStyle TsuiMenuBar::DrawStyle() const
{
    const TsuiMainMenu* menu = SkinnedMenu();
    return menu ? menu->UIStyle() : frame_->FrameUIStyle();
}

void TsuiMenuBar::UpdateMenu()
{
    for (TToolButton* button : Buttons()) delete button;
    TMainMenu* menu = frame_->Menu();
    if (!menu) return;
    for (TMenuItem* item : menu->Items()) {
        if (!item->Visible()) continue;
        auto* button = new TToolButton(this);
        button->SetGrouped(true);
        button->SetAutoSize(true);
        button->SetMenuItem(item);
        button->show();
    }
    RepaintMenuBar();
}

void TsuiMenuBar::UpdateTopMenu()
{
    for (TToolButton* button : Buttons())
        if (TMenuItem* item = button->MenuItem()) {
            button->SetCaption(item->Caption());
            button->setEnabled(item->Enabled());
        }
}

void TsuiMenuBar::RepaintMenuBar()
{
    if (const TsuiMainMenu* menu = SkinnedMenu()) menu->AssignMenuFont(*Font());
    ArrangeButtons();
}

bool TsuiMenuBar::DrawMenuBar(TCanvas& canvas, const TRect& rect)
{
    if (DrawStyle() == TsuiUIStyle::MacOS) DrawPictureRows(canvas, rect, "MACOS_MENU_BAR", 22);
    return true;
}

bool TsuiMenuBar::DrawButton(TToolButton* button, TCanvas& canvas, const TRect& rect, TCustomDrawState state)
{
    const TsuiUIStyle style = DrawStyle();
    if (const TsuiMainMenu* menu = SkinnedMenu()) menu->AssignMenuFont(canvas.Font);
    const bool selected = state & cdsSelected;
    if (!(state & cdsHot) && !selected) return true;
    const QString caption = button->text();
    canvas.Brush.Style = bsClear;
    canvas.Font.SetColor(GetThemeColor(style, teMenuSelectedFontColor));
    if (style == TsuiUIStyle::MacOS) {
        DrawPictureRows(canvas, rect, "MACOS_MENU_SELECT", 21);
        TRect textRect = rect;
        canvas.DrawText(caption, textRect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        return false;
    }
    TRect r = rect;
    if (selected) r.Right -= 2;
    Menu_DrawBackGround(canvas, r, GetThemeColor(style, teMenuSelectedColor));
    Menu_DrawBorder(canvas, r, GetThemeColor(style, teMenuSelectedBorderColor));
    if (selected) r.Left += 2;
    r.Top += 2;
    canvas.Brush.Style = bsClear;
    canvas.DrawText(caption, r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    return false;
}
