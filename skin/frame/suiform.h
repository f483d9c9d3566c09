#pragma once
// The skinned frame of a window: dropped on a form it removes the system
// caption and border, lays itself over the client area with a title bar at
// its top, paints its own border around itself on the form and lets the user
// resize the borderless window by that border.

#include "skin/frame/suimainmenu.h"
#include "skin/frame/suititlebar.h"
#include "skin/themes/suiskinname.h"
#include "skin/themes/suithemes.h"
#include "toolkit/control.h"
#include "toolkit/menus.h"

#include <QPointer>
#include <stdexcept>

/// The skinned frame: takes over its window (borders, title bar, menu bar) and passes its UIStyle on to the
/// skinned controls on it.
class TsuiForm : public toolkit::TCustomControl, public TsuiMenuFrame, public TsuiSkinNamed {
    Q_OBJECT
    Q_INTERFACES(TsuiFrameInfo TsuiMenuFrame)
    Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle NOTIFY UIStyleSwitched)
    Q_PROPERTY(QString SkinName READ SkinName WRITE SetSkinName NOTIFY UIStyleSwitched)
    Q_PROPERTY(bool UIStyleAutoUpdateSub READ UIStyleAutoUpdateSub WRITE SetUIStyleAutoUpdateSub)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(bool TitleBarVisible READ GetTitleBarVisible WRITE SetTitleBarVisible)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(QString Caption READ GetCaption WRITE SetCaption NOTIFY TextChanged)
    // A panel elsewhere on the form, stored by its name.
    Q_PROPERTY(QWidget* FormPanel READ FormPanel WRITE SetPanel)
    Q_PROPERTY(TsuiTitleBarButtons* TitleBarButtons READ GetButtons)
    Q_PROPERTY(TsuiTitleBarSections* TitleBarSections READ GetSections)
    Q_PROPERTY(bool TitleBarDrawAppIcon READ GetDrawAppIcon WRITE SetDrawAppIcon)
    Q_PROPERTY(toolkit::TFont* Font READ GetFont)
    Q_PROPERTY(toolkit::TMainMenu* Menu READ Menu WRITE SetMenu)
    Q_PROPERTY(quint32 MenuBarColor READ MenuBarColor WRITE SetMenuBarColor)
    Q_PROPERTY(int MenuBarHeight READ MenuBarHeight WRITE SetMenuBarHeight)
    Q_PROPERTY(int Height READ GetHeight WRITE SetHeight)
    Q_PROPERTY(int Width READ GetWidth WRITE SetWidth)

