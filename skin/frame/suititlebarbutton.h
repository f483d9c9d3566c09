#pragma once
// A caption button of the title bar: its type's pictures in a style and its
// window command (maximise or restore, minimise, close, the window menu).

#include "skin/frame/suititlebartypes.h"
#include "skin/themes/suifaces.h"
#include "skin/themes/suiskinname.h"
#include "skin/themes/suithemes.h"
#include "toolkit/collection.h"
#include "toolkit/graphics.h"

#include <QMenu>
#include <QPointer>

/// The bar the caption buttons and sections sit on, as they call it back;
/// the bar implements it (Q_INTERFACES), so that they need no knowledge of
/// the bar's unit.
class TsuiTitleBarHost {
public:
    virtual ~TsuiTitleBarHost() = default;
    // The window the bar sits on, or null when the bar is a window itself.
    virtual QWidget* ParentForm() const = 0;
    // Maximises the window or restores it.
    virtual void ToggleMaximised() = 0;
    // Re-applies the window shape after the window changed size.
    virtual void OnFormReSize() = 0;
    // Repaints after a change of a section or button.
    virtual void Changed() = 0;
};

Q_DECLARE_INTERFACE(TsuiTitleBarHost, "skin.TsuiTitleBarHost")

/// One button of a skinned title bar: its action (close, maximise, minimise, help, control box, custom) and
/// pictures.
class TsuiTitleBarButton : public toolkit::TCollectionItem, public TsuiSkinNamed {
    Q_OBJECT
    Q_PROPERTY(Suititlebar::TsuiTitleBarBtnType ButtonType READ ButtonType WRITE SetButtonType)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(QString SkinName READ SkinName WRITE SetSkinName)
    // A reference to a menu elsewhere on the form; not stored.
    Q_PROPERTY(QMenu* ControlBoxMenu READ ControlBoxMenu WRITE SetControlBoxMenu STORED false)
    Q_PROPERTY(toolkit::TPicture* PicNormal READ PicNormal)
    Q_PROPERTY(toolkit::TPicture* PicMouseOn READ PicMouseOn)
    Q_PROPERTY(toolkit::TPicture* PicMouseDown READ PicMouseDown)

public:
    TsuiTitleBarButton();

    TsuiTitleBarBtnType ButtonType() const { return type_; }
    bool Transparent() const { return transparent_; }
    int Top() const { return top_; }
    TsuiUIStyle UIStyle() const { return uiStyle_; }
    QMenu* ControlBoxMenu() const { return controlBoxMenu_; }
    toolkit::TPicture* PicNormal() { return &picNormal_; }
    toolkit::TPicture* PicMouseOn() { return &picMouseOn_; }
    toolkit::TPicture* PicMouseDown() { return &picMouseDown_; }
    const toolkit::TPicture& PicNormal() const { return picNormal_; }
    const toolkit::TPicture& PicMouseOn() const { return picMouseOn_; }
    const toolkit::TPicture& PicMouseDown() const { return picMouseDown_; }

    // A second control box is refused with a message.
    void SetButtonType(TsuiTitleBarBtnType type);
    void SetTransparent(bool on);
    void SetTop(int top);
    void SetUIStyle(TsuiUIStyle style);
    void SetControlBoxMenu(QMenu* menu);
    void SetPicNormal(const toolkit::TPicture& picture);
    void SetPicMouseOn(const toolkit::TPicture& picture);
    void SetPicMouseDown(const toolkit::TPicture& picture);
    void Assign(const TsuiTitleBarButton& source);

    // The button's window command.
    void DoClick();
    // Reloads the pictures of the style and type.
    void UpdateUIStyle();
    // Maximise or restore pictures, following the window's state.
    void ProcessMaxBtn();
    // After the window's state changed, by this button or any other way: a
    // WinXP Maximise button shows Restore exactly while the window is maximised.
    void FollowWindowState();

    // The bar the button sits on: the owner of its collection.
    QWidget* Bar() const;
    // What the button does, for assistive technology ("Close", "Minimise" ...).
    QString Purpose() const;

private:
    TsuiTitleBarHost* Host() const;
    void LoadPictures(TsuiFace face);

    TsuiTitleBarBtnType type_ = suiCustom;
    bool transparent_ = false;
    int top_ = 2;
    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
    QPointer<QMenu> controlBoxMenu_;
    toolkit::TPicture picNormal_;
    toolkit::TPicture picMouseOn_;
    toolkit::TPicture picMouseDown_;
};
