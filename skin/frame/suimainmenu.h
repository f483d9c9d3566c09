#pragma once
// The skinned main menu: its items draw and measure themselves in the
// colours and pictures of a style, and the first skinned frame on its form
// shows its top-level items as the buttons of a flat menu bar under the
// title bar. Also the drawing helpers for menu items.

#include "skin/themes/suiskinname.h"
#include "skin/themes/suithemes.h"
#include "toolkit/imagelist.h"
#include "toolkit/menus.h"
#include "toolkit/toolbar.h"

#include <QPointer>

/// The frame whose menu bar shows a skinned menu, as the menu and the bar
/// call it back; the frame implements it (Q_INTERFACES), so that this unit
/// needs no knowledge of the frame's.
class TsuiMenuFrame : public TsuiFrameInfo {
public:
    // The menu shown on the frame's menu bar (not owned).
    virtual toolkit::TMainMenu* Menu() const = 0;
    virtual void SetMenu(toolkit::TMainMenu* menu) = 0;
    // Rebuilds the bar's buttons from the menu's top-level items.
    virtual void UpdateMenu() = 0;
    // Refreshes the buttons' captions and enabled states.
    virtual void UpdateTopMenu() = 0;
    // Gives the bar the menu's font and repaints it.
    virtual void RepaintMenuBar() = 0;
};

Q_DECLARE_INTERFACE(TsuiMenuFrame, "skin.TsuiMenuFrame")

// Frames the rectangle (1 pixel) in the colour.
void Menu_DrawBorder(toolkit::TCanvas& canvas, const toolkit::TRect& rect, toolkit::TColor color);
void Menu_DrawBackGround(toolkit::TCanvas& canvas, const toolkit::TRect& rect, toolkit::TColor color);
// The separator line, two pixels below the top, right of the side bar.
void Menu_DrawLineItem(toolkit::TCanvas& canvas, const toolkit::TRect& rect, toolkit::TColor color, int barWidth);
// The MacOS pictures (one pixel wide) cut to the item's rows and stretched.
void Menu_DrawMacOSLineItem(toolkit::TCanvas& canvas, const toolkit::TRect& rect);
void Menu_DrawMacOSSelectedItem(toolkit::TCanvas& canvas, const toolkit::TRect& rect);
void Menu_DrawMacOSNonSelectedItem(toolkit::TCanvas& canvas, const toolkit::TRect& rect);
// The flat frame of a drop-down over its whole rectangle (window), drawn in
// the drop-down's own paint.
void Menu_DrawWindowBorder(toolkit::TCanvas& canvas, const toolkit::TRect& window, toolkit::TColor borderColor,
                           toolkit::TColor color);
// The system's menu font and menu text colour.
void Menu_GetSystemFont(toolkit::TFont& font);