public:
    static constexpr int HostMinWidth = 125;
    static constexpr int HostMinHeight = 50;
    static constexpr int DefaultMenuBarHeight = 22;
    // Depth of the edge zones that resize the window.
    static constexpr int ResizeZone = 5;

    // The owner must be the form the frame skins; a second frame on one form
    // throws EsuiFormError and the form keeps the first.
    explicit TsuiForm(QObject* owner, QWidget* parent = nullptr);
    ~TsuiForm() override;

    TsuiUIStyle UIStyle() const { return uiStyle_; }
    TsuiUIStyle FrameUIStyle() const override { return uiStyle_; }
    toolkit::TColor FrameColor() const override { return Color(); }
    bool UIStyleAutoUpdateSub() const { return autoUpdateSub_; }
    toolkit::TColor BorderColor() const { return borderColor_; }
    int BorderWidth() const { return borderWidth_; }
    bool GetTitleBarVisible() const;
    QString GetCaption() const;
    QWidget* FormPanel() const { return formPanel_; }
    TsuiTitleBarButtons* GetButtons() const;
    TsuiTitleBarSections* GetSections() const;
    bool GetDrawAppIcon() const;
    toolkit::TFont* GetFont() const;
    toolkit::TColor MenuBarColor() const { return menuBarColor_; }
    int MenuBarHeight() const { return menuBarHeight_; }
    int GetHeight() const { return height(); }
    int GetWidth() const { return width(); }

    void SetUIStyle(TsuiUIStyle style);
    void SetUIStyleAutoUpdateSub(bool on) { autoUpdateSub_ = on; }
    void SetBorderColor(toolkit::TColor color);
    void SetBorderWidth(int width);
    void SetTitleBarVisible(bool visible);
    void SetCaption(const QString& caption) override;
    // The frame itself is refused with a message.
    void SetPanel(QWidget* panel);
    void SetButtons(const TsuiTitleBarButtons& buttons);
    void SetSections(const TsuiTitleBarSections& sections);
    void SetDrawAppIcon(bool on);
    void SetFont(const toolkit::TFont& font);
    void SetMenuBarColor(toolkit::TColor color);
    void SetMenuBarHeight(int height);

    // The menu shown on the menu bar under the title bar (not owned); the
    // bar exists exactly while there is one.
    toolkit::TMainMenu* Menu() const override { return menu_; }
    void SetMenu(toolkit::TMainMenu* menu) override;
    TsuiMenuBar* MenuBar() const { return menuBar_; }
    void CreateMenuBar();
    void DestroyMenuBar();
    // Rebuilds the bar's buttons from the menu's top-level items.
    void UpdateMenu() override;
    // Refreshes the buttons' captions and enabled states.
    void UpdateTopMenu() override;
    // Gives the bar the menu's font and repaints it.
    void RepaintMenuBar() override;
    // Size the host form so that the frame gets this size.
    void SetHeight(int height) override;
    void SetWidth(int width) override;

    TsuiTitleBar* TitleBar() const { return titleBar_; }
    QWidget* HostForm() const { return host_; }
    // Whether the host is a window inside a multiple-document area.
    bool GetMDIChild() const;

    // Places the frame inside the host's client area.
    void AlignSelf();
    // Repaints the border the frame leaves free on the host.
    void PaintFormBorder();
    // The window edges a press at this point of the host's client area
    // resizes; none where the host cannot be resized by its edges.
    Qt::Edges EdgesAt(const QPoint& clientPos) const;

signals:
    void UIStyleSwitched();
    void OnTitleBarCustomBtnsClick(QObject* Sender, int ButtonIndex);
    void OnTitleBarHelpBtnClick(QObject* Sender, int ButtonIndex);

protected:
    void Paint(toolkit::TCanvas& canvas) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TakeOverHost();
    // The window the host is: itself, or the document window around it.
    QWidget* HostWindow() const;
    void ResizeHost(const QSize& size);
    void HostResized();
    // Moves the controls below the title bar by dy pixels.
    void ScrollContents(int dy);
    void DrawBorder();
    bool HandleHostMouse(QEvent* event);
    Qt::Edges OwnEdgesAt(const QPoint& pos) const;
    void ResizeByHand(const QPoint& globalPos);
    void LoadBackground();
    void AdviseSkinnedMenu(QObject* component);

    QPointer<QWidget> host_;
    TsuiTitleBar* titleBar_ = nullptr;
    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
    bool autoUpdateSub_ = false;
    toolkit::TColor borderColor_ = toolkit::clBlack;
    int borderWidth_ = 1;
    QPointer<QWidget> formPanel_;
    toolkit::TColor menuBarColor_ = toolkit::clBtnFace;
    int menuBarHeight_ = DefaultMenuBarHeight;
    QPointer<toolkit::TMainMenu> menu_;
    QPointer<TsuiMenuBar> menuBar_;
    toolkit::TPicture background_;

    bool savedSizeable_ = true;
    QRect createBounds_;
    bool createdMaximized_ = false;
    int nonClientWidth_ = 0;
    int nonClientHeight_ = 0;

    // A resize done by hand where the window system cannot do it.
    Qt::Edges resizing_;
    QPoint resizeGrab_;
    QRect resizeStart_;
};

/// Raised when a form gets a second frame.
class EsuiFormError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