/// The skinned main menu: the toolkit main menu drawn on the frame's menu bar and in menus with the style's
/// colours.
class TsuiMainMenu : public toolkit::TMainMenu, public toolkit::TMenuDrawer, public TsuiSkinNamed {
    Q_OBJECT
    // Images (the user's list; none while the check marks alone are used)
    // comes first, from the toolkit menu.
    Q_PROPERTY(bool OwnerDraw READ GetOwnerDraw WRITE SetOwnerDraw)
    Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(QString SkinName READ SkinName WRITE SetSkinName)
    Q_PROPERTY(int MenuItemHeight READ MenuItemHeight WRITE SetHeight)
    Q_PROPERTY(int SeparatorHeight READ SeparatorHeight WRITE SetSeparatorHeight)
    Q_PROPERTY(int BarWidth READ BarWidth WRITE SetBarWidth)
    Q_PROPERTY(quint32 BarColor READ BarColor WRITE SetBarColor)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(quint32 SeparatorColor READ SeparatorColor WRITE SetSeparatorColor)
    Q_PROPERTY(quint32 SelectedBorderColor READ SelectedBorderColor WRITE SetSelectedBorderColor)
    Q_PROPERTY(quint32 SelectedColor READ SelectedColor WRITE SetSelectedColor)
    Q_PROPERTY(quint32 SelectedFontColor READ SelectedFontColor WRITE SetSelectedFontColor)
    Q_PROPERTY(quint32 FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(bool FlatMenu READ FlatMenu WRITE SetFlatMenu)
    Q_PROPERTY(QString FontName READ FontName WRITE SetFontName)
    Q_PROPERTY(int FontSize READ FontSize WRITE SetFontSize)
    Q_PROPERTY(int FontCharset READ FontCharset WRITE SetFontCharset)
    Q_PROPERTY(bool UseSystemFont READ UseSystemFont WRITE SetUseSystemFont)

public:
    // The owner is the form; the menu attaches itself to the form's frame.
    explicit TsuiMainMenu(QObject* owner = nullptr);
    ~TsuiMainMenu() override;

    bool GetOwnerDraw() const { return true; }
    void SetOwnerDraw(bool) {}
    TsuiUIStyle UIStyle() const { return uiStyle_; }
    int MenuItemHeight() const { return menuItemHeight_; }
    int SeparatorHeight() const { return separatorHeight_; }
    int BarWidth() const { return barWidth_; }
    toolkit::TColor BarColor() const { return barColor_; }
    toolkit::TColor Color() const { return color_; }
    toolkit::TColor SeparatorColor() const { return separatorColor_; }
    toolkit::TColor SelectedBorderColor() const { return selectedBorderColor_; }
    toolkit::TColor SelectedColor() const { return selectedColor_; }
    toolkit::TColor SelectedFontColor() const { return selectedFontColor_; }
    toolkit::TColor FontColor() const { return fontColor_; }
    toolkit::TColor BorderColor() const { return borderColor_; }
    bool FlatMenu() const { return flatMenu_; }
    QString FontName() const { return fontName_; }
    int FontSize() const { return fontSize_; }
    int FontCharset() const { return fontCharset_; }
    bool UseSystemFont() const { return useSystemFont_; }

    // Reads the menu's colours and heights from the style (not for Custom).
    void SetUIStyle(TsuiUIStyle style);
    // Both heights are fixed in MacOS, whose pictures have their own.
    void SetHeight(int height);
    void SetSeparatorHeight(int height);
    void SetBarWidth(int width) { barWidth_ = width; }
    void SetBarColor(toolkit::TColor color) { barColor_ = color; }
    void SetColor(toolkit::TColor color) { color_ = color; }
    void SetSeparatorColor(toolkit::TColor color) { separatorColor_ = color; }
    void SetSelectedBorderColor(toolkit::TColor color) { selectedBorderColor_ = color; }
    void SetSelectedColor(toolkit::TColor color) { selectedColor_ = color; }
    void SetSelectedFontColor(toolkit::TColor color) { selectedFontColor_ = color; }
    void SetFontColor(toolkit::TColor color) { fontColor_ = color; }
    void SetBorderColor(toolkit::TColor color) { borderColor_ = color; }
    void SetFlatMenu(bool on) { flatMenu_ = on; }
    void SetFontName(const QString& name);
    void SetFontSize(int size);
    void SetFontCharset(int charset) { fontCharset_ = charset; }
    void SetUseSystemFont(bool on);

    const toolkit::TImageList& CheckImages() const { return checkImages_; }
    // The frame showing the menu, a TsuiMenuFrame.
    QWidget* SkinForm() const;
    void SetSkinForm(QWidget* form);

    // The font items (and the bar's buttons) are drawn with.
    void AssignMenuFont(toolkit::TFont& font) const;

    void MeasureItem(toolkit::TMenuItem* item, toolkit::TCanvas& canvas, int& width, int& height) override;
    void DrawItem(toolkit::TMenuItem* item, toolkit::TCanvas& canvas, const toolkit::TRect& rect,
                  bool selected) override;
    int PopupFrameWidth() const override { return flatMenu_ ? 2 : -1; }
    void DrawPopupFrame(toolkit::TCanvas& canvas, const toolkit::TRect& rect) override;

    void Loaded() override;
    void MenuChanged(toolkit::TMenuItem* source, bool rebuild) override;

private:
    void AttachToForm();
    TsuiMenuFrame* Frame() const;
    // The font an item is drawn and measured with.
    void AssignItemFont(const toolkit::TMenuItem* item, toolkit::TFont& font) const;
    bool HasOwnImage(const toolkit::TMenuItem* item) const;

    TsuiUIStyle uiStyle_ = TsuiUIStyle::Custom;
    int menuItemHeight_ = 21;
    int separatorHeight_ = 21;
    int barWidth_ = 0;
    toolkit::TColor barColor_ = toolkit::clBtnFace;
    toolkit::TColor color_ = toolkit::clWhite;
    toolkit::TColor separatorColor_ = 0x808080;
    toolkit::TColor selectedBorderColor_ = toolkit::clHighlight;
    toolkit::TColor selectedColor_ = toolkit::clHighlight;
    toolkit::TColor selectedFontColor_ = toolkit::clWhite;
    toolkit::TColor fontColor_ = toolkit::clMenuText;
    toolkit::TColor borderColor_ = toolkit::clBlack;
    bool flatMenu_ = false;
    QString fontName_ = QStringLiteral("MS Sans Serif");
    int fontSize_ = 8;
    int fontCharset_ = toolkit::TFont::DEFAULT_CHARSET;
    bool useSystemFont_ = true;

    toolkit::TImageList checkImages_{16, 16};
    QPointer<QWidget> skinForm_;
};

/// The frame's menu bar: one grouped, self-sizing button per top-level item
/// of the frame's menu, drawn in the menu's style.
class TsuiMenuBar : public toolkit::TToolBar {
    Q_OBJECT
public:
    // The frame is a TsuiMenuFrame.
    explicit TsuiMenuBar(QWidget* frame);

    // Rebuilds the buttons from the menu's top-level items.
    void UpdateMenu();
    // Brings the buttons' captions and enabled states up to date.
    void UpdateTopMenu();
    // Takes the menu's font and repaints.
    void RepaintMenuBar();

    bool IsMenuBar() const override { return true; }

    // The style the bar is drawn in: the menu's own when skinned.
    TsuiUIStyle DrawStyle() const;

    bool CustomDraw(toolkit::TCanvas& canvas, const toolkit::TRect& rect) override { return DrawMenuBar(canvas, rect); }
    bool CustomDrawButton(toolkit::TToolButton* button, toolkit::TCanvas& canvas, const toolkit::TRect& rect,
                          toolkit::TCustomDrawState state) override
    {
        return DrawButton(button, canvas, rect, state);
    }

    bool DrawMenuBar(toolkit::TCanvas& canvas, const toolkit::TRect& rect);
    bool DrawButton(toolkit::TToolButton* button, toolkit::TCanvas& canvas, const toolkit::TRect& rect,
                    toolkit::TCustomDrawState state);

private:
    TsuiMainMenu* SkinnedMenu() const;

    TsuiMenuFrame* frame_;
};
